// The accountant's desk: the declarations list, the import command, the
// command line, the time of each change and the restore of a copy.
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTreeWidget>

#include "app/MainWindow.h"
#include "app/Program.h"
#include "backup/BackupPolicy.h"
#include "declaration/Validation.h"
#include "declaration/Declaration.h"
#include "declaration/DeclarationList.h"
#include "list/DeclarationsWindow.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "format/ImportFiles.h"
#include "store/ServerError.h"
#include "store/ServerStore.h"
#include "store/StoreDriver.h"
#include "support/PostgresServer.h"
#include "support/TestSupport.h"
#include "widgets/StringGrid.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kFixtures = QStringLiteral(D7_SOURCE_DIR "/tests/fixtures/export/");
const QString kImported = QStringLiteral("111111114");   // the person liable of the export fixtures
const QString kAccented = QStringLiteral("090000045"), kOther = QStringLiteral("123456783");
const QStringList kTables = {"citizendata", "generaldata", "wifedata", "ekprosopos", "children", "table1", "TABLE2"};

// Rows of a declaration left in any of its tables.
int rowsOf(const QString &taxNumber) {
    int rows = int(StoredRows("select * from citizendata where afm='" + taxNumber + "'").size());
    for (const QString &table : kTables.mid(1))
        rows += int(StoredRows("select * from " + table + " where afmypox='" + taxNumber + "'").size());
    return rows;
}

// A window on a scratch database holding two declarations of similar names.
struct Desk {
    ScratchFolder folder;
    std::unique_ptr<MainWindow> form = MakeMainWindow();
    Desk() {
        ExecuteOnFile("insert into citizendata (Surname, Name, afm) values ('ΠΑΠΑΔΌΠΟΥΛΟΣ', 'ΓΙΑΝΝΗΣ', '" + kAccented +
                      "'), ('ΠΑΠΑΔΑΚΗΣ', 'ΝΙΚΟΣ', '" + kOther + "')");
        ExecuteOnFile("insert into table1 (NOMOSDESC, AFMYpox) values ('ΑΤΤΙΚΗΣ', '" + kOther + "')");
    }
    // The answer that works in the list; the list is closed with Escape
    // unless the work did.
    static Answer inTheList(std::function<void(DeclarationsWindow *, QLineEdit *, QTableView *)> work) {
        return {Answer::Custom, {}, {}, [work](QWidget *w) {
                    auto *list = qobject_cast<DeclarationsWindow *>(w);
                    work(list, Control<QLineEdit>(w, "DeclarationsFilter"), Control<QTableView>(w, "DeclarationsTable"));
                    if (list->isVisible())
                        QTest::keyClick(list, Qt::Key_Escape);
                }};
    }
    void showList() { form->findChild<QAction *>("DeclarationsAction")->trigger(); }
};

}  // namespace

