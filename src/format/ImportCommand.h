// The menu command that imports upload files: the files chosen, a question
// before a stored declaration is replaced, one report at the end.
#pragma once

#include <QStringList>

namespace d7 {

class Connection;

// Returns the tax numbers whose declarations were imported or replaced.
QStringList ImportUploadFiles(Connection &store);

}  // namespace d7
