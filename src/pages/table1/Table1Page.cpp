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
#include "app/MainWindow.h"
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

Table1Page::Table1Page(MainWindow &form, Table1Answers &answers, QWidget *parent)
    : QWidget(parent), m_form(form), m_answers(answers) {
    setObjectName(QStringLiteral("TabSheetArray1"));
    ComboBoxNomos = list(this, "ComboBoxNomos");
    ComboBox2 = list(this, "ComboBox2");
    ComboBox16 = list(this, "ComboBox16");
    ComboBox17 = list(this, "ComboBox17");
    ComboBoxSpecial = list(this, "ComboBoxSpecial");
    ComboBoxSpecialCD = list(this, "ComboBoxSpecialCD");
    ComboBoxFloor = list(this, "ComboBoxFloor");
    ComboBoxFloorCD = list(this, "ComboBoxFloorCD");
    prefectures = new PairedList(ComboBoxNomos, ComboBox2, this);
    categories = new PairedList(ComboBox16, ComboBox17, this);
    specials = new PairedList(ComboBoxSpecial, ComboBoxSpecialCD, this);
    floors = new PairedList(ComboBoxFloor, ComboBoxFloorCD, this);

    buildPage();
    buildLocationSteps();
    buildBlockSteps();
    buildBuildingSteps();
    buildPlotSteps();
    buildEndSteps();
    TabSheet14 = named(new QWidget(PageControl2), "TabSheet14");
    PageControl2->addTab(TabSheet14, QString());
    CoverTabs(PageControl2, Panel1);

    m_location = new LocationSteps(
        {prefectures, municipalities, CheckBox3, Label13, Label105, EditUserDimos, streets, CheckBox1, Label14,
         Label17, EditStreet, EditNo, CheckBox2, Panel4},
        m_answers, &m_answers.NoStreetsKnown, WizardKind::Table1, *m_form.m_locationLookupData,
        QStringLiteral("Παρακαλώ γράψτε την οδό του ακινήτου σας"), this);
    wireHandlers();

    // Idle until a row is begun.
    PageControl2->setEnabled(false);
    PageControl2->setVisible(false);
    Panel1->setVisible(false);
    Label85->setVisible(false);
    RichEdit1->setVisible(false);
    btnCancel->setEnabled(false);
}

void Table1Page::buildPage() {
    Button2 = StartButton(this, "Button2", QStringLiteral("Εισαγωγή νέου οικ./κτίσματος"));
    btnCancel = CancelButton(this, "btnCancel", QStringLiteral("Ακύρωση"));
    Label101 = InstructionLabel(this, "Label101", QStringLiteral("Επιλέξτε \"Εισαγωγή νέου οικ./κτίσματος\" για να ξεκινήσετε την εισαγωγή στοιχείων για ένα ακίνητό σας."));

    PageControl2 = StepPages(this, "PageControl2");
    Panel1 = named(new QFrame(this), "Panel1");
    Panel1->setFrameShape(QFrame::NoFrame);

    Label85 = SummaryCaption(this, "Label85", QStringLiteral("Έχετε εισάγει:"));
    RichEdit1 = SummaryBox(this, "RichEdit1");
}

