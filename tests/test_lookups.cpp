// The location lookups shared by both wizards, and the owner list.
#include <QComboBox>
#include <QRandomGenerator>
#include <tuple>

#include "declaration/OwnerList.h"
#include "widgets/PairedList.h"
#include "pages/wizard/LocationLookups.h"
#include "pages/wizard/WizardSupport.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "support/TestSupport.h"
#include "text/CodePage.h"

using namespace d7;
using d7test::ScratchFolder;

namespace {

// The reference order: repeated passes over neighbours, swapping when the
// first name is greater, until a pass swaps nothing.
void exchangeSort(QVector<ListedStreet> &v) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 0; i + 1 < v.size(); ++i)
            if (v[i + 1].key < v[i].key) {
                std::swap(v[i], v[i + 1]);
                swapped = true;
            }
    }
}

QStringList items(const QComboBox *box) {
    QStringList l;
    for (int i = 0; i < box->count(); ++i)
        l << box->itemText(i);
    return l;
}

struct Pair {
    QComboBox names, codes;
    PairedList list{&names, &codes};
};

struct Reference {
    ScratchFolder folder;
    ReferenceLists lists;
    Reference() { lists.open(kDatabaseFileName, kDatabasePassword); }
};

}  // namespace

class LookupsTest : public QObject {
    Q_OBJECT
private slots:
    void statementsKeepTheirText() {
        QCOMPARE(MunicipalitiesSql("01", WizardKind::Table1),
                 QStringLiteral("select distinct ap_mnc_cd, ap_mnc_nm from doy_ap_municipality where ap_mnc_pref_cd "
                                "='01' UNION SELECT DISTINCT ap_mar_mnc_cd, ap_mar_nm + ' ' + ap_mnc_nm FROM "
                                "doy_ap_mnc_area,doy_ap_municipality WHERE ap_mar_pref_cd ='01' and "
                                "ap_mnc_pref_cd='01' and ap_mar_mnc_cd=ap_mnc_cd ORDER BY ap_mnc_nm"));
        QVERIFY(MunicipalitiesSql("01", WizardKind::Table2)
                    .contains("' UNION SELECT DISTINCT ap_mar_mnc_cd,  ap_mar_nm + ' ' + ap_mnc_nm  FROM "
                              "doy_ap_mnc_area,doy_ap_municipality WHERE ap_mar_pref_cd ='"));
        QCOMPARE(StreetsSql("01", "1005"),
                 QStringLiteral("select distinct  DOY_AP_STREET.ap_strt_nm,DOY_AP_MNC_STRT.ap_mns_strt_cd from "
                                "doy_ap_street,DOY_AP_MNC_STRT where DOY_AP_MNC_STRT.ap_mns_pref_cd ='01' and "
                                "DOY_AP_MNC_STRT.ap_mns_mnc_cd=1005 and "
                                "DOY_AP_MNC_STRT.ap_mns_strt_cd=doy_ap_street.ap_strt_cd order by "
                                "DOY_AP_STREET.ap_strt_nm"));
        QCOMPARE(BlockStreetsSql("01", "1005", "4"),
                 QStringLiteral("select distinct  ap_front_strt_cd,ap_front_ot_cd,  doy_ap_street.ap_strt_nm FROM "
                                "doy_ap_front, doy_ap_street WHERE ap_front_pref_cd='01' and ap_front_mnc_cd=1005 "
                                "and ap_front_ot_cd in (select ap_front_ot_cd from doy_ap_front where "
                                "ap_front_pref_cd='01' and ap_front_mnc_cd=1005 and ap_front_strt_cd=4 ) and "
                                "ap_front_strt_cd=doy_ap_street.ap_strt_cd order by doy_ap_street.ap_strt_nm"));
    }

    void streetsSortByCodePageBytesKeepingTiesInOrder() {
        QRandomGenerator rng(42);
        for (int round = 0; round < 50; ++round) {
            QVector<ListedStreet> v;
            const int n = rng.bounded(1, 200);
            for (int i = 0; i < n; ++i) {
                QByteArray key;
                const int length = rng.bounded(0, 4);   // short names: many ties
                for (int j = 0; j < length; ++j)
                    key += char(rng.bounded(2) ? 0xC1 + rng.bounded(3) : 'a' + rng.bounded(3));
                v.append({key, QString(), QString::number(i)});
            }
            QVector<ListedStreet> expected = v;
            exchangeSort(expected);
            SortStreetsByName(v);
            for (int i = 0; i < v.size(); ++i)
                QCOMPARE(v[i].code, expected[i].code);   // equal names keep their order
        }
        // € (0x80 in the code page) sorts before Ά (0xA2), though U+20AC > U+0386.
        QVector<ListedStreet> v = {{QByteArray("\xA2"), {}, "tonos"}, {QByteArray("\x80"), {}, "euro"}};
        SortStreetsByName(v);
        QCOMPARE(v[0].code, QStringLiteral("euro"));
    }

