// A user's odd roads through the program: typing through the children grid,
// long sessions over two declarations, going back and forth in the wizards,
// pasted and unusual text, and closing the window at any moment. Whatever the
// road, every stored row keeps what the user put in it.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "app/DataGrid.h"
#include "app/DataNavigator.h"
#include "app/Main.h"
#include "app/StringGrid.h"
#include "pages/general/GeneralPage.h"
#include "pages/table1/Table1Page.h"
#include "pages/table2/SummaryPage.h"
#include "pages/table2/Table2Page.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kFirst = QStringLiteral("111111114");
const QString kSecond = QStringLiteral("100000090");

// The rows a statement returns, each column as text (NULL marked), read
// through a connection of their own.
QList<QStringList> rows(const QString &sql) {
    Connection c;
    c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read);
    Dataset ds(&c);
    ds.setCommandText(sql);
    ds.open();
    QList<QStringList> out;
    for (ds.first(); !ds.eof(); ds.next()) {
        QStringList row;
        for (int i = 1; i < ds.fieldCount(); ++i)   // without the row identifier
            row << (ds.isNull(i) ? QStringLiteral("<null>") : ds.text(i));
        out << row;
    }
    return out;
}

// A shown main window on a scratch database; declarations are opened through
// the menu, as the user does.
struct Session {
    ScratchFolder folder;
    std::unique_ptr<TForm1> form;

    Session() { start(); }
    void start() {
        form = MakeMainWindow();
        form->ShowStartHint = false;
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
    GeneralPage &general() const { return *form->TabSheetGen; }
    DataGrid *children() const { return general().DBGrid1; }
    void navigator(DataNavigator::Button b) { general().DBNavigator1->button(b)->click(); }
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
};

}  // namespace

class RobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(!QApplication::activeModalWidget()); }

    // The children grid typed through with the keyboard: Tab from cell to
    // cell, a second child begun with the navigator, the arrow keys to another
    // row. Every value lands in the row and the column it was typed into.
    void childrenTypedCellByCell() {
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
        QCOMPARE(rows("select * from children"), QList<QStringList>({first}));

        // A second child: leaving its row for the first one stores it.
        s.navigator(DataNavigator::Button::Insert);
        s.typeInto(1, 0, "ΒΗΤΑ");
        s.key(Qt::Key_Up);
        QCOMPARE(s.form->ADODataSet4->state(), Dataset::State::Browse);
        const QStringList second = {"ΒΗΤΑ", "<null>", "<null>", "<null>", "<null>", "<null>", kFirst};
        QCOMPARE(rows("select * from children"), QList<QStringList>({first, second}));
        QCOMPARE(s.children()->currentIndex().row(), 0);

        // The first child's tax number corrected, then down to the second row.
        s.typeInto(0, 5, "090000045");
        s.key(Qt::Key_Down);
        QList<QStringList> expected = {first, second};
        expected[0][5] = "090000045";
        QCOMPARE(rows("select * from children"), expected);
        QCOMPARE(s.shown(0, 5), QStringLiteral("090000045"));
        QCOMPARE(s.shown(1, 5), QString());

        // Typed into the second row and Tab past its last cell: the grid
        // moves on, the row keeps what was typed.
        s.typeInto(1, 4, "2001");
        s.key(Qt::Key_Tab);
        s.type("100000090");
        s.navigator(DataNavigator::Button::Post);
        expected[1][4] = "2001";
        expected[1][5] = "100000090";
        QCOMPARE(rows("select * from children"), expected);
    }
};

D7_TEST_MAIN(RobustnessTest)
#include "test_robustness.moc"