void Table1Page::buildLocationSteps() {
    {
        Step1 = addStep(PageControl2, "Step1");
        StepLayout s(Step1);
        s.question("Label11", QStringLiteral("Επιλέξτε το Νομό του ακινήτου:"));
        s.field(ComboBoxNomos, 300);
        s.hint("Label12", QStringLiteral("Συμβουλή: Πληκτρολογήστε τα πρώτα γράμματα του νομού που σας ενδιαφέρει για να μετακινηθείτε στη λίστα"));
        s.hint("Label107", QStringLiteral("Σημείωση: Ο νομός Αττικής έχει διαχωριστεί στις Νομαρχίες Αθηνών, Ανατ. Αττικής, Δυτ. Αττικής και Πειραιώς"));
        BitBtn1 = s.next("BitBtn1");
    }
    {
        Step2 = addStep(PageControl2, "Step2");
        StepLayout s(Step2);
        std::tie(Label13, Label105) = s.questions(
            "Label13", QStringLiteral("Επιλέξτε το Δήμο/Διαμέρισμα/Κοινότητα του Ακινήτου:"), "Label105",
            QStringLiteral("Γράψτε το Δήμο/Διαμέρισμα/Κοινότητα του Ακινήτου:"));
        ComboBoxDimos = s.field(named(new QComboBox, "ComboBoxDimos"), 300);
        EditUserDimos = s.instead(ComboBoxDimos, edit("EditUserDimos"));
        ComboBox4 = list(Step2, "ComboBox4");
        municipalities = new PairedList(ComboBoxDimos, ComboBox4, this);
        CheckBox3 = s.tickBox("CheckBox3", QStringLiteral("Δε βρίσκω το Δήμο/Διαμέρισμα/Κοινότητα"));
        s.hint("Label16", QStringLiteral("Συμβουλή: Πληκτρολογήστε τα πρώτα γράμματα του δήμου που σας ενδιαφέρει για να μετακινηθείτε στη λίστα. "));
        s.hint("Label106", QStringLiteral("Προσπαθήστε να βρείτε το δήμο/διαμ./κοινότητα από τη λίστα πριν εισάγετε δικό σας, ώστε να επωφεληθείτε από τις πληροφορίες οδών που υπάρχουν στη βάση της εφαρμογής. "));
        s.hint("Label108", QStringLiteral("Σημείωση: Στη λίστα που εμφανίζεται περιέχονται και ονομασίες περιοχών, τις οποίες μπορείτε να επιλέξετε"));
        connectBack(s.back("BitBtn3"));
        BitBtn5 = s.next("BitBtn5");
    }
    {
        Step3 = addStep(PageControl2, "Step3");
        StepLayout s(Step3);
        const int top = s.y();
        std::tie(Label14, Label17) = s.questions("Label14", QStringLiteral("Επιλέξτε την οδό του ακινήτου:"), "Label17",
                                                 QStringLiteral("Γράψτε την οδό του ακινήτου:"));
        ComboBox5 = s.field(named(new QComboBox, "ComboBox5"), 300);
        EditStreet = s.instead(ComboBox5, edit("EditStreet"));
        ComboBox6 = list(Step3, "ComboBox6");
        streets = new PairedList(ComboBox5, ComboBox6, this);
        CheckBox1 = s.tickBox("CheckBox1", QStringLiteral("Δε βρίσκω το δρόμο"));
        s.question("Label15", QStringLiteral("Γράψτε τον αριθμό:"));
        EditNo = s.field(edit("EditNo", 10), 100);
        // A blank panel hides the street and number while no street is known.
        Panel4 = named(new QFrame(Step3), "Panel4");
        Panel4->setFrameShape(QFrame::NoFrame);
        Panel4->setAutoFillBackground(true);
        Panel4->setGeometry(0, top - 4, StepLayout::columnRight() + 8, s.y() - top);
        CheckBox2 = s.tickBox("CheckBox2", QStringLiteral("Δε γνωρίζω οδούς για το ακίνητο"));
        connectBack(s.back("BitBtn8"));
        BitBtn6 = s.next("BitBtn6");
    }
    {
        Step4 = addStep(PageControl2, "Step4");
        StepLayout s(Step4);
        s.question("Label18", QStringLiteral("Το ακίνητο έχει πρόσοψη σε αυτόν το δρόμο;"));
        ComboBox3 = s.field(choices("ComboBox3", kYesNo), 80);
        connectBack(s.back("BitBtn9"));
        BitBtn7 = s.next("BitBtn7");
    }
}

void Table1Page::buildBlockSteps() {
    {
        Step5 = addStep(PageControl2, "Step5");
        StepLayout s(Step5);
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
        QComboBox **lists[3] = {&ComboBox7, &ComboBox9, &ComboBox11};
        QComboBox **codes[3] = {&ComboBox8, &ComboBox10, &ComboBox12};
        QLineEdit **edits[3] = {&Edit1, &Edit2, &Edit3};
        QComboBox **fronts[3] = {&ComboBox13, &ComboBox14, &ComboBox15};
        for (int i = 0; i < 3; ++i) {
            s.caption(rows[i].label, captions[i], 0);
            // The typed street and the list share their place.
            *edits[i] = s.place(edit(rows[i].edit), 56, 196);
            *lists[i] = s.place(named(new QComboBox, rows[i].list), 56, 196);
            *codes[i] = list(Step5, rows[i].code);
            s.caption(rows[i].frontLabel, QStringLiteral("Πρόσοψη:"), 262);
            *fronts[i] = s.place(choices(rows[i].front, kYesNo), 324, 70);
            s.endLine();
        }
        secondStreets = new PairedList(ComboBox7, ComboBox8, this);
        thirdStreets = new PairedList(ComboBox9, ComboBox10, this);
        fourthStreets = new PairedList(ComboBox11, ComboBox12, this);
        s.skip(6);
        CheckBox5 = s.tickBox("CheckBox5", QStringLiteral("Δε βρίσκω ή θέλω να αλλάξω τους δρόμους του τετραγώνου"));
        connectBack(s.back("BitBtn10"));
        BitBtn11 = s.next("BitBtn11");
    }
    {
        Step6 = addStep(PageControl2, "Step6");
        StepLayout s(Step6);
        s.question("Label26", QStringLiteral("Γράψτε τον αριθμό οικοδομικού τετραγώνου που βρίσκεται το ακίνητο, εφόσον δεν υπάρχουν ονόματα δρόμων που το περικλείουν:"));
        EditOT = s.field(edit("EditOT"), 100);
        BitBtn12 = s.back("BitBtn12");
        BitBtn13 = s.next("BitBtn13");
    }
}

