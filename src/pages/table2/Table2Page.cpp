#include "pages/table2/Table2Page.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <tuple>

#include "widgets/Command.h"
#include "widgets/Dialogs.h"
#include "widgets/InputRules.h"
#include "declaration/Declaration.h"
#include "declaration/OwnerList.h"
#include "widgets/Named.h"
#include "widgets/PairedList.h"
#include "pages/wizard/LocationLookups.h"
#include "pages/wizard/LocationSteps.h"
#include "pages/wizard/StepLayout.h"
#include "pages/wizard/WizardSupport.h"
#include "pages/table2/Table2Answers.h"
#include "store/Access.h"
#include "text/DecimalText.h"

namespace d7 {

namespace {

// Positions in the fixed lists.
constexpr int kNo = 1;            // "OXI" in the yes/no lists
constexpr int kNewProperty = 1;   // "ΝΕΟ ΑΚΙΝΗΤΟ" among the kinds of entry
const QString kFullOwnership = QStringLiteral("1");
const QString kBlindPlot = QStringLiteral("4");
constexpr int kAreaX = 290;   // the area fields stand in one column, right of their captions

void refuse(const QString &message) {
    Beep();
    ShowMessageText(message);
}

}  // namespace

Table2Page::Table2Page(Declaration &declaration, ReferenceLists &lists, QWidget *parent)
    : QWidget(parent), m_declaration(declaration), m_lists(lists) {
    setObjectName(QStringLiteral("TabSheetArray2"));

    m_instruction = InstructionLabel(this, "Label102", QStringLiteral("Επιλέξτε \"Εισαγωγή νέου αγροτεμαχίου\" για να ξεκινήσετε την εισαγωγή στοιχείων για ένα αγροτεμάχιό σας."));
    m_startRowButton = StartButton(this, "Button3", QStringLiteral("Εισαγωγή νέου αγροτεμαχίου"));
    m_cancelRowButton = CancelButton(this, "Button1", QStringLiteral("Ακύρωση"));

    m_steps = StepPages(this, "PageControl3");
    buildSteps();
    m_tabCover = named(new QWidget(this), "Panel2");
    CoverTabs(m_steps, m_tabCover);

    m_summaryCaption = SummaryCaption(this, "Label86", QStringLiteral("Έχετε εισάγει:"));
    m_summary = SummaryBox(this, "RichEdit2");
    // Idle until a row is begun.
    m_frame = {m_summaryCaption, m_summary, m_steps, nullptr, m_startRowButton, m_cancelRowButton};
    ShowWizardFrame(m_frame, false);

    m_prefectures = new PairedList(m_prefectureNames, m_prefectureCodes, this);
    m_municipalities = new PairedList(m_municipalityNames, m_municipalityCodes, this);
    m_streets = new PairedList(m_streetNames, m_streetCodes, this);
    const LocationControls controls{m_prefectures,      m_municipalities,        m_municipalityTypedBox,
                                    m_municipalityListLabel, m_municipalityTypedLabel, m_typedMunicipality,
                                    m_streets,           m_streetTypedBox,        m_streetListLabel,
                                    m_streetTypedLabel,  m_typedStreet,           m_streetNumber};
    m_location = new LocationSteps(controls, m_answers, nullptr, WizardKind::Table2, m_lists,
                                  QStringLiteral("Παρακαλώ γράψτε την οδό/θέση του αγροτεμαχίου"), this);

    UseDecimalKeys(m_distanceFromSea, QStringLiteral("0.##"), true);
    for (QLineEdit *area : areaFields())
        UseDecimalKeys(area, QStringLiteral("0.##"));
    UseDecimalKeys(m_buildingsArea, QStringLiteral("0.##"));
    UseDecimalKeys(m_percentage, QStringLiteral("0.#####"));
    UseDigitKeys(m_usufructBirthYear);
    connect(m_blindPlotBox, &QCheckBox::toggled, this, &Table2Page::tickBlindPlot);

    auto on = [this](QPushButton *button, void (Table2Page::*handler)()) {
        ConnectCommand(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    on(m_startRowButton, &Table2Page::startRow);
    on(m_cancelRowButton, &Table2Page::cancelRow);
    on(m_prefectureNext, &Table2Page::acceptPrefecture);
    on(m_municipalityNext, &Table2Page::acceptMunicipality);
    on(m_streetNext, &Table2Page::acceptStreet);
    on(m_frontageNext, &Table2Page::acceptFrontage);
    on(m_distanceFromSeaNext, &Table2Page::acceptDistanceFromSea);
    on(m_expropriationAndIrrigationNext, &Table2Page::acceptExpropriationAndIrrigation);
    on(m_areasNext, &Table2Page::acceptAreas);
    on(m_buildingsAreaNext, &Table2Page::acceptBuildingsArea);
    on(m_kindOfRightNext, &Table2Page::acceptKindOfRight);
    on(m_percentageNext, &Table2Page::acceptPercentage);
    on(m_usufructBirthYearNext, &Table2Page::acceptUsufructBirthYear);
    on(m_ownerNext, &Table2Page::acceptOwner);
    for (QPushButton *back : {m_municipalityBack, m_streetBack, m_frontageBack, m_distanceFromSeaBack,
                              m_expropriationAndIrrigationBack, m_areasBack, m_buildingsAreaBack, m_kindOfRightBack,
                              m_percentageBack, m_usufructBirthYearBack, m_kindOfEntryBack})
        on(back, &Table2Page::goBack);
    on(m_ownerBack, &Table2Page::goBackFromOwner);
    on(m_ownerStore, &Table2Page::storeFromOwnerStep);
    on(m_kindOfEntryStore, &Table2Page::storeFromKindOfEntryStep);
}

void Table2Page::buildSteps() {
    // Each page named in full, so that a search for its name lands here.
    const std::pair<QWidget **, const char *> pages[] = {
        {&m_prefectureStep, "TabSheet1"},        {&m_municipalityStep, "TabSheet2"},
        {&m_streetStep, "TabSheet3"},            {&m_frontageStep, "TabSheet4"},
        {&m_distanceFromSeaStep, "TabSheet5"},   {&m_expropriationAndIrrigationStep, "TabSheet6"},
        {&m_areasStep, "TabSheet7"},             {&m_buildingsAreaStep, "TabSheet8"},
        {&m_kindOfRightStep, "TabSheet9"},       {&m_percentageStep, "TabSheet10"},
        {&m_usufructBirthYearStep, "TabSheet11"}, {&m_ownerStep, "TabSheet12"},
        {&m_kindOfEntryStep, "TabSheet13"}};
    for (const auto &[page, name] : pages) {
        *page = named(new QWidget, name);
        m_steps->addTab(*page, QString::number(m_steps->count() + 1));
    }

    {
        StepLayout c(m_prefectureStep);
        m_prefectureQuestion = c.question("Label51", QStringLiteral("Επιλέξτε το Νομό του αγροτεμαχίου:"));
        m_prefectureNames = c.field(named(new QComboBox(m_prefectureStep), "ComboBoxNomos2"), 250);
        m_prefectureCodes = named(new QComboBox(m_prefectureStep), "ComboBox21");
        m_prefectureHint = c.hint("Label52", QStringLiteral("Συμβουλή: Πληκτρολογήστε τα πρώτα γράμματα του νομού που σας ενδιαφέρει για να μετακινηθείτε στη λίστα"));
        m_atticaNote = c.hint("Label110", QStringLiteral("Σημείωση: Ο νομός Αττικής έχει διαχωριστεί στις Νομαρχίες Αθηνών, Ανατ. Αττικής, Δυτ. Αττικής και Πειραιώς"));
        m_prefectureNext = c.next("BitBtn44");
    }
    {
        StepLayout c(m_municipalityStep);
        std::tie(m_municipalityListLabel, m_municipalityTypedLabel) =
            c.questions("Label53", QStringLiteral("Επιλέξτε το Δήμο/Διαμέρισμα/Κοινότητα του αγροτεμαχίου:"), "Label112",
                        QStringLiteral("Γράψτε το Δήμο/Διαμέρισμα/Κοινότητα του Ακινήτου:"));
        m_municipalityNames =
            c.field(named(new QComboBox(m_municipalityStep), "ComboBoxDimos2"), StepLayout::columnWidth());
        m_typedMunicipality =
            c.instead(m_municipalityNames, named(new QLineEdit(m_municipalityStep), "EditUserDimos2"));
        m_municipalityCodes = named(new QComboBox(m_municipalityStep), "ComboBox22");
        m_municipalityTypedBox = c.tickBox("CheckBox8", QStringLiteral("Δε βρίσκω το Δήμο/Διαμέρισμα/Κοινότητα"));
        m_municipalityHint = c.hint("Label54", QStringLiteral("Συμβουλή: Πληκτρολογήστε τα πρώτα γράμματα του δήμου που σας ενδιαφέρει για να μετακινηθείτε στη λίστα"));
        m_namedAreasNote = c.hint("Label109", QStringLiteral("Σημείωση: Στη λίστα που εμφανίζεται περιέχονται και ονομασίες περιοχών, τις οποίες μπορείτε να επιλέξετε"));
        m_preferListedMunicipalityHint = c.hint("Label111",
            QStringLiteral("Προσπαθήστε να βρείτε το δήμο/διαμ./κοινότητα από τη λίστα πριν εισάγετε δικό σας, ώστε να επωφεληθείτε από τις πληροφορίες οδών που υπάρχουν στη βάση της εφαρμογής. "));
        m_municipalityBack = c.back("BitBtn45");
        m_municipalityNext = c.next("BitBtn43");
    }
    {
        StepLayout c(m_streetStep);
        std::tie(m_streetListLabel, m_streetTypedLabel) =
            c.questions("Label55", QStringLiteral("Επιλέξτε την οδό του αγροτεμαχίου:"), "Label56",
                        QStringLiteral("Γράψτε την οδό/θέση του αγροτεμαχίου:"));
        m_streetNames = c.field(named(new QComboBox(m_streetStep), "ComboBoxDromos2"), 300);
        m_typedStreet = c.instead(m_streetNames, named(new QLineEdit(m_streetStep), "EditStreet2"));
        m_streetCodes = named(new QComboBox(m_streetStep), "ComboBox23");
        m_streetTypedBox = c.tickBox("CheckBox6", QStringLiteral("Δε βρίσκω το δρόμο"));
        m_streetNumberQuestion = c.question("Label57", QStringLiteral("Γράψτε τον αριθμό:"));
        m_streetNumber = c.field(named(new QLineEdit(m_streetStep), "EditNo2"), 100);
        m_streetNumber->setMaxLength(10);
        m_streetBack = c.back("BitBtn46");
        m_streetNext = c.next("BitBtn61");
    }
    {
        StepLayout c(m_frontageStep);
        m_frontageQuestion = c.question("Label58", QStringLiteral("Το αγροτεμάχιο έχει πρόσοψη σε:"));
        m_frontage = c.field(named(new QComboBox(m_frontageStep), "ComboBoxProsopsi"), StepLayout::columnWidth());
        m_frontage->addItems({QStringLiteral("ΕΘΝΙΚΗ ή ΕΠΑΡΧΙΑΚΗ ΟΔΟ"),
                              QStringLiteral("ΔΗΜΟΤΙΚΗ ή ΚΟΙΝΟΤΙΚΗ ΟΔΟ ή ΕΝΤΟΣ ΑΙΓΙΑΛΟΥ ΚΑΙ ΠΑΡΑΛΙΑΣ"),
                              QStringLiteral("ΑΓΡΟΤΙΚΗ ή ΙΔΙΩΤΙΚΗ ΟΔΟ ή ΕΚΤΟΣ ΑΙΓΙΑΛΟΥ ΚΑΙ ΠΑΡΑΛΙΑΣ")});
        m_blindPlotBox = c.tickBox("CheckBox7", QStringLiteral("Το αγροτεμάχιο είναι τυφλό"));
        m_frontageBack = c.back("BitBtn47");
        m_frontageNext = c.next("BitBtn62");
    }
    {
        StepLayout c(m_distanceFromSeaStep);
        m_distanceFromSeaQuestion = c.question("Label59", QStringLiteral("Γράψτε την απόσταση του αγροτεμαχίου από τη θάλασσα:"));
        m_distanceFromSea = c.field(named(new QLineEdit(m_distanceFromSeaStep), "EditDistanceFromSea"), 80);
        m_distanceFromSea->setMaxLength(6);
        m_distanceFromSeaHint = c.hint("Label60", QStringLiteral("Αναγράψτε τα μέτρα που απέχει το αγροτεμάχιο από τη θάλασσα, εφόσον η απόσταση είναι μικρότερη των 800 μέτρων"));
        m_distanceFromSeaBack = c.back("BitBtn48");
        m_distanceFromSeaNext = c.next("BitBtn63");
    }
    {
        StepLayout c(m_expropriationAndIrrigationStep);
        const QStringList yesNo = {QStringLiteral("NAI"), QStringLiteral("OXI")};
        m_expropriableQuestion = c.question("Label61", QStringLiteral("H εδαφική έκταση είναι απαλλοτριωτέα;"));
        m_expropriable = c.field(named(new QComboBox(m_expropriationAndIrrigationStep), "ComboBox24"), 80);
        c.skip(10);
        m_irrigatedQuestion = c.question("Label62", QStringLiteral("H εδαφική έκταση είναι αρδευόμενη;"));
        m_irrigated = c.field(named(new QComboBox(m_expropriationAndIrrigationStep), "ComboBox25"), 80);
        for (QComboBox *box : {m_expropriable, m_irrigated}) {
            box->addItems(yesNo);
            box->setCurrentIndex(kNo);
        }
        m_expropriationAndIrrigationBack = c.back("BitBtn49");
        m_expropriationAndIrrigationNext = c.next("BitBtn64");
    }
    {
        StepLayout c(m_areasStep);
        m_areasQuestion = c.question("Label63", QStringLiteral("Επιφάνεια αγροτεμαχίου, κατανεμημένη σε κατηγορίες"));
        m_areasHint = c.hint("Label64", QStringLiteral("Γράψτε την επιφάνεια σε τετραγωνικά μέτρα "));
        m_annualCropsArea = c.row("Label65", QStringLiteral("Μονοετής καλλιέργεια:"),
                                  named(new QLineEdit, "EditMonoMM"), kAreaX, 100, &m_annualCropsCaption);
        m_olivesArea = c.row("Label66", QStringLiteral("Πολυετής καλλιέργεια με ελιές:"),
                             named(new QLineEdit, "EditPolyMMElies"), kAreaX, 100, &m_olivesCaption);
        m_otherTreesArea = c.row("Label67", QStringLiteral("Πολυετής καλλιέργεια με  λοιπές δενδροκαλλιέργειες:"),
                                 named(new QLineEdit, "EditPolyMMLoipes"), kAreaX, 100, &m_otherTreesCaption);
        m_pastureArea = c.row("Label68", QStringLiteral("Βοσκότοπος:"),
                              named(new QLineEdit, "EditMMBosko"), kAreaX, 100, &m_pastureCaption);
        m_forestArea = c.row("Label69", QStringLiteral("Δασική έκταση:"),
                             named(new QLineEdit, "EditMMDasiki"), kAreaX, 100, &m_forestCaption);
        m_quarryArea = c.row("Label70", QStringLiteral("Μεταλλευτική ή λατομική:"),
                             named(new QLineEdit, "EditMMMetal"), kAreaX, 100, &m_quarryCaption);
        m_openAirArea = c.row("Label71", QStringLiteral("Υπαίθρια έκθεση ή χώρος στάθμευσης:"),
                              named(new QLineEdit, "EditMMParking"), kAreaX, 100, &m_openAirCaption);
        for (QLineEdit *area : areaFields())
            area->setMaxLength(10);
        c.skip(6);
        m_areasHelpNote = c.hint("Label116", QStringLiteral("Για πληροφορίες σχετικά με τη συμπλήρωση των παραπάνω πεδίων δείτε στο μενού 'Βοήθεια' - 'Βοήθεια για το D7' - 'Ειδικές Οδηγίες για τη συμπλήρωση του D7'"));
        m_areasBack = c.back("BitBtn50");
        m_areasNext = c.next("BitBtn65");
    }
    {
        StepLayout c(m_buildingsAreaStep);
        m_buildingsAreaQuestion = c.question("Label72", QStringLiteral("Γράψτε τη συνολική επιφάνεια κτισμάτων που βρίσκονται στο αγρ/χιο και έχουν αναγραφεί στον Πίνακα 1:"));
        m_buildingsArea = c.field(named(new QLineEdit(m_buildingsAreaStep), "EdittotalMM2"), 100);
        m_buildingsArea->setMaxLength(10);
        m_buildingsAreaHint = c.hint("Label73", QStringLiteral("Γράψτε την επιφάνεια σε τετραγωνικά μέτρα"));
        m_buildingsAreaBack = c.back("BitBtn51");
        m_buildingsAreaNext = c.next("BitBtn66");
    }
    {
        StepLayout c(m_kindOfRightStep);
        m_kindOfRightQuestion = c.question("Label74", QStringLiteral("Έχετε το αγροτεμάχιο κατά:"));
        m_kindOfRight = c.field(named(new QComboBox(m_kindOfRightStep), "ComboBox1"), 200);
        m_kindOfRight->addItems({QStringLiteral("ΠΛΗΡΗ ΚΥΡΙΟΤΗΤΑ"), QStringLiteral("ΨΙΛΗ ΚΥΡΙΟΤΗΤΑ"),
                                 QStringLiteral("ΕΠΙΚΑΡΠΙΑ Η ΟΙΚΗΣΗ")});
        m_kindOfRightBack = c.back("BitBtn52");
        m_kindOfRightNext = c.next("BitBtn67");
    }
    {
        StepLayout c(m_percentageStep);
        m_percentageQuestion = c.question("Label75", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας στο αγροτεμάχιο:"));
        m_percentage = c.field(named(new QLineEdit(m_percentageStep), "EditPercentage2"), 100);
        m_percentage->setMaxLength(8);
        m_percentSign = c.after(m_percentage, "Label84", QStringLiteral("%"));
        m_percentageHint = c.hint("Label76", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας στο ακίνητο και μέχρι πέντε δεκαδικά ψηφία"));
        m_percentageBack = c.back("BitBtn53");
        m_percentageNext = c.next("BitBtn68");
    }
    {
        StepLayout c(m_usufructBirthYearStep);
        m_usufructBirthYearQuestion = c.question("Label77", QStringLiteral("Γράψτε το έτος γέννησης του επικαρπωτή του αγροτεμαχίου:"));
        m_usufructBirthYear = c.field(named(new QLineEdit(m_usufructBirthYearStep), "EditYearOfBirthEpik2"), 60);
        m_usufructBirthYear->setMaxLength(4);
        m_usufructBirthYearHint = c.hint("Label95", QStringLiteral("Γράψτε το έτος με 4 ψηφία"));
        m_usufructBirthYearBack = c.back("BitBtn54");
        m_usufructBirthYearNext = c.next("BitBtn69");
    }
    {
        StepLayout c(m_ownerStep);
        m_ownerQuestion = c.question("Label78", QStringLiteral("Το ακίνητο ανήκει:"));
        m_ownerList = c.field(named(new QComboBox(m_ownerStep), "ComboBox18"), 200);
        m_ownerHint = c.hint("Label91", QStringLiteral("Στη λίστα εμφανίζονται  όσα άτομα έχετε δηλώσει στα ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ. Τα στοιχεία της λίστας ανανεώνονται κάθε φορά που πατάτε 'Εισαγωγή νέου αγροτεμαχίου'"));
        m_ownerBack = c.back("BitBtn55");
        m_ownerNext = c.next("BitBtn70");
        m_ownerStore = c.store("BitBtn58");
    }
    {
        StepLayout c(m_kindOfEntryStep);
        m_kindOfEntryQuestion = c.question("Label79", QStringLiteral("Πρόκειται για:"));
        m_kindOfEntry = c.field(named(new QComboBox(m_kindOfEntryStep), "ComboBox19"), 260);
        m_kindOfEntry->addItems({QString(), QStringLiteral("ΝΕΟ ΑΚΙΝΗΤΟ"),
                                 QStringLiteral("ΜΕΤΑΒΟΛΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ"),
                                 QStringLiteral("ΔΙΑΓΡΑΦΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ")});
        m_kindOfEntry->setCurrentIndex(kNewProperty);
        m_kindOfEntryHint = c.hint("Label80", QStringLiteral("Η στήλη αυτή συμπληρώνεται μόνο σε περιπτώσεις συμπληρωματικών ή ανακλητικών δηλώσεων ακινήτων"));
        m_kindOfEntryBack = c.back("BitBtn56");
        m_kindOfEntryStore = c.store("BitBtn2");
    }

    // Enter moves forward; the store buttons wait for a deliberate press.
    const std::pair<QWidget *, QPushButton *> nexts[] = {
        {m_prefectureStep, m_prefectureNext},
        {m_municipalityStep, m_municipalityNext},
        {m_streetStep, m_streetNext},
        {m_frontageStep, m_frontageNext},
        {m_distanceFromSeaStep, m_distanceFromSeaNext},
        {m_expropriationAndIrrigationStep, m_expropriationAndIrrigationNext},
        {m_areasStep, m_areasNext},
        {m_buildingsAreaStep, m_buildingsAreaNext},
        {m_kindOfRightStep, m_kindOfRightNext},
        {m_percentageStep, m_percentageNext},
        {m_usufructBirthYearStep, m_usufructBirthYearNext},
        {m_ownerStep, m_ownerNext}};
    for (const auto &[step, next] : nexts)
        SetDefaultButton(step, next);
}

QList<QLineEdit *> Table2Page::areaFields() const {
    return {m_annualCropsArea, m_olivesArea,  m_otherTreesArea, m_pastureArea,
            m_forestArea,      m_quarryArea, m_openAirArea};
}

void Table2Page::fillReferenceLists() {
    const CodeList &prefectures = m_lists.prefectures();
    m_prefectures->fill(prefectures.names, prefectures.codes);
}

void Table2Page::showStep(QWidget *step) { ShowStep(m_steps, step); }

void Table2Page::endWizard() { ShowWizardFrame(m_frame, false); }

void Table2Page::startRow() {
    ClearTable2Answers(m_answers);
    resetControls();
    // The owner list follows the general page as it stands at each start; it is
    // built before the first summary, which shows its first entry.
    m_ownerList->clear();
    m_ownerList->addItems(m_declaration.ownerList());
    m_ownerList->setCurrentIndex(0);
    ShowWizardFrame(m_frame, true);
    refreshSummary();
    showStep(m_prefectureStep);
    m_prefectures->select(0);

    // Only supplementary and revoking declarations say what kind of entry the row is.
    const bool askKindOfEntry = m_declaration.kind() != 0;
    m_ownerNext->setVisible(askKindOfEntry);
    m_ownerStore->setVisible(!askKindOfEntry);
    if (askKindOfEntry)
        m_kindOfEntry->setCurrentIndex(kNewProperty);
}

void Table2Page::cancelRow() { endWizard(); }

void Table2Page::abandonRow() {
    endWizard();
    ClearTable2Answers(m_answers);
    m_summary->clear();
}

void Table2Page::resetControls() {
    m_prefectures->select(0);
    m_frontage->setCurrentIndex(0);
    m_blindPlotBox->setChecked(false);
    m_distanceFromSea->clear();
    m_expropriable->setCurrentIndex(kNo);
    m_irrigated->setCurrentIndex(kNo);
    for (QLineEdit *area : areaFields())
        area->clear();
    m_buildingsArea->clear();
    m_kindOfRight->setCurrentIndex(0);
    m_percentage->clear();
    m_usufructBirthYear->clear();
    m_ownerList->setCurrentIndex(0);
    m_kindOfEntry->setCurrentIndex(kNewProperty);
    m_municipalityTypedBox->setChecked(false);
    m_answers.municipalityTyped = false;
    m_typedMunicipality->clear();
    // The street fields are reset when the municipality step is passed with a listed municipality.
}

void Table2Page::acceptPrefecture() {
    if (!m_location->choosePrefecture())
        return;
    refreshSummary();
    showStep(m_municipalityStep);
}

void Table2Page::acceptMunicipality() {
    if (!m_location->chooseMunicipality())
        return;
    refreshSummary();
    showStep(m_streetStep);
}

void Table2Page::acceptStreet() {
    if (m_location->chooseStreet() != LocationSteps::StreetChoice::Chosen)
        return;
    refreshSummary();
    showStep(m_frontageStep);
}

void Table2Page::tickBlindPlot(bool blind) {
    m_frontageQuestion->setVisible(!blind);
    m_frontage->setVisible(!blind);
}

void Table2Page::acceptFrontage() {
    m_answers.frontageCode =
        m_blindPlotBox->isChecked() ? kBlindPlot : QString::number(m_frontage->currentIndex() + 1);
    refreshSummary();
    showStep(m_distanceFromSeaStep);
}

void Table2Page::acceptDistanceFromSea() {
    ApplyExitRule(m_distanceFromSea);
    const QString distance = m_distanceFromSea->text();
    if (!distance.isEmpty()) {
        // A text that is no number (only pasting gets one there) is no distance either.
        const std::optional<double> metres = ReadDecimal(distance);
        if (!metres || *metres > 800) {
            refuse(QStringLiteral("Παρακαλώ εισάγετε μια απόσταση μικρότερη των 800 μέτρων ή αφήστε κενό το πεδίο"));
            return;
        }
    }
    m_answers.distanceFromSea = distance;
    refreshSummary();
    showStep(m_expropriationAndIrrigationStep);
}

void Table2Page::acceptExpropriationAndIrrigation() {
    m_answers.expropriable = m_expropriable->currentIndex() == 0;
    m_answers.irrigated = m_irrigated->currentIndex() == 0;
    refreshSummary();
    showStep(m_areasStep);
}

void Table2Page::acceptAreas() {
    bool allEmpty = true;
    for (QLineEdit *area : areaFields()) {
        ApplyExitRule(area);
        if (area->text() == QLatin1String(",") || area->text() == QLatin1String("0"))
            area->clear();
        allEmpty = allEmpty && area->text().isEmpty();
    }
    if (allEmpty) {
        ShowMessageText(QStringLiteral("Πρέπει να εισάγετε στοιχεία σε ένα τουλάχιστον πεδίο"));
        return;
    }
    if (!NumbersAccepted(areaFields()))
        return;
    m_answers.annualCropsSurface = m_annualCropsArea->text();
    m_answers.olivesSurface = m_olivesArea->text();
    m_answers.otherTreesSurface = m_otherTreesArea->text();
    m_answers.pastureSurface = m_pastureArea->text();
    m_answers.forestSurface = m_forestArea->text();
    m_answers.quarrySurface = m_quarryArea->text();
    m_answers.openAirSurface = m_openAirArea->text();
    refreshSummary();
    showStep(m_buildingsAreaStep);
}

void Table2Page::acceptBuildingsArea() {
    ApplyExitRule(m_buildingsArea);
    if (m_buildingsArea->text() == QLatin1String(","))
        m_buildingsArea->clear();
    if (!NumbersAccepted({m_buildingsArea}))
        return;
    m_answers.totalBuildingsSurface = m_buildingsArea->text();
    refreshSummary();
    showStep(m_kindOfRightStep);
}

void Table2Page::acceptKindOfRight() {
    m_answers.ownershipType = QString::number(m_kindOfRight->currentIndex() + 1);
    refreshSummary();
    showStep(m_percentageStep);
}

void Table2Page::acceptPercentage() {
    ApplyExitRule(m_percentage);
    const QString share = m_percentage->text();
    if (!PercentageAccepted(share)) {
        refuse(QStringLiteral("Παρακαλώ γράψτε το ποσοστό συνιδιοκτησίας σας στο αγρ/χιο (<=100)"));
        m_percentage->setFocus();
        return;
    }
    m_answers.ownershipPercentage = share;
    refreshSummary();
    showStep(m_answers.ownershipType != kFullOwnership ? m_usufructBirthYearStep : m_ownerStep);
}

void Table2Page::acceptUsufructBirthYear() {
    const QString year = m_usufructBirthYear->text();
    if (m_answers.ownershipType != kFullOwnership && year.isEmpty()) {
        refuse(QStringLiteral("Η συμπλήρωση είναι υποχρεωτική, γιατί δεν έχετε Πλήρη Κυριότητα στο αγρ/χιο"));
        m_usufructBirthYear->setFocus();
        return;
    }
    if (!year.isEmpty() && !YearWithin(year, 1880, QDate::currentDate().year())) {
        refuse(QStringLiteral("Γράψτε ένα έτος γέννησης με τέσσερα ψηφία, μεγαλύτερο από το 1880"));
        m_usufructBirthYear->setFocus();
        return;
    }
    m_answers.usufructBirthYear = year;
    refreshSummary();
    showStep(m_ownerStep);
}

void Table2Page::resolveOwner() {
    // Computed from the chosen entry every time, so the code always names the
    // person the text names; an entry without a code keeps the previous one.
    const QString code = d7::ResolveOwnerCode(m_ownerList->currentIndex(), m_ownerList->currentText());
    if (!code.isEmpty())
        m_answers.ownerCode = code;
    m_answers.ownerText = m_ownerList->currentText();
}

void Table2Page::acceptOwner() {
    resolveOwner();
    refreshSummary();
    showStep(m_kindOfEntryStep);
}

void Table2Page::goBack() { showStep(m_steps->widget(m_steps->currentIndex() - 1)); }

void Table2Page::goBackFromOwner() {
    showStep(m_answers.ownershipType != kFullOwnership ? m_usufructBirthYearStep : m_percentageStep);
}

void Table2Page::storeFromOwnerStep() {
    resolveOwner();
    storeRow(false);
}

void Table2Page::storeFromKindOfEntryStep() { storeRow(true); }

QStringList Table2Page::summaryLines() const {
    const Table2Answers &a = m_answers;
    const QString rule(51, QLatin1Char('-'));
    QStringList lines = {
        SummaryLine(QStringLiteral("ΝΟΜΟΣ: "), 3, m_prefectureNames->currentText()),
        SummaryLine(QStringLiteral("ΔΗΜΟΣ/ΔΙΑΜ./ΚΟΙΝΟΤΗΤΑ: "), 1, a.municipalityName),
        SummaryLine(QStringLiteral("ΟΔΟΣ - ΘΕΣΗ: "), 3, a.streetName),
        SummaryLine(QStringLiteral("ΑΡΙΘΜΟΣ: "), 3, a.streetNumber),
    };
    if (a.frontageCode != kBlindPlot)
        lines << SummaryLine(QStringLiteral("ΤΟ ΑΓΡΟΤΕΜΑΧΙΟ ΕΧΕΙ ΠΡΟΣΟΨΗ ΣΕ: "), 0, m_frontage->currentText());
    else
        lines << QStringLiteral("ΤΟ ΑΓΡΟΤΕΜΑΧΙΟ ΕΙΝΑΙ ΤΥΦΛΟ");
    lines << SummaryLine(QStringLiteral("ΑΠΟΣΤΑΣΗ ΑΠΟ ΘΑΛΑΣΣΑ: "), 2, m_distanceFromSea->text());
    if (a.expropriable)
        lines << QStringLiteral("Η ΕΚΤΑΣΗ ΕΙΝΑΙ ΑΠΑΛΛΟΤΡΙΩΤΕΑ ");
    if (a.irrigated)
        lines << QStringLiteral("Η ΕΚΤΑΣΗ ΕΙΝΑΙ ΑΡΔΕΥΟΜΕΝΗ ");
    lines << QStringLiteral("Επιφάνεια αγροτεμαχίου, κατανεμημένη σε κατηγορίες:") << rule
          << SummaryLine(QStringLiteral("Μονοετής καλλιέργεια: "), 4, m_annualCropsArea->text())
          << SummaryLine(QStringLiteral("Πολυετής καλλιέργεια με ελιές: "), 3, m_olivesArea->text())
          << SummaryLine(QStringLiteral("Πολυετής καλλιέργεια με  λοιπές δενδροκαλλιέργειες: "), 0,
                         m_otherTreesArea->text())
          << SummaryLine(QStringLiteral("Βοσκότοπος: "), 5, m_pastureArea->text())
          << SummaryLine(QStringLiteral("Δασική έκταση: "), 5, m_forestArea->text())
          << SummaryLine(QStringLiteral("Μεταλλευτική ή λατομική: "), 3, m_quarryArea->text())
          << SummaryLine(QStringLiteral("Υπαίθρια έκθεση ή χώρος στάθμευσης: "), 2, m_openAirArea->text()) << rule
          << SummaryLine(QStringLiteral("ΣΥΝΟΛΙΚΗ ΕΠΙΦΑΝΕΙΑ ΚΤΙΣΜΑΤΩΝ: "), 1, m_buildingsArea->text())
          << SummaryLine(QStringLiteral("ΕΧΕΤΕ ΤΟ ΑΓΡΟΤΕΜΑΧΙΟ ΚΑΤΑ: "), 2, m_kindOfRight->currentText())
          << SummaryLine(QStringLiteral("ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ: "), 2, m_percentage->text() + QStringLiteral(" %"));
    if (a.ownershipType != kFullOwnership)
        lines << SummaryLine(QStringLiteral("ΕΤΟΣ ΓΕΝΝΗΣΗΣ ΕΠΙΚΑΡΠΩΤΗ: "), 2, m_usufructBirthYear->text());
    lines << SummaryLine(QStringLiteral("ΤΟ ΑΚΙΝΗΤΟ ΑΝΗΚΕΙ: "), 3, m_ownerList->currentText());
    return lines;
}

void Table2Page::refreshSummary() { m_summary->setPlainText(summaryLines().join(QLatin1Char('\n'))); }

void Table2Page::storeRow(bool withKindOfEntry) {
    refreshSummary();
    const QString question = StoreConfirmation(
        QStringLiteral("Έχετε δηλώσει τα ακόλουθα στοιχεία για αυτό το αγροτεμάχιο. Θέλετε να συνεχίσετε με την αποθήκευση;"),
        SummaryText(m_summary->toPlainText().split(QLatin1Char('\n'))), !withKindOfEntry);
    if (!AskYesNo(question))
        return;

    const Table2Answers &a = m_answers;
    auto mark = [](bool on) { return on ? QStringLiteral("X") : QStringLiteral(" "); };
    ColumnValues values = {
        {1, a.prefectureName},
        {2, a.prefectureCode},
        {3, a.municipalityName},
        {4, a.municipalityCode},
        {5, a.streetName},
        {6, a.streetCode},
        {7, a.streetNumber},
        {8, a.frontageCode},
        {9, a.distanceFromSea},
        {10, mark(a.expropriable)},
        {11, mark(a.irrigated)},
        {12, a.annualCropsSurface},
        {13, a.olivesSurface},
        {14, a.otherTreesSurface},
        {15, a.pastureSurface},
        {16, a.forestSurface},
        {17, a.quarrySurface},
        {18, a.openAirSurface},
        {19, a.totalBuildingsSurface},
        {20, a.ownershipType},
        {21, a.ownershipPercentage},
        // A full owner has no usufructuary, whatever year was typed before.
        {22, a.ownershipType == kFullOwnership ? QStringLiteral("") : a.usufructBirthYear},
        {23, a.ownerCode},
        {24, a.ownerText},
    };
    if (withKindOfEntry)
        values.append({25, QString::number(m_kindOfEntry->currentIndex())});
    values.append({26, m_declaration.taxNumber()});
    if (StoreWizardRow([&] { m_declaration.appendRow(DeclarationTable::Table2, values); },
                       [&] { m_declaration.reloadRows(DeclarationTable::Table2); }))
        endWizard();
}

}  // namespace d7
