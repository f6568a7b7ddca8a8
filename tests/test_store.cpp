// The engine adapter, the schema, the access patterns, and the file's safety:
// commands all or nothing, other programs, crashes.
#include <QFileInfo>
#include <unistd.h>

#include "app/MainWindow.h"

#include "store/Access.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "store/FileStore.h"
#include "support/TestSupport.h"

using namespace d7;
using d7test::Finish;
using d7test::RunInChild;
using d7test::ScratchFolder;
using d7test::StoredRows;

namespace {

// A fresh empty database in a scratch folder, with a read-write connection.
struct Fresh {
    ScratchFolder folder{QString()};
    Connection rw;
    Fresh() {
        CreateDatabase(kDatabaseFileName, kDatabasePassword);
        rw.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
    }
};

int rowsIn(Connection &c, const QString &table) {
    Dataset ds(&c);
    ds.setCommandText(QStringLiteral("select * from ") + table);
    ds.open();
    return ds.recordCount();
}

// Waits (without an event loop) for another program to reach a point.
bool waitForFile(const QString &path, int timeoutMs = 5000) {
    for (int i = 0; i < timeoutMs / 10 && !QFileInfo::exists(path); ++i)
        usleep(10000);
    return QFileInfo::exists(path);
}

QStringList columnsOf(Connection &c, const QString &table) {
    Dataset ds(&c);
    ds.setCommandText(QStringLiteral("PRAGMA table_info(%1)").arg(table));
    ds.open();
    QStringList names;
    for (ds.first(); !ds.eof(); ds.next())
        names << ds.text(1);
    return names;
}

}  // namespace

class StoreTest : public QObject {
    Q_OBJECT
private slots:
    void plusBetweenTextsBecomesConcatenation() {
        QCOMPARE(TranslateSql(QStringLiteral("select a + ' ' + b from t where x = 1+2")),
                 QStringLiteral("select a || ' ' || b from t where x = 1+2"));
        QCOMPARE(TranslateSql(QStringLiteral("select 'a+b' + c from t")), QStringLiteral("select 'a+b' || c from t"));
        QCOMPARE(TranslateSql(QStringLiteral("select x from t where y in (select a+b from u) and z=1+1")),
                 QStringLiteral("select x from t where y in (select a||b from u) and z=1+1"));
        QCOMPARE(TranslateSql(QStringLiteral("select a from t UNION SELECT b + c from u ORDER BY a")),
                 QStringLiteral("select a from t UNION SELECT b || c from u ORDER BY a"));
    }

    void missingFileIsAnErrorAndIsNotCreated() {
        ScratchFolder folder{QString()};
        Connection c;
        try {
            c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
            QFAIL("opened a missing file");
        } catch (const EngineError &e) {
            QVERIFY(!e.text().isEmpty());
        }
        QVERIFY(!QFileInfo::exists(kDatabaseFileName));
    }

    void aWrongPasswordFailsAtOpenInEitherMode() {
        Fresh f;
        for (auto mode : {Connection::Mode::Read, Connection::Mode::ReadWrite}) {
            Connection c;
            try {
                c.open(kDatabaseFileName, QStringLiteral("wrong123"), mode);
                QFAIL("opened with a wrong password");
            } catch (const EngineError &e) {
                QCOMPARE(e.text(), QStringLiteral("file is encrypted or is not a database"));
            }
            QVERIFY(!c.isOpen());
        }
    }

