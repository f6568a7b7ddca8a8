// The stored Table 1 row: which of its 37 columns a store writes, and with what.
#pragma once

#include <QString>
#include <optional>

#include "store/Access.h"

namespace d7 {

struct Table1Answers;

// Where the row is stored from: the owner step of an initial declaration, or
// the kind-of-entry step of a supplementary or revoking one. The first leaves
// the columns of skipped pages NULL and never writes the kind of entry; the
// second writes every column.
enum class Table1StoreStep { OwnerStep, KindOfEntryStep };

// The columns written, in position order, as text. kindOfEntry is the index
// of the chosen kind of entry (0 none, 1 new, 2 change, 3 deletion).
ColumnValues Table1RowValues(const Table1Answers &answers, Table1StoreStep step, int kindOfEntry,
                             const QString &taxNumber);

// The stored floor code of a floor list code: the basement "Y" or "Υ" as it
// is, a whole number in plain decimal form ("01" gives "1"); nothing for a
// code that is neither.
std::optional<QString> StoredFloorCode(const QString &listCode);

}  // namespace d7
