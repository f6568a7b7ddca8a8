// What the two row wizards share beyond the location steps: the running
// summary's lines, the confirmation before storing, the store of the new row,
// and the step pages reached only through their buttons.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QLineEdit;
class QTabWidget;
class QWidget;

namespace d7 {

// A co-ownership percentage: a decimal number above 0 and at most 100 (a lone
// comma or anything else that does not read as a number is refused).
bool PercentageAccepted(const QString &text);
// A four-digit year field: a whole number from first to last, both included.
bool YearWithin(const QString &text, int first, int last);

// Number fields filter their keys, but pasted text may not read as a number; it
// is left for the user to correct and never recorded. Refuses the step (beep,
// message, focus on the field) when one of the fields holds such text.
bool NumbersAccepted(const QList<QLineEdit *> &fields);

// One summary line: caption, tabs, value.
QString SummaryLine(const QString &caption, int tabs, const QString &value = QString());
// The summary box's text: every line ended by CR LF.
QString SummaryText(const QStringList &lines);

// The question asked before storing: the question, CR, the summary, and with
// the warning a CR, 44 hyphens, a CR and the warning that stored rows cannot
// be changed.
QString StoreConfirmation(const QString &question, const QString &summaryText, bool withWarning);

// Stores a composed row: append writes it (whole or not at all), then reload
// reads the declaration's rows again. A failed append shows the failure
// message and returns false; a failed reload is reported as itself, never as a
// failed store, or a second attempt would store the row twice.
bool StoreWizardRow(const std::function<void()> &append, const std::function<void()> &reload);

// The frame around a row being composed. While a row is composed, its running
// summary and the step pages (tab strip covered) show and only the cancel
// button works; when idle, the start button alone works and the steps wait on
// the first page.
struct WizardFrame {
    QWidget *summaryCaption;
    QWidget *summary;
    QTabWidget *steps;
    QWidget *tabCover;   // shown only while composing; null where the cover always stays
    QAbstractButton *startRow;
    QAbstractButton *cancelRow;
};
void ShowWizardFrame(const WizardFrame &frame, bool composing);

// Shows a step page with the cursor in its first field the user can reach (not
// a button, not under a covering panel), so that the keyboard answers at once.
void ShowStep(QTabWidget *steps, QWidget *step);

// Step pages: the tab strip is covered by a blank panel, so pages change only
// through the step buttons.
void CoverTabs(QTabWidget *pages, QWidget *cover);
// Enter on a step page presses its default button; a decimal field that has
// the focus is normalised first, as on leaving it.
void SetDefaultButton(QWidget *page, QAbstractButton *button);

}  // namespace d7
