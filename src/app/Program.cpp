#include "app/Program.h"

#include <QApplication>
#include <memory>

#include "app/Dialogs.h"
#include "app/Main.h"
#include "app/QtTexts.h"
#include "help/AboutBox.h"
#include "help/HelpMenu.h"
#include "store/Engine.h"

namespace d7 {

int RunProgram() {
    QApplication::setApplicationName(kApplicationTitle);
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(ProgramIcon());
    InstallGreekQtTexts();
    std::unique_ptr<TForm1> form;
    try {
        form = std::make_unique<TForm1>();
    } catch (const EngineError &e) {
        ShowErrorText(e.text());
        return 1;
    }
    AttachHelp(*form);
    form->show();
    form->activateWindow();
    return QApplication::exec();
}

}  // namespace d7
