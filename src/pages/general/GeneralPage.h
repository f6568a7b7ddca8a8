// The general data page: tax office, kind of declaration, the person liable,
// the spouse, the protected children, the legal representative and notes.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace d7 {

class DataGrid;
class DataNavigator;
class Dataset;
class StringGrid;
class MainWindow;

class GeneralPage : public QWidget {
    Q_OBJECT
public:
    GeneralPage(MainWindow &form, Dataset *children, QWidget *parent = nullptr);

    // Titles of the three person grids, fixed cells and the year pick list.
    void InitGridTitles();

    // Handlers.
    void ComboBoxDOYChange(int index);
    bool ADODataSet4BeforePost(Dataset &children);
    bool DBNavigator1BeforeAction(int button);
    void BitBtnSaveClick();

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
    QLabel *Label96, *Label97, *Label98, *Label99;
    QComboBox *ComboBoxDOY, *ComboBoxDOYCodes, *ComboBoxType;
    StringGrid *StringGridYp, *StringGridYpWife, *StringGridAnti;
    DataNavigator *DBNavigator1;
    DataGrid *DBGrid1;
    QPlainTextEdit *MemoNotes;
    QPushButton *BitBtnSave;

private:
    MainWindow &m_form;
};

// The years offered for a child's year of birth, newest first.
QStringList ChildBirthYears();

}  // namespace d7
