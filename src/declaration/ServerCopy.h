// Moving an office onto its server: every declaration of a database file
// copied onto the server, in one transaction there; the file is only read.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace d7 {

class Connection;

// Declarations the server holds already are named to mayReplace, whose
// answer decides whether they are replaced or left as they are. Returns the
// Greek report of what was copied. Throws the store's errors (nothing is
// then written).
QString CopyToServer(Connection &file, Connection &server,
                     const std::function<bool(const QStringList &there)> &mayReplace);

}  // namespace d7
