// How long the municipality list of the largest prefecture takes to fill, and
// how long typing first letters takes to move in it.
//
//   bench_refdata [runs]
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QStyleHints>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "widgets/PairedList.h"
#include "pages/wizard/LocationLookups.h"
#include "store/Database.h"
#include "declaration/ReferenceLists.h"
#include "store/Engine.h"

using namespace d7;

namespace {

struct Stats {
    double median, min, max;
};

Stats stats(QVector<double> v) {
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.first(), v.last()};
}

}  // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 50;
    QTemporaryDir dir;
    const QString path = dir.filePath(kDatabaseFileName);
    QFile::copy(QStringLiteral(D7_PRISTINE_DB), path);
    Connection c;
    c.open(path, kDatabasePassword, Connection::Mode::Read);
    Dataset ds(&c);

    // The prefecture with the most entries, municipalities and areas together.
    ds.setCommandText(
        "select p, count(*) from (select ap_mnc_pref_cd as p from doy_ap_municipality union all select "
        "ap_mar_pref_cd from doy_ap_mnc_area) group by p order by count(*) desc limit 1");
    ds.open();
    const QString prefecture = ds.text(0);
    ds.close();
    ReferenceLists lists;
    lists.open(path, kDatabasePassword);

    QComboBox names, codes;
    PairedList pair(&names, &codes);
    QVector<double> fill;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        LoadMunicipalities(lists, pair, prefecture, WizardKind::Table1);
        fill << t.nsecsElapsed() / 1e6;
    }
    const Stats f = stats(fill);
    std::printf("prefecture %s: %d entries\n", qPrintable(prefecture), names.count());
    std::printf("LoadMunicipalities: median %.2f ms, min %.2f ms, max %.2f ms over %d runs\n", f.median, f.min,
                f.max, runs);

    // Typing the first letters of the last entry, as a user would.
    names.show();
    QVector<double> search;
    const QString target = names.itemText(names.count() - 1).left(3);
    for (int i = 0; i < 10; ++i) {
        // let the previous search string expire, as between two users' words
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < QApplication::keyboardInputInterval() + 50)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        names.setCurrentIndex(0);
        QElapsedTimer t;
        t.start();
        for (QChar ch : target) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(&names, &press);
        }
        search << t.nsecsElapsed() / 1e6;
    }
    const Stats s = stats(search);
    std::printf("typing \"%s\" moves to \"%s\": median %.3f ms, max %.3f ms\n", qPrintable(target),
                qPrintable(names.currentText()), s.median, s.max);
    return 0;
}
