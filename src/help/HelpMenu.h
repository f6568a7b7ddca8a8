// What the main window's Help menu, its F1 key and its desktop-entry command do.
#pragma once

namespace d7 {

class MainWindow;

// Creates the manual and form-help windows (hidden, each on its first page,
// kept for the life of the main window) and gives the commands their work.
void AttachHelp(MainWindow &form);

}  // namespace d7
