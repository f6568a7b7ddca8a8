// Files the program writes for the user (the upload file, the print pages,
// the desktop entry) are written whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>

namespace d7 {

enum class FileKind { Plain, Executable };

// Writes the bytes beside the target, flushes them to disk and renames the
// result over the target. False when any step fails: an earlier file keeps
// its bytes and no partial or temporary file remains. An executable file may
// be started by whoever may read it.
bool WriteWholeFile(const QString &path, const QByteArray &bytes, FileKind kind = FileKind::Plain);

}  // namespace d7
