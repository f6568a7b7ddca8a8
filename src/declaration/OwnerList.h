// The persons a stored row may belong to, as the wizards list them, and the
// owner codes the rows store.
#pragma once

#include <QString>
#include <QStringList>

namespace d7 {

// The owner list: the person liable, the spouse when any spouse cell is
// filled, then one entry per child ("ΣΤΟ 1 ΠΑΙΔΙ", ...).
QStringList OwnerListItems(bool spouseHasData, int childCount);
// The owner code of the chosen entry: "1" the person liable, "2" the spouse,
// child n gets n + 2 (the numbering the upload file gives the children), so
// the code always belongs to the person the text names.
QString ResolveOwnerCode(int index, const QString &text);

}  // namespace d7
