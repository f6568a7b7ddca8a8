#include "help/DesktopEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "files/WholeFile.h"
#include "widgets/Dialogs.h"

namespace d7 {

namespace {

const QString kShortcutName = QStringLiteral("D7-ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΩΝ");

QString withTrailingSeparator(const QString &folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

}  // namespace

QString EscapeEntryValue(const QString &value) {
    QString out;
    for (QChar c : value) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\r': out += QLatin1String("\\r"); break;
        default: out += c;
        }
    }
    return out;
}

QString QuoteExecArgument(const QString &argument) {
    // Always quoted: a quoted argument may hold any character, and a path with
    // blanks is common on a desktop.
    QString out = QStringLiteral("\"");
    for (QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        out += c;
        if (c == QLatin1Char('%'))   // a lone % would start a field code
            out += QLatin1Char('%');
    }
    return out + QLatin1Char('"');
}

QString DesktopEntryText(const DesktopEntry &entry) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Exec=%2\n"
                          "Path=%3\n"
                          "Icon=%4\n"
                          "Terminal=false\n")
        .arg(EscapeEntryValue(entry.name), EscapeEntryValue(QuoteExecArgument(entry.program)),
             EscapeEntryValue(entry.workingFolder), EscapeEntryValue(entry.icon));
}

bool WriteDesktopEntry(const QString &path, const DesktopEntry &entry) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // An older entry is replaced only by a complete one; file managers start
    // only entries marked executable.
    return WriteWholeFile(path, DesktopEntryText(entry).toUtf8(), FileKind::Executable);
}

void CreateDesktopShortcut() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // The entry starts the program in the folder it runs in now, the one that
    // holds the user's database, rather than in the program's own folder: an
    // installed program's folder belongs to the system, and its launcher runs
    // it in the user's data folder. Run from its own folder, both are the same.
    const DesktopEntry entry{kShortcutName, QCoreApplication::applicationFilePath(),
                             withTrailingSeparator(QDir::currentPath()),
                             QCoreApplication::applicationDirPath() + QStringLiteral("/d7.png")};
    if (desktop.isEmpty() ||
        !WriteDesktopEntry(QDir(desktop).filePath(kShortcutName + QStringLiteral(".desktop")), entry))
        ShowMessageText(QStringLiteral("Υπήρξε κάποιο πρόβλημα κατά τη δημιουργία της συντόμευσης"));
}

}  // namespace d7
