// A user's long roads through the program: the children grid typed through
// with the keyboard, and two declarations worked on in turns with apostrophes
// in their texts, reopened and started again. Whatever the road, every stored
// row keeps what the user put in it.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "widgets/DataGrid.h"
#include "widgets/DataNavigator.h"
#include "app/MainWindow.h"
#include "declaration/Declaration.h"
#include "widgets/StringGrid.h"
#include "pages/general/GeneralPage.h"
#include "pages/table1/Table1Page.h"
#include "pages/table2/Table2Page.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kFirst = QStringLiteral("111111114");
const QString kSecond = QStringLiteral("100000090");


// A shown main window on a scratch database; declarations are opened through
// the menu, as the user does.
struct Session {
    ScratchFolder folder;
    std::unique_ptr<MainWindow> form;

    Session() { start(); }
    void start() {
        form = MakeMainWindow();
        form->setStartHintPending(false);
        form->show();
        activate();
    }
    void activate() {
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void open(const QString &taxNumber) {
        ModalAnswerer robot;
        robot.type(taxNumber);
        form->findChild<QAction *>("N92")->trigger();
        QTRY_COMPARE(robot.pending(), 0);
        activate();
    }
    GeneralPage &general() const { return *form->generalPage(); }
    DataGrid *children() const { return general().m_childrenGrid; }
    void navigator(DataNavigator::Button b) { general().m_childrenNavigator->button(b)->click(); }
    // Keys as the user presses them, into whatever holds the focus.
    static void type(const QString &text) { TypeText(QApplication::focusWidget(), text); }
    static void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    // Starts typing into a cell of the children grid.
    void typeInto(int row, int column, const QString &text) {
        children()->setFocus();
        children()->setCurrentIndex(children()->model()->index(row, column));
        type(text.left(1));   // opens the cell's editor, which takes the rest
        type(text.mid(1));
    }
    QString shown(int row, int column) const { return children()->model()->index(row, column).data().toString(); }

    template <class T = QWidget>
    T *get(const char *name) const { return Control<T>(form.get(), name); }
    // Presses a button; the windows it opens are answered in turn, and what
    // they said is returned.
    QStringList press(const char *button, const QList<Answer> &answers = {}) {
        ModalAnswerer robot;
        for (const Answer &a : answers)
            robot.then(a);
        get<QPushButton>(button)->click();
        return robot.texts;
    }
    void fill(const char *field, const QString &text) { get<QLineEdit>(field)->setText(text); }
    void pick(const char *list, int index) {
        auto *box = get<QComboBox>(list);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // Chooses another page as the user does, its rule (validation, silent store) included.
    void page(int index) {
        ModalAnswerer robot;
        form->pages()->setCurrentIndex(index);
        QCOMPARE(robot.texts, QStringList());
    }
    void typeCell(StringGrid *grid, int column, const QString &text) {
        grid->setFocus();
        grid->setCurrentCell(1, column);
        TypeText(grid, text.left(1));
        type(text.mid(1));
        key(Qt::Key_Tab);
    }
    // The general page as shown: the three person grids, the notes, the tax office.
    QStringList generalShown() const {
        QStringList out;
        const GeneralPage &g = general();
        for (int c = 1; c <= 4; ++c)
            out << g.m_taxpayerGrid->cellText(c, 1);
        for (int c = 1; c <= 5; ++c)
            out << g.m_spouseGrid->cellText(c, 1);
        for (int c = 0; c <= 4; ++c)
            out << g.m_representativeGrid->cellText(c, 1);
        out << g.m_notes->toPlainText() << g.m_taxOffices->currentText() << g.m_taxOfficeCodes->currentText();
        return out;
    }
    QStringList childrenShown() const {
        QStringList out;
        for (int r = 0; r < children()->model()->rowCount(); ++r)
            for (int c = 0; c < 6; ++c)
                out << shown(r, c);
        return out;
    }
    // A Table 1 row with a typed municipality, street and block streets, owned by the given owner entry.
    void table1Row(const QString &municipality, const QString &street, int owner) {
        press("Button2");
        press("BitBtn1");
        get<QCheckBox>("CheckBox3")->setChecked(true);
        fill("EditUserDimos", municipality);
        press("BitBtn5");
        fill("EditStreet", street);
        fill("EditNo", "12'Α");
        press("BitBtn6");
        press("BitBtn7");
        fill("Edit1", street + " Β");
        press("BitBtn11", {{Answer::Yes}});   // the other streets of the block are left empty
        fill("EditOT", "0'1");
        press("BitBtn13");
        pick("ComboBox16", 0);
        press("BitBtn15");
        press("BitBtn17");
        press("BitBtn19");
        fill("EditMainMM", "80,5");
        fill("EditYearOfConstruction", "1990");
        press("BitBtn21");
        press("BitBtn25");
        fill("EditPercentage", "50");
        press("BitBtn27");
        fill("EditOikMM", "200");
        press("BitBtn39");
        press("BitBtn40");
        fill("EditPercentageOik", "100");
        press("BitBtn41");
        press("BitBtn31");
        QCOMPARE(form->table1Page()->m_steps->currentWidget()->objectName(), QStringLiteral("Step20"));
        pick("ComboBoxToWhomBelongs", owner);
        QCOMPARE(press("BitBtn57", {{Answer::Yes}}).size(), 1);
    }
    // A Table 2 row on a listed street, owned by the given owner entry.
    void table2Row(int owner) {
        press("Button3");
        press("BitBtn44");
        press("BitBtn43");
        get<QComboBox>("ComboBoxDromos2")->setCurrentIndex(4);
        for (const char *next : {"BitBtn61", "BitBtn62", "BitBtn63", "BitBtn64"})
            press(next);
        fill("EditMonoMM", "1000");
        press("BitBtn65");
        press("BitBtn66");
        press("BitBtn67");
        fill("EditPercentage2", "50");
        press("BitBtn68");
        pick("ComboBox18", owner);
        QCOMPARE(press("BitBtn58", {{Answer::Yes}}).size(), 1);
    }
};

}  // namespace

class RobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(!QApplication::activeModalWidget()); }

    // The children grid typed through with the keyboard: Tab from cell to
    // cell, a second child begun with the navigator, the arrow keys to another
    // row. Every value lands in the row and the column it was typed into.
    void everyChildValueLandsInTheCellItWasTypedInto() {
        Session s;
        s.open(kFirst);
        s.navigator(DataNavigator::Button::Insert);
        s.typeInto(0, 0, "ΑΛΦΑ");
        for (const char *text : {"ΑΝΝΑ", "ΠΕΤΡΟΣ", "Χ123", "1990", "012345670"}) {
            s.key(Qt::Key_Tab);
            s.type(QString::fromUtf8(text));
        }
        s.navigator(DataNavigator::Button::Post);
        const QStringList first = {"ΑΛΦΑ", "ΑΝΝΑ", "ΠΕΤΡΟΣ", "Χ123", "1990", "012345670", kFirst};
        QCOMPARE(StoredRows("select * from children"), QList<QStringList>({first}));

        // A second child: leaving its row for the first one stores it.
        s.navigator(DataNavigator::Button::Insert);
        s.typeInto(1, 0, "ΒΗΤΑ");
        s.key(Qt::Key_Up);
        QCOMPARE(s.form->declaration().children().state(), Dataset::State::Browse);
        const QStringList second = {"ΒΗΤΑ", "<null>", "<null>", "<null>", "<null>", "<null>", kFirst};
        QCOMPARE(StoredRows("select * from children"), QList<QStringList>({first, second}));
        QCOMPARE(s.children()->currentIndex().row(), 0);

        // The first child's tax number corrected, then down to the second row.
        s.typeInto(0, 5, "090000045");
        s.key(Qt::Key_Down);
        QList<QStringList> expected = {first, second};
        expected[0][5] = "090000045";
        QCOMPARE(StoredRows("select * from children"), expected);
        QCOMPARE(s.shown(0, 5), QStringLiteral("090000045"));
        QCOMPARE(s.shown(1, 5), QString());

        // The second row finished and Tab past its last cell: the grid wraps
        // to the first row, and the second keeps what was typed.
        s.typeInto(1, 4, "2001");
        s.key(Qt::Key_Tab);
        s.type("100000090");
        s.key(Qt::Key_Tab);
        QCOMPARE(s.form->declaration().children().state(), Dataset::State::Browse);
        expected[1][4] = "2001";
        expected[1][5] = "100000090";
        QCOMPARE(StoredRows("select * from children"), expected);
    }

    // A store that fails half-way (its third table refuses) leaves none of its
    // writes, the child being typed included, which is pending again; the page
    // keeps what was typed, and the next store writes it all.
    void aStoreThatFailsHalfWayWritesNothing() {
        for (const bool saveButton : {false, true}) {
            Session s;
            s.open(kFirst);
            GeneralPage &g = s.general();
            s.typeCell(g.m_taxpayerGrid, 1, "ΝΕΟ");
            s.navigator(DataNavigator::Button::Insert);
            s.typeInto(0, 0, "ΠΑΙΔΙ");
            for (int c = 0; c < 5; ++c)
                s.key(Qt::Key_Tab);
            s.type("033333333");
            auto onFile = [](const char *sql) {
                Connection c;
                c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
                c.execute(QString::fromUtf8(sql));
            };
            auto store = [&] {
                ModalAnswerer robot;
                if (saveButton) {
                    robot.yes().ok();   // the person liable's incomplete cells, then the outcome
                    g.m_saveButton->click();
                } else {
                    robot.ok();
                    s.form->setActivePage(0);
                    s.form->pages()->setCurrentIndex(3);
                }
                QTest::qWait(50);
                return robot.texts.mid(saveButton ? 1 : 0);
            };
            onFile("CREATE TRIGGER refuse BEFORE INSERT ON generaldata BEGIN SELECT RAISE(ABORT, 'full'); END");
            QCOMPARE(store(), QStringList({"full"}));
            QCOMPARE(StoredRows("select Surname from citizendata"), QList<QStringList>({{"<null>"}}));
            QCOMPARE(StoredRows("select count(*) from children"), QList<QStringList>({{"0"}}));
            QCOMPARE(s.form->declaration().children().state(), Dataset::State::Insert);
            QCOMPARE(s.shown(0, 0), QStringLiteral("ΠΑΙΔΙ"));

            onFile("DROP TRIGGER refuse");
            QCOMPARE(store(), saveButton ? QStringList({"Επιτυχής αποθήκευση Γενικών Στοιχείων"}) : QStringList());
            QCOMPARE(StoredRows("select Surname from citizendata"), QList<QStringList>({{"ΝΕΟ"}}));
            QCOMPARE(StoredRows("select Surname, AFM from children"),
                     QList<QStringList>({{"ΠΑΙΔΙ", "033333333"}}));
        }
    }

    // A row being composed belongs to the declaration it was begun for:
    // opening another declaration, or the same one again, returns both wizards
    // to their start with nothing pending and no summary.
    void openingADeclarationDropsTheRowsBeingComposed() {
        for (const QString &next : {kSecond, kFirst}) {
            Session s;
            s.open(kFirst);
            s.typeCell(s.general().m_taxpayerGrid, 1, "ΑΛΦΑ");
            s.page(1);
            s.press("Button2");
            s.press("BitBtn1");
            s.page(2);
            s.press("Button3");
            s.press("BitBtn44");
            QVERIFY(!s.form->table1Page()->answers().prefectureCode.isEmpty());
            QVERIFY(!s.form->table2Page()->answers().prefectureCode.isEmpty());
            s.open(next);
            const Table1Page &t1 = *s.form->table1Page();
            const Table2Page &t2 = *s.form->table2Page();
            QVERIFY(!t1.m_steps->isVisibleTo(s.form.get()) && !t1.m_steps->isEnabled());
            QVERIFY(!t2.m_steps->isVisibleTo(s.form.get()) && !t2.m_steps->isEnabled());
            QVERIFY(t1.m_startRowButton->isEnabled() && !t1.m_cancelRowButton->isEnabled());
            QVERIFY(t2.m_startRowButton->isEnabled() && !t2.m_cancelRowButton->isEnabled());
            QCOMPARE(t1.m_summary->toPlainText() + t2.m_summary->toPlainText(), QString());
            QCOMPARE(s.form->table1Page()->answers().prefectureCode + s.form->table2Page()->answers().prefectureCode, QString());
        }
    }

    // The year cell of a child takes what is typed as typed: typing over a year
    // replaces it, a partial year is not completed into another, and no more
    // than four digits go in.
    void aChildsYearIsStoredAsTyped() {
        Session s;
        s.open(kFirst);
        s.navigator(DataNavigator::Button::Insert);
        s.typeInto(0, 0, "ΠΑΙΔΙ");
        s.navigator(DataNavigator::Button::Post);
        const struct {
            const char *typed, *stored;
        } cases[] = {{"1975", "1975"}, {"1980", "1980"}, {"188", "188"}, {"20", "20"}, {"19755", "1975"}};
        for (const auto &c : cases) {
            s.typeInto(0, 4, QString::fromLatin1(c.typed));
            s.key(Qt::Key_Tab);
            s.navigator(DataNavigator::Button::Post);
            QCOMPARE(StoredRows("select YearOfBirth from children"), QList<QStringList>({{c.stored}}));
        }
    }

    // Two declarations in one file, worked on in turns over a long session:
    // persons typed in, children added and one deleted while rows of Table 1
    // and Table 2 belong to children, pages switched, the other declaration
    // opened, the first reopened, the program started again. Everything comes
    // back exactly, and nothing leaks from one declaration into the other.
    void twoDeclarationsOverALongSession() {
        Session s;
        s.open(kFirst);
        GeneralPage &g = s.general();
        s.typeCell(g.m_taxpayerGrid, 1, "Ο'ΝΙΛ Α.Ε.");
        s.typeCell(g.m_taxpayerGrid, 2, "ΣΑΙΝ ");
        s.typeCell(g.m_spouseGrid, 1, "ΠΑΠΑ'ΔΟΠΟΥΛΟΥ");
        s.typeCell(g.m_spouseGrid, 5, "090000045");
        s.typeCell(g.m_representativeGrid, 0, "ΚΗΔΕΜΩΝ");
        s.typeCell(g.m_representativeGrid, 4, "022222222");
        g.m_notes->setPlainText(QStringLiteral("ΓΡΑΜΜΗ 'Α'\nΓΡΑΜΜΗ \"Β\"; DROP TABLE children; --"));
        s.pick("ComboBoxDOY", 9);   // ΑΘΗΝΩΝ Δ', a name with an apostrophe
        for (const auto &[surname, afm] : {std::pair{"ΠΡΩΤΟ", "033333333"}, std::pair{"ΔΕΥΤΕΡΟ", "044444444"},
                                           std::pair{"ΤΡΙΤΟ", "055555555"}}) {
            s.navigator(DataNavigator::Button::Insert);
            s.typeInto(s.children()->model()->rowCount() - 1, 0, QString::fromUtf8(surname));
            for (int c = 0; c < 5; ++c)
                s.key(Qt::Key_Tab);
            s.type(QString::fromLatin1(afm));
            s.key(Qt::Key_Return);
        }
        s.page(1);
        s.table1Row("Ο'ΡΕΙΛΙ", "ΟΔΟΣ 'ΑΓΙΟΥ' ΝΙΚΟΛΑΟΥ", 4);   // the third child
        s.page(2);
        s.table2Row(2);                                        // the first child
        s.page(3);
        QCOMPARE(s.form->declaration().table1Rows().recordCount(), 1);
        QCOMPARE(s.form->declaration().table2Rows().recordCount(), 1);

        // The second child is deleted after both warnings.
        s.page(0);
        s.children()->setCurrentIndex(s.children()->model()->index(1, 0));
        ModalAnswerer robot;
        robot.yes().yes().yes();
        s.navigator(DataNavigator::Button::Delete);
        QCOMPARE(robot.texts.size(), 3);   // are you sure, then one warning per row of a child
        const QString notes = QStringLiteral("ΓΡΑΜΜΗ 'Α'\nΓΡΑΜΜΗ \"Β\"; DROP TABLE children; --");
        const QStringList general = s.generalShown();
        QCOMPARE(general, QStringList({"Ο'ΝΙΛ Α.Ε.", "ΣΑΙΝ ", "", kFirst, "ΠΑΠΑ'ΔΟΠΟΥΛΟΥ", "", "", "", "090000045",
                                       "ΚΗΔΕΜΩΝ", "", "", "", "022222222", notes, "ΑΘΗΝΩΝ Δ'", "1104"}));
        const QStringList children = s.childrenShown();
        QCOMPARE(children, QStringList({"ΠΡΩΤΟ", "", "", "", "", "033333333", "ΤΡΙΤΟ", "", "", "", "", "055555555"}));
        const QList<QStringList> table1 = StoredRows("select * from table1 where AFMYpox='" + kFirst + "'");
        const QList<QStringList> table2 = StoredRows("select * from table2 where AFMYpox='" + kFirst + "'");
        QCOMPARE(table1.size(), 1);
        QCOMPARE(table1[0].mid(2, 16),
                 QStringList({"Ο'ΡΕΙΛΙ", "", "ΟΔΟΣ 'ΑΓΙΟΥ' ΝΙΚΟΛΑΟΥ", "0", "12'Α", "X", "ΟΔΟΣ 'ΑΓΙΟΥ' ΝΙΚΟΛΑΟΥ Β",
                              "0", "", "", "0", "", "", "0", "", "0'1"}));
        QCOMPARE(table1[0].mid(32), QStringList({"5", "ΣΤΟ 3 ΠΑΙΔΙ", "<null>", kFirst}));
        QCOMPARE(table2.size(), 1);
        QCOMPARE(table2[0].mid(22), QStringList({"3", "ΣΤΟ 1 ΠΑΙΔΙ", "<null>", kFirst}));

        // The other declaration starts empty and keeps to itself.
        s.open(kSecond);
        QCOMPARE(s.generalShown(), QStringList({"", "", "", kSecond, "", "", "", "", "", "", "", "", "", "", "",
                                                "ΑΓ. ΔΗΜΗΤΡΙΟΥ", "1129"}));
        QCOMPARE(s.childrenShown(), QStringList());
        QCOMPARE(s.form->declaration().table1Rows().recordCount(), 0);
        s.typeCell(g.m_taxpayerGrid, 1, "ΔΕΥΤΕΡΗ");
        s.page(1);
        s.table1Row("ΑΛΛΟΣ", "ΑΛΛΗ", 0);
        s.page(0);

        // Back to the first, then the program started again on the same file.
        for (int round = 0; round < 2; ++round) {
            s.open(kFirst);
            QCOMPARE(s.generalShown(), general);
            QCOMPARE(s.childrenShown(), children);
            QCOMPARE(StoredRows("select * from table1 where AFMYpox='" + kFirst + "'"), table1);
            QCOMPARE(StoredRows("select * from table2 where AFMYpox='" + kFirst + "'"), table2);
            QCOMPARE(s.form->declaration().table1Rows().recordCount(), 1);
            QCOMPARE(s.form->declaration().table2Rows().recordCount(), 1);
            s.form->close();
            s.start();
        }
        QCOMPARE(StoredRows("select * from citizendata where afm='" + kSecond + "'"),
                 QList<QStringList>({{"ΔΕΥΤΕΡΗ", "", "", kSecond}}));
        QCOMPARE(StoredRows("select * from citizendata").size(), 2);
        QCOMPARE(StoredRows("select * from children where AFMYpox='" + kSecond + "'").size(), 0);
        QCOMPARE(StoredRows("select * from table1 where AFMYpox='" + kSecond + "'").size(), 1);
    }
};

D7_TEST_MAIN(RobustnessTest)
#include "test_robustness.moc"
