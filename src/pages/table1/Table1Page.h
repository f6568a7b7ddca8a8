// The Table 1 page: plots and buildings, entered one row at a time through a
// wizard of question pages, then stored.
#pragma once

#include <QWidget>

#include "pages/table1/Table1Answers.h"
#include "pages/wizard/WizardSupport.h"

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
class Declaration;
struct Table1SummaryControls;

class Table1Page : public QWidget {
    Q_OBJECT
public:
    // Rows are appended to the declaration; the location lists come from the
    // reference lists.
    Table1Page(Declaration &declaration, ReferenceLists &lists, QWidget *parent = nullptr);

    // The row being composed: kept from one start to the next, for as long as
    // the page lives.
    Table1Answers &answers() { return m_answers; }
    // Fills the lists that never change (once the reference lists are open).
    void fillReferenceLists();

    // The reference lists filled at start-up, each with its hidden code list.
    QComboBox *m_prefectureNames, *m_prefectureCodes;
    QComboBox *m_categoryNames, *m_categoryCodes;
    QComboBox *m_specialConditionNames, *m_specialConditionCodes;
    QComboBox *m_floorNames, *m_floorCodes;
    PairedList *m_prefectures, *m_categories, *m_specialConditions, *m_floors;

    // The page.
    QPushButton *m_startRowButton, *m_cancelRowButton;
    QLabel *m_instruction, *m_summaryCaption;
    QTabWidget *m_steps;
    QFrame *m_tabCover;
    WizardFrame m_frame{};
    QPlainTextEdit *m_summary;
    QWidget *m_prefectureStep, *m_municipalityStep, *m_streetStep, *m_streetFrontStep, *m_blockStreetsStep,
        *m_blockNumberStep;
    QWidget *m_categoryStep, *m_specialConditionsStep, *m_floorStep, *m_areasStep, *m_kindOfRightStep,
        *m_percentageStep, *m_usufructBirthYearStep;
    QWidget *m_plotAreaStep, *m_plotKindOfRightStep, *m_plotPercentageStep, *m_plotUsufructBirthYearStep,
        *m_buildingsAreaStep;
    QWidget *m_ownerStep, *m_kindOfEntryStep, *m_lastPage;

    // Location: municipality, street, block streets.
    QComboBox *m_municipalityNames, *m_municipalityCodes, *m_streetNames, *m_streetCodes;
    QComboBox *m_secondStreetNames, *m_secondStreetCodes, *m_thirdStreetNames, *m_thirdStreetCodes,
        *m_fourthStreetNames, *m_fourthStreetCodes;
    PairedList *m_municipalities, *m_streets, *m_secondStreets, *m_thirdStreets, *m_fourthStreets;
    QCheckBox *m_streetTypedBox, *m_noStreetsBox, *m_municipalityTypedBox, *m_noPlotDataBox, *m_blockStreetsTypedBox;
    QLabel *m_municipalityListLabel, *m_streetListLabel, *m_streetTypedLabel, *m_municipalityTypedLabel;
    QLabel *m_plotAreaQuestion, *m_plotAreaHint;
    QFrame *m_noStreetsPanel;
    QLineEdit *m_typedMunicipality, *m_typedStreet, *m_streetNumber;
    QLineEdit *m_typedSecondStreet, *m_typedThirdStreet, *m_typedFourthStreet, *m_blockNumber;
    QComboBox *m_frontsOnStreet, *m_frontsOnSecondStreet, *m_frontsOnThirdStreet, *m_frontsOnFourthStreet;

    // The building, the plot, the owner and the kind of entry.
    QLineEdit *m_mainArea, *m_auxiliaryArea, *m_yearOfConstruction, *m_percentage, *m_usufructBirthYear;
    QLineEdit *m_plotArea, *m_plotPercentage, *m_plotUsufructBirthYear, *m_buildingsArea;
    QComboBox *m_kindOfRight, *m_plotKindOfRight, *m_ownerList, *m_kindOfEntry;

    // Forward buttons, and the back buttons with a rule of their own.
    QPushButton *m_prefectureNext, *m_municipalityNext, *m_streetNext, *m_streetFrontNext, *m_blockStreetsNext,
        *m_blockNumberNext;
    QPushButton *m_categoryNext, *m_specialConditionsNext, *m_floorNext, *m_areasNext, *m_kindOfRightNext,
        *m_percentageNext, *m_usufructBirthYearNext;
    QPushButton *m_plotAreaNext, *m_plotKindOfRightNext, *m_plotPercentageNext, *m_plotUsufructBirthYearNext,
        *m_buildingsAreaNext;
    QPushButton *m_ownerNext, *m_ownerStore, *m_kindOfEntryStore;
    QPushButton *m_blockNumberBack, *m_kindOfRightBack, *m_plotAreaBack, *m_buildingsAreaBack, *m_ownerBack;

    // The wizard's operations.
    void openWizard();
    void closeWizard();
    // Another declaration was opened: the row being composed is dropped, as
    // it belongs to the declaration it was begun for, and the summary emptied.
    void abandonRow();
    void resetControls();
    void refreshSummary();
    void goBack();
    void resolveOwner();
    // Asks for confirmation and stores the row; true when a row was stored.
    bool storeRow(Table1StoreStep step);

    // Handlers of the page's buttons and lists.
    void startRow();
    void cancelRow();
    void acceptPrefecture();
    void acceptMunicipality();
    void acceptStreet();
    void acceptStreetFront();
    void acceptBlockStreets();
    void goBackFromBlockNumber();
    void acceptBlockNumber();
    void acceptCategory();
    void acceptSpecialConditions();
    void acceptFloor();
    void acceptAreas();
    void goBackFromKindOfRight();
    void acceptKindOfRight();
    void acceptPercentage();
    void acceptUsufructBirthYear();
    void goBackFromPlotArea();
    void acceptPlotArea();
    void acceptPlotKindOfRight();
    void acceptPlotPercentage();
    void acceptPlotUsufructBirthYear();
    void acceptBuildingsArea();
    void goBackFromBuildingsArea();
    void acceptOwner();
    void storeFromOwnerStep();
    void goBackFromOwner();
    void storeFromKindOfEntryStep();
    void tickNoPlotData(bool ticked);
    void tickTypeBlockStreets(bool ticked);
    void chooseSecondStreet(int index);
    void chooseThirdStreet(int index);

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
    void setKindOfEntryStepReachable(bool reachable);

    Declaration &m_declaration;
    ReferenceLists &m_lists;
    Table1Answers m_answers;
    LocationSteps *m_location = nullptr;
    BlockStreets m_blockStreets;
};

}  // namespace d7
