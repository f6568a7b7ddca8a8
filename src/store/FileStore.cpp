#include "store/FileStore.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
// The plain SHA-1 functions are kept by the library for callers like this one.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/sha.h>
#include <sqlite3.h>
#include <fcntl.h>
#include <unistd.h>

#include "store/Engine.h"

namespace d7 {

namespace {

// How long a command waits for another program's write to end.
constexpr int kBusyWaitMs = 5000;
// Statements kept prepared; the reference lookups make new texts as the user
// browses, so the cache is emptied when it grows past this.
constexpr int kMostPreparedStatements = 64;

// The engine's error as the user should read it: a file held by another
// program is said in Greek, since the user can do something about it.
EngineError engineError(sqlite3 *db) {
    if (!db)
        return EngineError(QStringLiteral("out of memory"), SQLITE_NOMEM);
    const int code = sqlite3_extended_errcode(db);
    if ((code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED)
        return EngineError(kFileInUseMessage, code);
    return EngineError(QString::fromUtf8(sqlite3_errmsg(db)), code);
}

QString quoteIdentifier(const QString &name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

}  // namespace

// A prepared statement, finalised with its owner; reset after each use so that
// no read stays open between commands.
class FileStore::Statement {
public:
    Statement(sqlite3 *db, const QString &sql) {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK)
            throw engineError(db);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // One use: binds the values; the guard resets the statement however the use ends.
    struct Use {
        Statement &statement;
        ~Use() {
            sqlite3_reset(statement.m_stmt);
            sqlite3_clear_bindings(statement.m_stmt);
        }
    };
    Use use(const QVariantList &values) {
        Use guard{*this};
        for (int i = 0; i < values.size(); ++i)
            bind(i + 1, values[i]);
        return guard;
    }

    int columnCount() const { return sqlite3_column_count(m_stmt); }
    QString columnName(int i) const { return QString::fromUtf8(sqlite3_column_name(m_stmt, i)); }

    QVariant column(int i) const {
        switch (sqlite3_column_type(m_stmt, i)) {
        case SQLITE_NULL:
            return QVariant();
        case SQLITE_INTEGER:
            return QVariant(qlonglong(sqlite3_column_int64(m_stmt, i)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(m_stmt, i));
        case SQLITE_BLOB: {
            const void *p = sqlite3_column_blob(m_stmt, i);
            return QVariant(QByteArray(static_cast<const char *>(p), sqlite3_column_bytes(m_stmt, i)));
        }
        default: {
            const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i));
            return QVariant(QString::fromUtf8(p, sqlite3_column_bytes(m_stmt, i)));
        }
        }
    }

    QVector<QVariant> row() const {
        QVector<QVariant> values(columnCount());
        for (int i = 0; i < values.size(); ++i)
            values[i] = column(i);
        return values;
    }

    // Steps once; true while a row is available.
    bool step() {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throw engineError(sqlite3_db_handle(m_stmt));
    }

private:
    void bind(int index, const QVariant &value) {
        int rc;
        if (value.isNull()) {
            rc = sqlite3_bind_null(m_stmt, index);
        } else if (value.typeId() == QMetaType::QByteArray) {
            const QByteArray b = value.toByteArray();
            rc = sqlite3_bind_blob(m_stmt, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong ||
                   value.typeId() == QMetaType::UInt || value.typeId() == QMetaType::ULongLong) {
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
        } else if (value.typeId() == QMetaType::Double) {
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
        } else {
            const QByteArray t = value.toString().toUtf8();
            rc = sqlite3_bind_text(m_stmt, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK)
            throw engineError(sqlite3_db_handle(m_stmt));
    }

    sqlite3_stmt *m_stmt = nullptr;
};

// The engine's own key derivation (PBKDF2-HMAC-SHA1 over the salt that opens
// the file), done once here so that both connections skip it. Written out on
// the SHA-1 primitive rather than the library's one-call PBKDF2, whose
// per-round set-up makes it nearly three times slower; this is the longest
// step of the start.
constexpr int kSaltSize = 16;

QByteArray FileSalt(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(kSaltSize) : QByteArray();
}

QByteArray DeriveRawKey(const QString &path, const QString &password) {
    constexpr int kKeySize = 32, kIterations = 64000, kBlock = 64;
    const QByteArray salt = FileSalt(path);
    if (salt.size() != kSaltSize)
        return {};
    QByteArray secret = password.toUtf8();
    if (secret.size() > kBlock)
        secret = QByteArray(reinterpret_cast<const char *>(
                                SHA1(reinterpret_cast<const unsigned char *>(secret.constData()), secret.size(),
                                     nullptr)),
                            SHA_DIGEST_LENGTH);
    unsigned char inner[kBlock] = {}, outer[kBlock] = {};
    for (int i = 0; i < kBlock; ++i) {
        const unsigned char k = i < secret.size() ? static_cast<unsigned char>(secret[i]) : 0;
        inner[i] = k ^ 0x36;
        outer[i] = k ^ 0x5c;
    }
    SHA_CTX innerStart, outerStart;
    SHA1_Init(&innerStart);
    SHA1_Update(&innerStart, inner, kBlock);
    SHA1_Init(&outerStart);
    SHA1_Update(&outerStart, outer, kBlock);
    // One HMAC round: the keyed pads' states are reused, so a round costs two
    // compressions.
    auto hmac = [&](const unsigned char *message, size_t size, const unsigned char *more, size_t moreSize,
                    unsigned char *digest) {
        SHA_CTX c = innerStart;
        SHA1_Update(&c, message, size);
        if (moreSize)
            SHA1_Update(&c, more, moreSize);
        SHA1_Final(digest, &c);
        c = outerStart;
        SHA1_Update(&c, digest, SHA_DIGEST_LENGTH);
        SHA1_Final(digest, &c);
    };
    QByteArray key(kKeySize, '\0');
    for (int block = 1, done = 0; done < kKeySize; ++block) {
        const unsigned char counter[4] = {0, 0, 0, static_cast<unsigned char>(block)};
        unsigned char u[SHA_DIGEST_LENGTH], sum[SHA_DIGEST_LENGTH];
        hmac(reinterpret_cast<const unsigned char *>(salt.constData()), kSaltSize, counter, 4, u);
        std::memcpy(sum, u, SHA_DIGEST_LENGTH);
        for (int round = 1; round < kIterations; ++round) {
            hmac(u, SHA_DIGEST_LENGTH, nullptr, 0, u);
            for (int j = 0; j < SHA_DIGEST_LENGTH; ++j)
                sum[j] ^= u[j];
        }
        const int n = std::min(SHA_DIGEST_LENGTH, kKeySize - done);
        std::memcpy(key.data() + done, sum, n);
        done += n;
    }
    return key;
}
FileStore::FileStore(const QString &path, const QString &password, Access access, const QByteArray &rawKey)
    : m_path(path) {
    const int flags = access == Access::Read ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    const QString passwordPragma = QStringLiteral("PRAGMA key = '%1'").arg(QString(password).replace("'", "''"));
    if (rawKey.isEmpty()) {
        openKeyed(passwordPragma, flags);
    } else {
        try {
            openKeyed(QStringLiteral("PRAGMA key = \"x'%1'\"").arg(QString::fromLatin1(rawKey.toHex())), flags);
        } catch (const EngineError &e) {
            if ((e.code() & 0xff) != SQLITE_NOTADB)
                throw;
            openKeyed(passwordPragma, flags);   // a file keyed some other way still opens
        }
    }
    if (access == Access::ReadWrite) {
        // The engine quietly opens a write-protected file read-only, and a
        // folder that refuses the journal fails every store: both would lose
        // everything typed, so neither is accepted.
        const QString folder = QFileInfo(path).absolutePath();
        if (sqlite3_db_readonly(m_db, "main") == 1 ||
            faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) != 0) {
            sqlite3_close(m_db);
            m_db = nullptr;
            throw UnwritableFileError(path);
        }
    }
}

void FileStore::openKeyed(const QString &keyPragma, int flags) {
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(m_path.toUtf8().constData(), &db, flags, nullptr) != SQLITE_OK) {
        const EngineError error = engineError(db);
        sqlite3_close(db);
        throw error;
    }
    m_db = db;
    try {
        // Wait for another program's write before the first read, or a
        // second program would fail at start-up while the first stores.
        sqlite3_busy_timeout(m_db, kBusyWaitMs);
        runScript(keyPragma);
        // The key is only checked when the file is first read, so read at
        // once: a wrong password must fail here and not at some later
        // command. A read-write connection also rolls back here what a
        // program killed while writing left in the journal.
        Statement probe(m_db, QStringLiteral("SELECT count(*) FROM sqlite_master"));
        probe.step();
        // Room for what a list of thousands of declarations touches: pages
        // read once are not read and decrypted again.
        runScript(QStringLiteral("PRAGMA cache_size = -16000"));
    } catch (...) {
        m_statements.clear();
        sqlite3_close(m_db);
        m_db = nullptr;
        throw;
    }
}

FileStore::~FileStore() {
    m_statements.clear();   // finalised before the connection closes
    if (m_db)
        sqlite3_close(m_db);
}

void FileStore::create(const QString &path) {
    if (QFileInfo::exists(path))
        throw EngineError(QStringLiteral("%1 exists already").arg(path));
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const QString text = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw EngineError(text);
    }
    sqlite3_close(db);
}

void FileStore::runScript(const QString &sql) {
    char *message = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        sqlite3_free(message);
        throw engineError(m_db);
    }
}

