#include "store/Engine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <algorithm>
#include <cstring>
// The plain SHA-1 functions are kept by the library for callers like this one.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/sha.h>
#include <sqlite3.h>
#include <fcntl.h>
#include <unistd.h>

namespace d7 {

const QString kFileInUseMessage = QStringLiteral(
    "Το αρχείο των δηλώσεων χρησιμοποιείται αυτή τη στιγμή από άλλο πρόγραμμα. "
    "Παρακαλώ προσπαθήστε ξανά σε λίγο.");

namespace {

// How long a command waits for another program's write to end.
constexpr int kBusyWaitMs = 5000;

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

// A prepared statement that is finalised whatever happens.
class Statement {
public:
    Statement(sqlite3 *db, const QString &sql) {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK)
            throw engineError(db);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    sqlite3_stmt *get() const { return m_stmt; }

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
    sqlite3_stmt *m_stmt = nullptr;
};

QString quoteIdentifier(const QString &name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

}  // namespace

EngineError::EngineError(const QString &text, int code) : std::runtime_error(text.toStdString()), m_code(code) {}

UnwritableFileError::UnwritableFileError(const QString &path)
    : EngineError(QStringLiteral("Το αρχείο των δηλώσεων «%1» δεν μπορεί να ανοιχτεί για εγγραφή: "
                                 "το ίδιο ή ο φάκελός του επιτρέπουν μόνο ανάγνωση, οπότε καμία δήλωση δεν θα "
                                 "μπορούσε να αποθηκευτεί. Το πρόγραμμα τερματίζεται χωρίς να αλλάξει το αρχείο.")
                      .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())),
                  SQLITE_READONLY) {}

// The engine's own key derivation (PBKDF2-HMAC-SHA1 over the salt that opens
// the file), done once here so that both connections skip it. Written out on
// the SHA-1 primitive rather than the library's one-call PBKDF2, whose
// per-round set-up makes it nearly three times slower; this is the longest
// step of the start.
QByteArray DeriveRawKey(const QString &path, const QString &password) {
    constexpr int kSaltSize = 16, kKeySize = 32, kIterations = 64000, kBlock = 64;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray salt = file.read(kSaltSize);
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
DatasetError::DatasetError(const QString &text) : std::runtime_error(text.toStdString()) {}

// ---------------------------------------------------------------- Connection

Connection::~Connection() { close(); }

void Connection::open(const QString &path, const QString &password, Mode mode, const QByteArray &rawKey) {
    close();
    const int flags = (mode == Mode::Read ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
    auto attempt = [&](const QString &keyPragma) {
        sqlite3 *db = nullptr;
        if (sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr) != SQLITE_OK) {
            const EngineError error = engineError(db);
            sqlite3_close(db);
            throw error;
        }
        m_db = db;
        m_mode = mode;
        try {
            // Wait for another program's write before the first read, or a
            // second program would fail at start-up while the first stores.
            sqlite3_busy_timeout(m_db, kBusyWaitMs);
            execute(keyPragma);
            // The key is only checked when the file is first read, so read at
            // once: a wrong password must fail here and not at some later
            // command. A read-write connection also rolls back here what a
            // program killed while writing left in the journal.
            Statement probe(m_db, QStringLiteral("SELECT count(*) FROM sqlite_master"));
            probe.step();
        } catch (...) {
            close();
            throw;
        }
    };
    const QString passwordPragma = QStringLiteral("PRAGMA key = '%1'").arg(QString(password).replace("'", "''"));
    if (rawKey.isEmpty()) {
        attempt(passwordPragma);
    } else {
        try {
            attempt(QStringLiteral("PRAGMA key = \"x'%1'\"").arg(QString::fromLatin1(rawKey.toHex())));
        } catch (const EngineError &e) {
            if ((e.code() & 0xff) != SQLITE_NOTADB)
                throw;
            attempt(passwordPragma);   // a file keyed some other way still opens
        }
    }
    if (mode == Mode::ReadWrite) {
        // The engine quietly opens a write-protected file read-only, and a
        // folder that refuses the journal fails every store: both would lose
        // everything typed, so neither is accepted.
        const QString folder = QFileInfo(path).absolutePath();
        if (sqlite3_db_readonly(m_db, "main") == 1 ||
            faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) != 0) {
            close();
            throw UnwritableFileError(path);
        }
    }
}

