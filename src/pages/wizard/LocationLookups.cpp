#include "pages/wizard/LocationLookups.h"

#include <QApplication>
#include <QComboBox>
#include <QSet>
#include <algorithm>

#include "widgets/PairedList.h"
#include "pages/wizard/StreetNames.h"
#include "store/Engine.h"
#include "text/CodePage.h"

namespace d7 {

namespace {

// Runs a statement and hands each row to read, then closes the dataset.
template <class F>
void forEachRow(Dataset &dataset, const QString &sql, F read) {
    dataset.close();
    dataset.setCommandText(sql);
    dataset.open();
    dataset.first();
    for (int i = 0, n = dataset.recordCount(); i < n; ++i) {
        read(dataset);
        dataset.next();
    }
    dataset.first();
    dataset.close();
}

struct HourglassCursor {
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

QString MunicipalitiesSql(const QString &p, WizardKind kind) {
    const QString areas =
        kind == WizardKind::Table1
            ? QStringLiteral("' UNION SELECT DISTINCT ap_mar_mnc_cd, ap_mar_nm + ' ' + ap_mnc_nm FROM doy_ap_mnc_area,doy_ap_municipality WHERE ap_mar_pref_cd ='")
            : QStringLiteral("' UNION SELECT DISTINCT ap_mar_mnc_cd,  ap_mar_nm + ' ' + ap_mnc_nm  FROM doy_ap_mnc_area,doy_ap_municipality WHERE ap_mar_pref_cd ='");
    return QStringLiteral("select distinct ap_mnc_cd, ap_mnc_nm from doy_ap_municipality where ap_mnc_pref_cd ='") +
           p + areas + p + QStringLiteral("' and ap_mnc_pref_cd='") + p +
           QStringLiteral("' and ap_mar_mnc_cd=ap_mnc_cd ORDER BY ap_mnc_nm");
}

QString StreetsSql(const QString &p, const QString &m) {
    return QStringLiteral("select distinct  DOY_AP_STREET.ap_strt_nm,DOY_AP_MNC_STRT.ap_mns_strt_cd from doy_ap_street,DOY_AP_MNC_STRT where DOY_AP_MNC_STRT.ap_mns_pref_cd ='") +
           p + QStringLiteral("' and DOY_AP_MNC_STRT.ap_mns_mnc_cd=") + m +
           QStringLiteral(" and DOY_AP_MNC_STRT.ap_mns_strt_cd=doy_ap_street.ap_strt_cd order by DOY_AP_STREET.ap_strt_nm");
}

QString BlockStreetsSql(const QString &p, const QString &m, const QString &s) {
    return QStringLiteral("select distinct  ap_front_strt_cd,ap_front_ot_cd,  doy_ap_street.ap_strt_nm FROM doy_ap_front, doy_ap_street WHERE ap_front_pref_cd='") +
           p + QStringLiteral("' and ap_front_mnc_cd=") + m +
           QStringLiteral(" and ap_front_ot_cd in (select ap_front_ot_cd from doy_ap_front where ap_front_pref_cd='") +
           p + QStringLiteral("' and ap_front_mnc_cd=") + m + QStringLiteral(" and ap_front_strt_cd=") + s +
           QStringLiteral(" ) and ap_front_strt_cd=doy_ap_street.ap_strt_cd order by doy_ap_street.ap_strt_nm");
}

void SortStreetsByName(QVector<ListedStreet> &streets) {
    std::stable_sort(streets.begin(), streets.end(),
                     [](const ListedStreet &a, const ListedStreet &b) { return a.key < b.key; });
}

void LoadMunicipalities(Dataset &dataset, PairedList &municipalities, const QString &prefectureCode,
                        WizardKind kind) {
    municipalities.fill(dataset, MunicipalitiesSql(prefectureCode, kind), 1, 0);
}

bool LoadStreets(Dataset &dataset, PairedList &streets, const QString &prefectureCode,
                 const QString &municipalityCode) {
    QVector<ListedStreet> found;
    forEachRow(dataset, StreetsSql(prefectureCode, municipalityCode), [&](const Dataset &d) {
        const QByteArray stored = d.field(0).toByteArray();
        const QByteArray key = ListedStreetNameBytes(stored);
        found.append({key, DecodeText(CodePage::Windows1253, key), d.text(1)});
    });
    streets.clear();
    if (found.isEmpty())
        return false;
    SortStreetsByName(found);
    QStringList names, codes;
    names.reserve(found.size());
    codes.reserve(found.size());
    for (const ListedStreet &s : found) {
        names << s.name;
        codes << s.code;
    }
    streets.names()->addItems(names);
    streets.codes()->addItems(codes);
    streets.select(0);
    return true;
}

// ----------------------------------------------------------------- BlockStreets

QVector<FrontRow> BlockStreets::secondStreets(const QVector<FrontRow> &rows, const QString &street) {
    QVector<FrontRow> out;
    QSet<QString> seen;
    for (const FrontRow &r : rows)
        if (r.streetCode != street && !seen.contains(r.name)) {
            seen.insert(r.name);
            out.append(r);
        }
    return out;
}

QStringList BlockStreets::blocksShared(const QVector<FrontRow> &rows, const QString &street, const QString &second) {
    QStringList blocks;
    for (const FrontRow &a : rows)
        if (a.streetCode == street)
            for (const FrontRow &b : rows)
                if (b.streetCode == second && b.blockCode == a.blockCode)
                    blocks.append(a.blockCode);
    return blocks;
}

QVector<FrontRow> BlockStreets::thirdStreets(const QVector<FrontRow> &rows, const QString &street,
                                             const QString &second) {
    QVector<FrontRow> out;
    QSet<QString> seen;
    for (const FrontRow &a : rows) {
        if (a.streetCode != street)
            continue;
        for (const FrontRow &b : rows) {
            if (b.streetCode != second || b.blockCode != a.blockCode)
                continue;
            for (const FrontRow &c : rows)
                if (c.streetCode != second && c.streetCode != street && c.blockCode == a.blockCode &&
                    !seen.contains(c.name)) {
                    seen.insert(c.name);
                    out.append(c);
                }
        }
    }
    return out;
}

QVector<FrontRow> BlockStreets::fourthStreets(const QVector<FrontRow> &rows, const QStringList &sharedBlocks,
                                              const QString &street, const QString &second, const QString &third) {
    QVector<FrontRow> out;   // names may repeat: one entry per shared block they front on
    for (const QString &block : sharedBlocks)
        for (const FrontRow &a : rows)
            if (a.streetCode == third && a.blockCode == block)
                for (const FrontRow &c : rows)
                    if (c.streetCode != third && c.streetCode != second && c.streetCode != street &&
                        c.blockCode == block)
                        out.append(c);
    return out;
}

namespace {
void fillPair(PairedList &pair, const QVector<FrontRow> &rows) {
    QStringList names, codes;
    for (const FrontRow &r : rows) {
        names << r.name;
        codes << r.streetCode;
    }
    pair.clear();
    pair.names()->addItems(names);
    pair.codes()->addItems(codes);
    pair.select(0);
}
}  // namespace

void BlockStreets::load(Dataset &dataset, const QString &prefectureCode, const QString &municipalityCode,
                        const QString &streetCode, PairedList &second, PairedList &third, PairedList &fourth) {
    QVector<FrontRow> rows;
    {
        HourglassCursor busy;
        forEachRow(dataset, BlockStreetsSql(prefectureCode, municipalityCode, streetCode), [&](const Dataset &d) {
            const QByteArray key = ListedStreetNameBytes(d.field(2).toByteArray());
            rows.append({d.text(0), d.text(1), key, DecodeText(CodePage::Windows1253, key)});
        });
    }
    std::stable_sort(rows.begin(), rows.end(), [](const FrontRow &a, const FrontRow &b) { return a.key < b.key; });
    m_frontRows = rows;
    m_sharedBlocks.clear();
    m_street = streetCode;
    m_second.clear();
    third.clear();
    fourth.clear();
    fillPair(second, secondStreets(m_frontRows, m_street));
}

void BlockStreets::secondStreetChosen(int index, PairedList &second, PairedList &third, PairedList &fourth) {
    second.codes()->setCurrentIndex(index);
    m_second = second.code();
    third.names()->setEnabled(true);
    third.clear();
    fourth.clear();
    fourth.names()->setEnabled(false);
    m_sharedBlocks = blocksShared(m_frontRows, m_street, m_second);
    fillPair(third, thirdStreets(m_frontRows, m_street, m_second));
}

void BlockStreets::thirdStreetChosen(int index, PairedList &third, PairedList &fourth) {
    third.codes()->setCurrentIndex(index);
    fourth.clear();
    fourth.names()->setEnabled(true);
    fillPair(fourth, fourthStreets(m_frontRows, m_sharedBlocks, m_street, m_second, third.code()));
}

}  // namespace d7
