#include "store/Database.h"

#include <QFile>
#include <QFileInfo>

#include "store/Engine.h"
#include "store/FileStore.h"
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
    FileStore::create(path, password);
    Connection c;
    c.open(path, password, Connection::Mode::ReadWrite);
    c.execute(SchemaSql());
}

}  // namespace d7
