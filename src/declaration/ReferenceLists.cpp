#include "declaration/ReferenceLists.h"

#include <algorithm>

#include "declaration/StreetNames.h"
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

Dataset *named(Dataset *dataset, const char *name) {
    dataset->setObjectName(QString::fromLatin1(name));
    return dataset;
}

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

ReferenceLists::ReferenceLists(QObject *parent)
    : QObject(parent),
      m_lookups(named(new Dataset(&m_connection, this), "ADODataSet1")),
      m_lists(named(new Dataset(&m_connection, this), "ADODataSet2")) {}

void ReferenceLists::open(const QString &path, const QString &password, const QByteArray &rawKey) {
    m_connection.open(path, password, Connection::Mode::Read, rawKey);
    m_prefectures = codeList(*m_lookups,
                             QStringLiteral("select distinct ap_pref_cd, ap_pref_nm from doy_ap_prefecture order by ap_pref_nm"),
                             1, 0);
    m_categories = codeList(*m_lists, QStringLiteral("select  ap_cat_cd, ap_cat_descr from doy_ap_estate_cat"), 1, 0);
    m_specialConditions = codeList(
        *m_lists, QStringLiteral("select  ap_special_cd, ap_special_descr from doy_ap_special_cat ORDER BY ap_special_cd"),
        1, 0);
    m_floors = codeList(*m_lists, QStringLiteral("select  ap_flr_cd, ap_flr_nm from doy_ap_floor ORDER BY ap_flr_cd asc"),
                        1, 0);
}

void ReferenceLists::close() {
    m_lookups->close();
    m_lists->close();
    m_connection.close();
}

CodeList ReferenceLists::codeList(Dataset &dataset, const QString &sql, int nameColumn, int codeColumn) {
    CodeList list;
    forEachRow(dataset, sql, [&](const Dataset &d) {
        list.names << d.text(nameColumn);
        list.codes << d.text(codeColumn);
    });
    return list;
}

CodeList ReferenceLists::municipalities(const QString &prefectureCode, WizardKind kind) {
    return codeList(*m_lookups, MunicipalitiesSql(prefectureCode, kind), 1, 0);
}

CodeList ReferenceLists::streets(const QString &prefectureCode, const QString &municipalityCode) {
    QVector<ListedStreet> found;
    forEachRow(*m_lookups, StreetsSql(prefectureCode, municipalityCode), [&](const Dataset &d) {
        const QByteArray key = ListedStreetNameBytes(d.field(0).toByteArray());
        found.append({key, DecodeText(CodePage::Windows1253, key), d.text(1)});
    });
    SortStreetsByName(found);
    CodeList list;
    list.names.reserve(found.size());
    list.codes.reserve(found.size());
    for (const ListedStreet &s : found) {
        list.names << s.name;
        list.codes << s.code;
    }
    return list;
}

QVector<FrontRow> ReferenceLists::blockFronts(const QString &prefectureCode, const QString &municipalityCode,
                                              const QString &streetCode) {
    QVector<FrontRow> rows;
    forEachRow(*m_lookups, BlockStreetsSql(prefectureCode, municipalityCode, streetCode), [&](const Dataset &d) {
        const QByteArray key = ListedStreetNameBytes(d.field(2).toByteArray());
        rows.append({d.text(0), d.text(1), key, DecodeText(CodePage::Windows1253, key)});
    });
    std::stable_sort(rows.begin(), rows.end(), [](const FrontRow &a, const FrontRow &b) { return a.key < b.key; });
    return rows;
}

}  // namespace d7