void Table1Page::buildBuildingSteps() {
    {
        Step7 = addStep(PageControl2, "Step7");
        StepLayout s(Step7);
        s.question("Label27", QStringLiteral("Tο ακίνητο είναι:"));
        s.fieldCaption("Label87", QStringLiteral("Κατηγορία Ακινήτου"));
        s.field(ComboBox16, 300);
        connectBack(s.back("BitBtn14"));
        BitBtn15 = s.next("BitBtn15");
    }
    {
        Step8 = addStep(PageControl2, "Step8");
        StepLayout s(Step8);
        s.question("Label29", QStringLiteral("Tο ακίνητο είναι:"));
        s.fieldCaption("Label88", QStringLiteral("Ειδικών Συνθηκών"));
        s.field(ComboBoxSpecial, 300);
        connectBack(s.back("BitBtn16"));
        BitBtn17 = s.next("BitBtn17");
    }
    {
        Step9 = addStep(PageControl2, "Step9");
        StepLayout s(Step9);
        s.question("Label28", QStringLiteral("Επιλέξτε τον όροφο του ακινήτου:"));
        s.field(ComboBoxFloor, 200);
        s.hint("Label113", QStringLiteral("Εάν έχετε ακίνητο σε Ημιόροφο, τότε πρέπει να δηλωθεί ως 1ος όροφος."));
        s.hint("Label114", QStringLiteral("Η επιλογή Υπόγειο βρίσκεται στο τέλος της λίστας ορόφων."));
        connectBack(s.back("BitBtn18"));
        BitBtn19 = s.next("BitBtn19");
    }
    {
        Step10 = addStep(PageControl2, "Step10");
        StepLayout s(Step10);
        constexpr int fieldX = 210;
        EditMainMM = s.questionRow("Label30", QStringLiteral("Επιφάνεια κυρίων χώρων:"), edit("EditMainMM", 10), fieldX, 100);
        EditHelpMM =
            s.questionRow("Label31", QStringLiteral("Επιφάνεια βοηθητικών χώρων:"), edit("EditHelpMM", 10), fieldX, 100);
        s.hint("Label32", kSurfaceHint);
        s.skip(16);
        EditYearOfConstruction = s.questionRow("Label33", QStringLiteral("Γράψτε το έτος κατασκευής:"),
                                       edit("EditYearOfConstruction", 4), fieldX, 60);
        s.hint("Label92", kYearHint);
        connectBack(s.back("BitBtn20"));
        BitBtn21 = s.next("BitBtn21");
    }
    {
        Step12 = addStep(PageControl2, "Step12");
        StepLayout s(Step12);
        s.question("Label34", QStringLiteral("Έχετε το ακίνητο κατά:"));
        s.fieldCaption("Label89", QStringLiteral("Είδος Εμπ/του  Δικαιώματος"));
        ComboBoxKata = s.field(choices("ComboBoxKata", kKindsOfRight), 200);
        BitBtn22 = s.back("BitBtn22");
        BitBtn25 = s.next("BitBtn25");
    }
    {
        Step13 = addStep(PageControl2, "Step13");
        StepLayout s(Step13);
        s.question("Label35", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας  στο ακίνητο:"));
        EditPercentage = s.field(edit("EditPercentage", 8), 100);
        s.after(EditPercentage, "Label82", QStringLiteral("%"));
        s.hint("Label36", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας  στο ακίνητο και μέχρι πέντε δεκαδικά ψηφία"));
        connectBack(s.back("BitBtn26"));
        BitBtn27 = s.next("BitBtn27");
    }
    {
        Step14 = addStep(PageControl2, "Step14");
        StepLayout s(Step14);
        s.question("Label37", QStringLiteral("Γράψτε το έτος γέννησης του επικαρπωτή του ακινήτου:"));
        EditYearOfBirthEpik = s.field(edit("EditYearOfBirthEpik", 4), 60);
        s.hint("Label93", kYearHint);
        connectBack(s.back("BitBtn28"));
        BitBtn29 = s.next("BitBtn29");
    }
}

void Table1Page::buildPlotSteps() {
    {
        Step15 = addStep(PageControl2, "Step15");
        StepLayout s(Step15);
        s.heading("Label42", kPlot);
        Label41 = s.question("Label41", QStringLiteral("Γράψτε την επιφάνεια:"));
        EditOikMM = s.field(edit("EditOikMM", 10), 100);
        Label43 = s.hint("Label43", QStringLiteral("Γράψτε την επιφάνεια σε τετραγωνικά μέτρα"));
        s.skip(16);
        CheckBox4 = s.tickBox("CheckBox4", QStringLiteral("Δε χρειάζεται να εισάγω στοιχεία οικοπέδου"));
        BitBtn30 = s.back("BitBtn30");
        BitBtn39 = s.next("BitBtn39");
    }
    {
        Step16 = addStep(PageControl2, "Step16");
        StepLayout s(Step16);
        s.heading("Label44", kPlot);
        s.question("Label45", QStringLiteral("Έχετε το οικόπεδο κατά:"));
        ComboBoxKataOik = s.field(choices("ComboBoxKataOik", kKindsOfRight), 200);
        connectBack(s.back("BitBtn32"));
        BitBtn40 = s.next("BitBtn40");
    }
    {
        Step17 = addStep(PageControl2, "Step17");
        StepLayout s(Step17);
        s.heading("Label48", kPlot);
        s.question("Label46", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας στο οικόπεδο:"));
        EditPercentageOik = s.field(edit("EditPercentageOik", 8), 100);
        s.after(EditPercentageOik, "Label83", QStringLiteral("%"));
        s.hint("Label47", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας στο ακίνητο και μέχρι πέντε δεκαδικά ψηφία"));
        connectBack(s.back("BitBtn34"));
        BitBtn41 = s.next("BitBtn41");
    }
    {
        Step18 = addStep(PageControl2, "Step18");
        StepLayout s(Step18);
        s.heading("Label49", kPlot);
        s.question("Label50", QStringLiteral("Γράψτε το έτος γέννησης του επικαρπωτή του οικοπέδου:"));
        EditYearOfBirthEpikOik = s.field(edit("EditYearOfBirthEpikOik", 4), 60);
        s.hint("Label94", kYearHint);
        connectBack(s.back("BitBtn35"));
        BitBtn42 = s.next("BitBtn42");
    }
    {
        Step19 = addStep(PageControl2, "Step19");
        StepLayout s(Step19);
        s.question("Label38", QStringLiteral("Πόση είναι η συνολική επιφάνεια κτισμάτων στο οικόπεδο;"));
        EditTotalMM = s.field(edit("EditTotalMM", 10), 100);
        s.hint("Label104", kSurfaceHint);
        BitBtn36 = s.back("BitBtn36");
        BitBtn31 = s.next("BitBtn31");
    }
}

void Table1Page::buildEndSteps() {
    {
        Step20 = addStep(PageControl2, "Step20");
        StepLayout s(Step20);
        s.question("Label39", QStringLiteral("Το ακίνητο ανήκει:"));
        ComboBoxToWhomBelongs = s.field(named(new QComboBox, "ComboBoxToWhomBelongs"), 200);
        s.hint("Label90", QStringLiteral("Στη λίστα εμφανίζονται  όσα άτομα έχετε δηλώσει στα ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ. Τα στοιχεία της λίστας ανανεώνονται κάθε φορά που πατάτε 'Εισαγωγή νέου ακινήτου'"));
        BitBtn37 = s.back("BitBtn37");
        // One of the two shows, by the kind of declaration.
        BitBtn33 = s.next("BitBtn33");
        BitBtn57 = s.store("BitBtn57");
    }
    {
        Step21 = addStep(PageControl2, "Step21");
        StepLayout s(Step21);
        s.question("Label40", QStringLiteral("Πρόκειται για:"));
        ComboBoxKindOf = s.field(choices("ComboBoxKindOf", {QString(), QStringLiteral("ΝΕΟ ΑΚΙΝΗΤΟ"),
                                                            QStringLiteral("ΜΕΤΑΒΟΛΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ"),
                                                            QStringLiteral("ΔΙΑΓΡΑΦΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ")}),
                                 260);
        s.hint("Label81", QStringLiteral("Η στήλη αυτή συμπληρώνεται μόνο σε περιπτώσεις συμπληρωματικών ή ανακλητικών δηλώσεων ακινήτων"));
        connectBack(s.back("BitBtn38"));
        BitBtn4 = s.store("BitBtn4");
    }
}

void Table1Page::connectBack(QPushButton *button) {
    ConnectCommand(button, &QPushButton::clicked, this, [this] { Table1StepBack(); });
}

void Table1Page::wireHandlers() {
    auto on = [this](QPushButton *button, void (Table1Page::*handler)()) {
        ConnectCommand(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    on(Button2, &Table1Page::Button2Click);
    on(btnCancel, &Table1Page::btnCancelClick);
    const std::pair<QPushButton *, void (Table1Page::*)()> buttons[] = {
        {BitBtn1, &Table1Page::BitBtn1Click},   {BitBtn5, &Table1Page::BitBtn5Click},
        {BitBtn6, &Table1Page::BitBtn6Click},   {BitBtn7, &Table1Page::BitBtn7Click},
        {BitBtn11, &Table1Page::BitBtn11Click}, {BitBtn12, &Table1Page::BitBtn12Click},
        {BitBtn13, &Table1Page::BitBtn13Click}, {BitBtn15, &Table1Page::BitBtn15Click},
        {BitBtn17, &Table1Page::BitBtn17Click}, {BitBtn19, &Table1Page::BitBtn19Click},
        {BitBtn21, &Table1Page::BitBtn21Click}, {BitBtn22, &Table1Page::BitBtn22Click},
        {BitBtn25, &Table1Page::BitBtn25Click}, {BitBtn27, &Table1Page::BitBtn27Click},
        {BitBtn29, &Table1Page::BitBtn29Click}, {BitBtn30, &Table1Page::BitBtn30Click},
        {BitBtn39, &Table1Page::BitBtn39Click}, {BitBtn40, &Table1Page::BitBtn40Click},
        {BitBtn41, &Table1Page::BitBtn41Click}, {BitBtn42, &Table1Page::BitBtn42Click},
        {BitBtn31, &Table1Page::BitBtn31Click}, {BitBtn36, &Table1Page::BitBtn36Click},
        {BitBtn33, &Table1Page::BitBtn33Click}, {BitBtn57, &Table1Page::BitBtn57Click},
        {BitBtn37, &Table1Page::BitBtn37Click}, {BitBtn4, &Table1Page::BitBtn4Click},
    };
    for (const auto &[button, handler] : buttons)
        on(button, handler);

    connect(CheckBox4, &QCheckBox::toggled, this, &Table1Page::CheckBox4Click);
    connect(CheckBox5, &QCheckBox::toggled, this, &Table1Page::CheckBox5Click);
    connect(secondStreets, &PairedList::userSelected, this, &Table1Page::ComboBox7Change);
    connect(thirdStreets, &PairedList::userSelected, this, &Table1Page::ComboBox9Change);

    // Key filters and the exit rule of the number fields.
    for (QLineEdit *surface : {EditMainMM, EditHelpMM, EditOikMM, EditTotalMM})
        UseDecimalKeys(surface, QStringLiteral("0.##"));
    for (QLineEdit *percentage : {EditPercentage, EditPercentageOik})
        UseDecimalKeys(percentage, QStringLiteral("0.#####"));
    for (QLineEdit *year : {EditYearOfConstruction, EditYearOfBirthEpik, EditYearOfBirthEpikOik})
        UseDigitKeys(year);

    // Enter presses each page's "Επόμενο"; the store buttons are pressed only on purpose.
    const std::pair<QWidget *, QPushButton *> defaults[] = {
        {Step1, BitBtn1},   {Step2, BitBtn5},   {Step3, BitBtn6},   {Step4, BitBtn7},   {Step5, BitBtn11},
        {Step6, BitBtn13},  {Step7, BitBtn15},  {Step8, BitBtn17},  {Step9, BitBtn19},  {Step10, BitBtn21},
        {Step12, BitBtn25}, {Step13, BitBtn27}, {Step14, BitBtn29}, {Step15, BitBtn39}, {Step16, BitBtn40},
        {Step17, BitBtn41}, {Step18, BitBtn42}, {Step19, BitBtn31}, {Step20, BitBtn33},
    };
    for (const auto &[step, button] : defaults)
        SetDefaultButton(step, button);
}

}  // namespace d7
