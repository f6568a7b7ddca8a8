#pragma once

namespace d7 {

// Runs the program in the current process: the main window on the database of
// the current folder, then the event loop. When the database cannot be opened
// the engine's text is shown and a non-zero status returned.
int RunProgram();

}  // namespace d7
