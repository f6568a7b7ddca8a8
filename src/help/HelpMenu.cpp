#include "help/HelpMenu.h"

#include <QAction>

#include "widgets/Command.h"
#include "app/MainWindow.h"
#include "help/AboutBox.h"
#include "help/DesktopEntry.h"
#include "help/TopicWindow.h"

namespace d7 {

namespace {

class HelpMenu : public QObject {
public:
    explicit HelpMenu(MainWindow &form)
        : QObject(&form),
          m_form(form),
          m_manual(new TopicWindow(kUserManual, HelpFolder(), &form)),
          m_formHelp(new TopicWindow(kFormHelp, HelpFolder(), &form)) {
        ConnectCommand(form.m_manualAction, &QAction::triggered, this, [this] { showManual(); });
        ConnectCommand(form.m_formHelpAction, &QAction::triggered, this, [this] { showFormHelp(); });
        ConnectCommand(form.m_aboutAction, &QAction::triggered, this, [this] { showAbout(); });
        ConnectCommand(form.m_shortcutAction, &QAction::triggered, this, [] { CreateDesktopShortcut(); });
        connect(&form, &MainWindow::helpKeyPressed, this, [this] { showManualOnUsage(); });
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
        AboutBox box(&m_form);
        box.exec();
    }

    MainWindow &m_form;
    TopicWindow *m_manual, *m_formHelp;
};

}  // namespace

void AttachHelp(MainWindow &form) { new HelpMenu(form); }

}  // namespace d7