class DeskTest : public QObject {
    Q_OBJECT
    PostgresServer server;

private slots:
    // Typing narrows the list (case and accents aside), a heading sorts it,
    // the arrows move in it from the filter, and Enter opens the declaration.
    void theListFindsSortsAndOpensADeclaration() {
        Desk d;
        d.form->openDeclaration(kImported);
        ModalAnswerer robot;
        QStringList seen;
        robot.then(Desk::inTheList([&](DeclarationsWindow *list, QLineEdit *filter, QTableView *table) {
            seen << QString::number(list->shownCount()) << table->model()->index(2, 5).data().toString();
            TypeText(filter, QStringLiteral("παπαδοπουλος"));
            seen << QString::number(list->shownCount()) << list->current();
            filter->clear();
            TypeText(filter, QStringLiteral("παπαδ"));
            const QHeaderView *header = table->horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(1) + 5, 5));
            seen << table->model()->index(0, 0).data().toString();
            QTest::keyClick(filter, Qt::Key_Up);
            seen << list->current() << QString::number(list->focusWidget() == filter);
            QTest::keyClick(filter, Qt::Key_Return);
        }));
        d.showList();
        QTRY_COMPARE(robot.pending(), 0);
        QCOMPARE(seen, QStringList({"3", "1", "1", kAccented, kOther, kOther, "1"}));
        QCOMPARE(d.form->declaration().taxNumber(), kOther);
        QCOMPARE(d.form->findChild<StringGrid *>("StringGridYp")->cellText(1, 1), QStringLiteral("ΠΑΠΑΔΑΚΗΣ"));
    }

    // Delete asks, naming the declaration; Yes removes it from every table in
    // one go, and the open one leaves the program as at start-up.
    void deletingRemovesTheWholeDeclarationAfterAQuestion_data() {
        QTest::addColumn<QString>("taxNumber");
        QTest::addColumn<bool>("yes");
        QTest::newRow("the open one") << kOther << true;
        QTest::newRow("another") << kAccented << true;
        QTest::newRow("answered no") << kOther << false;
    }
    void deletingRemovesTheWholeDeclarationAfterAQuestion() {
        QFETCH(QString, taxNumber);
        QFETCH(bool, yes);
        Desk d;
        d.form->openDeclaration(kOther);
        d.form->declaration().storeGeneralData();   // as the list does first
        const int before = rowsOf(taxNumber);
        ModalAnswerer robot;
        // The key is posted: its question is a window of its own, answered next.
        robot.custom([&](QWidget *list) {
            auto *filter = Control<QLineEdit>(list, "DeclarationsFilter");
            TypeText(filter, taxNumber);
            QTimer::singleShot(0, filter, [filter] { QTest::keyClick(filter, Qt::Key_Delete); });
        });
        robot.then(yes ? Answer{Answer::Yes} : Answer{Answer::No}).escape();
        d.showList();
        QTRY_COMPARE(robot.pending(), 0);
        QVERIFY(robot.texts[1].contains(taxNumber));
        QCOMPARE(rowsOf(taxNumber), yes ? 0 : before);
        QCOMPARE(StoredRows("select * from declaration_changes where afm='" + taxNumber + "'").size(), yes ? 0 : 1);
        const bool openGone = yes && taxNumber == kOther;
        QCOMPARE(d.form->declarationOpen(), !openGone);
        QCOMPARE(d.form->pages()->isEnabled(), !openGone);
    }

    // Every write of a declaration stamps its time of change in the same
    // transaction; a store that changes nothing leaves the time as it was.
    void eachChangeIsStampedAndAStoreOfNothingIsNot() {
        Desk d;
        d.form->openDeclaration(kAccented);
        const QString old = QStringLiteral("2001-02-03 04:05:06");
        ExecuteOnFile("update declaration_changes set changed='" + old + "'");
        auto stamp = [&] {
            return StoredRows("select changed from declaration_changes where afm='" + kAccented + "'").value(0).value(0);
        };
        d.form->declaration().storeGeneralData();   // the general row is new: a change
        QVERIFY(stamp() > old);
        ExecuteOnFile("update declaration_changes set changed='" + old + "'");
        d.form->declaration().storeGeneralData();
        QCOMPARE(stamp(), old);
        d.form->findChild<StringGrid *>("StringGridYp")->setCellText(2, 1, QStringLiteral("ΚΩΣΤΑΣ"));
        d.form->declaration().storeGeneralData();
        QCOMPARE(stamp().left(4), QString::number(QDate::currentDate().year()));
    }

    // Files chosen at once: a bad one is named in the report and stops none
    // of the others; replacing a stored declaration is asked, the answer may
    // hold for the rest; the open declaration shows what was imported.
    void importingManyFilesAsksReplacesAndReports_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes to all") << true;
        QTest::newRow("no to all") << false;
    }
    void importingManyFilesAsksReplacesAndReports() {
        QFETCH(bool, yes);
        Desk d;
        d.form->openDeclaration(kImported);
        QVERIFY(WriteFile(d.folder.file("bad.xml"), "<D7><GENERALDATA>\xff"));
        QFile::copy(kFixtures + "full.xml", d.folder.file("full.xml"));
        QFile::copy(kFixtures + "empty.xml", d.folder.file("empty.xml"));
        ModalAnswerer robot;
        robot.custom([&](QWidget *w) {
            Control<QLineEdit>(w, "fileNameEdit")->setText("\"full.xml\" \"bad.xml\" \"empty.xml\"");
            static_cast<QDialog *>(w)->accept();
        });
        robot.custom([&](QWidget *w) {
            Control<QCheckBox>(w, "forAllBox")->setChecked(true);
            Control<QPushButton>(w, yes ? "yesButton" : "noButton")->click();
        });
        robot.ok();
        d.form->findChild<QAction *>("ImportAction")->trigger();
        QTRY_COMPARE(robot.pending(), 0);
        QCOMPARE(robot.texts.size(), 3);   // one question for both files of the same declaration
        QVERIFY(robot.texts[1].contains(kImported));
        QCOMPARE(robot.texts[2].section('\n', 0, 3), yes ? "Εισήχθησαν: 0\nΑντικαταστάθηκαν: 2\nΠαραλείφθηκαν: 0\nΔεν εισήχθησαν: 1"
                                                        : "Εισήχθησαν: 0\nΑντικαταστάθηκαν: 0\nΠαραλείφθηκαν: 2\nΔεν εισήχθησαν: 1");
        QVERIFY(robot.texts[2].contains("bad.xml: "));
        QCOMPARE(d.form->findChild<StringGrid *>("StringGridYp")->cellText(1, 1),
                 yes ? QStringLiteral("ΒΗΤΑ") : QString());   // the last file's name, or untouched
    }

    // The command line: one line per file and a summary, a status that says
    // whether all was done, and the window's messages.
    void theCommandLineImportsAndExports() {
        ScratchFolder folder{QStringLiteral(D7_PRISTINE_DB)};
        for (const char *name : {"full.xml", "empty.xml"})
            QFile::copy(kFixtures + name, folder.file(name));
        QVERIFY(WriteFile(folder.file("nameless.xml"),
                          ReadFile(kFixtures + "empty.xml").replace("\xc2\xc7\xd4\xc1", "").replace("111111114", "090000045")));
        const struct {
            QStringList arguments;
            int status;
            QString says;
        } runs[] = {
            {{"--import", "full.xml", "missing.xml"}, 1, "full.xml: εισήχθη η δήλωση με ΑΦΜ 111111114\nmissing.xml: "},
            {{"--import", "empty.xml"}, 1, "empty.xml: παραλείφθηκε, η δήλωση με ΑΦΜ 111111114 υπάρχει ήδη"},
            {{"--import", "--replace", "empty.xml", "nameless.xml"}, 0, "Εισήχθησαν: 1\nΑντικαταστάθηκαν: 1\n"},
            {{"--export", kImported, "out.xml"}, 0, ""},
            {{"--export", kAccented, "none.xml"}, 1, SaveMessage(5, QDate::currentDate().year())},
            {{"--export", kOther, "none.xml"}, 1, "Δεν υπάρχει δήλωση με ΑΦΜ 123456783."},
            {{"--help"}, 0, "--import"},
        };
        for (const auto &run : runs) {
            QProcess d7;
            d7.start(QStringLiteral(D7_PROGRAM), run.arguments);
            QVERIFY(d7.waitForFinished(30000));
            const QString said = QString::fromUtf8(d7.readAllStandardOutput() + d7.readAllStandardError());
            QVERIFY2(d7.exitCode() == run.status && said.contains(run.says), qPrintable(run.arguments.join(' ') + ": " + said));
        }
        QCOMPARE(ReadFile(folder.file("out.xml")), ReadFile(kFixtures + "empty.xml"));
        QVERIFY(!QFile::exists(folder.file("none.xml")));
    }

    // A copy chosen in the restore window replaces the file; the program is
    // then as at start-up, on the copy's declarations.
    void aRestoredCopyIsWhatTheProgramWorksOn() {
        Desk d;
        d.form->openDeclaration(kAccented);
        WriteCopy(QDir::current().absoluteFilePath(kDatabaseFileName), QDateTime::currentDateTime());
        d.form->findChild<StringGrid *>("StringGridYp")->setCellText(2, 1, QStringLiteral("ΜΕΤΑ"));
        d.form->declaration().storeGeneralData();
        ModalAnswerer robot;
        robot.custom([](QWidget *w) {
            auto *copies = Control<QTreeWidget>(w, "RestoreCopiesList");
            copies->setCurrentItem(copies->topLevelItem(0));
            QTimer::singleShot(0, w, [w] { Control<QPushButton>(w, "RestoreButton")->click(); });
        });
        robot.yes().ok();
        d.form->findChild<QAction *>("RestoreAction")->trigger();
        QTRY_COMPARE(robot.pending(), 0);
        QVERIFY(!d.form->declarationOpen() && !d.form->pages()->isEnabled());
        QCOMPARE(StoredRows("select Name from citizendata where afm='" + kAccented + "'"), QList<QStringList>{{"ΓΙΑΝΝΗΣ"}});
        d.form->openDeclaration(kAccented);   // the store is open again
        QCOMPARE(d.form->findChild<StringGrid *>("StringGridYp")->cellText(2, 1), QStringLiteral("ΓΙΑΝΝΗΣ"));
    }

    // The server command keeps a server only once it answered, and never a
    // password; a server out of reach at start-up ends the program, named.
    void theServerCommandKeepsOnlyAServerThatAnswers() {
        Desk desk;
        const QString office = server.connectionString(server.newDatabase()), nowhere = "postgresql://127.0.0.1:1/d7";
        const struct { QString typed, kept, told; } cases[] = {
            {office, office, "πέτυχε"}, {office + " password=x", office, "κωδικό"},
            {nowhere, office, "127.0.0.1:1/d7"}, {"", "", "αρχείο αυτού"}};
        for (const auto &c : cases) {
            ModalAnswerer robot;
            robot.type(c.typed).ok();
            desk.form->findChild<QAction *>("ServerAction")->trigger();
            QTRY_COMPARE(robot.pending(), 0);
            QVERIFY2(robot.texts.last().contains(c.told), qPrintable(robot.texts.last()));
            QCOMPARE(QSettings(kSettingsFileName, QSettings::IniFormat).value("server/uri").toString(), c.kept);
        }
        ModalAnswerer robot;
        robot.ok();
        QCOMPARE(RunProgram({"d7", "--server", nowhere}), 1);
        QVERIFY(robot.texts.value(0).contains("127.0.0.1:1/d7"));
    }

    // An office on a server: a file's declarations copied onto it write the
    // same upload file; two desks store their own declarations at once; a
    // declaration one desk holds is refused to another, naming the desk.
    void anOfficeServerKeepsTheBytesAndOneDeskPerDeclaration() {
        ScratchFolder folder{QStringLiteral(D7_PRISTINE_DB)};
        const QString office = server.connectionString(server.newDatabase());
        QFile::copy(kFixtures + "full.xml", folder.file("full.xml"));
        for (const QStringList &arguments : {QStringList{"--import", "full.xml"},
                                             QStringList{"--server", office, "--copy-from", kDatabaseFileName},
                                             QStringList{"--server", office, "--export", kImported, "server.xml"}})
        {
            QProcess d7;
            d7.start(QStringLiteral(D7_PROGRAM), arguments);
            QVERIFY(d7.waitForFinished(30000));
            QVERIFY2(d7.exitCode() == 0, d7.readAllStandardError().constData());
        }
        QCOMPARE(ReadFile(folder.file("server.xml")), ReadFile(kFixtures + "full.xml"));

        const QStringList desks = {kAccented, kOther};
        QList<qint64> children;
        for (const QString &taxNumber : desks)
            children << RunInChild([&] {
                Declaration desk;
                desk.store().open(std::make_unique<ServerStore>(office), Connection::Mode::ReadWrite);
                desk.open(taxNumber);
                for (int i = 1; i <= 20; ++i) {
                    GeneralData values = desk.generalData();
                    values.notes = QString::number(i);
                    desk.setGeneralData(values);
                    desk.storeGeneralData();
                    desk.appendRow(DeclarationTable::Table1, {{1, QString::number(i)}, {36, taxNumber}});
                }
            });
        for (qint64 child : children)
            QVERIFY(Finish(child));

        auto form = MakeMainWindow(office);
        QCOMPARE(form->findChild<QLabel *>("StoreLabel")->text().startsWith(QStringLiteral("Διακομιστής: ")), true);
        Declaration otherDesk;
        otherDesk.store().open(std::make_unique<ServerStore>(office), Connection::Mode::ReadWrite);
        otherDesk.open(kAccented);
        QCOMPARE(otherDesk.generalData().notes, QStringLiteral("20"));
        QCOMPARE(otherDesk.table1Rows().recordCount(), 20);
        ModalAnswerer robot;
        robot.ok();
        form->openDeclaration(kAccented);
        QTRY_COMPARE(robot.pending(), 0);
        QVERIFY(robot.texts[0].contains(ServerStore::DeskName()) && robot.texts[0].contains(kAccented));
        QVERIFY(!form->declarationOpen());
        form->openDeclaration(kOther);   // the other desk's own is free
        QCOMPARE(form->findChild<QPlainTextEdit *>("MemoNotes")->toPlainText(), QStringLiteral("20"));
        otherDesk.open(kImported);   // an import of what another desk holds is refused, naming it
        const auto imported = ImportFiles(form->declaration().store(), {folder.file("full.xml")},
                                          [](const QString &, const DeclarationSummary &) { return true; });
        QVERIFY(imported.value(0).reason.contains(ServerStore::DeskName()));
        QVERIFY_THROWS_EXCEPTION(ServerError, DeleteDeclaration(form->declaration().store(), kImported));   // nor deleted
        QVERIFY(FindDeclaration(form->declaration().store(), kImported));

        // The server gone during a store: a message, the page as typed; back,
        // the next store writes it.
        auto *notes = form->findChild<QPlainTextEdit *>("MemoNotes");
        notes->setPlainText(QStringLiteral("ΚΡΑΤΗΜΕΝΟ"));
        form->findChild<StringGrid *>("StringGridYp")->setCellText(1, 1, QStringLiteral("ΠΑΠΑΔΑΚΗΣ"));
        QVERIFY(server.stop());
        robot.ok();
        form->findChild<QPushButton *>("BitBtnSave")->click();
        QTRY_COMPARE(robot.pending(), 0);
        QVERIFY(robot.texts.last().contains(form->declaration().store().driver().location()));
        QCOMPARE(notes->toPlainText(), QStringLiteral("ΚΡΑΤΗΜΕΝΟ"));
        QVERIFY(server.start());
        robot.yes().ok();
        form->findChild<QPushButton *>("BitBtnSave")->click();
        QTRY_COMPARE(robot.pending(), 0);
        QCOMPARE(robot.texts.last(), QStringLiteral("Επιτυχής αποθήκευση Γενικών Στοιχείων"));
        const QueryResult stored =
            otherDesk.store().driver().select("select Notes from generaldata where afmypox=?", {kOther});
        QCOMPARE(stored.rows.value(0).value(0).toString(), QStringLiteral("ΚΡΑΤΗΜΕΝΟ"));
    }
};

D7_TEST_MAIN(DeskTest)
#include "test_desk.moc"
