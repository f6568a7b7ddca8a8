// The desktop entry that starts the program from the user's desktop.
#pragma once

#include <QString>

namespace d7 {

struct DesktopEntry {
    QString name;
    QString program;         // absolute path of the program file
    QString workingFolder;   // with its trailing separator
    QString icon;            // absolute path of an icon file, or a theme icon name
};

// A value as a desktop entry file holds it: backslash and control characters escaped.
QString EscapeEntryValue(const QString &value);
// One argument of an Exec line, quoted so that blanks, quotes, `$` and `%`
// reach the program unchanged (before the value is escaped as a whole).
QString QuoteExecArgument(const QString &argument);
// The text of the file: a [Desktop Entry] group of an application.
QString DesktopEntryText(const DesktopEntry &entry);

// Writes the entry as an executable file, replacing one of the same name.
// False when it could not be written.
bool WriteDesktopEntry(const QString &path, const DesktopEntry &entry);

// The menu command: an entry for the running program, started in the current
// folder, on the user's desktop; the failure message when it cannot be written.
void CreateDesktopShortcut();

}  // namespace d7
