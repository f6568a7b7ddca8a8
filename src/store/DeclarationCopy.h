// Moving an office onto its server: the declarations of a database file
// copied to another store, all in one transaction there. The file is only read.
#pragma once

#include <QStringList>

namespace d7 {

class Connection;

// The tax numbers of the declarations a store holds, in order.
QStringList DeclarationTaxNumbers(Connection &store);

// Copies the declarations of source into target in one transaction of the
// target, each table's rows in the source's order, the target giving the
// keys. A declaration the target holds already is left as it is, unless
// replace is set: then its rows there are replaced. A declaration open at
// another desk is not touched: the copy is refused, naming that desk, and
// nothing is written. Returns the tax numbers copied.
QStringList CopyDeclarations(Connection &source, Connection &target, bool replace);

}  // namespace d7
