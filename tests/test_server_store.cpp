// The office server store: the same rows as the file, one desk per declaration, a server lost mid-command.
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

#include "declaration/DeclarationList.h"
#include "store/CommandRetry.h"
#include "store/DeclarationCopy.h"
#include "store/Database.h"
#include "store/ServerStore.h"
#include "support/PostgresServer.h"
#include "support/TestSupport.h"

using namespace d7;

namespace {

const QString kTax = "123456789", kChildren = "select * from children where AFMYpox=?";
// The rows of a declaration in each table, the names spelt as the program's statements do.
const char *const kDeclarationRows[] = {"citizendata where afm", "WIFEDATA where afmypox", "GeneralData where AFMYpox",
                                        "ekprosopos where afmypox", "children where AFMYpox", "table1 where AFMYpox",
                                        "TABLE2 where AFMYpox"};

// Every row of a statement from a column on, each value with its type: what the file and the server must give alike.
QString dump(Connection &c, const QString &sql, const QVariantList &values = {}, int from = 0) {
    Dataset ds(&c);
    ds.setCommandText(sql, values);
    ds.open();
    QStringList out{ds.fieldNames().mid(from).join(',')};
    for (ds.first(); !ds.eof(); ds.next())
        for (int i = from; i < ds.fieldCount(); ++i)
            out << (ds.isNull(i) ? "null" : QString(ds.field(i).typeName()) + ":" + ds.text(i));
    return out.join('|');
}

// Opens a statement and writes through it: a new row, a change to its first row, or that row deleted.
enum Write { Add, Change, Remove };
void write(Connection &c, Write how, const QString &sql, const QList<std::pair<QString, QVariant>> &fields = {},
           const QVariantList &values = {kTax}) {
    Dataset ds(&c);
    ds.setCommandText(sql, values);
    ds.open();
    if (how == Remove)
        return ds.remove();
    how == Add ? ds.insert() : ds.edit();
    for (const auto &[name, value] : fields)
        ds.setFieldByName(name, value);
    ds.post();
}

// A user's work on a store, and what the store gives back after each part of it.
QStringList work(Connection &c) {
    QStringList seen;
    // The columns of every table, however a statement spells its name.
    for (const char *rows : kDeclarationRows)
        seen << dump(c, QString("select * from %1=?").arg(rows), {"000000000"});
    // Greek, empty, long, null and integer values, the keys given, a row of defaults.
    Transaction t(c);
    write(c, Add, "select * from table1 where cd<0",
           {{"NOMOSDESC", "ΑΤΤΙΚΗΣ ά"}, {"ODOSDESC", ""}, {"OT", QString(5000, QChar(0x3A9))}, {"PERCENTAGE", 12},
            {"AFMYpox", kTax}}, {});
    write(c, Add, "select * from table1 where cd<0", {{"FRONT", "'quoted' ? mark"}, {"AFMYpox", kTax}}, {});
    write(c, Add, "select * from generaldata where afmypox=?",
           {{"DeclType", 2}, {"Notes", "γραμμή 1\r\nγραμμή 2"}, {"afmypox", kTax}});
    write(c, Add, kChildren, {});
    write(c, Add, "select * from citizendata where afm=?", {{"Surname", "ΑΛΦΑ & ΣΙΑ"}, {"afm", kTax}});
    t.commit();
    seen << dump(c, "select * from table1 where AFMYpox=? order by cd", {kTax}) << dump(c, "select * from generaldata")
         << dump(c, "select * from children");
    // Changed and deleted by key; a "?" inside a literal is no placeholder.
    write(c, Change, "select * from table1 where AFMYpox=? order by cd", {{"front", QVariant()}, {"Percentage", "12,5"}});
    seen << dump(c, "select * from table1");   // in key order, though a row changed
    write(c, Remove, "select * from table1 where FRONT=?", {}, {"'quoted' ? mark"});
    seen << dump(c, "select * from table1 where FRONT is null and ODOSDESC <> 'a?b' and AFMYpox=?", {kTax})
         << dump(c, "select Name, afm from children");
    // A save point rolled back inside a committed transaction; a whole transaction rolled back.
    for (const bool commit : {true, false}) {
        Transaction outer(c);
        write(c, Add, kChildren, {{"Name", commit ? "outer" : "gone"}, {"AFMYpox", kTax}});
        {
            Transaction inner(c);
            write(c, Add, kChildren, {{"Name", "inner"}, {"AFMYpox", kTax}});
        }
        if (commit)
            outer.commit();
    }
    seen << dump(c, "select * from children order by ID");
    return seen;
}

// The declarations list as a desk shows it, the time of the last change as whether it is of the last minutes.
QStringList listed(Connection &c) {
    QStringList out;
    for (const DeclarationSummary &s : ListDeclarations(c)) {
        const QDateTime changed = QDateTime::fromString(s.changed, Qt::ISODate);
        const bool now = changed.isValid() && qAbs(changed.secsTo(QDateTime::currentDateTime())) < 300;
        out << QStringList{s.taxNumber, s.surname, s.name, s.taxOffice, QString::number(s.kind),
                           QString::number(s.table1Rows), QString::number(s.table2Rows), now ? "now" : s.changed}
                   .join('|');
    }
    return out;
}

ServerError errorOf(const std::function<void()> &command) {
    try {
        command();
    } catch (const ServerError &e) {
        return e;
    }
    return ServerError(ServerError::Kind::Other, "no error");
}

}  // namespace

