// What the Table 1 wizard does: beginning and abandoning a row, each page's
// forward and back rules, the running summary and the store.
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "widgets/PairedList.h"
#include "pages/wizard/LocationSteps.h"
#include "pages/table1/Table1Answers.h"
#include "pages/table1/Table1Page.h"
#include "pages/table1/Table1Summary.h"
#include "pages/wizard/WizardSupport.h"

namespace d7 {

namespace {

const QString kYes = QStringLiteral("NAI");
const QString kNo = QStringLiteral("OXI");
const QString kFullOwnership = QStringLiteral("1");
const QString kNewProperty = QStringLiteral("ΝΕΟ ΑΚΙΝΗΤΟ");

// A refused answer: a beep, the message, the focus in the field to correct.
void refuse(const QString &message, QWidget *field = nullptr) {
    Beep();
    ShowMessageText(message);
    if (field)
        field->setFocus();
}

int currentYear() { return QDate::currentDate().year(); }

// The code of a kind of right: the item's position plus one.
QString kindOfRight(const QComboBox *list) { return QString::number(list->currentIndex() + 1); }

// A co-ownership percentage, refused unless above 0 and at most 100.
bool percentageAccepted(QLineEdit *field) {
    if (PercentageAccepted(field->text()))
        return true;
    refuse(QStringLiteral("Παρακαλώ γράψτε το ποσοστό συνιδιοκτησίας σας στο ακίνητο (<=100)"), field);
    return false;
}

// The usufructuary's birth year: required unless the right is full ownership,
// and when given, from 1880 to this year.
bool birthYearAccepted(QLineEdit *field, const QString &ownershipType) {
    const QString text = field->text();
    if (ownershipType != kFullOwnership && text.isEmpty()) {
        refuse(QStringLiteral("Η συμπλήρωση είναι υποχρεωτική, γιατί δεν έχετε Πλήρη Κυριότητα στο ακίνητο"), field);
        return false;
    }
    if (!text.isEmpty() && !YearWithin(text, 1880, currentYear())) {
        refuse(QStringLiteral("Γράψτε ένα έτος γέννησης με τέσσερα ψηφία, μεγαλύτερο από το 1880"), field);
        return false;
    }
    return true;
}

// Unticks a box and applies the unticked state even when it was unticked
// already, so every dependent control is back at its start.
void untick(QCheckBox *box) {
    if (box->isChecked())
        box->setChecked(false);
    else
        emit box->toggled(false);
}

}  // namespace

// ------------------------------------------------------------- the row

void Table1Page::Button2Click() { StartTable1Row(); }

void Table1Page::btnCancelClick() { CancelTable1Row(); }

void Table1Page::StartTable1Row() {
    ClearTable1Answers(m_answers);
    ResetTable1Controls();
    // The owner list first, so that the summary shows its start value too.
    ComboBoxToWhomBelongs->clear();
    ComboBoxToWhomBelongs->addItems(m_form.ownerList());
    ComboBoxToWhomBelongs->setCurrentIndex(0);
    Label85->setVisible(true);
    RichEdit1->setVisible(true);
    RefreshTable1Summary();
    PageControl2->setEnabled(true);
    PageControl2->setVisible(true);
    Panel1->setVisible(true);
    Panel1->raise();
    showStep(Step1);
    prefectures->select(0);

    const bool initial = m_form.declarationKind() == 0;
    setStep21Reachable(!initial);
    BitBtn33->setVisible(!initial);
    BitBtn57->setVisible(initial);
    if (!initial)
        ComboBoxKindOf->setCurrentIndex(ComboBoxKindOf->findText(kNewProperty));
    Button2->setEnabled(false);
    btnCancel->setEnabled(true);
}

void Table1Page::CancelTable1Row() {
    Label85->setVisible(false);
    RichEdit1->setVisible(false);
    PageControl2->setEnabled(false);
    PageControl2->setVisible(false);
    Panel1->setVisible(false);
    showStep(Step1);
    Button2->setEnabled(true);
    btnCancel->setEnabled(false);
}

void Table1Page::abandonRow() {
    CancelTable1Row();
    ClearTable1Answers(m_answers);
    RichEdit1->clear();
}

void Table1Page::ResetTable1Controls() {
    prefectures->select(0);
    for (QCheckBox *box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5})
        untick(box);
    for (QLineEdit *field : {EditUserDimos, EditStreet, EditNo, Edit1, Edit2, Edit3, EditOT, EditMainMM, EditHelpMM,
                             EditYearOfConstruction, EditPercentage, EditYearOfBirthEpik, EditOikMM,
                             EditPercentageOik, EditYearOfBirthEpikOik, EditTotalMM})
        field->clear();
    ComboBox3->setCurrentIndex(ComboBox3->findText(kYes));
    for (QComboBox *front : {ComboBox13, ComboBox14, ComboBox15})
        front->setCurrentIndex(front->findText(kNo));
    for (PairedList *pair : {categories, specials, floors})
        pair->select(0);
    ComboBoxKata->setCurrentIndex(0);
    ComboBoxKataOik->setCurrentIndex(0);
    ComboBoxKindOf->setCurrentIndex(ComboBoxKindOf->findText(kNewProperty));
    m_answers.OwnerCode.clear();
    m_answers.OwnerText.clear();
}