    void municipalitiesAreListedWithTheirNamedAreas() {
        Reference ref;
        Pair pair;
        LoadMunicipalities(ref.lists, pair.list, "01", WizardKind::Table1);
        QCOMPARE(items(&pair.names), QStringList({"ΑΘΗΝΑΙΩΝ", "ΒΥΡΩΝΟΣ", "ΖΩΓΡΑΦΟΥ", "ΚΥΨΕΛΗΣ ΑΘΗΝΑΙΩΝ",
                                                  "ΠΑΓΚΡΑΤΙΟΥ ΑΘΗΝΑΙΩΝ"}));
        QCOMPARE(items(&pair.codes), QStringList({"1005", "1010", "1040", "1005", "1005"}));
        QCOMPARE(pair.list.index(), 0);
        LoadMunicipalities(ref.lists, pair.list, "27", WizardKind::Table2);
        QCOMPARE(items(&pair.names), QStringList({"ΑΠΕΙΡΑΝΘΟΥ ΝΑΞΟΥ", "ΘΗΡΑΣ", "ΝΑΞΟΥ", "ΦΙΛΟΤΙΟΥ ΝΑΞΟΥ"}));
        LoadMunicipalities(ref.lists, pair.list, "99", WizardKind::Table1);
        QCOMPARE(pair.list.count(), 0);
        QCOMPARE(pair.list.index(), -1);
        QVERIFY(!ref.lists.findChild<Dataset *>(QStringLiteral("ADODataSet1"))->isActive());
    }

    void streetsAreListedReadableAndInNameOrder() {
        Reference ref;
        Pair pair;
        QVERIFY(LoadStreets(ref.lists, pair.list, "01", "1005"));
        QCOMPARE(items(&pair.names), QStringList({"ΑΘΗΝΑΣ", "ΑΘΗΝΑΣ", "ΑΚΑΔΗΜΙΑΣ", "ΒΟΥΚΟΥΡΕΣΤΙΟΥ", "ΕΡΜΟΥ",
                                                  "ΠΑΝΕΠΙΣΤΗΜΙΟΥ", "ΣΟΛΩΝΟΣ", "ΣΤΑΔΙΟΥ"}));
        QCOMPARE(items(&pair.codes).mid(0, 3), QStringList({"5", "6", "1"}));
        QVERIFY(!LoadStreets(ref.lists, pair.list, "01", "1010"));   // a municipality without streets
        QCOMPARE(pair.list.count(), 0);
    }

    void eachBlockStreetChosenNarrowsTheNextList() {
        Reference ref;
        Pair second, third, fourth;
        BlockStreets block;
        // ΑΚΑΔΗΜΙΑΣ (1) fronts on blocks 101, 102, 103.
        block.load(ref.lists, "01", "1005", "1", second.list, third.list, fourth.list);
        QCOMPARE(items(&second.names), QStringList({"ΒΟΥΚΟΥΡΕΣΤΙΟΥ", "ΕΡΜΟΥ", "ΠΑΝΕΠΙΣΤΗΜΙΟΥ", "ΣΟΛΩΝΟΣ", "ΣΤΑΔΙΟΥ"}));
        QCOMPARE(items(&second.codes), QStringList({"8", "4", "2", "7", "3"}));
        QCOMPARE(third.list.count(), 0);
        // ΣΤΑΔΙΟΥ (3) shares blocks 101 and 102 with it
        block.secondStreetChosen(4, second.list, third.list, fourth.list);
        QCOMPARE(block.sharedBlocks(), QStringList({"101", "102"}));
        // block by block, each block's streets in name order
        QCOMPARE(items(&third.names), QStringList({"ΠΑΝΕΠΙΣΤΗΜΙΟΥ", "ΣΟΛΩΝΟΣ", "ΒΟΥΚΟΥΡΕΣΤΙΟΥ", "ΕΡΜΟΥ"}));
        QVERIFY(third.names.isEnabled());
        QVERIFY(!fourth.names.isEnabled());
        // third ΕΡΜΟΥ (4) is on 102 only: the fourth is what else fronts on 102
        block.thirdStreetChosen(3, third.list, fourth.list);
        QCOMPARE(items(&fourth.names), QStringList({"ΒΟΥΚΟΥΡΕΣΤΙΟΥ"}));
        QVERIFY(fourth.names.isEnabled());
        // choosing the second street again empties the third and fourth
        block.secondStreetChosen(3, second.list, third.list, fourth.list);
        QCOMPARE(block.sharedBlocks(), QStringList({"101", "103"}));
        QCOMPARE(items(&third.names), QStringList({"ΠΑΝΕΠΙΣΤΗΜΙΟΥ", "ΣΤΑΔΙΟΥ", "ΒΟΥΚΟΥΡΕΣΤΙΟΥ"}));
        QCOMPARE(fourth.list.count(), 0);
        QVERIFY(!fourth.names.isEnabled());
    }

