// The one seam between the program and a database engine. A Connection holds
// one driver; the encrypted file and the office server are its two kinds.
// Above this interface nothing knows which engine holds the declarations:
// statements use "?" placeholders with bound values and portable SQL, and rows
// of a table are addressed by its key, the table's first column.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace d7 {

// The rows a statement returned, with the columns named as the store reports
// them (letter case included: the upload file takes element names from them).
struct QueryResult {
    QStringList columns;
    QVector<QVector<QVariant>> rows;
};

// A declaration that another desk holds open, and the name of that desk.
struct DeclarationHolder {
    QString taxNumber;
    QString desk;
};

class StoreDriver {
public:
    virtual ~StoreDriver() = default;

    // Where the declarations are, as the user is told (a file, a server).
    virtual QString location() const = 0;

    // Statements with "?" placeholders; values are bound in order, never
    // spliced into the text. Errors throw EngineError.
    virtual QueryResult select(const QString &sql, const QVariantList &values = {}) = 0;
    virtual void execute(const QString &sql, const QVariantList &values = {}) = 0;

    // The outermost transaction takes the write lock at once, waiting for
    // another writer; save points nest inside it. The rollbacks never throw:
    // they run while an error is on its way up.
    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() noexcept = 0;
    virtual void savepoint(const QString &name) = 0;
    virtual void releaseSavepoint(const QString &name) = 0;
    virtual void rollbackToSavepoint(const QString &name) noexcept = 0;
    // False when the engine ended the open transaction on its own after an
    // error; writing on would then commit piecemeal.
    virtual bool transactionAlive() const = 0;

    // A table's key: the position of the column that identifies a row and that
    // the store assigns on insert, -1 when the table has none.
    virtual int keyColumn(const QString &table) = 0;
    // Writes one row and returns its new key.
    virtual QVariant insertRow(const QString &table, const QStringList &columns, const QVariantList &values) = 0;
    virtual void updateRow(const QString &table, const QString &keyName, const QVariant &key,
                           const QStringList &columns, const QVariantList &values) = 0;
    virtual void deleteRow(const QString &table, const QString &keyName, const QVariant &key) = 0;
    // Every column of the row, in table order; empty when it is gone.
    virtual QVector<QVariant> readRow(const QString &table, const QString &keyName, const QVariant &key) = 0;

    // One desk per declaration, where several desks share a store. The lock
    // on a declaration is held by this connection until it is released or
    // the connection ends; taking one that another desk holds is refused
    // with an EngineError naming that desk. A store with a single desk (the
    // file) has nothing to lock.
    virtual void lockDeclaration(const QString &taxNumber) { Q_UNUSED(taxNumber); }
    virtual void unlockDeclaration(const QString &taxNumber) { Q_UNUSED(taxNumber); }
    virtual bool holdsDeclaration(const QString &taxNumber) const { Q_UNUSED(taxNumber); return false; }
    virtual QList<DeclarationHolder> declarationsOpenElsewhere() { return {}; }
};

}  // namespace d7