class ServerStoreTest : public QObject {
    Q_OBJECT
    d7test::PostgresServer server;

private slots:
    void givesTheSameRowsAsTheFile() {
        d7test::ScratchFolder folder{QString()};
        CreateDatabase(kDatabaseFileName, kDatabasePassword);
        Connection file;
        file.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
        Connection first, moved;
        first.open(std::make_unique<ServerStore>(server.connectionString(server.newDatabase())),
                   Connection::Mode::ReadWrite);
        QCOMPARE(work(first), work(file));
        QCOMPARE(listed(first), QStringList{kTax + "|ΑΛΦΑ & ΣΙΑ|||2|1|0|now"});
        QCOMPARE(listed(file), listed(first));

        // The file's declarations moved onto a server that holds one of them already.
        const QString office = server.connectionString(server.newDatabase());
        moved.open(std::make_unique<ServerStore>(office), Connection::Mode::ReadWrite);
        write(moved, Add, kChildren, {{"Name", "there already"}, {"AFMYpox", kTax}});
        QCOMPARE(CopyDeclarations(file, moved, false), QStringList());
        ServerStore desk(office);
        desk.lockDeclaration(kTax);
        QCOMPARE(errorOf([&] { CopyDeclarations(file, moved, true); }).desk(), ServerStore::DeskName());
        desk.unlockDeclaration(kTax);
        QCOMPARE(CopyDeclarations(file, moved, true), QStringList{kTax});
        for (const QString rows : kDeclarationRows)
            QCOMPARE(dump(moved, "select * from " + rows + "=?", {kTax}, 1),
                     dump(file, "select * from " + rows + "=?", {kTax}, 1));
        QCOMPARE(listed(moved), listed(file));
        // A deleted declaration leaves no row behind, nor the time of its last change.
        for (Connection *c : {&file, &moved}) {
            DeleteDeclaration(*c, kTax);
            QCOMPARE(DeclarationTaxNumbers(*c) + listed(*c), QStringList());
            QCOMPARE(dump(*c, "select * from declaration_changes"), "afm,changed");
        }
    }

    void letsOneDeskAtATimeHoldADeclaration() {
        const QString office = server.connectionString(server.newDatabase()), desk = ServerStore::DeskName();
        ServerStore first(office), second(office);
        first.lockDeclaration(kTax);
        first.lockDeclaration(kTax);
        const ServerError refused = errorOf([&] { second.lockDeclaration(kTax); });
        QCOMPARE(refused.kind(), ServerError::Kind::DeclarationLocked);
        QVERIFY(refused.desk() == desk && refused.text().contains(desk) && refused.text().contains(kTax));
        second.lockDeclaration("012345678");
        first.unlockDeclaration(kTax);
        second.lockDeclaration(kTax);
        const QList<DeclarationHolder> open = first.declarationsOpenElsewhere();
        QVERIFY(open.size() == 2 && open[0].taxNumber == "012345678" && open[0].desk == desk);

        // A desk killed outright lets go of its declaration.
        const qint64 killed = d7test::RunInChild([&] {
            prctl(PR_SET_PDEATHSIG, SIGKILL);   // nor outlives this test
            ServerStore holder(office);
            holder.lockDeclaration("111111111");
            pause();
        });
        QTRY_COMPARE_WITH_TIMEOUT(first.declarationsOpenElsewhere().size(), 3, 10000);
        kill(pid_t(killed), SIGKILL);
        d7test::Finish(killed);
        QTRY_COMPARE_WITH_TIMEOUT(errorOf([&] { first.lockDeclaration("111111111"); }).text(), "no error", 10000);
    }

