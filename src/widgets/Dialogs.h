// Every modal message, question and input box of the program goes through here,
// so that the application title and the Greek button captions are set once.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace d7 {

// The caption of every message and question (singular ΑΚΙΝΗΤΟΥ).
extern const QString kApplicationTitle;
// The caption of the main window and of the welcome screen (plural ΑΚΙΝΗΤΩΝ).
extern const QString kMainWindowCaption;
// The neutral name of the issuing authority, used wherever the program names it.
extern const QString kAuthorityName;
extern const QString kAuthorityDepartment;

// Yes/No question without icon: "Ναι" is the default (Enter), "Όχι" the
// cancel button (Escape). Returns true unless the answer was No.
bool AskYesNo(const QString &question);
// The same question with a tick box (forAllText) that says the answer holds
// for the questions still to come; forAll tells whether it was ticked.
bool AskYesNo(const QString &question, const QString &forAllText, bool *forAll);

// Plain message: no icon, one OK button.
void ShowMessageText(const QString &text);

// How wide a window must be for a window manager to show its whole title.
int TitleBarWidth(const QString &title);

// Input box with OK and cancel; cancelling gives the empty text.
QString InputBox(const QString &caption, const QString &prompt, const QString &defaultText);
// The same for a password, typed unseen.
QString PasswordBox(const QString &caption, const QString &prompt);

// Save-file dialog (never the desktop's native one, which may hang without a
// session): the caption, one filter shown as its pattern ("*.xml"), the suffix
// added to a name typed without one, and the proposed path (folder and name).
// No question of its own about replacing a file. Cancelling gives the empty text.
QString SaveFileName(const QString &caption, const QString &pattern, const QString &defaultSuffix,
                     const QString &proposedPath);
// Open-file dialog for one or many existing files, in the same fashion.
// Cancelling gives no file.
QStringList OpenFileNames(const QString &caption, const QString &pattern, const QString &folder);
// Asks before a save replaces a file, naming it; true when there is none or
// the answer was Yes.
bool MayReplaceFile(const QString &path);

// The toolkit's report of an error that no command caught: the engine's text.
void ShowErrorText(const QString &text);

// The platform's standard alert sound; counted so that tests can tell.
void Beep();
int BeepCount();

}  // namespace d7
