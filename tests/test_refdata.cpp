// The shipped reference lists: what the pristine database holds, and the
// municipality lookup on real prefectures of each shape.
#include <QComboBox>
#include <QFile>

#include "widgets/PairedList.h"
#include "pages/wizard/LocationLookups.h"
#include "store/Database.h"
#include "declaration/ReferenceLists.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using d7test::ScratchFolder;

namespace {

QList<QStringList> csv(const QString &name) {
    QFile f(QStringLiteral(D7_SOURCE_DIR "/data/reference/") + name);
    f.open(QIODevice::ReadOnly);
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts).mid(1))
        rows << line.split(',');   // these files quote nothing
    return rows;
}

struct Pristine {
    ScratchFolder folder{QStringLiteral(D7_PRISTINE_DB)};
    Connection connection;
    Dataset dataset{&connection};
    ReferenceLists lists;
    Pristine() {
        connection.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read);
        lists.open(kDatabaseFileName, kDatabasePassword);
    }
    QStringList column(const QString &sql) {
        dataset.setCommandText(sql);
        dataset.open();
        QStringList out;
        for (dataset.first(); !dataset.eof(); dataset.next())
            out << dataset.text(0);
        return out;
    }
};

struct Pair {
    QComboBox names, codes;
    PairedList list{&names, &codes};
    QStringList items() const {
        QStringList l;
        for (int i = 0; i < names.count(); ++i)
            l << names.itemText(i);
        return l;
    }
};

}  // namespace

class RefdataTest : public QObject {
    Q_OBJECT
private slots:
    void countsAgreeWithTheSources() {
        Pristine db;
        QCOMPARE(db.column("select count(*) from doy_ap_prefecture").first().toInt(), 54);
        QCOMPARE(db.column("select count(*) from doy_ap_municipality").first().toInt(), 1034);
        // every district but those named like their municipality
        QHash<QString, QString> municipalityName;
        for (const QStringList &m : csv("municipalities.csv"))
            municipalityName.insert(m[0], m[1]);
        int kept = 0;
        for (const QStringList &a : csv("areas.csv"))
            kept += municipalityName.value(a[0]) != a[1];
        QVERIFY(kept > 5000 && kept < 6130);
        QCOMPARE(db.column("select count(*) from doy_ap_mnc_area").first().toInt(), kept);
        QCOMPARE(db.column("select count(*) from doy_ap_mnc_area, doy_ap_municipality where ap_mar_mnc_cd=ap_mnc_cd "
                           "and ap_mar_nm=ap_mnc_nm")
                     .first()
                     .toInt(),
                 0);
        // nothing invented: no streets, links or fronts ship
        for (const char *t : {"doy_ap_street", "DOY_AP_MNC_STRT", "doy_ap_front"})
            QCOMPARE(db.column(QStringLiteral("select count(*) from ") + t).first().toInt(), 0);
    }

    void knownPrefecturesAreListedAndEveryNameIsInGreekCapitals() {
        Pristine db;
        const QStringList prefectures = db.column("select ap_pref_nm from doy_ap_prefecture");
        for (const char *attica : {"ΑΘΗΝΩΝ", "ΑΝΑΤΟΛΙΚΗΣ ΑΤΤΙΚΗΣ", "ΔΥΤΙΚΗΣ ΑΤΤΙΚΗΣ", "ΠΕΙΡΑΙΩΣ"})
            QVERIFY2(prefectures.contains(QString::fromUtf8(attica)), attica);
        QVERIFY(!prefectures.contains("ΑΤΤΙΚΗΣ"));
        QCOMPARE(db.column("select ap_pref_nm from doy_ap_prefecture, doy_ap_municipality where "
                           "ap_mnc_pref_cd=ap_pref_cd and ap_mnc_nm='ΘΕΣΣΑΛΟΝΙΚΗΣ'"),
                 QStringList({"ΘΕΣΣΑΛΟΝΙΚΗΣ"}));
        // municipality codes are numbers: written bare, read without leading zeros
        QCOMPARE(db.column("select ap_mnc_nm from doy_ap_municipality where ap_mnc_cd=21019"),
                 QStringList({"ΘΕΣΣΑΛΟΝΙΚΗΣ"}));
        QCOMPARE(db.column("select typeof(ap_mnc_cd) from doy_ap_municipality limit 1"), QStringList({"integer"}));
        // every name is in Greek capitals: no Latin look-alike, no lower-case letter
        const QStringList names = db.column(
            "select ap_mnc_nm from doy_ap_municipality union select ap_mar_nm from doy_ap_mnc_area union select "
            "ap_pref_nm from doy_ap_prefecture union select ap_cat_descr from doy_ap_estate_cat union select "
            "ap_special_descr from doy_ap_special_cat union select ap_flr_nm from doy_ap_floor");
        QVERIFY(names.size() > 1000);   // distinct names
        for (const QString &n : names) {
            QVERIFY2(n == n.trimmed() && n == n.toUpper(), qPrintable(n));
            for (QChar c : n)
                QVERIFY2(!c.isLetter() || (c.script() == QChar::Script_Greek && !c.isLower()), qPrintable(n));
        }
    }

