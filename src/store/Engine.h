// What the program sees of a store, whichever engine holds it: a connection
// with nesting transactions, and a query object (Dataset) that keeps a snapshot
// of its rows and writes changes back at once. The engine itself sits behind
// the StoreDriver of the connection.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>

namespace d7 {

class StoreDriver;

// An error reported by the database engine; what() carries the engine's own
// text, or a Greek one where the user can act on it (the file is in use).
class EngineError : public std::runtime_error {
public:
    explicit EngineError(const QString &text, int code = 0);
    QString text() const { return QString::fromUtf8(what()); }
    int code() const { return m_code; }   // the engine's result code, 0 when not the engine's

private:
    int m_code;
};

// Shown when another program holds the file longer than the wait allows.
extern const QString kFileInUseMessage;

// An error of the data layer about the dataset itself (e.g. deleting from an
// empty result), not of the engine.
class DatasetError : public std::runtime_error {
public:
    explicit DatasetError(const QString &text);
    QString text() const { return QString::fromUtf8(what()); }
};

class Connection {
public:
    enum class Mode { Read, ReadWrite };

    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens a database file (FileStore): never creates one. Throws EngineError
    // with the engine's text on a missing file or a wrong password. A raw key
    // derived with DeriveRawKey spares the derivation; should it not open the
    // file, the password is tried. A read-write connection on a file that
    // cannot be written is refused (UnwritableFileError).
    void open(const QString &path, const QString &password, Mode mode, const QByteArray &rawKey = {});
    // Works through a driver opened elsewhere (the office server).
    void open(std::unique_ptr<StoreDriver> driver, Mode mode);
    void close();
    bool isOpen() const { return m_driver != nullptr; }
    Mode mode() const { return m_mode; }
    // The engine behind the connection; throws when it is closed.
    StoreDriver &driver() const;

    // Runs a statement that returns no rows; without values, a script of
    // several statements (schema).
    void execute(const QString &sql, const QVariantList &values = {});

    // Transactions nest: the outermost takes the write lock at once (waiting
    // for another program's write to end) and commits; inner ones are save
    // points. Use the Transaction guard rather than these.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return !m_levels.isEmpty(); }
    // Datasets remember, once per transaction level, how to return to the
    // state they had when it began; a rollback runs these, newest first.
    bool remembers(const void *owner) const;
    void remember(const void *owner, std::function<void()> restore);
    // Before a write inside a transaction: the engine may have rolled the
    // transaction back on its own after an error; writing on would then
    // commit piecemeal.
    void requireOpenTransaction() const;

private:
    struct Level {
        QString savepoint;
        QList<std::pair<const void *, std::function<void()>>> restores;
    };
    void leaveLevel(bool commit);
    std::unique_ptr<StoreDriver> m_driver;
    Mode m_mode = Mode::Read;
    QList<Level> m_levels;
};

// The database file exists but cannot be written (write-protected file or
// folder): nothing the user types could be stored.
class UnwritableFileError : public EngineError {
public:
    explicit UnwritableFileError(const QString &path);
};

// One user command's writes: all of them or none. Commit at the end; leaving
// the scope otherwise (an exception) rolls back the writes and the datasets.
class Transaction {
public:
    explicit Transaction(Connection &connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Connection &m_connection;
    bool m_done = false;
};

// The one place where the dialect of the stored statements is turned into the
// engine's: "+" between texts in a select list becomes "||".
QString TranslateSql(const QString &sql);

class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit Dataset(Connection *connection, QObject *parent = nullptr);
    ~Dataset() override;

    void setConnection(Connection *connection) { m_connection = connection; }
    Connection *connection() const { return m_connection; }
    // The statement open() runs; values fill its "?" placeholders in order.
    void setCommandText(const QString &sql, const QVariantList &values = {}) {
        m_commandText = sql;
        m_commandValues = values;
    }
    QString commandText() const { return m_commandText; }

    void open();
    void close();
    bool isActive() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    int recordCount() const { return int(m_rows.size()); }
    int recNo() const { return m_current; }      // index of the current row, -1 when none
    void first();
    void next();
    void moveTo(int index);
    bool eof() const { return m_eof; }
    bool isEmpty() const { return m_rows.isEmpty() && m_state != State::Insert; }

    int fieldCount() const { return int(m_fieldNames.size()); }
    QStringList fieldNames() const { return m_fieldNames; }
    int fieldIndex(const QString &name) const;   // case-insensitive, -1 when absent
    QVariant field(int i) const;                 // null QVariant for a null column
    QVariant fieldByName(const QString &name) const;
    bool isNull(int i) const { return field(i).isNull(); }
    QString text(int i) const;                   // the value as text, "" for null
    QString textByName(const QString &name) const;

    // Editing. edit() on a result without rows begins a new row instead.
    void insert();
    void edit();
    void setField(int i, const QVariant &value);
    void setFieldByName(const QString &name, const QVariant &value);
    // Runs the before-post hook, then writes the row at once. Returns false
    // when the hook refused the post (the row stays in editing).
    bool post();
    void cancel();
    void remove();                               // deletes the current row at once

    // The hook may change the row being posted; returning false refuses the
    // post silently.
    using BeforePost = std::function<bool(Dataset &)>;
    void setBeforePost(BeforePost hook) { m_beforePost = std::move(hook); }

    // The values shown for a row, the pending row included while editing.
    QVariant value(int row, int column) const;
    int displayRowCount() const;                 // rows plus a pending new row
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }

signals:
    // Emitted as a post begins, before the edit state is checked: a control
    // that still holds typed text for the current row hands it over now, so
    // that the post writes what the user sees.
    void aboutToPost();
    void dataChanged();        // rows or columns changed, or the pending row began or ended
    // One value of the row being edited changed; the rows stay as they are, so
    // a view keeps the cell editors it has open.
    void fieldChanged(int row, int field);
    void currentChanged(int row);

private:
    void requireActive() const;
    void requireUpdatable() const;
    void requireEditing() const;
    void readRow(const QVariant &key, QVector<QVariant> &into);
    void rememberForRollback();
    void setCurrent(int index);

    Connection *m_connection;
    QString m_commandText;
    QVariantList m_commandValues;
    State m_state = State::Inactive;
    QStringList m_fieldNames;
    QVector<QVector<QVariant>> m_rows;
    int m_current = -1;
    bool m_eof = true;
    QString m_table;            // set when the statement is "select * from <table> ..."
    int m_keyColumn = -1;       // position of the row identifier in m_table
    QVector<QVariant> m_buffer;
    QVector<bool> m_modified;
    BeforePost m_beforePost;
};

}  // namespace d7
