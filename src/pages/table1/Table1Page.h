// The Table 1 page: plots and buildings, entered through a wizard.
#pragma once

#include <QWidget>

class QComboBox;

namespace d7 {

class PairedList;
class TForm1;
struct Table1Answers;

class Table1Page : public QWidget {
    Q_OBJECT
public:
    Table1Page(TForm1 &form, Table1Answers &answers, QWidget *parent = nullptr);

    // The reference lists filled at start-up, each with its hidden code list.
    QComboBox *ComboBoxNomos, *ComboBox2;
    QComboBox *ComboBox16, *ComboBox17;
    QComboBox *ComboBoxSpecial, *ComboBoxSpecialCD;
    QComboBox *ComboBoxFloor, *ComboBoxFloorCD;
    PairedList *prefectures, *categories, *specials, *floors;

private:
    TForm1 &form_;
    Table1Answers &answers_;
};

}  // namespace d7
