// The Table 2 page: agricultural plots, entered one at a time through a wizard
// of up to thirteen steps and then stored.
#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace d7 {

class LocationSteps;
class PairedList;
class MainWindow;
struct Table2Answers;

class Table2Page : public QWidget {
    Q_OBJECT
public:
    Table2Page(MainWindow &form, Table2Answers &answers, QWidget *parent = nullptr);

    // Start, cancel.
    void Button3Click();
    void Button1Click();
    // "Επόμενο" of steps 1 to 12.
    void BitBtn44Click();
    void BitBtn43Click();
    void BitBtn61Click();
    void BitBtn62Click();
    void BitBtn63Click();
    void BitBtn64Click();
    void BitBtn65Click();
    void BitBtn66Click();
    void BitBtn67Click();
    void BitBtn68Click();
    void BitBtn69Click();
    void BitBtn70Click();
    // "Προηγούμενο" of step 12 (the others step back one page).
    void BitBtn55Click();
    // "Αποθήκευση" of step 12 (initial declaration) and of step 13.
    void BitBtn58Click();
    void BitBtn2Click();
    void CheckBox7Click(bool blind);

    void Table2StepBack();
    void RefreshTable2Summary();
    // Another declaration was opened: the row being composed is dropped, as
    // it belongs to the declaration it was begun for, and the summary emptied.
    void abandonRow();
    void ResetTable2Controls();
    void ResolveOwnerCode();
    // Asks, then appends the row; withChange writes the change kind of step 13
    // (and leaves out the warning that the row cannot be changed).
    void StoreTable2Row(bool withChange);

    // The lines of the running summary, from the answers and the controls.
    QStringList Table2SummaryLines() const;

    QLabel *Label102;
    QPushButton *Button3, *Button1;
    QTabWidget *PageControl3;
    QWidget *Panel2;
    QLabel *Label86;
    QPlainTextEdit *RichEdit2;
    QWidget *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4, *TabSheet5, *TabSheet6, *TabSheet7, *TabSheet8,
        *TabSheet9, *TabSheet10, *TabSheet11, *TabSheet12, *TabSheet13;

    // Step 1: prefecture.
    QLabel *Label51, *Label52, *Label110;
    QComboBox *ComboBoxNomos2, *ComboBox21;
    QPushButton *BitBtn44;
    // Step 2: municipality.
    QLabel *Label53, *Label54, *Label109, *Label111, *Label112;
    QComboBox *ComboBoxDimos2, *ComboBox22;
    QCheckBox *CheckBox8;
    QLineEdit *EditUserDimos2;
    QPushButton *BitBtn45, *BitBtn43;
    // Step 3: street.
    QLabel *Label55, *Label56, *Label57;
    QComboBox *ComboBoxDromos2, *ComboBox23;
    QCheckBox *CheckBox6;
    QLineEdit *EditStreet2, *EditNo2;
    QPushButton *BitBtn46, *BitBtn61;
    // Step 4: frontage.
    QLabel *Label58;
    QComboBox *ComboBoxProsopsi;
    QCheckBox *CheckBox7;
    QPushButton *BitBtn47, *BitBtn62;
    // Step 5: distance from the sea.
    QLabel *Label59, *Label60;
    QLineEdit *EditDistanceFromSea;
    QPushButton *BitBtn48, *BitBtn63;
    // Step 6: expropriable, irrigated.
    QLabel *Label61, *Label62;
    QComboBox *ComboBox24, *ComboBox25;
    QPushButton *BitBtn49, *BitBtn64;
    // Step 7: areas by use.
    QLabel *Label63, *Label64, *Label65, *Label66, *Label67, *Label68, *Label69, *Label70, *Label71, *Label116;
    QLineEdit *EditMonoMM, *EditPolyMMElies, *EditPolyMMLoipes, *EditMMBosko, *EditMMDasiki, *EditMMMetal,
        *EditMMParking;
    QPushButton *BitBtn50, *BitBtn65;
    // Step 8: buildings on the plot.
    QLabel *Label72, *Label73;
    QLineEdit *EdittotalMM2;
    QPushButton *BitBtn51, *BitBtn66;
    // Step 9: kind of right.
    QLabel *Label74;
    QComboBox *ComboBox1;
    QPushButton *BitBtn52, *BitBtn67;
    // Step 10: share.
    QLabel *Label75, *Label76, *Label84;
    QLineEdit *EditPercentage2;
    QPushButton *BitBtn53, *BitBtn68;
    // Step 11: usufructuary's year of birth.
    QLabel *Label77, *Label95;
    QLineEdit *EditYearOfBirthEpik2;
    QPushButton *BitBtn54, *BitBtn69;
    // Step 12: owner.
    QLabel *Label78, *Label91;
    QComboBox *ComboBox18;
    QPushButton *BitBtn55, *BitBtn70, *BitBtn58;
    // Step 13: kind of change.
    QLabel *Label79, *Label80;
    QComboBox *ComboBox19;
    QPushButton *BitBtn56, *BitBtn2;

    PairedList *prefectures, *municipalities, *streets;

private:
    void buildSteps();
    void showStep(int index);
    void endWizard();
    QList<QLineEdit *> areaFields() const;

    MainWindow &m_form;
    Table2Answers &m_answers;
    LocationSteps *m_location;
};

}  // namespace d7
