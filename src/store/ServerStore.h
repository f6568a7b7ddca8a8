// The declarations of an office on its PostgreSQL server, shared by several
// desks at once; one desk at a time edits a declaration, by a lock its
// session holds. The reference lists stay in the local file.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

#include "store/ServerError.h"
#include "store/StoreDriver.h"

struct pg_conn;
struct pg_result;

namespace d7 {

class ServerStore : public StoreDriver {
public:
    // Connects with a connection string in libpq's own syntax (a URI, key
    // words, a service or a database name; the PG* variables and the
    // password file apply as usual). A password given here is used when the
    // string and the password file have none. In an empty database the
    // tables are made; tables of another version are refused. Throws
    // ServerError.
    explicit ServerStore(const QString &connectionString, const QString &password = {});
    ~ServerStore() override;
    ServerStore(const ServerStore &) = delete;
    ServerStore &operator=(const ServerStore &) = delete;

    // The name under which other desks see this one: user@host.
    static QString DeskName();

    QString location() const override { return m_server; }
    QueryResult select(const QString &sql, const QVariantList &values = {}) override;
    void execute(const QString &sql, const QVariantList &values = {}) override;
    void begin() override;
    void commit() override;
    void rollback() noexcept override;
    void savepoint(const QString &name) override;
    void releaseSavepoint(const QString &name) override;
    void rollbackToSavepoint(const QString &name) noexcept override;
    bool transactionAlive() const override;
    int keyColumn(const QString &table) override;
    QVariant insertRow(const QString &table, const QStringList &columns, const QVariantList &values) override;
    void updateRow(const QString &table, const QString &keyName, const QVariant &key, const QStringList &columns,
                   const QVariantList &values) override;
    void deleteRow(const QString &table, const QString &keyName, const QVariant &key) override;
    QVector<QVariant> readRow(const QString &table, const QString &keyName, const QVariant &key) override;

    // A lost session loses its locks on the server; the next command
    // connects again and takes them back, and refuses to write while another
    // desk holds one of them.
    void lockDeclaration(const QString &taxNumber) override;
    void unlockDeclaration(const QString &taxNumber) override;
    bool holdsDeclaration(const QString &taxNumber) const override { return m_heldLocks.contains(taxNumber); }
    QList<DeclarationHolder> declarationsOpenElsewhere() override;

private:
    struct Key {
        int position = -1;
        QString name;
    };
    enum class Access { Reads, Writes };
    class Result;
    // A statement as the server takes it, worked out once per text.
    struct Statement {
        QByteArray text;                 // the placeholders numbered
        QHash<QString, QString> words;   // as written, by lower case
        QByteArray name;                 // prepared under this name in the session; empty until then
    };

    void connect();
    void useDeskTimeZone();
    void prepareSchema();
    // Connects again when the session was lost between commands; within a
    // transaction a lost session is an error, since the server rolled it back.
    void ensureSession();
    // Takes back the locks a lost session lost; throws when another desk has
    // one and refuse is set.
    void retakeLocks(bool refuse);
    bool tryLock(const QString &taxNumber, QString *holder);
    Result run(const QString &sql, const QVariantList &values, Access access);
    Result runOnce(const QString &sql, const QVariantList &values, Access access);
    Result runScript(const QString &sql);
    ServerError errorOf(pg_result *result) const;
    Statement &statementOf(const QString &sql);
    QStringList columnNames(pg_result *result, const QHash<QString, QString> &written);
    Key keyOf(const QString &table);

    QString m_connectionString;
    QString m_password;
    QString m_server;   // host:port/database, as the user is told
    pg_conn *m_conn = nullptr;
    bool m_inTransaction = false;
    QSet<QString> m_heldLocks;     // tax numbers this session holds
    QSet<QString> m_lostLocks;     // held before the session was lost, not yet taken back
    QHash<QString, Key> m_keys;    // by table, lower case
    QHash<uint, QString> m_tables; // table names by the server's object id
    QHash<QString, Statement> m_statements;   // by the program's text
    int m_prepared = 0;
};

}  // namespace d7
