// The Table 2 wizard, driven through its controls, and the row it stores.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "widgets/DataGrid.h"
#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "declaration/Declaration.h"
#include "widgets/PairedList.h"
#include "widgets/StringGrid.h"
#include "pages/general/GeneralPage.h"
#include "pages/wizard/WizardSupport.h"
#include "pages/table2/Table2Page.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kTax = QStringLiteral("090000045");
// Texts whole, as the page has them, so that a search for one finds both.
const QString kQuestion = QStringLiteral("Έχετε δηλώσει τα ακόλουθα στοιχεία για αυτό το αγροτεμάχιο. Θέλετε να συνεχίσετε με την αποθήκευση;");
const QString kWarning = QStringLiteral("ΠΡΟΣΟΧΗ: Μετά την αποθήκευση δεν μπορείτε να κάνετε αλλαγές στα στοιχεία του ακινήτου. Σε περίπτωση λάθους θα πρέπει να διαγράψετε το ακίνητο και να το επανεισάγετε");
const QString kNotANumber = QStringLiteral("Το πεδίο πρέπει να περιέχει αριθμό. Παρακαλώ διορθώστε το");
// The "Επόμενο" buttons of steps 1 to 12.
const char *const kNexts[] = {"BitBtn44", "BitBtn43", "BitBtn61", "BitBtn62", "BitBtn63", "BitBtn64",
                              "BitBtn65", "BitBtn66", "BitBtn67", "BitBtn68", "BitBtn69", "BitBtn70"};
// The area fields in the order of their captions.
const char *const kAreaFields[] = {"EditMonoMM",   "EditPolyMMElies", "EditPolyMMLoipes", "EditMMBosko",
                                   "EditMMDasiki", "EditMMMetal",     "EditMMParking"};

// What pressing a button said, and how many beeps came with it.
struct Outcome { QStringList messages; int beeps; };

// A main window with an open declaration, its Table 2 page at hand.
struct Wizard {
    ScratchFolder folder;
    std::unique_ptr<MainWindow> form;
    Table2Page *page;

    explicit Wizard(int declarationKind = 0) {
        form = MakeMainWindow();
        page = form->table2Page();
        form->openDeclaration(kTax);
        form->findChild<QComboBox *>("ComboBoxType")->setCurrentIndex(declarationKind);
    }
    template <class W = QWidget>
    W *w(const char *name) const { return Control<W>(form.get(), name); }
    QLineEdit *edit(const char *name) const { return w<QLineEdit>(name); }
    QComboBox *list(const char *name) const { return w<QComboBox>(name); }
    Table2Answers &answers() const { return form->table2Page()->answers(); }
    int step() const { return page->m_steps->currentIndex() + 1; }
    // No row under way: only the start button, the steps out of reach and back on the first.
    bool idle() const {
        const Table2Page *p = page;
        return p->m_startRowButton->isEnabled() && !p->m_cancelRowButton->isEnabled() && p->m_steps->isHidden() &&
               !p->m_steps->isEnabled() && p->m_summaryCaption->isHidden() && p->m_summary->isHidden() && step() == 1;
    }
    // A row under way: the steps and the summary shown, only cancel to press.
    bool running() const {
        const Table2Page *p = page;
        return !p->m_startRowButton->isEnabled() && p->m_cancelRowButton->isEnabled() && !p->m_steps->isHidden() &&
               p->m_steps->isEnabled() && !p->m_summaryCaption->isHidden() && !p->m_summary->isHidden();
    }

    // Presses a button, confirming every plain message it shows.
    Outcome press(const char *button) {
        ModalAnswerer robot;
        robot.ok().ok();
        const int before = BeepCount();
        w<QPushButton>(button)->click();
        return {robot.texts, BeepCount() - before};
    }
    // A refusal: one message, the wizard stays on its step.
    bool refuses(const char *button, const QString &message, bool beep) {
        const int at = step();
        const Outcome o = press(button);
        return o.messages == QStringList{message} && o.beeps == (beep ? 1 : 0) && step() == at;
    }
    // Answers the step (a text for a field, a position for a list, a tick for
    // a box), then presses a button that must go on without a word; gives the
    // step it lands on.
    int next(const char *button, std::initializer_list<std::pair<const char *, QVariant>> given = {}) {
        for (const auto &[name, value] : given) {
            if (auto *line = qobject_cast<QLineEdit *>(w(name)))
                line->setText(value.toString());
            else if (auto *choice = qobject_cast<QComboBox *>(w(name)))
                choice->setCurrentIndex(value.toInt());
            else
                w<QCheckBox>(name)->setChecked(value.toBool());
        }
        const Outcome o = press(button);
        if (!o.messages.isEmpty())
            QTest::qFail(qPrintable(o.messages.join('|')), __FILE__, __LINE__);
        return step();
    }
    // The answers of the earlier steps of a plain plot: ΑΘΗΝΩΝ, ΑΘΗΝΑΙΩΝ, the
    // fifth street, ... the kind of right given, ... up to the given step.
    void reach(int target, int kindOfRight = 0) {
        press("Button3");
        while (step() < target) {
            const int s = step();
            if (s == 3)
                list("ComboBoxDromos2")->setCurrentIndex(4);
            if (s == 7)
                edit("EditMonoMM")->setText("1000");
            if (s == 9)
                list("ComboBox1")->setCurrentIndex(kindOfRight);
            if (s == 10)
                edit("EditPercentage2")->setText("50");
            next(kNexts[s - 1]);
            if (step() == s)
                QFAIL("the wizard did not move on");
        }
    }
    void addChild(const QString &surname) {
        form->declaration().children().insert();
        form->declaration().children().setFieldByName("Surname", surname);
        form->declaration().children().setFieldByName("AFMYpox", kTax);
        form->declaration().children().post();
    }
    void showPage() {
        form->setStartHintPending(false);
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        // shown as is: the page-switch rule would check the (empty) general data first
        QSignalBlocker quiet(form->pages());
        form->pages()->setCurrentIndex(2);
    }
};

QStringList entries(const QComboBox *box) {
    QStringList l;
    for (int i = 0; i < box->count(); ++i)
        l << box->itemText(i);
    return l;
}

QString rule(int n) { return QString(n, QLatin1Char('-')); }

