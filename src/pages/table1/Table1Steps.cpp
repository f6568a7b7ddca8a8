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
#include "declaration/Declaration.h"
#include "declaration/OwnerList.h"
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

void Table1Page::startRow() { openWizard(); }

void Table1Page::cancelRow() { closeWizard(); }

void Table1Page::openWizard() {
    ClearTable1Answers(m_answers);
    resetControls();
    // The owner list first, so that the summary shows its start value too.
    m_ownerList->clear();
    m_ownerList->addItems(m_declaration.ownerList());
    m_ownerList->setCurrentIndex(0);
    ShowWizardFrame(m_frame, true);
    refreshSummary();
    showStep(m_prefectureStep);
    m_prefectures->select(0);

    const bool initial = m_declaration.kind() == 0;
    setKindOfEntryStepReachable(!initial);
    m_ownerNext->setVisible(!initial);
    m_ownerStore->setVisible(initial);
    if (!initial)
        m_kindOfEntry->setCurrentIndex(m_kindOfEntry->findText(kNewProperty));
}

void Table1Page::closeWizard() { ShowWizardFrame(m_frame, false); }

void Table1Page::abandonRow() {
    closeWizard();
    ClearTable1Answers(m_answers);
    m_summary->clear();
}

void Table1Page::resetControls() {
    m_prefectures->select(0);
    for (QCheckBox *box :
         {m_streetTypedBox, m_noStreetsBox, m_municipalityTypedBox, m_noPlotDataBox, m_blockStreetsTypedBox})
        untick(box);
    for (QLineEdit *field : {m_typedMunicipality, m_typedStreet, m_streetNumber, m_typedSecondStreet,
                             m_typedThirdStreet, m_typedFourthStreet, m_blockNumber, m_mainArea, m_auxiliaryArea,
                             m_yearOfConstruction, m_percentage, m_usufructBirthYear, m_plotArea, m_plotPercentage,
                             m_plotUsufructBirthYear, m_buildingsArea})
        field->clear();
    m_frontsOnStreet->setCurrentIndex(m_frontsOnStreet->findText(kYes));
    for (QComboBox *front : {m_frontsOnSecondStreet, m_frontsOnThirdStreet, m_frontsOnFourthStreet})
        front->setCurrentIndex(front->findText(kNo));
    for (PairedList *pair : {m_categories, m_specialConditions, m_floors})
        pair->select(0);
    m_kindOfRight->setCurrentIndex(0);
    m_plotKindOfRight->setCurrentIndex(0);
    m_kindOfEntry->setCurrentIndex(m_kindOfEntry->findText(kNewProperty));
    m_answers.ownerCode.clear();
    m_answers.ownerText.clear();
}

void Table1Page::setKindOfEntryStepReachable(bool reachable) {
    const int index = m_steps->indexOf(m_kindOfEntryStep);
    m_steps->setTabVisible(index, reachable);
    m_steps->setTabEnabled(index, reachable);
}

Table1SummaryControls Table1Page::summaryControls() const {
    Table1SummaryControls c;
    c.frontsOnStreet = m_frontsOnStreet->currentText();
    c.frontsOnSecondStreet = m_frontsOnSecondStreet->currentText();
    c.frontsOnThirdStreet = m_frontsOnThirdStreet->currentText();
    c.frontsOnFourthStreet = m_frontsOnFourthStreet->currentText();
    c.blockNumber = m_blockNumber->text();
    c.category = m_categoryNames->currentText();
    c.specialConditions = m_specialConditionNames->currentText();
    c.floor = m_floorNames->currentText();
    c.mainArea = m_mainArea->text();
    c.auxiliaryArea = m_auxiliaryArea->text();
    c.yearOfConstruction = m_yearOfConstruction->text();
    c.kindOfRight = m_kindOfRight->currentText();
    c.percentage = m_percentage->text();
    c.usufructBirthYear = m_usufructBirthYear->text();
    c.plotArea = m_plotArea->text();
    c.plotKindOfRight = m_plotKindOfRight->currentText();
    c.plotPercentage = m_plotPercentage->text();
    c.plotUsufructBirthYear = m_plotUsufructBirthYear->text();
    c.buildingsArea = m_buildingsArea->text();
    c.owner = m_ownerList->currentText();
    return c;
}

void Table1Page::refreshSummary() {
    m_summary->setPlainText(Table1SummaryLines(m_answers, summaryControls()).join(QLatin1Char('\n')));
}

