// The declarations in one encrypted database file on this machine: the store
// of a single desk, and always the store of the reference lists.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>

#include "store/StoreDriver.h"

struct sqlite3;
struct sqlite3_stmt;

namespace d7 {

// The key of a database file, derived from its password once (the costly
// part of opening), so that further connections open at once. Empty when the
// file holds no salt to derive it with.
QByteArray DeriveRawKey(const QString &path, const QString &password);
// The salt a database file begins with, which its key is derived with; empty
// when the file cannot be read.
QByteArray FileSalt(const QString &path);

class FileStore : public StoreDriver {
public:
    enum class Access { Read, ReadWrite };

    // Opens an existing file; never creates one. Throws EngineError with the
    // engine's text on a missing file or a wrong password. A raw key derived
    // with DeriveRawKey spares the derivation; should it not open the file,
    // the password is tried. Read-write access to a file that cannot be
    // written is refused (UnwritableFileError).
    FileStore(const QString &path, const QString &password, Access access, const QByteArray &rawKey = {});
    ~FileStore() override;
    FileStore(const FileStore &) = delete;
    FileStore &operator=(const FileStore &) = delete;

    // Makes a new, empty file; refuses an existing one. The first connection
    // that writes to it keys it.
    static void create(const QString &path);

    QString location() const override { return m_path; }
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

    // The engine's own connection, for what only this engine does (an online copy).
    sqlite3 *handle() const { return m_db; }

private:
    class Statement;
    void openKeyed(const QString &keyPragma, int flags);
    void runScript(const QString &sql);
    // Prepared once per text: the same few statements run for every row.
    Statement &prepared(const QString &sql);

    QString m_path;
    sqlite3 *m_db = nullptr;
    QHash<QString, std::shared_ptr<Statement>> m_statements;
    QHash<QString, int> m_keyColumns;
};

}  // namespace d7
