// The declaration database file and its schema.
#pragma once

#include <QString>

namespace d7 {

class Connection;

extern const QString kDatabaseFileName;   // looked up in the current folder
extern const QString kDatabasePassword;

// The schema as one script (tables in their column order, indexes).
QString SchemaSql();
// Creates a new, empty database file with the schema, keyed with the password.
// Refuses to touch an existing file.
void CreateDatabase(const QString &path, const QString &password);

}  // namespace d7
