#include "pages/table2/Table2Page.h"

#include <QComboBox>

#include "app/Main.h"
#include "app/PairedList.h"
#include "pages/table2/Table2Answers.h"

namespace d7 {

Table2Page::Table2Page(TForm1 &form, Table2Answers &answers, QWidget *parent)
    : QWidget(parent), form_(form), answers_(answers) {
    setObjectName(QStringLiteral("TabSheetArray2"));
    ComboBoxNomos2 = new QComboBox(this);
    ComboBoxNomos2->setObjectName(QStringLiteral("ComboBoxNomos2"));
    ComboBoxNomos2->setVisible(false);   // shown on the wizard's first step
    ComboBox21 = new QComboBox(this);
    ComboBox21->setObjectName(QStringLiteral("ComboBox21"));
    prefectures = new PairedList(ComboBoxNomos2, ComboBox21, this);
}

}  // namespace d7
