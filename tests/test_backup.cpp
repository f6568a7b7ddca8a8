// Backups: the daily copy, the restore, and kills in the middle of either.
#include <QElapsedTimer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <signal.h>

#include "backup/BackupCommands.h"
#include "store/FileStore.h"
#include "store/Backup.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

const QDateTime kToday(QDate(2026, 12, 8), QTime(9, 15));
const QDateTime kLongAgo(QDate(1999, 3, 1), QTime(8, 5));
const QDateTime kLater(QDate(2099, 1, 1), QTime(9, 15));   // a day whose copy is there, so a start only cleans up

// One declaration as the program stores it: a person and its general data.
void Declare(Connection &c, const QString &surname, int count = 1) {
    for (int i = 0; i < count; ++i) {
        Transaction t(c);
        c.execute(QStringLiteral("INSERT INTO citizendata (Surname, afm) VALUES ('%1', '%2');"
                                 "INSERT INTO generaldata (afmypox) VALUES ('%2')").arg(surname).arg(i));
        t.commit();
    }
}

// A file of a few megabytes: copies take a while, so that kills hit them.
void MakeDatabase(const QString &path, const QString &surname, int count, const QString &password = kDatabasePassword) {
    CreateDatabase(path, password);
    Connection c;
    c.open(path, password, Connection::Mode::ReadWrite);
    Declare(c, surname, count);
    c.execute("UPDATE generaldata SET Notes = hex(randomblob(250000))");
}

// The keys of the files the tests copy, by their salt: the files and their
// copies open without the costly derivation.
QHash<QByteArray, QByteArray> keys;
QByteArray KeyOf(const QString &path) {
    QFile file(path);
    return keys.value(file.open(QIODevice::ReadOnly) ? file.read(16) : QByteArray());
}

// What a file holds: its declarations' surnames, once each, unless it fails
// its check or a declaration lacks its general data.
QString Holds(const QString &path) {
    if (!CheckCopy(path, kDatabasePassword, KeyOf(path)).sound())
        return QStringLiteral("unsound");
    Connection c;
    c.open(path, kDatabasePassword, Connection::Mode::Read, KeyOf(path));
    Dataset ds(&c);
    ds.setCommandText("select group_concat(distinct Surname), count(*) = (select count(*) from generaldata) from citizendata");
    ds.open();
    return ds.text(1) == "1" ? ds.text(0) : QStringLiteral("uneven");
}

// An index that no longer matches its table: the engine's check fails, yet
// the file opens and takes writes.
void Damage(const QString &path) {
    ExecuteOnFile("PRAGMA writable_schema = ON; UPDATE sqlite_master SET sql = "
                  "'CREATE INDEX citizendata_afm ON citizendata (Surname)' WHERE name = 'citizendata_afm'",
                  path);
}

QStringList Leftovers(const QStringList &folders) {
    QStringList found;
    for (const QString &folder : folders)
        for (const QString &name : QDir(folder).entryList(QDir::Files))
            if (IsTemporaryName(name))
                found << name;
    return found;
}

}  // namespace

class BackupTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_templates;
    // Three declarations before, two others in a copy: made once, copied for each case.
    QString before() const { return m_templates.filePath("before.mdb"); }
    QString after() const { return m_templates.filePath("after.mdb"); }

