// How long the upload file takes for a declaration of 200, 2,000 and 20,000
// Table 1 rows and as many Table 2 rows: the reading of the declaration from the
// store (person queries and kept-open datasets), the writing of the file's
// bytes, and the save to disk, each timed apart and together.
//
//   bench_export [repetitions]
//
// Each size gets a scratch copy of the pristine database in a temporary folder,
// filled with one declaration (persons, two children, the rows) and opened
// without a window, as the export command opens it. Prints the medians in
// milliseconds.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "BenchSupport.h"
#include "declaration/Declaration.h"
#include "files/WholeFile.h"
#include "export/ExportCommand.h"
#include "export/UploadFile.h"
#include "store/Database.h"
#include "store/Engine.h"

using namespace d7;

namespace {

const QString kTaxNumber = QStringLiteral("111111114");

// One declaration with `rows` rows in each table and two children.
void fillDeclaration(int rows) {
    Connection c;
    c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
    Transaction all(c);
    FillDeclaration(c, kTaxNumber, rows);
    const QString child = QStringLiteral(
        "insert into children (Surname, Name, FatherName, AT, YearOfBirth, AFM, AFMYpox) values (?,?,?,?,?,?,?)");
    c.execute(child, Bound({"ΔΕΛΤΑ", "ΕΛΕΝΗ", "ΙΩΑΝΝΗΣ", "ΑΒ 111111", "2010", "123456783", kTaxNumber}));
    c.execute(child, Bound({"ΔΕΛΤΑ", "ΆΝΝΑ", "ΙΩΑΝΝΗΣ", "", "2015", "090000008", kTaxNumber}));
    all.commit();
}

struct Times {
    double gather, write, save, total;
    qsizetype bytes;
};

Times measure(int rows, int repetitions) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QFile::copy(QStringLiteral(D7_PRISTINE_DB), dir.filePath(kDatabaseFileName));
    QDir::setCurrent(dir.path());
    fillDeclaration(rows);

    Times t{};
    {
        // The declaration as the export command reads it, with no window.
        Declaration form;
        form.store().open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
        form.open(kTaxNumber);

        QVector<double> gather, write, save, total;
        const QString path = dir.filePath(QStringLiteral("D7-111111114.xml"));
        for (int r = 0; r < repetitions; ++r) {
            QElapsedTimer clock;
            clock.start();
            const UploadDeclaration d = GatherUploadDeclaration(form);
            const qint64 gathered = clock.nsecsElapsed();
            const QByteArray bytes = WriteUploadFile(d);
            const qint64 written = clock.nsecsElapsed();
            if (!WriteWholeFile(path, bytes))
                throw EngineError(QStringLiteral("cannot write %1").arg(path));
            const qint64 saved = clock.nsecsElapsed();
            gather << gathered / 1e6;
            write << (written - gathered) / 1e6;
            save << (saved - written) / 1e6;
            total << saved / 1e6;
            t.bytes = bytes.size();
        }
        t = {Median(gather), Median(write), Median(save), Median(total), t.bytes};
    }
    QDir::setCurrent(previous);
    return t;
}

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 11;
    try {
        std::printf("upload file, median of %d runs (ms)\n\n", repetitions);
        std::printf("%14s %10s %10s %10s %10s %12s\n", "rows per table", "gather", "write", "save", "total", "file bytes");
        for (int rows : {200, 2000, 20000}) {
            const Times t = measure(rows, repetitions);
            std::printf("%14d %10.2f %10.2f %10.2f %10.2f %12lld\n", rows, t.gather, t.write, t.save, t.total,
                        static_cast<long long>(t.bytes));
            std::fflush(stdout);
        }
    } catch (const EngineError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}