void Connection::close() {
    m_levels.clear();
    if (m_db) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

void Connection::execute(const QString &sql) {
    if (!m_db)
        throw EngineError(QStringLiteral("the connection is not open"));
    char *message = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        sqlite3_free(message);
        throw engineError(m_db);
    }
}

void Connection::begin() {
    if (m_levels.isEmpty()) {
        // IMMEDIATE: the write lock is taken (or waited for) now; a read lock
        // taken first could not wait its turn to become a write lock.
        execute(QStringLiteral("BEGIN IMMEDIATE"));
        m_levels.append({QString(), {}});
    } else {
        const QString name = QStringLiteral("level%1").arg(m_levels.size());
        execute(QStringLiteral("SAVEPOINT ") + name);
        m_levels.append({name, {}});
    }
}

void Connection::commit() { leaveLevel(true); }

void Connection::rollback() { leaveLevel(false); }

void Connection::leaveLevel(bool commit) {
    if (m_levels.isEmpty())
        return;
    const bool outermost = m_levels.size() == 1;
    const QString savepoint = m_levels.last().savepoint;
    if (commit) {
        try {
            execute(outermost ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + savepoint);
        } catch (...) {
            rollback();
            throw;
        }
        // The restores of a committed save point belong to the level around it.
        Level done = m_levels.takeLast();
        if (!m_levels.isEmpty())
            for (auto &entry : done.restores)
                if (!remembers(entry.first))
                    m_levels.last().restores.append(std::move(entry));
        return;
    }
    Level undone = m_levels.takeLast();
    if (m_db && !sqlite3_get_autocommit(m_db)) {
        char *message = nullptr;
        const QByteArray sql = outermost ? QByteArray("ROLLBACK")
                                         : ("ROLLBACK TO " + savepoint + "; RELEASE " + savepoint).toUtf8();
        sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, &message);
        sqlite3_free(message);
    }
    for (auto it = undone.restores.rbegin(); it != undone.restores.rend(); ++it)
        it->second();
}

bool Connection::remembers(const void *owner) const {
    if (m_levels.isEmpty())
        return true;
    for (const auto &entry : m_levels.last().restores)
        if (entry.first == owner)
            return true;
    return false;
}

void Connection::remember(const void *owner, std::function<void()> restore) {
    if (!m_levels.isEmpty())
        m_levels.last().restores.append({owner, std::move(restore)});
}

void Connection::requireOpenTransaction() const {
    if (!m_levels.isEmpty() && m_db && sqlite3_get_autocommit(m_db))
        throw EngineError(QStringLiteral("the transaction was rolled back by the engine"));
}

Transaction::Transaction(Connection &connection) : m_connection(connection) { m_connection.begin(); }

Transaction::~Transaction() {
    if (!m_done)
        m_connection.rollback();
}

void Transaction::commit() {
    m_done = true;
    m_connection.commit();
}

// ---------------------------------------------------------------- TranslateSql

