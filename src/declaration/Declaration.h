// The open declaration, without a window.
//
// How the program fits together:
// - MainWindow (src/app/) composes: it opens the store, builds the menus and
//   the pages, wires the commands, and owns one Declaration and the
//   ReferenceLists.
// - The pages (src/pages/), the export, the print and help commands get the
//   Declaration and the reference lists they need, never the window. A page
//   shows the declaration's values and hands back what the user typed as plain
//   values (GeneralData); the children and the stored rows are datasets of
//   the declaration that the page's grids show and edit in place.
// - Declaration opens one declaration by tax number, holds its values and
//   rows, stores them (one transaction per command), validates it, appends and
//   deletes rows. The command line's export uses it the same way.
// - The store (src/store/) is the only part that knows the engine: a
//   Connection over a StoreDriver, the encrypted file or the office server.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <stdexcept>

#include "declaration/Validation.h"
#include "store/Access.h"
#include "store/Engine.h"

namespace d7 {

// The general data as the general page shows them. A null text is a value
// never stored (the page then leaves its control as it was cleared).
struct GeneralData {
    QString taxOfficeName;
    QString taxOfficeCode;
    int kind = 0;                        // 0 initial, 1 supplementary, 2 revoking
    QString notes;
    QStringList taxpayer = QStringList(4);         // surname or company name, name, father's name, tax number
    QStringList spouse = QStringList(5);           // surname, name, father's name, identity card, tax number
    QStringList representative = QStringList(5);  // capacity, surname, name, identity card, tax number
};

// The kinds of declaration as the program names them, by kind.
QStringList DeclarationKindNames();

// The tables of one declaration.
enum class DeclarationTable { General, Taxpayer, Spouse, Children, Representative, Table1, Table2 };

// Stored rows with every column, named as the store reports them.
struct TableRows {
    QStringList columns;
    QVector<QVector<QVariant>> rows;
};

// The declaration's first row could not be stored: nothing was opened.
class OpenFailed : public std::runtime_error {
public:
    OpenFailed() : std::runtime_error("the declaration could not be created") {}
};

class Declaration : public QObject {
    Q_OBJECT
public:
    explicit Declaration(QObject *parent = nullptr);
    ~Declaration() override;

    // The store of the declarations, opened by the owner before any command.
    Connection &store() { return m_store; }

    bool isOpen() const { return !m_taxNumber.isEmpty(); }
    const QString &taxNumber() const { return m_taxNumber; }

    // Opens the declaration of a tax number, creating it (the person liable's
    // row) when the number is new, and reads its values and rows. Throws
    // OpenFailed when the new row cannot be stored; the declaration that was
    // open then stays open. On a store that several desks share, a
    // declaration another desk holds is refused (the store's error names the
    // desk) and nothing changes. Errors while reading reach the caller.
    void open(const QString &taxNumber);
    // No declaration open, as at start-up; nothing is stored.
    void close();

    // The values as the user sees them; whoever shows them hands back every
    // change, so the stores and the checks work on what is shown.
    const GeneralData &generalData() const { return m_general; }
    void setGeneralData(const GeneralData &data) { m_general = data; }

    // The general data in one transaction: a child still being typed, the
    // person liable, the spouse, the general row, the representative.
    void storeGeneralData();
    // The single writes, for a caller that asks between them; a spouse or
    // representative whose values are all empty has its row deleted.
    void storeTaxpayer();
    void storeSpouse();
    void storeGeneralRow();
    void storeRepresentative();
    // Posts a child still being typed; errors are swallowed.
    void postPendingChild();

    // The check of the whole declaration (codes of CheckDeclaration). The
    // children are left on the row that failed, else on the first.
    int validate();
    // The persons a row may belong to: the person liable, the spouse when any
    // spouse value is filled, and each child.
    QStringList ownerList() const;
    int kind() const { return m_general.kind; }

    // The children, Table 1 and Table 2 rows, kept open while the declaration is.
    Dataset &children() const { return *m_children; }
    Dataset &table1Rows() const { return *m_table1Rows; }
    Dataset &table2Rows() const { return *m_table2Rows; }

    // The stored rows of a table: the person tables read afresh (their first
    // row), the others as their kept-open dataset holds them, which is then
    // left on its first row (a child still being typed is posted first).
    TableRows rows(DeclarationTable table);

    // Appends a Table 1 or Table 2 row in one transaction: whole or not at
    // all. The kept-open rows are not read again until reloadRows.
    void appendRow(DeclarationTable table, const ColumnValues &values);
    void reloadRows(DeclarationTable table);
    // Deletes a child, Table 1 or Table 2 row (by its index among the kept-open
    // rows) in one transaction.
    void deleteRow(DeclarationTable table, int index);

private:
    Dataset *dataset(const char *name, const QString &sql = {});
    Dataset &keptRows(DeclarationTable table) const;
    void readGeneralData();
    void storePerson(DeclarationTable table, const QStringList &values);
    void unlock(const QString &taxNumber);

    Connection m_store;
    Dataset *m_personRow;    // the general-purpose dataset: one person row at a time
    Dataset *m_children;
    Dataset *m_newRow;       // opened on an empty result to append a row
    Dataset *m_table1Rows;
    Dataset *m_table2Rows;
    QString m_taxNumber;
    GeneralData m_general;
};

}  // namespace d7