    void theFileIsEncrypted() {
        Fresh f;
        QFile file(kDatabaseFileName);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("CREATE TABLE"));
    }

    void eachColumnStandsAtItsPosition() {
        Fresh f;
        QCOMPARE(columnsOf(f.rw, "citizendata"), QStringList({"ID", "Surname", "Name", "FatherName", "afm"}));
        QCOMPARE(columnsOf(f.rw, "wifedata").size(), 7);
        QCOMPARE(columnsOf(f.rw, "wifedata").at(6), QStringLiteral("afmypox"));
        QCOMPARE(columnsOf(f.rw, "generaldata").size(), 7);
        QCOMPARE(columnsOf(f.rw, "ekprosopos").size(), 7);
        QCOMPARE(columnsOf(f.rw, "children"),
                 QStringList({"ID", "Surname", "Name", "FatherName", "AT", "YearOfBirth", "AFM", "AFMYpox"}));
        const QStringList t1 = columnsOf(f.rw, "table1");
        QCOMPARE(t1.size(), 37);
        QCOMPARE(t1.at(0), QStringLiteral("cd"));
        QCOMPARE(t1.at(8), QStringLiteral("FRONT"));
        QCOMPARE(t1.at(21), QStringLiteral("FLOOR"));
        QCOMPARE(t1.at(33), QStringLiteral("OWNERCODE"));
        QCOMPARE(t1.at(35), QStringLiteral("CHANGE"));
        QCOMPARE(t1.at(36), QStringLiteral("AFMYpox"));
        const QStringList t2 = columnsOf(f.rw, "table2");
        QCOMPARE(t2.size(), 27);
        QCOMPARE(t2.at(8), QStringLiteral("PROSOPSI"));
        QCOMPARE(t2.at(23), QStringLiteral("OWNERCODE"));
        QCOMPARE(t2.at(25), QStringLiteral("CHANGE"));
        QCOMPARE(t2.at(26), QStringLiteral("AFMYpox"));
    }

    void theReadOnlyConnectionSeesTheWritesButCannotWrite() {
        Fresh f;
        Connection ro;
        ro.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read);
        Dataset writer(&f.rw), reader(&ro);
        StoreOneRow(writer, "select * from citizendata where afm=?", {{4, QStringLiteral("111111114")}},
                    {QStringLiteral("111111114")});
        reader.setCommandText("select * from citizendata");
        reader.open();
        QCOMPARE(reader.recordCount(), 1);
        // The read-only connection refuses to write, with the engine's text.
        reader.edit();
        reader.setField(1, QStringLiteral("X"));
        try {
            reader.post();
            QFAIL("wrote through the read-only connection");
        } catch (const EngineError &e) {
            QCOMPARE(e.text(), QStringLiteral("attempt to write a readonly database"));
        }
    }

    // A command's writes are all or nothing, a nested command's too, and a
    // rollback returns the datasets to what the command found.
    void transactionsAreAllOrNothing() {
        Fresh f;
        Dataset children(&f.rw), persons(&f.rw);
        children.setCommandText("select * from children where AFMYpox='1'");
        children.open();
        auto addChild = [&](const char *name) {
            children.insert();
            children.setField(1, QString::fromUtf8(name));
            children.setField(7, QStringLiteral("1"));
            children.post();
        };
        try {
            Transaction outer(f.rw);
            addChild("ΑΛΦΑ");
            Transaction inner(f.rw);
            StoreOneRow(persons, "select * from citizendata where afm='1'", {{4, QStringLiteral("1")}});
            inner.commit();
            throw EngineError(QStringLiteral("cut short"));
        } catch (const EngineError &) {
        }
        QCOMPARE(rowsIn(f.rw, "children") + rowsIn(f.rw, "citizendata"), 0);
        // The row typed before the failed post is pending again, not lost.
        QCOMPARE(children.recordCount(), 0);
        QCOMPARE(children.state(), Dataset::State::Insert);
        QCOMPARE(children.text(1), QStringLiteral("ΑΛΦΑ"));
        children.cancel();

        // An inner command that fails takes only its own writes back.
        Transaction outer(f.rw);
        addChild("ΒΗΤΑ");
        try {
            Transaction inner(f.rw);
            addChild("ΓΑΜΜΑ");
            throw EngineError(QStringLiteral("cut short"));
        } catch (const EngineError &) {
        }
        QCOMPARE(children.state(), Dataset::State::Insert);
        children.cancel();
        outer.commit();
        QCOMPARE(children.recordCount(), 1);
        QCOMPARE(rowsIn(f.rw, "children"), 1);
        QCOMPARE(children.text(1), QStringLiteral("ΒΗΤΑ"));
    }

    // A second program waits while the first writes, from its very first read
    // on; a lock that outlasts the wait is reported in Greek, and the command
    // that met it leaves nothing behind.
    void aSecondProgramWaitsForTheFirst() {
        Fresh f;
        f.rw.close();
        // The first program holds the file for a moment, then until the
        // second has given up waiting.
        for (const bool untilGivenUp : {false, true}) {
            const QString holding = QStringLiteral("holding%1").arg(untilGivenUp);
            const QString givenUp = QStringLiteral("given-up%1").arg(untilGivenUp);
            const qint64 first = RunInChild([&] {
                Connection c;
                c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
                c.execute("BEGIN EXCLUSIVE");
                c.execute("INSERT INTO children (Surname) VALUES ('ΠΡΩΤΟ')");
                QFile(holding).open(QIODevice::WriteOnly);
                if (untilGivenUp)
                    waitForFile(givenUp, 30000);
                else
                    usleep(300000);
                c.execute("COMMIT");
            });
            QVERIFY(waitForFile(holding));
            Connection second;
            Dataset ds(&second);
            QString error;
            try {
                second.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
                Transaction store(second);
                StoreOneRow(ds, "select * from citizendata where afm='2'", {{4, QStringLiteral("2")}});
                store.commit();
            } catch (const EngineError &e) {
                error = e.text();
            }
            QFile(givenUp).open(QIODevice::WriteOnly);
            QCOMPARE(error, untilGivenUp ? kFileInUseMessage : QString());
            QVERIFY(Finish(first));
        }
        Connection check;
        check.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read);
        QCOMPARE(rowsIn(check, "children"), 2);
        QCOMPARE(rowsIn(check, "citizendata"), 1);
    }

    // A program killed in the middle of a write leaves the journal behind. The
    // read-only connection alone cannot roll it back; the program, which opens
    // the read-write one first, starts and finds the state before the write.
    void aWriteCutShortIsRolledBackAtTheNextStart() {
        ScratchFolder folder;
        {
            Connection c;
            c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
            c.execute("INSERT INTO citizendata (Surname, afm) VALUES ('ΠΡΙΝ', '111111114')");
        }
        const qint64 killed = RunInChild([] {
            Connection c;
            c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
            c.execute("PRAGMA cache_size = 2");   // a long store: pages reach the file before the commit
            c.begin();
            c.execute("UPDATE citizendata SET Surname = 'ΜΕΤΑ'");
            c.execute("INSERT INTO children (Surname) SELECT ap_strt_nm FROM doy_ap_street");
            _exit(0);
        });
        QVERIFY(Finish(killed));
        QVERIFY(QFileInfo::exists(kDatabaseFileName + "-journal"));
        Connection readOnly;
        QVERIFY_THROWS_EXCEPTION(EngineError,
                                 readOnly.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read));

        auto form = d7test::MakeMainWindow();
        QCOMPARE(StoredRows("select Surname from citizendata"), QList<QStringList>({{"ΠΡΙΝ"}}));
        QCOMPARE(StoredRows("select count(*) from children"), QList<QStringList>({{"0"}}));
    }

    // The key is derived once and opens the file without the password's cost;
    // a key that does not open it falls back to the password.
    void aDerivedKeyOpensTheFile() {
        ScratchFolder folder;
        const QByteArray key = DeriveRawKey(kDatabaseFileName, kDatabasePassword);
        QCOMPARE(key.size(), 32);
        Connection c;
        c.open(kDatabaseFileName, QStringLiteral("wrong123"), Connection::Mode::Read, key);
        QVERIFY(rowsIn(c, "doy_ap_floor") > 0);
        c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite, QByteArray(32, 'x'));
        QVERIFY(c.isOpen());
        QVERIFY_THROWS_EXCEPTION(EngineError, c.open(kDatabaseFileName, QStringLiteral("wrong123"),
                                                     Connection::Mode::Read, QByteArray(32, 'x')));
        QVERIFY(DeriveRawKey(QStringLiteral("no-such.mdb"), kDatabasePassword).isEmpty());
    }

    void aDatasetInsertsEditsCancelsAndDeletesRowByRow() {
        Fresh f;
        Dataset ds(&f.rw);
        ds.setCommandText("select * from children where AFMYpox='1'");
        ds.open();
        QCOMPARE(ds.recordCount(), 0);
        QVERIFY(ds.eof());
        // edit on an empty result begins a new row
        ds.edit();
        QCOMPARE(ds.state(), Dataset::State::Insert);
        ds.setFieldByName("Surname", QStringLiteral("ΠΑΠΑΣ"));
        ds.setFieldByName("AFMYpox", QStringLiteral("1"));
        QVERIFY(ds.post());
        QCOMPARE(ds.recordCount(), 1);
        QVERIFY(ds.field(0).toLongLong() > 0);   // the identifier the database gave
        for (const char *name : {"ΑΛΦΑ", "ΒΗΤΑ"}) {
            ds.insert();
            ds.setField(1, QString::fromUtf8(name));
            ds.setField(7, QStringLiteral("1"));
            ds.post();
        }
        QCOMPARE(ds.recordCount(), 3);
        QCOMPARE(ds.recNo(), 2);

        ds.first();
        QCOMPARE(ds.text(1), QStringLiteral("ΠΑΠΑΣ"));
        QVERIFY(ds.isNull(2));
        QCOMPARE(ds.text(2), QString());
        ds.next();
        QCOMPARE(ds.textByName("surname"), QStringLiteral("ΑΛΦΑ"));
        // delete makes the next row current
        ds.remove();
        QCOMPARE(ds.recordCount(), 2);
        QCOMPARE(ds.text(1), QStringLiteral("ΒΗΤΑ"));
        // deleting the last row makes the new last row current
        ds.remove();
        QCOMPARE(ds.text(1), QStringLiteral("ΠΑΠΑΣ"));
        // cancel drops pending changes
        ds.edit();
        ds.setField(1, QStringLiteral("ΑΛΛΟ"));
        ds.cancel();
        QCOMPARE(ds.text(1), QStringLiteral("ΠΑΠΑΣ"));
        ds.edit();
        ds.setField(3, QString());   // the empty text is stored as such, not as NULL
        ds.post();

        ds.close();
        ds.open();
        QCOMPARE(ds.recordCount(), 1);
        QVERIFY(!ds.isNull(3));
        QCOMPARE(ds.text(3), QString());
        ds.remove();
        QCOMPARE(ds.recordCount(), 0);
        try {
            ds.remove();
            QFAIL("deleted from an empty result");
        } catch (const DatasetError &) {
        }
    }

    void aBeforePostHookMayChangeTheRowOrRefuseIt() {
        Fresh f;
        Dataset ds(&f.rw);
        int calls = 0;
        ds.setBeforePost([&](Dataset &d) {
            ++calls;
            d.setFieldByName("AFMYpox", QStringLiteral("999"));
            return !d.isNull(1);
        });
        ds.setCommandText("select * from children where AFMYpox='999'");
        ds.open();
        ds.insert();
        QVERIFY(!ds.post());                        // refused: the row stays in editing
        QCOMPARE(ds.state(), Dataset::State::Insert);
        QCOMPARE(ds.recordCount(), 0);
        ds.setField(1, QStringLiteral("ΑΒΓ"));
        QVERIFY(ds.post());
        QCOMPARE(calls, 2);
        ds.close();
        ds.open();
        QCOMPARE(ds.recordCount(), 1);
        QCOMPARE(ds.textByName("AFMYpox"), QStringLiteral("999"));
    }

    void theLookupStatementsRunAsWritten() {
        Connection ro;
        ScratchFolder folder;
        ro.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read);
        Dataset ds(&ro);
        // union of municipalities and areas, "+" joining texts, one ORDER BY
        ds.setCommandText(
            "select distinct ap_mnc_cd, ap_mnc_nm from doy_ap_municipality where ap_mnc_pref_cd ='01' UNION "
            "SELECT DISTINCT ap_mar_mnc_cd, ap_mar_nm + ' ' + ap_mnc_nm FROM doy_ap_mnc_area,doy_ap_municipality "
            "WHERE ap_mar_pref_cd ='01' and ap_mnc_pref_cd='01' and ap_mar_mnc_cd=ap_mnc_cd ORDER BY ap_mnc_nm");
        ds.open();
        QStringList names;
        for (ds.first(); !ds.eof(); ds.next())
            names << ds.text(1);
        QCOMPARE(names, QStringList({"ΑΘΗΝΑΙΩΝ", "ΒΥΡΩΝΟΣ", "ΖΩΓΡΑΦΟΥ", "ΚΥΨΕΛΗΣ ΑΘΗΝΑΙΩΝ",
                                     "ΠΑΓΚΡΑΤΙΟΥ ΑΘΗΝΑΙΩΝ"}));
        ds.first();
        QCOMPARE(ds.text(0), QStringLiteral("1005"));
        // "in" with a sub-select, qualified and upper-case names, bare numbers
        ds.setCommandText(
            "select distinct  ap_front_strt_cd,ap_front_ot_cd,  doy_ap_street.ap_strt_nm FROM doy_ap_front, "
            "doy_ap_street WHERE ap_front_pref_cd='01' and ap_front_mnc_cd=1005 and ap_front_ot_cd in (select "
            "ap_front_ot_cd from doy_ap_front where ap_front_pref_cd='01' and ap_front_mnc_cd=1005 and "
            "ap_front_strt_cd=4 ) and ap_front_strt_cd=DOY_AP_STREET.ap_strt_cd order by doy_ap_street.ap_strt_nm");
        ds.open();
        QCOMPARE(ds.recordCount(), 4);
        QCOMPARE(ds.field(2).typeId(), QMetaType::QByteArray);
        // an empty result to append to; table names in any case
        Fresh fresh;
        Dataset empty(&fresh.rw);
        empty.setCommandText("select * from TABLE1 where cd<0");
        empty.open();
        QCOMPARE(empty.recordCount(), 0);
        QCOMPARE(empty.fieldCount(), 37);
        empty.insert();
        empty.setField(36, QStringLiteral("111111114"));
        QVERIFY(empty.post());
        empty.setCommandText("SELECT * FROM table1 where AFMYPOX='111111114'");
        empty.open();
        QCOMPARE(empty.recordCount(), 1);
    }

    void aDeclarationsOneRowIsStoredLoadedAndDeleted() {
        Fresh f;
        Dataset ds(&f.rw);
        const QString sql = "select * from wifedata where afmypox=?";
        const QVariantList key{QStringLiteral("123")};
        StoreOneRow(ds, sql, {{1, QStringLiteral("Α")}, {6, QStringLiteral("123")}}, key);
        StoreOneRow(ds, sql, {{1, QStringLiteral("Β")}, {6, QStringLiteral("123")}}, key);   // updates, no second row
        QString loaded;
        QVERIFY(LoadOneRow(ds, sql, [&](const Dataset &d) { loaded = d.text(1); }, key));
        QCOMPARE(loaded, QStringLiteral("Β"));
        QVERIFY(!ds.isActive());
        DeleteOneRow(ds, sql, key);
        DeleteOneRow(ds, sql, key);   // nothing left: no error
        QVERIFY(!LoadOneRow(ds, sql, [](const Dataset &) {}, key));
        // a never-written column keeps what the database gives a new row
        StoreOneRow(ds, "select * from generaldata where afmypox='123'", {{1, QStringLiteral("Δ")}, {3, 2}});
        ds.setCommandText("select * from generaldata where afmypox is null");
        ds.open();
        QCOMPARE(ds.recordCount(), 1);
        QVERIFY(ds.isNull(4));
        QCOMPARE(ds.field(3).toInt(), 2);
    }
};

D7_TEST_MAIN(StoreTest)
#include "test_store.moc"
