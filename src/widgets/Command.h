// A user command (menu item, button) runs to its end or stops at an error that
// no step caught; such an error is shown with its own text and the program
// goes on.
#pragma once

#include <QApplication>
#include <QObject>
#include <exception>

#include "widgets/Dialogs.h"
#include "store/Engine.h"

namespace d7 {

// The hourglass while it lives: the command takes a moment.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// Returns whether the command ran to its end.
template <class F>
bool RunCommand(F &&command) {
    try {
        command();
        return true;
    } catch (const EngineError &e) {
        ShowErrorText(e.text());
    } catch (const DatasetError &e) {
        ShowErrorText(e.text());
    } catch (const std::exception &e) {
        ShowErrorText(QString::fromUtf8(e.what()));
    }
    return false;
}

template <class Sender, class Signal, class F>
QMetaObject::Connection ConnectCommand(Sender *sender, Signal signal, QObject *context, F command) {
    return QObject::connect(sender, signal, context, [command]() mutable { RunCommand(command); });
}

// Last line of defence for handlers that are not commands (key and focus
// events): the same report, and the event loop goes on.
class Application : public QApplication {
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

}  // namespace d7
