// Opening declarations by tax number, loading and storing the general page,
// and the silent stores (another declaration, page switch, shut-down).
#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QToolButton>

#include "widgets/DataGrid.h"
#include "widgets/DataNavigator.h"
#include "app/MainWindow.h"
#include "widgets/StringGrid.h"
#include "app/TaxNumber.h"
#include "pages/general/GeneralPage.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kFirst = QStringLiteral("111111114");
const QString kSecond = QStringLiteral("100000090");

// The check digit computed another way: the binary value of the first eight
// digits read as bits is not what is meant; each digit is doubled eight..one times.
int expectedCheckDigit(const QString &digits) {
    long long sum = 0;
    for (int i = 0; i < 8; ++i) {
        long long weight = 1;
        for (int k = 0; k < 9 - (i + 1); ++k)
            weight *= 2;
        sum += (digits[i].unicode() - '0') * weight;
    }
    const int r = int(sum % 11);
    return r == 10 ? 0 : r;
}


void open(MainWindow &form, const QString &number, ModalAnswerer &robot) {
    robot.type(number);
    form.findChild<QAction *>("N92")->trigger();
    QTRY_COMPARE(robot.pending(), 0);
}

// A main window on a scratch copy of the database, with the first declaration open.
struct Session {
    ScratchFolder folder;
    std::unique_ptr<MainWindow> form = MakeMainWindow();
    ModalAnswerer robot;
    GeneralPage &page = *form->m_generalPage;
    Session() { open(*form, kFirst, robot); }
};

}  // namespace

class DeclarationTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(!QApplication::activeModalWidget()); }

    void taxNumberExamples_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("eight ones and 4") << "111111114" << true;
        QTest::newRow("nine ones") << "111111111" << false;
        QTest::newRow("nine zeros") << "000000000" << false;
        QTest::newRow("remainder ten counts as zero") << "100000090" << true;
        QTest::newRow("eight digits") << "11111114" << false;
        QTest::newRow("ten digits") << "1111111140" << false;
        QTest::newRow("leading blank") << " 11111114" << false;
        QTest::newRow("letter") << "11111111A" << false;
        QTest::newRow("sign") << "+11111114" << false;
        QTest::newRow("blank inside") << "1111 1114" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("Greek digit-like letter") << "11111111Ο" << false;
    }
    void taxNumberExamples() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(CheckTaxNumber(text), valid);
    }

    void taxNumberAgainstAnIndependentCheckDigit() {
        QRandomGenerator rng(2024);
        int valid = 0;
        for (int n = 0; n < 20000; ++n) {
            QString digits;
            for (int i = 0; i < 9; ++i)
                digits += QChar('0' + rng.bounded(10));
            const bool expected = digits != "000000000" && digits[8].unicode() - '0' == expectedCheckDigit(digits);
            QCOMPARE(CheckTaxNumber(digits), expected);
            valid += expected;
        }
        QVERIFY(valid > 1000);   // about one in eleven
    }

    void invalidNumbersChangeNothing() {
        ScratchFolder folder;
        auto form = MakeMainWindow();
        ModalAnswerer robot;
        robot.type("111111111").ok().cancel().ok();
        form->openDeclaration();
        form->openDeclaration();
        QCOMPARE(robot.texts, QStringList({"Δώστε ΑΦΜ Υπόχρεου. Αν έχουν ήδη περαστεί στοιχεία για αυτόν τον ΑΦΜ, "
                                           "αυτά θα εμφανιστούν στην οθόνη.",
                                           "Μη έγκυρος ΑΦΜ. Παρακαλώ προσπαθήστε ξανά",
                                           "Δώστε ΑΦΜ Υπόχρεου. Αν έχουν ήδη περαστεί στοιχεία για αυτόν τον ΑΦΜ, "
                                           "αυτά θα εμφανιστούν στην οθόνη.",
                                           "Μη έγκυρος ΑΦΜ. Παρακαλώ προσπαθήστε ξανά"}));
        QCOMPARE(robot.titles.first(), QStringLiteral("Δώστε ΑΦΜ Υπόχρεου"));
        QVERIFY(!form->m_pages->isEnabled());
        QCOMPARE(form->m_currentTaxNumber, QString());
        QVERIFY(StoredRows("select * from citizendata").isEmpty());
    }

    void newDeclarationIsCreatedOnce() {
        ScratchFolder folder;
        auto form = MakeMainWindow();
        ModalAnswerer robot;
        open(*form, kFirst, robot);
        QVERIFY(form->m_pages->isEnabled());
        QCOMPARE(form->m_currentTaxNumber, kFirst);
        QCOMPARE(StoredRows("select * from citizendata"), QList<QStringList>({{"<null>", "<null>", "<null>", kFirst}}));
        auto *yp = form->findChild<StringGrid *>("StringGridYp");
        QCOMPARE(yp->cellText(4, 1), kFirst);
        QCOMPARE(yp->cellText(1, 1), QString());
        QVERIFY(form->m_childrenData->isActive());
        QCOMPARE(form->m_childrenData->commandText(), "select * from children where AFMYpox='" + kFirst + "'");
        QCOMPARE(form->m_table1Rows->commandText(), "select * from table1 where AFMYpox='" + kFirst + "'");
        QCOMPARE(form->m_table2Rows->commandText(), "select * from table2 where AFMYpox='" + kFirst + "'");
        // opening it again stores the page and loads it again; no second row
        yp->setCellText(1, 1, QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
        open(*form, kFirst, robot);
        QCOMPARE(yp->cellText(1, 1), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
        QCOMPARE(StoredRows("select * from citizendata").size(), 1);
        QCOMPARE(StoredRows("select * from generaldata").size(), 1);
    }

    void twoDeclarationsSideBySide() {
        Session session;
        auto &[folder, form, robot, page] = session;
        page.StringGridYp->setCellText(1, 1, QStringLiteral("ΑΛΦΑ"));
        page.StringGridYpWife->setCellText(1, 1, QStringLiteral("ΣΥΖΥΓΟΣ"));
        page.StringGridAnti->setCellText(0, 1, QStringLiteral("ΚΗΔΕΜΟΝΑΣ"));
        page.ComboBoxDOY->setCurrentIndex(5);
        page.ComboBoxDOYChange(5);
        page.ComboBoxType->setCurrentIndex(1);
        page.MemoNotes->setPlainText(QStringLiteral("ΓΡΑΜΜΗ 1\nΓΡΑΜΜΗ 2"));
        form->m_childrenData->insert();
        form->m_childrenData->setFieldByName("Surname", QStringLiteral("ΠΑΙΔΙ"));
        QVERIFY(form->m_childrenData->post());

        open(*form, kSecond, robot);   // stores the first silently
        QCOMPARE(page.StringGridYp->cellText(1, 1), QString());
        QCOMPARE(page.StringGridYpWife->cellText(1, 1), QString());
        QCOMPARE(page.StringGridAnti->cellText(0, 1), QString());
        QCOMPARE(page.ComboBoxDOY->currentIndex(), 0);
        QCOMPARE(page.ComboBoxType->currentIndex(), 0);
        QCOMPARE(page.MemoNotes->toPlainText(), QString());
        QCOMPARE(form->m_childrenData->recordCount(), 0);
        page.StringGridYp->setCellText(1, 1, QStringLiteral("ΒΗΤΑ"));

        open(*form, kFirst, robot);
        QCOMPARE(page.StringGridYp->cellText(1, 1), QStringLiteral("ΑΛΦΑ"));
        QCOMPARE(page.StringGridYp->cellText(4, 1), kFirst);
        QCOMPARE(page.StringGridYpWife->cellText(1, 1), QStringLiteral("ΣΥΖΥΓΟΣ"));
        QCOMPARE(page.StringGridAnti->cellText(0, 1), QStringLiteral("ΚΗΔΕΜΟΝΑΣ"));
        QCOMPARE(page.ComboBoxDOY->currentIndex(), 5);
        QCOMPARE(page.ComboBoxDOYCodes->currentIndex(), 5);
        QCOMPARE(page.ComboBoxType->currentIndex(), 1);
        QCOMPARE(page.MemoNotes->toPlainText(), QStringLiteral("ΓΡΑΜΜΗ 1\nΓΡΑΜΜΗ 2"));
        QCOMPARE(form->m_childrenData->recordCount(), 1);
        QCOMPARE(form->m_childrenData->textByName("AFMYpox"), kFirst);
        QCOMPARE(StoredRows("select * from citizendata order by afm"),
                 QList<QStringList>({{"ΒΗΤΑ", "", "", kSecond}, {"ΑΛΦΑ", "", "", kFirst}}));
        QCOMPARE(StoredRows("select * from citizendata where afm='" + kSecond + "'").size(), 1);
        // the second declaration's data were stored too
        open(*form, kSecond, robot);
        QCOMPARE(page.StringGridYp->cellText(1, 1), QStringLiteral("ΒΗΤΑ"));
    }

    void storedRowsAndNullColumns() {
        Session session;
        auto &[folder, form, robot, page] = session;
        page.StringGridYpWife->setCellText(2, 1, QStringLiteral("ΜΑΡΙΑ"));
        form->storeGeneralData();
        QCOMPARE(StoredRows("select * from wifedata"), QList<QStringList>({{"", "ΜΑΡΙΑ", "", "", "", kFirst}}));
        QCOMPARE(StoredRows("select * from generaldata"),
                 QList<QStringList>({{"ΑΓ. ΔΗΜΗΤΡΙΟΥ", "1129", "0", "<null>", "", kFirst}}));
        // a spouse whose cells are all emptied loses the row
        page.StringGridYpWife->setCellText(2, 1, QString());
        form->storeGeneralData();
        QVERIFY(StoredRows("select * from wifedata").isEmpty());
        QVERIFY(StoredRows("select * from ekprosopos").isEmpty());

        // null columns leave the controls as cleared; an unknown office name
        // selects nothing while its code is still found
        {
            Connection c;
            c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
            c.execute("UPDATE generaldata SET DOYName='ΑΓΝΩΣΤΗ', DOYCode='4511', Notes=NULL");
            c.execute("UPDATE citizendata SET Name=NULL, Surname='ΓΑΜΑ'");
        }
        page.MemoNotes->setPlainText(QStringLiteral("ΠΑΛΙΟ"));
        form->clearGeneralPage();
        page.StringGridYp->setCellText(2, 1, QStringLiteral("ΠΡΙΝ"));
        form->loadDeclaration();
        QCOMPARE(page.ComboBoxDOY->currentIndex(), -1);
        QCOMPARE(page.ComboBoxDOYCodes->currentText(), QStringLiteral("4511"));
        QCOMPARE(page.MemoNotes->toPlainText(), QString());
        QCOMPARE(page.StringGridYp->cellText(1, 1), QStringLiteral("ΓΑΜΑ"));
        QCOMPARE(page.StringGridYp->cellText(2, 1), QStringLiteral("ΠΡΙΝ"));   // null: unchanged
    }

    void failedCreationKeepsTheOpenDeclaration() {
        Session session;
        auto &[folder, form, robot, page] = session;
        page.StringGridYp->setCellText(1, 1, QStringLiteral("ΑΛΦΑ"));
        form->setActivePage(3);
        {
            // From here on the engine refuses new declarations.
            Connection c;
            c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
            c.execute("CREATE TRIGGER refuse BEFORE INSERT ON citizendata BEGIN SELECT RAISE(ABORT, 'full'); END");
        }
        robot.type(kSecond).ok();
        form->openDeclaration();
        QCOMPARE(robot.texts.last(),
                 QStringLiteral("Υπήρξε κάποιο πρόβλημα κατά την αποθήκευση του ΑΦΜ.Παρακαλώ προσπαθήστε ξανά."));
        QCOMPARE(form->m_currentTaxNumber, kFirst);
        QVERIFY(form->m_pages->isEnabled());
        QCOMPARE(form->m_pages->currentIndex(), 3);
        QCOMPARE(page.StringGridYp->cellText(1, 1), QStringLiteral("ΑΛΦΑ"));
        // the page is still the first declaration's, and is stored under its number
        page.StringGridYp->setCellText(2, 1, QStringLiteral("ΝΙΚΟΣ"));
        form->storeGeneralData();
        QCOMPARE(StoredRows("select * from citizendata"), QList<QStringList>({{"ΑΛΦΑ", "ΝΙΚΟΣ", "", kFirst}}));
        QVERIFY(StoredRows("select * from generaldata where afmypox='" + kSecond + "'").isEmpty());
    }

    void failedCreationWithNothingOpen() {
        ScratchFolder folder;
        {
            Connection c;
            c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
            c.execute("CREATE TRIGGER refuse BEFORE INSERT ON citizendata BEGIN SELECT RAISE(ABORT, 'full'); END");
        }
        auto form = MakeMainWindow();
        ModalAnswerer robot;
        robot.type(kFirst).ok();
        form->openDeclaration();
        QTRY_COMPARE(robot.pending(), 0);
        QVERIFY(!form->m_pages->isEnabled());
        QCOMPARE(form->m_currentTaxNumber, QString());
    }

    void pageSwitchValidatesAndStores() {
        Session session;
        auto &[folder, form, robot, page] = session;
        // surname empty: the message of the page switch, back on page 0, stored all the same
        page.MemoNotes->setPlainText(QStringLiteral("ΣΗΜΕΙΩΣΗ"));
        robot.ok();
        form->m_pages->setCurrentIndex(2);
        QCOMPARE(robot.texts.last(), QStringLiteral("Πρέπει να δηλώσετε οπωσδήποτε Επώνυμο ή Επωνυμία Υπόχρεου."));
        QCOMPARE(form->m_pages->currentIndex(), 0);
        QCOMPARE(StoredRows("select Notes from generaldata"), QList<QStringList>({{"ΣΗΜΕΙΩΣΗ"}}));
        // an invalid spouse number: the page-switch wording
        page.StringGridYp->setCellText(1, 1, QStringLiteral("ΑΛΦΑ"));
        page.StringGridYpWife->setCellText(1, 1, QStringLiteral("ΣΥΖΥΓΟΣ"));
        robot.ok();
        form->m_pages->setCurrentIndex(1);
        QCOMPARE(robot.texts.last(),
                 QStringLiteral("Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα Γενικών Στοιχείων είναι ΥΠΟΧΡΕΩΤΙΚΑ. "
                                "Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ Συζύγου. Διορθώστε το για να για να "
                                "προχωρήσετε στη χρήση του προγράμματος"));
        QCOMPARE(StoredRows("select Surname from wifedata"), QList<QStringList>({{"ΣΥΖΥΓΟΣ"}}));
        // valid: the page changes, with no message, and is stored; Table 1 to
        // Table 2 validates and stores the same way
        page.StringGridYpWife->setCellText(5, 1, kSecond);
        const int shown = robot.texts.size();
        form->m_pages->setCurrentIndex(1);
        QCOMPARE(form->m_pages->currentIndex(), 1);
        page.StringGridYp->setCellText(2, 1, QStringLiteral("ΝΙΚΟΣ"));   // not on screen, but the page holds it
        form->m_pages->setCurrentIndex(2);
        QCOMPARE(form->m_pages->currentIndex(), 2);
        QCOMPARE(robot.texts.size(), shown);
        QCOMPARE(StoredRows("select Name from citizendata"), QList<QStringList>({{"ΝΙΚΟΣ"}}));
        // choosing page 0 never validates nor stores, even when invalid
        page.StringGridYp->setCellText(1, 1, QString());
        form->m_pages->setCurrentIndex(0);
        QCOMPARE(robot.texts.size(), shown);
        QCOMPARE(StoredRows("select Surname from citizendata"), QList<QStringList>({{"ΑΛΦΑ"}}));
    }

    // What is being typed into a cell of the children grid belongs to the
    // pending edit: the silent stores and the page switch post it too.
    void childCellBeingTypedIsStored() {
        ScratchFolder folder;
        {
            auto form = MakeMainWindow();
            ModalAnswerer robot;
            open(*form, kFirst, robot);
            GeneralPage &page = *form->m_generalPage;
            page.StringGridYp->setCellText(1, 1, QStringLiteral("ΑΛΦΑ"));
            form->m_showStartHint = false;
            form->show();
            QApplication::setActiveWindow(form.get());
            QVERIFY(QTest::qWaitForWindowActive(form.get()));
            DataGrid *grid = page.DBGrid1;

            // a new child: the surname typed, the cell still open, then another page
            page.DBNavigator1->button(DataNavigator::Button::Insert)->click();
            grid->setFocus();
            const QModelIndex surname = grid->model()->index(0, 0);
            grid->setCurrentIndex(surname);
            grid->edit(surname);
            QWidget *editor = QApplication::focusWidget();
            QVERIFY(editor && editor != grid);
            TypeText(editor, QStringLiteral("ΠΑΙΔΙ"));
            // the child is posted first, so the check sees it: it has no tax number yet
            robot.ok();
            form->m_pages->setCurrentIndex(1);
            QTRY_COMPARE(robot.pending(), 0);
            QVERIFY(robot.texts.last().contains(QStringLiteral("ΑΦΜ Προστατευόμενου Τέκνου")));
            QCOMPARE(form->m_pages->currentIndex(), 0);
            QCOMPARE(StoredRows("select Surname, AFMYpox from children"),
                     QList<QStringList>({{"ΠΑΙΔΙ", kFirst}}));

            // a stored child changed in its open cell, then the window closed
            QApplication::setActiveWindow(form.get());
            QVERIFY(QTest::qWaitForWindowActive(form.get()));
            grid->setFocus();
            const QModelIndex name = grid->model()->index(0, 1);
            grid->setCurrentIndex(name);
            grid->edit(name);
            editor = QApplication::focusWidget();
            QVERIFY(editor && editor != grid);
            TypeText(editor, QStringLiteral("ΝΙΚΟΣ"));
            form->close();
        }
        QCOMPARE(StoredRows("select Surname, Name from children"), QList<QStringList>({{"ΠΑΙΔΙ", "ΝΙΚΟΣ"}}));
    }

    // A cell of the person grids holds what the user typed into it, also while
    // its editor is still open: storing takes it, another declaration and the
    // shut-down included.
    void personCellBeingTypedIsStored() {
        ScratchFolder folder;
        {
            auto form = MakeMainWindow();
            ModalAnswerer robot;
            open(*form, kFirst, robot);
            GeneralPage &page = *form->m_generalPage;
            form->m_showStartHint = false;
            form->show();
            QApplication::setActiveWindow(form.get());
            QVERIFY(QTest::qWaitForWindowActive(form.get()));
            auto typeInto = [&](StringGrid *grid, int column, const QString &text) {
                grid->setFocus();
                const QModelIndex cell = grid->model()->index(1, column);
                grid->setCurrentIndex(cell);
                grid->edit(cell);
                QWidget *editor = QApplication::focusWidget();
                QVERIFY(editor && editor != grid);
                TypeText(editor, text);
            };
            typeInto(page.StringGridYp, 1, QStringLiteral("ΑΛΦΑ"));
            QCOMPARE(page.StringGridYp->cellText(1, 1), QStringLiteral("ΑΛΦΑ"));
            open(*form, kSecond, robot);   // stores the first declaration silently
            QCOMPARE(StoredRows("select Surname from citizendata where afm='" + kFirst + "'"),
                     QList<QStringList>({{"ΑΛΦΑ"}}));
            QCOMPARE(page.StringGridYp->cellText(1, 1), QString());

            QApplication::setActiveWindow(form.get());
            QVERIFY(QTest::qWaitForWindowActive(form.get()));
            typeInto(page.StringGridYpWife, 2, QStringLiteral("ΜΑΡΙΑ"));
            form->close();
        }
        QCOMPARE(StoredRows("select Name, afmypox from wifedata"), QList<QStringList>({{"ΜΑΡΙΑ", kSecond}}));
    }

    void shutDownStoresTheOpenDeclaration() {
        ScratchFolder folder;
        {
            auto form = MakeMainWindow();
            ModalAnswerer robot;
            open(*form, kFirst, robot);
            form->m_generalPage->StringGridYp->setCellText(1, 1, QStringLiteral("ΤΕΛΟΣ"));
            form->close();
            QVERIFY(!form->m_childrenData->isActive());
            QVERIFY(!form->m_referenceConnection->isOpen());
            QVERIFY(!form->m_declarationConnection->isOpen());
        }
        QCOMPARE(StoredRows("select Surname from citizendata"), QList<QStringList>({{"ΤΕΛΟΣ"}}));
    }
};

D7_TEST_MAIN(DeclarationTest)
#include "test_declaration.moc"
