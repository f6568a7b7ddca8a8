// A long piece of work done on the window's own thread: after half a second
// it shows how far it is in a progress dialog with a Cancel button, and the
// windows answer meanwhile.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <memory>

#include "print/Proceed.h"

class QProgressDialog;
class QWidget;

namespace d7 {

class WorkProgress {
public:
    WorkProgress(const QString &label, QWidget *parent);
    ~WorkProgress();

    // Told how far the work is (0 to 1); false once the user has cancelled.
    bool proceed(double done);
    Proceed callback() {
        return [this](double done) { return proceed(done); };
    }
    bool cancelled() const { return m_cancelled; }

private:
    QString m_label;
    QWidget *m_parent;
    QElapsedTimer m_started;
    QElapsedTimer m_sinceEvents;
    std::unique_ptr<QProgressDialog> m_dialog;
    bool m_cancelled = false;
};

}  // namespace d7