// Values 1 to 26 of each stored row as text, null as "<null>".
QList<QStringList> storedRows() { return StoredRows(QStringLiteral("select * from table2")); }

}  // namespace

class Table2Test : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(!QApplication::activeModalWidget()); }

    void restsWithItsTextsAndLooksLikeTheTable1Wizard() {
        Wizard z;
        const QList<std::pair<const char *, QString>> captions = {
            {"Label102", "Επιλέξτε \"Εισαγωγή νέου αγροτεμαχίου\" για να ξεκινήσετε την εισαγωγή στοιχείων για ένα αγροτεμάχιό σας."},
            {"Button3", "Εισαγωγή νέου αγροτεμαχίου"}, {"Button1", "Ακύρωση"}, {"Label86", "Έχετε εισάγει:"},
            {"Label51", "Επιλέξτε το Νομό του αγροτεμαχίου:"},
            {"Label52", "Συμβουλή: Πληκτρολογήστε τα πρώτα γράμματα του νομού που σας ενδιαφέρει για να μετακινηθείτε στη λίστα"},
            {"Label110", "Σημείωση: Ο νομός Αττικής έχει διαχωριστεί στις Νομαρχίες Αθηνών, Ανατ. Αττικής, Δυτ. Αττικής και Πειραιώς"},
            {"Label53", "Επιλέξτε το Δήμο/Διαμέρισμα/Κοινότητα του αγροτεμαχίου:"},
            {"Label54", "Συμβουλή: Πληκτρολογήστε τα πρώτα γράμματα του δήμου που σας ενδιαφέρει για να μετακινηθείτε στη λίστα"},
            {"Label109", "Σημείωση: Στη λίστα που εμφανίζεται περιέχονται και ονομασίες περιοχών, τις οποίες μπορείτε να επιλέξετε"},
            {"Label111", "Προσπαθήστε να βρείτε το δήμο/διαμ./κοινότητα από τη λίστα πριν εισάγετε δικό σας, ώστε να επωφεληθείτε από τις πληροφορίες οδών που υπάρχουν στη βάση της εφαρμογής. "},
            {"Label112", "Γράψτε το Δήμο/Διαμέρισμα/Κοινότητα του Ακινήτου:"},
            {"CheckBox8", "Δε βρίσκω το Δήμο/Διαμέρισμα/Κοινότητα"},
            {"Label55", "Επιλέξτε την οδό του αγροτεμαχίου:"}, {"Label56", "Γράψτε την οδό/θέση του αγροτεμαχίου:"},
            {"Label57", "Γράψτε τον αριθμό:"}, {"CheckBox6", "Δε βρίσκω το δρόμο"},
            {"Label58", "Το αγροτεμάχιο έχει πρόσοψη σε:"}, {"CheckBox7", "Το αγροτεμάχιο είναι τυφλό"},
            {"Label59", "Γράψτε την απόσταση του αγροτεμαχίου από τη θάλασσα:"},
            {"Label60", "Αναγράψτε τα μέτρα που απέχει το αγροτεμάχιο από τη θάλασσα, εφόσον η απόσταση είναι μικρότερη των 800 μέτρων"},
            {"Label61", "H εδαφική έκταση είναι απαλλοτριωτέα;"},   // a Latin H, as on the form
            {"Label62", "H εδαφική έκταση είναι αρδευόμενη;"},
            {"Label63", "Επιφάνεια αγροτεμαχίου, κατανεμημένη σε κατηγορίες"},
            {"Label64", "Γράψτε την επιφάνεια σε τετραγωνικά μέτρα "},
            {"Label65", "Μονοετής καλλιέργεια:"}, {"Label66", "Πολυετής καλλιέργεια με ελιές:"},
            {"Label67", "Πολυετής καλλιέργεια με  λοιπές δενδροκαλλιέργειες:"}, {"Label68", "Βοσκότοπος:"},
            {"Label69", "Δασική έκταση:"}, {"Label70", "Μεταλλευτική ή λατομική:"},
            {"Label71", "Υπαίθρια έκθεση ή χώρος στάθμευσης:"},
            {"Label116", "Για πληροφορίες σχετικά με τη συμπλήρωση των παραπάνω πεδίων δείτε στο μενού 'Βοήθεια' - 'Βοήθεια για το D7' - 'Ειδικές Οδηγίες για τη συμπλήρωση του D7'"},
            {"Label72", "Γράψτε τη συνολική επιφάνεια κτισμάτων που βρίσκονται στο αγρ/χιο και έχουν αναγραφεί στον Πίνακα 1:"},
            {"Label73", "Γράψτε την επιφάνεια σε τετραγωνικά μέτρα"}, {"Label74", "Έχετε το αγροτεμάχιο κατά:"},
            {"Label75", "Γράψτε το ποσοστό συνιδιοκτησίας στο αγροτεμάχιο:"},
            {"Label76", "Γράψτε το ποσοστό συνιδιοκτησίας στο ακίνητο και μέχρι πέντε δεκαδικά ψηφία"},
            {"Label84", "%"}, {"Label77", "Γράψτε το έτος γέννησης του επικαρπωτή του αγροτεμαχίου:"},
            {"Label95", "Γράψτε το έτος με 4 ψηφία"}, {"Label78", "Το ακίνητο ανήκει:"},
            {"Label91", "Στη λίστα εμφανίζονται  όσα άτομα έχετε δηλώσει στα ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ. Τα στοιχεία της λίστας ανανεώνονται κάθε φορά που πατάτε 'Εισαγωγή νέου αγροτεμαχίου'"},
            {"Label79", "Πρόκειται για:"},
            {"Label80", "Η στήλη αυτή συμπληρώνεται μόνο σε περιπτώσεις συμπληρωματικών ή ανακλητικών δηλώσεων ακινήτων"},
            {"BitBtn58", "Αποθήκευση"}, {"BitBtn2", "Αποθήκευση"},
        };
        for (const auto &[name, text] : captions) {
            QObject *o = z.form->findChild<QObject *>(name);
            QVERIFY2(o, name);
            const QString shown = qobject_cast<QLabel *>(o) ? static_cast<QLabel *>(o)->text()
                                                            : static_cast<QAbstractButton *>(o)->text();
            QCOMPARE(shown, text);
        }
        // Every step but the first goes back, every step but the last goes on.
        for (int i = 45; i <= 56; ++i)
            QCOMPARE(z.w<QPushButton>(qPrintable(QStringLiteral("BitBtn%1").arg(i)))->text(),
                     QStringLiteral("Προηγούμενο"));
        for (const char *next : kNexts)
            QCOMPARE(z.w<QPushButton>(next)->text(), QStringLiteral("Επόμενο"));
        QVERIFY(!z.page->m_prefectureStep->findChildren<QPushButton *>().contains(z.page->m_municipalityBack));

        QCOMPARE(entries(z.list("ComboBoxProsopsi")),
                 QStringList({"ΕΘΝΙΚΗ ή ΕΠΑΡΧΙΑΚΗ ΟΔΟ", "ΔΗΜΟΤΙΚΗ ή ΚΟΙΝΟΤΙΚΗ ΟΔΟ ή ΕΝΤΟΣ ΑΙΓΙΑΛΟΥ ΚΑΙ ΠΑΡΑΛΙΑΣ",
                              "ΑΓΡΟΤΙΚΗ ή ΙΔΙΩΤΙΚΗ ΟΔΟ ή ΕΚΤΟΣ ΑΙΓΙΑΛΟΥ ΚΑΙ ΠΑΡΑΛΙΑΣ"}));
        for (const char *yesNo : {"ComboBox24", "ComboBox25"}) {
            QCOMPARE(entries(z.list(yesNo)), QStringList({"NAI", "OXI"}));   // Latin capitals
            QCOMPARE(z.list(yesNo)->currentText(), QStringLiteral("OXI"));
        }
        QCOMPARE(entries(z.list("ComboBox1")), QStringList({"ΠΛΗΡΗ ΚΥΡΙΟΤΗΤΑ", "ΨΙΛΗ ΚΥΡΙΟΤΗΤΑ", "ΕΠΙΚΑΡΠΙΑ Η ΟΙΚΗΣΗ"}));
        QCOMPARE(entries(z.list("ComboBox19")), QStringList({"", "ΝΕΟ ΑΚΙΝΗΤΟ", "ΜΕΤΑΒΟΛΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ",
                                                             "ΔΙΑΓΡΑΦΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ"}));
        for (const char *area : kAreaFields)
            QCOMPARE(z.edit(area)->maxLength(), 10);
        const QList<std::pair<const char *, int>> lengths = {
            {"EditNo2", 10}, {"EditDistanceFromSea", 6}, {"EdittotalMM2", 10}, {"EditPercentage2", 8},
            {"EditYearOfBirthEpik2", 4}};
        for (const auto &[name, length] : lengths)
            QCOMPARE(z.edit(name)->maxLength(), length);

        // Idle: only the start button; the steps are out of reach and show no tabs.
        QVERIFY(z.idle());
        Table2Page *p = z.page;
        QVERIFY(!p->m_tabCover->isHidden());
        QCOMPARE(p->m_steps->count(), 13);
        for (int i = 0; i < 13; ++i)
            QCOMPARE(p->m_steps->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
        QVERIFY(p->m_steps->tabBar()->isHidden());
        QCOMPARE(p->m_summary->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        for (const char *later : {"Label112", "EditUserDimos2", "Label56", "EditStreet2", "ComboBox21", "ComboBox22",
                                  "ComboBox23"})
            QVERIFY2(z.w(later)->isHidden(), later);

        // It looks like the Table 1 wizard: the same frame, the same step buttons
        // with the same icons, the same summary box, the same type for questions and hints.
        const QWidget *one = z.w("TabSheetArray1");
        const std::pair<const char *, const char *> twins[] = {
            {"Button2", "Button3"},     {"btnCancel", "Button1"}, {"Label101", "Label102"},
            {"PageControl2", "PageControl3"}, {"Label85", "Label86"}, {"RichEdit1", "RichEdit2"},
            {"BitBtn3", "BitBtn45"},    {"BitBtn5", "BitBtn43"},  {"BitBtn4", "BitBtn2"},
            {"Label11", "Label51"},     {"Label12", "Label52"}};
        for (const auto &[first, second] : twins) {
            const QWidget *a = one->findChild<QWidget *>(first);
            const QWidget *b = z.page->findChild<QWidget *>(second);
            QVERIFY2(a && b, first);
            QVERIFY2(a->font() == b->font(), first);
            if (!qobject_cast<const QLabel *>(a))   // texts are as long as they are
                QVERIFY2(a->geometry() == b->geometry(), first);
            else
                QVERIFY2(a->geometry().topLeft() == b->geometry().topLeft(), first);
            if (auto *button = qobject_cast<const QPushButton *>(a))
                QCOMPARE(button->icon().pixmap(16).toImage(),
                         static_cast<const QPushButton *>(b)->icon().pixmap(16).toImage());
        }
        QVERIFY(Control<QLabel>(one, "Label11")->font().bold() && !Control<QLabel>(one, "Label12")->font().bold());
        const auto *summary1 = Control<QPlainTextEdit>(one, "RichEdit1");
        const QPlainTextEdit *summary2 = z.page->m_summary;
        QCOMPARE(summary1->lineWrapMode(), summary2->lineWrapMode());
        QCOMPARE(summary1->tabStopDistance(), summary2->tabStopDistance());
        QCOMPARE(summary1->verticalScrollBarPolicy(), summary2->verticalScrollBarPolicy());
        QVERIFY(summary1->isReadOnly() && summary2->isReadOnly());
        // The step buttons of both: icons on all, Enter on each presses it.
        QList<QPushButton *> buttons = Control(one, "PageControl2")->findChildren<QPushButton *>();
        buttons += z.page->m_steps->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 40 + 26);   // on the twenty steps of Table 1 and the thirteen of Table 2
        for (const QPushButton *b : buttons) {
            QVERIFY2(b->autoDefault(), qPrintable(b->objectName()));
            QVERIFY2(!b->icon().isNull(), qPrintable(b->objectName()));
        }
    }

    // On screen each step shows its controls inside the page and below the band
    // over the tab strip, none over another and no text cut off, the typed
    // alternatives too; so does the frame around the steps.
    // Steps change only through their buttons, with their checks: Enter presses
    // the focused step button, or else the page's default after the field's
    // exit rule; the page control's own page keys never turn a step; and Tab
    // visits the area fields in the order of their captions.
    void showsCleanStepsTurnedOnlyByTheirButtons() {
        Wizard z;
        z.showPage();
        z.press("Button3");
        QStringList faults = StepFaults(z.page->m_steps, z.page->m_tabCover);
        z.page->m_municipalityTypedBox->setChecked(true);
        z.page->m_streetTypedBox->setChecked(true);
        faults += StepFaults(z.page->m_steps, z.page->m_tabCover, {z.page->m_municipalityStep, z.page->m_streetStep});
        faults += LayoutFaults(z.page, z.page->rect(), {z.page->m_tabCover});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));

        z.press("Button1");
        z.reach(3);
        z.page->m_streetBack->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(z.page->m_streetBack));
        QTest::keyClick(z.page->m_streetBack, Qt::Key_Return);
        QCOMPARE(z.step(), 2);

        z.w<QCheckBox>("CheckBox8")->setChecked(true);
        QLineEdit *typed = z.edit("EditUserDimos2");
        typed->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(typed));
        for (const QKeyCombination keys : {Qt::ControlModifier | Qt::Key_Tab,
                                           Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Backtab,
                                           Qt::ControlModifier | Qt::Key_PageDown,
                                           Qt::ControlModifier | Qt::Key_PageUp}) {
            QTest::keyClick(typed, keys.key(), keys.keyboardModifiers());
            QCOMPARE(z.step(), 2);
        }
        // The same on the Table 1 steps, which share the mechanism.
        auto *steps1 = z.w<QTabWidget>("PageControl2");
        const int at = steps1->currentIndex();
        QTest::keyClick(steps1, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(steps1, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(steps1->currentIndex(), at);

        // A lone comma of distance confirmed with Enter is emptied before it is compared.
        z.next("BitBtn43", {{"CheckBox8", false}});
        z.next("BitBtn61");
        z.next("BitBtn62");
        QLineEdit *distance = z.edit("EditDistanceFromSea");
        distance->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(distance));
        TypeText(distance, ",");
        QCOMPARE(distance->text(), QStringLiteral(","));
        ModalAnswerer robot;
        QTest::keyClick(distance, Qt::Key_Return);
        QCOMPARE(robot.texts, QStringList());
        QCOMPARE(z.step(), 6);
        QCOMPARE(distance->text(), QString());

        z.next("BitBtn64");
        for (int i = 1; i < int(std::size(kAreaFields)); ++i) {
            QWidget *w = z.edit(kAreaFields[i - 1])->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible())
                w = w->nextInFocusChain();
            QCOMPARE(w->objectName(), QString::fromLatin1(kAreaFields[i]));
        }
    }

    // An initial declaration: listed municipality and street, twelve steps, store with the warning.
    void storesTheRowOfAnInitialDeclarationAfterAWarning() {
        Wizard z;
        z.form->generalPage()->m_spouseGrid->setCellText(3, 1, QStringLiteral("ΓΕΩΡΓΙΟΥ ΝΙΚΟΣ"));
        for (const char *child : {"Α", "Β", "Γ"})
            z.addChild(QString::fromUtf8(child));
        z.press("Button3");
        QVERIFY(z.running() && z.step() == 1);
        QCOMPARE(entries(z.list("ComboBox18")),
                 QStringList({"ΣΤΟΝ ΥΠΟΧΡΕΟ", "ΣΤΗ ΣΥΖΥΓΟ", "ΣΤΟ 1 ΠΑΙΔΙ", "ΣΤΟ 2 ΠΑΙΔΙ", "ΣΤΟ 3 ΠΑΙΔΙ"}));
        QVERIFY(z.page->m_ownerNext->isHidden() && !z.page->m_ownerStore->isHidden());

        z.next("BitBtn44");   // the first prefecture and municipality, as they stand
        z.next("BitBtn43");
        QVERIFY(!z.page->m_streetNames->isHidden() && !z.page->m_streetTypedBox->isHidden());
        z.next("BitBtn61", {{"ComboBoxDromos2", 4}, {"EditNo2", "12Α"}});   // the fifth street, with its own code
        z.next("BitBtn62", {{"ComboBoxProsopsi", 1}});
        z.next("BitBtn63", {{"EditDistanceFromSea", "800"}});
        z.next("BitBtn64", {{"ComboBox24", 0}});
        // recorded as the field shows it after the exit rule
        z.next("BitBtn65", {{"EditMonoMM", "1500,50"}, {"EditMMBosko", "200"}});
        QCOMPARE(z.edit("EditMonoMM")->text(), QStringLiteral("1500,5"));
        z.next("BitBtn66", {{"EdittotalMM2", "120"}});
        z.next("BitBtn67", {{"ComboBox1", 1}});
        QCOMPARE(z.next("BitBtn68", {{"EditPercentage2", "100"}}), 11);
        QCOMPARE(z.next("BitBtn69", {{"EditYearOfBirthEpik2", "1880"}}), 12);
        z.list("ComboBox18")->setCurrentIndex(3);

        const QString summary = QStringLiteral(
            "ΝΟΜΟΣ: \t\t\tΑΘΗΝΩΝ\r\n"
            "ΔΗΜΟΣ/ΔΙΑΜ./ΚΟΙΝΟΤΗΤΑ: \tΑΘΗΝΑΙΩΝ\r\n"
            "ΟΔΟΣ - ΘΕΣΗ: \t\t\tΕΡΜΟΥ\r\n"
            "ΑΡΙΘΜΟΣ: \t\t\t12Α\r\n"
            "ΤΟ ΑΓΡΟΤΕΜΑΧΙΟ ΕΧΕΙ ΠΡΟΣΟΨΗ ΣΕ: ΔΗΜΟΤΙΚΗ ή ΚΟΙΝΟΤΙΚΗ ΟΔΟ ή ΕΝΤΟΣ ΑΙΓΙΑΛΟΥ ΚΑΙ ΠΑΡΑΛΙΑΣ\r\n"
            "ΑΠΟΣΤΑΣΗ ΑΠΟ ΘΑΛΑΣΣΑ: \t\t800\r\n"
            "Η ΕΚΤΑΣΗ ΕΙΝΑΙ ΑΠΑΛΛΟΤΡΙΩΤΕΑ \r\n"
            "Επιφάνεια αγροτεμαχίου, κατανεμημένη σε κατηγορίες:\r\n") +
            rule(51) + QStringLiteral("\r\n"
            "Μονοετής καλλιέργεια: \t\t\t\t1500,5\r\n"
            "Πολυετής καλλιέργεια με ελιές: \t\t\t\r\n"
            "Πολυετής καλλιέργεια με  λοιπές δενδροκαλλιέργειες: \r\n"
            "Βοσκότοπος: \t\t\t\t\t200\r\n"
            "Δασική έκταση: \t\t\t\t\t\r\n"
            "Μεταλλευτική ή λατομική: \t\t\t\r\n"
            "Υπαίθρια έκθεση ή χώρος στάθμευσης: \t\t\r\n") +
            rule(51) + QStringLiteral("\r\n"
            "ΣΥΝΟΛΙΚΗ ΕΠΙΦΑΝΕΙΑ ΚΤΙΣΜΑΤΩΝ: \t120\r\n"
            "ΕΧΕΤΕ ΤΟ ΑΓΡΟΤΕΜΑΧΙΟ ΚΑΤΑ: \t\tΨΙΛΗ ΚΥΡΙΟΤΗΤΑ\r\n"
            "ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ: \t\t100 %\r\n"
            "ΕΤΟΣ ΓΕΝΝΗΣΗΣ ΕΠΙΚΑΡΠΩΤΗ: \t\t1880\r\n"
            "ΤΟ ΑΚΙΝΗΤΟ ΑΝΗΚΕΙ: \t\t\tΣΤΟ 2 ΠΑΙΔΙ\r\n");
        ModalAnswerer robot;
        robot.yes();
        z.w<QPushButton>("BitBtn58")->click();
        QCOMPARE(robot.texts, QStringList{kQuestion + "\r" + summary + "\r" + rule(44) + "\r" + kWarning});

        QCOMPARE(StoredRows("select count(cd) from table2"), QList<QStringList>{{"1"}});   // the row identifier
        QCOMPARE(storedRows(),
                 QList<QStringList>({{"ΑΘΗΝΩΝ", "01", "ΑΘΗΝΑΙΩΝ", "1005", "ΕΡΜΟΥ", "4", "12Α", "2", "800", "X", " ",
                                      "1500,5", "", "", "200", "", "", "", "120", "2", "100", "1880", "4",
                                      "ΣΤΟ 2 ΠΑΙΔΙ", "<null>", kTax}}));

        // The wizard is over and the summary page lists the row at once.
        QVERIFY(z.idle());
        auto *grid = z.w<DataGrid>("DBGrid3");
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->model()->index(0, 2).data().toString(), QStringLiteral("ΕΡΜΟΥ"));
    }

    // A supplementary declaration: typed municipality, blind plot, full ownership, step 13.
    void storesTheKindOfEntryOfASupplementaryDeclaration() {
        Wizard z(1);
        z.press("Button3");
        QVERIFY(!z.page->m_ownerNext->isHidden() && z.page->m_ownerStore->isHidden());
        z.next("BitBtn44");
        z.w<QCheckBox>("CheckBox8")->setChecked(true);
        QVERIFY(z.page->m_municipalityNames->isHidden() && z.page->m_municipalityListLabel->isHidden());
        QVERIFY(!z.page->m_typedMunicipality->isHidden() && !z.page->m_municipalityTypedLabel->isHidden());
        QVERIFY(z.refuses("BitBtn43", "Παρακαλώ γράψτε ένα δήμο - διαμ/σμα - κοινότητα", true));
        z.next("BitBtn43", {{"EditUserDimos2", "ΚΑΛΥΒΙΩΝ"}});
        // only the typed street, whatever the street page showed before
        QVERIFY(z.page->m_streetNames->isHidden() && z.page->m_streetTypedBox->isHidden());
        QVERIFY(!z.page->m_typedStreet->isHidden() && !z.page->m_streetTypedLabel->isHidden());
        z.next("BitBtn61", {{"EditStreet2", "ΘΕΣΗ ΛΑΚΚΑ"}});
        z.list("ComboBoxProsopsi")->setCurrentIndex(2);
        z.w<QCheckBox>("CheckBox7")->setChecked(true);
        QVERIFY(z.page->m_frontage->isHidden() && z.page->m_frontageQuestion->isHidden());
        z.next("BitBtn62");
        z.next("BitBtn63", {{"EditDistanceFromSea", "0"}});   // a zero distance is no distance
        QCOMPARE(z.edit("EditDistanceFromSea")->text(), QString());
        z.next("BitBtn64");
        z.next("BitBtn65", {{"EditMMParking", "0,5"}});
        z.next("BitBtn66");
        // a usufruct first, with its year; then back to full ownership
        z.next("BitBtn67", {{"ComboBox1", 2}});
        z.next("BitBtn68", {{"EditPercentage2", "33,33333"}});
        QCOMPARE(z.next("BitBtn69", {{"EditYearOfBirthEpik2", "1950"}}), 12);
        QCOMPARE(z.next("BitBtn55"), 11);
        z.next("BitBtn54");
        QCOMPARE(z.next("BitBtn53"), 9);
        z.next("BitBtn67", {{"ComboBox1", 0}});
        QCOMPARE(z.next("BitBtn68"), 12);   // no year for a full owner
        QVERIFY(!z.page->m_summary->toPlainText().contains(QStringLiteral("ΕΤΟΣ ΓΕΝΝΗΣΗΣ")));
        QCOMPARE(z.next("BitBtn55"), 10);
        z.next("BitBtn68");
        QCOMPARE(z.next("BitBtn70"), 13);
        QCOMPARE(z.list("ComboBox19")->currentText(), QStringLiteral("ΝΕΟ ΑΚΙΝΗΤΟ"));
        z.list("ComboBox19")->setCurrentIndex(0);

        ModalAnswerer robot;
        robot.yes();
        z.w<QPushButton>("BitBtn2")->click();
        QCOMPARE(robot.texts.size(), 1);
        const QString asked = robot.texts[0];
        QVERIFY(asked.startsWith(kQuestion + "\rΝΟΜΟΣ: \t\t\tΑΘΗΝΩΝ\r\nΔΗΜΟΣ/ΔΙΑΜ./ΚΟΙΝΟΤΗΤΑ: \tΚΑΛΥΒΙΩΝ\r\n"));
        QVERIFY(asked.contains("\r\nΤΟ ΑΓΡΟΤΕΜΑΧΙΟ ΕΙΝΑΙ ΤΥΦΛΟ\r\nΑΠΟΣΤΑΣΗ ΑΠΟ ΘΑΛΑΣΣΑ: \t\t\r\nΕπιφάνεια"));
        QVERIFY(asked.endsWith("ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ: \t\t33,33333 %\r\nΤΟ ΑΚΙΝΗΤΟ ΑΝΗΚΕΙ: \t\t\tΣΤΟΝ ΥΠΟΧΡΕΟ\r\n"));

        QCOMPARE(storedRows(),
                 QList<QStringList>({{"ΑΘΗΝΩΝ", "01", "ΚΑΛΥΒΙΩΝ", "", "ΘΕΣΗ ΛΑΚΚΑ", "0", "", "4", "", " ", " ", "",
                                      "", "", "", "", "", "0,5", "", "1", "33,33333", "", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", "0",
                                      kTax}}));
        QVERIFY(z.idle());
    }

    // Each place step refuses to go on with nothing chosen; a municipality
    // without streets, or the tick box, has the street typed, with the code 0.
    void choosesThePlaceFromItsListsOrHasTheStreetTyped() {
        Wizard z;
        z.press("Button3");
        z.page->m_prefectures->clear();   // an empty list leaves nothing chosen
        QVERIFY(z.refuses("BitBtn44", "Παρακαλώ επιλέξτε ένα νομό", true));
        z.page->m_prefectures->append(QStringLiteral("ΑΘΗΝΩΝ"), QStringLiteral("01"));
        z.page->m_prefectures->select(0);
        z.next("BitBtn44");
        z.page->m_municipalities->clear();
        QVERIFY(z.refuses("BitBtn43", "Παρακαλώ επιλέξτε ένα δήμο - διαμ/σμα - κοινότητα", true));
        z.next("BitBtn45");
        z.next("BitBtn44");   // passing step 1 again rebuilds the list
        QCOMPARE(z.page->m_municipalities->count(), 5);
        z.next("BitBtn43");
        z.page->m_streets->clear();
        QVERIFY(z.refuses("BitBtn61", "Παρακαλώ επιλέξτε μία οδό", true));

        // ΒΥΡΩΝΟΣ has no streets: straight to the typed street, without the tick box
        z.next("BitBtn46");
        z.next("BitBtn43", {{"ComboBoxDimos2", 1}});
        QVERIFY(z.page->m_streetTypedBox->isHidden() && z.page->m_streetNames->isHidden() &&
                z.page->m_streetListLabel->isHidden());
        QVERIFY(!z.page->m_typedStreet->isHidden() && !z.page->m_streetTypedLabel->isHidden());
        z.page->m_streetNext->setFocus();
        QVERIFY(z.refuses("BitBtn61", "Παρακαλώ γράψτε την οδό/θέση του αγροτεμαχίου", true));
        QCOMPARE(z.form->focusWidget(), static_cast<QWidget *>(z.edit("EditStreet2")));
        z.next("BitBtn61", {{"EditStreet2", "ΑΓΙΟΣ ΓΕΩΡΓΙΟΣ"}, {"EditNo2", "7"}});
        QCOMPARE(z.answers().streetCode, QStringLiteral("0"));
        QCOMPARE(z.answers().municipalityCode, QStringLiteral("1010"));

        // Back to a municipality with streets: the list again, the typed fields emptied
        z.next("BitBtn47");
        z.next("BitBtn46");
        z.next("BitBtn43", {{"ComboBoxDimos2", 0}});
        QVERIFY(!z.page->m_streetNames->isHidden() && !z.page->m_streetTypedBox->isHidden());
        QVERIFY(z.page->m_typedStreet->isHidden());
        QCOMPARE(z.edit("EditStreet2")->text(), QString());
        QCOMPARE(z.edit("EditNo2")->text(), QString());
        QCOMPARE(z.list("ComboBox23")->currentIndex(), 0);
        // a street typed under a listed municipality keeps the municipality's code
        z.w<QCheckBox>("CheckBox6")->setChecked(true);
        QVERIFY(z.page->m_streetNames->isHidden() && !z.page->m_typedStreet->isHidden());
        z.next("BitBtn61", {{"EditStreet2", "ΝΕΑ ΟΔΟΣ"}});
        QCOMPARE(z.answers().streetCode, QStringLiteral("0"));
        QCOMPARE(z.answers().streetName, QStringLiteral("ΝΕΑ ΟΔΟΣ"));
        QCOMPARE(z.answers().municipalityCode, QStringLiteral("1005"));
        // unticked, the chosen street is read with its code
        z.next("BitBtn47");
        z.next("BitBtn61", {{"CheckBox6", false}, {"ComboBoxDromos2", 2}});
        QCOMPARE(z.answers().streetName, QStringLiteral("ΑΚΑΔΗΜΙΑΣ"));
        QCOMPARE(z.answers().streetCode, QStringLiteral("1"));
    }

    // Number fields take only their keys and tidy the number when left; the
    // areas step needs one area, and numbers only.
    void numberFieldsFilterKeysTidyOnLeavingAndMustHoldNumbers() {
        Wizard z;
        z.reach(7);   // the steps take no keys until a row is begun
        // What is typed, what the field takes and how many keys it refuses with a beep.
        QList<std::tuple<const char *, QString, QString, int>> typing = {
            {"EditYearOfBirthEpik2", "19,5α0", "1950", 2},
            {"EditNo2", "12Α,β", "12Α,β", 0}};   // the number is free text
        for (const char *decimal : {"EditDistanceFromSea", "EdittotalMM2", "EditPercentage2"})
            typing.append({decimal, "1x,2,", "1,2", 2});   // the letter and the second comma
        for (const char *area : kAreaFields)
            typing.append({area, "1x,2,", "1,2", 2});
        for (const auto &[name, typed, taken, beeps] : typing) {
            const int before = BeepCount();
            TypeText(z.edit(name), typed);
            QCOMPARE(z.edit(name)->text(), taken);
            QCOMPARE(BeepCount() - before, beeps);
        }

        // Leaving a field normalises it with its own pattern.
        const QList<std::tuple<const char *, QString, QString>> exits = {
            {"EditDistanceFromSea", "0,001", ""},   // 0, then emptied
            {"EditDistanceFromSea", "12,345", "12,35"},
            {"EditMonoMM", "0,001", "0"},            // areas keep a zero
            {"EdittotalMM2", "007", "7"},
            {"EditPercentage2", "0,123456", "0,12346"},
            {"EditPercentage2", "5", "5"},
        };
        for (const auto &[name, typed, left] : exits) {
            z.edit(name)->setText(typed);
            QFocusEvent out(QEvent::FocusOut);
            QApplication::sendEvent(z.edit(name), &out);
            QCOMPARE(z.edit(name)->text(), left);
        }

        for (int i = 0; i < int(std::size(kAreaFields)); ++i)
            z.edit(kAreaFields[i])->setText(i % 2 ? "," : (i == 2 ? "00" : "0"));
        QVERIFY(z.refuses("BitBtn65", "Πρέπει να εισάγετε στοιχεία σε ένα τουλάχιστον πεδίο", false));
        for (const char *area : kAreaFields)
            QCOMPARE(z.edit(area)->text(), QString());
        QCOMPARE(z.answers().annualCropsSurface, QString());
        // pasted text that is not a number is refused and left for the user to correct
        z.edit("EditMMDasiki")->setText("0,5");
        z.edit("EditMMMetal")->setText("12 στρ.");
        QVERIFY(z.refuses("BitBtn65", kNotANumber, true));
        QCOMPARE(z.edit("EditMMMetal")->text(), QStringLiteral("12 στρ."));
        QCOMPARE(z.form->focusWidget(), static_cast<QWidget *>(z.edit("EditMMMetal")));
        QCOMPARE(z.answers().forestSurface, QString());
        z.next("BitBtn65", {{"EditMMMetal", ""}});
        QCOMPARE(z.answers().forestSurface, QStringLiteral("0,5"));
    }

    // The distance, the buildings' total, the share and the year refuse what is
    // out of bounds with their message and a beep, the answer left as it was
    // (the cursor back in the field where the step says so), and take their
    // bounds; a lone comma is no number and is recorded as nothing.
    void refusesValuesOutsideTheirBounds() {
        const int thisYear = QDate::currentDate().year();
        struct Bounds {
            int step, kindOfRight;   // the step of the field, reached with this kind of right
            const char *field, *next, *back;
            QString message;
            bool focusField;
            QStringList refused, accepted;
            QString Table2Answers::*answer;
            int after;   // the step an accepted value leads to
        };
        const Bounds cases[] = {
            {5, 0, "EditDistanceFromSea", "BitBtn63", "BitBtn49",
             QStringLiteral("Παρακαλώ εισάγετε μια απόσταση μικρότερη των 800 μέτρων ή αφήστε κενό το πεδίο"),
             false, {"800,01", "8a"}, {"800", ""}, &Table2Answers::distanceFromSea, 6},   // 8a: pasted
            {8, 0, "EdittotalMM2", "BitBtn66", "BitBtn52", kNotANumber, true, {"1.200"}, {",", "0"},
             &Table2Answers::totalBuildingsSurface, 9},
            {10, 0, "EditPercentage2", "BitBtn68", "BitBtn55",
             QStringLiteral("Παρακαλώ γράψτε το ποσοστό συνιδιοκτησίας σας στο αγρ/χιο (<=100)"), true,
             {"", ",", "0", "0,000001", "100,0001", "250"}, {"100"}, &Table2Answers::ownershipPercentage,
             12},   // a full owner is asked no year
            {11, 1, "EditYearOfBirthEpik2", "BitBtn69", "BitBtn55",
             QStringLiteral("Η συμπλήρωση είναι υποχρεωτική, γιατί δεν έχετε Πλήρη Κυριότητα στο αγρ/χιο"), true,
             {""}, {}, &Table2Answers::usufructBirthYear, 12},
            {11, 1, "EditYearOfBirthEpik2", "BitBtn69", "BitBtn55",
             QStringLiteral("Γράψτε ένα έτος γέννησης με τέσσερα ψηφία, μεγαλύτερο από το 1880"), true,
             {"1879", QString::number(thisYear + 1), "188"}, {"1880", QString::number(thisYear)},
             &Table2Answers::usufructBirthYear, 12},
        };
        for (const Bounds &c : cases) {
            Wizard z;
            z.reach(c.step, c.kindOfRight);
            QCOMPARE(z.step(), c.step);
            for (const QString &refused : c.refused) {
                z.edit(c.field)->setText(refused);
                z.w(c.next)->setFocus();
                QVERIFY2(z.refuses(c.next, c.message, true), qPrintable(refused));
                if (c.focusField)
                    QCOMPARE(z.form->focusWidget(), static_cast<QWidget *>(z.edit(c.field)));
            }
            QCOMPARE(z.answers().*c.answer, QString());
            for (const QString &accepted : c.accepted) {
                QCOMPARE(z.next(c.next, {{c.field, accepted}}), c.after);
                QCOMPARE(z.answers().*c.answer, accepted == "," ? QString() : accepted);
                z.next(c.back);
            }
        }
    }

    void goingBackRecordsNothing() {
        Wizard z;
        z.reach(6);
        const QString summary = z.page->m_summary->toPlainText();
        QCOMPARE(z.next("BitBtn49", {{"ComboBox24", 0}}), 5);
        QCOMPARE(z.next("BitBtn48", {{"EditDistanceFromSea", "15"}}), 4);
        QCOMPARE(z.page->m_summary->toPlainText(), summary);
        QVERIFY(!z.answers().expropriable);
        QCOMPARE(z.answers().distanceFromSea, QString());
        // forward again re-runs the steps with what the controls hold
        z.next("BitBtn62");
        z.next("BitBtn63");
        z.next("BitBtn64");
        QVERIFY(z.answers().expropriable);
        QVERIFY(z.page->m_summary->toPlainText().contains(QStringLiteral("ΑΠΟΣΤΑΣΗ ΑΠΟ ΘΑΛΑΣΣΑ: \t\t15\n")));
    }

    // Answering No, or a write that fails, stores nothing and leaves the
    // wizard on its step with its answers; Yes then stores the row once.
    void storesTheRowOnlyAfterYesAndAGoodWrite() {
        for (const bool failingWrite : {false, true}) {
            Wizard z;
            z.reach(12);
            if (failingWrite)
                z.form->declaration().store().execute(
                    "CREATE TRIGGER no_room BEFORE INSERT ON TABLE2 BEGIN SELECT RAISE(ABORT, 'disk full'); END");
            {
                ModalAnswerer robot;
                failingWrite ? robot.yes().ok() : robot.no();
                z.w<QPushButton>("BitBtn58")->click();
                QCOMPARE(robot.texts.size(), failingWrite ? 2 : 1);
                if (failingWrite)
                    QCOMPARE(robot.texts[1], QStringLiteral("Υπήρξε κάποιο λάθος κατά την αποθήκευση.Παρακαλώ προσπαθήστε ξανά"));
            }
            QVERIFY(storedRows().isEmpty());
            QCOMPARE(z.step(), 12);
            QVERIFY(z.running());
            QCOMPARE(z.answers().annualCropsSurface, QStringLiteral("1000"));
            QCOMPARE(z.answers().ownerCode, QStringLiteral("1"));
            QVERIFY(!z.form->findChild<Dataset *>(QStringLiteral("ADODataSet5"))->isEditing());

            if (failingWrite)
                z.form->declaration().store().execute("DROP TRIGGER no_room");
            ModalAnswerer robot;
            robot.yes();
            z.w<QPushButton>("BitBtn58")->click();
            QCOMPARE(robot.texts.size(), 1);
            const auto rows = storedRows();
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows[0].at(11), QStringLiteral("1000"));
            QVERIFY(z.idle());
            QCOMPARE(z.form->declaration().table2Rows().recordCount(), 1);
        }
    }

    // Once the row is stored, a failing reopen of the kept-open rows is shown as
    // the error it is and the store counts as done: a second try would store it twice.
    void countsTheRowAsStoredWhenOnlyTheReopenFails() {
        Wizard z;
        Dataset keptOpen(&z.form->declaration().store());
        ModalAnswerer robot;
        robot.ok();
        QVERIFY(StoreWizardRow(
            [&] { z.form->declaration().appendRow(DeclarationTable::Table2, {{1, kTax}, {2, "ΑΘΗΝΩΝ"}}); },
            [&] { Reopen(keptOpen, "select * from no_such_table"); }));
        QCOMPARE(robot.texts.size(), 1);
        QVERIFY2(robot.texts[0].contains("no_such_table"), qPrintable(robot.texts[0]));
        QCOMPARE(storedRows().size(), 1);
    }

    void startingAgainAfterCancelForgetsThePreviousRow() {
        Wizard z;
        z.reach(3);
        z.next("BitBtn61", {{"CheckBox6", true}, {"EditStreet2", "ΤΑΔΕ"}, {"EditNo2", "3"}});
        z.next("BitBtn62", {{"CheckBox7", true}});
        z.next("BitBtn63", {{"EditDistanceFromSea", "40"}});
        z.next("Button1", {{"ComboBox25", 0}, {"CheckBox8", true}, {"EditUserDimos2", "ΧΩΡΙΟ"}});
        QVERIFY(z.idle());
        QCOMPARE(z.answers().distanceFromSea, QStringLiteral("40"));   // kept until the next start

        z.addChild(QStringLiteral("ΝΕΟ"));   // the owner list follows the general page at each start
        z.press("Button3");
        QCOMPARE(z.answers().distanceFromSea + z.answers().streetName + z.answers().frontageCode, QString());
        QCOMPARE(z.edit("EditDistanceFromSea")->text(), QString());
        QVERIFY(!z.w<QCheckBox>("CheckBox7")->isChecked() && !z.page->m_frontage->isHidden());
        QCOMPARE(z.list("ComboBox25")->currentText(), QStringLiteral("OXI"));
        QVERIFY(!z.w<QCheckBox>("CheckBox8")->isChecked() && !z.answers().municipalityTyped);
        QVERIFY(!z.page->m_municipalityNames->isHidden() && z.page->m_typedMunicipality->isHidden());
        QCOMPARE(z.edit("EditUserDimos2")->text(), QString());
        QCOMPARE(entries(z.list("ComboBox18")), QStringList({"ΣΤΟΝ ΥΠΟΧΡΕΟ", "ΣΤΟ 1 ΠΑΙΔΙ"}));
        // the street fields wait for step 2
        QVERIFY(z.w<QCheckBox>("CheckBox6")->isChecked());
        QCOMPARE(z.edit("EditStreet2")->text(), QStringLiteral("ΤΑΔΕ"));
        QCOMPARE(z.edit("EditNo2")->text(), QStringLiteral("3"));
        // a fresh summary shows the controls' start values
        const QStringList lines = z.page->m_summary->toPlainText().split('\n');
        QCOMPARE(lines.size(), 21);
        QCOMPARE(lines.at(4), QStringLiteral("ΤΟ ΑΓΡΟΤΕΜΑΧΙΟ ΕΧΕΙ ΠΡΟΣΟΨΗ ΣΕ: ΕΘΝΙΚΗ ή ΕΠΑΡΧΙΑΚΗ ΟΔΟ"));
        QCOMPARE(lines.at(17), QStringLiteral("ΕΧΕΤΕ ΤΟ ΑΓΡΟΤΕΜΑΧΙΟ ΚΑΤΑ: \t\tΠΛΗΡΗ ΚΥΡΙΟΤΗΤΑ"));
        QCOMPARE(lines.at(18), QStringLiteral("ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ: \t\t %"));
        QCOMPARE(lines.at(19), QStringLiteral("ΕΤΟΣ ΓΕΝΝΗΣΗΣ ΕΠΙΚΑΡΠΩΤΗ: \t\t"));   // no right chosen yet
        z.next("BitBtn44");
        z.next("BitBtn43");
        QVERIFY(!z.w<QCheckBox>("CheckBox6")->isChecked());
        QCOMPARE(z.edit("EditStreet2")->text(), QString());
    }
};

D7_TEST_MAIN(Table2Test)
#include "test_table2.moc"