void Table1Page::resolveOwner() {
    // Always from the entry chosen now, so the code names the same person as the text.
    m_answers.ownerCode = ResolveOwnerCode(m_ownerList->currentIndex(), m_ownerList->currentText());
    m_answers.ownerText = m_ownerList->currentText();
}

bool Table1Page::storeRow(Table1StoreStep step) {
    const bool initial = step == Table1StoreStep::OwnerStep;
    if (initial)
        resolveOwner();
    refreshSummary();
    const QString summary = SummaryText(m_summary->toPlainText().split(QLatin1Char('\n')));
    if (!AskYesNo(StoreConfirmation(QStringLiteral("Έχετε δηλώσει τα ακόλουθα στοιχεία για αυτό το ακίνητο. Θέλετε να συνεχίσετε με την αποθήκευση;"),
                                    summary, initial)))
        return false;
    const ColumnValues values =
        Table1RowValues(m_answers, step, m_kindOfEntry->currentIndex(), m_declaration.taxNumber());
    if (!StoreWizardRow([&] { m_declaration.appendRow(DeclarationTable::Table1, values); },
                        [&] { m_declaration.reloadRows(DeclarationTable::Table1); }))
        return false;
    closeWizard();
    return true;
}

// ------------------------------------------------------------- moving

void Table1Page::showStep(QWidget *step) { ShowStep(m_steps, step); }

void Table1Page::moveForward(QWidget *step) {
    showStep(step);
    refreshSummary();
}

void Table1Page::goBack() {
    const int index = m_steps->currentIndex();
    if (index > 0)
        showStep(m_steps->widget(index - 1));
}

// ------------------------------------------------------------- location

void Table1Page::acceptPrefecture() {
    if (m_location->choosePrefecture())
        moveForward(m_municipalityStep);
}

void Table1Page::acceptMunicipality() {
    if (m_location->chooseMunicipality())
        moveForward(m_streetStep);
}

void Table1Page::acceptStreet() {
    switch (m_location->chooseStreet()) {
    case LocationSteps::StreetChoice::Refused:
        return;
    case LocationSteps::StreetChoice::NoStreetsKnown:
        moveForward(m_blockNumberStep);
        return;
    case LocationSteps::StreetChoice::Chosen:
        moveForward(m_streetFrontStep);
        return;
    }
}

void Table1Page::acceptStreetFront() {
    m_answers.frontsOnStreet = m_frontsOnStreet->currentText() == kYes;
    m_answers.street2Code.clear();
    m_answers.street3Code.clear();
    m_answers.street4Code.clear();
    const bool typed = m_answers.streetTyped;
    // A tick of m_blockStreetsTypedBox left from an earlier visit keeps its typed streets
    // on show: they are what Next records, so the lists must not hide them.
    const bool editsShown = typed || m_blockStreetsTypedBox->isChecked();
    for (QLineEdit *field : {m_typedSecondStreet, m_typedThirdStreet, m_typedFourthStreet}) {
        if (typed)
            field->clear();
        field->setVisible(editsShown);
    }
    for (QComboBox *streetList : {m_secondStreetNames, m_thirdStreetNames, m_fourthStreetNames})
        streetList->setVisible(!editsShown);
    m_blockStreetsTypedBox->setVisible(!typed);
    if (!typed) {
        m_thirdStreetNames->setEnabled(false);
        m_fourthStreetNames->setEnabled(false);
        m_blockStreets.load(m_lists, m_answers.prefectureCode, m_answers.municipalityCode,
                           m_answers.streetCode, *m_secondStreets, *m_thirdStreets, *m_fourthStreets);
    }
    moveForward(m_blockStreetsStep);
}

void Table1Page::tickTypeBlockStreets(bool ticked) {
    if (ticked) {
        m_typedSecondStreet->setText(m_secondStreetNames->currentText());
        m_typedThirdStreet->setText(m_thirdStreetNames->currentText());
        m_typedFourthStreet->setText(m_fourthStreetNames->currentText());
    }
    for (QLineEdit *field : {m_typedSecondStreet, m_typedThirdStreet, m_typedFourthStreet})
        field->setVisible(ticked);
    for (QComboBox *streetList : {m_secondStreetNames, m_thirdStreetNames, m_fourthStreetNames})
        streetList->setVisible(!ticked);
    m_answers.blockStreetsTyped = ticked;
}

void Table1Page::chooseSecondStreet(int index) {
    m_blockStreets.secondStreetChosen(index, *m_secondStreets, *m_thirdStreets, *m_fourthStreets);
}

