#include "app/Program.h"

#include <QApplication>
#include <memory>

#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "app/QtTexts.h"
#include "help/AboutBox.h"
#include "help/HelpMenu.h"
#include "store/Engine.h"

namespace d7 {

int RunProgram() {
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(ProgramIcon());
    std::unique_ptr<MainWindow> form;
    InstallGreekQtTexts();
    try {
        form = std::make_unique<MainWindow>();
    } catch (const EngineError &e) {
        ShowErrorText(e.text());
        return 1;
    }
    form->attachHelp();
    form->show();
    form->activateWindow();
    return QApplication::exec();
}

}  // namespace d7
