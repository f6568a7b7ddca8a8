#include "store/Database.h"

#include "store/Engine.h"
#include "store/FileStore.h"
#include "store/Resources.h"
#include "store/StoreDriver.h"

namespace d7 {

const QString kDatabaseFileName = QStringLiteral("devdoy_1010.mdb");
const QString kDatabasePassword = QStringLiteral("pwqxtr42");
const std::array<DeclarationTableName, 7> kDeclarationTables = {{{"citizendata", "afm"},
                                                                 {"wifedata", "afmypox"},
                                                                 {"generaldata", "afmypox"},
                                                                 {"ekprosopos", "afmypox"},
                                                                 {"children", "afmypox"},
                                                                 {"table1", "afmypox"},
                                                                 {"TABLE2", "afmypox"}}};

QString SchemaSql() { return ResourceText(QStringLiteral(":/store/schema.sql")); }

namespace {

// The triggers of one table: after each insert, update or delete, the row's
// declaration is stamped with the time.
QString changeTriggers(const QString &table, const QString &key) {
    QString sql;
    const struct {
        const char *event, *row;
    } events[] = {{"INSERT", "NEW"}, {"UPDATE", "NEW"}, {"DELETE", "OLD"}};
    for (const auto &e : events)
        sql += QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_%2_stamp AFTER %3 ON %1 WHEN %4.%5 IS NOT NULL BEGIN "
                              "INSERT OR REPLACE INTO declaration_changes (afm, changed) "
                              "VALUES (%4.%5, datetime('now', 'localtime')); END;\n")
                   .arg(table, QString::fromLatin1(e.event).toLower(), QLatin1String(e.event), QLatin1String(e.row), key);
    return sql;
}

QString changeLogSql() {
    QString sql = QStringLiteral("CREATE TABLE IF NOT EXISTS declaration_changes (afm TEXT PRIMARY KEY, changed TEXT NOT NULL);\n");
    for (const auto &[table, taxNumber] : kDeclarationTables)
        sql += changeTriggers(QLatin1String(table), QLatin1String(taxNumber));
    return sql;
}

}  // namespace

void CreateDatabase(const QString &path, const QString &password) {
    FileStore::create(path);
    Connection c;
    c.open(path, password, Connection::Mode::ReadWrite);
    c.execute(SchemaSql());
    c.execute(changeLogSql());
}

void PrepareChangeLog(Connection &store) {
    // The server's tables come with their log (its schema has it).
    if (!dynamic_cast<FileStore *>(&store.driver()))
        return;
    // Read first: the write lock is taken only for a file that lacks the log.
    const QueryResult present = store.driver().select(QStringLiteral(
        "SELECT count(*) FROM sqlite_master WHERE name = 'declaration_changes' OR name LIKE '%\\_stamp' ESCAPE '\\'"));
    if (present.rows.value(0).value(0).toInt() == 1 + 3 * int(kDeclarationTables.size()))
        return;
    Transaction prepare(store);
    store.execute(changeLogSql());
    prepare.commit();
}

}  // namespace d7
