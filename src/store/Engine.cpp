#include "store/Engine.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace d7 {

namespace {

QString engineText(sqlite3 *db) {
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
}

// A prepared statement that is finalised whatever happens.
class Statement {
public:
    Statement(sqlite3 *db, const QString &sql) {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt_, nullptr) != SQLITE_OK)
            throw EngineError(engineText(db));
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
            throw EngineError(engineText(sqlite3_db_handle(stmt_)));
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
        throw EngineError(engineText(sqlite3_db_handle(stmt_)));
    }

private:
    sqlite3_stmt *stmt_ = nullptr;
};

QString quoteIdentifier(const QString &name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

}  // namespace

EngineError::EngineError(const QString &text) : std::runtime_error(text.toStdString()) {}
DatasetError::DatasetError(const QString &text) : std::runtime_error(text.toStdString()) {}

// ---------------------------------------------------------------- Connection

Connection::~Connection() { close(); }

void Connection::open(const QString &path, const QString &password, Mode mode) {
    close();
    const int flags = (mode == Mode::Read ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString text = engineText(db);
        sqlite3_close(db);
        throw EngineError(text);
    }
    db_ = db;
    mode_ = mode;
    try {
        // The key is only checked when the file is first read, so read at once:
        // a wrong password must fail here and not at some later command.
        execute(QStringLiteral("PRAGMA key = '%1'").arg(QString(password).replace("'", "''")));
        Statement probe(db_, QStringLiteral("SELECT count(*) FROM sqlite_master"));
        probe.step();
        sqlite3_busy_timeout(db_, 5000);
    } catch (...) {
        close();
        throw;
    }
}

void Connection::close() {
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
        const QString text = message ? QString::fromUtf8(message) : engineText(db_);
        sqlite3_free(message);
        throw EngineError(text);
    }
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

void Dataset::open() {
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
    if (beforePost_ && !beforePost_(*this))
        return false;
    if (!isEditing())   // the hook may have cancelled the row
        return false;

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