void Table1Page::setStep21Reachable(bool reachable) {
    const int index = PageControl2->indexOf(Step21);
    PageControl2->setTabVisible(index, reachable);
    PageControl2->setTabEnabled(index, reachable);
}

Table1SummaryControls Table1Page::summaryControls() const {
    Table1SummaryControls c;
    c.ComboBox3 = ComboBox3->currentText();
    c.ComboBox13 = ComboBox13->currentText();
    c.ComboBox14 = ComboBox14->currentText();
    c.ComboBox15 = ComboBox15->currentText();
    c.EditOT = EditOT->text();
    c.ComboBox16 = ComboBox16->currentText();
    c.ComboBoxSpecial = ComboBoxSpecial->currentText();
    c.ComboBoxFloor = ComboBoxFloor->currentText();
    c.EditMainMM = EditMainMM->text();
    c.EditHelpMM = EditHelpMM->text();
    c.EditYearOfConstruction = EditYearOfConstruction->text();
    c.ComboBoxKata = ComboBoxKata->currentText();
    c.EditPercentage = EditPercentage->text();
    c.EditYearOfBirthEpik = EditYearOfBirthEpik->text();
    c.EditOikMM = EditOikMM->text();
    c.ComboBoxKataOik = ComboBoxKataOik->currentText();
    c.EditPercentageOik = EditPercentageOik->text();
    c.EditYearOfBirthEpikOik = EditYearOfBirthEpikOik->text();
    c.EditTotalMM = EditTotalMM->text();
    c.ComboBoxToWhomBelongs = ComboBoxToWhomBelongs->currentText();
    return c;
}

void Table1Page::RefreshTable1Summary() {
    RichEdit1->setPlainText(Table1SummaryLines(m_answers, summaryControls()).join(QLatin1Char('\n')));
}

void Table1Page::ResolveOwnerCode() {
    // Always from the entry chosen now, so the code names the same person as the text.
    m_answers.OwnerCode = d7::ResolveOwnerCode(ComboBoxToWhomBelongs->currentIndex(),
                                              ComboBoxToWhomBelongs->currentText());
    m_answers.OwnerText = ComboBoxToWhomBelongs->currentText();
}

bool Table1Page::StoreTable1Row(Table1StoreStep step) {
    const bool initial = step == Table1StoreStep::Step20;
    if (initial)
        ResolveOwnerCode();
    RefreshTable1Summary();
    const QString summary = SummaryText(RichEdit1->toPlainText().split(QLatin1Char('\n')));
    if (!AskYesNo(StoreConfirmation(QStringLiteral("Έχετε δηλώσει τα ακόλουθα στοιχεία για αυτό το ακίνητο. Θέλετε να συνεχίσετε με την αποθήκευση;"),
                                    summary, initial)))
        return false;
    const QString &tax = m_form.m_currentTaxNumber;
    if (!StoreWizardRow(*m_form.m_newRowData, kNewTable1RowSql,
                        Table1RowValues(m_answers, step, ComboBoxKindOf->currentIndex(), tax), *m_form.m_table1Rows,
                        DeclarationQuery(kTable1RowsHead, tax)))
        return false;
    CancelTable1Row();
    return true;
}

