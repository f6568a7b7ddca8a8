// The main window, its menu and pages, the welcome screen, start-up and shut-down.
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QTextBrowser>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>

#include "widgets/DataGrid.h"
#include "widgets/DataNavigator.h"
#include "app/MainWindow.h"
#include "declaration/Declaration.h"
#include "declaration/ReferenceLists.h"
#include "app/WelcomeScreen.h"
#include "app/Program.h"
#include "pages/table1/Table1Page.h"
#include "pages/table2/Table2Page.h"
#include "print/PrintCommands.h"
#include "widgets/Dialogs.h"
#include "widgets/StringGrid.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

// Every text that a shown control cuts short: a label or button narrower
// than its text, a column or tab heading narrower than its caption, a text
// box that must scroll sideways, or one without a scroll bar that hides lines.
QStringList CutTexts(const QWidget *window) {
    QStringList cut;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QFontMetrics metrics(w->font());
        const QString name = w->objectName();
        if (auto *label = qobject_cast<const QLabel *>(w)) {
            if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                  : label->sizeHint().width() > label->width())
                cut << name + u' ' + label->text();
        } else if (qobject_cast<const QPushButton *>(w) && w->sizeHint().width() > w->width()) {
            cut << name;
        } else if (auto *header = qobject_cast<const QHeaderView *>(w); header && header->orientation() == Qt::Horizontal) {
            for (int c = 0; c < header->count(); ++c) {
                const QString text = header->model()->headerData(c, Qt::Horizontal).toString();
                if (!header->isSectionHidden(c) && metrics.horizontalAdvance(text) + 10 > header->sectionSize(c))
                    cut << name + u' ' + text;
            }
        } else if (auto *grid = qobject_cast<const QTableView *>(w)) {   // titles in its first rows
            for (int r = 0; r < grid->model()->rowCount(); ++r)
                for (int c = 0; c < grid->model()->columnCount(); ++c) {
                    const QString text = grid->model()->index(r, c).data().toString();
                    if (metrics.horizontalAdvance(text) + 6 > grid->columnWidth(c))
                        cut << name + u' ' + text;
                }
        } else if (auto *tabs = qobject_cast<const QTabBar *>(w);
                   tabs && window->childAt(tabs->mapTo(window, QPoint(4, tabs->height() / 2))) == tabs) {
            // A strip under a cover is no caption.
            for (int t = 0; t < tabs->count(); ++t)
                if (tabs->isTabVisible(t) && metrics.horizontalAdvance(tabs->tabText(t)) + 8 > tabs->tabRect(t).width())
                    cut << tabs->tabText(t);
        } else if (auto *box = qobject_cast<const QAbstractScrollArea *>(w)) {
            // A page viewer scrolls by nature; any other box shows its text whole.
            const bool hidesLines = !qobject_cast<const QTextBrowser *>(box) &&
                                    box->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOn &&
                                    box->verticalScrollBar()->maximum() > 0;
            if (box->horizontalScrollBar()->maximum() > 0 || hidesLines)
                cut << name;
        }
    }
    return cut;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(!QApplication::activeModalWidget()); }

    void startsAsAFixedWindowWithItsPagesLockedAndNoDeclaration() {
        ScratchFolder folder;
        auto form = MakeMainWindow();
        QCOMPARE(form->windowTitle(), QStringLiteral("D7: ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΩΝ"));
        QCOMPARE(form->centralWidget()->size(), QSize(803, 568));
        QVERIFY(form->minimumSize() == form->maximumSize());
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        auto *band = form->findChild<QFrame *>("Panel3");
        QCOMPARE(band->height(), 11);
        QCOMPARE(band->palette().color(QPalette::Window), QColor(48, 159, 192));

        auto *pages = form->findChild<QTabWidget *>("PageControl1");
        QCOMPARE(pages->size(), QSize(801, 545));
        QCOMPARE(pages->count(), 4);
        const QStringList names = {"TabSheetGen", "TabSheetArray1", "TabSheetArray2", "TabSheetD7"};
        const QStringList captions = {"ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ", "ΠΙΝΑΚΑΣ 1: ΣΤΟΙΧΕΙΑ ΟΙΚΟΠΕΔΩΝ ΚΑΙ ΚΤΙΣΜΑΤΩΝ",
                                      "ΠΙΝΑΚΑΣ 2: ΣΤΟΙΧΕΙΑ ΑΓΡΟΤΕΜΑΧΙΩΝ", "ΣΥΓΚΕΝΤΡΩΤΙΚΑ"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(pages->widget(i)->objectName(), names[i]);
            QCOMPARE(pages->tabText(i), captions[i]);
        }
        QVERIFY(!pages->isEnabled());
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(form->declaration().taxNumber(), QString());

        auto *status = form->findChild<QStatusBar *>("StatusBar1");
        QCOMPARE(status->height(), 19);
        QCOMPARE(status->currentMessage(),
                 QStringLiteral("ΠΡΟΣΟΧΗ - ΟΛΑ ΤΑ ΣΤΟΙΧΕΙΑ ΠΡΕΠΕΙ ΝΑ ΣΥΜΠΛΗΡΩΘΟΥΝ ΜΕ ΚΕΦΑΛΑΙΑ"));
        for (int i = 1; i <= 7; ++i)
            QVERIFY(form->findChild<Dataset *>(QStringLiteral("ADODataSet%1").arg(i)));
        QCOMPARE(form->declaration().children().commandText(), QStringLiteral("select * from children where AFMYpox='0'"));
        QCOMPARE(form->declaration().table1Rows().commandText(), QStringLiteral("select * from table1 where AFMYpox='0'"));
        QCOMPARE(form->declaration().table2Rows().commandText(), QStringLiteral("SELECT * FROM TABLE2 where AFMYpox='0'"));
        QVERIFY(!form->declaration().children().isActive());
    }

    void theMenuHoldsEveryCommandInOrderAlwaysEnabled() {
        ScratchFolder folder;
        auto form = MakeMainWindow();
        auto *bar = form->findChild<QMenuBar *>("MainMenu1");
        QVERIFY(bar);
        struct Item {
            QString name, caption;
        };
        const QList<std::pair<Item, QList<Item>>> expected = {
            {{"N1", "Αρχείο"},
             {{"N92", "Συμπλήρωση Δήλωσης D7"},
              {"DeclarationsAction", "Λίστα Δηλώσεων"},
              {"ImportAction", "Εισαγωγή Αρχείων D7"},
              {"BackupSeparator", ""},
              {"BackupAction", "Αποθήκευση Αντιγράφου Ασφαλείας"},
              {"RestoreAction", "Επαναφορά από Αντίγραφο Ασφαλείας"},
              {"ServerSeparator", ""},
              {"ServerAction", "Διακομιστής Γραφείου"},
              {"CopyToServerAction", "Αντιγραφή Δηλώσεων στον Διακομιστή"},
              {"N14", ""},
              {"N10", "Δημιουργία Αρχείου για αποστολή στο Vendrika"},
              {"N12", ""},
              {"N13", "Δημιουργία συντόμευσης στην Επιφ. Εργασίας"},
              {"N11", ""},
              {"N2", "Έξοδος"}}},
            {{"N3", "Εκτύπωση"}, {{"N4", "Εκτύπωση Γενικών Στοιχείων"}, {"N5", "Εκτύπωση Πινάκων"}}},
            {{"N6", "Βοήθεια"},
             {{"N7", "Οδηγίες Εφαρμογής"}, {"N91", "Βοήθεια για το  D7"}, {"N8", ""}, {"N9", "Σχετικά"}}},
        };
        const QList<QAction *> menus = bar->actions();
        QCOMPARE(menus.size(), expected.size());
        for (int m = 0; m < menus.size(); ++m) {
            QCOMPARE(menus[m]->objectName(), expected[m].first.name);
            QCOMPARE(menus[m]->text(), expected[m].first.caption);
            const QList<QAction *> items = menus[m]->menu()->actions();
            QCOMPARE(items.size(), expected[m].second.size());
            for (int i = 0; i < items.size(); ++i) {
                QCOMPARE(items[i]->objectName(), expected[m].second[i].name);
                QCOMPARE(items[i]->isSeparator(), expected[m].second[i].caption.isEmpty());
                QCOMPARE(items[i]->text(), expected[m].second[i].caption);
                QVERIFY(items[i]->isEnabled());   // at all times, before a declaration is open too
            }
        }
    }

    void referenceListsAreFilledAtStartUpAndTheirDatasetsClosed() {
        ScratchFolder folder;
        auto form = MakeMainWindow();
        auto items = [&](const char *name) {
            auto *box = form->findChild<QComboBox *>(name);
            QStringList l;
            for (int i = 0; i < box->count(); ++i)
                l << box->itemText(i);
            return l;
        };
        QCOMPARE(items("ComboBoxNomos"), QStringList({"ΑΘΗΝΩΝ", "ΘΕΣΣΑΛΟΝΙΚΗΣ", "ΚΥΚΛΑΔΩΝ"}));
        QCOMPARE(items("ComboBox2"), QStringList({"01", "21", "27"}));
        QCOMPARE(items("ComboBoxNomos2"), items("ComboBoxNomos"));
        QCOMPARE(items("ComboBox21"), items("ComboBox2"));
        QCOMPARE(items("ComboBox16").size(), items("ComboBox17").size());
        QCOMPARE(items("ComboBox17").at(3), QStringLiteral("4"));
        QCOMPARE(items("ComboBoxSpecialCD").first(), QStringLiteral("-1"));
        QCOMPARE(items("ComboBoxFloorCD").last(), QStringLiteral("Υ"));
        QCOMPARE(items("ComboBoxFloor").size(), items("ComboBoxFloorCD").size());
        QVERIFY(!form->findChild<QComboBox *>("ComboBox2")->isVisibleTo(form.get()));
        // the reference datasets are closed again
        QVERIFY(!form->findChild<Dataset *>(QStringLiteral("ADODataSet1"))->isActive());
        QVERIFY(!form->findChild<Dataset *>(QStringLiteral("ADODataSet2"))->isActive());
    }

    void theGeneralPageStartsWithItsTitlesAndChoices() {
        ScratchFolder folder;
        auto form = MakeMainWindow();
        auto *yp = form->findChild<StringGrid *>("StringGridYp");
        QCOMPARE(yp->columnCount(), 5);
        QCOMPARE(yp->rowCount(), 2);
        QCOMPARE(yp->cellText(1, 0), QStringLiteral("ΕΠΩΝΥΜΟ ή ΕΠΩΝΥΜΙΑ"));
        QCOMPARE(yp->cellText(0, 1), QStringLiteral("1."));
        QCOMPARE(yp->columnWidth(3), 175);
        auto *wife = form->findChild<StringGrid *>("StringGridYpWife");
        QCOMPARE(wife->cellText(4, 0), QStringLiteral("A.TΑΥΤΟΤHTAΣ"));
        QCOMPARE(wife->cellText(0, 1), QStringLiteral("2."));
        auto *anti = form->findChild<StringGrid *>("StringGridAnti");
        QCOMPARE(anti->cellText(0, 0), QStringLiteral("ΙΔΙΟΤΗΤΑ"));
        QVERIFY(anti->isEditableCell(0, 1));
        QVERIFY(!wife->isEditableCell(0, 1));

        auto *doy = form->findChild<QComboBox *>("ComboBoxDOY");
        auto *codes = form->findChild<QComboBox *>("ComboBoxDOYCodes");
        QCOMPARE(doy->count(), 282);
        QCOMPARE(codes->count(), 282);
        QCOMPARE(doy->width(), 201);
        QVERIFY(!form->findChild<QComboBox *>("ComboBoxType")->isEnabled());

        auto *grid = form->findChild<DataGrid *>("DBGrid1");
        QCOMPARE(grid->size(), QSize(713, 131));
        QCOMPARE(grid->datasetModel()->headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("ΕΤΟΣ ΓΕΝΝΗΣΗΣ"));
        const QStringList years = grid->datasetModel()->columns().at(4).pickList;
        QCOMPARE(years.size(), 126);
        QCOMPARE(years.first(), QStringLiteral("2005"));
        QCOMPARE(years.last(), QStringLiteral("1880"));
        auto *nav = form->findChild<DataNavigator *>("DBNavigator1");
        QCOMPARE(nav->button(DataNavigator::Button::Delete)->toolTip(), QStringLiteral("Διαγραφή εγγραφής"));
        QCOMPARE(form->findChild<QLabel *>("Label98")->text(), QStringLiteral("Αποθήκευση αλλαγών στοιχείων τέκνου"));
        QCOMPARE(form->findChild<QWidget *>("MemoNotes")->size(), QSize(569, 57));
        QCOMPARE(form->findChild<QPushButton *>("BitBtnSave")->size(), QSize(113, 57));
    }

    void theWelcomeScreenShowsWhileTheWindowIsMadeUntilItsButton() {
        ScratchFolder folder;
        WelcomeScreen welcome;
        QCOMPARE(welcome.windowTitle(), QStringLiteral("D7: ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΩΝ"));
        QCOMPARE(welcome.size(), QSize(586, 412));
        QCOMPARE(welcome.m_heading->text(),
                 QStringLiteral("Καλωσήλθατε στην Ηλεκτρονική Συμπλήρωση και Υποβολή της Δήλωσης D7"));
        QVERIFY(welcome.m_heading->font().bold());
        QCOMPARE(welcome.m_continueButton->text(), QStringLiteral("Πατήστε εδώ για να συνεχίσετε"));
        QCOMPARE(welcome.m_band->height(), 17);
        QCOMPARE(welcome.m_band->palette().color(QPalette::Window), QColor(48, 159, 192));
        for (QLabel *picture : {welcome.m_leftEmblem, welcome.m_rightEmblem, welcome.m_picture})
            QVERIFY(!picture->pixmap().isNull());   // decoded by the JPEG reader
        QVERIFY(welcome.m_leftAuthority->font().bold());
        QVERIFY(welcome.m_welcomeText->isReadOnly());
        QCOMPARE(welcome.m_welcomeText->frameShape(), QFrame::NoFrame);
        QCOMPARE(welcome.m_welcomeText->document()->blockCount(), 5);

        // shown modally while the main window is made; its button closes it
        ModalAnswerer robot;
        robot.click("Button1");
        auto form = std::make_unique<MainWindow>();
        QCOMPARE(robot.titles, QStringList({"D7: ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΩΝ"}));
        QCOMPARE(robot.texts, QStringList({"FormMessage"}));
    }

    // At the window's fixed size and font every caption and heading reads
    // whole: the pages, both wizards' summaries with the longest first
    // choices, the welcome screen, the general preview and a message.
    void noCaptionOrHeadingIsCutShort_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("window");
        for (int page = 0; page < 4; ++page)
            QTest::addRow("page %d", page) << page << QString();
        for (const char *window : {"FormMessage", "PrintForm", "message"})
            QTest::newRow(window) << 0 << QString::fromLatin1(window);
    }
    void noCaptionOrHeadingIsCutShort() {
        QFETCH(int, page);
        QFETCH(QString, window);
        ScratchFolder folder;
        auto form = MakeMainWindow();
        form->openDeclaration(QStringLiteral("090000045"));
        auto *taxpayer = form->findChild<StringGrid *>("StringGridYp");
        taxpayer->setCellText(1, 1, QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
        taxpayer->setCellText(4, 1, QStringLiteral("090000045"));
        ModalAnswerer hint;   // the start hint at the first activation
        hint.ok();
        form->show();
        QApplication::setActiveWindow(form.get());
        QTRY_COMPARE(hint.pending(), 0);
        form->findChild<QTabWidget *>("PageControl1")->setCurrentIndex(page);
        if (auto *table1 = page == 1 ? form->findChild<Table1Page *>() : nullptr) {
            Control<QPushButton>(table1, "Button2")->click();
            table1->refreshSummary();
        } else if (auto *table2 = page == 2 ? form->findChild<Table2Page *>() : nullptr) {
            Control<QPushButton>(table2, "Button3")->click();
            table2->refreshSummary();
        }
        QStringList cut;
        ModalAnswerer robot;
        robot.custom([&cut](QWidget *w) {
            cut = CutTexts(w);
            if (w->width() < TitleBarWidth(w->windowTitle()))
                cut << w->windowTitle();
            w->close();
        });
        if (window == u"FormMessage")
            WelcomeScreen().exec();
        else if (window == u"PrintForm")
            PrintGeneralData(form->declaration(), form.get());
        else if (window == u"message")
            ShowMessageText(QStringLiteral("ΟΚ"));
        else
            cut = CutTexts(form.get());
        QCOMPARE(robot.pending(), window.isEmpty() ? 1 : 0);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(" | "))));
    }

    void theStartHintShowsOnceAtTheFirstActivation() {
        ScratchFolder folder;
        auto form = MakeMainWindow();
        ModalAnswerer robot;
        robot.ok();
        form->show();
        QApplication::setActiveWindow(form.get());
        QTRY_COMPARE(robot.texts.size(), 1);
        QCOMPARE(robot.texts.first(),
                 QStringLiteral("Επιλέξτε ''Αρχείο'' - ''Συμπλήρωση Δήλωσης D7'' για να ξεκινήσετε"));
        QCOMPARE(robot.titles.first(), QStringLiteral("D7: ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΟΥ"));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        // later activations show nothing
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::setActiveWindow(form.get());
        QTest::qWait(100);
        QCOMPARE(robot.texts.size(), 1);
        QVERIFY(!form->startHintPending());
    }

    void exitClosesTheWindowAndBothConnectionsStoringNothing() {
        ScratchFolder folder;
        auto form = MakeMainWindow();
        form->show();
        form->setStartHintPending(false);
        form->findChild<QAction *>("N2")->trigger();
        QVERIFY(!form->isVisible());
        // nothing was open, so nothing was stored; both connections are closed
        QVERIFY(!form->referenceLists().isOpen());
        QVERIFY(!form->declaration().store().isOpen());
        QCOMPARE(StoredRows("select * from generaldata"), QList<QStringList>{});
    }

    // A database the program cannot work on stops it at start-up with a
    // message and a non-zero status, the file as it was: missing, keyed with
    // another password, write-protected, or in a folder that refuses writing.
    void unusableDatabaseStopsTheStart() {
        const QString protectedText = QStringLiteral("δεν μπορεί να ανοιχτεί για εγγραφή");
        const struct {
            const char *name;
            QFileDevice::Permissions file, folder;
            QString message;
        } cases[] = {
            {"missing", {}, {}, QStringLiteral("unable to open database file")},
            {"other password", {}, {}, QStringLiteral("file is encrypted or is not a database")},
            {"protected file", QFileDevice::Permissions(0x4444), {}, protectedText},
            {"protected folder", {}, QFileDevice::Permissions(0x5555), protectedText},
        };
        for (const auto &c : cases) {
            ScratchFolder folder(qstrcmp(c.name, "missing") == 0 ? QString() : QString(D7_FIXTURE_DB));
            if (qstrcmp(c.name, "other password") == 0) {
                CreateDatabase(QStringLiteral("other.mdb"), QStringLiteral("another9"));
                QFile::remove(kDatabaseFileName);
                QFile::rename(QStringLiteral("other.mdb"), kDatabaseFileName);
            }
            // An ordinary user must reach the folder (root would write through any protection);
            // the bits are the same for owner, group and others, as that user stays in root's group.
            QFile::setPermissions(folder.path(), c.folder ? c.folder : QFileDevice::Permissions(0x7755));
            if (c.file)
                QFile::setPermissions(kDatabaseFileName, c.file);
            QFile file(kDatabaseFileName);
            const QByteArray before = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            file.close();
            ModalAnswerer robot;
            robot.ok();
            int status;
            {
                AsOrdinaryUser user;
                status = RunProgram({});
            }
            QVERIFY2(status == 1, c.name);
            QCOMPARE(robot.texts.size(), 1);
            QVERIFY2(robot.texts[0].contains(c.message), qPrintable(QString::fromLatin1(c.name) + ": " + robot.texts[0]));
            QVERIFY(file.open(QIODevice::ReadOnly) ? file.readAll() == before : before.isEmpty());
            QCOMPARE(QDir().entryList({"*-journal"}, QDir::Files), QStringList());
            QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7700));
        }
    }

    void uncaughtEngineErrorEndsOnlyTheCommand() {
        ScratchFolder folder;
        auto form = MakeMainWindow();
        ModalAnswerer robot;
        robot.ok();
        bool after = false;
        RunCommand([&] {
            form->findChild<Dataset *>(QStringLiteral("ADODataSet3"))->setCommandText("select * from no_such_table");
            form->findChild<Dataset *>(QStringLiteral("ADODataSet3"))->open();
            after = true;
        });
        QVERIFY(!after);
        QCOMPARE(robot.texts, QStringList({"no such table: no_such_table"}));
        QVERIFY(form->declaration().store().isOpen());
    }
};

D7_TEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
