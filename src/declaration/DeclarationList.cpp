#include "declaration/DeclarationList.h"

#include "store/CommandRetry.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "store/StoreDriver.h"

namespace d7 {

namespace {

// Each declaration with its name, its office and kind (from its first general
// row), its row counts and its last change.
const QString kListSql = QStringLiteral(
    "select c.afm, c.Surname, c.Name, g.DOYName, g.DeclType, "
    "(select count(*) from table1 t where t.AFMYpox = c.afm), "
    "(select count(*) from TABLE2 t where t.AFMYpox = c.afm), "
    "(select d.changed from declaration_changes d where d.afm = c.afm) "
    "from citizendata c left join generaldata g on g.ID = "
    "(select min(f.ID) from generaldata f where f.afmypox = c.afm)");

DeclarationSummary summaryOf(const QVector<QVariant> &row) {
    DeclarationSummary s;
    s.taxNumber = row[0].toString();
    s.surname = row[1].toString();
    s.name = row[2].toString();
    s.taxOffice = row[3].toString();
    s.kind = row[4].isNull() ? -1 : row[4].toInt();
    s.table1Rows = row[5].toInt();
    s.table2Rows = row[6].toInt();
    // Kept as the store writes it ("yyyy-MM-dd HH:mm:ss"): it sorts as text,
    // and ten thousand of them are not turned into dates and back.
    s.changed = row[7].toString();
    return s;
}

}  // namespace

QVector<DeclarationSummary> ListDeclarations(Connection &store) {
    const QueryResult result = store.driver().select(kListSql + QStringLiteral(" order by c.afm"));
    QVector<DeclarationSummary> list;
    list.reserve(result.rows.size());
    for (const auto &row : result.rows)
        list.append(summaryOf(row));
    return list;
}

bool FindDeclaration(Connection &store, const QString &taxNumber, DeclarationSummary *found) {
    const QueryResult result = store.driver().select(kListSql + QStringLiteral(" where c.afm = ?"), {taxNumber});
    if (result.rows.isEmpty())
        return false;
    if (found)
        *found = summaryOf(result.rows.first());
    return true;
}

void DeleteDeclaration(Connection &store, const QString &taxNumber) {
    const DeclarationHold held(store, taxNumber);
    RunAsOneTransaction(store, [&] {
        for (const auto &[table, key] : kDeclarationTables)
            store.execute(QStringLiteral("delete from %1 where %2 = ?").arg(QLatin1String(table), QLatin1String(key)),
                          {taxNumber});
        // Last: the deletions above stamped it once more.
        store.execute(QStringLiteral("delete from declaration_changes where afm = ?"), {taxNumber});
    });
}

DeclarationHold::DeclarationHold(Connection &store, const QString &taxNumber)
    : m_store(store), m_taxNumber(taxNumber), m_heldBefore(store.driver().holdsDeclaration(taxNumber)) {
    store.driver().lockDeclaration(taxNumber);
}

DeclarationHold::~DeclarationHold() {
    if (m_heldBefore)
        return;
    try {
        m_store.driver().unlockDeclaration(m_taxNumber);
    } catch (...) {
        // The session is gone, and its locks with it.
    }
}

QString NamedTaxNumber(const DeclarationSummary &declaration) {
    const QString name = (declaration.surname + QLatin1Char(' ') + declaration.name).trimmed();
    return name.isEmpty() ? declaration.taxNumber : QStringLiteral("%1 (%2)").arg(declaration.taxNumber, name);
}

QString SearchKey(const QString &text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            key += c;
    return key.toUpper();
}

}  // namespace d7
