// The declaration database file and its schema.
#pragma once

#include <QString>
#include <array>

namespace d7 {

class Connection;

extern const QString kDatabaseFileName;   // looked up in the current folder
extern const QString kDatabasePassword;

// The tables a declaration is stored in, each with the column that holds the
// tax number of the person liable it belongs to.
struct DeclarationTableName {
    const char *name, *taxNumberColumn;
};
extern const std::array<DeclarationTableName, 7> kDeclarationTables;

// The schema as one script (tables in their column order, indexes).
QString SchemaSql();
// Creates a new, empty database file with the schema, keyed with the password.
// Refuses to touch an existing file.
void CreateDatabase(const QString &path, const QString &password);

// When each declaration was last changed is kept in a table of its own,
// declaration_changes (tax number, changed as "yyyy-MM-dd HH:mm:ss" local
// time), which the store itself writes with every change of a declaration's
// rows, in the same transaction. None of the declaration tables gains a column.
// Run on the read-write connection at start-up: a file made by an earlier
// version gets the table; it costs nothing when the file has it, and
// nothing on the server, whose tables are made with it.
void PrepareChangeLog(Connection &store);

}  // namespace d7
