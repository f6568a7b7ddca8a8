#include "store/Database.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

#include "store/Engine.h"
#include "store/Resources.h"

namespace d7 {

const QString kDatabaseFileName = QStringLiteral("devdoy_1010.mdb");
const QString kDatabasePassword = QStringLiteral("pwqxtr42");

QString SchemaSql() {
    InitResources();
    QFile f(QStringLiteral(":/store/schema.sql"));
    if (!f.open(QIODevice::ReadOnly))
        throw EngineError(QStringLiteral("the schema resource is missing"));
    return QString::fromUtf8(f.readAll());
}

void CreateDatabase(const QString &path, const QString &password) {
    if (QFileInfo::exists(path))
        throw EngineError(QStringLiteral("%1 exists already").arg(path));
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const QString text = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw EngineError(text);
    }
    sqlite3_close(db);
    Connection c;
    c.open(path, password, Connection::Mode::ReadWrite);
    c.execute(SchemaSql());
}

}  // namespace d7
