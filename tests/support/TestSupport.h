// Helpers shared by the test programs: a scratch folder holding a copy of the
// fixture database, a robot that answers modal dialogs, and a main window
// built past its welcome screen.
#pragma once

#include <QDir>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <sys/types.h>

#include "store/Database.h"
#include "text/CodePage.h"
#include "widgets/Command.h"
#include "app/QtTexts.h"

class QTabWidget;

namespace d7 {
class MainWindow;
class Connection;
}

namespace d7test {

// A temporary current folder with a copy of a database; the previous folder
// is restored on destruction.
class ScratchFolder {
public:
    explicit ScratchFolder(const QString &database = QStringLiteral(D7_FIXTURE_DB));
    ~ScratchFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QString databasePath() const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// One answer to one modal window; a window is identified by its text.
struct Answer {
    enum Kind { Yes, No, Ok, Enter, Escape, Cancel, Text, ClickButton, Custom } kind;
    QString text;                                  // Text: typed into the input box
    QString button;                                // ClickButton: objectName of the button
    std::function<void(QWidget *)> custom;         // Custom: anything else
};

// Answers modal windows in order as they appear, and records what they said
// (title and text, or the input box's label).
class ModalAnswerer : public QObject {
public:
    ModalAnswerer();
    ~ModalAnswerer() override;
    ModalAnswerer &then(Answer a);
    ModalAnswerer &yes() { return then({Answer::Yes}); }
    ModalAnswerer &no() { return then({Answer::No}); }
    ModalAnswerer &ok() { return then({Answer::Ok}); }
    ModalAnswerer &enter() { return then({Answer::Enter}); }
    ModalAnswerer &escape() { return then({Answer::Escape}); }
    ModalAnswerer &type(const QString &text) { return then({Answer::Text, text}); }
    ModalAnswerer &cancel() { return then({Answer::Cancel}); }
    ModalAnswerer &click(const QString &button) { return then({Answer::ClickButton, {}, button}); }
    ModalAnswerer &custom(std::function<void(QWidget *)> f) { return then({Answer::Custom, {}, {}, std::move(f)}); }

    QStringList texts;     // the text of each window answered, in order
    QStringList titles;    // their captions
    int pending() const { return int(m_queue.size()); }

private:
    void poll();
    QList<Answer> m_queue;
    QPointer<QWidget> m_last;
    QTimer m_timer;
};

// The text of a message box or question, or the label of an input dialog.
QString ModalText(QWidget *w);

// The rows a statement returns on the current folder's database, read through a
// connection of their own, each column as text ("<null>" for NULL); "select *"
// leaves out the row identifier.
QList<QStringList> StoredRows(const QString &sql);
// Runs statements on a database file (the current folder's by default)
// through a connection of their own.
void ExecuteOnFile(const QString &sql, const QString &path = d7::kDatabaseFileName);

// Answers a save dialog as a user does: the path typed into its name field
// (a file chosen by program is ignored while that field has the focus, which
// it gets as the dialog settles), then Save.
void TypeIntoSaveDialog(QWidget *dialog, const QString &path);

// A control of a window by its name; a missing one ends the test program.
template <class T = QWidget>
T *Control(const QObject *window, const char *name) {
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// The ordinary user whose rights the tests take when they run as root.
constexpr uid_t kNobody = 65534;

// While it lives, files are opened with the rights of an ordinary user even
// when the tests run as root (who may write anything), so that a protected
// file or folder is really refused.
class AsOrdinaryUser {
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();

private:
    bool m_switched = false;
};

// The bytes of a file (empty when it cannot be read); writing one makes its
// folder when missing and tells whether all of it was written.
QByteArray ReadFile(const QString &path);
bool WriteFile(const QString &path, const QByteArray &bytes);

// How bytes a program wrote differ from their fixture under tests/fixtures:
// the first line that differs, decoded from the file's code page; empty when
// they are the same. With D7_UPDATE_FIXTURES set, the fixture is rewritten.
QString FixtureDifference(const QByteArray &written, const QString &fixture, d7::CodePage codePage);

// Runs work in a child process, as a second program would, and returns its
// process id; Finish waits for it and tells whether it exited with status 0.
qint64 RunInChild(const std::function<void()> &work);
bool Finish(qint64 child);

// A main window on the current folder's database (or on the office server
// given), past its welcome screen, with its help windows.
std::unique_ptr<d7::MainWindow> MakeMainWindow(const QString &server = {});

// Types text into the focused widget, Greek letters included.
void TypeText(QWidget *w, const QString &text);

// What is wrong with the layout of the controls that area shows now (its
// direct children, but those in ignored): one outside room, two that
// overlap, or a text cut off. Empty when all is well.
QStringList LayoutFaults(const QWidget *area, const QRect &room, const QList<const QWidget *> &ignored = {});
// The layout faults of a wizard's steps (all of them, or those given), each
// shown in turn, its room the page below the band over the tab strip.
QStringList StepFaults(QTabWidget *steps, const QWidget *cover, QList<QWidget *> only = {});

}  // namespace d7test

// A test main that runs the program's own application object, with the Greek
// texts of Qt's own dialogs as the program installs them.
#define D7_TEST_MAIN(TestObject)                                   \
    int main(int argc, char **argv) {                              \
        d7::Application app(argc, argv);                           \
        app.setAttribute(Qt::AA_Use96Dpi, true);                   \
        d7::InstallGreekQtTexts();                                 \
        TestObject tc;                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                 \
        return QTest::qExec(&tc, argc, argv);                      \
    }
