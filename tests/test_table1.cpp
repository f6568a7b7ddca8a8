// The Table 1 wizard driven through its controls, and the row it stores.
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <tuple>

#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "declaration/Declaration.h"
#include "widgets/PairedList.h"
#include "widgets/StringGrid.h"
#include "pages/general/GeneralPage.h"
#include "pages/table1/Table1Answers.h"
#include "pages/table1/Table1Page.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kTax = QStringLiteral("123456789");
const QString kNull = QStringLiteral("<NULL>");
const QString kQuestion =
    QStringLiteral("Έχετε δηλώσει τα ακόλουθα στοιχεία για αυτό το ακίνητο. Θέλετε να συνεχίσετε με την αποθήκευση;");
const QString kWarning = QStringLiteral("ΠΡΟΣΟΧΗ: Μετά την αποθήκευση δεν μπορείτε να κάνετε αλλαγές στα στοιχεία του "
                                        "ακινήτου. Σε περίπτωση λάθους θα πρέπει να διαγράψετε το ακίνητο και να το "
                                        "επανεισάγετε");
const QString kStoreFailed = QStringLiteral("Υπήρξε κάποιο λάθος κατά την αποθήκευση.Παρακαλώ προσπαθήστε ξανά");
const QString kPercentage = QStringLiteral("Παρακαλώ γράψτε το ποσοστό συνιδιοκτησίας σας στο ακίνητο (<=100)");
const QString kBirthRequired =
    QStringLiteral("Η συμπλήρωση είναι υποχρεωτική, γιατί δεν έχετε Πλήρη Κυριότητα στο ακίνητο");
const QString kBirthYear = QStringLiteral("Γράψτε ένα έτος γέννησης με τέσσερα ψηφία, μεγαλύτερο από το 1880");
const QString kRule = QString(33, QLatin1Char('_'));

int thisYear() { return QDate::currentDate().year(); }

// A main window on the fixture database with a declaration open on the Table 1 page.
struct Wizard {
    ScratchFolder folder;
    std::unique_ptr<MainWindow> form;
    Table1Page *page = nullptr;

    explicit Wizard(int declarationKind = 0, bool spouse = false, int children = 0) {
        form = MakeMainWindow();
        form->setStartHintPending(false);
        form->openDeclaration(kTax);
        form->generalPage()->m_declarationKind->setCurrentIndex(declarationKind);
        if (spouse)
            form->generalPage()->m_spouseGrid->setCellText(1, 1, QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΥ"));
        for (int n = 1; n <= children; ++n) {
            form->declaration().children().insert();
            form->declaration().children().setFieldByName(QStringLiteral("Surname"), QStringLiteral("ΠΑΙΔΙ %1").arg(n));
            form->declaration().children().setFieldByName(QStringLiteral("AFMYpox"), kTax);
            form->declaration().children().post();
        }
        form->show();
        QApplication::setActiveWindow(form.get());
        {
            // Shown directly: the rule of switching pages (validation, storing) is not under test here.
            const QSignalBlocker quiet(form->pages());
            form->pages()->setCurrentIndex(1);
        }
        page = form->table1Page();
    }

    template <class T = QWidget>
    T *get(const char *name) const { return Control<T>(form.get(), name); }
    void click(const char *button) { QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton); }
    void click(std::initializer_list<const char *> buttons) {
        for (const char *button : buttons)
            click(button);
    }
    // A choice of the user's, as the mouse or the keyboard makes it.
    void pick(const char *list, int index) {
        auto *box = get<QComboBox>(list);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    void type(const char *field, const QString &text) {
        auto *edit = get<QLineEdit>(field);
        edit->setFocus();
        edit->clear();
        TypeText(edit, text);
    }
    void tick(const char *box, bool ticked = true) { get<QCheckBox>(box)->setChecked(ticked); }
    // Types into the field, or picks the entry of the list, then presses the button.
    void answer(const char *field, const QString &text, const char *button) {
        type(field, text);
        click(button);
    }
    void answer(const char *list, int index, const char *button) {
        pick(list, index);
        click(button);
    }
    QString step() const { return page->m_steps->currentWidget()->objectName(); }
    QStringList summary() const { return page->m_summary->toPlainText().split(QLatin1Char('\n')); }
    const Table1Answers &answers() const { return form->table1Page()->answers(); }

    // Prefecture ΑΘΗΝΩΝ, municipality ΑΘΗΝΑΙΩΝ, street ΑΚΑΔΗΜΙΑΣ number 12; on Step4.
    void listedStreet() {
        click({"Button2", "BitBtn1", "BitBtn5"});
        pick("ComboBox5", 2);
        answer("EditNo", "12", "BitBtn6");
    }
    // No street known: from the start to Step7 through Step6.
    void withoutStreets() {
        click({"Button2", "BitBtn1", "BitBtn5"});
        tick("CheckBox2");
        click({"BitBtn6", "BitBtn13"});
    }
    // From Step7: the category at that index, no special conditions, the ground floor.
    void category(int index) {
        pick("ComboBox16", index);
        click({"BitBtn15", "BitBtn17"});
        if (!answers().plotOnly)
            click("BitBtn19");
    }
    // From Step10: a building under full ownership of 100 %; on Step15.
    void wholeBuilding() {
        type("EditMainMM", "80");
        type("EditYearOfConstruction", "1990");
        click({"BitBtn21", "BitBtn25"});
        answer("EditPercentage", "100", "BitBtn27");
    }
    // From Step15: a plot of 200 m² owned whole; on Step20.
    void wholePlot() {
        type("EditOikMM", "200");
        click({"BitBtn39", "BitBtn40"});
        type("EditPercentageOik", "100");
        click({"BitBtn41", "BitBtn31"});
    }
    // The shortest row: no street, the first category, a whole building and plot; on Step20.
    void toOwner() {
        withoutStreets();
        category(0);
        wholeBuilding();
        wholePlot();
    }

    // Presses a Next button expecting it to refuse with the message: one beep, same step.
    void refused(const char *button, const QString &message) {
        const QString before = step();
        const int beeps = BeepCount();
        ModalAnswerer robot;
        robot.ok();
        click(button);
        QCOMPARE(robot.pending(), 0);
        QCOMPARE(robot.texts, QStringList{message});
        QCOMPARE(BeepCount() - beeps, 1);
        QCOMPARE(step(), before);
    }
    // Each text refused in the field, the focus back in it.
    void refused(const char *field, const QStringList &texts, const char *button, const QString &message) {
        for (const QString &text : texts) {
            type(field, text);
            refused(button, message);
            QTRY_COMPARE(form->focusWidget(), get(field));
        }
    }
    // Presses the button expecting no beep and the given step.
    void goesTo(const char *button, const QString &nextStep) {
        const int beeps = BeepCount();
        click(button);
        QCOMPARE(BeepCount(), beeps);
        QCOMPARE(step(), nextStep);
    }

    // The declaration's stored Table 1 rows, each as 37 texts (NULL marked).
    QList<QStringList> storedRows() const {
        Dataset rows(&form->declaration().store());
        rows.setCommandText(QStringLiteral("select * from table1"));
        rows.open();
        QList<QStringList> out;
        for (rows.first(); !rows.eof(); rows.next()) {
            QStringList row;
            for (int i = 0; i < rows.fieldCount(); ++i)
                row << (rows.isNull(i) ? kNull : rows.text(i));
            out << row;
        }
        return out;
    }
    // Presses the button, answers "Ναι" to its question and returns the question.
    QString confirm(const char *button) {
        ModalAnswerer robot;
        robot.yes();
        click(button);
        return robot.pending() == 0 && robot.texts.size() == 1 ? robot.texts.first() : QString();
    }
};

QString confirmation(const QStringList &lines, bool warning) {
    QString text = kQuestion + QLatin1Char('\r');
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    if (warning)
        text += QLatin1Char('\r') + QString(44, QLatin1Char('-')) + QLatin1Char('\r') + kWarning;
    return text;
}

QStringList items(const QComboBox *box) {
    QStringList l;
    for (int i = 0; i < box->count(); ++i)
        l << box->itemText(i);
    return l;
}

}  // namespace