    void aPrefecturesListHoldsItsMunicipalitiesAndAreasSorted_data() {
        QTest::addColumn<QString>("prefecture");
        QTest::addColumn<QString>("municipality");    // one expected entry
        QTest::addColumn<QString>("area");            // an area entry: area, blank, municipality
        QTest::addColumn<QString>("areaCode");
        QTest::newRow("Attica unit") << "01" << "ΑΘΗΝΑΙΩΝ" << "ΑΡΓΥΡΟΥΠΟΛΗΣ ΑΡΓΥΡΟΥΠΟΛΕΩΣ" << "01009";
        QTest::newRow("island") << "31" << "ΝΑΞΟΥ" << "ΦΙΛΟΤΙΟΥ ΔΡΥΜΑΛΙΑΣ" << "31007";
        QTest::newRow("mainland") << "22" << "ΜΕΤΣΟΒΟΥ" << "ΑΝΗΛΙΟΥ ΜΕΤΣΟΒΟΥ" << "22026";
    }
    void aPrefecturesListHoldsItsMunicipalitiesAndAreasSorted() {
        QFETCH(QString, prefecture);
        QFETCH(QString, municipality);
        QFETCH(QString, area);
        QFETCH(QString, areaCode);
        Pristine db;
        Pair pair;
        LoadMunicipalities(db.lists, pair.list, prefecture, WizardKind::Table1);
        // the count is the prefecture's municipalities plus its kept areas
        const int municipalities =
            db.column("select count(*) from doy_ap_municipality where ap_mnc_pref_cd='" + prefecture + "'")
                .first()
                .toInt();
        const int areas =
            db.column("select count(*) from doy_ap_mnc_area where ap_mar_pref_cd='" + prefecture + "'").first().toInt();
        const QStringList names = pair.items();
        QCOMPARE(names.size(), municipalities + areas);
        QStringList sorted = names;
        std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) { return a.toUtf8() < b.toUtf8(); });
        QCOMPARE(names, sorted);
        QVERIFY(names.contains(municipality));
        const int at = names.indexOf(area);
        QVERIFY2(at >= 0, qPrintable(area));
        // an area carries its municipality's code
        QCOMPARE(pair.codes.itemText(at), QString::number(areaCode.toInt()));
        const QString owner = area.section(' ', 1);
        QCOMPARE(pair.codes.itemText(names.indexOf(owner)), QString::number(areaCode.toInt()));
        // the Table 2 statement gives the same list
        Pair second;
        LoadMunicipalities(db.lists, second.list, prefecture, WizardKind::Table2);
        QCOMPARE(second.items(), names);
    }

    void typingFirstLettersMovesInALongList() {
        Pristine db;
        Pair pair;
        LoadMunicipalities(db.lists, pair.list, "22", WizardKind::Table1);
        QVERIFY(pair.names.count() > 300);
        pair.names.show();
        pair.names.setFocus();
        d7test::TypeText(&pair.names, "ΜΕΤ");
        QVERIFY2(pair.names.currentText().startsWith("ΜΕΤ"), qPrintable(pair.names.currentText()));
        QCOMPARE(pair.codes.currentIndex(), pair.names.currentIndex());
    }
};

D7_TEST_MAIN(RefdataTest)
#include "test_refdata.moc"
