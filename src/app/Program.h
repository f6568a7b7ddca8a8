#pragma once

#include <QStringList>

namespace d7 {

// Runs the program in the current process: the main window on the database of
// the current folder, then the event loop. When the database cannot be opened
// the engine's text is shown and a non-zero status returned.
// "--server URI" names the office server; without it the one set in d7.conf
// is used, else the file. A server that cannot be reached is named, with the
// reason, and the program ends: it never falls back to the file, which would
// split the office's declarations in two.
int RunProgram(const QStringList &arguments);

}  // namespace d7