class Table1Test : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(!QApplication::activeModalWidget()); }

    // Each step shows its controls inside the page and below the band over
    // the tab strip, none over another and no text cut off, the typed
    // alternatives too; so does the frame around the steps.
    void showsItsTextsLaidOutCleanlyAndWaitsIdleForARow() {
        Wizard w;
        const QList<std::pair<const char *, QString>> texts = {
            {"Button2", "Εισαγωγή νέου οικ./κτίσματος"},
            {"btnCancel", "Ακύρωση"},
            {"Label101", "Επιλέξτε \"Εισαγωγή νέου οικ./κτίσματος\" για να ξεκινήσετε την εισαγωγή στοιχείων για ένα "
                         "ακίνητό σας."},
            {"Label85", "Έχετε εισάγει:"},
            {"Label11", "Επιλέξτε το Νομό του ακινήτου:"},
            {"Label105", "Γράψτε το Δήμο/Διαμέρισμα/Κοινότητα του Ακινήτου:"},
            {"CheckBox3", "Δε βρίσκω το Δήμο/Διαμέρισμα/Κοινότητα"},
            {"CheckBox1", "Δε βρίσκω το δρόμο"},
            {"CheckBox2", "Δε γνωρίζω οδούς για το ακίνητο"},
            {"CheckBox5", "Δε βρίσκω ή θέλω να αλλάξω τους δρόμους του τετραγώνου"},
            {"CheckBox4", "Δε χρειάζεται να εισάγω στοιχεία οικοπέδου"},
            {"Label18", "Το ακίνητο έχει πρόσοψη σε αυτόν το δρόμο;"},
            {"Label24", "3η Οδός:"},
            {"Label22", "Πρόσοψη:"},
            {"Label27", "Tο ακίνητο είναι:"},   // a Latin T
            {"Label89", "Είδος Εμπ/του  Δικαιώματος"},
            {"Label35", "Γράψτε το ποσοστό συνιδιοκτησίας  στο ακίνητο:"},
            {"Label32", "Γράψτε την επιφάνεια σε τετραγωνικά μέτρα "},
            {"Label42", "ΟΙΚΟΠΕΔΟ"},
            {"Label90", "Στη λίστα εμφανίζονται  όσα άτομα έχετε δηλώσει στα ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ. Τα στοιχεία της λίστας "
                        "ανανεώνονται κάθε φορά που πατάτε 'Εισαγωγή νέου ακινήτου'"},
            {"BitBtn1", "Επόμενο"},
            {"BitBtn3", "Προηγούμενο"},
            {"BitBtn33", "Επόμενο"},
            {"BitBtn57", "Αποθήκευση"},
            {"BitBtn4", "Αποθήκευση"},
        };
        for (const auto &[name, text] : texts)
            QCOMPARE(w.get(name)->property("text").toString(), text);
        QStringList order;
        for (int i = 0; i < w.page->m_steps->count(); ++i)
            order << w.page->m_steps->widget(i)->objectName();
        QCOMPARE(order, QStringList({"Step1", "Step2", "Step3", "Step4", "Step5", "Step6", "Step7", "Step8", "Step9",
                                     "Step10", "Step12", "Step13", "Step14", "Step15", "Step16", "Step17", "Step18",
                                     "Step19", "Step20", "Step21", "TabSheet14"}));
        QVERIFY(!w.page->m_steps->tabBar()->isVisible());
        QCOMPARE(w.get("Panel1")->width(), w.page->m_steps->width());
        QCOMPARE(items(w.get<QComboBox>("ComboBox13")), QStringList({"NAI", "OXI"}));   // Latin letters
        QCOMPARE(items(w.get<QComboBox>("ComboBoxKataOik")),
                 QStringList({"ΠΛΗΡΗ ΚΥΡΙΟΤΗΤΑ", "ΨΙΛΗ ΚΥΡΙΟΤΗΤΑ", "ΕΠΙΚΑΡΠΙΑ Η ΟΙΚΗΣΗ"}));
        QCOMPARE(items(w.get<QComboBox>("ComboBoxKindOf")),
                 QStringList({"", "ΝΕΟ ΑΚΙΝΗΤΟ", "ΜΕΤΑΒΟΛΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ", "ΔΙΑΓΡΑΦΗ ΥΠΑΡΧΟΝΤΟΣ ΑΚΙΝΗΤΟΥ"}));
        const QList<std::pair<const char *, int>> lengths = {
            {"EditNo", 10},  {"EditMainMM", 10},        {"EditHelpMM", 10},        {"EditYearOfConstruction", 4},
            {"EditOikMM", 10}, {"EditPercentage", 8}, {"EditPercentageOik", 8}, {"EditYearOfBirthEpikOik", 4},
            {"EditTotalMM", 10}, {"EditYearOfBirthEpik", 4}};
        for (const auto &[name, length] : lengths)
            QCOMPARE(w.get<QLineEdit>(name)->maxLength(), length);
        auto *summary = w.get<QPlainTextEdit>("RichEdit1");
        QVERIFY(summary->isReadOnly());
        QCOMPARE(summary->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        // Idle: nothing but the button that begins a row.
        QVERIFY(!w.page->m_steps->isVisible() && !w.page->m_steps->isEnabled());
        QVERIFY(!summary->isVisible() && !w.get("Label85")->isVisible());
        QVERIFY(w.get("Button2")->isEnabled() && !w.get("btnCancel")->isEnabled());

        w.click("Button2");
        QStringList faults = StepFaults(w.page->m_steps, w.page->m_tabCover);
        for (const char *typed : {"CheckBox3", "CheckBox1", "CheckBox5"})
            w.tick(typed);
        faults += StepFaults(w.page->m_steps, w.page->m_tabCover,
                             {w.page->m_municipalityStep, w.page->m_streetStep, w.page->m_blockStreetsStep});
        faults += LayoutFaults(w.page, w.page->rect(), {w.page->m_tabCover});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));
    }

    // An initial declaration stores from the owner step; the others go on to the kind of entry.
    void startingARowOffersTheStoreTheDeclarationsKindNeeds() {
        for (int kind : {0, 1, 2}) {
            Wizard w(kind);
            w.click("Button2");
            QVERIFY(w.page->m_steps->isVisible() && w.page->m_steps->isEnabled());
            QVERIFY(w.get("RichEdit1")->isVisible() && w.get("Label85")->isVisible());
            QVERIFY(!w.get("Button2")->isEnabled() && w.get("btnCancel")->isEnabled());
            QCOMPARE(w.step(), QStringLiteral("Step1"));
            QCOMPARE(w.get<QComboBox>("ComboBox2")->currentText(), QStringLiteral("01"));
            const bool initial = kind == 0;
            QCOMPARE(w.page->m_steps->isTabVisible(w.page->m_steps->indexOf(w.page->m_kindOfEntryStep)), !initial);
            QCOMPARE(w.page->m_ownerNext->isVisibleTo(w.page->m_ownerStep), !initial);
            QCOMPARE(w.page->m_ownerStore->isVisibleTo(w.page->m_ownerStep), initial);
            QCOMPARE(w.get<QComboBox>("ComboBoxKindOf")->currentText(), QStringLiteral("ΝΕΟ ΑΚΙΝΗΤΟ"));
        }
    }

    void storesEveryAnswerOfAFullRowAndClosesTheWizard() {
        Wizard w;
        w.listedStreet();
        QCOMPARE(w.step(), QStringLiteral("Step4"));
        w.goesTo("BitBtn7", "Step5");
        QVERIFY(w.get("ComboBox7")->isVisible() && !w.get("Edit1")->isVisible());
        QVERIFY(!w.get("ComboBox9")->isEnabled() && !w.get("ComboBox11")->isEnabled());
        w.pick("ComboBox7", 4);   // ΣΤΑΔΙΟΥ
        w.pick("ComboBox9", 3);   // ΕΡΜΟΥ
        w.pick("ComboBox13", 0);
        w.answer("ComboBox15", 0, "BitBtn11");
        w.answer("EditOT", "55", "BitBtn13");
        w.answer("ComboBox16", 0, "BitBtn15");
        w.answer("ComboBoxSpecial", 1, "BitBtn17");
        w.answer("ComboBoxFloor", 2, "BitBtn19");   // code "02"
        w.type("EditMainMM", "85,50");
        w.type("EditHelpMM", "10");
        w.answer("EditYearOfConstruction", "1998", "BitBtn21");
        w.answer("ComboBoxKata", 1, "BitBtn25");
        w.answer("EditPercentage", "50", "BitBtn27");
        QCOMPARE(w.step(), QStringLiteral("Step14"));
        w.answer("EditYearOfBirthEpik", "1950", "BitBtn29");
        w.answer("EditOikMM", "300", "BitBtn39");
        w.answer("ComboBoxKataOik", 2, "BitBtn40");
        w.answer("EditPercentageOik", "25", "BitBtn41");
        QCOMPARE(w.step(), QStringLiteral("Step18"));
        w.answer("EditYearOfBirthEpikOik", "1945", "BitBtn42");
        w.answer("EditTotalMM", "120", "BitBtn31");
        QCOMPARE(w.step(), QStringLiteral("Step20"));

        const QStringList lines = {
            "ΝΟΜΟΣ: \t\tΑΘΗΝΩΝ", "ΔΗΜΟΣ/ΔΙΑΜ./ΚΟΙΝΟΤΗΤΑ: ΑΘΗΝΑΙΩΝ", "ΟΔΟΣ: \t\t\tΑΚΑΔΗΜΙΑΣ", "ΑΡΙΘΜΟΣ: \t\t12",
            "ΠΡΟΣΟΨΗ: \t\tNAI", "2Η ΟΔΟΣ: \t\tΣΤΑΔΙΟΥ", "ΠΡΟΣΟΨΗ: \t\tNAI", "3Η ΟΔΟΣ: \t\tΕΡΜΟΥ",
            "ΠΡΟΣΟΨΗ: \t\tOXI", "4Η ΟΔΟΣ: \t\tΒΟΥΚΟΥΡΕΣΤΙΟΥ", "ΠΡΟΣΟΨΗ: \t\tNAI", "ΑΡ. ΟΙΚ. ΤΕΤΡΑΓΩΝΟΥ: \t55",
            "ΤΟ ΑΚΙΝΗΤΟ ΕΙΝΑΙ: \tΚΑΤΟΙΚΙΑ - ΔΙΑΜΕΡΙΣΜΑ", "ΕΙΔΙΚΕΣ ΣΥΝΘΗΚΕΣ: \tΔΙΑΤΗΡΗΤΕΟ",
            "ΟΡΟΦΟΣ: \t\t2ΟΣ ΟΡΟΦΟΣ", "ΕΠΙΦΑΝΕΙΑ ΚΥΡΙΩΝ ΧΩΡΩΝ: \t85,5", "ΕΠΙΦΑΝΕΙΑ ΒΟΗΘΗΤΙΚΩΝ ΧΩΡΩΝ: 10",
            "ΕΤΟΣ ΚΑΤΑΣΚΕΥΗΣ: \t\t1998", "ΕΧΕΤΕ ΤΟ ΑΚΙΝΗΤΟ ΚΑΤΑ: \tΨΙΛΗ ΚΥΡΙΟΤΗΤΑ",
            "ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ: \t50 %", "ΕΤΟΣ ΓΕΝΝΗΣΗΣ ΕΠΙΚΑΡΠΩΤΗ: \t1950", kRule, "ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΟΥ: ",
            "ΕΠΙΦΑΝΕΙΑ: \t\t\t300", "ΕΧΕΤΕ ΤΟ ΟΙΚΟΠΕΔΟ ΚΑΤΑ: \tΕΠΙΚΑΡΠΙΑ Η ΟΙΚΗΣΗ",
            "ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ: \t25 %", "ΕΤΟΣ ΓΕΝΝΗΣΗΣ ΕΠΙΚΑΡΠΩΤΗ: \t1945", kRule,
            "ΣΥΝΟΛΙΚΗ ΕΠΙΦΑΝΕΙΑ ΚΤΙΣΜΑΤΩΝ ΣΤΟ ΟΙΚΟΠΕΔΟ: 120", "ΤΟ ΑΚΙΝΗΤΟ ΑΝΗΚΕΙ: \t\tΣΤΟΝ ΥΠΟΧΡΕΟ"};
        QCOMPARE(w.summary(), lines);

        QCOMPARE(w.confirm("BitBtn57"), confirmation(lines, true));
        const QList<QStringList> rows = w.storedRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].mid(1), QStringList({"ΑΘΗΝΩΝ", "01", "ΑΘΗΝΑΙΩΝ", "1005", "ΑΚΑΔΗΜΙΑΣ", "1", "12", "X",
                                              "ΣΤΑΔΙΟΥ", "3", "X", "ΕΡΜΟΥ", "4", "", "ΒΟΥΚΟΥΡΕΣΤΙΟΥ", "8", "X", "55",
                                              "1", "1", "2", "85,5", "10", "1998", "2", "50", "1950", "300", "3", "25",
                                              "1945", "120", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", kNull, kTax}));
        // The wizard closes and the kept-open rows show the new one.
        QVERIFY(!w.page->m_steps->isVisible());
        QVERIFY(w.get("Button2")->isEnabled() && !w.get("btnCancel")->isEnabled());
        QCOMPARE(w.step(), QStringLiteral("Step1"));
        QCOMPARE(w.form->declaration().table1Rows().recordCount(), 1);
        QVERIFY(!w.form->findChild<Dataset *>(QStringLiteral("ADODataSet5"))->isActive());
    }

    // Streets chosen first, then given up, and a bare plot: the initial store leaves them out.
    void theInitialStoreLeavesOutStreetsGivenUpAndTheBuildingOfABarePlot() {
        Wizard w;
        w.listedStreet();
        w.goesTo("BitBtn9", "Step3");
        w.tick("CheckBox2");
        QVERIFY(w.get("Panel4")->isVisible());
        w.goesTo("BitBtn6", "Step6");
        w.goesTo("BitBtn12", "Step3");
        w.click("BitBtn6");
        w.answer("EditOT", "7", "BitBtn13");
        w.category(3);   // ΟΙΚΟΠΕΔΟ, code 4
        QCOMPARE(w.step(), QStringLiteral("Step15"));
        QVERIFY(!w.get("CheckBox4")->isVisible());
        w.goesTo("BitBtn30", "Step8");
        w.click("BitBtn17");
        w.wholePlot();
        const QStringList lines = {"ΝΟΜΟΣ: \t\tΑΘΗΝΩΝ", "ΔΗΜΟΣ/ΔΙΑΜ./ΚΟΙΝΟΤΗΤΑ: ΑΘΗΝΑΙΩΝ",
                                   "ΑΡ. ΟΙΚ. ΤΕΤΡΑΓΩΝΟΥ: \t7", "ΤΟ ΑΚΙΝΗΤΟ ΕΙΝΑΙ: \tΟΙΚΟΠΕΔΟ",
                                   "ΕΙΔΙΚΕΣ ΣΥΝΘΗΚΕΣ: \tΧΩΡΙΣ ΕΙΔΙΚΕΣ ΣΥΝΘΗΚΕΣ", kRule, "ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΟΥ: ",
                                   "ΕΠΙΦΑΝΕΙΑ: \t\t\t200", "ΕΧΕΤΕ ΤΟ ΟΙΚΟΠΕΔΟ ΚΑΤΑ: \tΠΛΗΡΗ ΚΥΡΙΟΤΗΤΑ",
                                   "ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ: \t100 %", kRule,
                                   "ΣΥΝΟΛΙΚΗ ΕΠΙΦΑΝΕΙΑ ΚΤΙΣΜΑΤΩΝ ΣΤΟ ΟΙΚΟΠΕΔΟ: ", "ΤΟ ΑΚΙΝΗΤΟ ΑΝΗΚΕΙ: \t\tΣΤΟΝ ΥΠΟΧΡΕΟ"};
        QCOMPARE(w.summary(), lines);
        QCOMPARE(w.confirm("BitBtn57"), confirmation(lines, true));
        const QStringList row = w.storedRows().value(0);
        QCOMPARE(row.mid(1, 4), QStringList({"ΑΘΗΝΩΝ", "01", "ΑΘΗΝΑΙΩΝ", "1005"}));
        QCOMPARE(row.mid(5, 13), QStringList(13, kNull));   // streets
        QCOMPARE(row.mid(18, 3), QStringList({"7", "4", ""}));
        QCOMPARE(row.mid(21, 7), QStringList(7, kNull));    // building
        QCOMPARE(row.mid(28), QStringList({"200", "1", "100", "", "", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", kNull, kTax}));
    }

    void aSupplementaryStoreWritesEveryColumnEvenWithoutPlotData() {
        Wizard w(1);
        w.withoutStreets();
        w.category(0);
        w.wholeBuilding();
        QCOMPARE(w.step(), QStringLiteral("Step15"));
        QVERIFY(w.get("CheckBox4")->isVisible());
        w.goesTo("BitBtn30", "Step13");   // full ownership: back to the percentage
        w.click("BitBtn27");
        w.tick("CheckBox4");
        QVERIFY(!w.get("EditOikMM")->isVisible() && !w.get("Label41")->isVisible());
        w.goesTo("BitBtn39", "Step20");
        w.goesTo("BitBtn37", "Step15");
        w.click("BitBtn39");
        QVERIFY(!w.summary().contains(QStringLiteral("ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΟΥ: ")));
        w.goesTo("BitBtn33", "Step21");
        w.pick("ComboBoxKindOf", 2);
        const QString asked = w.confirm("BitBtn4");
        QVERIFY(asked.startsWith(kQuestion + "\r"));
        QVERIFY(!asked.contains(kWarning));
        QCOMPARE(asked, confirmation(w.summary(), false));
        // Every column is written: unvisited pages and the plot as the empty text.
        const QStringList row = w.storedRows().value(0);
        QVERIFY(!row.contains(kNull));
        QCOMPARE(row.mid(5, 13), QStringList(13, QString()));
        QCOMPARE(row.mid(21, 7), QStringList({"0", "80", "", "1990", "1", "100", ""}));
        QCOMPARE(row.mid(28), QStringList({"", "", "", "", "", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", "2", kTax}));
    }

    void typedMunicipalityAndStreetsAreStoredWithCodeZero() {
        Wizard w(2);
        w.click({"Button2", "BitBtn1"});
        w.tick("CheckBox3");
        QVERIFY(w.get("EditUserDimos")->isVisible() && !w.get("ComboBoxDimos")->isVisible());
        w.refused("BitBtn5", QStringLiteral("Παρακαλώ γράψτε ένα δήμο - διαμ/σμα - κοινότητα"));
        w.type("EditUserDimos", "ΚΑΙΣΑΡΙΑΝΗΣ");
        w.goesTo("BitBtn5", "Step3");
        QVERIFY(w.get("EditStreet")->isVisible() && !w.get("CheckBox1")->isVisible());
        w.refused("EditStreet", {QString()}, "BitBtn6", QStringLiteral("Παρακαλώ γράψτε την οδό του ακινήτου σας"));
        w.answer("EditStreet", "ΕΘΝΙΚΗΣ ΑΝΤΙΣΤΑΣΕΩΣ", "BitBtn6");
        w.answer("ComboBox3", 1, "BitBtn7");
        QVERIFY(w.get("Edit1")->isVisible() && !w.get("ComboBox7")->isVisible() && !w.get("CheckBox5")->isVisible());
        w.type("Edit1", "ΦΡΑΝΤΖΗ");
        {
            // Empty streets: a question, no beep; "Όχι" stays.
            const int beeps = BeepCount();
            ModalAnswerer robot;
            robot.no().yes();
            w.goesTo("BitBtn11", "Step5");
            w.click("BitBtn11");
            QCOMPARE(robot.texts, QStringList(2, QStringLiteral("Έχετε αφήσει κενούς κάποιους δρόμους. Είστε "
                                                                "σίγουροι ότι θέλετε να συνεχίσετε;")));
            QCOMPARE(BeepCount(), beeps);
            QCOMPARE(w.step(), QStringLiteral("Step6"));
        }
        w.goesTo("BitBtn12", "Step5");
        w.confirm("BitBtn11");   // some streets left empty
        w.click("BitBtn13");
        w.category(0);
        w.wholeBuilding();
        w.wholePlot();
        w.click("BitBtn33");
        w.confirm("BitBtn4");
        // Typed names with code "0", the typed municipality without a code.
        const QStringList row = w.storedRows().value(0);
        QCOMPARE(row.mid(3, 15), QStringList({"ΚΑΙΣΑΡΙΑΝΗΣ", "", "ΕΘΝΙΚΗΣ ΑΝΤΙΣΤΑΣΕΩΣ", "0", "", "", "ΦΡΑΝΤΖΗ", "0",
                                              "", "", "0", "", "", "0", ""}));
        QCOMPARE(row.value(35), QStringLiteral("1"));
    }

    // The tick starts from the lists' texts and keeps the typed streets on show,
    // a return visit included, since they are what Next records.
    void typedBlockStreetsReplaceTheListsWhileTicked() {
        Wizard w;
        w.listedStreet();
        w.click("BitBtn7");
        w.pick("ComboBox7", 0);   // ΒΟΥΚΟΥΡΕΣΤΙΟΥ
        w.tick("CheckBox5");
        QCOMPARE(w.get<QLineEdit>("Edit1")->text(), QStringLiteral("ΒΟΥΚΟΥΡΕΣΤΙΟΥ"));
        QVERIFY(w.get("Edit2")->isVisible() && !w.get("ComboBox9")->isVisible());
        w.type("Edit2", "ΣΚΟΥΦΑ");
        w.type("Edit3", "ΣΙΝΑ");
        w.goesTo("BitBtn11", "Step6");
        QCOMPARE(w.answers().street2Name, QStringLiteral("ΒΟΥΚΟΥΡΕΣΤΙΟΥ"));
        QCOMPARE(w.answers().street3Code, QStringLiteral("0"));
        QCOMPARE(w.answers().street4Name, QStringLiteral("ΣΙΝΑ"));
        w.click({"BitBtn12", "BitBtn10"});
        QCOMPARE(w.step(), QStringLiteral("Step4"));
        w.click("BitBtn7");   // the block streets are read again
        QVERIFY(w.get<QCheckBox>("CheckBox5")->isChecked() && w.get("CheckBox5")->isVisible());
        QVERIFY(w.get("Edit1")->isVisible() && w.get("Edit2")->isVisible() && w.get("Edit3")->isVisible());
        QVERIFY(!w.get("ComboBox7")->isVisible() && !w.get("ComboBox9")->isVisible() &&
                !w.get("ComboBox11")->isVisible());
        QCOMPARE(w.get<QLineEdit>("Edit2")->text(), QStringLiteral("ΣΚΟΥΦΑ"));
        QCOMPARE(w.get<QComboBox>("ComboBox7")->count(), 5);   // the lists are filled all the same
        w.type("Edit3", "ΛΥΚΑΒΗΤΤΟΥ");
        w.goesTo("BitBtn11", "Step6");
        QCOMPARE(w.answers().street3Name, QStringLiteral("ΣΚΟΥΦΑ"));
        QCOMPARE(w.answers().street4Name, QStringLiteral("ΛΥΚΑΒΗΤΤΟΥ"));
        // Unticked, the lists come back and Next records what they show.
        w.click({"BitBtn12", "BitBtn10", "BitBtn7"});
        w.tick("CheckBox5", false);
        QVERIFY(w.get("ComboBox7")->isVisible() && !w.get("Edit1")->isVisible());
        QVERIFY(!w.answers().blockStreetsTyped);
        w.pick("ComboBox7", 4);   // ΣΤΑΔΙΟΥ
        w.pick("ComboBox9", 3);   // ΕΡΜΟΥ
        w.goesTo("BitBtn11", "Step6");
        QCOMPARE(w.answers().street2Name, QStringLiteral("ΣΤΑΔΙΟΥ"));
        QCOMPARE(w.answers().street3Code, QStringLiteral("4"));
        QCOMPARE(w.answers().street4Name, QStringLiteral("ΒΟΥΚΟΥΡΕΣΤΙΟΥ"));
    }

    void aLocationStepRefusesAnEmptyChoiceAndTypesAStreetTheListLacks() {
        Wizard w;
        w.click("Button2");
        const std::tuple<PairedList *, const char *, QString> steps[] = {
            {w.page->m_prefectures, "BitBtn1", QStringLiteral("Παρακαλώ επιλέξτε ένα νομό")},
            {w.page->m_municipalities, "BitBtn5", QStringLiteral("Παρακαλώ επιλέξτε ένα δήμο - διαμ/σμα - κοινότητα")},
            {w.page->m_streets, "BitBtn6", QStringLiteral("Παρακαλώ επιλέξτε μία οδό")}};
        for (const auto &[list, next, message] : steps) {
            list->select(-1);
            w.refused(next, message);
            list->select(0);
            w.click(next);
        }
        // A municipality without streets asks for the street typed.
        w.click({"BitBtn9", "BitBtn8"});
        w.answer("ComboBoxDimos", 1, "BitBtn5");   // ΒΥΡΩΝΟΣ
        QVERIFY(w.get("EditStreet")->isVisible() && !w.get("ComboBox5")->isVisible());
        QVERIFY(w.answers().streetTyped);
        QCOMPARE(w.answers().municipalityCode, QStringLiteral("1010"));
    }

    // Pasted text that is not a number is refused too, and left for the user to correct.
    void floorsAreasAndYearsOutsideTheirBoundsAreRefused() {
        Wizard w;
        w.withoutStreets();
        // A floor code that reads neither as the basement nor as a number.
        w.pick("ComboBox16", 0);
        w.click({"BitBtn15", "BitBtn17"});
        w.page->m_floors->append(QStringLiteral("ΠΑΤΑΡΙ"), QStringLiteral("Π"));
        w.page->m_floors->select(w.page->m_floors->count() - 1);
        w.refused("BitBtn19", QStringLiteral("Παρακαλώ επιλέξτε τον όροφο του ακινήτου"));
        w.page->m_floors->select(w.page->m_floors->count() - 2);   // ΥΠΟΓΕΙΟ
        w.goesTo("BitBtn19", "Step10");
        QCOMPARE(w.answers().floorCode, QStringLiteral("Υ"));

        const QString surface = QStringLiteral("Παρακαλώ γράψτε επιφάνεια κυρίων ή βοηθητικών χώρων του ακινήτου σας");
        const QString notANumber = QStringLiteral("Το πεδίο πρέπει να περιέχει αριθμό. Παρακαλώ διορθώστε το");
        w.refused("EditMainMM", {QString()}, "BitBtn21", surface);
        w.type("EditHelpMM", "0");
        w.refused("EditMainMM", {"0"}, "BitBtn21", surface);
        w.get<QLineEdit>("EditHelpMM")->setText(QStringLiteral("12,5,0"));
        w.refused("BitBtn21", notANumber);
        QCOMPARE(w.form->focusWidget(), w.get("EditHelpMM"));
        w.type("EditHelpMM", "12");
        w.refused("EditYearOfConstruction", {QString(), "1499", QString::number(thisYear() + 1)}, "BitBtn21",
                  QStringLiteral("Παρακαλώ γράψτε το έτος κατασκευής του ακινήτου σας με τέσσερα ψηφία, "
                                 "μεγαλύτερο από το 1500"));
        w.type("EditYearOfConstruction", "1500");
        w.goesTo("BitBtn21", "Step12");
        QCOMPARE(w.get<QLineEdit>("EditMainMM")->text(), QString());   // the "0" was emptied
        QCOMPARE(w.answers().auxiliarySurface, QStringLiteral("12"));
        w.click("BitBtn22");
        w.type("EditYearOfConstruction", QString::number(thisYear()));
        w.goesTo("BitBtn21", "Step12");

        // Categories without a year of construction.
        for (int index : {5, 10, 12}) {   // codes 6, 11, 13
            w.click({"BitBtn22", "BitBtn20", "BitBtn18", "BitBtn16"});
            w.pick("ComboBox16", index);
            w.click({"BitBtn15", "BitBtn17", "BitBtn19"});
            w.type("EditYearOfConstruction", "");
            w.goesTo("BitBtn21", "Step12");
        }
        w.click("BitBtn25");
        w.answer("EditPercentage", "100", "BitBtn27");
        w.refused("EditOikMM", {QString(), ",", "0"}, "BitBtn39",
                  QStringLiteral("Παρακαλώ γράψτε την επιφάνεια του οικοπέδου σας"));
        w.get<QLineEdit>("EditOikMM")->setText(QStringLiteral("150 τ.μ."));
        w.refused("BitBtn39", notANumber);
        QCOMPARE(w.get<QLineEdit>("EditOikMM")->text(), QStringLiteral("150 τ.μ."));
        QCOMPARE(w.form->focusWidget(), w.get("EditOikMM"));
        QCOMPARE(w.answers().plotSurface, QString());
        w.type("EditOikMM", "150");
        w.click({"BitBtn39", "BitBtn40"});
        w.type("EditPercentageOik", "100");
        w.goesTo("BitBtn41", "Step19");   // full ownership: no birth year
        w.get<QLineEdit>("EditTotalMM")->setText(QStringLiteral("-5"));
        w.refused("BitBtn31", notANumber);
        w.refused("EditTotalMM", {","}, "BitBtn31",
                  QStringLiteral("Παρακαλώ γράψτε τη συνολική επιφάνεια των κτισμάτων"));
        w.type("EditTotalMM", "");
        w.goesTo("BitBtn31", "Step20");
        // Back from the owner, then past the skipped birth year.
        w.goesTo("BitBtn37", "Step19");
        w.goesTo("BitBtn36", "Step17");
    }

    // The same bounds for the building and the plot. A partial right asks for
    // the usufructuary's birth year; full ownership chosen after it skips the
    // page both ways and stores no birth year.
    void percentagesAndBirthYearsKeepTheirBoundsAndFullOwnershipDropsTheYear() {
        Wizard w;
        w.withoutStreets();
        w.category(0);
        w.type("EditMainMM", "60");
        w.answer("EditYearOfConstruction", "1970", "BitBtn21");
        struct Right {
            const char *kind, *kindNext, *percentage, *percentageNext, *year, *yearNext, *yearStep, *backs[3], *after;
        };
        const Right rights[] = {
            {"ComboBoxKata", "BitBtn25", "EditPercentage", "BitBtn27", "EditYearOfBirthEpik", "BitBtn29", "Step14",
             {"BitBtn30", "BitBtn28", "BitBtn26"}, "Step15"},
            {"ComboBoxKataOik", "BitBtn40", "EditPercentageOik", "BitBtn41", "EditYearOfBirthEpikOik", "BitBtn42",
             "Step18", {"BitBtn36", "BitBtn35", "BitBtn34"}, "Step19"}};
        for (const Right &r : rights) {
            w.answer(r.kind, &r == rights ? 2 : 1, r.kindNext);
            w.refused(r.percentage, {QString(), ",", "0", "100,0001"}, r.percentageNext, kPercentage);
            w.type(r.percentage, "100");
            w.goesTo(r.percentageNext, r.yearStep);
            w.refused(r.yearNext, kBirthRequired);
            w.refused(r.year, {"1879", QString::number(thisYear() + 1)}, r.yearNext, kBirthYear);
            w.type(r.year, "1880");
            w.goesTo(r.yearNext, r.after);
            w.click(r.backs[0]);
            QCOMPARE(w.step(), QString(r.yearStep));
            w.type(r.year, QString::number(thisYear()));
            w.goesTo(r.yearNext, r.after);
            w.click({r.backs[0], r.backs[1], r.backs[2]});
            w.answer(r.kind, 0, r.kindNext);
            w.type(r.percentage, "50");
            w.goesTo(r.percentageNext, r.after);
            if (&r == rights)
                w.answer("EditOikMM", "90", "BitBtn39");
        }
        w.click("BitBtn31");
        QVERIFY(!w.summary().join('|').contains(QStringLiteral("ΕΠΙΚΑΡΠΩΤΗ")));
        w.confirm("BitBtn57");
        const QStringList row = w.storedRows().value(0);
        QCOMPARE(row.mid(25, 3), QStringList({"1", "50", ""}));
        QCOMPARE(row.mid(29, 3), QStringList({"1", "50", ""}));
    }

    void theOwnerCodeNamesThePersonChosen() {
        for (int kind : {0, 1}) {
            Wizard w(kind, true, 3);
            w.toOwner();
            QCOMPARE(items(w.get<QComboBox>("ComboBoxToWhomBelongs")),
                     QStringList({"ΣΤΟΝ ΥΠΟΧΡΕΟ", "ΣΤΗ ΣΥΖΥΓΟ", "ΣΤΟ 1 ΠΑΙΔΙ", "ΣΤΟ 2 ΠΑΙΔΙ", "ΣΤΟ 3 ΠΑΙΔΙ"}));
            w.pick("ComboBoxToWhomBelongs", 3);
            if (kind == 0) {
                w.confirm("BitBtn57");
                QCOMPARE(w.storedRows().value(0).mid(33, 2), QStringList({"4", "ΣΤΟ 2 ΠΑΙΔΙ"}));
                continue;
            }
            w.click("BitBtn33");
            QCOMPARE(w.answers().ownerCode, QStringLiteral("4"));
            QCOMPARE(w.summary().last(), QStringLiteral("ΤΟ ΑΚΙΝΗΤΟ ΑΝΗΚΕΙ: \t\tΣΤΟ 2 ΠΑΙΔΙ"));
            // Another owner chosen after going back: code and text name the same person.
            w.goesTo("BitBtn38", "Step20");
            w.answer("ComboBoxToWhomBelongs", 1, "BitBtn33");
            w.confirm("BitBtn4");
            QCOMPARE(w.storedRows().value(0).mid(33, 2), QStringList({"2", "ΣΤΗ ΣΥΖΥΓΟ"}));
        }
    }

    // "Όχι" to the question, or a store that fails: no row, the wizard stays
    // with its answers, and the next "Αποθήκευση" stores one whole row.
    void storesTheRowOnlyAfterYesAndOnlyWhole() {
        for (bool fails : {false, true}) {
            Wizard w;
            w.toOwner();
            Connection other;
            other.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
            if (fails)
                other.execute(QStringLiteral("CREATE TRIGGER refuse_rows BEFORE INSERT ON table1 "
                                             "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
            {
                ModalAnswerer robot;
                if (fails)
                    robot.yes().ok();
                else
                    robot.no();
                w.click("BitBtn57");
                QCOMPARE(robot.pending(), 0);
                QCOMPARE(robot.texts.value(1), fails ? kStoreFailed : QString());
            }
            QCOMPARE(w.storedRows().size(), 0);
            QCOMPARE(w.step(), QStringLiteral("Step20"));
            QVERIFY(w.page->m_steps->isVisible());
            QCOMPARE(w.answers().plotSurface, QStringLiteral("200"));
            QVERIFY(!w.form->findChild<Dataset *>(QStringLiteral("ADODataSet5"))->isEditing());
            if (fails)
                other.execute(QStringLiteral("DROP TRIGGER refuse_rows"));
            QVERIFY(!w.confirm("BitBtn57").isEmpty());
            QCOMPARE(w.storedRows().size(), 1);
            QCOMPARE(w.storedRows()[0].mid(28, 3), QStringList({"200", "1", "100"}));
        }
    }

    void cancellingAndStartingAgainEmptiesEveryAnswerAndControl() {
        Wizard w;
        w.listedStreet();
        w.answer("ComboBox3", 1, "BitBtn7");
        w.pick("ComboBox13", 0);
        w.tick("CheckBox5");
        w.confirm("BitBtn11");   // some streets left empty
        w.answer("EditOT", "9", "BitBtn13");
        w.category(1);
        w.type("EditMainMM", "70");
        w.answer("EditYearOfConstruction", "2001", "BitBtn21");
        w.answer("ComboBoxKata", 1, "BitBtn25");
        w.answer("EditPercentage", "40", "BitBtn27");
        w.answer("EditYearOfBirthEpik", "1960", "BitBtn29");
        w.tick("CheckBox4");
        w.click("BitBtn39");

        w.goesTo("btnCancel", "Step1");
        QVERIFY(!w.page->m_steps->isVisible() && !w.get("RichEdit1")->isVisible());
        QVERIFY(w.get("Button2")->isEnabled() && !w.get("btnCancel")->isEnabled());
        QCOMPARE(w.answers().blockNumber, QStringLiteral("9"));   // kept until the next row

        w.click("Button2");
        const Table1Answers &a = w.answers();
        QVERIFY(a.prefectureName.isEmpty() && a.municipalityCode.isEmpty() && a.streetName.isEmpty());
        QVERIFY(!a.blockStreetsTyped && !a.noPlotData && !a.plotOnly && !a.frontsOnStreet2);
        QVERIFY(a.categoryCode.isEmpty() && a.ownershipType.isEmpty() && a.usufructBirthYear.isEmpty());
        QVERIFY(a.ownerCode.isEmpty() && a.ownerText.isEmpty());
        QVERIFY(a.mainSurface.isEmpty() && a.blockNumber.isEmpty() && a.street2Name.isEmpty());
        for (const char *box : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"})
            QVERIFY2(!w.get<QCheckBox>(box)->isChecked(), box);
        for (const char *field : {"EditNo", "EditOT", "EditMainMM", "EditYearOfConstruction", "EditPercentage",
                                  "EditYearOfBirthEpik", "Edit1"})
            QVERIFY2(w.get<QLineEdit>(field)->text().isEmpty(), field);
        QCOMPARE(w.get<QComboBox>("ComboBox3")->currentText(), QStringLiteral("NAI"));
        QCOMPARE(w.get<QComboBox>("ComboBox13")->currentText(), QStringLiteral("OXI"));
        for (const char *list : {"ComboBox16", "ComboBox17", "ComboBoxKata"})
            QCOMPARE(w.get<QComboBox>(list)->currentIndex(), 0);
        QVERIFY(w.get("EditOikMM")->isVisibleTo(w.page->m_plotAreaStep));
        QCOMPARE(w.summary().mid(0, 5), QStringList({"ΝΟΜΟΣ: \t\t", "ΔΗΜΟΣ/ΔΙΑΜ./ΚΟΙΝΟΤΗΤΑ: ", "ΟΔΟΣ: \t\t\t",
                                                     "ΑΡΙΘΜΟΣ: \t\t", "ΠΡΟΣΟΨΗ: \t\tNAI"}));
        QVERIFY(w.summary().contains(QStringLiteral("ΕΤΟΣ ΓΕΝΝΗΣΗΣ ΕΠΙΚΑΡΠΩΤΗ: \t")));
    }

    // Enter normalises the field and presses Next; going back records nothing.
    void enterPressesNextAndGoingBackRecordsNothing() {
        Wizard w;
        w.withoutStreets();
        w.category(0);
        w.type("EditYearOfConstruction", "1980");
        w.type("EditMainMM", "12,50");
        QTest::keyClick(w.get("EditMainMM"), Qt::Key_Return);
        QCOMPARE(w.step(), QStringLiteral("Step12"));
        QCOMPARE(w.answers().mainSurface, QStringLiteral("12,5"));
        // Enter on a focused Back button goes back.
        auto *back = w.get<QPushButton>("BitBtn22");
        back->setFocus();
        QTest::keyClick(back, Qt::Key_Return);
        QCOMPARE(w.step(), QStringLiteral("Step10"));
        // Keys the year field refuses beep and are dropped.
        const int beeps = BeepCount();
        w.type("EditYearOfConstruction", "19a8");
        QCOMPARE(w.get<QLineEdit>("EditYearOfConstruction")->text(), QStringLiteral("198"));
        QCOMPARE(BeepCount() - beeps, 1);
        const QStringList before = w.summary();
        w.answer("EditMainMM", "99", "BitBtn20");
        QCOMPARE(w.step(), QStringLiteral("Step9"));
        QCOMPARE(w.summary(), before);
        QCOMPARE(w.answers().mainSurface, QStringLiteral("12,5"));
        w.click({"BitBtn18", "BitBtn16", "BitBtn14"});
        QCOMPARE(w.step(), QStringLiteral("Step6"));
        w.goesTo("BitBtn12", "Step3");   // no street known
        w.click({"BitBtn8", "BitBtn3"});
        QCOMPARE(w.step(), QStringLiteral("Step1"));
        for (const QPushButton *b : w.page->m_prefectureStep->findChildren<QPushButton *>())
            QVERIFY(b->text() != QStringLiteral("Προηγούμενο"));
    }
};

D7_TEST_MAIN(Table1Test)
#include "test_table1.moc"
