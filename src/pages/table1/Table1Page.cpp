#include "pages/table1/Table1Page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <tuple>

#include "widgets/Named.h"
#include "widgets/Command.h"
#include "widgets/InputRules.h"
#include "declaration/Declaration.h"
#include "widgets/PairedList.h"
#include "pages/wizard/LocationSteps.h"
#include "pages/wizard/StepLayout.h"
#include "pages/table1/Table1Answers.h"
#include "pages/wizard/WizardSupport.h"

namespace d7 {

namespace {

QComboBox *list(QWidget *parent, const char *name) {
    auto *box = named(new QComboBox(parent), name);
    box->setVisible(false);   // shown on the wizard's steps
    return box;
}

QLineEdit *edit(const char *name, int maxLength = 0) {
    auto *e = named(new QLineEdit, name);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

QComboBox *choices(const char *name, const QStringList &items) {
    auto *box = named(new QComboBox, name);
    box->addItems(items);
    return box;
}

const QStringList kYesNo = {QStringLiteral("NAI"), QStringLiteral("OXI")};
const QStringList kKindsOfRight = {QStringLiteral("ΠΛΗΡΗ ΚΥΡΙΟΤΗΤΑ"), QStringLiteral("ΨΙΛΗ ΚΥΡΙΟΤΗΤΑ"),
                                   QStringLiteral("ΕΠΙΚΑΡΠΙΑ Η ΟΙΚΗΣΗ")};
const QString kYearHint = QStringLiteral("Γράψτε το έτος με 4 ψηφία");
const QString kSurfaceHint = QStringLiteral("Γράψτε την επιφάνεια σε τετραγωνικά μέτρα ");
const QString kPlot = QStringLiteral("ΟΙΚΟΠΕΔΟ");

// A question page of its own, added to the wizard's pages.
QWidget *addStep(QTabWidget *pages, const char *name) {
    QWidget *page = named(new QWidget(pages), name);
    pages->addTab(page, QString());
    return page;
}

}  // namespace

Table1Page::Table1Page(Declaration &declaration, ReferenceLists &lists, QWidget *parent)
    : QWidget(parent), m_declaration(declaration), m_lists(lists) {
    setObjectName(QStringLiteral("TabSheetArray1"));
    m_prefectureNames = list(this, "ComboBoxNomos");
    m_prefectureCodes = list(this, "ComboBox2");
    m_categoryNames = list(this, "ComboBox16");
    m_categoryCodes = list(this, "ComboBox17");
    m_specialConditionNames = list(this, "ComboBoxSpecial");
    m_specialConditionCodes = list(this, "ComboBoxSpecialCD");
    m_floorNames = list(this, "ComboBoxFloor");
    m_floorCodes = list(this, "ComboBoxFloorCD");
    m_prefectures = new PairedList(m_prefectureNames, m_prefectureCodes, this);
    m_categories = new PairedList(m_categoryNames, m_categoryCodes, this);
    m_specialConditions = new PairedList(m_specialConditionNames, m_specialConditionCodes, this);
    m_floors = new PairedList(m_floorNames, m_floorCodes, this);

    buildPage();
    buildLocationSteps();
    buildBlockSteps();
    buildBuildingSteps();
    buildPlotSteps();
    buildEndSteps();
    m_lastPage = named(new QWidget(m_steps), "TabSheet14");
    m_steps->addTab(m_lastPage, QString());
    CoverTabs(m_steps, m_tabCover);

    m_location = new LocationSteps(
        {m_prefectures, m_municipalities, m_municipalityTypedBox, m_municipalityListLabel, m_municipalityTypedLabel,
         m_typedMunicipality, m_streets, m_streetTypedBox, m_streetListLabel, m_streetTypedLabel, m_typedStreet,
         m_streetNumber, m_noStreetsBox, m_noStreetsPanel},
        m_answers, &m_answers.noStreetsKnown, WizardKind::Table1, m_lists,
        QStringLiteral("Παρακαλώ γράψτε την οδό του ακινήτου σας"), this);
    wireHandlers();

    // Idle until a row is begun.
    m_frame = {m_summaryCaption, m_summary, m_steps, m_tabCover, m_startRowButton, m_cancelRowButton};
    ShowWizardFrame(m_frame, false);
}

void Table1Page::fillReferenceLists() {
    const struct {
        PairedList *pair;
        const CodeList &list;
    } lists[] = {{m_prefectures, m_lists.prefectures()},
                 {m_categories, m_lists.categories()},
                 {m_specialConditions, m_lists.specialConditions()},
                 {m_floors, m_lists.floors()}};
    for (const auto &l : lists)
        l.pair->fill(l.list.names, l.list.codes);
}

void Table1Page::buildPage() {
    m_startRowButton = StartButton(this, "Button2", QStringLiteral("Εισαγωγή νέου οικ./κτίσματος"));
    m_cancelRowButton = CancelButton(this, "btnCancel", QStringLiteral("Ακύρωση"));
    m_instruction = InstructionLabel(this, "Label101", QStringLiteral("Επιλέξτε \"Εισαγωγή νέου οικ./κτίσματος\" για να ξεκινήσετε την εισαγωγή στοιχείων για ένα ακίνητό σας."));

    m_steps = StepPages(this, "PageControl2");
    m_tabCover = named(new QFrame(this), "Panel1");
    m_tabCover->setFrameShape(QFrame::NoFrame);

    m_summaryCaption = SummaryCaption(this, "Label85", QStringLiteral("Έχετε εισάγει:"));
    m_summary = SummaryBox(this, "RichEdit1");
}

void Table1Page::buildLocationSteps() {
    {
        m_prefectureStep = addStep(m_steps, "Step1");
        StepLayout s(m_prefectureStep);
        s.question("Label11", QStringLiteral("Επιλέξτε το Νομό του ακινήτου:"));
        s.field(m_prefectureNames, 300);
        s.hint("Label12", QStringLiteral("Συμβουλή: Πληκτρολογήστε τα πρώτα γράμματα του νομού που σας ενδιαφέρει για να μετακινηθείτε στη λίστα"));
        s.hint("Label107", QStringLiteral("Σημείωση: Ο νομός Αττικής έχει διαχωριστεί στις Νομαρχίες Αθηνών, Ανατ. Αττικής, Δυτ. Αττικής και Πειραιώς"));
        m_prefectureNext = s.next("BitBtn1");
    }
    {
        m_municipalityStep = addStep(m_steps, "Step2");
        StepLayout s(m_municipalityStep);
        std::tie(m_municipalityListLabel, m_municipalityTypedLabel) = s.questions(
            "Label13", QStringLiteral("Επιλέξτε το Δήμο/Διαμέρισμα/Κοινότητα του Ακινήτου:"), "Label105",
            QStringLiteral("Γράψτε το Δήμο/Διαμέρισμα/Κοινότητα του Ακινήτου:"));
        m_municipalityNames = s.field(named(new QComboBox, "ComboBoxDimos"), 300);
        m_typedMunicipality = s.instead(m_municipalityNames, edit("EditUserDimos"));
        m_municipalityCodes = list(m_municipalityStep, "ComboBox4");
        m_municipalities = new PairedList(m_municipalityNames, m_municipalityCodes, this);
        m_municipalityTypedBox = s.tickBox("CheckBox3", QStringLiteral("Δε βρίσκω το Δήμο/Διαμέρισμα/Κοινότητα"));
        s.hint("Label16", QStringLiteral("Συμβουλή: Πληκτρολογήστε τα πρώτα γράμματα του δήμου που σας ενδιαφέρει για να μετακινηθείτε στη λίστα. "));
        s.hint("Label106", QStringLiteral("Προσπαθήστε να βρείτε το δήμο/διαμ./κοινότητα από τη λίστα πριν εισάγετε δικό σας, ώστε να επωφεληθείτε από τις πληροφορίες οδών που υπάρχουν στη βάση της εφαρμογής. "));
        s.hint("Label108", QStringLiteral("Σημείωση: Στη λίστα που εμφανίζεται περιέχονται και ονομασίες περιοχών, τις οποίες μπορείτε να επιλέξετε"));
        connectBack(s.back("BitBtn3"));
        m_municipalityNext = s.next("BitBtn5");
    }
    {
        m_streetStep = addStep(m_steps, "Step3");
        StepLayout s(m_streetStep);
        const int top = s.y();
        std::tie(m_streetListLabel, m_streetTypedLabel) =
            s.questions("Label14", QStringLiteral("Επιλέξτε την οδό του ακινήτου:"), "Label17",
                        QStringLiteral("Γράψτε την οδό του ακινήτου:"));
        m_streetNames = s.field(named(new QComboBox, "ComboBox5"), 300);
        m_typedStreet = s.instead(m_streetNames, edit("EditStreet"));
        m_streetCodes = list(m_streetStep, "ComboBox6");
        m_streets = new PairedList(m_streetNames, m_streetCodes, this);
        m_streetTypedBox = s.tickBox("CheckBox1", QStringLiteral("Δε βρίσκω το δρόμο"));
        s.question("Label15", QStringLiteral("Γράψτε τον αριθμό:"));
        m_streetNumber = s.field(edit("EditNo", 10), 100);
        // A blank panel hides the street and number while no street is known.
        m_noStreetsPanel = named(new QFrame(m_streetStep), "Panel4");
        m_noStreetsPanel->setFrameShape(QFrame::NoFrame);
        m_noStreetsPanel->setAutoFillBackground(true);
        m_noStreetsPanel->setGeometry(0, top - 4, StepLayout::columnRight() + 8, s.y() - top);
        m_noStreetsBox = s.tickBox("CheckBox2", QStringLiteral("Δε γνωρίζω οδούς για το ακίνητο"));
        connectBack(s.back("BitBtn8"));
        m_streetNext = s.next("BitBtn6");
    }
    {
        m_streetFrontStep = addStep(m_steps, "Step4");
        StepLayout s(m_streetFrontStep);
        s.question("Label18", QStringLiteral("Το ακίνητο έχει πρόσοψη σε αυτόν το δρόμο;"));
        m_frontsOnStreet = s.field(choices("ComboBox3", kYesNo), 80);
        connectBack(s.back("BitBtn9"));
        m_streetFrontNext = s.next("BitBtn7");
    }
}

void Table1Page::buildBlockSteps() {
    {
        m_blockStreetsStep = addStep(m_steps, "Step5");
        StepLayout s(m_blockStreetsStep);
        s.question("Label19", QStringLiteral("Γράψτε τους δρόμους που περικλείουν το οικοδομικό τετράγωνο στο οποίο ανήκει το ακίνητο και επιλέξτε τις αντίστοιχες προσόψεις του:"));
        struct BlockRow {
            const char *label, *list, *code, *edit, *frontLabel, *front;
        };
        const BlockRow rows[3] = {
            {"Label23", "ComboBox7", "ComboBox8", "Edit1", "Label20", "ComboBox13"},
            {"Label24", "ComboBox9", "ComboBox10", "Edit2", "Label21", "ComboBox14"},
            {"Label25", "ComboBox11", "ComboBox12", "Edit3", "Label22", "ComboBox15"},
        };
        const QString captions[3] = {QStringLiteral("2η Οδός:"), QStringLiteral("3η Οδός:"),
                                     QStringLiteral("4η Οδός:")};
        QComboBox **lists[3] = {&m_secondStreetNames, &m_thirdStreetNames, &m_fourthStreetNames};
        QComboBox **codes[3] = {&m_secondStreetCodes, &m_thirdStreetCodes, &m_fourthStreetCodes};
        QLineEdit **edits[3] = {&m_typedSecondStreet, &m_typedThirdStreet, &m_typedFourthStreet};
        QComboBox **fronts[3] = {&m_frontsOnSecondStreet, &m_frontsOnThirdStreet, &m_frontsOnFourthStreet};
        for (int i = 0; i < 3; ++i) {
            s.caption(rows[i].label, captions[i], 0);
            // The typed street and the list share their place.
            *edits[i] = s.place(edit(rows[i].edit), 56, 196);
            *lists[i] = s.place(named(new QComboBox, rows[i].list), 56, 196);
            *codes[i] = list(m_blockStreetsStep, rows[i].code);
            s.caption(rows[i].frontLabel, QStringLiteral("Πρόσοψη:"), 262);
            *fronts[i] = s.place(choices(rows[i].front, kYesNo), 324, 70);
            s.endLine();
        }
        m_secondStreets = new PairedList(m_secondStreetNames, m_secondStreetCodes, this);
        m_thirdStreets = new PairedList(m_thirdStreetNames, m_thirdStreetCodes, this);
        m_fourthStreets = new PairedList(m_fourthStreetNames, m_fourthStreetCodes, this);
        s.skip(6);
        m_blockStreetsTypedBox =
            s.tickBox("CheckBox5", QStringLiteral("Δε βρίσκω ή θέλω να αλλάξω τους δρόμους του τετραγώνου"));
        connectBack(s.back("BitBtn10"));
        m_blockStreetsNext = s.next("BitBtn11");
    }
    {
        m_blockNumberStep = addStep(m_steps, "Step6");
        StepLayout s(m_blockNumberStep);
        s.question("Label26", QStringLiteral("Γράψτε τον αριθμό οικοδομικού τετραγώνου που βρίσκεται το ακίνητο, εφόσον δεν υπάρχουν ονόματα δρόμων που το περικλείουν:"));
        m_blockNumber = s.field(edit("EditOT"), 100);
        m_blockNumberBack = s.back("BitBtn12");
        m_blockNumberNext = s.next("BitBtn13");
    }
}

void Table1Page::buildBuildingSteps() {
    {
        m_categoryStep = addStep(m_steps, "Step7");
        StepLayout s(m_categoryStep);
        s.question("Label27", QStringLiteral("Tο ακίνητο είναι:"));
        s.fieldCaption("Label87", QStringLiteral("Κατηγορία Ακινήτου"));
        s.field(m_categoryNames, 300);
        connectBack(s.back("BitBtn14"));
        m_categoryNext = s.next("BitBtn15");
    }
    {
        m_specialConditionsStep = addStep(m_steps, "Step8");
        StepLayout s(m_specialConditionsStep);
        s.question("Label29", QStringLiteral("Tο ακίνητο είναι:"));
        s.fieldCaption("Label88", QStringLiteral("Ειδικών Συνθηκών"));
        s.field(m_specialConditionNames, 300);
        connectBack(s.back("BitBtn16"));
        m_specialConditionsNext = s.next("BitBtn17");
    }
    {
        m_floorStep = addStep(m_steps, "Step9");
        StepLayout s(m_floorStep);
        s.question("Label28", QStringLiteral("Επιλέξτε τον όροφο του ακινήτου:"));
        s.field(m_floorNames, 200);
        s.hint("Label113", QStringLiteral("Εάν έχετε ακίνητο σε Ημιόροφο, τότε πρέπει να δηλωθεί ως 1ος όροφος."));
        s.hint("Label114", QStringLiteral("Η επιλογή Υπόγειο βρίσκεται στο τέλος της λίστας ορόφων."));
        connectBack(s.back("BitBtn18"));
        m_floorNext = s.next("BitBtn19");
    }
    {
        m_areasStep = addStep(m_steps, "Step10");
        StepLayout s(m_areasStep);
        constexpr int fieldX = 210;
        m_mainArea =
            s.questionRow("Label30", QStringLiteral("Επιφάνεια κυρίων χώρων:"), edit("EditMainMM", 10), fieldX, 100);
        m_auxiliaryArea =
            s.questionRow("Label31", QStringLiteral("Επιφάνεια βοηθητικών χώρων:"), edit("EditHelpMM", 10), fieldX, 100);
        s.hint("Label32", kSurfaceHint);
        s.skip(16);
        m_yearOfConstruction = s.questionRow("Label33", QStringLiteral("Γράψτε το έτος κατασκευής:"),
                                       edit("EditYearOfConstruction", 4), fieldX, 60);
        s.hint("Label92", kYearHint);
        connectBack(s.back("BitBtn20"));
        m_areasNext = s.next("BitBtn21");
    }
    {
        m_kindOfRightStep = addStep(m_steps, "Step12");
        StepLayout s(m_kindOfRightStep);
        s.question("Label34", QStringLiteral("Έχετε το ακίνητο κατά:"));
        s.fieldCaption("Label89", QStringLiteral("Είδος Εμπ/του  Δικαιώματος"));
        m_kindOfRight = s.field(choices("ComboBoxKata", kKindsOfRight), 200);
        m_kindOfRightBack = s.back("BitBtn22");
        m_kindOfRightNext = s.next("BitBtn25");
    }
    {
        m_percentageStep = addStep(m_steps, "Step13");
        StepLayout s(m_percentageStep);
        s.question("Label35", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας  στο ακίνητο:"));
        m_percentage = s.field(edit("EditPercentage", 8), 100);
        s.after(m_percentage, "Label82", QStringLiteral("%"));
        s.hint("Label36", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας  στο ακίνητο και μέχρι πέντε δεκαδικά ψηφία"));
        connectBack(s.back("BitBtn26"));
        m_percentageNext = s.next("BitBtn27");
    }
    {
        m_usufructBirthYearStep = addStep(m_steps, "Step14");
        StepLayout s(m_usufructBirthYearStep);
        s.question("Label37", QStringLiteral("Γράψτε το έτος γέννησης του επικαρπωτή του ακινήτου:"));
        m_usufructBirthYear = s.field(edit("EditYearOfBirthEpik", 4), 60);
        s.hint("Label93", kYearHint);
        connectBack(s.back("BitBtn28"));
        m_usufructBirthYearNext = s.next("BitBtn29");
    }
}

void Table1Page::buildPlotSteps() {
    {
        m_plotAreaStep = addStep(m_steps, "Step15");
        StepLayout s(m_plotAreaStep);
        s.heading("Label42", kPlot);
        m_plotAreaQuestion = s.question("Label41", QStringLiteral("Γράψτε την επιφάνεια:"));
        m_plotArea = s.field(edit("EditOikMM", 10), 100);
        m_plotAreaHint = s.hint("Label43", QStringLiteral("Γράψτε την επιφάνεια σε τετραγωνικά μέτρα"));
        s.skip(16);
        m_noPlotDataBox = s.tickBox("CheckBox4", QStringLiteral("Δε χρειάζεται να εισάγω στοιχεία οικοπέδου"));
        m_plotAreaBack = s.back("BitBtn30");
        m_plotAreaNext = s.next("BitBtn39");
    }
    {
        m_plotKindOfRightStep = addStep(m_steps, "Step16");
        StepLayout s(m_plotKindOfRightStep);
        s.heading("Label44", kPlot);
        s.question("Label45", QStringLiteral("Έχετε το οικόπεδο κατά:"));
        m_plotKindOfRight = s.field(choices("ComboBoxKataOik", kKindsOfRight), 200);
        connectBack(s.back("BitBtn32"));
        m_plotKindOfRightNext = s.next("BitBtn40");
    }
    {
        m_plotPercentageStep = addStep(m_steps, "Step17");
        StepLayout s(m_plotPercentageStep);
        s.heading("Label48", kPlot);
        s.question("Label46", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας στο οικόπεδο:"));
        m_plotPercentage = s.field(edit("EditPercentageOik", 8), 100);
        s.after(m_plotPercentage, "Label83", QStringLiteral("%"));
        s.hint("Label47", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας στο ακίνητο και μέχρι πέντε δεκαδικά ψηφία"));
        connectBack(s.back("BitBtn34"));
        m_plotPercentageNext = s.next("BitBtn41");
    }
    {
        m_plotUsufructBirthYearStep = addStep(m_steps, "Step18");
        StepLayout s(m_plotUsufructBirthYearStep);
        s.heading("Label49", kPlot);
        s.question("Label50", QStringLiteral("Γράψτε το έτος γέννησης του επικαρπωτή του οικοπέδου:"));
        m_plotUsufructBirthYear = s.field(edit("EditYearOfBirthEpikOik", 4), 60);
        s.hint("Label94", kYearHint);
        connectBack(s.back("BitBtn35"));
        m_plotUsufructBirthYearNext = s.next("BitBtn42");
    }
    {
        m_buildingsAreaStep = addStep(m_steps, "Step19");
        StepLayout s(m_buildingsAreaStep);
        s.question("Label38", QStringLiteral("Πόση είναι η συνολική επιφάνεια κτισμάτων στο οικόπεδο;"));
        m_buildingsArea = s.field(edit("EditTotalMM", 10), 100);
        s.hint("Label104", kSurfaceHint);
        m_buildingsAreaBack = s.back("BitBtn36");
        m_buildingsAreaNext = s.next("BitBtn31");
    }
}

void Table1Page::buildEndSteps() {
    {
        m_ownerStep = addStep(m_steps, "Step20");
        StepLayout s(m_ownerStep);
        s.question("Label39", QStringLiteral("Το ακίνητο ανήκει:"));
        m_ownerList = s.field(named(new QComboBox, "ComboBoxToWhomBelongs"), 200);
        s.hint("Label90", QStringLiteral("Στη λίστα εμφανίζονται  όσα άτομα έχετε δηλώσει στα ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ. Τα στοιχεία της λίστας ανανεώνονται κάθε φορά που πατάτε 'Εισαγωγή νέου ακινήτου'"));
        m_ownerBack = s.back("BitBtn37");
        // One of the two shows, by the kind of declaration.
        m_ownerNext = s.next("BitBtn33");
        m_ownerStore = s.store("BitBtn57");
    }
    {
        m_kindOfEntryStep = addStep(m_steps, "Step21");
        StepLayout s(m_kindOfEntryStep);
        s.question("Label40", QStringLiteral("Πρόκειται για:"));
        m_kindOfEntry = s.field(choices("ComboBoxKindOf", {QString(), QStringLiteral("ΝΕΟ ΑΚΙΝΗΤΟ"),
                                                            QStringLiteral("ΜΕΤΑΒΟΛΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ"),
                                                            QStringLiteral("ΔΙΑΓΡΑΦΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ")}),
                                 260);
        s.hint("Label81", QStringLiteral("Η στήλη αυτή συμπληρώνεται μόνο σε περιπτώσεις συμπληρωματικών ή ανακλητικών δηλώσεων ακινήτων"));
        connectBack(s.back("BitBtn38"));
        m_kindOfEntryStore = s.store("BitBtn4");
    }
}

void Table1Page::connectBack(QPushButton *button) {
    ConnectCommand(button, &QPushButton::clicked, this, [this] { goBack(); });
}

void Table1Page::wireHandlers() {
    auto on = [this](QPushButton *button, void (Table1Page::*handler)()) {
        ConnectCommand(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    on(m_startRowButton, &Table1Page::startRow);
    on(m_cancelRowButton, &Table1Page::cancelRow);
    const std::pair<QPushButton *, void (Table1Page::*)()> buttons[] = {
        {m_prefectureNext, &Table1Page::acceptPrefecture},
        {m_municipalityNext, &Table1Page::acceptMunicipality},
        {m_streetNext, &Table1Page::acceptStreet},
        {m_streetFrontNext, &Table1Page::acceptStreetFront},
        {m_blockStreetsNext, &Table1Page::acceptBlockStreets},
        {m_blockNumberBack, &Table1Page::goBackFromBlockNumber},
        {m_blockNumberNext, &Table1Page::acceptBlockNumber},
        {m_categoryNext, &Table1Page::acceptCategory},
        {m_specialConditionsNext, &Table1Page::acceptSpecialConditions},
        {m_floorNext, &Table1Page::acceptFloor},
        {m_areasNext, &Table1Page::acceptAreas},
        {m_kindOfRightBack, &Table1Page::goBackFromKindOfRight},
        {m_kindOfRightNext, &Table1Page::acceptKindOfRight},
        {m_percentageNext, &Table1Page::acceptPercentage},
        {m_usufructBirthYearNext, &Table1Page::acceptUsufructBirthYear},
        {m_plotAreaBack, &Table1Page::goBackFromPlotArea},
        {m_plotAreaNext, &Table1Page::acceptPlotArea},
        {m_plotKindOfRightNext, &Table1Page::acceptPlotKindOfRight},
        {m_plotPercentageNext, &Table1Page::acceptPlotPercentage},
        {m_plotUsufructBirthYearNext, &Table1Page::acceptPlotUsufructBirthYear},
        {m_buildingsAreaNext, &Table1Page::acceptBuildingsArea},
        {m_buildingsAreaBack, &Table1Page::goBackFromBuildingsArea},
        {m_ownerNext, &Table1Page::acceptOwner},
        {m_ownerStore, &Table1Page::storeFromOwnerStep},
        {m_ownerBack, &Table1Page::goBackFromOwner},
        {m_kindOfEntryStore, &Table1Page::storeFromKindOfEntryStep},
    };
    for (const auto &[button, handler] : buttons)
        on(button, handler);

    connect(m_noPlotDataBox, &QCheckBox::toggled, this, &Table1Page::tickNoPlotData);
    connect(m_blockStreetsTypedBox, &QCheckBox::toggled, this, &Table1Page::tickTypeBlockStreets);
    connect(m_secondStreets, &PairedList::userSelected, this, &Table1Page::chooseSecondStreet);
    connect(m_thirdStreets, &PairedList::userSelected, this, &Table1Page::chooseThirdStreet);

    // Key filters and the exit rule of the number fields.
    for (QLineEdit *surface : {m_mainArea, m_auxiliaryArea, m_plotArea, m_buildingsArea})
        UseDecimalKeys(surface, QStringLiteral("0.##"));
    for (QLineEdit *percentage : {m_percentage, m_plotPercentage})
        UseDecimalKeys(percentage, QStringLiteral("0.#####"));
    for (QLineEdit *year : {m_yearOfConstruction, m_usufructBirthYear, m_plotUsufructBirthYear})
        UseDigitKeys(year);

    // Enter presses each page's "Επόμενο"; the store buttons are pressed only on purpose.
    const std::pair<QWidget *, QPushButton *> defaults[] = {
        {m_prefectureStep, m_prefectureNext}, {m_municipalityStep, m_municipalityNext}, {m_streetStep, m_streetNext},
        {m_streetFrontStep, m_streetFrontNext}, {m_blockStreetsStep, m_blockStreetsNext},
        {m_blockNumberStep, m_blockNumberNext}, {m_categoryStep, m_categoryNext},
        {m_specialConditionsStep, m_specialConditionsNext}, {m_floorStep, m_floorNext}, {m_areasStep, m_areasNext},
        {m_kindOfRightStep, m_kindOfRightNext}, {m_percentageStep, m_percentageNext},
        {m_usufructBirthYearStep, m_usufructBirthYearNext}, {m_plotAreaStep, m_plotAreaNext},
        {m_plotKindOfRightStep, m_plotKindOfRightNext}, {m_plotPercentageStep, m_plotPercentageNext},
        {m_plotUsufructBirthYearStep, m_plotUsufructBirthYearNext}, {m_buildingsAreaStep, m_buildingsAreaNext},
        {m_ownerStep, m_ownerNext},
    };
    for (const auto &[step, button] : defaults)
        SetDefaultButton(step, button);
}

}  // namespace d7
