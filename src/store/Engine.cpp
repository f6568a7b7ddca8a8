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
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt_, nullptr) != SQLITE_OK)
            throw engineError(db);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    sqlite3_stmt *get() const { return stmt_; }

    void bind(int index, const QVariant &value) {
        int rc;
        if (value.isNull()) {
            rc = sqlite3_bind_null(stmt_, index);
        } else if (value.typeId() == QMetaType::QByteArray) {
            const QByteArray b = value.toByteArray();
            rc = sqlite3_bind_blob(stmt_, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
        } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong ||
                   value.typeId() == QMetaType::UInt || value.typeId() == QMetaType::ULongLong) {
            rc = sqlite3_bind_int64(stmt_, index, value.toLongLong());
        } else if (value.typeId() == QMetaType::Double) {
            rc = sqlite3_bind_double(stmt_, index, value.toDouble());
        } else {
            const QByteArray t = value.toString().toUtf8();
            rc = sqlite3_bind_text(stmt_, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK)
            throw engineError(sqlite3_db_handle(stmt_));
    }

    QVariant column(int i) const {
        switch (sqlite3_column_type(stmt_, i)) {
        case SQLITE_NULL:
            return QVariant();
        case SQLITE_INTEGER:
            return QVariant(qlonglong(sqlite3_column_int64(stmt_, i)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt_, i));
        case SQLITE_BLOB: {
            const void *p = sqlite3_column_blob(stmt_, i);
            return QVariant(QByteArray(static_cast<const char *>(p), sqlite3_column_bytes(stmt_, i)));
        }
        default: {
            const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, i));
            return QVariant(QString::fromUtf8(p, sqlite3_column_bytes(stmt_, i)));
        }
        }
    }

    // Steps once; true while a row is available.
    bool step() {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throw engineError(sqlite3_db_handle(stmt_));
    }

private:
    sqlite3_stmt *stmt_ = nullptr;
};

QString quoteIdentifier(const QString &name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

}  // namespace

EngineError::EngineError(const QString &text, int code) : std::runtime_error(text.toStdString()), code_(code) {}

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
        db_ = db;
        mode_ = mode;
        try {
            // Wait for another program's write before the first read, or a
            // second program would fail at start-up while the first stores.
            sqlite3_busy_timeout(db_, kBusyWaitMs);
            execute(keyPragma);
            // The key is only checked when the file is first read, so read at
            // once: a wrong password must fail here and not at some later
            // command. A read-write connection also rolls back here what a
            // program killed while writing left in the journal.
            Statement probe(db_, QStringLiteral("SELECT count(*) FROM sqlite_master"));
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
        if (sqlite3_db_readonly(db_, "main") == 1 ||
            faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) != 0) {
            close();
            throw UnwritableFileError(path);
        }
    }
}

void Connection::close() {
    levels_.clear();
    if (db_) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
}

void Connection::execute(const QString &sql) {
    if (!db_)
        throw EngineError(QStringLiteral("the connection is not open"));
    char *message = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        sqlite3_free(message);
        throw engineError(db_);
    }
}

void Connection::begin() {
    if (levels_.isEmpty()) {
        // IMMEDIATE: the write lock is taken (or waited for) now; a read lock
        // taken first could not wait its turn to become a write lock.
        execute(QStringLiteral("BEGIN IMMEDIATE"));
        levels_.append({QString(), {}});
    } else {
        const QString name = QStringLiteral("level%1").arg(levels_.size());
        execute(QStringLiteral("SAVEPOINT ") + name);
        levels_.append({name, {}});
    }
}

void Connection::commit() { leaveLevel(true); }

void Connection::rollback() { leaveLevel(false); }

void Connection::leaveLevel(bool commit) {
    if (levels_.isEmpty())
        return;
    const bool outermost = levels_.size() == 1;
    const QString savepoint = levels_.last().savepoint;
    if (commit) {
        try {
            execute(outermost ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + savepoint);
        } catch (...) {
            rollback();
            throw;
        }
        // The restores of a committed save point belong to the level around it.
        Level done = levels_.takeLast();
        if (!levels_.isEmpty())
            for (auto &entry : done.restores)
                if (!remembers(entry.first))
                    levels_.last().restores.append(std::move(entry));
        return;
    }
    Level undone = levels_.takeLast();
    if (db_ && !sqlite3_get_autocommit(db_)) {
        char *message = nullptr;
        const QByteArray sql = outermost ? QByteArray("ROLLBACK")
                                         : ("ROLLBACK TO " + savepoint + "; RELEASE " + savepoint).toUtf8();
        sqlite3_exec(db_, sql.constData(), nullptr, nullptr, &message);
        sqlite3_free(message);
    }
    for (auto it = undone.restores.rbegin(); it != undone.restores.rend(); ++it)
        it->second();
}