void Table1Page::chooseThirdStreet(int index) {
    m_blockStreets.thirdStreetChosen(index, *m_thirdStreets, *m_fourthStreets);
}

void Table1Page::acceptBlockStreets() {
    const bool typed = m_answers.streetTyped || m_answers.blockStreetsTyped;
    const QString second = typed ? m_typedSecondStreet->text() : m_secondStreetNames->currentText();
    const QString third = typed ? m_typedThirdStreet->text() : m_thirdStreetNames->currentText();
    const QString fourth = typed ? m_typedFourthStreet->text() : m_fourthStreetNames->currentText();
    if ((second.isEmpty() || third.isEmpty() || fourth.isEmpty()) &&
        !AskYesNo(QStringLiteral("Έχετε αφήσει κενούς κάποιους δρόμους. Είστε σίγουροι ότι θέλετε να συνεχίσετε;")))
        return;
    m_answers.street2Name = second;
    m_answers.street3Name = third;
    m_answers.street4Name = fourth;
    const QString typedCode = QStringLiteral("0");
    m_answers.street2Code = typed ? typedCode : m_secondStreetCodes->currentText();
    m_answers.street3Code = typed ? typedCode : m_thirdStreetCodes->currentText();
    m_answers.street4Code = typed ? typedCode : m_fourthStreetCodes->currentText();
    m_answers.frontsOnStreet2 = m_frontsOnSecondStreet->currentText() == kYes;
    m_answers.frontsOnStreet3 = m_frontsOnThirdStreet->currentText() == kYes;
    m_answers.frontsOnStreet4 = m_frontsOnFourthStreet->currentText() == kYes;
    m_answers.blockNumber.clear();
    moveForward(m_blockNumberStep);
}

void Table1Page::goBackFromBlockNumber() { showStep(m_answers.noStreetsKnown ? m_streetStep : m_blockStreetsStep); }

void Table1Page::acceptBlockNumber() {
    m_answers.blockNumber = m_blockNumber->text();
    m_categories->select(0);
    moveForward(m_categoryStep);
}

// ------------------------------------------------------------- building

void Table1Page::acceptCategory() {
    m_specialConditions->select(0);
    m_answers.categoryCode = m_categoryCodes->currentText();
    m_answers.plotOnly = m_answers.categoryCode == QLatin1String("4");
    if (m_answers.plotOnly) {
        // A bare plot always has plot data.
        m_noPlotDataBox->setChecked(false);
        m_answers.noPlotData = false;
    }
    m_noPlotDataBox->setVisible(!m_answers.plotOnly);
    moveForward(m_specialConditionsStep);
}

void Table1Page::acceptSpecialConditions() {
    const QString special = m_specialConditionCodes->currentText();
    m_answers.specialCode = special == QLatin1String("-1") ? QString() : special;
    m_floors->select(0);
    moveForward(m_answers.plotOnly ? m_plotAreaStep : m_floorStep);
}

void Table1Page::acceptFloor() {
    const std::optional<QString> floor = StoredFloorCode(m_floorCodes->currentText());
    if (!floor) {
        refuse(QStringLiteral("Παρακαλώ επιλέξτε τον όροφο του ακινήτου"), m_floorNames);
        return;
    }
    m_answers.floorCode = *floor;
    moveForward(m_areasStep);
}

void Table1Page::acceptAreas() {
    for (QLineEdit *surface : {m_mainArea, m_auxiliaryArea})
        if (surface->text() == QLatin1String(",") || surface->text() == QLatin1String("0"))
            surface->clear();
    if (m_mainArea->text().isEmpty() && m_auxiliaryArea->text().isEmpty()) {
        refuse(QStringLiteral("Παρακαλώ γράψτε επιφάνεια κυρίων ή βοηθητικών χώρων του ακινήτου σας"), m_mainArea);
        return;
    }
    if (!NumbersAccepted({m_mainArea, m_auxiliaryArea}))
        return;
    // Rights to build, parking spaces in the open and buildings under construction have no year.
    const QString &category = m_answers.categoryCode;
    const bool yearOptional = category == QLatin1String("13") || category == QLatin1String("6") ||
                              category == QLatin1String("11");
    if (!yearOptional && !YearWithin(m_yearOfConstruction->text(), 1500, currentYear())) {
        refuse(QStringLiteral("Παρακαλώ γράψτε το έτος κατασκευής του ακινήτου σας με τέσσερα ψηφία, μεγαλύτερο από το 1500"),
               m_yearOfConstruction);
        return;
    }
    m_answers.yearOfConstruction = m_yearOfConstruction->text();
    m_answers.mainSurface = m_mainArea->text();
    m_answers.auxiliarySurface = m_auxiliaryArea->text();
    moveForward(m_kindOfRightStep);
}

