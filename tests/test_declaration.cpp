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
#include "declaration/Declaration.h"
#include "declaration/ReferenceLists.h"
#include "widgets/StringGrid.h"
#include "declaration/TaxNumber.h"
#include "pages/general/GeneralPage.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kFirst = QStringLiteral("111111114");
const QString kSecond = QStringLiteral("100000090");

// The check digit worked out another way, by Horner's rule: digit i of the
// first eight weighs 2 to the power 8 - i; the sum modulo 11, 10 counting as 0.
int expectedCheckDigit(const QString &digits) {
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum = (sum + digits[i].digitValue()) * 2;
    return sum % 11 % 10;
}

void open(MainWindow &form, const QString &number, ModalAnswerer &robot) {
    robot.type(number);
    form.findChild<QAction *>("N92")->trigger();
    QTRY_COMPARE(robot.pending(), 0);
}

// Opens the editor of a cell and types into it, leaving the editor open.
void typeIntoOpenCell(QAbstractItemView *grid, int row, int column, const QString &text) {
    grid->setFocus();
    const QModelIndex cell = grid->model()->index(row, column);
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(editor && editor != grid);
    TypeText(editor, text);
}

// What the general page shows in the cells and lists the tests fill.
QStringList pageContents(const GeneralPage &page) {
    return {page.m_taxpayerGrid->cellText(1, 1), page.m_taxpayerGrid->cellText(4, 1), page.m_spouseGrid->cellText(1, 1),
            page.m_representativeGrid->cellText(0, 1), QString::number(page.m_taxOffices->currentIndex()),
            QString::number(page.m_taxOfficeCodes->currentIndex()),
            QString::number(page.m_declarationKind->currentIndex()), page.m_notes->toPlainText()};
}

// A main window on a scratch copy of the database, with the first declaration open.
struct Session {
    ScratchFolder folder;
    std::unique_ptr<MainWindow> form = MakeMainWindow();
    ModalAnswerer robot;
    GeneralPage &page = *form->generalPage();
    Session() { open(*form, kFirst, robot); }
    bool showActive() {
        form->setStartHintPending(false);
        form->show();
        QApplication::setActiveWindow(form.get());
        return QTest::qWaitForWindowActive(form.get());
    }
};

}  // namespace

class DeclarationTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(!QApplication::activeModalWidget()); }

    void acceptsNineDigitsWithTheirCheckDigitOnly() {
        const std::pair<const char *, bool> examples[] = {
            {"111111114", true},  {"111111111", false},   // the check digit
            {"000000000", false}, {"100000090", true},    // zero; a remainder of ten counts as zero
            {"012345670", true},  {"11111114", false},   {"1111111140", false},   // leading zero; length
            {" 11111114", false}, {"11111111A", false},  {"+11111114", false},   {"1111 1114", false},
            {"", false},          {"11111111Ο", false},   // a Greek letter like a digit
        };
        for (const auto &[text, valid] : examples)
            QVERIFY2(CheckTaxNumber(QString::fromUtf8(text)) == valid, text);
    }

    void agreesWithAnIndependentCheckDigitOnRandomNumbers() {
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

    void anInvalidOrCancelledNumberChangesNothing() {
        ScratchFolder folder;
        auto form = MakeMainWindow();
        ModalAnswerer robot;
        robot.type("111111111").ok().cancel().ok();
        form->openDeclaration();
        form->openDeclaration();
        const QString prompt = "Δώστε ΑΦΜ Υπόχρεου. Αν έχουν ήδη περαστεί στοιχεία για αυτόν τον ΑΦΜ, αυτά θα "
                               "εμφανιστούν στην οθόνη.";
        const QString refused = "Μη έγκυρος ΑΦΜ. Παρακαλώ προσπαθήστε ξανά";
        QCOMPARE(robot.texts, QStringList({prompt, refused, prompt, refused}));
        QCOMPARE(robot.titles.first(), QStringLiteral("Δώστε ΑΦΜ Υπόχρεου"));
        QVERIFY(!form->pages()->isEnabled());
        QCOMPARE(form->declaration().taxNumber(), QString());
        QVERIFY(StoredRows("select * from citizendata").isEmpty());
    }

    // A new number creates its declaration at once, holding only the number.
    // Opening a declaration stores the open one silently; each, the same one
    // reopened included, comes back with its own data and no second row.
    void eachDeclarationIsCreatedOnceAndKeepsItsOwnData() {
        Session session;
        auto &[folder, form, robot, page] = session;
        QVERIFY(form->pages()->isEnabled());
        QCOMPARE(form->declaration().taxNumber(), kFirst);
        QCOMPARE(StoredRows("select * from citizendata"), QList<QStringList>({{"<null>", "<null>", "<null>", kFirst}}));
        QCOMPARE(form->findChild<StringGrid *>("StringGridYp")->cellText(4, 1), kFirst);
        QCOMPARE(pageContents(page), QStringList({"", kFirst, "", "", "0", "0", "0", ""}));
        QVERIFY(form->declaration().children().isActive());
        // The tax number is bound to the statements, never spliced into them.
        for (const Dataset *rows : {&form->declaration().children(), &form->declaration().table1Rows(),
                                    &form->declaration().table2Rows()})
            QVERIFY(rows->isActive() && !rows->commandText().contains(kFirst));

        page.m_taxpayerGrid->setCellText(1, 1, QStringLiteral("ΑΛΦΑ"));
        page.m_spouseGrid->setCellText(1, 1, QStringLiteral("ΣΥΖΥΓΟΣ"));
        page.m_representativeGrid->setCellText(0, 1, QStringLiteral("ΚΗΔΕΜΟΝΑΣ"));
        page.m_taxOffices->setCurrentIndex(5);
        page.chooseTaxOffice(5);
        page.m_declarationKind->setCurrentIndex(1);
        page.m_notes->setPlainText(QStringLiteral("ΓΡΑΜΜΗ 1\nΓΡΑΜΜΗ 2"));
        form->declaration().children().insert();
        form->declaration().children().setFieldByName("Surname", QStringLiteral("ΠΑΙΔΙ"));
        QVERIFY(form->declaration().children().post());
        const QStringList first = {"ΑΛΦΑ", kFirst, "ΣΥΖΥΓΟΣ", "ΚΗΔΕΜΟΝΑΣ", "5", "5", "1", "ΓΡΑΜΜΗ 1\nΓΡΑΜΜΗ 2"};
        open(*form, kFirst, robot);
        QCOMPARE(pageContents(page), first);
        QCOMPARE(StoredRows("select * from citizendata").size(), 1);
        QCOMPARE(StoredRows("select * from generaldata").size(), 1);

        open(*form, kSecond, robot);
        QCOMPARE(pageContents(page), QStringList({"", kSecond, "", "", "0", "0", "0", ""}));
        QCOMPARE(form->declaration().children().recordCount(), 0);
        page.m_taxpayerGrid->setCellText(1, 1, QStringLiteral("ΒΗΤΑ"));

        open(*form, kFirst, robot);
        QCOMPARE(pageContents(page), first);
        QCOMPARE(form->declaration().children().recordCount(), 1);
        QCOMPARE(form->declaration().children().textByName("AFMYpox"), kFirst);
        QCOMPARE(StoredRows("select * from citizendata order by afm"),
                 QList<QStringList>({{"ΒΗΤΑ", "", "", kSecond}, {"ΑΛΦΑ", "", "", kFirst}}));
        open(*form, kSecond, robot);
        QCOMPARE(page.m_taxpayerGrid->cellText(1, 1), QStringLiteral("ΒΗΤΑ"));
    }

    void storesEachPersonAndLoadsNullColumnsAsCleared() {
        Session session;
        auto &[folder, form, robot, page] = session;
        page.m_spouseGrid->setCellText(2, 1, QStringLiteral("ΜΑΡΙΑ"));
        form->declaration().storeGeneralData();
        QCOMPARE(StoredRows("select * from wifedata"), QList<QStringList>({{"", "ΜΑΡΙΑ", "", "", "", kFirst}}));
        QCOMPARE(StoredRows("select * from generaldata"),
                 QList<QStringList>({{"ΑΓ. ΔΗΜΗΤΡΙΟΥ", "1129", "0", "<null>", "", kFirst}}));
        // a spouse whose cells are all emptied loses the row
        page.m_spouseGrid->setCellText(2, 1, QString());
        form->declaration().storeGeneralData();
        QVERIFY(StoredRows("select * from wifedata").isEmpty());
        QVERIFY(StoredRows("select * from ekprosopos").isEmpty());

        // null columns leave the controls as cleared; an unknown office name
        // selects nothing while its code is still found
        ExecuteOnFile("UPDATE generaldata SET DOYName='ΑΓΝΩΣΤΗ', DOYCode='4511', Notes=NULL");
        ExecuteOnFile("UPDATE citizendata SET Name=NULL, Surname='ΓΑΜΑ'");
        page.m_notes->setPlainText(QStringLiteral("ΠΑΛΙΟ"));
        page.m_taxpayerGrid->setCellText(2, 1, QStringLiteral("ΠΡΙΝ"));
        form->openDeclaration(kFirst);
        QCOMPARE(page.m_taxOffices->currentIndex(), -1);
        QCOMPARE(page.m_taxOfficeCodes->currentText(), QStringLiteral("4511"));
        QCOMPARE(page.m_notes->toPlainText(), QString());
        QCOMPARE(page.m_taxpayerGrid->cellText(1, 1), QStringLiteral("ΓΑΜΑ"));
        QCOMPARE(page.m_taxpayerGrid->cellText(2, 1), QString());   // null: cleared
    }

    // When the engine refuses a new declaration, what was open stays open and
    // shown, and nothing is stored under the refused number.
    void aRefusedNewDeclarationKeepsWhatWasOpen_data() {
        QTest::addColumn<bool>("declarationOpen");
        QTest::newRow("a declaration open") << true;
        QTest::newRow("nothing open") << false;
    }
    void aRefusedNewDeclarationKeepsWhatWasOpen() {
        QFETCH(bool, declarationOpen);
        ScratchFolder folder;
        auto form = MakeMainWindow();
        GeneralPage &page = *form->generalPage();
        ModalAnswerer robot;
        if (declarationOpen) {
            open(*form, kFirst, robot);
            page.m_taxpayerGrid->setCellText(1, 1, QStringLiteral("ΑΛΦΑ"));
            form->setActivePage(3);
        }
        ExecuteOnFile("CREATE TRIGGER refuse BEFORE INSERT ON citizendata BEGIN SELECT RAISE(ABORT, 'full'); END");
        robot.type(kSecond).ok();
        form->openDeclaration();
        QTRY_COMPARE(robot.pending(), 0);
        QCOMPARE(robot.texts.last(),
                 QStringLiteral("Υπήρξε κάποιο πρόβλημα κατά την αποθήκευση του ΑΦΜ.Παρακαλώ προσπαθήστε ξανά."));
        QCOMPARE(form->declaration().taxNumber(), declarationOpen ? kFirst : QString());
        QCOMPARE(form->pages()->isEnabled(), declarationOpen);
        if (!declarationOpen)
            return;
        QCOMPARE(form->pages()->currentIndex(), 3);
        QCOMPARE(page.m_taxpayerGrid->cellText(1, 1), QStringLiteral("ΑΛΦΑ"));
        // the page is still the first declaration's, and is stored under its number
        page.m_taxpayerGrid->setCellText(2, 1, QStringLiteral("ΝΙΚΟΣ"));
        form->declaration().storeGeneralData();
        QCOMPARE(StoredRows("select * from citizendata"), QList<QStringList>({{"ΑΛΦΑ", "ΝΙΚΟΣ", "", kFirst}}));
        QVERIFY(StoredRows("select * from generaldata where afmypox='" + kSecond + "'").isEmpty());
    }

    void switchingPagesChecksAndStoresTheGeneralData() {
        Session session;
        auto &[folder, form, robot, page] = session;
        // surname empty: the message of the page switch, back on page 0, stored all the same
        page.m_notes->setPlainText(QStringLiteral("ΣΗΜΕΙΩΣΗ"));
        robot.ok();
        form->pages()->setCurrentIndex(2);
        QCOMPARE(robot.texts.last(), QStringLiteral("Πρέπει να δηλώσετε οπωσδήποτε Επώνυμο ή Επωνυμία Υπόχρεου."));
        QCOMPARE(form->pages()->currentIndex(), 0);
        QCOMPARE(StoredRows("select Notes from generaldata"), QList<QStringList>({{"ΣΗΜΕΙΩΣΗ"}}));
        // an invalid spouse number: the page-switch wording
        page.m_taxpayerGrid->setCellText(1, 1, QStringLiteral("ΑΛΦΑ"));
        page.m_spouseGrid->setCellText(1, 1, QStringLiteral("ΣΥΖΥΓΟΣ"));
        robot.ok();
        form->pages()->setCurrentIndex(1);
        QCOMPARE(robot.texts.last(),
                 QStringLiteral("Όλα τα ΑΦΜ των ατόμων που δηλώνετε στη σελίδα Γενικών Στοιχείων είναι ΥΠΟΧΡΕΩΤΙΚΑ. "
                                "Έχετε δηλώσει κενό ή λανθασμένο ΑΦΜ Συζύγου. Διορθώστε το για να για να "
                                "προχωρήσετε στη χρήση του προγράμματος"));
        QCOMPARE(StoredRows("select Surname from wifedata"), QList<QStringList>({{"ΣΥΖΥΓΟΣ"}}));
        // valid: the page changes, with no message, and is stored; Table 1 to
        // Table 2 validates and stores the same way
        page.m_spouseGrid->setCellText(5, 1, kSecond);
        const int shown = robot.texts.size();
        form->pages()->setCurrentIndex(1);
        QCOMPARE(form->pages()->currentIndex(), 1);
        page.m_taxpayerGrid->setCellText(2, 1, QStringLiteral("ΝΙΚΟΣ"));   // not on screen, but the page holds it
        form->pages()->setCurrentIndex(2);
        QCOMPARE(form->pages()->currentIndex(), 2);
        QCOMPARE(robot.texts.size(), shown);
        QCOMPARE(StoredRows("select Name from citizendata"), QList<QStringList>({{"ΝΙΚΟΣ"}}));
        // choosing page 0 never validates nor stores, even when invalid
        page.m_taxpayerGrid->setCellText(1, 1, QString());
        form->pages()->setCurrentIndex(0);
        QCOMPARE(robot.texts.size(), shown);
        QCOMPARE(StoredRows("select Surname from citizendata"), QList<QStringList>({{"ΑΛΦΑ"}}));
    }

    // What is being typed into a cell of the children grid belongs to the
    // pending edit: the silent stores and the page switch post it too.
    void theChildCellBeingTypedIsStoredByPageSwitchAndShutDown() {
        Session s;
        s.page.m_taxpayerGrid->setCellText(1, 1, QStringLiteral("ΑΛΦΑ"));
        QVERIFY(s.showActive());
        // a new child: the surname typed, the cell still open, then another page
        s.page.m_childrenNavigator->button(DataNavigator::Button::Insert)->click();
        typeIntoOpenCell(s.page.m_childrenGrid, 0, 0, QStringLiteral("ΠΑΙΔΙ"));
        // the child is posted first, so the check sees it: it has no tax number yet
        s.robot.ok();
        s.form->pages()->setCurrentIndex(1);
        QTRY_COMPARE(s.robot.pending(), 0);
        QVERIFY(s.robot.texts.last().contains(QStringLiteral("ΑΦΜ Προστατευόμενου Τέκνου")));
        QCOMPARE(s.form->pages()->currentIndex(), 0);
        QCOMPARE(StoredRows("select Surname, AFMYpox from children"), QList<QStringList>({{"ΠΑΙΔΙ", kFirst}}));
        // a stored child changed in its open cell, then the window closed
        QVERIFY(s.showActive());
        typeIntoOpenCell(s.page.m_childrenGrid, 0, 1, QStringLiteral("ΝΙΚΟΣ"));
        s.form->close();
        s.form.reset();
        QCOMPARE(StoredRows("select Surname, Name from children"), QList<QStringList>({{"ΠΑΙΔΙ", "ΝΙΚΟΣ"}}));
    }

    // A cell of the person grids holds what the user typed into it, also while
    // its editor is still open: storing takes it, when another declaration is
    // opened and at shut-down, which then closes the data and the connections.
    void thePersonCellBeingTypedIsStoredOnAnotherDeclarationAndShutDown() {
        Session s;
        QVERIFY(s.showActive());
        typeIntoOpenCell(s.page.m_taxpayerGrid, 1, 1, QStringLiteral("ΑΛΦΑ"));
        QCOMPARE(s.page.m_taxpayerGrid->cellText(1, 1), QStringLiteral("ΑΛΦΑ"));
        open(*s.form, kSecond, s.robot);   // stores the first declaration silently
        QCOMPARE(StoredRows("select Surname from citizendata where afm='" + kFirst + "'"),
                 QList<QStringList>({{"ΑΛΦΑ"}}));
        QCOMPARE(s.page.m_taxpayerGrid->cellText(1, 1), QString());

        QVERIFY(s.showActive());
        typeIntoOpenCell(s.page.m_spouseGrid, 1, 2, QStringLiteral("ΜΑΡΙΑ"));
        s.form->close();
        QVERIFY(!s.form->declaration().children().isActive());
        QVERIFY(!s.form->referenceLists().isOpen());
        QVERIFY(!s.form->declaration().store().isOpen());
        s.form.reset();
        QCOMPARE(StoredRows("select Name, afmypox from wifedata"), QList<QStringList>({{"ΜΑΡΙΑ", kSecond}}));
    }
};

D7_TEST_MAIN(DeclarationTest)
#include "test_declaration.moc"
