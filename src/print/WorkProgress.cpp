#include "print/WorkProgress.h"

#include <QApplication>
#include <QProgressDialog>

#include "widgets/Dialogs.h"

namespace d7 {

namespace {

// Work over sooner shows no dialog at all.
constexpr int kProgressDelayMs = 500;

// Often enough that the windows answer at once, seldom enough to cost nothing.
constexpr int kEventsEveryMs = 40;
constexpr int kSteps = 1000;

}  // namespace

WorkProgress::WorkProgress(const QString &label, QWidget *parent) : m_label(label), m_parent(parent) {
    m_started.start();
    m_sinceEvents.start();
}

WorkProgress::~WorkProgress() {
    if (m_dialog)
        QApplication::restoreOverrideCursor();
}

bool WorkProgress::proceed(double done) {
    if (m_cancelled)
        return false;
    if (!m_dialog && m_started.elapsed() >= kProgressDelayMs && done < 1) {
        m_dialog = std::make_unique<QProgressDialog>(m_label, QStringLiteral("Άκυρο"), 0, kSteps, m_parent);
        m_dialog->setObjectName(QStringLiteral("WorkProgress"));
        m_dialog->setWindowTitle(kApplicationTitle);
        m_dialog->setMinimumWidth(TitleBarWidth(kApplicationTitle));
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        // The busy cursor of the work would hide that Cancel can be pressed.
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        m_dialog->show();
    }
    if (m_sinceEvents.elapsed() < kEventsEveryMs)
        return true;
    m_sinceEvents.restart();
    if (m_dialog) {
        m_dialog->setValue(int(std::clamp(done, 0.0, 1.0) * kSteps));
        // The dialog is modal: only it takes input while the work goes on.
        QApplication::processEvents();
        m_cancelled = m_dialog->wasCanceled();
    } else {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return !m_cancelled;
}

}  // namespace d7
