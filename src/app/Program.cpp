#include "app/Program.h"

#include <QApplication>
#include <QDir>
#include <memory>

#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "app/QtTexts.h"
#include "backup/BackupPolicy.h"
#include "help/AboutBox.h"
#include "store/Database.h"
#include "store/Engine.h"

namespace d7 {

int RunProgram() {
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(ProgramIcon());
    std::unique_ptr<MainWindow> form;
    InstallGreekQtTexts();
    // The day's first copy of the file, before anything writes to it.
    const DailyBackup backup = MakeDailyBackup(QDir::current().absoluteFilePath(kDatabaseFileName));
    try {
        form = std::make_unique<MainWindow>();
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