    // The third street shares two blocks with the property's and the second
    // street; the shared blocks are not limited in number.
    void fourthStreetsMayRepeatAndSharedBlocksAreUnbounded() {
        const QVector<FrontRow> rows = {
            {"1", "A", "P", "P"}, {"2", "A", "S", "S"}, {"3", "A", "T", "T"}, {"4", "A", "U", "U"},
            {"1", "B", "P", "P"}, {"2", "B", "S", "S"}, {"3", "B", "T", "T"}, {"4", "B", "U", "U"},
        };
        const QStringList shared = BlockStreets::blocksShared(rows, "1", "2");
        QCOMPARE(shared, QStringList({"A", "B"}));
        const auto thirds = BlockStreets::thirdStreets(rows, "1", "2");
        QCOMPARE(thirds.size(), 2);   // T and U, each once
        const auto fourths = BlockStreets::fourthStreets(rows, shared, "1", "2", "3");
        QCOMPARE(fourths.size(), 2);
        QCOMPARE(fourths[0].name, QStringLiteral("U"));
        QCOMPARE(fourths[1].name, QStringLiteral("U"));
        QVERIFY(BlockStreets::secondStreets(rows, "1").size() == 3);
        QVector<FrontRow> many;
        for (int b = 0; b < 25; ++b)
            many << FrontRow{"1", QString::number(b), "P", "P"} << FrontRow{"2", QString::number(b), "S", "S"};
        QCOMPARE(BlockStreets::blocksShared(many, "1", "2").size(), 25);
    }

    // The code follows the entry's text, so it names the person the text names.
    void ownerListNamesEachPersonAndTheCodeFollowsTheText() {
        QCOMPARE(OwnerListItems(false, 0), QStringList({"ΣΤΟΝ ΥΠΟΧΡΕΟ"}));
        QCOMPARE(OwnerListItems(true, 3),
                 QStringList({"ΣΤΟΝ ΥΠΟΧΡΕΟ", "ΣΤΗ ΣΥΖΥΓΟ", "ΣΤΟ 1 ΠΑΙΔΙ", "ΣΤΟ 2 ΠΑΙΔΙ", "ΣΤΟ 3 ΠΑΙΔΙ"}));
        const std::tuple<int, QString, QString> owners[] = {{0, "ΣΤΟΝ ΥΠΟΧΡΕΟ", "1"}, {1, "ΣΤΗ ΣΥΖΥΓΟ", "2"},
                                                            {3, "ΣΤΟ 2 ΠΑΙΔΙ", "4"},  {1, "ΣΤΟ 1 ΠΑΙΔΙ", "3"},
                                                            {9, "ΣΤΟ 8 ΠΑΙΔΙ", "10"}, {10, "ΣΤΟ 9 ΠΑΙΔΙ", "11"}};
        for (const auto &[index, text, code] : owners)
            QCOMPARE(ResolveOwnerCode(index, text), code);
    }

    void theStoreQuestionCarriesTheWarningOnlyWhenAsked() {
        const QString summary = SummaryText({SummaryLine("ΝΟΜΟΣ: ", 2, "ΑΘΗΝΩΝ"), SummaryLine("Χ: ", 0)});
        QCOMPARE(summary, QStringLiteral("ΝΟΜΟΣ: \t\tΑΘΗΝΩΝ\r\nΧ: \r\n"));
        const QString q = QStringLiteral("Ερώτηση;");
        QCOMPARE(StoreConfirmation(q, summary, false), q + "\r" + summary);
        const QString warned = StoreConfirmation(q, summary, true);
        QVERIFY(warned.startsWith(q + "\r" + summary + "\r" + QString(44, '-') + "\rΠΡΟΣΟΧΗ: Μετά"));
        QVERIFY(warned.endsWith("να το επανεισάγετε"));
    }
};

D7_TEST_MAIN(LookupsTest)
#include "test_lookups.moc"
