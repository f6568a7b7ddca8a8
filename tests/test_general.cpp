// The general data page: the check of the declaration, the save button, the
// children rows and their navigator, and the key rules of the page's grids.
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "widgets/DataGrid.h"
#include "widgets/DataNavigator.h"
#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "declaration/Declaration.h"
#include "widgets/StringGrid.h"
#include "pages/general/GeneralPage.h"
#include "declaration/Validation.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kPerson = QStringLiteral("111111114");
const QString kSpouse = QStringLiteral("100000090");
const QString kOther = QStringLiteral("012345670");
const int kYear = QDate::currentDate().year();

int count(const QString &sql) { return int(StoredRows(sql).size()); }

// Queues one answer per letter: y Yes, n No, o OK.
void answer(ModalAnswerer &robot, const QString &answers) {
    for (QChar a : answers)
        a == 'y' ? robot.yes() : a == 'n' ? robot.no() : robot.ok();
}

// A main window on a scratch database with the declaration of kPerson open.
struct Page {
    ScratchFolder folder;
    std::unique_ptr<MainWindow> form = MakeMainWindow();
    GeneralPage &page = *form->generalPage();
    Dataset &children = form->declaration().children();
    Page() {
        form->openDeclaration(kPerson);
    }
    bool showActive() {
        form->setStartHintPending(false);
        form->show();
        QApplication::setActiveWindow(form.get());
        return QTest::qWaitForWindowActive(form.get());
    }
    void pressNavigator(DataNavigator::Button button) {
        form->findChild<DataNavigator *>("DBNavigator1")->button(button)->click();
    }
    void addChild(const QString &surname, const QString &taxNumber, const QString &year = {}) {
        children.insert();
        children.setFieldByName("Surname", surname);
        children.setFieldByName("AFM", taxNumber);
        if (!year.isEmpty())
            children.setFieldByName("YearOfBirth", year);
        QVERIFY(children.post());
    }
    void addPropertyRow(const QString &table, int ownerColumn, int keyColumn, const QString &owner) {
        Dataset rows(&form->declaration().store());
        rows.setCommandText("select * from " + table + " where cd<0");
        rows.open();
        rows.insert();
        rows.setField(ownerColumn, owner);
        rows.setField(keyColumn, kPerson);
        rows.post();
    }
};

}  // namespace

class GeneralTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(!QApplication::activeModalWidget()); }

    void theFirstFailingRuleGivesTheCode() {
        using Change = std::function<void(DeclarationSnapshot &)>;
        auto child = [](const QVariant &taxNumber, const QVariant &year = {}) {
            return DeclarationSnapshot::Child{taxNumber, year};
        };
        auto withYear = [&](const QVariant &year) -> Change {
            return [=](DeclarationSnapshot &d) { d.children = {child(kSpouse, year)}; };
        };
        const struct {
            const char *story;
            Change change;
            int code;
            int childRow = -1;   // the child that failed
        } cases[] = {
            {"all in order", [](auto &) {}, 0},
            {"the surname comes first", [](auto &d) { d.surname.clear(); d.taxNumber = "123"; }, 5},
            {"wrong check digit", [](auto &d) { d.taxNumber = "111111111"; }, 1},
            {"spouse with only a surname", [](auto &d) { d.spouse[0] = "ΜΟΝΟ ΕΠΩΝΥΜΟ"; }, 2},
            {"spouse is the person liable", [](auto &d) { d.spouse[0] = "Α"; d.spouse[4] = kPerson; }, 10},
            {"representative is the person liable", [](auto &d) { d.representative[4] = kPerson; }, 12},
            {"representative's number short", [](auto &d) { d.representative[4] = "12"; }, 3},
            {"representative without capacity",
             [](auto &d) { d.representative[1] = "ΕΚ"; d.representative[4] = kOther; }, 0},
            {"representative is the spouse",
             [](auto &d) { d.representative[1] = "ΕΚ"; d.representative[4] = d.spouse[4] = kOther; }, 12},
            {"second child without tax number", [&](auto &d) { d.children = {child(kSpouse), child({})}; }, 4, 1},
            {"children not compared", [&](auto &d) { d.children = {child(kSpouse), child(kSpouse)}; }, 0},
            {"a child is the representative",
             [&](auto &d) { d.children = {child(kSpouse)}; d.representative[4] = kSpouse; }, 11, 0},
            {"a child is the person liable", [&](auto &d) { d.children = {child(kPerson)}; }, 11, 0},
            {"the tax number before the year", [&](auto &d) { d.children = {child(QString(), "1700")}; }, 4, 0},
            {"no year", withYear(QVariant()), 0},
            {"empty year", withYear(QString()), 0},
            {"born 1880", withYear("1880"), 0},
            {"born this year", withYear(QString::number(kYear)), 0},
            {"born 1879", withYear("1879"), 6, 0},
            {"born next year", withYear(QString::number(kYear + 1)), 6, 0},
            {"born in year 0", withYear("0"), 6, 0},
            {"a blank in the year", withYear("19 8"), 6, 0},
            {"a Greek letter in the year", withYear(QStringLiteral("198Ο")), 6, 0},
        };
        for (const auto &c : cases) {
            DeclarationSnapshot d;
            d.surname = QStringLiteral("ΑΛΦΑ");
            d.taxNumber = kPerson;
            d.spouse = d.representative = QStringList(5);
            d.currentYear = kYear;
            c.change(d);
            const ValidationResult result = CheckDeclaration(d);
            QVERIFY2(result.code == c.code && result.childRow == c.childRow, c.story);
        }
    }

    void eachCodeHasItsSaveAndPageSwitchMessage() {
        const QString save = "Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα αυτή είναι ΥΠΟΧΡΕΩΤΙΚΑ. Έχετε δηλώσει "
                             "κενό ή λανθασμένο ΑΦΜ %1. Διορθώστε το για να προχωρήσει η αποθήκευση";
        const QString pageSwitch = "Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα Γενικών Στοιχείων είναι "
                                   "ΥΠΟΧΡΕΩΤΙΚΑ. Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ %1. Διορθώστε το για να %2"
                                   "προχωρήσετε στη χρήση του προγράμματος";
        const QStringList persons = {"Υπόχρεου", "Συζύγου", "Νομίμου εκπροσώπου", "Προστατευόμενου Τέκνου"};
        for (int code = 1; code <= 4; ++code) {
            QCOMPARE(SaveMessage(code, 2026), save.arg(persons[code - 1]));
            // the spouse's and the representative's say "για να" twice
            QCOMPARE(PageSwitchMessage(code, 2026),
                     pageSwitch.arg(persons[code - 1], code == 2 || code == 3 ? "για να " : ""));
        }
        const QList<std::pair<int, QString>> shared = {
            {5, "Πρέπει να δηλώσετε οπωσδήποτε Επώνυμο ή Επωνυμία Υπόχρεου."},
            {6, "Έχετε δώσει μη ορθό έτος γέννησης σε στοιχεία παιδιού. Παρακαλώ συμπληρώστε κάποιο έτος στο "
                "διάστημα 1880-2026"},
            {10, "Έχετε δώσει ίδιο ΑΦΜ για υπόχρεο και σύζυγο.Αυτό δεν επιτρέπεται."},
            {11, "Έχετε δώσει ίδιο ΑΦΜ για τέκνο και υπόχρεο και/ή σύζυγο και/ή νόμιμο εκπρόσωπο.Αυτό δεν επιτρέπεται."},
            {12, "Έχετε δώσει ίδιο ΑΦΜ για νόμιμο εκπρόσωπο και υπόχρεο και/ή σύζυγο.Αυτό δεν επιτρέπεται."},
        };
        for (const auto &[code, text] : shared) {
            QCOMPARE(SaveMessage(code, 2026), text);
            QCOMPARE(PageSwitchMessage(code, 2026), text);
        }
        QCOMPARE(SaveMessage(7, 2026), QString());
    }

    void theChildrenGridIsLeftOnTheFailingChild() {
        Page p;
        p.page.m_taxpayerGrid->setCellText(1, 1, "ΑΛΦΑ");
        p.addChild("Α", kSpouse);
        p.addChild("Β", kSpouse, "1700");
        p.addChild("Γ", kSpouse);
        QCOMPARE(p.form->declaration().validate(), 6);
        QCOMPARE(p.children.recNo(), 1);
        QCOMPARE(p.page.m_childrenGrid->currentIndex().row(), 1);
        p.children.moveTo(1);
        p.children.edit();
        p.children.setFieldByName("YearOfBirth", "2000");
        QVERIFY(p.children.post());
        QCOMPARE(p.form->declaration().validate(), 0);
        QCOMPARE(p.children.recNo(), 0);
        // A check that fails before the children leaves the grid where it is.
        p.children.moveTo(2);
        p.page.m_taxpayerGrid->setCellText(1, 1, QString());
        QCOMPARE(p.form->declaration().validate(), 5);
        QCOMPARE(p.children.recNo(), 2);
        p.page.m_taxpayerGrid->setCellText(1, 1, "ΑΛΦΑ");
        p.page.m_spouseGrid->setCellText(5, 1, "123");
        QCOMPARE(p.form->declaration().validate(), 2);
        QCOMPARE(p.children.recNo(), 2);
    }

    // Each step fills the page and presses the save button: a failed check
    // stores nothing, a No keeps what the save stored before it.
    void saveAsksAboutMissingDataAndStopsAtNo() {
        Page p;
        auto question = [](const char *whose) {
            return QStringLiteral("Δεν έχετε συμπληρώσει κάποια από τα στοιχεία %1. Είστε σίγουροι ότι θέλετε να "
                                  "συνεχίσετε;").arg(QString::fromUtf8(whose));
        };
        const QString personQ = question("του υπόχρεου"), spouseQ = question("της συζύγου"),
                      antiQ = question("του εκπροσώπου"), stored = "Επιτυχής αποθήκευση Γενικών Στοιχείων";
        const QString company = "ΕΤΑΙΡΕΙΑ Α.Ε.";   // no first or father's name
        // partly filled, with valid tax numbers
        const QStringList spouse = {"ΣΥΖΥΓΟΣ", "", "", "", kSpouse}, anti = {"", "ΕΚΠΡΟΣΩΠΟΣ", "", "", kOther};
        const struct {
            QString surname;
            QStringList spouse, anti;
            const char *answers;
            QStringList shown;
            QList<std::pair<QString, int>> counts;
        } steps[] = {
            {"", {}, {}, "o", {"Πρέπει να δηλώσετε οπωσδήποτε Επώνυμο ή Επωνυμία Υπόχρεου."},
             {{"select * from generaldata", 0}}},
            {company, {}, {}, "n", {personQ}, {{"select * from citizendata where Surname is not null", 0}}},
            {company, spouse, {}, "yn", {personQ, spouseQ},
             {{"select * from citizendata where Surname='ΕΤΑΙΡΕΙΑ Α.Ε.'", 1},
              {"select * from wifedata", 0},
              {"select * from generaldata", 0}}},
            // No to the representative's question after the general row was stored
            {company, spouse, anti, "yyn", {personQ, spouseQ, antiQ},
             {{"select * from wifedata where AFM='" + kSpouse + "'", 1},
              {"select * from generaldata", 1},
              {"select * from ekprosopos", 0}}},
            {company, spouse, anti, "yyyo", {personQ, spouseQ, antiQ, stored},
             {{"select * from ekprosopos where Surname='ΕΚΠΡΟΣΩΠΟΣ'", 1}}},
            // all emptied: the spouse's and the representative's rows go, unasked
            {company, {}, {}, "yo", {personQ, stored}, {{"select * from wifedata", 0}, {"select * from ekprosopos", 0}}},
        };
        for (const auto &step : steps) {
            p.page.m_taxpayerGrid->setCellText(1, 1, step.surname);
            for (int c = 0; c < 5; ++c) {
                p.page.m_spouseGrid->setCellText(c + 1, 1, step.spouse.value(c));
                p.page.m_representativeGrid->setCellText(c, 1, step.anti.value(c));
            }
            ModalAnswerer robot;
            answer(robot, step.answers);
            p.page.m_saveButton->click();
            QCOMPARE(robot.texts, step.shown);
            for (const auto &[sql, rows] : step.counts)
                QVERIFY2(count(sql) == rows, qPrintable(sql));
        }
    }

    void emptyChildRowsAreNeverStored() {
        Page p;
        Dataset &c = p.children;
        // all columns null: refused silently, the row stays in editing
        c.insert();
        QVERIFY(!c.post());
        QCOMPARE(c.state(), Dataset::State::Insert);
        QCOMPARE(count("select * from children"), 0);
        // only empty texts: the changes are cancelled
        c.setFieldByName("Surname", QString());
        QVERIFY(!c.post());
        QCOMPARE(c.state(), Dataset::State::Browse);
        QCOMPARE(count("select * from children"), 0);
        // only the year of birth: stored, with the declaration's key
        c.insert();
        c.setFieldByName("YearOfBirth", "1990");
        QVERIFY(c.post());
        QCOMPARE(count("select * from children where AFMYpox='" + kPerson + "' and YearOfBirth='1990'"), 1);
        // the check then reports the missing child tax number
        p.page.m_taxpayerGrid->setCellText(1, 1, "ΑΛΦΑ");
        QCOMPARE(p.form->declaration().validate(), 4);
    }

    // Delete with no child and post with nothing edited have nothing to act
    // on: no question, no error window, nothing changes.
    void navigatorButtonsWithNothingToActOnDoNothing() {
        Page p;
        Dataset &c = p.children;
        ModalAnswerer robot;
        robot.yes().ok().ok();
        p.pressNavigator(DataNavigator::Button::Delete);
        p.pressNavigator(DataNavigator::Button::Post);
        QTest::qWait(200);   // a window the robot answers would have shown by now
        QCOMPARE(robot.texts, QStringList());
        QCOMPARE(c.state(), Dataset::State::Browse);

        p.addChild("ΠΑΙΔΙ", kSpouse);
        p.pressNavigator(DataNavigator::Button::Post);
        QTest::qWait(200);
        QCOMPARE(robot.texts, QStringList());
        QCOMPARE(count("select * from children"), 1);
        // a row being inserted into an empty grid is still dropped by Delete, after the question
        c.remove();
        p.pressNavigator(DataNavigator::Button::Insert);
        QCOMPARE(c.state(), Dataset::State::Insert);
        p.pressNavigator(DataNavigator::Button::Delete);
        QTRY_COMPARE(robot.texts, QStringList({"Είστε σίγουρος;"}));
        QCOMPARE(c.state(), Dataset::State::Browse);
        QCOMPARE(p.page.m_childrenGrid->model()->rowCount(), 0);
    }

    // The navigator's buttons take no focus, so a cell of the children grid may
    // still be open under the typing when one is pressed: post and insert keep
    // what was typed, cancel drops it, and also an edit already in the row.
    void navigatorPostsOrDropsTheCellBeingTyped() {
        Page p;
        QVERIFY(p.showActive());
        DataGrid *grid = p.page.m_childrenGrid;
        Dataset &c = p.children;
        auto typeInto = [&](int row, int column, const QString &text) {
            grid->setFocus();
            grid->setCurrentIndex(grid->model()->index(row, column));
            TypeText(grid, text.left(1));
            QVERIFY(grid->indexWidget(grid->currentIndex()));   // the cell's editor is open
            TypeText(QApplication::focusWidget(), text.mid(1));
        };

        p.pressNavigator(DataNavigator::Button::Insert);
        QCOMPARE(c.state(), Dataset::State::Insert);
        QCOMPARE(grid->model()->rowCount(), 1);
        typeInto(0, 0, "ΖΗΤΑ");
        p.pressNavigator(DataNavigator::Button::Post);
        QCOMPARE(count("select * from children where Surname='ΖΗΤΑ' and AFMYpox='" + kPerson + "'"), 1);
        QCOMPARE(c.state(), Dataset::State::Browse);

        typeInto(0, 1, "ΘΗΤΑ");
        p.pressNavigator(DataNavigator::Button::Cancel);
        QVERIFY(!grid->indexWidget(grid->currentIndex()));
        grid->setFocus();
        QTest::qWait(50);
        QCOMPARE(c.state(), Dataset::State::Browse);
        QCOMPARE(c.textByName("Name"), QString());

        grid->model()->setData(grid->model()->index(0, 1), "ΟΝΟΜΑ", Qt::EditRole);
        p.pressNavigator(DataNavigator::Button::Cancel);
        QCOMPARE(c.textByName("Name"), QString());
        QCOMPARE(count("select * from children where Name is not null"), 0);

        typeInto(0, 1, "ΙΩΤΑ");
        p.pressNavigator(DataNavigator::Button::Insert);
        QCOMPARE(count("select * from children where Surname='ΖΗΤΑ' and Name='ΙΩΤΑ'"), 1);
        QCOMPARE(c.state(), Dataset::State::Insert);
    }

    void deletingAChildWarnsOncePerPropertyOfAChild_data() {
        QTest::addColumn<QStringList>("table1Owners");
        QTest::addColumn<QStringList>("table2Owners");
        QTest::addColumn<QString>("answers");   // y/n per question; a No keeps the child
        QTest::newRow("no rows of children") << QStringList{"1", "2"} << QStringList{"1"} << "y";
        QTest::newRow("refused at once") << QStringList{} << QStringList{} << "n";
        QTest::newRow("three of Table 1") << QStringList{"3", "1", "4", "5"} << QStringList{} << "yyyy";
        QTest::newRow("No on the second warning") << QStringList{"3", "4", "5"} << QStringList{} << "yyn";
        QTest::newRow("both tables") << QStringList{"10"} << QStringList{"2", "3"} << "yyy";
        QTest::newRow("Table 2 refused") << QStringList{} << QStringList{"11"} << "yn";
    }
    void deletingAChildWarnsOncePerPropertyOfAChild() {
        QFETCH(QStringList, table1Owners);
        QFETCH(QStringList, table2Owners);
        QFETCH(QString, answers);
        const bool deleted = !answers.contains('n');
        Page p;
        p.addChild("ΠΡΩΤΟ", kSpouse);
        p.addChild("ΔΕΥΤΕΡΟ", kOther);
        for (const QString &o : table1Owners)
            p.addPropertyRow("table1", 33, 36, o);
        for (const QString &o : table2Owners)
            p.addPropertyRow("table2", 23, 26, o);
        p.form->openDeclaration(kPerson);
        p.children.moveTo(1);
        ModalAnswerer robot;
        answer(robot, answers);
        p.pressNavigator(DataNavigator::Button::Delete);
        QCOMPARE(robot.texts.size(), answers.size());
        QCOMPARE(robot.texts.first(), QStringLiteral("Είστε σίγουρος;"));
        for (int i = 1; i < answers.size(); ++i)
            QVERIFY(robot.texts[i].startsWith("Έχετε δηλώσει στοιχεία ακινήτων τα οποία ανήκουν στο/στα τέκνα σας."));
        QCOMPARE(count("select * from children where Surname='ΔΕΥΤΕΡΟ'"), deleted ? 0 : 1);
        QCOMPARE(count("select * from children"), deleted ? 1 : 2);
        QCOMPARE(p.form->declaration().table1Rows().recNo(), table1Owners.isEmpty() ? -1 : 0);
    }

    void theHiddenCodeFollowsTheChosenTaxOffice() {
        Page p;
        QComboBox *names = p.page.m_taxOffices, *codes = p.page.m_taxOfficeCodes;
        const int first = names->findText("ΝΕΑΠΟΛΗΣ ΒΟΙΟΥ");
        QCOMPARE(names->itemText(first + 1), QStringLiteral("ΝΕΑΠΟΛΗΣ ΒΟΙΟΥ"));
        p.page.chooseTaxOffice(first + 1);
        QCOMPARE(codes->currentText(), QStringLiteral("4511"));
        p.page.chooseTaxOffice(first);
        QCOMPARE(codes->currentText(), QStringLiteral("2622"));
        // the user's own choice moves the code list, keyboard included
        p.form->show();
        names->setFocus();
        names->setCurrentIndex(0);
        QTest::keyClick(names, Qt::Key_Down);
        QCOMPARE(codes->currentIndex(), 1);
        QCOMPARE(codes->currentText(), QStringLiteral("7311"));
    }

    // The person liable's tax number takes no typing, silently; the other tax
    // numbers and the children's years take digits only, with a beep for the
    // rest; the other cells take anything.
    void taxNumberAndYearCellsTakeDigitsOnly() {
        Page p;
        QVERIFY(p.showActive());
        p.pressNavigator(DataNavigator::Button::Insert);
        QAbstractItemView *taxpayer = p.page.m_taxpayerGrid, *spouse = p.page.m_spouseGrid,
                          *anti = p.page.m_representativeGrid, *children = p.page.m_childrenGrid;
        const struct {
            QAbstractItemView *grid;
            int row, column;
            const char *typed;
            bool edits;   // the first key opens the cell's editor
            QString shown;
            int beeps;
        } cases[] = {
            {taxpayer, 1, 4, "5", false, kPerson, 0},
            {spouse, 1, 5, "A", false, "", 1},
            {spouse, 1, 5, "12x3", true, "123", 1},
            {spouse, 1, 1, "A", true, "A", 0},
            {anti, 1, 4, ",", false, "", 1},
            {children, 0, 5, "Z", false, "", 1},
            {children, 0, 0, "Z", true, "Z", 0},
        };
        for (const auto &c : cases) {
            const int beeps = BeepCount();
            c.grid->setFocus();
            c.grid->setCurrentIndex(c.grid->model()->index(c.row, c.column));
            QTest::keyClick(c.grid, c.typed[0]);
            auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            QCOMPARE(editor != nullptr, c.edits);
            if (editor) {
                TypeText(editor, QString::fromLatin1(c.typed + 1));
                QTest::keyClick(editor, Qt::Key_Return);   // the editor commits when events run
            }
            QTRY_COMPARE(c.grid->model()->index(c.row, c.column).data().toString(), c.shown);
            QCOMPARE(BeepCount() - beeps, c.beeps);
        }
        QCOMPARE(p.children.textByName("Surname"), QStringLiteral("Z"));
    }
};

D7_TEST_MAIN(GeneralTest)
#include "test_general.moc"