FileStore::Statement &FileStore::prepared(const QString &sql) {
    if (auto it = m_statements.constFind(sql); it != m_statements.constEnd())
        return **it;
    if (m_statements.size() >= kMostPreparedStatements)
        m_statements.clear();
    auto statement = std::make_shared<Statement>(m_db, sql);
    m_statements.insert(sql, statement);
    return *statement;
}

QueryResult FileStore::select(const QString &sql, const QVariantList &values) {
    Statement &st = prepared(sql);
    const auto use = st.use(values);
    QueryResult result;
    for (int i = 0, n = st.columnCount(); i < n; ++i)
        result.columns << st.columnName(i);
    while (st.step())
        result.rows.append(st.row());
    return result;
}

void FileStore::execute(const QString &sql, const QVariantList &values) {
    if (values.isEmpty()) {   // a script of statements, none with values
        runScript(sql);
        return;
    }
    Statement &st = prepared(sql);
    const auto use = st.use(values);
    while (st.step()) {
    }
}

void FileStore::begin() {
    // IMMEDIATE: the write lock is taken (or waited for) now; a read lock
    // taken first could not wait its turn to become a write lock.
    runScript(QStringLiteral("BEGIN IMMEDIATE"));
}

void FileStore::commit() { runScript(QStringLiteral("COMMIT")); }