bool Connection::remembers(const void *owner) const {
    if (levels_.isEmpty())
        return true;
    for (const auto &entry : levels_.last().restores)
        if (entry.first == owner)
            return true;
    return false;
}

void Connection::remember(const void *owner, std::function<void()> restore) {
    if (!levels_.isEmpty())
        levels_.last().restores.append({owner, std::move(restore)});
}

void Connection::requireOpenTransaction() const {
    if (!levels_.isEmpty() && db_ && sqlite3_get_autocommit(db_))
        throw EngineError(QStringLiteral("the transaction was rolled back by the engine"));
}

Transaction::Transaction(Connection &connection) : connection_(connection) { connection_.begin(); }

Transaction::~Transaction() {
    if (!done_)
        connection_.rollback();
}

void Transaction::commit() {
    done_ = true;
    connection_.commit();
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

Dataset::Dataset(Connection *connection, QObject *parent) : QObject(parent), connection_(connection) {}

Dataset::~Dataset() = default;

void Dataset::rememberForRollback() {
    if (!connection_ || connection_->remembers(this))
        return;
    // Everything the pages can see of the dataset, as it was when the command began.
    QPointer<Dataset> self(this);
    connection_->remember(this, [self, commandText = commandText_, state = state_, names = fieldNames_, rows = rows_,
                                 current = current_, eof = eof_, table = table_, key = keyColumn_, buffer = buffer_,
                                 modified = modified_] {
        if (!self)
            return;
        self->commandText_ = commandText;
        self->state_ = state;
        self->fieldNames_ = names;
        self->rows_ = rows;
        self->current_ = current;
        self->eof_ = eof;
        self->table_ = table;
        self->keyColumn_ = key;
        self->buffer_ = buffer;
        self->modified_ = modified;
        emit self->dataChanged();
        emit self->currentChanged(self->current_);
    });
}

void Dataset::open() {
    rememberForRollback();
    if (isActive())
        close();
    if (!connection_ || !connection_->isOpen())
        throw EngineError(QStringLiteral("the connection is not open"));
    Statement st(connection_->handle(), TranslateSql(commandText_));
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
    const auto m = single.match(commandText_);
    if (m.hasMatch()) {
        Statement info(connection_->handle(),
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

    fieldNames_ = names;
    rows_ = std::move(rows);
    table_ = table;
    keyColumn_ = keyColumn;
    buffer_.clear();
    modified_.clear();
    state_ = State::Browse;
    current_ = rows_.isEmpty() ? -1 : 0;
    eof_ = rows_.isEmpty();
    emit dataChanged();
    emit currentChanged(current_);
}

void Dataset::close() {
    if (!isActive())
        return;
    rememberForRollback();
    state_ = State::Inactive;
    rows_.clear();
    fieldNames_.clear();
    buffer_.clear();
    modified_.clear();
    current_ = -1;
    eof_ = true;
    table_.clear();
    keyColumn_ = -1;
    emit dataChanged();
    emit currentChanged(current_);
}

void Dataset::requireActive() const {
    if (!isActive())
        throw DatasetError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void Dataset::requireUpdatable() const {
    requireActive();
    if (table_.isEmpty())
        throw DatasetError(QStringLiteral("Cannot modify a read-only dataset"));
}

void Dataset::requireEditing() const {
    if (!isEditing())
        throw DatasetError(QStringLiteral("Dataset not in edit or insert mode"));
}

void Dataset::setCurrent(int index) {
    if (index == current_)
        return;
    current_ = index;
    emit currentChanged(current_);
}

void Dataset::first() {
    requireActive();
    if (isEditing() && !post())
        return;
    setCurrent(rows_.isEmpty() ? -1 : 0);
    eof_ = rows_.isEmpty();
}

void Dataset::next() {
    requireActive();
    if (isEditing() && !post())
        return;
    if (current_ + 1 < rows_.size()) {
        setCurrent(current_ + 1);
        eof_ = false;
    } else {
        eof_ = true;
    }
}

void Dataset::moveTo(int index) {
    requireActive();
    if (index < 0 || index >= rows_.size())
        return;
    if (index == current_ && state_ != State::Insert)
        return;
    if (isEditing() && !post())
        return;
    setCurrent(index);
    eof_ = false;
}

int Dataset::fieldIndex(const QString &name) const {
    for (int i = 0; i < fieldNames_.size(); ++i)
        if (fieldNames_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant Dataset::field(int i) const {
    requireActive();
    if (i < 0 || i >= fieldNames_.size())
        throw DatasetError(QStringLiteral("Field index out of range"));
    if (isEditing())
        return buffer_[i];
    if (current_ < 0)
        return QVariant();
    return rows_[current_][i];
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
    buffer_ = QVector<QVariant>(fieldNames_.size());
    modified_ = QVector<bool>(fieldNames_.size(), false);
    state_ = State::Insert;
    eof_ = false;
    emit dataChanged();
    emit currentChanged(int(rows_.size()));
}

void Dataset::edit() {
    requireUpdatable();
    if (isEditing())
        return;
    if (rows_.isEmpty() || current_ < 0) {
        insert();
        return;
    }
    buffer_ = rows_[current_];
    modified_ = QVector<bool>(fieldNames_.size(), false);
    state_ = State::Edit;
}

void Dataset::setField(int i, const QVariant &value) {
    requireActive();
    requireEditing();
    if (i < 0 || i >= fieldNames_.size())
        throw DatasetError(QStringLiteral("Field index out of range"));
    buffer_[i] = value;
    modified_[i] = true;
    emit fieldChanged(state_ == State::Insert ? int(rows_.size()) : current_, i);
}

void Dataset::setFieldByName(const QString &name, const QVariant &value) {
    const int i = fieldIndex(name);
    if (i < 0)
        throw DatasetError(QStringLiteral("Field '%1' not found").arg(name));
    setField(i, value);
}

void Dataset::readRow(qint64 rowid, QVector<QVariant> &into) {
    Statement st(connection_->handle(),
                 QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoteIdentifier(table_)));
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
    if (beforePost_ && !beforePost_(*this))
        return false;
    if (!isEditing())   // the hook may have cancelled the row
        return false;
    connection_->requireOpenTransaction();

    QStringList columns;
    QVector<QVariant> values;
    for (int i = 0; i < fieldNames_.size(); ++i) {
        if (modified_[i] && i != keyColumn_) {
            columns << quoteIdentifier(fieldNames_[i]);
            values << buffer_[i];
        }
    }
    sqlite3 *db = connection_->handle();
    if (state_ == State::Insert) {
        QString sql;
        if (columns.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdentifier(table_));
        } else {
            QStringList marks;
            for (int i = 0; i < columns.size(); ++i)
                marks << QStringLiteral("?");
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoteIdentifier(table_), columns.join(','), marks.join(','));
        }
        Statement st(db, sql);
        for (int i = 0; i < values.size(); ++i)
            st.bind(i + 1, values[i]);
        st.step();
        QVector<QVariant> row(fieldNames_.size());
        readRow(sqlite3_last_insert_rowid(db), row);
        rows_.append(row);
        state_ = State::Browse;
        buffer_.clear();
        modified_.clear();
        current_ = -1;
        setCurrent(int(rows_.size()) - 1);
        eof_ = false;
    } else {
        const QVariant key = rows_[current_][keyColumn_];
        if (!columns.isEmpty()) {
            QStringList sets;
            for (const QString &c : columns)
                sets << c + QStringLiteral(" = ?");
            Statement st(db, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                 .arg(quoteIdentifier(table_), sets.join(',')));
            for (int i = 0; i < values.size(); ++i)
                st.bind(i + 1, values[i]);
            st.bind(int(values.size()) + 1, key);
            st.step();
            readRow(key.toLongLong(), rows_[current_]);
        }
        state_ = State::Browse;
        buffer_.clear();
        modified_.clear();
    }
    emit dataChanged();
    return true;
}

void Dataset::cancel() {
    requireActive();
    if (!isEditing())
        return;
    const bool wasInsert = state_ == State::Insert;
    state_ = State::Browse;
    buffer_.clear();
    modified_.clear();
    emit dataChanged();
    if (wasInsert) {
        eof_ = rows_.isEmpty();
        emit currentChanged(current_);
    }
}

void Dataset::remove() {
    requireUpdatable();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (rows_.isEmpty() || current_ < 0)
        throw DatasetError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    rememberForRollback();
    connection_->requireOpenTransaction();
    if (isEditing())
        cancel();
    Statement st(connection_->handle(),
                 QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteIdentifier(table_)));
    st.bind(1, rows_[current_][keyColumn_]);
    st.step();
    rows_.removeAt(current_);
    const int next = rows_.isEmpty() ? -1 : std::min(current_, int(rows_.size()) - 1);
    current_ = -2;   // force the notification even when the index stays the same
    setCurrent(next);
    eof_ = rows_.isEmpty();
    emit dataChanged();
}

QVariant Dataset::value(int row, int column) const {
    if (column < 0 || column >= fieldNames_.size())
        return QVariant();
    if (state_ == State::Insert && row == rows_.size())
        return buffer_[column];
    if (row < 0 || row >= rows_.size())
        return QVariant();
    if (state_ == State::Edit && row == current_)
        return buffer_[column];
    return rows_[row][column];
}

int Dataset::displayRowCount() const {
    return int(rows_.size()) + (state_ == State::Insert ? 1 : 0);
}

}  // namespace d7
