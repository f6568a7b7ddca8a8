#include "pages/wizard/WizardSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>

#include "widgets/Command.h"
#include "widgets/Dialogs.h"
#include "widgets/InputRules.h"
#include "text/DecimalText.h"

namespace d7 {

bool PercentageAccepted(const QString &text) {
    const std::optional<double> value = ReadDecimal(text);
    return value && *value > 0 && *value <= 100;
}

bool YearWithin(const QString &text, int first, int last) {
    const std::optional<int> year = ReadWholeNumber(text);
    return year && *year >= first && *year <= last;
}

QString SummaryLine(const QString &caption, int tabs, const QString &value) {
    return caption + QString(tabs, QLatin1Char('\t')) + value;
}

QString SummaryText(const QStringList &lines) {
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QString StoreConfirmation(const QString &question, const QString &summaryText, bool withWarning) {
    QString text = question + QLatin1Char('\r') + summaryText;
    if (withWarning)
        text += QLatin1Char('\r') + QString(44, QLatin1Char('-')) + QLatin1Char('\r') +
                QStringLiteral("ΠΡΟΣΟΧΗ: Μετά την αποθήκευση δεν μπορείτε να κάνετε αλλαγές στα στοιχεία του ακινήτου. Σε περίπτωση λάθους θα πρέπει να διαγράψετε το ακίνητο και να το επανεισάγετε");
    return text;
}

bool StoreWizardRow(const std::function<void()> &append, const std::function<void()> &reload) {
    try {
        append();
    } catch (const std::exception &) {
        ShowMessageText(QStringLiteral("Υπήρξε κάποιο λάθος κατά την αποθήκευση.Παρακαλώ προσπαθήστε ξανά"));
        return false;
    }
    RunCommand(reload);
    return true;
}

bool NumbersAccepted(const QList<QLineEdit *> &fields) {
    for (QLineEdit *field : fields) {
        if (field->text().isEmpty() || ReadDecimal(field->text()))
            continue;
        Beep();
        ShowMessageText(QStringLiteral("Το πεδίο πρέπει να περιέχει αριθμό. Παρακαλώ διορθώστε το"));
        field->setFocus();
        field->selectAll();
        return false;
    }
    return true;
}

namespace {

// A page control turns pages on Ctrl+Tab and Ctrl+PgUp/PgDn even with its strip
// hidden; on the steps that would skip the checks of the Next buttons.
class StepKeysEater : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool pageKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                             key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
        return pageKey && (key->modifiers() & Qt::ControlModifier);
    }
};

}  // namespace

void ShowWizardFrame(const WizardFrame &frame, bool composing) {
    frame.summaryCaption->setVisible(composing);
    frame.summary->setVisible(composing);
    frame.steps->setEnabled(composing);
    frame.steps->setVisible(composing);
    if (frame.tabCover) {
        frame.tabCover->setVisible(composing);
        if (composing)
            frame.tabCover->raise();
    }
    if (!composing)
        frame.steps->setCurrentIndex(0);
    frame.startRow->setEnabled(!composing);
    frame.cancelRow->setEnabled(composing);
}

void ShowStep(QTabWidget *steps, QWidget *step) {
    steps->setCurrentWidget(step);
    // Where a field lies is known only once the steps are shown.
    if (!steps->isVisible())
        return;
    for (QWidget *w : step->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!w->isVisibleTo(step) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) ||
            w->inherits("QPushButton"))
            continue;
        const QWidget *shown = step->childAt(w->geometry().center());
        if (shown == w || w->isAncestorOf(shown)) {
            w->setFocus();
            return;
        }
    }
}

void CoverTabs(QTabWidget *pages, QWidget *cover) {
    pages->installEventFilter(new StepKeysEater(pages));
    pages->tabBar()->setVisible(false);
    cover->setParent(pages->parentWidget());
    cover->setGeometry(pages->x(), pages->y(), pages->width(), pages->tabBar()->sizeHint().height());
    // The strip is hidden already; the cover paints nothing of its own, so the
    // page shows through it whether the steps are shown or not.
    cover->setAutoFillBackground(false);
    // Not isVisible(): before the window is first shown that is false, and the
    // cover would stay hidden for good.
    cover->setVisible(!pages->isHidden());
    cover->raise();
}

namespace {

class DefaultButton : public QObject {
public:
    DefaultButton(QWidget *page, QAbstractButton *button) : QObject(page), m_button(button) {
        page->installEventFilter(this);
        // Keys the focused field ignores reach the page: watch its children too.
        for (QWidget *w : page->findChildren<QWidget *>())
            w->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        if (!m_button || !m_button->isVisible() || !m_button->isEnabled())
            return false;
        if (auto *w = qobject_cast<QWidget *>(watched); w && w->inherits("QAbstractButton") && w != m_button)
            return false;   // Enter on another button is that button's
        ApplyExitRule(QApplication::focusWidget());
        m_button->click();
        return true;
    }

private:
    QPointer<QAbstractButton> m_button;
};

}  // namespace

void SetDefaultButton(QWidget *page, QAbstractButton *button) { new DefaultButton(page, button); }

}  // namespace d7
