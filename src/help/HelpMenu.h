// What the Help menu, the F1 key and the desktop-entry command do.
#pragma once

class QAction;
class QWidget;

namespace d7 {

// The commands the help gives work to; usage is triggered by F1.
struct HelpCommands {
    QAction *manual;
    QAction *formHelp;
    QAction *about;
    QAction *desktopShortcut;
    QAction *usage;
};

// Creates the manual and form-help windows over the window (hidden, each on
// its first page, kept for the window's life) and gives the commands their work.
void AttachHelp(QWidget *window, const HelpCommands &commands);

}  // namespace d7
