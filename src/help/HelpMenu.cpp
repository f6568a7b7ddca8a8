#include "help/HelpMenu.h"

#include <QAction>

#include "widgets/Command.h"
#include "app/Main.h"
#include "help/AboutBox.h"
#include "help/DesktopEntry.h"
#include "help/TopicWindow.h"

namespace d7 {

namespace {

class HelpMenu : public QObject {
public:
    explicit HelpMenu(TForm1 &form)
        : QObject(&form),
          form_(form),
          manual_(new TopicWindow(kUserManual, HelpFolder(), &form)),
          formHelp_(new TopicWindow(kFormHelp, HelpFolder(), &form)) {
        ConnectCommand(form.N7, &QAction::triggered, this, [this] { showManual(); });
        ConnectCommand(form.N91, &QAction::triggered, this, [this] { showFormHelp(); });
        ConnectCommand(form.N9, &QAction::triggered, this, [this] { showAbout(); });
        ConnectCommand(form.N13, &QAction::triggered, this, [] { CreateDesktopShortcut(); });
        connect(&form, &TForm1::helpKeyPressed, this, [this] { showManualOnUsage(); });
    }

private:
    // N7Click: always back to the installation instructions.
    void showManual() {
        manual_->showTopic(0);
        manual_->bringUp();
    }
    // F1: the instructions for use.
    void showManualOnUsage() {
        manual_->showTopic(1);
        manual_->bringUp();
    }
    // N91Click: on whatever topic was chosen last.
    void showFormHelp() { formHelp_->bringUp(); }
    // N9Click: a new box each time.
    void showAbout() {
        AboutBox box(&form_);
        box.exec();
    }

    TForm1 &form_;
    TopicWindow *manual_, *formHelp_;
};

}  // namespace

void AttachHelp(TForm1 &form) { new HelpMenu(form); }

}  // namespace d7
