#include "app/Program.h"

#include <QApplication>
#include <QDir>
#include <memory>

#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "app/QtTexts.h"
#include "app/StoreChoice.h"
#include "backup/BackupPolicy.h"
#include "help/AboutBox.h"
#include "store/Database.h"
#include "store/Engine.h"

namespace d7 {

namespace {

QString serverArgument(const QStringList &arguments) {
    const int at = arguments.indexOf(QStringLiteral("--server"));
    if (at >= 0 && at + 1 < arguments.size())
        return arguments[at + 1];
    for (const QString &a : arguments)
        if (a.startsWith(QStringLiteral("--server=")))
            return a.mid(9);
    return ConfiguredServer();
}

}  // namespace

int RunProgram(const QStringList &arguments) {
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(ProgramIcon());
    std::unique_ptr<MainWindow> form;
    InstallGreekQtTexts();
    const QString server = serverArgument(arguments);
    // The day's first copy of the file, before anything writes to it; a
    // server keeps its own backups.
    const DailyBackup backup =
        server.isEmpty() ? MakeDailyBackup(QDir::current().absoluteFilePath(kDatabaseFileName)) : DailyBackup{};
    try {
        form = std::make_unique<MainWindow>(server);
    } catch (const EngineError &e) {
        ShowErrorText(e.text());
        return 1;
    }
    form->attachHelp();
    if (backup.result == DailyBackup::Result::Failed)
        form->showStatusNote(backup.note);
    form->show();
    form->activateWindow();
    return QApplication::exec();
}

}  // namespace d7