void FileStore::rollback() noexcept {
    if (m_db && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void FileStore::savepoint(const QString &name) { runScript(QStringLiteral("SAVEPOINT ") + name); }

void FileStore::releaseSavepoint(const QString &name) { runScript(QStringLiteral("RELEASE ") + name); }

void FileStore::rollbackToSavepoint(const QString &name) noexcept {
    if (!m_db || sqlite3_get_autocommit(m_db))
        return;
    const QByteArray sql = ("ROLLBACK TO " + name + "; RELEASE " + name).toUtf8();
    sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr);
}

bool FileStore::transactionAlive() const { return m_db && !sqlite3_get_autocommit(m_db); }

int FileStore::keyColumn(const QString &table) {
    if (auto it = m_keyColumns.constFind(table.toLower()); it != m_keyColumns.constEnd())
        return *it;
    int key = -1, position = 0;
    Statement info(m_db, QStringLiteral("PRAGMA table_info(%1)").arg(quoteIdentifier(table)));
    while (info.step()) {
        if (info.column(5).toInt() == 1 && key < 0)
            key = position;
        ++position;
    }
    m_keyColumns.insert(table.toLower(), key);
    return key;
}

QVariant FileStore::insertRow(const QString &table, const QStringList &columns, const QVariantList &values) {
    QString sql;
    if (columns.isEmpty()) {
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdentifier(table));
    } else {
        QStringList names;
        for (const QString &c : columns)
            names << quoteIdentifier(c);
        const QString marks = QStringLiteral("?,").repeated(columns.size()).chopped(1);
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(quoteIdentifier(table), names.join(','), marks);
    }
    execute(sql, values);
    return QVariant(qlonglong(sqlite3_last_insert_rowid(m_db)));
}

void FileStore::updateRow(const QString &table, const QString &, const QVariant &key, const QStringList &columns,
                          const QVariantList &values) {
    QStringList sets;
    for (const QString &c : columns)
        sets << quoteIdentifier(c) + QStringLiteral(" = ?");
    execute(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quoteIdentifier(table), sets.join(',')),
            values + QVariantList{key});
}

void FileStore::deleteRow(const QString &table, const QString &, const QVariant &key) {
    execute(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteIdentifier(table)), {key});
}

QVector<QVariant> FileStore::readRow(const QString &table, const QString &, const QVariant &key) {
    const QueryResult r = select(QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoteIdentifier(table)), {key});
    return r.rows.isEmpty() ? QVector<QVariant>() : r.rows.first();
}

}  // namespace d7
