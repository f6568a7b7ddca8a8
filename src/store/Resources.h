#pragma once

#include <QString>

namespace d7 {
// The compiled-in files (schema, pictures) of the static library; safe to call
// more than once.
void InitResources();
// A compiled-in text file, as UTF-8; throws an EngineError when it is missing.
QString ResourceText(const QString &path);
}  // namespace d7
