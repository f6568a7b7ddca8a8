#include "help/HelpMenu.h"

#include <QAction>

#include "widgets/Command.h"
#include "help/AboutBox.h"
#include "help/DesktopEntry.h"
#include "help/TopicWindow.h"

namespace d7 {

namespace {

class HelpMenu : public QObject {
public:
    HelpMenu(QWidget *window, const HelpCommands &commands)
        : QObject(window),
          m_window(window),
          m_manual(new TopicWindow(kUserManual, HelpFolder(), window)),
          m_formHelp(new TopicWindow(kFormHelp, HelpFolder(), window)) {
        ConnectCommand(commands.manual, &QAction::triggered, this, [this] { showManual(); });
        ConnectCommand(commands.formHelp, &QAction::triggered, this, [this] { showFormHelp(); });
        ConnectCommand(commands.about, &QAction::triggered, this, [this] { showAbout(); });
        ConnectCommand(commands.desktopShortcut, &QAction::triggered, this, [] { CreateDesktopShortcut(); });
        ConnectCommand(commands.usage, &QAction::triggered, this, [this] { showManualOnUsage(); });
    }

private:
    // N7Click: always back to the installation instructions.
    void showManual() {
        m_manual->showTopic(0);
        m_manual->bringUp();
    }
    // F1: the instructions for use.
    void showManualOnUsage() {
        m_manual->showTopic(1);
        m_manual->bringUp();
    }
    // N91Click: on whatever topic was chosen last.
    void showFormHelp() { m_formHelp->bringUp(); }
    // N9Click: a new box each time.
    void showAbout() {
        AboutBox box(m_window);
        box.exec();
    }

    QWidget *m_window;
    TopicWindow *m_manual, *m_formHelp;
};

}  // namespace

void AttachHelp(QWidget *window, const HelpCommands &commands) { new HelpMenu(window, commands); }

}  // namespace d7
