// The reference-database builder and the street-name scrambling.
#include <QProcess>
#include <QRandomGenerator>

#include "declaration/StreetNames.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "support/TestSupport.h"
#include "text/CodePage.h"

using namespace d7;
using d7test::ScratchFolder;

namespace {

struct BuildResult {
    int exitCode;
    QString errors;
};

// Runs the builder on CSV files written into a scratch source folder.
BuildResult build(const QMap<QString, QByteArray> &files, const QString &output = QStringLiteral("out.mdb")) {
    QDir().mkpath(QStringLiteral("src"));
    for (auto it = files.begin(); it != files.end(); ++it)
        d7test::WriteFile(QStringLiteral("src/") + it.key(), it.value());
    QProcess p;
    p.start(QStringLiteral(D7_BUILD_REFDB),
            {output, QStringLiteral("src"), QStringLiteral(D7_SOURCE_DIR "/data/reference")});
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

class BuilderTest : public QObject {
    Q_OBJECT
private slots:
    void descramblingFollowsTheKeyRule() {
        // By hand: start key 0x1234 (high byte 0x12), multiplier 3, increment 5.
        const StreetNameKey key{0x1234, 3, 5};
        const QByteArray stored("\x41\x20\x42", 3);
        const QByteArray plain = DescrambleStreetName(stored, key);
        quint16 k = 0x1234;
        QCOMPARE(quint8(plain[0]), quint8(0x41 ^ (k >> 8)));
        k = quint16((k + 0x41) * 3 + 5);
        QCOMPARE(quint8(plain[1]), quint8(k >> 8));   // a stored blank decodes as the key alone
        k = quint16((k + 32) * 3 + 5);                // ... while the key advances by 32
        QCOMPARE(quint8(plain[2]), quint8(0x42 ^ (k >> 8)));
    }

    void scramblingRoundTripsOrRefuses() {
        QRandomGenerator rng(7);
        int refused = 0;
        for (int n = 0; n < 2000; ++n) {
            QByteArray name;
            const int length = 1 + rng.bounded(300);   // beyond 255 characters too
            for (int i = 0; i < length; ++i)
                name += char(0xC1 + rng.bounded(25));
            const auto stored = ScrambleStreetName(name);
            if (!stored) {
                ++refused;
                continue;
            }
            QCOMPARE(stored->size(), name.size());
            QCOMPARE(DescrambleStreetName(*stored), name);
        }
        QVERIFY(refused < 2000 / 2);
    }

    void everyFixtureStreetDescramblesToItsSource() {
        ScratchFolder folder;
        Connection c;
        c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read);
        Dataset ds(&c);
        ds.setCommandText("select ap_strt_cd, ap_strt_nm from doy_ap_street order by ap_strt_cd");
        ds.open();
        QFile csv(QStringLiteral(D7_SOURCE_DIR "/tests/fixtures/reference/streets.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts).mid(1);
        QCOMPARE(ds.recordCount(), lines.size());
        for (const QString &line : lines) {
            const QString name = line.section(',', 1);
            QCOMPARE(ds.text(0), line.section(',', 0, 0));
            QVERIFY(ds.field(1).toByteArray() != EncodeForMarkup(CodePage::Windows1253, name));
            QCOMPARE(ListedStreetName(ds.field(1).toByteArray()), name);
            ds.next();
        }
    }

    void thePristineDatabaseHasNoDeclarationsAndItsListsInFileOrder() {
        ScratchFolder folder(QStringLiteral(D7_PRISTINE_DB));
        Connection c;
        c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read);
        Dataset ds(&c);
        // (the lists' sizes are checked against their sources with the reference data)
        for (const char *t : {"citizendata", "wifedata", "generaldata", "ekprosopos", "children", "table1", "table2"})
            QVERIFY2(d7test::StoredRows(QStringLiteral("select * from ") + t).isEmpty(), t);
        // the category list in file order: "4" is the plot; "-1" is the first condition
        ds.setCommandText("select  ap_cat_cd, ap_cat_descr from doy_ap_estate_cat");
        ds.open();
        QStringList codes;
        for (ds.first(); !ds.eof(); ds.next())
            codes << ds.text(0);
        QCOMPARE(codes.mid(0, 4), QStringList({"1", "2", "3", "4"}));
        QVERIFY(codes.contains("6") && codes.contains("11") && codes.contains("13"));
        ds.setCommandText("select  ap_special_cd, ap_special_descr from doy_ap_special_cat ORDER BY ap_special_cd");
        ds.open();
        QCOMPARE(ds.text(0), QStringLiteral("-1"));
        ds.setCommandText("select  ap_flr_cd, ap_flr_nm from doy_ap_floor ORDER BY ap_flr_cd asc");
        ds.open();
        QStringList floors;
        for (ds.first(); !ds.eof(); ds.next())
            floors << ds.text(0);
        QCOMPARE(floors.first(), QStringLiteral("00"));
        QCOMPARE(floors.last(), QStringLiteral("Υ"));
        QVERIFY(floors.indexOf("10") > floors.indexOf("09"));
    }

    void aBadSourceIsRefusedAtItsFileAndLine_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("message");
        // Each message names the file by the path it was found at, and the line.
        const QString prefs = "code,name\n01,ΑΘΗΝΩΝ\n";
        const QString muns = "code,name,prefecture_code\n01005,ΑΘΗΝΑΙΩΝ,01\n";
        QTest::newRow("duplicate prefecture") << "prefectures.csv" << prefs + "01,ΠΕΙΡΑΙΩΣ\n"
                                              << "src/prefectures.csv:3: duplicate prefecture code 01 (first at line 2)";
        QTest::newRow("name not in capitals") << "prefectures.csv" << "code,name\n01,Αθηνών\n"
                                              << "src/prefectures.csv:2: the name \"Αθηνών\" is not in capitals";
        // ΐ has no capital of its own in the code page, yet it is lower case
        QTest::newRow("lower-case letter without a capital")
            << "municipalities.csv" << "code,name,prefecture_code\n01005,ΑΘΗΝΑΐΚΟΥ,01\n"
            << "src/municipalities.csv:2: the name \"ΑΘΗΝΑΐΚΟΥ\" is not in capitals";
        QTest::newRow("Latin capitals") << "prefectures.csv" << "code,name\n01,ATHENS\n"
                                        << "src/prefectures.csv:2: the name \"ATHENS\" has the letter \"A\", which is not Greek";
        QTest::newRow("Latin look-alike in a Greek name")
            << "areas.csv" << "municipality_code,name,prefecture_code\n01005,ΚΥΨEΛΗΣ,01\n"
            << "src/areas.csv:2: the name \"ΚΥΨEΛΗΣ\" has the letter \"E\", which is not Greek";
        QTest::newRow("name with a trailing blank")
            << "areas.csv" << "municipality_code,name,prefecture_code\n01005,ΑΘΗΝΑΙΩΝ ,01\n"
            << "src/areas.csv:2: the name \"ΑΘΗΝΑΙΩΝ \" has surrounding blanks";
        QTest::newRow("municipality without prefecture")
            << "municipalities.csv" << "code,name,prefecture_code\n01005,ΑΘΗΝΑΙΩΝ,99\n"
            << "src/municipalities.csv:2: prefecture \"99\" does not exist";
        QTest::newRow("area without municipality")
            << "areas.csv" << "municipality_code,name,prefecture_code\n01999,ΚΥΨΕΛΗΣ,01\n"
            << "src/areas.csv:2: municipality \"01999\" does not exist";
        QTest::newRow("area in another prefecture")
            << "areas.csv" << "municipality_code,name,prefecture_code\n01005,ΚΥΨΕΛΗΣ,02\n"
            << "src/areas.csv:2: prefecture \"02\" is not that of municipality \"01005\"";
        QTest::newRow("duplicate area")
            << "areas.csv" << "municipality_code,name,prefecture_code\n01005,ΚΥΨΕΛΗΣ,01\n1005,ΚΥΨΕΛΗΣ,01\n"
            << "src/areas.csv:3: duplicate area \"ΚΥΨΕΛΗΣ\" of municipality 1005 (first at line 2)";
        QTest::newRow("duplicate municipality")
            << "municipalities.csv" << "code,name,prefecture_code\n01005,ΑΘΗΝΑΙΩΝ,01\n1005,ΑΛΛΟΣ,01\n"
            << "src/municipalities.csv:3: duplicate municipality code 1005 (first at line 2)";
        QTest::newRow("duplicate street") << "streets.csv" << "code,name\n1,ΣΤΑΔΙΟΥ\n01,ΕΡΜΟΥ\n"
                                          << "src/streets.csv:3: duplicate street code 01 (first at line 2)";
        QTest::newRow("link to a missing street")
            << "municipality_streets.csv" << "prefecture_code,municipality_code,street_code\n01,01005,2\n"
            << "src/municipality_streets.csv:2: street \"2\" does not exist";
        QTest::newRow("front of a municipality in another prefecture")
            << "fronts.csv" << "prefecture_code,municipality_code,street_code,block_code\n02,01005,1,101\n"
            << "src/fronts.csv:2: municipality \"01005\" is not in prefecture \"02\"";
        QTest::newRow("missing field") << "municipalities.csv" << muns + "01006,ΒΥΡΩΝΟΣ\n"
                                       << "src/municipalities.csv:3: expected 3 fields, found 2";
        QTest::newRow("bad header") << "prefectures.csv" << "id,name\n01,ΑΘΗΝΩΝ\n"
                                    << "src/prefectures.csv:1: the header must be \"code,name\"";
        QTest::newRow("bad header after a blank line") << "prefectures.csv" << "\nid,name\n01,ΑΘΗΝΩΝ\n"
                                                       << "src/prefectures.csv:2: the header must be \"code,name\"";
        // a name of capitals the shipped key cannot scramble (with it, only very long names can fail)
        QByteArray bad;
        for (int letter = 0xC1; letter <= 0xD9 && bad.isEmpty(); ++letter)
            for (int length = 1; length <= 400 && bad.isEmpty(); ++length)
                if (!ScrambleStreetName(QByteArray(length, char(letter))))
                    bad = QByteArray(length, char(letter));
        QVERIFY(!bad.isEmpty());
        const QString name = DecodeText(CodePage::Windows1253, bad);
        QTest::newRow("street that cannot be scrambled")
            << "streets.csv" << "code,name\n1,ΑΚΑΔΗΜΙΑΣ\n2," + name + "\n"
            << "src/streets.csv:3: the street name \"" + name + "\" cannot be scrambled so as to descramble exactly; "
                                                               "change its spelling";
    }
    void aBadSourceIsRefusedAtItsFileAndLine() {
        QFETCH(QString, file);
        QFETCH(QString, content);
        QFETCH(QString, message);
        ScratchFolder folder{QString()};
        QMap<QString, QByteArray> files = {
            {"prefectures.csv", "code,name\n01,ΑΘΗΝΩΝ\n02,ΠΕΙΡΑΙΩΣ\n"},
            {"municipalities.csv", "code,name,prefecture_code\n01005,ΑΘΗΝΑΙΩΝ,01\n"},
            {"areas.csv", "municipality_code,name,prefecture_code\n01005,ΚΥΨΕΛΗΣ,01\n"},
            {"streets.csv", "code,name\n1,ΣΤΑΔΙΟΥ\n"},
        };
        files[file] = content.toUtf8();
        const BuildResult r = build(files);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.errors.trimmed(), message);
        QVERIFY(!QFileInfo::exists(QStringLiteral("out.mdb")));
        QVERIFY(!QFileInfo::exists(QStringLiteral("out.mdb.partial")));
    }

    void textThatIsNotUtf8IsRefusedAtItsLine() {
        ScratchFolder folder{QString()};
        // the code page's bytes, not UTF-8
        const BuildResult r = build({{"prefectures.csv", "code,name\n01,\xc1\xc8\xc7\xcd\xd9\xcd\n"}});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.errors.trimmed(), QStringLiteral("src/prefectures.csv:2: not UTF-8 text"));
        QVERIFY(!QFileInfo::exists(QStringLiteral("out.mdb")));
    }
};

D7_TEST_MAIN(BuilderTest)
#include "test_builder.moc"
