#include "store/Engine.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <algorithm>

#include "store/FileStore.h"
#include "store/StoreDriver.h"

namespace d7 {

const QString kFileInUseMessage = QStringLiteral(
    "Το αρχείο των δηλώσεων χρησιμοποιείται αυτή τη στιγμή από άλλο πρόγραμμα. "
    "Παρακαλώ προσπαθήστε ξανά σε λίγο.");


EngineError::EngineError(const QString &text, int code) : std::runtime_error(text.toStdString()), m_code(code) {}

UnwritableFileError::UnwritableFileError(const QString &path)
    : EngineError(QStringLiteral("Το αρχείο των δηλώσεων «%1» δεν μπορεί να ανοιχτεί για εγγραφή: "
                                 "το ίδιο ή ο φάκελός του επιτρέπουν μόνο ανάγνωση, οπότε καμία δήλωση δεν θα "
                                 "μπορούσε να αποθηκευτεί. Το πρόγραμμα τερματίζεται χωρίς να αλλάξει το αρχείο.")
                      .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())),
                  0) {}

DatasetError::DatasetError(const QString &text) : std::runtime_error(text.toStdString()) {}

// ---------------------------------------------------------------- Connection

Connection::Connection() = default;

Connection::~Connection() { close(); }

void Connection::open(const QString &path, const QString &password, Mode mode, const QByteArray &rawKey) {
    close();
    open(std::make_unique<FileStore>(path, password,
                                     mode == Mode::Read ? FileStore::Access::Read : FileStore::Access::ReadWrite,
                                     rawKey),
         mode);
}

void Connection::open(std::unique_ptr<StoreDriver> driver, Mode mode) {
    close();
    m_driver = std::move(driver);
    m_mode = mode;
}

void Connection::close() {
    m_levels.clear();
    m_driver.reset();
}

StoreDriver &Connection::driver() const {
    if (!m_driver)
        throw EngineError(QStringLiteral("the connection is not open"));
    return *m_driver;
}

void Connection::execute(const QString &sql, const QVariantList &values) { driver().execute(sql, values); }

void Connection::begin() {
    if (m_levels.isEmpty()) {
        driver().begin();
        m_levels.append({QString(), {}});
    } else {
        const QString name = QStringLiteral("level%1").arg(m_levels.size());
        driver().savepoint(name);
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
            if (outermost)
                driver().commit();
            else
                driver().releaseSavepoint(savepoint);
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
    if (m_driver) {
        if (outermost)
            m_driver->rollback();
        else
            m_driver->rollbackToSavepoint(savepoint);
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
    if (!m_levels.isEmpty() && m_driver && !m_driver->transactionAlive())
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
    StoreDriver &driver = m_connection->driver();
    QueryResult result = driver.select(TranslateSql(m_commandText), m_commandValues);

    // Only "select * from <one table> ..." can be written back, by the table's key.
    static const QRegularExpression single(
        QStringLiteral(R"(^\s*select\s+\*\s+from\s+(\w+)\s*(?:$|where\b|order\b))"),
        QRegularExpression::CaseInsensitiveOption);
    QString table;
    int keyColumn = -1;
    const auto m = single.match(m_commandText);
    if (m.hasMatch()) {
        keyColumn = driver.keyColumn(m.captured(1));
        if (keyColumn >= 0)
            table = m.captured(1);
    }
    m_fieldNames = std::move(result.columns);
    m_rows = std::move(result.rows);
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

void Dataset::readRow(const QVariant &key, QVector<QVariant> &into) {
    const QVector<QVariant> row = m_connection->driver().readRow(m_table, m_fieldNames[m_keyColumn], key);
    for (int i = 0; i < into.size() && i < row.size(); ++i)
        into[i] = row[i];
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
    QVariantList values;
    for (int i = 0; i < m_fieldNames.size(); ++i) {
        // A value set to what the row holds already is not written again: a
        // store that changes nothing leaves the row, and its time of change,
        // as they were.
        const bool unchanged = m_state == State::Edit && m_buffer[i].isNull() == m_rows[m_current][i].isNull() &&
                               m_buffer[i] == m_rows[m_current][i];
        if (m_modified[i] && i != m_keyColumn && !unchanged) {
            columns << m_fieldNames[i];
            values << m_buffer[i];
        }
    }
    StoreDriver &driver = m_connection->driver();
    const QString keyName = m_fieldNames[m_keyColumn];
    if (m_state == State::Insert) {
        const QVariant key = driver.insertRow(m_table, columns, values);
        QVector<QVariant> row(m_fieldNames.size());
        readRow(key, row);
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
            driver.updateRow(m_table, keyName, key, columns, values);
            readRow(key, m_rows[m_current]);
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
    m_connection->driver().deleteRow(m_table, m_fieldNames[m_keyColumn], m_rows[m_current][m_keyColumn]);
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
