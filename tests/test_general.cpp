// The general data page: validation, the save button, the children rules and
// the key rules of its grids.
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "widgets/DataGrid.h"
#include "widgets/DataNavigator.h"
#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "widgets/StringGrid.h"
#include "app/TaxNumber.h"
#include "pages/general/GeneralPage.h"
#include "pages/general/Validation.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kPerson = QStringLiteral("111111114");
const QString kSpouse = QStringLiteral("100000090");
const QString kOther = QStringLiteral("012345670");
const int kYear = QDate::currentDate().year();

DeclarationSnapshot valid() {
    DeclarationSnapshot d;
    d.surname = QStringLiteral("ΑΛΦΑ");
    d.taxNumber = kPerson;
    d.spouse = QStringList(5);
    d.representative = QStringList(5);
    d.currentYear = kYear;
    return d;
}

DeclarationSnapshot::Child child(const QVariant &afm, const QVariant &year = QVariant()) { return {afm, year}; }

int count(const QString &sql) {
    Connection c;
    c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read);
    Dataset ds(&c);
    ds.setCommandText(sql);
    ds.open();
    return ds.recordCount();
}

struct Page {
    ScratchFolder folder;
    std::unique_ptr<MainWindow> form = MakeMainWindow();
    GeneralPage &page = *form->m_generalPage;
    Page() {
        OpenDeclaration(*form, kPerson);
        form->loadDeclaration();
    }
    void addChild(const QString &surname, const QString &afm, const QString &year = {}) {
        Dataset &c = *form->m_childrenData;
        c.insert();
        c.setFieldByName("Surname", surname);
        c.setFieldByName("AFM", afm);
        if (!year.isEmpty())
            c.setFieldByName("YearOfBirth", year);
        QVERIFY(c.post());
    }
    void addTable1Row(const QString &owner) {
        Dataset rows(form->m_declarationConnection.get());
        rows.setCommandText("select * from table1 where cd<0");
        rows.open();
        rows.insert();
        rows.setField(33, owner);
        rows.setField(36, kPerson);
        rows.post();
    }
    void addTable2Row(const QString &owner) {
        Dataset rows(form->m_declarationConnection.get());
        rows.setCommandText("select * from table2 where cd<0");
        rows.open();
        rows.insert();
        rows.setField(23, owner);
        rows.setField(26, kPerson);
        rows.post();
    }
};

}  // namespace

class GeneralTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(!QApplication::activeModalWidget()); }

    void validationCodes() {
        QVERIFY(CheckTaxNumber(kOther));
        auto code = [](const DeclarationSnapshot &d) { return CheckDeclaration(d).code; };
        QCOMPARE(code(valid()), 0);
        DeclarationSnapshot d = valid();
        d.surname.clear();
        d.taxNumber = "123";
        QCOMPARE(code(d), 5);   // the surname rule comes first
        d = valid();
        d.taxNumber = "111111111";
        QCOMPARE(code(d), 1);
        d = valid();
        d.spouse[0] = "ΜΟΝΟ ΕΠΩΝΥΜΟ";
        QCOMPARE(code(d), 2);
        d.spouse[4] = kPerson;
        QCOMPARE(code(d), 10);
        d = valid();
        d.representative[4] = kPerson;
        QCOMPARE(code(d), 12);
        d.representative[4] = "12";
        QCOMPARE(code(d), 3);
        d = valid();
        d.representative[1] = "ΕΚΠΡΟΣΩΠΟΣ";   // data, empty capacity, valid distinct number
        d.representative[4] = kOther;
        QCOMPARE(code(d), 0);
        d.spouse[4] = kOther;
        QCOMPARE(code(d), 12);
    }

    void childrenValidation() {
        DeclarationSnapshot d = valid();
        d.children = {child(kSpouse), child(QVariant())};
        QCOMPARE(CheckDeclaration(d).code, 4);
        QCOMPARE(CheckDeclaration(d).childRow, 1);
        d.children = {child(kSpouse), child(kSpouse)};   // children are not compared with each other
        QCOMPARE(CheckDeclaration(d).code, 0);
        d.representative = {"", "", "", "", kSpouse};
        QCOMPARE(CheckDeclaration(d).code, 11);
        d = valid();
        d.children = {child(kPerson)};
        QCOMPARE(CheckDeclaration(d).code, 11);
        const QList<std::pair<QVariant, int>> years = {
            {QVariant(), 0},           {QString(), 0},     {"1880", 0}, {QString::number(kYear), 0},
            {"1879", 6},               {QString::number(kYear + 1), 6}, {"0", 6}, {"19 8", 6},
            {QStringLiteral("198Ο"), 6},
        };
        for (const auto &[year, expected] : years) {
            d.children = {child(kSpouse, year)};
            QVERIFY2(CheckDeclaration(d).code == expected, qPrintable(year.toString()));
        }
        // the tax number comes before the year
        d.children = {child(QString(), "1700")};
        QCOMPARE(CheckDeclaration(d).code, 4);
    }

    void messagesOfBothFamilies() {
        QCOMPARE(SaveMessage(1, 2026), QStringLiteral("Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα αυτή είναι "
                                                      "ΥΠΟΧΡΕΩΤΙΚΑ. Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ Υπόχρεου. "
                                                      "Διορθώστε το για να προχωρήσει η αποθήκευση"));
        QCOMPARE(PageSwitchMessage(4, 2026),
                 QStringLiteral("Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα Γενικών Στοιχείων είναι ΥΠΟΧΡΕΩΤΙΚΑ. "
                                "Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ Προστατευόμενου Τέκνου. Διορθώστε το για να "
                                "προχωρήσετε στη χρήση του προγράμματος"));
        QVERIFY(PageSwitchMessage(3, 2026).contains("Νομίμου εκπροσώπου. Διορθώστε το για να για να προχωρήσετε"));
        QVERIFY(SaveMessage(3, 2026).contains("Νομίμου εκπροσώπου. Διορθώστε το για να προχωρήσει η αποθήκευση"));
        QVERIFY(SaveMessage(2, 2026).contains("ΑΦΜ Συζύγου. Διορθώστε"));
        for (int code : {5, 6, 10, 11, 12})
            QCOMPARE(PageSwitchMessage(code, 2026), SaveMessage(code, 2026));
        QCOMPARE(SaveMessage(6, 2026), QStringLiteral("Έχετε δώσει μη ορθό έτος γέννησης σε στοιχεία παιδιού. "
                                                      "Παρακαλώ συμπληρώστε κάποιο έτος στο διάστημα 1880-2026"));
        QCOMPARE(SaveMessage(11, 2026), QStringLiteral("Έχετε δώσει ίδιο ΑΦΜ για τέκνο και υπόχρεο και/ή σύζυγο "
                                                       "και/ή νόμιμο εκπρόσωπο.Αυτό δεν επιτρέπεται."));
        QCOMPARE(SaveMessage(7, 2026), QString());
        // the whole of every tax-number message, both families
        const QString save = "Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα αυτή είναι ΥΠΟΧΡΕΩΤΙΚΑ. Έχετε δηλώσει "
                             "κενό ή λανθασμένο ΑΦΜ %1. Διορθώστε το για να προχωρήσει η αποθήκευση";
        const QString pageSwitch = "Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα Γενικών Στοιχείων είναι "
                                   "ΥΠΟΧΡΕΩΤΙΚΑ. Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ %1. Διορθώστε το για να %2"
                                   "προχωρήσετε στη χρήση του προγράμματος";
        const QStringList persons = {"Υπόχρεου", "Συζύγου", "Νομίμου εκπροσώπου", "Προστατευόμενου Τέκνου"};
        for (int code = 1; code <= 4; ++code) {
            QCOMPARE(SaveMessage(code, 2026), save.arg(persons[code - 1]));
            QCOMPARE(PageSwitchMessage(code, 2026),
                     pageSwitch.arg(persons[code - 1], code == 2 || code == 3 ? "για να " : ""));
        }
        QCOMPARE(SaveMessage(5, 2026), QStringLiteral("Πρέπει να δηλώσετε οπωσδήποτε Επώνυμο ή Επωνυμία Υπόχρεου."));
        QCOMPARE(SaveMessage(10, 2026), QStringLiteral("Έχετε δώσει ίδιο ΑΦΜ για υπόχρεο και σύζυγο.Αυτό δεν επιτρέπεται."));
        QCOMPARE(SaveMessage(12, 2026),
                 QStringLiteral("Έχετε δώσει ίδιο ΑΦΜ για νόμιμο εκπρόσωπο και υπόχρεο και/ή σύζυγο.Αυτό δεν επιτρέπεται."));
    }

    void gridIsLeftOnTheFailingChild() {
        Page p;
        p.page.StringGridYp->setCellText(1, 1, "ΑΛΦΑ");
        p.addChild("Α", kSpouse);
        p.addChild("Β", kSpouse, "1700");
        p.addChild("Γ", kSpouse);
        QCOMPARE(p.form->validateDeclaration(), 6);
        QCOMPARE(p.form->m_childrenData->recNo(), 1);
        QCOMPARE(p.page.DBGrid1->currentIndex().row(), 1);
        p.form->m_childrenData->moveTo(1);
        p.form->m_childrenData->edit();
        p.form->m_childrenData->setFieldByName("YearOfBirth", "2000");
        QVERIFY(p.form->m_childrenData->post());
        QCOMPARE(p.form->validateDeclaration(), 0);
        QCOMPARE(p.form->m_childrenData->recNo(), 0);
        // A check that fails before the children leaves the grid where it is.
        p.form->m_childrenData->moveTo(2);
        p.page.StringGridYp->setCellText(1, 1, QString());
        QCOMPARE(p.form->validateDeclaration(), 5);
        QCOMPARE(p.form->m_childrenData->recNo(), 2);
        p.page.StringGridYp->setCellText(1, 1, "ΑΛΦΑ");
        p.page.StringGridYpWife->setCellText(5, 1, "123");
        QCOMPARE(p.form->validateDeclaration(), 2);
        QCOMPARE(p.form->m_childrenData->recNo(), 2);
    }

    void saveRefusedByValidation() {
        Page p;
        ModalAnswerer robot;
        robot.ok();
        p.page.BitBtnSave->click();
        QCOMPARE(robot.texts, QStringList({"Πρέπει να δηλώσετε οπωσδήποτε Επώνυμο ή Επωνυμία Υπόχρεου."}));
        QCOMPARE(count("select * from generaldata"), 0);
    }

    void saveQuestionsAnsweredBothWays() {
        Page p;
        p.page.StringGridYp->setCellText(1, 1, "ΕΤΑΙΡΕΙΑ Α.Ε.");   // a company: no first or father's name
        const QString personQ = "Δεν έχετε συμπληρώσει κάποια από τα στοιχεία του υπόχρεου. Είστε σίγουροι ότι θέλετε "
                                "να συνεχίσετε;";
        {
            ModalAnswerer robot;
            robot.no();
            p.page.BitBtnSaveClick();
            QCOMPARE(robot.texts, QStringList({personQ}));
            QCOMPARE(count("select * from citizendata where Surname is not null"), 0);
        }
        // spouse partly filled with a valid number: its question; No keeps what came before
        p.page.StringGridYpWife->setCellText(1, 1, "ΣΥΖΥΓΟΣ");
        p.page.StringGridYpWife->setCellText(5, 1, kSpouse);
        const QString spouseQ = "Δεν έχετε συμπληρώσει κάποια από τα στοιχεία της συζύγου. Είστε σίγουροι ότι θέλετε "
                                "να συνεχίσετε;";
        {
            ModalAnswerer robot;
            robot.yes().no();
            p.page.BitBtnSaveClick();
            QCOMPARE(robot.texts, QStringList({personQ, spouseQ}));
            QCOMPARE(count("select * from citizendata where Surname='ΕΤΑΙΡΕΙΑ Α.Ε.'"), 1);
            QCOMPARE(count("select * from wifedata"), 0);
            QCOMPARE(count("select * from generaldata"), 0);
        }
        // representative partly filled: its question; No after the general row was stored
        p.page.StringGridAnti->setCellText(1, 1, "ΕΚΠΡΟΣΩΠΟΣ");
        p.page.StringGridAnti->setCellText(4, 1, kOther);
        const QString antiQ = "Δεν έχετε συμπληρώσει κάποια από τα στοιχεία του εκπροσώπου. Είστε σίγουροι ότι θέλετε "
                              "να συνεχίσετε;";
        {
            ModalAnswerer robot;
            robot.yes().yes().no();
            p.page.BitBtnSaveClick();
            QCOMPARE(robot.texts, QStringList({personQ, spouseQ, antiQ}));
            QCOMPARE(count("select * from wifedata where AFM='" + kSpouse + "'"), 1);
            QCOMPARE(count("select * from generaldata"), 1);
            QCOMPARE(count("select * from ekprosopos"), 0);
        }
        {
            ModalAnswerer robot;
            robot.yes().yes().yes().ok();
            p.page.BitBtnSaveClick();
            QCOMPARE(robot.texts.last(), QStringLiteral("Επιτυχής αποθήκευση Γενικών Στοιχείων"));
            QCOMPARE(count("select * from ekprosopos where Surname='ΕΚΠΡΟΣΩΠΟΣ'"), 1);
        }
        // everything emptied: the spouse and representative rows go, no questions but the person's
        for (int c = 1; c <= 5; ++c)
            p.page.StringGridYpWife->setCellText(c, 1, QString());
        for (int c = 0; c <= 4; ++c)
            p.page.StringGridAnti->setCellText(c, 1, QString());
        {
            ModalAnswerer robot;
            robot.yes().ok();
            p.page.BitBtnSaveClick();
            QCOMPARE(robot.texts, QStringList({personQ, "Επιτυχής αποθήκευση Γενικών Στοιχείων"}));
            QCOMPARE(count("select * from wifedata"), 0);
            QCOMPARE(count("select * from ekprosopos"), 0);
        }
    }

    void childrenRowRule() {
        Page p;
        Dataset &c = *p.form->m_childrenData;
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
        // the validation then reports the missing child tax number
        p.page.StringGridYp->setCellText(1, 1, "ΑΛΦΑ");
        QCOMPARE(p.form->validateDeclaration(), 4);
    }

    void navigatorPostsAndCancels() {
        Page p;
        auto *nav = p.form->findChild<DataNavigator *>("DBNavigator1");
        nav->button(DataNavigator::Button::Insert)->click();
        QCOMPARE(p.form->m_childrenData->state(), Dataset::State::Insert);
        QCOMPARE(p.page.DBGrid1->model()->rowCount(), 1);
        p.page.DBGrid1->model()->setData(p.page.DBGrid1->model()->index(0, 0), "ΠΑΙΔΙ", Qt::EditRole);
        nav->button(DataNavigator::Button::Post)->click();
        QCOMPARE(count("select * from children where Surname='ΠΑΙΔΙ'"), 1);
        p.page.DBGrid1->model()->setData(p.page.DBGrid1->model()->index(0, 1), "ΟΝΟΜΑ", Qt::EditRole);
        nav->button(DataNavigator::Button::Cancel)->click();
        QCOMPARE(p.form->m_childrenData->textByName("Name"), QString());
        QCOMPARE(count("select * from children where Name is not null"), 0);
    }

    // Delete with no child and post with nothing edited have nothing to act
    // on: no question, no error window, nothing changes.
    void navigatorButtonsWithNothingToActOn() {
        Page p;
        DataNavigator *nav = p.page.DBNavigator1;
        Dataset &c = *p.form->m_childrenData;
        ModalAnswerer robot;
        robot.yes().ok().ok();
        nav->button(DataNavigator::Button::Delete)->click();
        nav->button(DataNavigator::Button::Post)->click();
        QTest::qWait(200);   // a window the robot answers would have shown by now
        QCOMPARE(robot.texts, QStringList());
        QCOMPARE(c.state(), Dataset::State::Browse);

        p.addChild("ΠΑΙΔΙ", kSpouse);
        nav->button(DataNavigator::Button::Post)->click();
        QTest::qWait(200);
        QCOMPARE(robot.texts, QStringList());
        QCOMPARE(count("select * from children"), 1);
        // a row being inserted into an empty grid is still dropped by Delete, after the question
        p.form->m_childrenData->remove();
        nav->button(DataNavigator::Button::Insert)->click();
        QCOMPARE(c.state(), Dataset::State::Insert);
        nav->button(DataNavigator::Button::Delete)->click();
        QTRY_COMPARE(robot.texts, QStringList({"Είστε σίγουρος;"}));
        QCOMPARE(c.state(), Dataset::State::Browse);
        QCOMPARE(p.page.DBGrid1->model()->rowCount(), 0);
    }

    // The navigator's buttons take no focus, so a cell of the children grid may
    // still be open under the typing when one is pressed: post and insert keep
    // what was typed, cancel drops it.
    void navigatorActsOnTheCellBeingTyped() {
        Page p;
        p.form->m_showStartHint = false;
        p.form->show();
        QApplication::setActiveWindow(p.form.get());
        QVERIFY(QTest::qWaitForWindowActive(p.form.get()));
        DataNavigator *nav = p.page.DBNavigator1;
        DataGrid *grid = p.page.DBGrid1;
        Dataset &c = *p.form->m_childrenData;
        auto typeInto = [&](int row, int column, const QString &text) {
            grid->setFocus();
            grid->setCurrentIndex(grid->model()->index(row, column));
            TypeText(grid, text.left(1));
            QVERIFY(grid->indexWidget(grid->currentIndex()));   // the cell's editor is open
            TypeText(QApplication::focusWidget(), text.mid(1));
        };

        nav->button(DataNavigator::Button::Insert)->click();
        typeInto(0, 0, "ΖΗΤΑ");
        nav->button(DataNavigator::Button::Post)->click();
        QCOMPARE(count("select * from children where Surname='ΖΗΤΑ' and AFMYpox='" + kPerson + "'"), 1);
        QCOMPARE(c.state(), Dataset::State::Browse);

        typeInto(0, 1, "ΘΗΤΑ");
        nav->button(DataNavigator::Button::Cancel)->click();
        QVERIFY(!grid->indexWidget(grid->currentIndex()));
        grid->setFocus();
        QTest::qWait(50);
        QCOMPARE(c.state(), Dataset::State::Browse);
        QCOMPARE(c.textByName("Name"), QString());

        typeInto(0, 1, "ΙΩΤΑ");
        nav->button(DataNavigator::Button::Insert)->click();
        QCOMPARE(count("select * from children where Surname='ΖΗΤΑ' and Name='ΙΩΤΑ'"), 1);
        QCOMPARE(c.state(), Dataset::State::Insert);
    }

    void deletingAChild_data() {
        QTest::addColumn<QStringList>("table1Owners");
        QTest::addColumn<QStringList>("table2Owners");
        QTest::addColumn<QString>("answers");   // y/n per question
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("no rows of children") << QStringList{"1", "2"} << QStringList{"1"} << "y" << 1 << true;
        QTest::newRow("refused at once") << QStringList{} << QStringList{} << "n" << 1 << false;
        QTest::newRow("three of Table 1") << QStringList{"3", "1", "4", "5"} << QStringList{} << "yyyy" << 4 << true;
        QTest::newRow("No on the second warning") << QStringList{"3", "4", "5"} << QStringList{} << "yyn" << 3 << false;
        QTest::newRow("both tables") << QStringList{"10"} << QStringList{"2", "3"} << "yyy" << 3 << true;
        QTest::newRow("Table 2 refused") << QStringList{} << QStringList{"11"} << "yn" << 2 << false;
    }
    void deletingAChild() {
        QFETCH(QStringList, table1Owners);
        QFETCH(QStringList, table2Owners);
        QFETCH(QString, answers);
        QFETCH(int, questions);
        QFETCH(bool, deleted);
        Page p;
        p.addChild("ΠΡΩΤΟ", kSpouse);
        p.addChild("ΔΕΥΤΕΡΟ", kOther);
        for (const QString &o : table1Owners)
            p.addTable1Row(o);
        for (const QString &o : table2Owners)
            p.addTable2Row(o);
        p.form->loadDeclaration();
        p.form->m_childrenData->moveTo(1);
        ModalAnswerer robot;
        for (QChar a : answers)
            a == 'y' ? robot.yes() : robot.no();
        p.form->findChild<DataNavigator *>("DBNavigator1")->button(DataNavigator::Button::Delete)->click();
        QCOMPARE(robot.texts.size(), questions);
        QCOMPARE(robot.texts.first(), QStringLiteral("Είστε σίγουρος;"));
        for (int i = 1; i < questions; ++i)
            QVERIFY(robot.texts[i].startsWith("Έχετε δηλώσει στοιχεία ακινήτων τα οποία ανήκουν στο/στα τέκνα σας."));
        QCOMPARE(count("select * from children where Surname='ΔΕΥΤΕΡΟ'"), deleted ? 0 : 1);
        QCOMPARE(count("select * from children"), deleted ? 1 : 2);
        QCOMPARE(p.form->m_table1Rows->recNo(), table1Owners.isEmpty() ? -1 : 0);
    }

    void taxOfficeCodesFollowTheChosenPlace() {
        Page p;
        auto *names = p.page.ComboBoxDOY;
        const int first = names->findText("ΝΕΑΠΟΛΗΣ ΒΟΙΟΥ");
        QCOMPARE(names->itemText(first + 1), QStringLiteral("ΝΕΑΠΟΛΗΣ ΒΟΙΟΥ"));
        p.page.ComboBoxDOYChange(first + 1);
        QCOMPARE(p.page.ComboBoxDOYCodes->currentText(), QStringLiteral("4511"));
        p.page.ComboBoxDOYChange(first);
        QCOMPARE(p.page.ComboBoxDOYCodes->currentText(), QStringLiteral("2622"));
        // the user's own choice moves the code list, keyboard included
        p.form->show();
        names->setFocus();
        names->setCurrentIndex(0);
        QTest::keyClick(names, Qt::Key_Down);
        QCOMPARE(p.page.ComboBoxDOYCodes->currentIndex(), 1);
        QCOMPARE(p.page.ComboBoxDOYCodes->currentText(), QStringLiteral("7311"));
    }

    void gridKeyRules() {
        Page p;
        p.form->m_showStartHint = false;
        p.form->show();
        QApplication::setActiveWindow(p.form.get());
        QVERIFY(QTest::qWaitForWindowActive(p.form.get()));
        const int beeps = BeepCount();
        // the person liable's tax number takes no typing, silently
        StringGrid *yp = p.page.StringGridYp;
        yp->setFocus();
        yp->setCurrentCell(1, 4);
        QTest::keyClick(yp, '5');
        QCOMPARE(yp->cellText(4, 1), kPerson);
        QCOMPARE(BeepCount(), beeps);
        // the spouse's tax number takes digits only; other cells anything
        StringGrid *wife = p.page.StringGridYpWife;
        wife->setFocus();
        wife->setCurrentCell(1, 5);
        QTest::keyClick(wife, 'A');
        QCOMPARE(BeepCount(), beeps + 1);
        QVERIFY(!qobject_cast<QLineEdit *>(QApplication::focusWidget()));   // no edit was started
        QTest::keyClick(wife, '1');
        auto *editor = wife->findChild<QLineEdit *>();
        QVERIFY(editor);
        TypeText(editor, "2x3");
        QCOMPARE(BeepCount(), beeps + 2);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(wife->cellText(5, 1), QStringLiteral("123"));   // the editor commits when events run
        wife->setCurrentCell(1, 1);
        QTest::keyClick(wife, 'A');
        QTest::keyClick(wife->findChild<QLineEdit *>(), Qt::Key_Return);
        QTRY_COMPARE(wife->cellText(1, 1), QStringLiteral("A"));
        QCOMPARE(BeepCount(), beeps + 2);
        // the representative's tax number likewise
        StringGrid *anti = p.page.StringGridAnti;
        anti->setFocus();
        anti->setCurrentCell(1, 4);
        QTest::keyClick(anti, ',');
        QCOMPARE(BeepCount(), beeps + 3);
        // the children's year and tax number columns
        auto *grid = p.page.DBGrid1;
        p.form->findChild<DataNavigator *>("DBNavigator1")->button(DataNavigator::Button::Insert)->click();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 5));
        QTest::keyClick(grid, 'Z');
        QCOMPARE(BeepCount(), beeps + 4);
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, 'Z');
        QCOMPARE(BeepCount(), beeps + 4);
        QTest::keyClick(grid->findChild<QLineEdit *>(), Qt::Key_Return);
        QTRY_COMPARE(p.form->m_childrenData->textByName("Surname"), QStringLiteral("Z"));
    }
};

D7_TEST_MAIN(GeneralTest)
#include "test_general.moc"
