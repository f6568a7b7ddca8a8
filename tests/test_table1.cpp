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

#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
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
        form->m_showStartHint = false;
        OpenDeclaration(*form, kTax);
        form->m_generalPage->ComboBoxType->setCurrentIndex(declarationKind);
        if (spouse)
            form->m_generalPage->StringGridYpWife->setCellText(1, 1, QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΥ"));
        for (int n = 1; n <= children; ++n) {
            form->m_childrenData->insert();
            form->m_childrenData->setFieldByName(QStringLiteral("Surname"), QStringLiteral("ΠΑΙΔΙ %1").arg(n));
            form->m_childrenData->setFieldByName(QStringLiteral("AFMYpox"), kTax);
            form->m_childrenData->post();
        }
        form->show();
        QApplication::setActiveWindow(form.get());
        {
            // Shown directly: the rule of switching pages (validation, storing) is not under test here.
            const QSignalBlocker quiet(form->m_pages);
            form->m_pages->setCurrentIndex(1);
        }
        page = form->m_table1Page;
    }

    template <class T = QWidget>
    T *get(const char *name) const { return Control<T>(form.get(), name); }
    void click(const char *button) { QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton); }
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
    QString step() const { return page->PageControl2->currentWidget()->objectName(); }
    QStringList summary() const { return page->RichEdit1->toPlainText().split(QLatin1Char('\n')); }
    const Table1Answers &answers() const { return form->m_table1Answers; }

    // Prefecture ΑΘΗΝΩΝ, municipality ΑΘΗΝΑΙΩΝ, street ΑΚΑΔΗΜΙΑΣ number 12; on Step4.
    void listedStreet() {
        click("Button2");
        click("BitBtn1");
        click("BitBtn5");
        pick("ComboBox5", 2);
        type("EditNo", "12");
        click("BitBtn6");
    }
    // No street known: from the start to Step7 through Step6.
    void withoutStreets() {
        click("Button2");
        click("BitBtn1");
        click("BitBtn5");
        tick("CheckBox2");
        click("BitBtn6");
        click("BitBtn13");
    }
    // From Step7: the category at that index, no special conditions, the ground floor.
    void category(int index) {
        pick("ComboBox16", index);
        click("BitBtn15");
        click("BitBtn17");
        if (!answers().PlotOnly)
            click("BitBtn19");
    }
    // From Step10: a building under full ownership of 100 %; on Step15.
    void wholeBuilding() {
        type("EditMainMM", "80");
        type("EditYearOfConstruction", "1990");
        click("BitBtn21");
        click("BitBtn25");
        type("EditPercentage", "100");
        click("BitBtn27");
    }
    // From Step15: a plot of 200 m² owned whole; on Step20.
    void wholePlot() {
        type("EditOikMM", "200");
        click("BitBtn39");
        click("BitBtn40");
        type("EditPercentageOik", "100");
        click("BitBtn41");
        click("BitBtn31");
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
    void accepted(const char *button, const QString &nextStep) {
        const int beeps = BeepCount();
        click(button);
        QCOMPARE(BeepCount(), beeps);
        QCOMPARE(step(), nextStep);
    }

    // The declaration's stored Table 1 rows, each as 37 texts (NULL marked).
    QList<QStringList> storedRows() const {
        Dataset rows(form->m_declarationConnection.get());
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
    // Stores with "Ναι" and returns the confirmation's text.
    QString store(const char *button) {
        ModalAnswerer robot;
        robot.yes();
        click(button);
        if (robot.pending() != 0 || robot.texts.size() != 1)
            return QString();
        return robot.texts.first();
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

    void pageTextsAndIdleState() {
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
        for (const auto &[name, text] : texts) {
            QWidget *c = w.get(name);
            QCOMPARE(c->property("text").toString(), text);
        }
        QStringList order;
        for (int i = 0; i < w.page->PageControl2->count(); ++i)
            order << w.page->PageControl2->widget(i)->objectName();
        QCOMPARE(order, QStringList({"Step1", "Step2", "Step3", "Step4", "Step5", "Step6", "Step7", "Step8", "Step9",
                                     "Step10", "Step12", "Step13", "Step14", "Step15", "Step16", "Step17", "Step18",
                                     "Step19", "Step20", "Step21", "TabSheet14"}));
        QVERIFY(!w.page->PageControl2->tabBar()->isVisible());
        QCOMPARE(w.get("Panel1")->width(), w.page->PageControl2->width());
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
        QVERIFY(!w.page->PageControl2->isVisible());
        QVERIFY(!w.page->PageControl2->isEnabled());
        QVERIFY(!summary->isVisible());
        QVERIFY(!w.get("Label85")->isVisible());
        QVERIFY(w.get("Button2")->isEnabled());
        QVERIFY(!w.get("btnCancel")->isEnabled());
    }

    // Each step shows its controls inside the page and below the band over
    // the tab strip, none over another and no text cut off, the typed
    // alternatives too; so does the frame around the steps.
    void stepPagesLaidOutCleanly() {
        Wizard w;
        w.click("Button2");
        QStringList faults = StepFaults(w.page->PageControl2, w.page->Panel1);
        for (const char *typed : {"CheckBox3", "CheckBox1", "CheckBox5"})
            w.tick(typed);
        faults += StepFaults(w.page->PageControl2, w.page->Panel1, {w.page->Step2, w.page->Step3, w.page->Step5});
        faults += LayoutFaults(w.page, w.page->rect(), {w.page->Panel1});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));
    }

    void beginningARowByKindOfDeclaration() {
        for (int kind : {0, 1, 2}) {
            Wizard w(kind);
            w.click("Button2");
            QVERIFY(w.page->PageControl2->isVisible() && w.page->PageControl2->isEnabled());
            QVERIFY(w.get("RichEdit1")->isVisible() && w.get("Label85")->isVisible());
            QVERIFY(!w.get("Button2")->isEnabled());
            QVERIFY(w.get("btnCancel")->isEnabled());
            QCOMPARE(w.step(), QStringLiteral("Step1"));
            QCOMPARE(w.get<QComboBox>("ComboBox2")->currentText(), QStringLiteral("01"));
            const bool initial = kind == 0;
            QCOMPARE(w.page->PageControl2->isTabVisible(w.page->PageControl2->indexOf(w.page->Step21)), !initial);
            QCOMPARE(w.page->BitBtn33->isVisibleTo(w.page->Step20), !initial);
            QCOMPARE(w.page->BitBtn57->isVisibleTo(w.page->Step20), initial);
            QCOMPARE(w.get<QComboBox>("ComboBoxKindOf")->currentText(), QStringLiteral("ΝΕΟ ΑΚΙΝΗΤΟ"));
        }
    }

    void fullRowWithListedStreetsStoredFromStep20() {
        Wizard w;
        w.listedStreet();
        QCOMPARE(w.step(), QStringLiteral("Step4"));
        w.click("BitBtn7");
        QCOMPARE(w.step(), QStringLiteral("Step5"));
        QVERIFY(w.get("ComboBox7")->isVisible() && !w.get("Edit1")->isVisible());
        QVERIFY(!w.get("ComboBox9")->isEnabled() && !w.get("ComboBox11")->isEnabled());
        w.pick("ComboBox7", 4);   // ΣΤΑΔΙΟΥ
        w.pick("ComboBox9", 3);   // ΕΡΜΟΥ
        w.pick("ComboBox13", 0);
        w.pick("ComboBox15", 0);
        w.click("BitBtn11");
        w.type("EditOT", "55");
        w.click("BitBtn13");
        w.pick("ComboBox16", 0);
        w.click("BitBtn15");
        w.pick("ComboBoxSpecial", 1);
        w.click("BitBtn17");
        w.pick("ComboBoxFloor", 2);   // code "02"
        w.click("BitBtn19");
        w.type("EditMainMM", "85,50");
        w.type("EditHelpMM", "10");
        w.type("EditYearOfConstruction", "1998");
        w.click("BitBtn21");
        w.pick("ComboBoxKata", 1);
        w.click("BitBtn25");
        w.type("EditPercentage", "50");
        w.click("BitBtn27");
        QCOMPARE(w.step(), QStringLiteral("Step14"));
        w.type("EditYearOfBirthEpik", "1950");
        w.click("BitBtn29");
        w.type("EditOikMM", "300");
        w.click("BitBtn39");
        w.pick("ComboBoxKataOik", 2);
        w.click("BitBtn40");
        w.type("EditPercentageOik", "25");
        w.click("BitBtn41");
        QCOMPARE(w.step(), QStringLiteral("Step18"));
        w.type("EditYearOfBirthEpikOik", "1945");
        w.click("BitBtn42");
        w.type("EditTotalMM", "120");
        w.click("BitBtn31");
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

        QCOMPARE(w.store("BitBtn57"), confirmation(lines, true));
        const QList<QStringList> rows = w.storedRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].mid(1), QStringList({"ΑΘΗΝΩΝ", "01", "ΑΘΗΝΑΙΩΝ", "1005", "ΑΚΑΔΗΜΙΑΣ", "1", "12", "X",
                                              "ΣΤΑΔΙΟΥ", "3", "X", "ΕΡΜΟΥ", "4", "", "ΒΟΥΚΟΥΡΕΣΤΙΟΥ", "8", "X", "55",
                                              "1", "1", "2", "85,5", "10", "1998", "2", "50", "1950", "300", "3", "25",
                                              "1945", "120", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", kNull, kTax}));
        // The wizard closes and the kept-open rows show the new one.
        QVERIFY(!w.page->PageControl2->isVisible());
        QVERIFY(w.get("Button2")->isEnabled() && !w.get("btnCancel")->isEnabled());
        QCOMPARE(w.step(), QStringLiteral("Step1"));
        QCOMPARE(w.form->m_table1Rows->commandText(), QStringLiteral("select * from table1 where AFMYpox='123456789'"));
        QCOMPARE(w.form->m_table1Rows->recordCount(), 1);
        QVERIFY(!w.form->m_newRowData->isActive());
    }

    void noStreetsKnownAndPlotOnly() {
        Wizard w;
        // Streets chosen first, then given up: the initial store leaves them out.
        w.listedStreet();
        w.click("BitBtn9");
        QCOMPARE(w.step(), QStringLiteral("Step3"));
        w.tick("CheckBox2");
        QVERIFY(w.get("Panel4")->isVisible());
        w.click("BitBtn6");
        QCOMPARE(w.step(), QStringLiteral("Step6"));
        w.click("BitBtn12");
        QCOMPARE(w.step(), QStringLiteral("Step3"));
        w.click("BitBtn6");
        w.type("EditOT", "7");
        w.click("BitBtn13");
        w.category(3);   // ΟΙΚΟΠΕΔΟ, code 4
        QCOMPARE(w.step(), QStringLiteral("Step15"));
        QVERIFY(!w.get("CheckBox4")->isVisible());
        w.click("BitBtn30");
        QCOMPARE(w.step(), QStringLiteral("Step8"));
        w.click("BitBtn17");
        w.wholePlot();
        const QStringList lines = {"ΝΟΜΟΣ: \t\tΑΘΗΝΩΝ", "ΔΗΜΟΣ/ΔΙΑΜ./ΚΟΙΝΟΤΗΤΑ: ΑΘΗΝΑΙΩΝ",
                                   "ΑΡ. ΟΙΚ. ΤΕΤΡΑΓΩΝΟΥ: \t7", "ΤΟ ΑΚΙΝΗΤΟ ΕΙΝΑΙ: \tΟΙΚΟΠΕΔΟ",
                                   "ΕΙΔΙΚΕΣ ΣΥΝΘΗΚΕΣ: \tΧΩΡΙΣ ΕΙΔΙΚΕΣ ΣΥΝΘΗΚΕΣ", kRule, "ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΟΥ: ",
                                   "ΕΠΙΦΑΝΕΙΑ: \t\t\t200", "ΕΧΕΤΕ ΤΟ ΟΙΚΟΠΕΔΟ ΚΑΤΑ: \tΠΛΗΡΗ ΚΥΡΙΟΤΗΤΑ",
                                   "ΠΟΣΟΣΤΟ ΣΥΝΙΔΙΟΚΤΗΣΙΑΣ: \t100 %", kRule,
                                   "ΣΥΝΟΛΙΚΗ ΕΠΙΦΑΝΕΙΑ ΚΤΙΣΜΑΤΩΝ ΣΤΟ ΟΙΚΟΠΕΔΟ: ", "ΤΟ ΑΚΙΝΗΤΟ ΑΝΗΚΕΙ: \t\tΣΤΟΝ ΥΠΟΧΡΕΟ"};
        QCOMPARE(w.summary(), lines);
        QCOMPARE(w.store("BitBtn57"), confirmation(lines, true));
        const QStringList row = w.storedRows().value(0);
        QCOMPARE(row.mid(1, 4), QStringList({"ΑΘΗΝΩΝ", "01", "ΑΘΗΝΑΙΩΝ", "1005"}));
        QCOMPARE(row.mid(5, 13), QStringList(13, kNull));   // streets
        QCOMPARE(row.mid(18, 3), QStringList({"7", "4", ""}));
        QCOMPARE(row.mid(21, 7), QStringList(7, kNull));    // building
        QCOMPARE(row.mid(28), QStringList({"200", "1", "100", "", "", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", kNull, kTax}));
    }

    void noPlotDataInASupplementaryDeclaration() {
        Wizard w(1);
        w.withoutStreets();
        w.category(0);
        w.wholeBuilding();
        QCOMPARE(w.step(), QStringLiteral("Step15"));
        QVERIFY(w.get("CheckBox4")->isVisible());
        w.click("BitBtn30");   // full ownership: back to the percentage
        QCOMPARE(w.step(), QStringLiteral("Step13"));
        w.click("BitBtn27");
        w.tick("CheckBox4");
        QVERIFY(!w.get("EditOikMM")->isVisible() && !w.get("Label41")->isVisible());
        w.accepted("BitBtn39", "Step20");
        w.click("BitBtn37");
        QCOMPARE(w.step(), QStringLiteral("Step15"));
        w.click("BitBtn39");
        QVERIFY(!w.summary().contains(QStringLiteral("ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΟΥ: ")));
        w.click("BitBtn33");
        QCOMPARE(w.step(), QStringLiteral("Step21"));
        w.pick("ComboBoxKindOf", 2);
        const QString asked = w.store("BitBtn4");
        QVERIFY(asked.startsWith(kQuestion + "\r"));
        QVERIFY(!asked.contains(kWarning));
        QCOMPARE(asked, confirmation(w.summary(), false));
        // Every column is written: unvisited pages and the plot as the empty text.
        const QStringList row = w.storedRows().value(0);
        QVERIFY(!row.contains(kNull));
        QCOMPARE(row.mid(5, 13), QStringList({"", "", "", "", "", "", "", "", "", "", "", "", ""}));
        QCOMPARE(row.mid(21, 7), QStringList({"0", "80", "", "1990", "1", "100", ""}));
        QCOMPARE(row.mid(28), QStringList({"", "", "", "", "", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", "2", kTax}));
    }

    void fullOwnershipDropsEarlierBirthYears() {
        Wizard w;
        w.withoutStreets();
        w.category(0);
        // A partial right with its usufructuary's birth year, then back to full
        // ownership: the birth year page is skipped both ways.
        struct Right {
            const char *kind, *kindNext, *percentage, *percentageNext, *year, *yearNext, *backs[3], *afterFull;
        };
        auto partialThenFull = [&w](const Right &r, int partial) {
            w.pick(r.kind, partial);
            w.click(r.kindNext);
            w.type(r.percentage, "50");
            w.click(r.percentageNext);
            w.type(r.year, "1950");
            w.click(r.yearNext);
            for (const char *back : r.backs)
                w.click(back);
            w.pick(r.kind, 0);
            w.click(r.kindNext);
            w.accepted(r.percentageNext, r.afterFull);
        };
        w.type("EditMainMM", "60");
        w.type("EditYearOfConstruction", "1970");
        w.click("BitBtn21");
        partialThenFull({"ComboBoxKata", "BitBtn25", "EditPercentage", "BitBtn27", "EditYearOfBirthEpik", "BitBtn29",
                         {"BitBtn30", "BitBtn28", "BitBtn26"}, "Step15"},
                        2);
        w.type("EditOikMM", "90");
        w.click("BitBtn39");
        partialThenFull({"ComboBoxKataOik", "BitBtn40", "EditPercentageOik", "BitBtn41", "EditYearOfBirthEpikOik",
                         "BitBtn42", {"BitBtn36", "BitBtn35", "BitBtn34"}, "Step19"},
                        1);
        w.click("BitBtn31");
        QVERIFY(!w.summary().join('|').contains(QStringLiteral("ΕΠΙΚΑΡΠΩΤΗ")));
        w.store("BitBtn57");
        const QStringList row = w.storedRows().value(0);
        QCOMPARE(row.mid(25, 3), QStringList({"1", "50", ""}));
        QCOMPARE(row.mid(29, 3), QStringList({"1", "50", ""}));
    }

    void typedMunicipalityStreetsAndBlock() {
        Wizard w(2);
        w.click("Button2");
        w.click("BitBtn1");
        w.tick("CheckBox3");
        QVERIFY(w.get("EditUserDimos")->isVisible() && !w.get("ComboBoxDimos")->isVisible());
        w.refused("BitBtn5", QStringLiteral("Παρακαλώ γράψτε ένα δήμο - διαμ/σμα - κοινότητα"));
        w.type("EditUserDimos", "ΚΑΙΣΑΡΙΑΝΗΣ");
        w.accepted("BitBtn5", "Step3");
        QVERIFY(w.get("EditStreet")->isVisible() && !w.get("CheckBox1")->isVisible());
        w.refused("BitBtn6", QStringLiteral("Παρακαλώ γράψτε την οδό του ακινήτου σας"));
        QTRY_COMPARE(w.form->focusWidget(), w.get("EditStreet"));
        w.type("EditStreet", "ΕΘΝΙΚΗΣ ΑΝΤΙΣΤΑΣΕΩΣ");
        w.click("BitBtn6");
        w.pick("ComboBox3", 1);
        w.click("BitBtn7");
        QVERIFY(w.get("Edit1")->isVisible() && !w.get("ComboBox7")->isVisible() && !w.get("CheckBox5")->isVisible());
        w.type("Edit1", "ΦΡΑΝΤΖΗ");
        {
            // Empty streets: a question, no beep; "Όχι" stays.
            const int beeps = BeepCount();
            ModalAnswerer robot;
            robot.no().yes();
            w.click("BitBtn11");
            QCOMPARE(w.step(), QStringLiteral("Step5"));
            w.click("BitBtn11");
            QCOMPARE(robot.texts, QStringList(2, QStringLiteral("Έχετε αφήσει κενούς κάποιους δρόμους. Είστε "
                                                                "σίγουροι ότι θέλετε να συνεχίσετε;")));
            QCOMPARE(BeepCount(), beeps);
            QCOMPARE(w.step(), QStringLiteral("Step6"));
        }
        w.click("BitBtn12");
        QCOMPARE(w.step(), QStringLiteral("Step5"));
        {
            ModalAnswerer robot;
            robot.yes();
            w.click("BitBtn11");
        }
        w.click("BitBtn13");
        w.category(0);
        w.wholeBuilding();
        w.wholePlot();
        w.click("BitBtn33");
        w.store("BitBtn4");
        // Typed names with code "0", the typed municipality without a code.
        const QStringList row = w.storedRows().value(0);
        QCOMPARE(row.mid(3, 15), QStringList({"ΚΑΙΣΑΡΙΑΝΗΣ", "", "ΕΘΝΙΚΗΣ ΑΝΤΙΣΤΑΣΕΩΣ", "0", "", "", "ΦΡΑΝΤΖΗ", "0",
                                              "", "", "0", "", "", "0", ""}));
        QCOMPARE(row.value(35), QStringLiteral("1"));
    }

    void typedBlockStreetsReplaceTheLists() {
        Wizard w(1);
        w.listedStreet();
        w.click("BitBtn7");
        w.pick("ComboBox7", 0);   // ΒΟΥΚΟΥΡΕΣΤΙΟΥ
        w.tick("CheckBox5");
        QCOMPARE(w.get<QLineEdit>("Edit1")->text(), QStringLiteral("ΒΟΥΚΟΥΡΕΣΤΙΟΥ"));
        QVERIFY(w.get("Edit2")->isVisible() && !w.get("ComboBox9")->isVisible());
        w.type("Edit2", "ΟΜΗΡΟΥ");
        w.type("Edit3", "ΣΚΟΥΦΑ");
        w.accepted("BitBtn11", "Step6");
        QCOMPARE(w.answers().Street2Name, QStringLiteral("ΒΟΥΚΟΥΡΕΣΤΙΟΥ"));
        QCOMPARE(w.answers().Street3Code, QStringLiteral("0"));
        QCOMPARE(w.answers().Street4Name, QStringLiteral("ΣΚΟΥΦΑ"));
        w.tick("CheckBox5", false);
        QVERIFY(w.get("ComboBox7")->isVisibleTo(w.page->Step5) && !w.get("Edit1")->isVisibleTo(w.page->Step5));
        QVERIFY(!w.answers().BlockStreetsTyped);
    }

    // Coming back to the block streets with the tick still set: the typed
    // streets stay on show, since they are what Next records.
    void blockStreetsTickKeptOnAReturnVisit() {
        Wizard w;
        w.listedStreet();
        w.click("BitBtn7");
        w.tick("CheckBox5");
        w.type("Edit1", "ΟΜΗΡΟΥ");
        w.type("Edit2", "ΣΚΟΥΦΑ");
        w.type("Edit3", "ΣΙΝΑ");
        w.accepted("BitBtn11", "Step6");
        w.click("BitBtn12");
        w.click("BitBtn10");
        QCOMPARE(w.step(), QStringLiteral("Step4"));
        w.click("BitBtn7");   // the block streets are read again
        QVERIFY(w.get<QCheckBox>("CheckBox5")->isChecked());
        QVERIFY(w.get("CheckBox5")->isVisible());
        QVERIFY(w.get("Edit1")->isVisible() && w.get("Edit2")->isVisible() && w.get("Edit3")->isVisible());
        QVERIFY(!w.get("ComboBox7")->isVisible() && !w.get("ComboBox9")->isVisible() &&
                !w.get("ComboBox11")->isVisible());
        QCOMPARE(w.get<QLineEdit>("Edit2")->text(), QStringLiteral("ΣΚΟΥΦΑ"));
        QCOMPARE(w.get<QComboBox>("ComboBox7")->count(), 5);   // the lists are filled all the same
        w.type("Edit3", "ΛΥΚΑΒΗΤΤΟΥ");
        w.accepted("BitBtn11", "Step6");
        QCOMPARE(w.answers().Street3Name, QStringLiteral("ΣΚΟΥΦΑ"));
        QCOMPARE(w.answers().Street4Name, QStringLiteral("ΛΥΚΑΒΗΤΤΟΥ"));
        // Unticked, the lists come back and Next records what they show.
        w.click("BitBtn12");
        w.click("BitBtn10");
        w.click("BitBtn7");
        w.tick("CheckBox5", false);
        QVERIFY(w.get("ComboBox7")->isVisible() && !w.get("Edit1")->isVisible());
        w.pick("ComboBox7", 4);   // ΣΤΑΔΙΟΥ
        w.pick("ComboBox9", 3);   // ΕΡΜΟΥ
        w.accepted("BitBtn11", "Step6");
        QCOMPARE(w.answers().Street2Name, QStringLiteral("ΣΤΑΔΙΟΥ"));
        QCOMPARE(w.answers().Street3Code, QStringLiteral("4"));
        QCOMPARE(w.answers().Street4Name, QStringLiteral("ΒΟΥΚΟΥΡΕΣΤΙΟΥ"));
    }

    void municipalityWithoutStreetsTypesTheStreet() {
        Wizard w;
        w.click("Button2");
        w.click("BitBtn1");
        w.pick("ComboBoxDimos", 1);   // ΒΥΡΩΝΟΣ has no streets
        w.click("BitBtn5");
        QVERIFY(w.get("EditStreet")->isVisible() && !w.get("ComboBox5")->isVisible());
        QVERIFY(w.answers().StreetTyped);
        QCOMPARE(w.answers().MunicipalityCode, QStringLiteral("1010"));
    }

    void locationRefusals() {
        Wizard w;
        w.click("Button2");
        w.page->prefectures->select(-1);
        w.refused("BitBtn1", QStringLiteral("Παρακαλώ επιλέξτε ένα νομό"));
        w.page->prefectures->select(0);
        w.click("BitBtn1");
        w.page->municipalities->select(-1);
        w.refused("BitBtn5", QStringLiteral("Παρακαλώ επιλέξτε ένα δήμο - διαμ/σμα - κοινότητα"));
        w.page->municipalities->select(0);
        w.click("BitBtn5");
        w.page->streets->select(-1);
        w.refused("BitBtn6", QStringLiteral("Παρακαλώ επιλέξτε μία οδό"));
    }

    void buildingRefusalsAndBoundaries() {
        Wizard w;
        w.withoutStreets();
        // A floor code that reads neither as the basement nor as a number.
        w.pick("ComboBox16", 0);
        w.click("BitBtn15");
        w.click("BitBtn17");
        w.page->floors->append(QStringLiteral("ΠΑΤΑΡΙ"), QStringLiteral("Π"));
        w.page->floors->select(w.page->floors->count() - 1);
        w.refused("BitBtn19", QStringLiteral("Παρακαλώ επιλέξτε τον όροφο του ακινήτου"));
        w.page->floors->select(w.page->floors->count() - 2);   // ΥΠΟΓΕΙΟ
        w.accepted("BitBtn19", "Step10");
        QCOMPARE(w.answers().FloorCode, QStringLiteral("Υ"));

        const QString surface = QStringLiteral("Παρακαλώ γράψτε επιφάνεια κυρίων ή βοηθητικών χώρων του ακινήτου σας");
        const QString year = QStringLiteral(
            "Παρακαλώ γράψτε το έτος κατασκευής του ακινήτου σας με τέσσερα ψηφία, μεγαλύτερο από το 1500");
        w.refused("BitBtn21", surface);
        QTRY_COMPARE(w.form->focusWidget(), w.get("EditMainMM"));
        w.type("EditMainMM", "0");
        w.type("EditHelpMM", "0");
        w.refused("BitBtn21", surface);
        w.get<QLineEdit>("EditHelpMM")->setText(QStringLiteral("12,5,0"));
        w.refused("BitBtn21", QStringLiteral("Το πεδίο πρέπει να περιέχει αριθμό. Παρακαλώ διορθώστε το"));
        QCOMPARE(w.form->focusWidget(), w.get("EditHelpMM"));
        w.type("EditHelpMM", "12");
        for (const QString &bad : {QString(), QStringLiteral("1499"), QString::number(thisYear() + 1)}) {
            w.type("EditYearOfConstruction", bad);
            w.refused("BitBtn21", year);
            QTRY_COMPARE(w.form->focusWidget(), w.get("EditYearOfConstruction"));
        }
        w.type("EditYearOfConstruction", "1500");
        w.accepted("BitBtn21", "Step12");
        QCOMPARE(w.get<QLineEdit>("EditMainMM")->text(), QString());   // the "0" was emptied
        QCOMPARE(w.answers().AuxiliarySurface, QStringLiteral("12"));
        w.click("BitBtn22");
        w.type("EditYearOfConstruction", QString::number(thisYear()));
        w.accepted("BitBtn21", "Step12");

        // Categories without a year of construction.
        for (int index : {5, 10, 12}) {   // codes 6, 11, 13
            w.click("BitBtn22");
            w.click("BitBtn20");
            w.click("BitBtn18");
            w.click("BitBtn16");
            w.pick("ComboBox16", index);
            w.click("BitBtn15");
            w.click("BitBtn17");
            w.click("BitBtn19");
            w.type("EditYearOfConstruction", "");
            w.accepted("BitBtn21", "Step12");
        }

        w.pick("ComboBoxKata", 2);
        w.click("BitBtn25");
        for (const QString &bad : {QString(), QStringLiteral(","), QStringLiteral("0"), QStringLiteral("100,0001")}) {
            w.type("EditPercentage", bad);
            w.refused("BitBtn27", kPercentage);
            QTRY_COMPARE(w.form->focusWidget(), w.get("EditPercentage"));
        }
        w.type("EditPercentage", "100");
        w.accepted("BitBtn27", "Step14");
        w.refused("BitBtn29", kBirthRequired);
        for (const QString &bad : {QStringLiteral("1879"), QString::number(thisYear() + 1)}) {
            w.type("EditYearOfBirthEpik", bad);
            w.refused("BitBtn29", kBirthYear);
        }
        w.type("EditYearOfBirthEpik", "1880");
        w.accepted("BitBtn29", "Step15");
        w.click("BitBtn30");
        QCOMPARE(w.step(), QStringLiteral("Step14"));
        w.type("EditYearOfBirthEpik", QString::number(thisYear()));
        w.accepted("BitBtn29", "Step15");
    }

    void plotRefusalsAndBoundaries() {
        Wizard w;
        w.withoutStreets();
        w.category(0);
        w.wholeBuilding();
        for (const QString &bad : {QString(), QStringLiteral(","), QStringLiteral("0")}) {
            w.type("EditOikMM", bad);
            w.refused("BitBtn39", QStringLiteral("Παρακαλώ γράψτε την επιφάνεια του οικοπέδου σας"));
        }
        // Pasted text that is not a number is refused and left for the user to correct.
        const QString notANumber = QStringLiteral("Το πεδίο πρέπει να περιέχει αριθμό. Παρακαλώ διορθώστε το");
        w.get<QLineEdit>("EditOikMM")->setText(QStringLiteral("150 τ.μ."));
        w.refused("BitBtn39", notANumber);
        QCOMPARE(w.get<QLineEdit>("EditOikMM")->text(), QStringLiteral("150 τ.μ."));
        QCOMPARE(w.form->focusWidget(), w.get("EditOikMM"));
        QCOMPARE(w.answers().PlotSurface, QString());
        w.type("EditOikMM", "150");
        w.click("BitBtn39");
        w.pick("ComboBoxKataOik", 1);
        w.click("BitBtn40");
        for (const QString &bad : {QStringLiteral(","), QString(), QStringLiteral("0"), QStringLiteral("100,0001")}) {
            w.type("EditPercentageOik", bad);
            w.refused("BitBtn41", kPercentage);
        }
        w.type("EditPercentageOik", "100");
        w.accepted("BitBtn41", "Step18");
        w.refused("BitBtn42", kBirthRequired);
        w.type("EditYearOfBirthEpikOik", "1879");
        w.refused("BitBtn42", kBirthYear);
        w.type("EditYearOfBirthEpikOik", "1880");
        w.accepted("BitBtn42", "Step19");
        w.get<QLineEdit>("EditTotalMM")->setText(QStringLiteral("-5"));
        w.refused("BitBtn31", notANumber);
        w.type("EditTotalMM", ",");
        w.refused("BitBtn31", QStringLiteral("Παρακαλώ γράψτε τη συνολική επιφάνεια των κτισμάτων"));
        QTRY_COMPARE(w.form->focusWidget(), w.get("EditTotalMM"));
        w.type("EditTotalMM", "");
        w.accepted("BitBtn31", "Step20");
        // Back from the owner mirrors the skip of the plot's birth year.
        w.click("BitBtn37");
        QCOMPARE(w.step(), QStringLiteral("Step19"));
        w.click("BitBtn36");
        QCOMPARE(w.step(), QStringLiteral("Step18"));
        w.click("BitBtn35");
        w.click("BitBtn34");
        w.pick("ComboBoxKataOik", 0);
        w.click("BitBtn40");
        w.accepted("BitBtn41", "Step19");
        w.click("BitBtn36");
        QCOMPARE(w.step(), QStringLiteral("Step17"));
    }

    void goingBackRecordsNothing() {
        Wizard w;
        w.withoutStreets();
        w.category(0);
        const QStringList before = w.summary();
        w.type("EditMainMM", "99");
        w.click("BitBtn20");
        QCOMPARE(w.step(), QStringLiteral("Step9"));
        QCOMPARE(w.summary(), before);
        QCOMPARE(w.answers().MainSurface, QString());
        w.click("BitBtn18");
        w.click("BitBtn16");
        w.click("BitBtn14");
        QCOMPARE(w.step(), QStringLiteral("Step6"));
        w.click("BitBtn12");
        QCOMPARE(w.step(), QStringLiteral("Step3"));   // no street known
        w.click("BitBtn8");
        w.click("BitBtn3");
        QCOMPARE(w.step(), QStringLiteral("Step1"));
        for (const QPushButton *b : w.page->Step1->findChildren<QPushButton *>())
            QVERIFY(b->text() != QStringLiteral("Προηγούμενο"));
    }

    void ownerListAndOwnerCode() {
        for (int kind : {0, 1}) {
            Wizard w(kind, true, 3);
            w.withoutStreets();
            w.category(0);
            w.wholeBuilding();
            w.wholePlot();
            QCOMPARE(items(w.get<QComboBox>("ComboBoxToWhomBelongs")),
                     QStringList({"ΣΤΟΝ ΥΠΟΧΡΕΟ", "ΣΤΗ ΣΥΖΥΓΟ", "ΣΤΟ 1 ΠΑΙΔΙ", "ΣΤΟ 2 ΠΑΙΔΙ", "ΣΤΟ 3 ΠΑΙΔΙ"}));
            w.pick("ComboBoxToWhomBelongs", 3);
            if (kind == 0) {
                w.store("BitBtn57");
                QCOMPARE(w.storedRows().value(0).mid(33, 2), QStringList({"4", "ΣΤΟ 2 ΠΑΙΔΙ"}));
                continue;
            }
            w.click("BitBtn33");
            QCOMPARE(w.answers().OwnerCode, QStringLiteral("4"));
            QCOMPARE(w.summary().last(), QStringLiteral("ΤΟ ΑΚΙΝΗΤΟ ΑΝΗΚΕΙ: \t\tΣΤΟ 2 ΠΑΙΔΙ"));
            // Another owner chosen after going back: code and text name the same person.
            w.click("BitBtn38");
            QCOMPARE(w.step(), QStringLiteral("Step20"));
            w.pick("ComboBoxToWhomBelongs", 1);
            w.click("BitBtn33");
            w.store("BitBtn4");
            QCOMPARE(w.storedRows().value(0).mid(33, 2), QStringList({"2", "ΣΤΗ ΣΥΖΥΓΟ"}));
        }
    }

    void declinedStoreWritesNothing() {
        Wizard w;
        w.withoutStreets();
        w.category(0);
        w.wholeBuilding();
        w.wholePlot();
        ModalAnswerer robot;
        robot.no();
        w.click("BitBtn57");
        QCOMPARE(robot.pending(), 0);
        QCOMPARE(w.storedRows().size(), 0);
        QCOMPARE(w.step(), QStringLiteral("Step20"));
        QVERIFY(w.page->PageControl2->isVisible());
        QCOMPARE(w.answers().PlotSurface, QStringLiteral("200"));
    }

    void failedStoreKeepsTheWizardAndLeavesNoRow() {
        Wizard w;
        w.withoutStreets();
        w.category(0);
        w.wholeBuilding();
        w.wholePlot();
        Connection other;
        other.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
        other.execute(QStringLiteral("CREATE TRIGGER refuse_rows BEFORE INSERT ON table1 "
                                     "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        {
            ModalAnswerer robot;
            robot.yes().ok();
            w.click("BitBtn57");
            QCOMPARE(robot.pending(), 0);
            QCOMPARE(robot.texts.value(1), kStoreFailed);
        }
        QCOMPARE(w.storedRows().size(), 0);
        QCOMPARE(w.step(), QStringLiteral("Step20"));
        QVERIFY(w.page->PageControl2->isVisible());
        QVERIFY(!w.form->m_newRowData->isEditing());
        // Pressing "Αποθήκευση" again, once the fault is gone, stores one whole row.
        other.execute(QStringLiteral("DROP TRIGGER refuse_rows"));
        QVERIFY(!w.store("BitBtn57").isEmpty());
        QCOMPARE(w.storedRows().size(), 1);
        QCOMPARE(w.storedRows()[0].mid(28, 3), QStringList({"200", "1", "100"}));
    }

    void cancelAndRestartEmptiesEverything() {
        Wizard w;
        w.listedStreet();
        w.pick("ComboBox3", 1);
        w.click("BitBtn7");
        w.pick("ComboBox13", 0);
        w.tick("CheckBox5");
        {
            ModalAnswerer robot;
            robot.yes();
            w.click("BitBtn11");
        }
        w.type("EditOT", "9");
        w.click("BitBtn13");
        w.category(1);
        w.type("EditMainMM", "70");
        w.type("EditYearOfConstruction", "2001");
        w.click("BitBtn21");
        w.pick("ComboBoxKata", 1);
        w.click("BitBtn25");
        w.type("EditPercentage", "40");
        w.click("BitBtn27");
        w.type("EditYearOfBirthEpik", "1960");
        w.click("BitBtn29");
        w.tick("CheckBox4");
        w.click("BitBtn39");

        w.click("btnCancel");
        QVERIFY(!w.page->PageControl2->isVisible() && !w.get("RichEdit1")->isVisible());
        QVERIFY(w.get("Button2")->isEnabled() && !w.get("btnCancel")->isEnabled());
        QCOMPARE(w.step(), QStringLiteral("Step1"));
        QCOMPARE(w.answers().BlockNumber, QStringLiteral("9"));   // kept until the next row

        w.click("Button2");
        const Table1Answers &a = w.answers();
        QVERIFY(a.PrefectureName.isEmpty() && a.MunicipalityCode.isEmpty() && a.StreetName.isEmpty());
        QVERIFY(!a.BlockStreetsTyped && !a.NoPlotData && !a.PlotOnly && !a.FrontsOnStreet2);
        QVERIFY(a.CategoryCode.isEmpty() && a.OwnershipType.isEmpty() && a.UsufructBirthYear.isEmpty());
        QVERIFY(a.OwnerCode.isEmpty() && a.OwnerText.isEmpty());
        QVERIFY(a.MainSurface.isEmpty() && a.BlockNumber.isEmpty() && a.Street2Name.isEmpty());
        for (const char *box : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"})
            QVERIFY2(!w.get<QCheckBox>(box)->isChecked(), box);
        for (const char *field : {"EditNo", "EditOT", "EditMainMM", "EditYearOfConstruction", "EditPercentage",
                                  "EditYearOfBirthEpik", "Edit1"})
            QVERIFY2(w.get<QLineEdit>(field)->text().isEmpty(), field);
        QCOMPARE(w.get<QComboBox>("ComboBox3")->currentText(), QStringLiteral("NAI"));
        QCOMPARE(w.get<QComboBox>("ComboBox13")->currentText(), QStringLiteral("OXI"));
        QCOMPARE(w.get<QComboBox>("ComboBox16")->currentIndex(), 0);
        QCOMPARE(w.get<QComboBox>("ComboBox17")->currentIndex(), 0);
        QCOMPARE(w.get<QComboBox>("ComboBoxKata")->currentIndex(), 0);
        QVERIFY(w.get("EditOikMM")->isVisibleTo(w.page->Step15));
        QCOMPARE(w.summary().mid(0, 5), QStringList({"ΝΟΜΟΣ: \t\t", "ΔΗΜΟΣ/ΔΙΑΜ./ΚΟΙΝΟΤΗΤΑ: ", "ΟΔΟΣ: \t\t\t",
                                                     "ΑΡΙΘΜΟΣ: \t\t", "ΠΡΟΣΟΨΗ: \t\tNAI"}));
        QVERIFY(w.summary().contains(QStringLiteral("ΕΤΟΣ ΓΕΝΝΗΣΗΣ ΕΠΙΚΑΡΠΩΤΗ: \t")));
    }

    void enterNormalisesAndPressesNext() {
        Wizard w;
        w.withoutStreets();
        w.category(0);
        w.type("EditYearOfConstruction", "1980");
        w.type("EditMainMM", "12,50");
        QTest::keyClick(w.get("EditMainMM"), Qt::Key_Return);
        QCOMPARE(w.step(), QStringLiteral("Step12"));
        QCOMPARE(w.answers().MainSurface, QStringLiteral("12,5"));
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
    }
};

D7_TEST_MAIN(Table1Test)
#include "test_table1.moc"
