// The Table 2 page: agricultural plots, entered one at a time through a wizard
// of up to thirteen steps and then stored.
#pragma once

#include <QStringList>
#include <QWidget>

#include "pages/table2/Table2Answers.h"
#include "pages/wizard/WizardSupport.h"

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
class Declaration;
class ReferenceLists;

class Table2Page : public QWidget {
    Q_OBJECT
public:
    // Rows are appended to the declaration; the location lists come from the
    // reference lists.
    Table2Page(Declaration &declaration, ReferenceLists &lists, QWidget *parent = nullptr);

    // The row being composed: kept from one start to the next, for as long as
    // the page lives.
    Table2Answers &answers() { return m_answers; }
    // Fills the lists that never change (once the reference lists are open).
    void fillReferenceLists();

    // Handlers of the page's buttons: the user starts or cancels a row, and
    // presses "Επόμενο" on each step in turn.
    void startRow();
    void cancelRow();
    void acceptPrefecture();
    void acceptMunicipality();
    void acceptStreet();
    void acceptFrontage();
    void acceptDistanceFromSea();
    void acceptExpropriationAndIrrigation();
    void acceptAreas();
    void acceptBuildingsArea();
    void acceptKindOfRight();
    void acceptPercentage();
    void acceptUsufructBirthYear();
    void acceptOwner();
    // "Προηγούμενο" on the owner step (the other back buttons call goBack).
    void goBackFromOwner();
    // "Αποθήκευση" on the owner step (initial declaration) and on the kind-of-entry step.
    void storeFromOwnerStep();
    void storeFromKindOfEntryStep();
    void tickBlindPlot(bool blind);

    void goBack();
    void refreshSummary();
    // Another declaration was opened: the row being composed is dropped, as
    // it belongs to the declaration it was begun for, and the summary emptied.
    void abandonRow();
    void resetControls();
    void resolveOwner();
    // Asks, then appends the row; withKindOfEntry writes the kind of entry of
    // the last step (and leaves out the warning that the row cannot be changed).
    void storeRow(bool withKindOfEntry);

    // The lines of the running summary, from the answers and the controls.
    QStringList summaryLines() const;

    // The page.
    QLabel *m_instruction;
    QPushButton *m_startRowButton, *m_cancelRowButton;
    QTabWidget *m_steps;
    QWidget *m_tabCover;
    WizardFrame m_frame{};
    QLabel *m_summaryCaption;
    QPlainTextEdit *m_summary;
    QWidget *m_prefectureStep, *m_municipalityStep, *m_streetStep, *m_frontageStep, *m_distanceFromSeaStep,
        *m_expropriationAndIrrigationStep, *m_areasStep, *m_buildingsAreaStep, *m_kindOfRightStep, *m_percentageStep,
        *m_usufructBirthYearStep, *m_ownerStep, *m_kindOfEntryStep;

    // Step 1: prefecture.
    QLabel *m_prefectureQuestion, *m_prefectureHint, *m_atticaNote;
    QComboBox *m_prefectureNames, *m_prefectureCodes;
    QPushButton *m_prefectureNext;
    // Step 2: municipality.
    QLabel *m_municipalityListLabel, *m_municipalityHint, *m_namedAreasNote, *m_preferListedMunicipalityHint,
        *m_municipalityTypedLabel;
    QComboBox *m_municipalityNames, *m_municipalityCodes;
    QCheckBox *m_municipalityTypedBox;
    QLineEdit *m_typedMunicipality;
    QPushButton *m_municipalityBack, *m_municipalityNext;
    // Step 3: street.
    QLabel *m_streetListLabel, *m_streetTypedLabel, *m_streetNumberQuestion;
    QComboBox *m_streetNames, *m_streetCodes;
    QCheckBox *m_streetTypedBox;
    QLineEdit *m_typedStreet, *m_streetNumber;
    QPushButton *m_streetBack, *m_streetNext;
    // Step 4: frontage.
    QLabel *m_frontageQuestion;
    QComboBox *m_frontage;
    QCheckBox *m_blindPlotBox;
    QPushButton *m_frontageBack, *m_frontageNext;
    // Step 5: distance from the sea.
    QLabel *m_distanceFromSeaQuestion, *m_distanceFromSeaHint;
    QLineEdit *m_distanceFromSea;
    QPushButton *m_distanceFromSeaBack, *m_distanceFromSeaNext;
    // Step 6: expropriable, irrigated.
    QLabel *m_expropriableQuestion, *m_irrigatedQuestion;
    QComboBox *m_expropriable, *m_irrigated;
    QPushButton *m_expropriationAndIrrigationBack, *m_expropriationAndIrrigationNext;
    // Step 7: areas by use, in square metres.
    QLabel *m_areasQuestion, *m_areasHint, *m_annualCropsCaption, *m_olivesCaption, *m_otherTreesCaption,
        *m_pastureCaption, *m_forestCaption, *m_quarryCaption, *m_openAirCaption, *m_areasHelpNote;
    QLineEdit *m_annualCropsArea, *m_olivesArea, *m_otherTreesArea, *m_pastureArea, *m_forestArea, *m_quarryArea,
        *m_openAirArea;
    QPushButton *m_areasBack, *m_areasNext;
    // Step 8: buildings on the plot.
    QLabel *m_buildingsAreaQuestion, *m_buildingsAreaHint;
    QLineEdit *m_buildingsArea;
    QPushButton *m_buildingsAreaBack, *m_buildingsAreaNext;
    // Step 9: kind of right.
    QLabel *m_kindOfRightQuestion;
    QComboBox *m_kindOfRight;
    QPushButton *m_kindOfRightBack, *m_kindOfRightNext;
    // Step 10: share.
    QLabel *m_percentageQuestion, *m_percentageHint, *m_percentSign;
    QLineEdit *m_percentage;
    QPushButton *m_percentageBack, *m_percentageNext;
    // Step 11: usufructuary's year of birth.
    QLabel *m_usufructBirthYearQuestion, *m_usufructBirthYearHint;
    QLineEdit *m_usufructBirthYear;
    QPushButton *m_usufructBirthYearBack, *m_usufructBirthYearNext;
    // Step 12: owner.
    QLabel *m_ownerQuestion, *m_ownerHint;
    QComboBox *m_ownerList;
    QPushButton *m_ownerBack, *m_ownerNext, *m_ownerStore;
    // Step 13: kind of entry (new, changed or deleted property).
    QLabel *m_kindOfEntryQuestion, *m_kindOfEntryHint;
    QComboBox *m_kindOfEntry;
    QPushButton *m_kindOfEntryBack, *m_kindOfEntryStore;

    PairedList *m_prefectures, *m_municipalities, *m_streets;

private:
    void buildSteps();
    void showStep(QWidget *step);
    void endWizard();
    QList<QLineEdit *> areaFields() const;

    Declaration &m_declaration;
    ReferenceLists &m_lists;
    Table2Answers m_answers;
    LocationSteps *m_location;
};

}  // namespace d7
