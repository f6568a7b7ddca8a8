// What the main window's Help menu, its F1 key and its desktop-entry command do.
#pragma once

namespace d7 {

class TForm1;

// Creates the manual and form-help windows (hidden, each on its first page,
// kept for the life of the main window) and gives the commands their work.
void AttachHelp(TForm1 &form);

}  // namespace d7
