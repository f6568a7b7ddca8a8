// How long the program takes from its start to the first paint of its main
// window (welcome screen answered), beside a bare Qt window of the same size,
// each started afresh as a process; medians, their ratio, and peak memory.
//
//   bench_startup [runs]        (runs >= 15; offscreen platform)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

#include "BenchSupport.h"
#include "widgets/Command.h"
#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "help/AboutBox.h"
#include "store/Database.h"

namespace {

// Reports the first paint of a window to the parent, with the peak memory so
// far, and ends the process at once.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("painted %ld\n", usage.ru_maxrss);
            std::fflush(stdout);
            _exit(0);
        }
        return false;
    }
};

int child(int argc, char **argv, bool program) {
    d7::Application app(argc, argv);
    FirstPaint watcher;
    if (!program) {
        QWidget bare;
        bare.resize(803, 568);
        bare.installEventFilter(&watcher);
        bare.show();
        return QApplication::exec();
    }
    WelcomeAnswerer answer;
    QApplication::setApplicationName(d7::kApplicationTitle);
    QApplication::setWindowIcon(d7::ProgramIcon());
    d7::MainWindow form;
    answer.stop();
    form.attachHelp();
    form.setStartHintPending(false);
    form.installEventFilter(&watcher);
    form.show();
    return QApplication::exec();
}

struct Run {
    double ms;
    long peakKb;
};

Run start(const QString &self, const char *mode, const QString &folder) {
    QProcess p;
    p.setWorkingDirectory(folder);
    QElapsedTimer t;
    t.start();
    p.start(self, {QStringLiteral("--child"), QString::fromLatin1(mode)});
    QByteArray out;
    while (!out.contains('\n') && p.waitForReadyRead(10000))
        out += p.readAllStandardOutput();
    const double ms = t.nsecsElapsed() / 1e6;
    p.waitForFinished();
    if (!out.startsWith("painted "))
        qFatal("the %s did not paint: %s", mode, p.readAllStandardError().constData());
    return {ms, out.mid(8).trimmed().toLong()};
}

}  // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    if (argc > 2 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv, qstrcmp(argv[2], "program") == 0);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(15, atoi(argv[1])) : 21;
    QTemporaryDir dir;
    if (!QFile::copy(QStringLiteral(D7_PRISTINE_DB), dir.filePath(d7::kDatabaseFileName)))
        qFatal("no pristine database");
    const QString self = QCoreApplication::applicationFilePath();
    QVector<double> program, bare;
    long programKb = 0, bareKb = 0;
    for (int i = 0; i < runs; ++i) {   // interleaved, so both see the same machine
        const Run p = start(self, "program", dir.path());
        const Run b = start(self, "bare", dir.path());
        program << p.ms;
        bare << b.ms;
        programKb = std::max(programKb, p.peakKb);
        bareKb = std::max(bareKb, b.peakKb);
    }
    const double mp = Median(program), mb = Median(bare);
    std::printf("runs %d (medians, from process start to first paint)\n", runs);
    std::printf("  main window  %7.1f ms   peak %6.1f MB\n", mp, programKb / 1024.0);
    std::printf("  bare window  %7.1f ms   peak %6.1f MB\n", mb, bareKb / 1024.0);
    std::printf("  ratio        %7.1f x\n", mp / mb);
    return 0;
}