// ------------------------------------------------------------- moving

void Table1Page::showStep(QWidget *step) {
    PageControl2->setCurrentWidget(step);
    // Keyboard work goes on in the page's first field.
    if (!PageControl2->isVisible())
        return;
    for (QWidget *w : step->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!w->isVisibleTo(step) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) ||
            w->inherits("QPushButton"))
            continue;
        const QWidget *shown = step->childAt(w->geometry().center());
        if (shown == w || w->isAncestorOf(shown)) {   // not under a covering panel
            w->setFocus();
            return;
        }
    }
}

void Table1Page::moveForward(QWidget *step) {
    showStep(step);
    RefreshTable1Summary();
}

void Table1Page::Table1StepBack() {
    const int index = PageControl2->currentIndex();
    if (index > 0)
        showStep(PageControl2->widget(index - 1));
}

// ------------------------------------------------------------- location

void Table1Page::BitBtn1Click() {
    if (m_location->choosePrefecture())
        moveForward(Step2);
}

void Table1Page::BitBtn5Click() {
    if (m_location->chooseMunicipality())
        moveForward(Step3);
}

void Table1Page::BitBtn6Click() {
    switch (m_location->chooseStreet()) {
    case LocationSteps::StreetChoice::Refused:
        return;
    case LocationSteps::StreetChoice::NoStreetsKnown:
        moveForward(Step6);
        return;
    case LocationSteps::StreetChoice::Chosen:
        moveForward(Step4);
        return;
    }
}

void Table1Page::BitBtn7Click() {
    m_answers.FrontsOnStreet = ComboBox3->currentText() == kYes;
    m_answers.Street2Code.clear();
    m_answers.Street3Code.clear();
    m_answers.Street4Code.clear();
    const bool typed = m_answers.streetTyped;
    // A tick of CheckBox5 left from an earlier visit keeps its typed streets
    // on show: they are what Next records, so the lists must not hide them.
    const bool editsShown = typed || CheckBox5->isChecked();
    for (QLineEdit *field : {Edit1, Edit2, Edit3}) {
        if (typed)
            field->clear();
        field->setVisible(editsShown);
    }
    for (QComboBox *streetList : {ComboBox7, ComboBox9, ComboBox11})
        streetList->setVisible(!editsShown);
    CheckBox5->setVisible(!typed);
    if (!typed) {
        ComboBox9->setEnabled(false);
        ComboBox11->setEnabled(false);
        m_blockStreets.load(*m_form.m_locationLookupData, m_answers.prefectureCode, m_answers.municipalityCode,
                           m_answers.streetCode, *secondStreets, *thirdStreets, *fourthStreets);
    }
    moveForward(Step5);
}

void Table1Page::CheckBox5Click(bool ticked) {
    if (ticked) {
        Edit1->setText(ComboBox7->currentText());
        Edit2->setText(ComboBox9->currentText());
        Edit3->setText(ComboBox11->currentText());
    }
    for (QLineEdit *field : {Edit1, Edit2, Edit3})
        field->setVisible(ticked);
    for (QComboBox *streetList : {ComboBox7, ComboBox9, ComboBox11})
        streetList->setVisible(!ticked);
    m_answers.BlockStreetsTyped = ticked;
}

void Table1Page::ComboBox7Change(int index) {
    m_blockStreets.secondStreetChosen(index, *secondStreets, *thirdStreets, *fourthStreets);
}

void Table1Page::ComboBox9Change(int index) { m_blockStreets.thirdStreetChosen(index, *thirdStreets, *fourthStreets); }

