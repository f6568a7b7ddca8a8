// The tax offices a declaration can be addressed to (a fixed list).
#pragma once

#include <QString>
#include <QVector>

namespace d7 {

struct TaxOffice {
    QString code;
    QString name;
};

const QVector<TaxOffice> &TaxOffices();

}  // namespace d7