QString TranslateSql(const QString &sql) {
    // Walk the text outside literals; inside a select list (from a SELECT to
    // its FROM at the same bracket depth) a "+" is text concatenation.
    QString out;
    out.reserve(sql.size() + 16);
    QVector<bool> inSelectList{false};   // one entry per bracket depth
    int i = 0;
    const int n = int(sql.size());
    auto isWordChar = [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); };
    while (i < n) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            int j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += sql.mid(i, j - i + 1);
            i = j + 1;
            continue;
        }
        if (isWordChar(c)) {
            int j = i;
            while (j < n && isWordChar(sql[j]))
                ++j;
            const QString word = sql.mid(i, j - i);
            if (word.compare(QLatin1String("select"), Qt::CaseInsensitive) == 0)
                inSelectList.last() = true;
            else if (word.compare(QLatin1String("from"), Qt::CaseInsensitive) == 0)
                inSelectList.last() = false;
            out += word;
            i = j;
            continue;
        }
        if (c == QLatin1Char('(')) {
            inSelectList.append(false);
        } else if (c == QLatin1Char(')')) {
            if (inSelectList.size() > 1)
                inSelectList.removeLast();
        } else if (c == QLatin1Char('+') && inSelectList.last()) {
            out += QLatin1String("||");
            ++i;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

// ---------------------------------------------------------------- Dataset

Dataset::Dataset(Connection *connection, QObject *parent) : QObject(parent), m_connection(connection) {}

Dataset::~Dataset() = default;

void Dataset::rememberForRollback() {
    if (!m_connection || m_connection->remembers(this))
        return;
    // Everything the pages can see of the dataset, as it was when the command began.
    QPointer<Dataset> self(this);
    m_connection->remember(this, [self, commandText = m_commandText, state = m_state, names = m_fieldNames, rows = m_rows,
                                 current = m_current, eof = m_eof, table = m_table, key = m_keyColumn, buffer = m_buffer,
                                 modified = m_modified] {
        if (!self)
            return;
        self->m_commandText = commandText;
        self->m_state = state;
        self->m_fieldNames = names;
        self->m_rows = rows;
        self->m_current = current;
        self->m_eof = eof;
        self->m_table = table;
        self->m_keyColumn = key;
        self->m_buffer = buffer;
        self->m_modified = modified;
        emit self->dataChanged();
        emit self->currentChanged(self->m_current);
    });
}

void Dataset::open() {
    rememberForRollback();
    if (isActive())
        close();
    if (!m_connection || !m_connection->isOpen())
        throw EngineError(QStringLiteral("the connection is not open"));
    Statement st(m_connection->handle(), TranslateSql(m_commandText));
    QStringList names;
    const int columns = sqlite3_column_count(st.get());
    for (int i = 0; i < columns; ++i)
        names << QString::fromUtf8(sqlite3_column_name(st.get(), i));
    QVector<QVector<QVariant>> rows;
    while (st.step()) {
        QVector<QVariant> row(columns);
        for (int i = 0; i < columns; ++i)
            row[i] = st.column(i);
        rows.append(std::move(row));
    }

    // Only "select * from <one table> ..." can be written back, by row identifier.
    static const QRegularExpression single(
        QStringLiteral(R"(^\s*select\s+\*\s+from\s+(\w+)\s*(?:$|where\b|order\b))"),
        QRegularExpression::CaseInsensitiveOption);
    QString table;
    int keyColumn = -1;
    const auto m = single.match(m_commandText);
    if (m.hasMatch()) {
        Statement info(m_connection->handle(),
                       QStringLiteral("PRAGMA table_info(%1)").arg(quoteIdentifier(m.captured(1))));
        int position = 0;
        while (info.step()) {
            if (info.column(5).toInt() == 1 && keyColumn < 0)
                keyColumn = position;
            ++position;
        }
        if (keyColumn >= 0)
            table = m.captured(1);
    }

    m_fieldNames = names;
    m_rows = std::move(rows);
    m_table = table;
    m_keyColumn = keyColumn;
    m_buffer.clear();
    m_modified.clear();
    m_state = State::Browse;
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_eof = m_rows.isEmpty();
    emit dataChanged();
    emit currentChanged(m_current);
}

void Dataset::close() {
    if (!isActive())
        return;
    rememberForRollback();
    m_state = State::Inactive;
    m_rows.clear();
    m_fieldNames.clear();
    m_buffer.clear();
    m_modified.clear();
    m_current = -1;
    m_eof = true;
    m_table.clear();
    m_keyColumn = -1;
    emit dataChanged();
    emit currentChanged(m_current);
}

void Dataset::requireActive() const {
    if (!isActive())
        throw DatasetError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void Dataset::requireUpdatable() const {
    requireActive();
    if (m_table.isEmpty())
        throw DatasetError(QStringLiteral("Cannot modify a read-only dataset"));
}

void Dataset::requireEditing() const {
    if (!isEditing())
        throw DatasetError(QStringLiteral("Dataset not in edit or insert mode"));
}

void Dataset::setCurrent(int index) {
    if (index == m_current)
        return;
    m_current = index;
    emit currentChanged(m_current);
}

void Dataset::first() {
    requireActive();
    if (isEditing() && !post())
        return;
    setCurrent(m_rows.isEmpty() ? -1 : 0);
    m_eof = m_rows.isEmpty();
}

void Dataset::next() {
    requireActive();
    if (isEditing() && !post())
        return;
    if (m_current + 1 < m_rows.size()) {
        setCurrent(m_current + 1);
        m_eof = false;
    } else {
        m_eof = true;
    }
}

void Dataset::moveTo(int index) {
    requireActive();
    if (index < 0 || index >= m_rows.size())
        return;
    if (index == m_current && m_state != State::Insert)
        return;
    if (isEditing() && !post())
        return;
    setCurrent(index);
    m_eof = false;
}

int Dataset::fieldIndex(const QString &name) const {
    for (int i = 0; i < m_fieldNames.size(); ++i)
        if (m_fieldNames[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Dataset::field(int i) const {
    requireActive();
    if (i < 0 || i >= m_fieldNames.size())
        throw DatasetError(QStringLiteral("Field index out of range"));
    if (isEditing())
        return m_buffer[i];
    if (m_current < 0)
        return QVariant();
    return m_rows[m_current][i];
}

QVariant Dataset::fieldByName(const QString &name) const {
    const int i = fieldIndex(name);
    if (i < 0)
        throw DatasetError(QStringLiteral("Field '%1' not found").arg(name));
    return field(i);
}

QString Dataset::text(int i) const {
    const QVariant v = field(i);
    return v.isNull() ? QString() : v.toString();
}

QString Dataset::textByName(const QString &name) const {
    const QVariant v = fieldByName(name);
    return v.isNull() ? QString() : v.toString();
}

void Dataset::insert() {
    requireUpdatable();
    if (isEditing() && !post())
        return;
    m_buffer = QVector<QVariant>(m_fieldNames.size());
    m_modified = QVector<bool>(m_fieldNames.size(), false);
    m_state = State::Insert;
    m_eof = false;
    emit dataChanged();
    emit currentChanged(int(m_rows.size()));
}

void Dataset::edit() {
    requireUpdatable();
    if (isEditing())
        return;
    if (m_rows.isEmpty() || m_current < 0) {
        insert();
        return;
    }
    m_buffer = m_rows[m_current];
    m_modified = QVector<bool>(m_fieldNames.size(), false);
    m_state = State::Edit;
}

void Dataset::setField(int i, const QVariant &value) {
    requireActive();
    requireEditing();
    if (i < 0 || i >= m_fieldNames.size())
        throw DatasetError(QStringLiteral("Field index out of range"));
    m_buffer[i] = value;
    m_modified[i] = true;
    emit fieldChanged(m_state == State::Insert ? int(m_rows.size()) : m_current, i);
}

void Dataset::setFieldByName(const QString &name, const QVariant &value) {
    const int i = fieldIndex(name);
    if (i < 0)
        throw DatasetError(QStringLiteral("Field '%1' not found").arg(name));
    setField(i, value);
}

void Dataset::readRow(qint64 rowid, QVector<QVariant> &into) {
    Statement st(m_connection->handle(),
                 QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoteIdentifier(m_table)));
    st.bind(1, rowid);
    if (st.step())
        for (int i = 0; i < into.size(); ++i)
            into[i] = st.column(i);
}

bool Dataset::post() {
    requireActive();
    emit aboutToPost();
    requireEditing();
    rememberForRollback();
    if (m_beforePost && !m_beforePost(*this))
        return false;
    if (!isEditing())   // the hook may have cancelled the row
        return false;
    m_connection->requireOpenTransaction();

    QStringList columns;
    QVector<QVariant> values;
    for (int i = 0; i < m_fieldNames.size(); ++i) {
        if (m_modified[i] && i != m_keyColumn) {
            columns << quoteIdentifier(m_fieldNames[i]);
            values << m_buffer[i];
        }
    }
    sqlite3 *db = m_connection->handle();
    if (m_state == State::Insert) {
        QString sql;
        if (columns.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdentifier(m_table));
        } else {
            QStringList marks;
            for (int i = 0; i < columns.size(); ++i)
                marks << QStringLiteral("?");
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoteIdentifier(m_table), columns.join(','), marks.join(','));
        }
        Statement st(db, sql);
        for (int i = 0; i < values.size(); ++i)
            st.bind(i + 1, values[i]);
        st.step();
        QVector<QVariant> row(m_fieldNames.size());
        readRow(sqlite3_last_insert_rowid(db), row);
        m_rows.append(row);
        m_state = State::Browse;
        m_buffer.clear();
        m_modified.clear();
        m_current = -1;
        setCurrent(int(m_rows.size()) - 1);
        m_eof = false;
    } else {
        const QVariant key = m_rows[m_current][m_keyColumn];
        if (!columns.isEmpty()) {
            QStringList sets;
            for (const QString &c : columns)
                sets << c + QStringLiteral(" = ?");
            Statement st(db, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                 .arg(quoteIdentifier(m_table), sets.join(',')));
            for (int i = 0; i < values.size(); ++i)
                st.bind(i + 1, values[i]);
            st.bind(int(values.size()) + 1, key);
            st.step();
            readRow(key.toLongLong(), m_rows[m_current]);
        }
        m_state = State::Browse;
        m_buffer.clear();
        m_modified.clear();
    }
    emit dataChanged();
    return true;
}

void Dataset::cancel() {
    requireActive();
    if (!isEditing())
        return;
    const bool wasInsert = m_state == State::Insert;
    m_state = State::Browse;
    m_buffer.clear();
    m_modified.clear();
    emit dataChanged();
    if (wasInsert) {
        m_eof = m_rows.isEmpty();
        emit currentChanged(m_current);
    }
}

void Dataset::remove() {
    requireUpdatable();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_rows.isEmpty() || m_current < 0)
        throw DatasetError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    rememberForRollback();
    m_connection->requireOpenTransaction();
    if (isEditing())
        cancel();
    Statement st(m_connection->handle(),
                 QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteIdentifier(m_table)));
    st.bind(1, m_rows[m_current][m_keyColumn]);
    st.step();
    m_rows.removeAt(m_current);
    const int next = m_rows.isEmpty() ? -1 : std::min(m_current, int(m_rows.size()) - 1);
    m_current = -2;   // force the notification even when the index stays the same
    setCurrent(next);
    m_eof = m_rows.isEmpty();
    emit dataChanged();
}

QVariant Dataset::value(int row, int column) const {
    if (column < 0 || column >= m_fieldNames.size())
        return QVariant();
    if (m_state == State::Insert && row == m_rows.size())
        return m_buffer[column];
    if (row < 0 || row >= m_rows.size())
        return QVariant();
    if (m_state == State::Edit && row == m_current)
        return m_buffer[column];
    return m_rows[row][column];
}

int Dataset::displayRowCount() const {
    return int(m_rows.size()) + (m_state == State::Insert ? 1 : 0);
}

}  // namespace d7