void Table1Page::BitBtn11Click() {
    const bool typed = m_answers.streetTyped || m_answers.BlockStreetsTyped;
    const QString second = typed ? Edit1->text() : ComboBox7->currentText();
    const QString third = typed ? Edit2->text() : ComboBox9->currentText();
    const QString fourth = typed ? Edit3->text() : ComboBox11->currentText();
    if ((second.isEmpty() || third.isEmpty() || fourth.isEmpty()) &&
        !AskYesNo(QStringLiteral("Έχετε αφήσει κενούς κάποιους δρόμους. Είστε σίγουροι ότι θέλετε να συνεχίσετε;")))
        return;
    m_answers.Street2Name = second;
    m_answers.Street3Name = third;
    m_answers.Street4Name = fourth;
    const QString typedCode = QStringLiteral("0");
    m_answers.Street2Code = typed ? typedCode : ComboBox8->currentText();
    m_answers.Street3Code = typed ? typedCode : ComboBox10->currentText();
    m_answers.Street4Code = typed ? typedCode : ComboBox12->currentText();
    m_answers.FrontsOnStreet2 = ComboBox13->currentText() == kYes;
    m_answers.FrontsOnStreet3 = ComboBox14->currentText() == kYes;
    m_answers.FrontsOnStreet4 = ComboBox15->currentText() == kYes;
    m_answers.BlockNumber.clear();
    moveForward(Step6);
}

void Table1Page::BitBtn12Click() { showStep(m_answers.NoStreetsKnown ? Step3 : Step5); }

void Table1Page::BitBtn13Click() {
    m_answers.BlockNumber = EditOT->text();
    categories->select(0);
    moveForward(Step7);
}

// ------------------------------------------------------------- building

void Table1Page::BitBtn15Click() {
    specials->select(0);
    m_answers.CategoryCode = ComboBox17->currentText();
    m_answers.PlotOnly = m_answers.CategoryCode == QLatin1String("4");
    if (m_answers.PlotOnly) {
        // A bare plot always has plot data.
        CheckBox4->setChecked(false);
        m_answers.NoPlotData = false;
    }
    CheckBox4->setVisible(!m_answers.PlotOnly);
    moveForward(Step8);
}

void Table1Page::BitBtn17Click() {
    const QString special = ComboBoxSpecialCD->currentText();
    m_answers.SpecialCode = special == QLatin1String("-1") ? QString() : special;
    floors->select(0);
    moveForward(m_answers.PlotOnly ? Step15 : Step9);
}

void Table1Page::BitBtn19Click() {
    const std::optional<QString> floor = StoredFloorCode(ComboBoxFloorCD->currentText());
    if (!floor) {
        refuse(QStringLiteral("Παρακαλώ επιλέξτε τον όροφο του ακινήτου"), ComboBoxFloor);
        return;
    }
    m_answers.FloorCode = *floor;
    moveForward(Step10);
}

void Table1Page::BitBtn21Click() {
    for (QLineEdit *surface : {EditMainMM, EditHelpMM})
        if (surface->text() == QLatin1String(",") || surface->text() == QLatin1String("0"))
            surface->clear();
    if (EditMainMM->text().isEmpty() && EditHelpMM->text().isEmpty()) {
        refuse(QStringLiteral("Παρακαλώ γράψτε επιφάνεια κυρίων ή βοηθητικών χώρων του ακινήτου σας"), EditMainMM);
        return;
    }
    if (!NumbersAccepted({EditMainMM, EditHelpMM}))
        return;
    // Rights to build, parking spaces in the open and buildings under construction have no year.
    const QString &category = m_answers.CategoryCode;
    const bool yearOptional = category == QLatin1String("13") || category == QLatin1String("6") ||
                              category == QLatin1String("11");
    if (!yearOptional && !YearWithin(EditYearOfConstruction->text(), 1500, currentYear())) {
        refuse(QStringLiteral("Παρακαλώ γράψτε το έτος κατασκευής του ακινήτου σας με τέσσερα ψηφία, μεγαλύτερο από το 1500"),
               EditYearOfConstruction);
        return;
    }
    m_answers.YearOfConstruction = EditYearOfConstruction->text();
    m_answers.MainSurface = EditMainMM->text();
    m_answers.AuxiliarySurface = EditHelpMM->text();
    moveForward(Step12);
}

