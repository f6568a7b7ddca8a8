// A connection string of the office server as the user gives it, in libpq's
// own syntax (a URI, key words, a service).
#pragma once

#include <QString>

namespace d7 {

// Whether the string carries a password; such a string is never saved.
bool ConnectionStringHasPassword(const QString &connectionString);

}  // namespace d7
