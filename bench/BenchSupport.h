// What the benchmarks share: their start, the welcome screen answered, and a
// run repeated with its best and median time.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QtGlobal>
#include <QVector>
#include <algorithm>
#include <cstdlib>
#include <functional>

struct Timing {
    double best, median;   // milliseconds
};

// prepare runs before each repetition, outside the time (a fresh copy of a
// database to write into, say).
inline Timing measure(int repetitions, const std::function<void()> &run,
                      const std::function<void()> &prepare = {}) {
    QVector<double> ms;
    for (int i = 0; i < repetitions; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        ms.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms.first(), ms[ms.size() / 2]};
}

// Headless unless told otherwise; call before the application is made.
inline void DefaultToOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The repetitions asked for on the command line, nine by default.
inline int Repetitions(int argc, char **argv) { return argc > 1 ? std::max(1, atoi(argv[1])) : 9; }

// Answers the welcome screen as soon as it shows, as a user does, until stopped.
class WelcomeAnswerer {
public:
    WelcomeAnswerer() {
        QObject::connect(&m_timer, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                if (auto *button = modal->findChild<QPushButton *>(QStringLiteral("Button1")))
                    button->click();
        });
        m_timer.start(0);
    }
    void stop() { m_timer.stop(); }

private:
    QTimer m_timer;
};