private slots:
    void initTestCase() {
        MakeDatabase(before(), "ΠΡΙΝ", 3);
        MakeDatabase(after(), "ΜΕΤΑ", 2);
        for (const QString &file : {before(), after()})
            keys.insert(ReadFile(file).left(16), DeriveRawKey(file, kDatabasePassword));
    }

    void theDailyCopyIsMadeOnceADayBeforeWritesAndKeepsFourteen() {
        struct Case {
            const char *name;
            QList<int> earlierDays;   // copies already there, days before today
            QString setting;          // the folder in d7.conf
            bool damaged, readOnly;
            DailyBackup::Result result;
            QString folder, note;     // where the copies are, the start of the note
            int copies;               // after today's start, a later one and tomorrow's
        } cases[] = {
            {"first start of the day", {}, {}, false, false, DailyBackup::Result::Made, "backups", {}, 2},
            {"a copy of today there", {0, 1}, {}, false, false, DailyBackup::Result::NotDue, "backups", {}, 3},
            {"fourteen kept", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, {}, false, false,
             DailyBackup::Result::Made, "backups", {}, 14},
            {"a copy failing its check deletes nothing", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, {}, true, false,
             DailyBackup::Result::Failed, "backups", "Δεν έγινε το σημερινό αντίγραφο ασφαλείας: το αντίγραφο δεν πέρασε τον έλεγχο.", 14},
            {"folder set beside", {}, "δίσκος 2/αντίγραφα", false, false, DailyBackup::Result::Made, "δίσκος 2/αντίγραφα", {}, 2},
            {"read-only folder", {}, {}, false, true, DailyBackup::Result::Failed, "backups",
             "Δεν έγινε το σημερινό αντίγραφο ασφαλείας: δεν ήταν δυνατή η εγγραφή στον φάκελο", 0},
        };
        for (const Case &c : cases) {
            ScratchFolder scratch(before());
            const QString db = scratch.databasePath(), folder = scratch.file(c.folder);
            if (!c.setting.isEmpty())
                QSettings(scratch.file(kSettingsFileName), QSettings::IniFormat).setValue(kBackupFolderKey, c.setting);
            QDir().mkpath(folder);
            for (int day : c.earlierDays)
                QFile::copy(db, folder + "/" + CopyFileName(db, kToday.addDays(-day)));
            if (c.damaged)
                Damage(db);
            DailyBackup daily, later, tomorrow;
            QFile::setPermissions(folder, QFileDevice::Permissions(c.readOnly ? 0x5555 : 0x7777));
            QFile::setPermissions(scratch.path(), QFileDevice::Permissions(0x7777));
            QFile::setPermissions(db, QFileDevice::Permissions(0x6666));
            {
                AsOrdinaryUser user;
                daily = MakeDailyBackup(db, kToday);
                Connection program;   // the program goes on and writes
                program.open(db, kDatabasePassword, Connection::Mode::ReadWrite, KeyOf(db));
                Declare(program, "ΜΕΤΑ");
                later = MakeDailyBackup(db, kToday.addSecs(3600));
                tomorrow = MakeDailyBackup(db, kToday.addDays(1));
            }
            QFile::setPermissions(scratch.path(), QFileDevice::Permissions(0x7700));
            QVERIFY2(daily.result == c.result, c.name);
            QVERIFY2(daily.note.startsWith(c.note) && daily.note.isEmpty() == c.note.isEmpty(), qPrintable(daily.note));
            const QList<BackupCopy> copies = ListCopies(db);
            QVERIFY2(copies.size() == c.copies, c.name);
            if (c.result == DailyBackup::Result::Made) {
                QCOMPARE(daily.copy, folder + "/devdoy_1010-2026-12-08-0915.mdb");
                QCOMPARE(Holds(daily.copy), "ΠΡΙΝ");   // as it was before the write
                QCOMPARE(copies.last().made, kToday.addDays(-c.earlierDays.value(11, 0)));
            }
            QVERIFY2(later.result == (c.result == DailyBackup::Result::Made ? DailyBackup::Result::NotDue : c.result), c.name);
            QVERIFY2(tomorrow.result == (c.result == DailyBackup::Result::Failed ? c.result : DailyBackup::Result::Made), c.name);
        }
    }

    void aRestoreTakesOnlyASoundCopyAndReplacesTheFileWhole() {
        struct Case {
            const char *name;
            std::function<void(const QString &copy)> make;   // from a sound copy of other declarations
            bool listed, leaveOpen, blockedFolder;
            QString message;   // its start
        } cases[] = {
            {"a listed copy", {}, true, false, false, "Η επαναφορά ολοκληρώθηκε. Το προηγούμενο αρχείο φυλάχτηκε στο"},
            {"any copy file", {}, false, false, false, "Η επαναφορά ολοκληρώθηκε."},
            {"damaged", Damage, false, false, false, "Το αρχείο «%1» δεν μπορεί να χρησιμοποιηθεί για επαναφορά: είναι κατεστραμμένο."},
            {"cut short", [](const QString &p) { QFile(p).resize(QFileInfo(p).size() / 2); }, false, false, false,
             "Το αρχείο «%1» δεν μπορεί να χρησιμοποιηθεί για επαναφορά: είναι κατεστραμμένο."},
            {"another password", [](const QString &p) { QFile::remove(p); MakeDatabase(p, "ΜΕΤΑ", 2, "άλλος"); },
             false, false, false, "Το αρχείο «%1» δεν μπορεί να χρησιμοποιηθεί για επαναφορά: δεν είναι αρχείο δηλώσεων"},
            {"no declaration tables", [](const QString &p) { ExecuteOnFile("DROP TABLE children", p); }, false, false, false,
             "Το αρχείο «%1» δεν μπορεί να χρησιμοποιηθεί για επαναφορά: δεν περιέχει τους πίνακες"},
            {"a connection left open", {}, false, true, false,
             "Η επαναφορά δεν έγινε: το αρχείο των δηλώσεων είναι ακόμη ανοιχτό. Δεν άλλαξε τίποτα."},
            {"the current file not kept first", {}, false, false, true,
             "Η επαναφορά δεν έγινε: δεν ήταν δυνατή η εγγραφή στον φάκελο"},
        };
        for (const Case &c : cases) {
            ScratchFolder scratch(before());
            const QString db = scratch.databasePath();
            const QString copy = c.listed ? BackupFolder(db) + "/" + CopyFileName(db, kLongAgo) : scratch.file("other.mdb");
            QDir().mkpath(BackupFolder(db));
            QFile::copy(after(), copy);
            if (c.make)
                c.make(copy);
            WriteFile(scratch.file("blocker"), "");   // a file where a folder would be
            if (c.blockedFolder)
                QSettings(scratch.file(kSettingsFileName), QSettings::IniFormat).setValue(kBackupFolderKey, "blocker/αντίγραφα");
            const QByteArray bytes = ReadFile(db);
            const QList<BackupCopy> copiesBefore = ListCopies(db);
            Connection program, forgotten;
            program.open(db, kDatabasePassword, Connection::Mode::ReadWrite, KeyOf(db));
            if (c.leaveOpen)
                forgotten.open(db, kDatabasePassword, Connection::Mode::Read);
            QStringList calls;
            DatabaseConnections connections{[&] { program.close(); calls << "close"; },
                                            [&] { calls << Holds(db); program.open(db, kDatabasePassword, Connection::Mode::ReadWrite); }};
            ModalAnswerer robot;
            auto press = [](const char *button) {
                return [button](QWidget *w) { QMetaObject::invokeMethod(Control<QPushButton>(w, button), "click", Qt::QueuedConnection); };
            };
            robot.custom(press(c.listed ? "RestoreButton" : "RestoreFileButton"));
            if (!c.listed)
                robot.custom([&](QWidget *w) { TypeIntoSaveDialog(w, copy); });
            robot.yes().ok().escape();
            const bool restored = ShowRestoreWindow(db, connections);
            forgotten.close();
            const bool good = QString(c.message).startsWith("Η επαναφορά ολοκληρώθηκε");
            QVERIFY2(restored == good, c.name);
            QVERIFY2(robot.texts.value(robot.texts.size() - (good ? 1 : 2)).startsWith(QString(c.message).replace("%1", copy)),
                     qPrintable(robot.texts.join('\n')));
            QVERIFY2(robot.texts.contains("Να αντικατασταθούν οι τρέχουσες δηλώσεις από το αντίγραφο " +
                                          (c.listed ? "της 01/03/1999 08:05" : QString("«other.mdb»")) +
                                          "; Το τρέχον αρχείο φυλάσσεται πρώτα στα αντίγραφα ασφαλείας."), c.name);
            QVERIFY(program.isOpen());
            QCOMPARE(Holds(db), good ? "ΜΕΤΑ" : "ΠΡΙΝ");
            QCOMPARE(ListCopies(db).size(), copiesBefore.size() + (good || c.leaveOpen));   // the current file kept first
            QVERIFY(!good || Holds(ListCopies(db).first().path) == "ΠΡΙΝ");
            QCOMPARE(calls, good ? QStringList({"close", "ΜΕΤΑ"}) : c.make ? QStringList() : QStringList({"close", "ΠΡΙΝ"}));
            QVERIFY2(good || ReadFile(db) == bytes, c.name);
            QCOMPARE(Leftovers({scratch.path(), BackupFolder(db)}), QStringList());
        }
    }

    void aCopySavedWhereTheUserChoosesIsWholeOrNothing() {
        struct Case {
            const char *name, *target;
            QList<Answer::Kind> answers;   // after the save dialog
            QString message;
        } cases[] = {
            {"a new file", "usb/αντίγραφο.mdb", {}, {}},
            {"replaced after Yes", "usb/earlier.mdb", {Answer::Yes}, "Είστε σίγουρος ότι θέλετε να αντικαταστήσετε το αρχείο earlier.mdb;"},
            {"kept after No", "usb/earlier.mdb", {Answer::No}, "Είστε σίγουρος ότι θέλετε να αντικαταστήσετε το αρχείο earlier.mdb;"},
            {"a read-only folder", "locked/αντίγραφο.mdb", {Answer::Ok}, "Το αντίγραφο ασφαλείας δεν αποθηκεύτηκε: δεν ήταν δυνατή η εγγραφή"},
            {"the database itself", "devdoy_1010.mdb", {Answer::Ok}, "Το αντίγραφο δεν μπορεί να αποθηκευτεί πάνω στο ίδιο"},
        };
        const QByteArray home = qgetenv("HOME");
        for (const Case &c : cases) {
            ScratchFolder scratch(before());
            const QString target = scratch.file(c.target);
            qputenv("HOME", scratch.path().toUtf8());   // where the dialog starts
            QDir().mkpath(scratch.file("locked"));
            WriteFile(scratch.file("usb/earlier.mdb"), "ΠΑΛΙΟ");
            for (const char *file : {"", "usb", "usb/earlier.mdb", "devdoy_1010.mdb"})
                QFile::setPermissions(scratch.file(file), QFileDevice::Permissions(0x7777));
            QFile::setPermissions(scratch.file("locked"), QFileDevice::Permissions(0x5555));
            const QByteArray earlier = ReadFile(target);
            ModalAnswerer robot;
            robot.custom([&](QWidget *w) { TypeIntoSaveDialog(w, target); });
            for (Answer::Kind a : c.answers)
                robot.then({a});
            const QString saved = [&] { AsOrdinaryUser user; return SaveCopyAs(scratch.databasePath()); }();
            QVERIFY2(robot.texts.last().startsWith(c.message), qPrintable(robot.texts.join('\n')));
            QCOMPARE(robot.pending(), 0);
            QCOMPARE(saved, c.answers.value(0) == Answer::Ok || c.answers.value(0) == Answer::No ? QString() : target);
            QVERIFY2(saved.isEmpty() ? ReadFile(target) == earlier : Holds(target) == "ΠΡΙΝ", c.name);
            QCOMPARE(Leftovers({scratch.file("usb"), scratch.path()}), QStringList());
        }
        qputenv("HOME", home);
    }

    // A copy or a restore killed at any moment, while another program writes:
    // the file is as it was or as the copy, whole; every copy passes its check.
    void aKillAtAnyMomentLeavesEveryFileWhole() {
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        for (const bool restore : {false, true}) {
            qint64 lasting = 0;   // how long the work takes when nothing stops it
            for (int run = 0; run <= 12; ++run) {
                ScratchFolder scratch(before());
                const QString db = scratch.databasePath(), after = this->after();
                QDir().mkpath(BackupFolder(db));
                QFile::copy(db, BackupFolder(db) + "/" + CopyFileName(db, kLater));
                QElapsedTimer clock;
                clock.start();
                const qint64 writer = RunInChild([&] {
                    Connection other;
                    other.open(db, kDatabasePassword, Connection::Mode::ReadWrite, KeyOf(db));
                    for (int i = 0; i < 400; ++i, QThread::msleep(5))
                        Declare(other, "ΠΡΙΝ");
                });
                const qint64 worker = RunInChild([&] {
                    Connection program;
                    program.open(db, kDatabasePassword, Connection::Mode::ReadWrite, KeyOf(db));
                    if (restore)
                        RestoreCopy(db, after, {[&] { program.close(); },
                                                [&] { program.open(db, kDatabasePassword, Connection::Mode::ReadWrite); }});
                    else
                        MakeDailyBackup(db, kToday.addDays(1));
                    Declare(program, restore ? "ΜΕΤΑ" : "ΠΡΙΝ");   // the program goes on
                });
                if (run == 0) {
                    Finish(worker);
                    lasting = clock.elapsed();
                } else {
                    QThread::usleep(random.bounded(lasting * 1000));
                    kill(pid_t(worker), SIGKILL);
                }
                kill(pid_t(writer), SIGKILL);
                Finish(worker), Finish(writer);
                ExecuteOnFile("SELECT 1", db);   // as the program starts: what a kill left in the journal is rolled back
                const QString holds = Holds(db);
                QVERIFY2(holds == "ΠΡΙΝ" || (restore && holds == "ΜΕΤΑ"), qPrintable(QString("%1, seed %2").arg(holds).arg(seed)));
                for (const BackupCopy &copy : ListCopies(db))
                    QVERIFY2(Holds(copy.path) == "ΠΡΙΝ", qPrintable(copy.path + QString(", seed %1").arg(seed)));
                QCOMPARE(MakeDailyBackup(db, kLater).result, DailyBackup::Result::NotDue);
                QCOMPARE(Leftovers({scratch.path(), BackupFolder(db)}), QStringList());
            }
        }
    }
};

D7_TEST_MAIN(BackupTest)
#include "test_backup.moc"