void Table1Page::BitBtn22Click() { showStep(Step10); }

void Table1Page::BitBtn25Click() {
    m_answers.OwnershipType = kindOfRight(ComboBoxKata);
    moveForward(Step13);
}

void Table1Page::BitBtn27Click() {
    if (!percentageAccepted(EditPercentage))
        return;
    m_answers.OwnershipPercentage = EditPercentage->text();
    moveForward(m_answers.OwnershipType != kFullOwnership ? Step14 : Step15);
}

void Table1Page::BitBtn29Click() {
    if (!birthYearAccepted(EditYearOfBirthEpik, m_answers.OwnershipType))
        return;
    m_answers.UsufructBirthYear = EditYearOfBirthEpik->text();
    moveForward(Step15);
}

// ------------------------------------------------------------- plot

void Table1Page::BitBtn30Click() {
    if (m_answers.PlotOnly)
        showStep(Step8);
    else
        showStep(m_answers.OwnershipType != kFullOwnership ? Step14 : Step13);
}

void Table1Page::CheckBox4Click(bool ticked) {
    m_answers.NoPlotData = ticked;
    for (QWidget *w : std::initializer_list<QWidget *>{EditOikMM, Label41, Label43})
        w->setVisible(!ticked);
}

void Table1Page::BitBtn39Click() {
    if (m_answers.NoPlotData) {
        m_answers.PlotSurface.clear();
        moveForward(Step20);
        return;
    }
    const QString surface = EditOikMM->text();
    if (surface.isEmpty() || surface == QLatin1String(",") || surface == QLatin1String("0")) {
        refuse(QStringLiteral("Παρακαλώ γράψτε την επιφάνεια του οικοπέδου σας"), EditOikMM);
        return;
    }
    if (!NumbersAccepted({EditOikMM}))
        return;
    m_answers.PlotSurface = surface;
    moveForward(Step16);
}

void Table1Page::BitBtn40Click() {
    m_answers.PlotOwnershipType = kindOfRight(ComboBoxKataOik);
    moveForward(Step17);
}

void Table1Page::BitBtn41Click() {
    if (!percentageAccepted(EditPercentageOik))
        return;
    m_answers.PlotOwnershipPercentage = EditPercentageOik->text();
    moveForward(m_answers.PlotOwnershipType != kFullOwnership ? Step18 : Step19);
}

void Table1Page::BitBtn42Click() {
    if (!birthYearAccepted(EditYearOfBirthEpikOik, m_answers.PlotOwnershipType))
        return;
    m_answers.PlotUsufructBirthYear = EditYearOfBirthEpikOik->text();
    moveForward(Step19);
}

void Table1Page::BitBtn31Click() {
    if (EditTotalMM->text() == QLatin1String(",")) {
        refuse(QStringLiteral("Παρακαλώ γράψτε τη συνολική επιφάνεια των κτισμάτων"), EditTotalMM);
        return;
    }
    if (!NumbersAccepted({EditTotalMM}))
        return;
    m_answers.TotalBuildingsSurface = EditTotalMM->text();
    moveForward(Step20);
}

void Table1Page::BitBtn36Click() { showStep(m_answers.PlotOwnershipType != kFullOwnership ? Step18 : Step17); }

// ------------------------------------------------------------- owner, kind of entry, store

void Table1Page::BitBtn33Click() {
    ResolveOwnerCode();
    moveForward(Step21);
}

void Table1Page::BitBtn57Click() { StoreTable1Row(Table1StoreStep::Step20); }

void Table1Page::BitBtn37Click() {
    if (m_answers.NoPlotData)
        showStep(Step15);
    else
        Table1StepBack();
}

void Table1Page::BitBtn4Click() { StoreTable1Row(Table1StoreStep::Step21); }

}  // namespace d7
