// The Table 1 page: plots and buildings, entered one row at a time through a
// wizard of question pages, then stored.
#pragma once

#include <QWidget>

#include "pages/wizard/LocationLookups.h"
#include "pages/table1/Table1Record.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace d7 {

class LocationSteps;
class PairedList;
class MainWindow;
struct Table1Answers;
struct Table1SummaryControls;

class Table1Page : public QWidget {
    Q_OBJECT
public:
    Table1Page(MainWindow &form, Table1Answers &answers, QWidget *parent = nullptr);

    // The reference lists filled at start-up, each with its hidden code list.
    QComboBox *ComboBoxNomos, *ComboBox2;
    QComboBox *ComboBox16, *ComboBox17;
    QComboBox *ComboBoxSpecial, *ComboBoxSpecialCD;
    QComboBox *ComboBoxFloor, *ComboBoxFloorCD;
    PairedList *prefectures, *categories, *specials, *floors;

    // The page.
    QPushButton *Button2, *btnCancel;
    QLabel *Label101, *Label85;
    QTabWidget *PageControl2;
    QFrame *Panel1;
    QPlainTextEdit *RichEdit1;
    QWidget *Step1, *Step2, *Step3, *Step4, *Step5, *Step6, *Step7, *Step8, *Step9, *Step10;
    QWidget *Step12, *Step13, *Step14, *Step15, *Step16, *Step17, *Step18, *Step19, *Step20, *Step21;
    QWidget *TabSheet14;

    // Location: municipality, street, block streets.
    QComboBox *ComboBoxDimos, *ComboBox4, *ComboBox5, *ComboBox6;
    QComboBox *ComboBox7, *ComboBox8, *ComboBox9, *ComboBox10, *ComboBox11, *ComboBox12;
    PairedList *municipalities, *streets, *secondStreets, *thirdStreets, *fourthStreets;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5;
    QLabel *Label13, *Label14, *Label17, *Label105, *Label41, *Label43;
    QFrame *Panel4;
    QLineEdit *EditUserDimos, *EditStreet, *EditNo, *Edit1, *Edit2, *Edit3, *EditOT;
    QComboBox *ComboBox3, *ComboBox13, *ComboBox14, *ComboBox15;

    // The building, the plot, the owner and the kind of entry.
    QLineEdit *EditMainMM, *EditHelpMM, *EditYearOfConstruction, *EditPercentage, *EditYearOfBirthEpik;
    QLineEdit *EditOikMM, *EditPercentageOik, *EditYearOfBirthEpikOik, *EditTotalMM;
    QComboBox *ComboBoxKata, *ComboBoxKataOik, *ComboBoxToWhomBelongs, *ComboBoxKindOf;

    // Forward buttons, and the back buttons with a rule of their own.
    QPushButton *BitBtn1, *BitBtn5, *BitBtn6, *BitBtn7, *BitBtn11, *BitBtn13, *BitBtn15, *BitBtn17, *BitBtn19,
        *BitBtn21, *BitBtn25, *BitBtn27, *BitBtn29, *BitBtn39, *BitBtn40, *BitBtn41, *BitBtn42, *BitBtn31,
        *BitBtn33, *BitBtn57, *BitBtn4;
    QPushButton *BitBtn12, *BitBtn22, *BitBtn30, *BitBtn36, *BitBtn37;

    // The wizard's operations.
    void StartTable1Row();
    void CancelTable1Row();
    // Another declaration was opened: the row being composed is dropped, as
    // it belongs to the declaration it was begun for, and the summary emptied.
    void abandonRow();
    void ResetTable1Controls();
    void RefreshTable1Summary();
    void Table1StepBack();
    void ResolveOwnerCode();
    // Asks for confirmation and stores the row; true when a row was stored.
    bool StoreTable1Row(Table1StoreStep step);

    // Handlers of the page's buttons and lists.
    void Button2Click();
    void btnCancelClick();
    void BitBtn1Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn11Click();
    void BitBtn12Click();
    void BitBtn13Click();
    void BitBtn15Click();
    void BitBtn17Click();
    void BitBtn19Click();
    void BitBtn21Click();
    void BitBtn22Click();
    void BitBtn25Click();
    void BitBtn27Click();
    void BitBtn29Click();
    void BitBtn30Click();
    void BitBtn39Click();
    void BitBtn40Click();
    void BitBtn41Click();
    void BitBtn42Click();
    void BitBtn31Click();
    void BitBtn36Click();
    void BitBtn33Click();
    void BitBtn57Click();
    void BitBtn37Click();
    void BitBtn4Click();
    void CheckBox4Click(bool ticked);
    void CheckBox5Click(bool ticked);
    void ComboBox7Change(int index);
    void ComboBox9Change(int index);

private:
    void buildPage();
    void buildLocationSteps();
    void buildBlockSteps();
    void buildBuildingSteps();
    void buildPlotSteps();
    void buildEndSteps();
    void wireHandlers();
    void connectBack(QPushButton *button);
    Table1SummaryControls summaryControls() const;
    void showStep(QWidget *step);
    void moveForward(QWidget *step);
    void setStep21Reachable(bool reachable);

    MainWindow &m_form;
    Table1Answers &m_answers;
    LocationSteps *m_location = nullptr;
    BlockStreets m_blockStreets;
};

}  // namespace d7
