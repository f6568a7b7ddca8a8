// The two print pages, general data (GD.htm) and tables (Tables.htm), written
// from plain values: windows-1253 bytes, lines ending in CR LF.
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include "print/Proceed.h"

namespace d7 {

// One stored row as its dataset holds it: the value of each column by
// position, a null QVariant for a null column.
using StoredRow = QVector<QVariant>;

// What the general data page shows, and the stored children.
struct GeneralDataValues {
    QString taxOfficeName;
    QString taxOfficeCode;
    QString declarationType;
    QStringList taxpayer;         // surname or company name, name, father's name, tax number
    QStringList spouse;           // surname, name, father's name, identity card, tax number
    QStringList representative;   // capacity, surname, name, identity card, tax number
    QList<StoredRow> children;    // rows of the children table (Surname at position 1 .. AFM at 6)
    QString notes;
};

QByteArray GeneralDataPage(const GeneralDataValues &values);

// Rows of table1 and table2, columns by their stored position. Told how far it
// is as it goes; empty when proceed said to stop.
QByteArray TablesPage(const QList<StoredRow> &table1Rows, const QList<StoredRow> &table2Rows,
                      const Proceed &proceed = {});

}  // namespace d7
