#include "widgets/PairedList.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "store/Engine.h"

namespace d7 {

PairedList::PairedList(QComboBox *names, QComboBox *codes, QObject *parent)
    : QObject(parent), names_(names), codes_(codes) {
    codes_->setVisible(false);
    // Whatever moves the visible list moves the codes with it.
    connect(names_, &QComboBox::currentIndexChanged, codes_, &QComboBox::setCurrentIndex);
    connect(names_, &QComboBox::activated, this, [this](int index) {
        codes_->setCurrentIndex(index);
        emit userSelected(index);
    });
}

void PairedList::clear() {
    names_->clear();
    codes_->clear();
}

void PairedList::append(const QString &name, const QString &code) {
    names_->addItem(name);
    codes_->addItem(code);
}

void PairedList::select(int index) {
    names_->setCurrentIndex(index);
    codes_->setCurrentIndex(index);
}

int PairedList::index() const { return codes_->currentIndex(); }
QString PairedList::name() const { return names_->currentText(); }
QString PairedList::code() const { return codes_->currentText(); }
int PairedList::count() const { return names_->count(); }

void PairedList::fill(Dataset &dataset, const QString &sql, int nameColumn, int codeColumn) {
    dataset.close();
    dataset.setCommandText(sql);
    dataset.open();
    dataset.first();
    QStringList names, codes;
    const int n = dataset.recordCount();
    names.reserve(n);
    codes.reserve(n);
    for (int i = 0; i < n; ++i) {
        names << dataset.text(nameColumn);
        codes << dataset.text(codeColumn);
        dataset.next();
    }
    dataset.first();
    dataset.close();
    clear();
    names_->addItems(names);
    codes_->addItems(codes);
    select(0);
}

}  // namespace d7