void Table1Page::goBackFromKindOfRight() { showStep(m_areasStep); }

void Table1Page::acceptKindOfRight() {
    m_answers.ownershipType = kindOfRight(m_kindOfRight);
    moveForward(m_percentageStep);
}

void Table1Page::acceptPercentage() {
    if (!percentageAccepted(m_percentage))
        return;
    m_answers.ownershipPercentage = m_percentage->text();
    moveForward(m_answers.ownershipType != kFullOwnership ? m_usufructBirthYearStep : m_plotAreaStep);
}

void Table1Page::acceptUsufructBirthYear() {
    if (!birthYearAccepted(m_usufructBirthYear, m_answers.ownershipType))
        return;
    m_answers.usufructBirthYear = m_usufructBirthYear->text();
    moveForward(m_plotAreaStep);
}

// ------------------------------------------------------------- plot

void Table1Page::goBackFromPlotArea() {
    if (m_answers.plotOnly)
        showStep(m_specialConditionsStep);
    else
        showStep(m_answers.ownershipType != kFullOwnership ? m_usufructBirthYearStep : m_percentageStep);
}

void Table1Page::tickNoPlotData(bool ticked) {
    m_answers.noPlotData = ticked;
    for (QWidget *w : std::initializer_list<QWidget *>{m_plotArea, m_plotAreaQuestion, m_plotAreaHint})
        w->setVisible(!ticked);
}

void Table1Page::acceptPlotArea() {
    if (m_answers.noPlotData) {
        m_answers.plotSurface.clear();
        moveForward(m_ownerStep);
        return;
    }
    const QString surface = m_plotArea->text();
    if (surface.isEmpty() || surface == QLatin1String(",") || surface == QLatin1String("0")) {
        refuse(QStringLiteral("Παρακαλώ γράψτε την επιφάνεια του οικοπέδου σας"), m_plotArea);
        return;
    }
    if (!NumbersAccepted({m_plotArea}))
        return;
    m_answers.plotSurface = surface;
    moveForward(m_plotKindOfRightStep);
}

void Table1Page::acceptPlotKindOfRight() {
    m_answers.plotOwnershipType = kindOfRight(m_plotKindOfRight);
    moveForward(m_plotPercentageStep);
}

void Table1Page::acceptPlotPercentage() {
    if (!percentageAccepted(m_plotPercentage))
        return;
    m_answers.plotOwnershipPercentage = m_plotPercentage->text();
    moveForward(m_answers.plotOwnershipType != kFullOwnership ? m_plotUsufructBirthYearStep : m_buildingsAreaStep);
}

void Table1Page::acceptPlotUsufructBirthYear() {
    if (!birthYearAccepted(m_plotUsufructBirthYear, m_answers.plotOwnershipType))
        return;
    m_answers.plotUsufructBirthYear = m_plotUsufructBirthYear->text();
    moveForward(m_buildingsAreaStep);
}

void Table1Page::acceptBuildingsArea() {
    if (m_buildingsArea->text() == QLatin1String(",")) {
        refuse(QStringLiteral("Παρακαλώ γράψτε τη συνολική επιφάνεια των κτισμάτων"), m_buildingsArea);
        return;
    }
    if (!NumbersAccepted({m_buildingsArea}))
        return;
    m_answers.totalBuildingsSurface = m_buildingsArea->text();
    moveForward(m_ownerStep);
}

void Table1Page::goBackFromBuildingsArea() {
    showStep(m_answers.plotOwnershipType != kFullOwnership ? m_plotUsufructBirthYearStep : m_plotPercentageStep);
}

// ------------------------------------------------------------- owner, kind of entry, store

void Table1Page::acceptOwner() {
    resolveOwner();
    moveForward(m_kindOfEntryStep);
}

void Table1Page::storeFromOwnerStep() { storeRow(Table1StoreStep::OwnerStep); }

void Table1Page::goBackFromOwner() {
    if (m_answers.noPlotData)
        showStep(m_plotAreaStep);
    else
        goBack();
}

void Table1Page::storeFromKindOfEntryStep() { storeRow(Table1StoreStep::KindOfEntryStep); }

}  // namespace d7
