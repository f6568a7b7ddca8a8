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
#include "app/MainWindow.h"
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
constexpr int kNewProperty = 1;   // "ΝΕΟ ΑΚΙΝΗΤΟ" among the kinds of change
const QString kFullOwnership = QStringLiteral("1");
const QString kBlindPlot = QStringLiteral("4");
constexpr int kAreaX = 290;   // the area fields stand in one column, right of their captions

void refuse(const QString &message) {
    Beep();
    ShowMessageText(message);
}

}  // namespace

Table2Page::Table2Page(MainWindow &form, Table2Answers &answers, QWidget *parent)
    : QWidget(parent), m_form(form), m_answers(answers) {
    setObjectName(QStringLiteral("TabSheetArray2"));

    Label102 = InstructionLabel(this, "Label102", QStringLiteral("Επιλέξτε \"Εισαγωγή νέου αγροτεμαχίου\" για να ξεκινήσετε την εισαγωγή στοιχείων για ένα αγροτεμάχιό σας."));
    Button3 = StartButton(this, "Button3", QStringLiteral("Εισαγωγή νέου αγροτεμαχίου"));
    Button1 = CancelButton(this, "Button1", QStringLiteral("Ακύρωση"));
    Button1->setEnabled(false);

    PageControl3 = StepPages(this, "PageControl3");
    buildSteps();
    Panel2 = named(new QWidget(this), "Panel2");
    CoverTabs(PageControl3, Panel2);
    PageControl3->setCurrentIndex(0);
    PageControl3->setEnabled(false);
    PageControl3->setVisible(false);

    Label86 = SummaryCaption(this, "Label86", QStringLiteral("Έχετε εισάγει:"));
    Label86->setVisible(false);
    RichEdit2 = SummaryBox(this, "RichEdit2");
    RichEdit2->setVisible(false);

    prefectures = new PairedList(ComboBoxNomos2, ComboBox21, this);
    municipalities = new PairedList(ComboBoxDimos2, ComboBox22, this);
    streets = new PairedList(ComboBoxDromos2, ComboBox23, this);
    const LocationControls controls{prefectures, municipalities, CheckBox8,   Label53, Label112, EditUserDimos2,
                                    streets,     CheckBox6,      Label55,     Label56, EditStreet2, EditNo2};
    m_location = new LocationSteps(controls, m_answers, nullptr, WizardKind::Table2, *m_form.m_locationLookupData,
                                  QStringLiteral("Παρακαλώ γράψτε την οδό/θέση του αγροτεμαχίου"), this);

    UseDecimalKeys(EditDistanceFromSea, QStringLiteral("0.##"), true);
    for (QLineEdit *area : areaFields())
        UseDecimalKeys(area, QStringLiteral("0.##"));
    UseDecimalKeys(EdittotalMM2, QStringLiteral("0.##"));
    UseDecimalKeys(EditPercentage2, QStringLiteral("0.#####"));
    UseDigitKeys(EditYearOfBirthEpik2);
    connect(CheckBox7, &QCheckBox::toggled, this, &Table2Page::CheckBox7Click);

    auto on = [this](QPushButton *button, void (Table2Page::*handler)()) {
        ConnectCommand(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    on(Button3, &Table2Page::Button3Click);
    on(Button1, &Table2Page::Button1Click);
    on(BitBtn44, &Table2Page::BitBtn44Click);
    on(BitBtn43, &Table2Page::BitBtn43Click);
    on(BitBtn61, &Table2Page::BitBtn61Click);
    on(BitBtn62, &Table2Page::BitBtn62Click);
    on(BitBtn63, &Table2Page::BitBtn63Click);
    on(BitBtn64, &Table2Page::BitBtn64Click);
    on(BitBtn65, &Table2Page::BitBtn65Click);
    on(BitBtn66, &Table2Page::BitBtn66Click);
    on(BitBtn67, &Table2Page::BitBtn67Click);
    on(BitBtn68, &Table2Page::BitBtn68Click);
    on(BitBtn69, &Table2Page::BitBtn69Click);
    on(BitBtn70, &Table2Page::BitBtn70Click);
    for (QPushButton *back : {BitBtn45, BitBtn46, BitBtn47, BitBtn48, BitBtn49, BitBtn50, BitBtn51, BitBtn52,
                              BitBtn53, BitBtn54, BitBtn56})
        on(back, &Table2Page::Table2StepBack);
    on(BitBtn55, &Table2Page::BitBtn55Click);
    on(BitBtn58, &Table2Page::BitBtn58Click);
    on(BitBtn2, &Table2Page::BitBtn2Click);
}

void Table2Page::buildSteps() {
    QWidget **sheets[13] = {&TabSheet1, &TabSheet2,  &TabSheet3,  &TabSheet4,  &TabSheet5,  &TabSheet6, &TabSheet7,
                            &TabSheet8, &TabSheet9, &TabSheet10, &TabSheet11, &TabSheet12, &TabSheet13};
    for (int i = 0; i < 13; ++i) {
        *sheets[i] = new QWidget;
        (*sheets[i])->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        PageControl3->addTab(*sheets[i], QString::number(i + 1));
    }

    {
        StepLayout c(TabSheet1);
        Label51 = c.question("Label51", QStringLiteral("Επιλέξτε το Νομό του αγροτεμαχίου:"));
        ComboBoxNomos2 = c.field(named(new QComboBox(TabSheet1), "ComboBoxNomos2"), 250);
        ComboBox21 = named(new QComboBox(TabSheet1), "ComboBox21");
        Label52 = c.hint("Label52", QStringLiteral("Συμβουλή: Πληκτρολογήστε τα πρώτα γράμματα του νομού που σας ενδιαφέρει για να μετακινηθείτε στη λίστα"));
        Label110 = c.hint("Label110", QStringLiteral("Σημείωση: Ο νομός Αττικής έχει διαχωριστεί στις Νομαρχίες Αθηνών, Ανατ. Αττικής, Δυτ. Αττικής και Πειραιώς"));
        BitBtn44 = c.next("BitBtn44");
    }
    {
        StepLayout c(TabSheet2);
        std::tie(Label53, Label112) = c.questions("Label53", QStringLiteral("Επιλέξτε το Δήμο/Διαμέρισμα/Κοινότητα του αγροτεμαχίου:"), "Label112",
                                                 QStringLiteral("Γράψτε το Δήμο/Διαμέρισμα/Κοινότητα του Ακινήτου:"));
        ComboBoxDimos2 = c.field(named(new QComboBox(TabSheet2), "ComboBoxDimos2"), StepLayout::columnWidth());
        EditUserDimos2 = c.instead(ComboBoxDimos2, named(new QLineEdit(TabSheet2), "EditUserDimos2"));
        ComboBox22 = named(new QComboBox(TabSheet2), "ComboBox22");
        CheckBox8 = c.tickBox("CheckBox8", QStringLiteral("Δε βρίσκω το Δήμο/Διαμέρισμα/Κοινότητα"));
        Label54 = c.hint("Label54", QStringLiteral("Συμβουλή: Πληκτρολογήστε τα πρώτα γράμματα του δήμου που σας ενδιαφέρει για να μετακινηθείτε στη λίστα"));
        Label109 = c.hint("Label109", QStringLiteral("Σημείωση: Στη λίστα που εμφανίζεται περιέχονται και ονομασίες περιοχών, τις οποίες μπορείτε να επιλέξετε"));
        Label111 = c.hint("Label111",
                          QStringLiteral("Προσπαθήστε να βρείτε το δήμο/διαμ./κοινότητα από τη λίστα πριν εισάγετε δικό σας, ώστε να επωφεληθείτε από τις πληροφορίες οδών που υπάρχουν στη βάση της εφαρμογής. "));
        BitBtn45 = c.back("BitBtn45");
        BitBtn43 = c.next("BitBtn43");
    }
    {
        StepLayout c(TabSheet3);
        std::tie(Label55, Label56) = c.questions("Label55", QStringLiteral("Επιλέξτε την οδό του αγροτεμαχίου:"), "Label56",
                                                 QStringLiteral("Γράψτε την οδό/θέση του αγροτεμαχίου:"));
        ComboBoxDromos2 = c.field(named(new QComboBox(TabSheet3), "ComboBoxDromos2"), 300);
        EditStreet2 = c.instead(ComboBoxDromos2, named(new QLineEdit(TabSheet3), "EditStreet2"));
        ComboBox23 = named(new QComboBox(TabSheet3), "ComboBox23");
        CheckBox6 = c.tickBox("CheckBox6", QStringLiteral("Δε βρίσκω το δρόμο"));
        Label57 = c.question("Label57", QStringLiteral("Γράψτε τον αριθμό:"));
        EditNo2 = c.field(named(new QLineEdit(TabSheet3), "EditNo2"), 100);
        EditNo2->setMaxLength(10);
        BitBtn46 = c.back("BitBtn46");
        BitBtn61 = c.next("BitBtn61");
    }
    {
        StepLayout c(TabSheet4);
        Label58 = c.question("Label58", QStringLiteral("Το αγροτεμάχιο έχει πρόσοψη σε:"));
        ComboBoxProsopsi = c.field(named(new QComboBox(TabSheet4), "ComboBoxProsopsi"), StepLayout::columnWidth());
        ComboBoxProsopsi->addItems({QStringLiteral("ΕΘΝΙΚΗ ή ΕΠΑΡΧΙΑΚΗ ΟΔΟ"),
                                    QStringLiteral("ΔΗΜΟΤΙΚΗ ή ΚΟΙΝΟΤΙΚΗ ΟΔΟ ή ΕΝΤΟΣ ΑΙΓΙΑΛΟΥ ΚΑΙ ΠΑΡΑΛΙΑΣ"),
                                    QStringLiteral("ΑΓΡΟΤΙΚΗ ή ΙΔΙΩΤΙΚΗ ΟΔΟ ή ΕΚΤΟΣ ΑΙΓΙΑΛΟΥ ΚΑΙ ΠΑΡΑΛΙΑΣ")});
        CheckBox7 = c.tickBox("CheckBox7", QStringLiteral("Το αγροτεμάχιο είναι τυφλό"));
        BitBtn47 = c.back("BitBtn47");
        BitBtn62 = c.next("BitBtn62");
    }
    {
        StepLayout c(TabSheet5);
        Label59 = c.question("Label59", QStringLiteral("Γράψτε την απόσταση του αγροτεμαχίου από τη θάλασσα:"));
        EditDistanceFromSea = c.field(named(new QLineEdit(TabSheet5), "EditDistanceFromSea"), 80);
        EditDistanceFromSea->setMaxLength(6);
        Label60 = c.hint("Label60", QStringLiteral("Αναγράψτε τα μέτρα που απέχει το αγροτεμάχιο από τη θάλασσα, εφόσον η απόσταση είναι μικρότερη των 800 μέτρων"));
        BitBtn48 = c.back("BitBtn48");
        BitBtn63 = c.next("BitBtn63");
    }
    {
        StepLayout c(TabSheet6);
        const QStringList yesNo = {QStringLiteral("NAI"), QStringLiteral("OXI")};
        Label61 = c.question("Label61", QStringLiteral("H εδαφική έκταση είναι απαλλοτριωτέα;"));
        ComboBox24 = c.field(named(new QComboBox(TabSheet6), "ComboBox24"), 80);
        c.skip(10);
        Label62 = c.question("Label62", QStringLiteral("H εδαφική έκταση είναι αρδευόμενη;"));
        ComboBox25 = c.field(named(new QComboBox(TabSheet6), "ComboBox25"), 80);
        for (QComboBox *box : {ComboBox24, ComboBox25}) {
            box->addItems(yesNo);
            box->setCurrentIndex(kNo);
        }
        BitBtn49 = c.back("BitBtn49");
        BitBtn64 = c.next("BitBtn64");
    }
    {
        StepLayout c(TabSheet7);
        Label63 = c.question("Label63", QStringLiteral("Επιφάνεια αγροτεμαχίου, κατανεμημένη σε κατηγορίες"));
        Label64 = c.hint("Label64", QStringLiteral("Γράψτε την επιφάνεια σε τετραγωνικά μέτρα "));
        EditMonoMM = c.row("Label65", QStringLiteral("Μονοετής καλλιέργεια:"),
                           named(new QLineEdit, "EditMonoMM"), kAreaX, 100, &Label65);
        EditPolyMMElies = c.row("Label66", QStringLiteral("Πολυετής καλλιέργεια με ελιές:"),
                                named(new QLineEdit, "EditPolyMMElies"), kAreaX, 100, &Label66);
        EditPolyMMLoipes = c.row("Label67", QStringLiteral("Πολυετής καλλιέργεια με  λοιπές δενδροκαλλιέργειες:"),
                                 named(new QLineEdit, "EditPolyMMLoipes"), kAreaX, 100, &Label67);
        EditMMBosko = c.row("Label68", QStringLiteral("Βοσκότοπος:"),
                            named(new QLineEdit, "EditMMBosko"), kAreaX, 100, &Label68);
        EditMMDasiki = c.row("Label69", QStringLiteral("Δασική έκταση:"),
                             named(new QLineEdit, "EditMMDasiki"), kAreaX, 100, &Label69);
        EditMMMetal = c.row("Label70", QStringLiteral("Μεταλλευτική ή λατομική:"),
                            named(new QLineEdit, "EditMMMetal"), kAreaX, 100, &Label70);
        EditMMParking = c.row("Label71", QStringLiteral("Υπαίθρια έκθεση ή χώρος στάθμευσης:"),
                              named(new QLineEdit, "EditMMParking"), kAreaX, 100, &Label71);
        for (QLineEdit *area : areaFields())
            area->setMaxLength(10);
        c.skip(6);
        Label116 = c.hint("Label116", QStringLiteral("Για πληροφορίες σχετικά με τη συμπλήρωση των παραπάνω πεδίων δείτε στο μενού 'Βοήθεια' - 'Βοήθεια για το D7' - 'Ειδικές Οδηγίες για τη συμπλήρωση του D7'"));
        BitBtn50 = c.back("BitBtn50");
        BitBtn65 = c.next("BitBtn65");
    }
    {
        StepLayout c(TabSheet8);
        Label72 = c.question("Label72", QStringLiteral("Γράψτε τη συνολική επιφάνεια κτισμάτων που βρίσκονται στο αγρ/χιο και έχουν αναγραφεί στον Πίνακα 1:"));
        EdittotalMM2 = c.field(named(new QLineEdit(TabSheet8), "EdittotalMM2"), 100);
        EdittotalMM2->setMaxLength(10);
        Label73 = c.hint("Label73", QStringLiteral("Γράψτε την επιφάνεια σε τετραγωνικά μέτρα"));
        BitBtn51 = c.back("BitBtn51");
        BitBtn66 = c.next("BitBtn66");
    }
    {
        StepLayout c(TabSheet9);
        Label74 = c.question("Label74", QStringLiteral("Έχετε το αγροτεμάχιο κατά:"));
        ComboBox1 = c.field(named(new QComboBox(TabSheet9), "ComboBox1"), 200);
        ComboBox1->addItems({QStringLiteral("ΠΛΗΡΗ ΚΥΡΙΟΤΗΤΑ"), QStringLiteral("ΨΙΛΗ ΚΥΡΙΟΤΗΤΑ"),
                             QStringLiteral("ΕΠΙΚΑΡΠΙΑ Η ΟΙΚΗΣΗ")});
        BitBtn52 = c.back("BitBtn52");
        BitBtn67 = c.next("BitBtn67");
    }
    {
        StepLayout c(TabSheet10);
        Label75 = c.question("Label75", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας στο αγροτεμάχιο:"));
        EditPercentage2 = c.field(named(new QLineEdit(TabSheet10), "EditPercentage2"), 100);
        EditPercentage2->setMaxLength(8);
        Label84 = c.after(EditPercentage2, "Label84", QStringLiteral("%"));
        Label76 = c.hint("Label76", QStringLiteral("Γράψτε το ποσοστό συνιδιοκτησίας στο ακίνητο και μέχρι πέντε δεκαδικά ψηφία"));
        BitBtn53 = c.back("BitBtn53");
        BitBtn68 = c.next("BitBtn68");
    }
    {
        StepLayout c(TabSheet11);
        Label77 = c.question("Label77", QStringLiteral("Γράψτε το έτος γέννησης του επικαρπωτή του αγροτεμαχίου:"));
        EditYearOfBirthEpik2 = c.field(named(new QLineEdit(TabSheet11), "EditYearOfBirthEpik2"), 60);
        EditYearOfBirthEpik2->setMaxLength(4);
        Label95 = c.hint("Label95", QStringLiteral("Γράψτε το έτος με 4 ψηφία"));
        BitBtn54 = c.back("BitBtn54");
        BitBtn69 = c.next("BitBtn69");
    }
    {
        StepLayout c(TabSheet12);
        Label78 = c.question("Label78", QStringLiteral("Το ακίνητο ανήκει:"));
        ComboBox18 = c.field(named(new QComboBox(TabSheet12), "ComboBox18"), 200);
        Label91 = c.hint("Label91", QStringLiteral("Στη λίστα εμφανίζονται  όσα άτομα έχετε δηλώσει στα ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ. Τα στοιχεία της λίστας ανανεώνονται κάθε φορά που πατάτε 'Εισαγωγή νέου αγροτεμαχίου'"));
        BitBtn55 = c.back("BitBtn55");
        BitBtn70 = c.next("BitBtn70");
        BitBtn58 = c.store("BitBtn58");
    }
    {
        StepLayout c(TabSheet13);
        Label79 = c.question("Label79", QStringLiteral("Πρόκειται για:"));
        ComboBox19 = c.field(named(new QComboBox(TabSheet13), "ComboBox19"), 260);
        ComboBox19->addItems({QString(), QStringLiteral("ΝΕΟ ΑΚΙΝΗΤΟ"),
                              QStringLiteral("ΜΕΤΑΒΟΛΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ"),
                              QStringLiteral("ΔΙΑΓΡΑΦΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ")});
        ComboBox19->setCurrentIndex(kNewProperty);
        Label80 = c.hint("Label80", QStringLiteral("Η στήλη αυτή συμπληρώνεται μόνο σε περιπτώσεις συμπληρωματικών ή ανακλητικών δηλώσεων ακινήτων"));
        BitBtn56 = c.back("BitBtn56");
        BitBtn2 = c.store("BitBtn2");
    }

    // Enter moves forward; the store buttons wait for a deliberate press.
    const std::pair<QWidget *, QPushButton *> nexts[] = {
        {TabSheet1, BitBtn44},  {TabSheet2, BitBtn43}, {TabSheet3, BitBtn61},  {TabSheet4, BitBtn62},
        {TabSheet5, BitBtn63},  {TabSheet6, BitBtn64}, {TabSheet7, BitBtn65},  {TabSheet8, BitBtn66},
        {TabSheet9, BitBtn67},  {TabSheet10, BitBtn68}, {TabSheet11, BitBtn69}, {TabSheet12, BitBtn70}};
    for (const auto &[sheet, next] : nexts)
        SetDefaultButton(sheet, next);
}

QList<QLineEdit *> Table2Page::areaFields() const {
    return {EditMonoMM, EditPolyMMElies, EditPolyMMLoipes, EditMMBosko, EditMMDasiki, EditMMMetal, EditMMParking};
}

void Table2Page::showStep(int index) {
    PageControl3->setCurrentIndex(index);
    // The cursor goes to the step's first field, so that the keyboard can answer at once.
    QWidget *sheet = PageControl3->widget(index);
    for (QWidget *w : sheet->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisibleTo(sheet) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !qobject_cast<QPushButton *>(w)) {
            w->setFocus();
            return;
        }
    }
}

void Table2Page::endWizard() {
    Label86->setVisible(false);
    RichEdit2->setVisible(false);
    PageControl3->setEnabled(false);
    PageControl3->setVisible(false);
    PageControl3->setCurrentIndex(0);
    Button3->setEnabled(true);
    Button1->setEnabled(false);
}

void Table2Page::Button3Click() {
    ClearTable2Answers(m_answers);
    ResetTable2Controls();
    // The owner list follows the general page as it stands at each start; it is
    // built before the first summary, which shows its first entry.
    ComboBox18->clear();
    ComboBox18->addItems(m_form.ownerList());
    ComboBox18->setCurrentIndex(0);
    Label86->setVisible(true);
    RichEdit2->setVisible(true);
    RefreshTable2Summary();
    PageControl3->setEnabled(true);
    PageControl3->setVisible(true);
    showStep(0);
    prefectures->select(0);

    // Only supplementary and revoking declarations say what kind of change the row is.
    const bool askChange = m_form.declarationKind() != 0;
    BitBtn70->setVisible(askChange);
    BitBtn58->setVisible(!askChange);
    if (askChange)
        ComboBox19->setCurrentIndex(kNewProperty);

    Button3->setEnabled(false);
    Button1->setEnabled(true);
}

void Table2Page::Button1Click() { endWizard(); }

void Table2Page::abandonRow() {
    endWizard();
    ClearTable2Answers(m_answers);
    RichEdit2->clear();
}

void Table2Page::ResetTable2Controls() {
    prefectures->select(0);
    ComboBoxProsopsi->setCurrentIndex(0);
    CheckBox7->setChecked(false);
    EditDistanceFromSea->clear();
    ComboBox24->setCurrentIndex(kNo);
    ComboBox25->setCurrentIndex(kNo);
    for (QLineEdit *area : areaFields())
        area->clear();
    EdittotalMM2->clear();
    ComboBox1->setCurrentIndex(0);
    EditPercentage2->clear();
    EditYearOfBirthEpik2->clear();
    ComboBox18->setCurrentIndex(0);
    ComboBox19->setCurrentIndex(kNewProperty);
    CheckBox8->setChecked(false);
    m_answers.municipalityTyped = false;
    EditUserDimos2->clear();
    // The street fields of step 3 are reset when step 2 is passed with a listed municipality.
}

void Table2Page::BitBtn44Click() {
    if (!m_location->choosePrefecture())
        return;
    RefreshTable2Summary();
    showStep(1);
}

void Table2Page::BitBtn43Click() {
    if (!m_location->chooseMunicipality())
        return;
    RefreshTable2Summary();
    showStep(2);
}

void Table2Page::BitBtn61Click() {
    if (m_location->chooseStreet() != LocationSteps::StreetChoice::Chosen)
        return;
    RefreshTable2Summary();
    showStep(3);
}

void Table2Page::CheckBox7Click(bool blind) {
    Label58->setVisible(!blind);
    ComboBoxProsopsi->setVisible(!blind);
}

void Table2Page::BitBtn62Click() {
    m_answers.FrontageCode =
        CheckBox7->isChecked() ? kBlindPlot : QString::number(ComboBoxProsopsi->currentIndex() + 1);
    RefreshTable2Summary();
    showStep(4);
}

void Table2Page::BitBtn63Click() {
    ApplyExitRule(EditDistanceFromSea);
    const QString distance = EditDistanceFromSea->text();
    if (!distance.isEmpty()) {
        // A text that is no number (only pasting gets one there) is no distance either.
        const std::optional<double> metres = ReadDecimal(distance);
        if (!metres || *metres > 800) {
            refuse(QStringLiteral("Παρακαλώ εισάγετε μια απόσταση μικρότερη των 800 μέτρων ή αφήστε κενό το πεδίο"));
            return;
        }
    }
    m_answers.DistanceFromSea = distance;
    RefreshTable2Summary();
    showStep(5);
}

void Table2Page::BitBtn64Click() {
    m_answers.Expropriable = ComboBox24->currentIndex() == 0;
    m_answers.Irrigated = ComboBox25->currentIndex() == 0;
    RefreshTable2Summary();
    showStep(6);
}

void Table2Page::BitBtn65Click() {
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
    m_answers.MonoMM = EditMonoMM->text();
    m_answers.PolyMMElies = EditPolyMMElies->text();
    m_answers.PolyMMLoipes = EditPolyMMLoipes->text();
    m_answers.MMBosko = EditMMBosko->text();
    m_answers.MMDasiki = EditMMDasiki->text();
    m_answers.MMMetal = EditMMMetal->text();
    m_answers.MMParking = EditMMParking->text();
    RefreshTable2Summary();
    showStep(7);
}

void Table2Page::BitBtn66Click() {
    ApplyExitRule(EdittotalMM2);
    if (EdittotalMM2->text() == QLatin1String(","))
        EdittotalMM2->clear();
    if (!NumbersAccepted({EdittotalMM2}))
        return;
    m_answers.TotalMM = EdittotalMM2->text();
    RefreshTable2Summary();
    showStep(8);
}

void Table2Page::BitBtn67Click() {
    m_answers.TypeOfOwn = QString::number(ComboBox1->currentIndex() + 1);
    RefreshTable2Summary();
    showStep(9);
}

void Table2Page::BitBtn68Click() {
    ApplyExitRule(EditPercentage2);
    const QString share = EditPercentage2->text();
    if (!PercentageAccepted(share)) {
        refuse(QStringLiteral("Παρακαλώ γράψτε το ποσοστό συνιδιοκτησίας σας στο αγρ/χιο (<=100)"));
        EditPercentage2->setFocus();
        return;
    }
    m_answers.Percentage = share;
    RefreshTable2Summary();
    showStep(m_answers.TypeOfOwn != kFullOwnership ? 10 : 11);
}

void Table2Page::BitBtn69Click() {
    const QString year = EditYearOfBirthEpik2->text();
    if (m_answers.TypeOfOwn != kFullOwnership && year.isEmpty()) {
        refuse(QStringLiteral("Η συμπλήρωση είναι υποχρεωτική, γιατί δεν έχετε Πλήρη Κυριότητα στο αγρ/χιο"));
        EditYearOfBirthEpik2->setFocus();
        return;
    }
    if (!year.isEmpty() && !YearWithin(year, 1880, QDate::currentDate().year())) {
        refuse(QStringLiteral("Γράψτε ένα έτος γέννησης με τέσσερα ψηφία, μεγαλύτερο από το 1880"));
        EditYearOfBirthEpik2->setFocus();
        return;
    }
    m_answers.YearOfBirthEpik = year;
    RefreshTable2Summary();
    showStep(11);
}

void Table2Page::ResolveOwnerCode() {
    // Computed from the chosen entry every time, so the code always names the
    // person the text names; an entry without a code keeps the previous one.
    const QString code = d7::ResolveOwnerCode(ComboBox18->currentIndex(), ComboBox18->currentText());
    if (!code.isEmpty())
        m_answers.OwnerCode = code;
    m_answers.OwnerText = ComboBox18->currentText();
}

void Table2Page::BitBtn70Click() {
    ResolveOwnerCode();
    RefreshTable2Summary();
    showStep(12);
}

void Table2Page::Table2StepBack() { showStep(PageControl3->currentIndex() - 1); }

void Table2Page::BitBtn55Click() { showStep(m_answers.TypeOfOwn != kFullOwnership ? 10 : 9); }

void Table2Page::BitBtn58Click() {
    ResolveOwnerCode();
    StoreTable2Row(false);
}

void Table2Page::BitBtn2Click() { StoreTable2Row(true); }

QStringList Table2Page::Table2SummaryLines() const {
    const Table2Answers &a = m_answers;
    const QString rule(51, QLatin1Char('-'));
    QStringList lines = {
        SummaryLine(QStringLiteral("ΝΟΜΟΣ: "), 3, ComboBoxNomos2->currentText()),
        SummaryLine(QStringLiteral("ΔΗΜΟΣ/ΔΙΑΜ./ΚΟΙΝΟΤΗΤΑ: "), 1, a.municipalityName),
        SummaryLine(QStringLiteral("ΟΔΟΣ - ΘΕΣΗ: "), 3, a.streetName),
        SummaryLine(QStringLiteral("ΑΡΙΘΜΟΣ: "), 3, a.streetNumber),
    };
    if (a.FrontageCode != kBlindPlot)
        lines << SummaryLine(QStringLiteral("ΤΟ ΑΓΡΟΤΕΜΑΧΙΟ ΕΧΕΙ ΠΡΟΣΟΨΗ ΣΕ: "), 0, ComboBoxProsopsi->currentText());
    else
        lines << QStringLiteral("ΤΟ ΑΓΡΟΤΕΜΑΧΙΟ ΕΙΝΑΙ ΤΥΦΛΟ");
    lines << SummaryLine(QStringLiteral("ΑΠΟΣΤΑΣΗ ΑΠΟ ΘΑΛΑΣΣΑ: "), 2, EditDistanceFromSea->text());
    if (a.Expropriable)
        lines << QStringLiteral("Η ΕΚΤΑΣΗ ΕΙΝΑΙ ΑΠΑΛΛΟΤΡΙΩΤΕΑ ");
    if (a.Irrigated)
        lines << QStringLiteral("Η ΕΚΤΑΣΗ ΕΙΝΑΙ ΑΡΔΕΥΟΜΕΝΗ ");
    lines << QStringLiteral("Επιφάνεια αγροτεμαχίου, κατανεμημένη σε κατηγορίες:") << rule
          << SummaryLine(QStringLiteral("Μονοετής καλλιέργεια: "), 4, EditMonoMM->text())
          << SummaryLine(QStringLiteral("Πολυετής καλλιέργεια με ελιές: "), 3, EditPolyMMElies->text())
          << SummaryLine(QStringLiteral("Πολυετής καλλιέργεια με  λοιπές δενδροκαλλιέργειες: "), 0,
                         EditPolyMMLoipes->text())
          << SummaryLine(QStringLiteral("Βοσκότοπος: "), 5, EditMMBosko->text())
          << SummaryLine(QStringLiteral("Δασική έκταση: "), 5, EditMMDasiki->text())
          << SummaryLine(QStringLiteral("Μεταλλευτική ή λατομική: "), 3, EditMMMetal->text())
          << SummaryLine(QStringLiteral("Υπαίθρια έκθεση ή χώρος στάθμευσης: "), 2, EditMMParking->text()) << rule
          << SummaryLine(QStringLiteral("ΣΥΝΟΛΙΚΗ ΕΠΙΦΑΝΕΙΑ ΚΤΙΣΜΑΤΩΝ: "), 1, EdittotalMM2->text())
          << SummaryLine(QStringLiteral("ΕΧΕΤΕ ΤΟ ΑΓΡΟΤΕΜΑΧΙΟ ΚΑΤΑ: "), 2, ComboBox1->currentText())
          << SummaryLine(QStringLiteral("ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ: "), 2, EditPercentage2->text() + QStringLiteral(" %"));
    if (a.TypeOfOwn != kFullOwnership)
        lines << SummaryLine(QStringLiteral("ΕΤΟΣ ΓΕΝΝΗΣΗΣ ΕΠΙΚΑΡΠΩΤΗ: "), 2, EditYearOfBirthEpik2->text());
    lines << SummaryLine(QStringLiteral("ΤΟ ΑΚΙΝΗΤΟ ΑΝΗΚΕΙ: "), 3, ComboBox18->currentText());
    return lines;
}

void Table2Page::RefreshTable2Summary() { RichEdit2->setPlainText(Table2SummaryLines().join(QLatin1Char('\n'))); }

void Table2Page::StoreTable2Row(bool withChange) {
    RefreshTable2Summary();
    const QString question = StoreConfirmation(
        QStringLiteral("Έχετε δηλώσει τα ακόλουθα στοιχεία για αυτό το αγροτεμάχιο. Θέλετε να συνεχίσετε με την αποθήκευση;"),
        SummaryText(RichEdit2->toPlainText().split(QLatin1Char('\n'))), !withChange);
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
        {8, a.FrontageCode},
        {9, a.DistanceFromSea},
        {10, mark(a.Expropriable)},
        {11, mark(a.Irrigated)},
        {12, a.MonoMM},
        {13, a.PolyMMElies},
        {14, a.PolyMMLoipes},
        {15, a.MMBosko},
        {16, a.MMDasiki},
        {17, a.MMMetal},
        {18, a.MMParking},
        {19, a.TotalMM},
        {20, a.TypeOfOwn},
        {21, a.Percentage},
        // A full owner has no usufructuary, whatever year was typed before.
        {22, a.TypeOfOwn == kFullOwnership ? QStringLiteral("") : a.YearOfBirthEpik},
        {23, a.OwnerCode},
        {24, a.OwnerText},
    };
    if (withChange)
        values.append({25, QString::number(ComboBox19->currentIndex())});
    values.append({26, m_form.m_currentTaxNumber});
    if (StoreWizardRow(*m_form.m_newRowData, QStringLiteral("select * from table2 where cd<0"), values,
                       *m_form.m_table2Rows,
                       DeclarationQuery(QStringLiteral("select * from table2 where AFMYpox='"), m_form.m_currentTaxNumber)))
        endWizard();
}

}  // namespace d7
