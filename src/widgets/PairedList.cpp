#include "widgets/PairedList.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace d7 {

PairedList::PairedList(QComboBox *names, QComboBox *codes, QObject *parent)
    : QObject(parent), m_names(names), m_codes(codes) {
    m_codes->setVisible(false);
    // Whatever moves the visible list moves the codes with it.
    connect(m_names, &QComboBox::currentIndexChanged, m_codes, &QComboBox::setCurrentIndex);
    connect(m_names, &QComboBox::activated, this, [this](int index) {
        m_codes->setCurrentIndex(index);
        emit userSelected(index);
    });
}

void PairedList::clear() {
    m_names->clear();
    m_codes->clear();
}

void PairedList::append(const QString &name, const QString &code) {
    m_names->addItem(name);
    m_codes->addItem(code);
}

void PairedList::select(int index) {
    m_names->setCurrentIndex(index);
    m_codes->setCurrentIndex(index);
}

int PairedList::index() const { return m_codes->currentIndex(); }
QString PairedList::name() const { return m_names->currentText(); }
QString PairedList::code() const { return m_codes->currentText(); }
int PairedList::count() const { return m_names->count(); }

void PairedList::fill(const QStringList &names, const QStringList &codes) {
    clear();
    m_names->addItems(names);
    m_codes->addItems(codes);
    select(0);
}

}  // namespace d7
