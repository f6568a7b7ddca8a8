// The Table 2 page: agricultural plots, entered through a wizard.
#pragma once

#include <QWidget>

class QComboBox;

namespace d7 {

class PairedList;
class TForm1;
struct Table2Answers;

class Table2Page : public QWidget {
    Q_OBJECT
public:
    Table2Page(TForm1 &form, Table2Answers &answers, QWidget *parent = nullptr);

    QComboBox *ComboBoxNomos2, *ComboBox21;
    PairedList *prefectures;

private:
    TForm1 &form_;
    Table2Answers &answers_;
};

}  // namespace d7
