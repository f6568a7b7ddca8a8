#include "pages/table1/Table1Page.h"

#include <QComboBox>

#include "app/Main.h"
#include "app/PairedList.h"
#include "pages/table1/Table1Answers.h"

namespace d7 {

namespace {
QComboBox *list(QWidget *parent, const char *name) {
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setVisible(false);   // shown on the wizard's steps
    return box;
}
}  // namespace

Table1Page::Table1Page(TForm1 &form, Table1Answers &answers, QWidget *parent)
    : QWidget(parent), form_(form), answers_(answers) {
    setObjectName(QStringLiteral("TabSheetArray1"));
    ComboBoxNomos = list(this, "ComboBoxNomos");
    ComboBox2 = list(this, "ComboBox2");
    ComboBox16 = list(this, "ComboBox16");
    ComboBox17 = list(this, "ComboBox17");
    ComboBoxSpecial = list(this, "ComboBoxSpecial");
    ComboBoxSpecialCD = list(this, "ComboBoxSpecialCD");
    ComboBoxFloor = list(this, "ComboBoxFloor");
    ComboBoxFloorCD = list(this, "ComboBoxFloorCD");
    prefectures = new PairedList(ComboBoxNomos, ComboBox2, this);
    categories = new PairedList(ComboBox16, ComboBox17, this);
    specials = new PairedList(ComboBoxSpecial, ComboBoxSpecialCD, this);
    floors = new PairedList(ComboBoxFloor, ComboBoxFloorCD, this);
}

}  // namespace d7
