// The program without a window, for batch work and scripts:
//   d7 --import [--replace] FILE...   upload files into the database of the current folder
//   d7 --export TAXNUMBER FILE        the upload file of a stored declaration
//   d7 --server URI --copy-from FILE [--replace]   the declarations of a file onto the office server
//   d7 --help, d7 --version
// --server URI works on the office server instead of the file (as does the
// server set in d7.conf).
// With none of these the window opens.
#pragma once

#include <QStringList>

namespace d7 {

// Whether the arguments ask for the command line rather than the window.
bool WantsCommandLine(int argc, char **argv);

// Runs the command; messages go to the terminal in Greek, as the window says
// them. Returns the exit status: 0 only when everything asked for was done.
int RunCommandLine(const QStringList &arguments);

}  // namespace d7
