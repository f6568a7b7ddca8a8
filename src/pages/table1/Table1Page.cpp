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

#include "app/Named.h"
#include "app/Command.h"
#include "app/InputRules.h"
#include "app/Main.h"
#include "app/PairedList.h"
#include "pages/table1/LocationSteps.h"
#include "pages/table1/Table1Answers.h"
#include "pages/table1/WizardSupport.h"

namespace d7 {

namespace {

// Question pages are laid out in pixels for the 11-pixel font, from the top
// down, below the blank band that hides the tab strip.
constexpr int kLeft = 16;
constexpr int kTop = 36;
constexpr int kWidth = 430;
constexpr int kFieldHeight = 22;
constexpr int kButtonY = 396;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 27;
constexpr int kNextX = kLeft + kWidth - kButtonWidth;


QComboBox *list(QWidget *parent, const char *name) {
    auto *box = named(new QComboBox(parent), name);
    box->setVisible(false);   // shown on the wizard's steps
    return box;
}

QLabel *caption(QWidget *parent, const char *name, const QString &text) {
    auto *l = named(new QLabel(text, parent), name);
    l->setTextFormat(Qt::PlainText);
    l->adjustSize();
    return l;
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

// One question page, filled from the top down.
class StepBuilder {
public:
    StepBuilder(QTabWidget *pages, const char *name) : page(named(new QWidget(pages), name)) {
        pages->addTab(page, QString());
    }

    QWidget *const page;
    int y = kTop;

    // A text over the page's width, wrapped.
    QLabel *text(const char *name, const QString &s, int gap = 10) {
        auto *l = named(new QLabel(s, page), name);
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        l->setGeometry(kLeft, y, kWidth, l->heightForWidth(kWidth));
        y += l->height() + gap;
        return l;
    }
    QLabel *heading(const char *name, const QString &s) {
        QLabel *l = text(name, s);
        QFont bold = l->font();
        bold.setBold(true);
        l->setFont(bold);
        return l;
    }
    // A field on its own line.
    template <class W>
    W *field(W *w, int width, int x = kLeft, int gap = 14) {
        w->setParent(page);
        w->setGeometry(x, y, width, kFieldHeight);
        w->setVisible(true);
        y += kFieldHeight + gap;
        return w;
    }
    QCheckBox *tickBox(const char *name, const QString &s) {
        return field(named(new QCheckBox(s), name), kWidth);
    }
    // A pick list under its question, with its hidden codes, and in the same
    // place a typed field under its own question, for an entry not listed.
    std::tuple<QLabel *, QComboBox *, QComboBox *, QLabel *, QLineEdit *> listOrTyped(
        const char *listLabel, const QString &listQuestion, const char *listName, const char *codesName,
        const char *typedLabel, const QString &typedQuestion, const char *typedName) {
        const int top = y;
        QLabel *listCaption = text(listLabel, listQuestion, 4);
        QComboBox *names = field(named(new QComboBox, listName), 300);
        y = top;
        QLabel *typedCaption = text(typedLabel, typedQuestion, 4);
        QLineEdit *typed = field(edit(typedName), 300);
        return {listCaption, names, list(page, codesName), typedCaption, typed};
    }
    // A caption with its field beside it.
    template <class W>
    W *row(const char *labelName, const QString &s, W *w, int fieldX, int width, int gap = 8) {
        caption(page, labelName, s)->move(kLeft, y + 4);
        return field(w, width, fieldX, gap);
    }
    // A unit or remark just right of the last field.
    QLabel *after(QWidget *w, const char *name, const QString &s) {
        QLabel *l = caption(page, name, s);
        l->move(w->geometry().right() + 6, w->y() + 4);
        return l;
    }
    QPushButton *button(const char *name, const QString &s, int x) {
        auto *b = named(new QPushButton(s, page), name);
        b->setGeometry(x, kButtonY, kButtonWidth, kButtonHeight);
        b->setAutoDefault(true);   // Enter on a focused button presses that button
        return b;
    }
    QPushButton *back(const char *name) { return button(name, QStringLiteral("Προηγούμενο"), kLeft); }
    QPushButton *next(const char *name, const QString &s = QStringLiteral("Επόμενο")) {
        return button(name, s, kNextX);
    }
};

}  // namespace

Table1Page::Table1Page(TForm1 &form, Table1Answers &answers, QWidget *parent)
    : QWidget(parent), form_(form), answers_(answers) {
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

    location_ = new LocationSteps(
        {prefectures, municipalities, CheckBox3, Label13, Label105, EditUserDimos, streets, CheckBox1, Label14,
         Label17, EditStreet, EditNo, CheckBox2, Panel4},
        answers_, &answers_.NoStreetsKnown, WizardKind::Table1, *form_.ADODataSet1,
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
    Button2 = named(new QPushButton(QStringLiteral("Εισαγωγή νέου οικ./κτίσματος"), this), "Button2");
    Button2->setGeometry(8, 8, 190, 25);
    btnCancel = named(new QPushButton(QStringLiteral("Ακύρωση"), this), "btnCancel");
    btnCancel->setGeometry(204, 8, 90, 25);
    Label101 = named(new QLabel(QStringLiteral("Επιλέξτε \"Εισαγωγή νέου οικ./κτίσματος\" για να ξεκινήσετε την εισαγωγή στοιχείων για ένα ακίνητό σας."),
                                this),
                     "Label101");
    Label101->setTextFormat(Qt::PlainText);
    Label101->setWordWrap(true);
    Label101->setGeometry(306, 6, 482, 30);

    PageControl2 = named(new QTabWidget(this), "PageControl2");
    PageControl2->setGeometry(8, 42, 468, 440);
    Panel1 = named(new QFrame(this), "Panel1");
    Panel1->setFrameShape(QFrame::NoFrame);

    Label85 = caption(this, "Label85", QStringLiteral("Έχετε εισάγει:"));
    Label85->move(484, 44);
    RichEdit1 = named(new QPlainTextEdit(this), "RichEdit1");
    RichEdit1->setGeometry(484, 60, 305, 422);
    RichEdit1->setReadOnly(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setTabStopDistance(RichEdit1->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6);
}

void Table1Page::buildLocationSteps() {
    {
        StepBuilder s(PageControl2, "Step1");
        Step1 = s.page;
        s.text("Label11", QStringLiteral("Επιλέξτε το Νομό του ακινήτου:"), 4);
        s.field(ComboBoxNomos, 300);
        s.text("Label12", QStringLiteral("Συμβουλή: Πληκτρολογήστε τα πρώτα γράμματα του νομού που σας ενδιαφέρει για να μετακινηθείτε στη λίστα"));
        s.text("Label107", QStringLiteral("Σημείωση: Ο νομός Αττικής έχει διαχωριστεί στις Νομαρχίες Αθηνών, Ανατ. Αττικής, Δυτ. Αττικής και Πειραιώς"));
        BitBtn1 = s.next("BitBtn1");
    }
    {
        StepBuilder s(PageControl2, "Step2");
        Step2 = s.page;
        std::tie(Label13, ComboBoxDimos, ComboBox4, Label105, EditUserDimos) = s.listOrTyped(
            "Label13", QStringLiteral("Επιλέξτε το Δήμο/Διαμέρισμα/Κοινότητα του Ακινήτου:"), "ComboBoxDimos",
            "ComboBox4", "Label105", QStringLiteral("Γράψτε το Δήμο/Διαμέρισμα/Κοινότητα του Ακινήτου:"),
            "EditUserDimos");
        municipalities = new PairedList(ComboBoxDimos, ComboBox4, this);
        CheckBox3 = s.tickBox("CheckBox3", QStringLiteral("Δε βρίσκω το Δήμο/Διαμέρισμα/Κοινότητα"));
        s.text("Label16", QStringLiteral("Συμβουλή: Πληκτρολογήστε τα πρώτα γράμματα του δήμου που σας ενδιαφέρει για να μετακινηθείτε στη λίστα. "));
        s.text("Label106", QStringLiteral("Προσπαθήστε να βρείτε το δήμο/διαμ./κοινότητα από τη λίστα πριν εισάγετε δικό σας, ώστε να επωφεληθείτε από τις πληροφορίες οδών που υπάρχουν στη βάση της εφαρμογής. "));
        s.text("Label108", QStringLiteral("Σημείωση: Στη λίστα που εμφανίζεται περιέχονται και ονομασίες περιοχών, τις οποίες μπορείτε να επιλέξετε"));
        connectBack(s.back("BitBtn3"));
        BitBtn5 = s.next("BitBtn5");
    }
    {
        StepBuilder s(PageControl2, "Step3");
        Step3 = s.page;
        const int top = s.y;
        std::tie(Label14, ComboBox5, ComboBox6, Label17, EditStreet) =
            s.listOrTyped("Label14", QStringLiteral("Επιλέξτε την οδό του ακινήτου:"), "ComboBox5", "ComboBox6",
                          "Label17", QStringLiteral("Γράψτε την οδό του ακινήτου:"), "EditStreet");
        streets = new PairedList(ComboBox5, ComboBox6, this);
        CheckBox1 = s.tickBox("CheckBox1", QStringLiteral("Δε βρίσκω το δρόμο"));
        s.text("Label15", QStringLiteral("Γράψτε τον αριθμό:"), 4);
        EditNo = s.field(edit("EditNo", 10), 100);
        // A blank panel hides the street and number while no street is known.
        Panel4 = named(new QFrame(Step3), "Panel4");
        Panel4->setFrameShape(QFrame::NoFrame);
        Panel4->setAutoFillBackground(true);
        Panel4->setGeometry(0, top - 4, kLeft + kWidth + 8, s.y - top);
        CheckBox2 = s.tickBox("CheckBox2", QStringLiteral("Δε γνωρίζω οδούς για το ακίνητο"));
        connectBack(s.back("BitBtn8"));
        BitBtn6 = s.next("BitBtn6");
    }
    {
        StepBuilder s(PageControl2, "Step4");
        Step4 = s.page;
        s.text("Label18", QStringLiteral("Το ακίνητο έχει πρόσοψη σε αυτόν το δρόμο;"), 4);
        ComboBox3 = s.field(choices("ComboBox3", kYesNo), 80);
        connectBack(s.back("BitBtn9"));
        BitBtn7 = s.next("BitBtn7");
    }
}

void Table1Page::buildBlockSteps() {
    {
        StepBuilder s(PageControl2, "Step5");
        Step5 = s.page;
        s.text("Label19", QStringLiteral("Γράψτε τους δρόμους που περικλείουν το οικοδομικό τετράγωνο στο οποίο ανήκει το ακίνητο και επιλέξτε τις αντίστοιχες προσόψεις του:"),
               14);
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
            const int y = s.y;
            caption(Step5, rows[i].label, captions[i])->move(kLeft, y + 4);
            *edits[i] = s.field(edit(rows[i].edit), 220, kLeft + 60, 0);
            s.y = y;   // the typed street and the list share their place
            *lists[i] = s.field(named(new QComboBox, rows[i].list), 220, kLeft + 60, 0);
            *codes[i] = list(Step5, rows[i].code);
            caption(Step5, rows[i].frontLabel, QStringLiteral("Πρόσοψη:"))->move(kLeft + 292, y + 4);
            s.y = y;
            *fronts[i] = s.field(choices(rows[i].front, kYesNo), 70, kLeft + 360, 12);
        }
        secondStreets = new PairedList(ComboBox7, ComboBox8, this);
        thirdStreets = new PairedList(ComboBox9, ComboBox10, this);
        fourthStreets = new PairedList(ComboBox11, ComboBox12, this);
        s.y += 6;
        CheckBox5 = s.tickBox("CheckBox5", QStringLiteral("Δε βρίσκω ή θέλω να αλλάξω τους δρόμους του τετραγώνου"));
        connectBack(s.back("BitBtn10"));
        BitBtn11 = s.next("BitBtn11");
    }
    {
        StepBuilder s(PageControl2, "Step6");
        Step6 = s.page;
        s.text("Label26", QStringLiteral("Γράψτε τον αριθμό οικοδομικού τετραγώνου που βρίσκεται το ακίνητο, εφόσον δεν υπάρχουν ονόματα δρόμων που το περικλείουν:"),
               6);
        EditOT = s.field(edit("EditOT"), 100);
        BitBtn12 = s.back("BitBtn12");
        BitBtn13 = s.next("BitBtn13");
    }
}

void Table1Page::buildBuildingSteps() {
    {
        StepBuilder s(PageControl2, "Step7");
        Step7 = s.page;
        s.text("Label27", QStringLiteral("Tο ακίνητο είναι:"));
        s.text("Label87", QStringLiteral("Κατηγορία Ακινήτου"), 4);
        s.field(ComboBox16, 300);
        connectBack(s.back("BitBtn14"));
        BitBtn15 = s.next("BitBtn15");
    }
    {
        StepBuilder s(PageControl2, "Step8");
        Step8 = s.page;
        s.text("Label29", QStringLiteral("Tο ακίνητο είναι:"));
        s.text("Label88", QStringLiteral("Ειδικών Συνθηκών"), 4);
        s.field(ComboBoxSpecial, 300);
        connectBack(s.back("BitBtn16"));
        BitBtn17 = s.next("BitBtn17");
    }
    {
        StepBuilder s(PageControl2, "Step9");
        Step9 = s.page;
        s.text("Label28", QStringLiteral("Επιλέξτε τον όροφο του ακινήτου:"), 4);
        s.field(ComboBoxFloor, 200);
        s.text("Label113", QStringLiteral("Εάν έχετε ακίνητο σε Ημιόροφο, τότε πρέπει να δηλωθεί ως 1ος όροφος."));
        s.text("Label114", QStringLiteral("Η επιλογή Υπόγειο βρίσκεται στο τέλος της λίστας ορόφων."));
        connectBack(s.back("BitBtn18"));
        BitBtn19 = s.next("BitBtn19");
    }
    {
        StepBuilder s(PageControl2, "Step10");
        Step10 = s.page;
        constexpr int fieldX = kLeft + 190;
        EditMainMM = s.row("Label30", QStringLiteral("Επιφάνεια κυρίων χώρων:"), edit("EditMainMM", 10), fieldX, 100);
        EditHelpMM =
            s.row("Label31", QStringLiteral("Επιφάνεια βοηθητικών χώρων:"), edit("EditHelpMM", 10), fieldX, 100);
        s.text("Label32", kSurfaceHint, 24);
        EditYearOfConstruction = s.row("Label33", QStringLiteral("Γράψτε το έτος κατασκευής:"),
                                       edit("EditYearOfConstruction", 4), fieldX, 60);
        s.text("Label92", kYearHint);
        connectBack(s.back("BitBtn20"));
        BitBtn21 = s.next("BitBtn21");
    }
    {
        StepBuilder s(PageControl2, "Step12");
        Step12 = s.page;
        s.text("Label34", QStringLiteral("Έχετε το ακίνητο κατά:"));
        s.text("Label89", QStringLiteral("Είδος Εμπ/του  Δικαιώματος"), 4);
        ComboBoxKata = s.field(choices("ComboBoxKata", kKindsOfRight), 200);
        BitBtn22 = s.back("BitBtn22");
        BitBtn25 = s.next("BitBtn25");
    }
    {
        StepBuilder s(PageControl2, "Step13");
        Step13 = s.page;
        s.text("Label35", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας  στο ακίνητο:"), 4);
        EditPercentage = s.field(edit("EditPercentage", 8), 100);
        s.after(EditPercentage, "Label82", QStringLiteral("%"));
        s.text("Label36", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας  στο ακίνητο και μέχρι πέντε δεκαδικά ψηφία"));
        connectBack(s.back("BitBtn26"));
        BitBtn27 = s.next("BitBtn27");
    }
    {
        StepBuilder s(PageControl2, "Step14");
        Step14 = s.page;
        s.text("Label37", QStringLiteral("Γράψτε το έτος γέννησης του επικαρπωτή του ακινήτου:"), 4);
        EditYearOfBirthEpik = s.field(edit("EditYearOfBirthEpik", 4), 60);
        s.text("Label93", kYearHint);
        connectBack(s.back("BitBtn28"));
        BitBtn29 = s.next("BitBtn29");
    }
}

void Table1Page::buildPlotSteps() {
    {
        StepBuilder s(PageControl2, "Step15");
        Step15 = s.page;
        s.heading("Label42", kPlot);
        Label41 = s.text("Label41", QStringLiteral("Γράψτε την επιφάνεια:"), 4);
        EditOikMM = s.field(edit("EditOikMM", 10), 100);
        Label43 = s.text("Label43", QStringLiteral("Γράψτε την επιφάνεια σε τετραγωνικά μέτρα"), 24);
        CheckBox4 = s.tickBox("CheckBox4", QStringLiteral("Δε χρειάζεται να εισάγω στοιχεία οικοπέδου"));
        BitBtn30 = s.back("BitBtn30");
        BitBtn39 = s.next("BitBtn39");
    }
    {
        StepBuilder s(PageControl2, "Step16");
        Step16 = s.page;
        s.heading("Label44", kPlot);
        s.text("Label45", QStringLiteral("Έχετε το οικόπεδο κατά:"), 4);
        ComboBoxKataOik = s.field(choices("ComboBoxKataOik", kKindsOfRight), 200);
        connectBack(s.back("BitBtn32"));
        BitBtn40 = s.next("BitBtn40");
    }
    {
        StepBuilder s(PageControl2, "Step17");
        Step17 = s.page;
        s.heading("Label48", kPlot);
        s.text("Label46", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας στο οικόπεδο:"), 4);
        EditPercentageOik = s.field(edit("EditPercentageOik", 8), 100);
        s.after(EditPercentageOik, "Label83", QStringLiteral("%"));
        s.text("Label47", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας στο ακίνητο και μέχρι πέντε δεκαδικά ψηφία"));
        connectBack(s.back("BitBtn34"));
        BitBtn41 = s.next("BitBtn41");
    }
    {
        StepBuilder s(PageControl2, "Step18");
        Step18 = s.page;
        s.heading("Label49", kPlot);
        s.text("Label50", QStringLiteral("Γράψτε το έτος γέννησης του επικαρπωτή του οικοπέδου:"), 4);
        EditYearOfBirthEpikOik = s.field(edit("EditYearOfBirthEpikOik", 4), 60);
        s.text("Label94", kYearHint);
        connectBack(s.back("BitBtn35"));
        BitBtn42 = s.next("BitBtn42");
    }
    {
        StepBuilder s(PageControl2, "Step19");
        Step19 = s.page;
        s.text("Label38", QStringLiteral("Πόση είναι η συνολική επιφάνεια κτισμάτων στο οικόπεδο;"), 4);
        EditTotalMM = s.field(edit("EditTotalMM", 10), 100);
        s.text("Label104", kSurfaceHint);
        BitBtn36 = s.back("BitBtn36");
        BitBtn31 = s.next("BitBtn31");
    }
}

void Table1Page::buildEndSteps() {
    {
        StepBuilder s(PageControl2, "Step20");
        Step20 = s.page;
        s.text("Label39", QStringLiteral("Το ακίνητο ανήκει:"), 4);
        ComboBoxToWhomBelongs = s.field(named(new QComboBox, "ComboBoxToWhomBelongs"), 200);
        s.text("Label90", QStringLiteral("Στη λίστα εμφανίζονται  όσα άτομα έχετε δηλώσει στα ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ. Τα στοιχεία της λίστας ανανεώνονται κάθε φορά που πατάτε 'Εισαγωγή νέου ακινήτου'"));
        BitBtn37 = s.back("BitBtn37");
        // One of the two shows, by the kind of declaration.
        BitBtn33 = s.next("BitBtn33");
        BitBtn57 = s.next("BitBtn57", QStringLiteral("Αποθήκευση"));
    }
    {
        StepBuilder s(PageControl2, "Step21");
        Step21 = s.page;
        s.text("Label40", QStringLiteral("Πρόκειται για:"), 4);
        ComboBoxKindOf = s.field(choices("ComboBoxKindOf", {QString(), QStringLiteral("ΝΕΟ ΑΚΙΝΗΤΟ"),
                                                            QStringLiteral("ΜΕΤΑΒΟΛΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ"),
                                                            QStringLiteral("ΔΙΑΓΡΑΦΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ")}),
                                 260);
        s.text("Label81", QStringLiteral("Η στήλη αυτή συμπληρώνεται μόνο σε περιπτώσεις συμπληρωματικών ή ανακλητικών δηλώσεων ακινήτων"));
        connectBack(s.back("BitBtn38"));
        BitBtn4 = s.next("BitBtn4", QStringLiteral("Αποθήκευση"));
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