    void rollsBackWhatTheLostServerHadAndTakesTheLockBack() {
        const QString office = server.connectionString(server.newDatabase());
        Connection c;
        c.open(std::make_unique<ServerStore>(office), Connection::Mode::ReadWrite);
        c.driver().lockDeclaration(kTax);
        {
            Transaction t(c);
            write(c, Add, kChildren, {{"Name", "lost"}});
            QVERIFY(server.stop());
            const ServerError lost = errorOf([&] { write(c, Add, kChildren, {{"Name", "lost too"}}); });
            QCOMPARE(lost.kind(), ServerError::Kind::ConnectionLost);
            QVERIFY(lost.text().contains("διακόπηκε") && lost.text().contains(c.driver().location()));
        }
        QVERIFY(server.start());
        ServerStore other(office);   // took the declaration while this desk was away: no write
        other.lockDeclaration(kTax);
        QCOMPARE(errorOf([&] { Transaction t(c); }).desk(), ServerStore::DeskName());
        other.unlockDeclaration(kTax);
        // A clash with another desk's transaction: the command runs again, its earlier runs undone.
        int runs = 0;
        const QString clash = "DO $$ BEGIN RAISE EXCEPTION 'clash' USING ERRCODE = '%1'; END $$";
        RunAsOneTransaction(c, [&] {
            write(c, Add, kChildren, {{"Name", "kept"}});
            if (++runs < 3)
                c.execute(clash.arg("40P01"));
        });
        QCOMPARE(dump(c, "select Name from children"), "Name|QString:kept");
        QCOMPARE(errorOf([&] { other.lockDeclaration(kTax); }).kind(), ServerError::Kind::DeclarationLocked);
        QVERIFY(errorOf([&] { RunAsOneTransaction(c, [&] { ++runs; c.execute(clash.arg("40001")); }, 2); }).retryable());
        QCOMPARE(runs, 5);
        // More statements than the server keeps prepared: all forgotten at once, then prepared again.
        for (int i = 0; i < 600; ++i)
            QCOMPARE(c.driver().select(QString("select %1 as n").arg(i % 550)).rows[0][0], QVariant(qlonglong(i % 550)));
    }

    void makesTheTablesOnceAndRefusesAnotherVersion() {
        const QString name = server.newDatabase();
        ServerStore owner(server.connectionString(name));   // makes the tables
        QVERIFY(server.psql(name, {"-f", D7_SOURCE_DIR "/data/server/desk-role.sql", "-c",
                                   "CREATE ROLE desk1 LOGIN IN ROLE d7_desk"}));
        ServerStore desk(server.connectionString(name, "desk1"));
        QCOMPARE(desk.insertRow("children", {"Name", "AFMYpox"}, {"x", kTax}), QVariant(1LL));   // stamped too
        const QString empty = server.connectionString(server.newDatabase(), "desk1");
        QCOMPARE(errorOf([&] { ServerStore store(empty); }).kind(), ServerError::Kind::SchemaMismatch);
        QVERIFY(server.psql(name, {"-c", "UPDATE schema_version SET version = 2"}));
        QVERIFY(errorOf([&] { ServerStore store(server.connectionString(name)); }).text().contains("έκδοσης 2"));
        const ServerError unreachable = errorOf([] { ServerStore store("host=127.0.0.1 port=1 dbname=office"); });
        QCOMPARE(unreachable.kind(), ServerError::Kind::Unreachable);
        QVERIFY(unreachable.text().contains("127.0.0.1:1/office"));
    }
};

QTEST_GUILESS_MAIN(ServerStoreTest)
#include "test_server_store.moc"
