#include "store/DeclarationCopy.h"

#include <QSet>

#include "store/Database.h"
#include "store/Engine.h"
#include "store/ServerError.h"
#include "store/StoreDriver.h"

namespace d7 {

namespace {

int columnOf(const QStringList &columns, const QString &name) {
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

}  // namespace

QStringList DeclarationTaxNumbers(Connection &store) {
    QStringList parts;
    for (const auto &[table, key] : kDeclarationTables)
        parts << QStringLiteral("select %1 from %2").arg(QLatin1String(key), QLatin1String(table));
    const QueryResult all = store.driver().select(parts.join(QLatin1String(" union ")) + QLatin1String(" order by 1"));
    QStringList taxNumbers;
    for (const auto &row : all.rows)
        if (!row[0].toString().isEmpty())
            taxNumbers << row[0].toString();
    return taxNumbers;
}

QStringList CopyDeclarations(Connection &source, Connection &target, bool replace) {
    const QStringList there = DeclarationTaxNumbers(target);
    const QSet<QString> present(there.begin(), there.end());
    QStringList copied;
    for (const QString &taxNumber : DeclarationTaxNumbers(source))
        if (replace || !present.contains(taxNumber))
            copied << taxNumber;
    const QSet<QString> copying(copied.begin(), copied.end());
    // Asked of the server once, rather than a lock for each declaration: an
    // office's thousands would fill the server's table of locks.
    for (const DeclarationHolder &holder : target.driver().declarationsOpenElsewhere())
        if (copying.contains(holder.taxNumber))
            throw DeclarationLockedError(holder.taxNumber, holder.desk);

    StoreDriver &to = target.driver();
    Transaction transaction(target);
    for (const auto &[table, key] : kDeclarationTables) {
        const QString name = QLatin1String(table);
        for (const QString &taxNumber : copied)
            if (present.contains(taxNumber))
                target.execute(QStringLiteral("delete from %1 where %2 = ?").arg(name, QLatin1String(key)), {taxNumber});
        // The first column is the key, which the target gives anew.
        const QueryResult rows = source.driver().select(QStringLiteral("select * from %1 order by 1").arg(name));
        const int keyColumn = columnOf(rows.columns, QLatin1String(key));
        for (const auto &row : rows.rows)
            if (copying.contains(row[keyColumn].toString()))
                to.insertRow(name, rows.columns.mid(1), QVariantList(row.begin() + 1, row.end()));
    }
    transaction.commit();
    return copied;
}

}  // namespace d7
