// How long the upload file takes for a declaration of 200, 2,000 and 20,000
// Table 1 rows and as many Table 2 rows: the reading of the declaration from the
// main window's store (person queries and kept-open datasets), the writing of
// the file's bytes, and the save to disk, each timed apart and together.
//
//   bench_export [repetitions]
//
// Each size gets a scratch copy of the pristine database in a temporary folder,
// filled with one declaration (persons, two children, the rows) and opened in a
// main window as the menu command opens it. Prints the medians in milliseconds.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>

#include "declaration/Declaration.h"
#include "files/WholeFile.h"
#include "export/ExportCommand.h"
#include "export/UploadFile.h"
#include "store/Database.h"
#include "store/Engine.h"

using namespace d7;

namespace {

const QString kTaxNumber = QStringLiteral("111111114");

// One insert statement, run once per row through the store's prepared statements.
class Statement {
public:
    Statement(Connection &c, const char *sql) : m_connection(c), m_sql(QString::fromUtf8(sql)) {}
    void run(const QStringList &values) {
        QVariantList bound;
        for (const QString &v : values)
            bound << (v.isNull() ? QVariant() : QVariant(v));
        m_connection.execute(m_sql, bound);
    }

private:
    Connection &m_connection;
    QString m_sql;
};

QString placeholders(int n) {
    QStringList marks;
    for (int i = 0; i < n; ++i)
        marks << QStringLiteral("?");
    return marks.join(',');
}

// One declaration with `rows` rows in each table, values as the wizards store them.
void fillDeclaration(int rows) {
    Connection c;
    c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
    Transaction all(c);
    Connection &db = c;
    Statement(db, "insert into citizendata (Surname, Name, FatherName, afm) values (?,?,?,?)")
        .run({"ΆΛΦΑ & ΣΙΑ Ο.Ε.", "", "", kTaxNumber});
    Statement(db, "insert into generaldata (DOYName, DOYCode, DeclType, Notes, afmypox) values (?,?,?,?,?)")
        .run({"ΑΘΗΝΩΝ Α'", "1101", "0", "ΠΡΩΤΗ ΓΡΑΜΜΗ\nΔΕΥΤΕΡΗ ΓΡΑΜΜΗ", kTaxNumber});
    Statement(db, "insert into wifedata (Surname, Name, FatherName, AT, AFM, afmypox) values (?,?,?,?,?,?)")
        .run({"ΔΕΛΤΑ", "ΜΑΡΙΑ", "ΙΩΑΝΝΗΣ", "ΑΒ 123456", "100000090", kTaxNumber});
    Statement child(db, "insert into children (Surname, Name, FatherName, AT, YearOfBirth, AFM, AFMYpox) "
                        "values (?,?,?,?,?,?,?)");
    child.run({"ΔΕΛΤΑ", "ΕΛΕΝΗ", "ΙΩΑΝΝΗΣ", "ΑΒ 111111", "2010", "123456783", kTaxNumber});
    child.run({"ΔΕΛΤΑ", "ΆΝΝΑ", "ΙΩΑΝΝΗΣ", "", "2015", "090000008", kTaxNumber});

    Statement table1(db, qPrintable(QStringLiteral("insert into table1 values (NULL,%1)").arg(placeholders(36))));
    Statement table2(db, qPrintable(QStringLiteral("insert into TABLE2 values (NULL,%1)").arg(placeholders(26))));
    for (int i = 0; i < rows; ++i) {
        const QString n = QString::number(i + 1);
        table1.run({"ΑΤΤΙΚΗΣ", "01", "ΑΘΗΝΑΙΩΝ", "101", "ΠΑΝΕΠΙΣΤΗΜΙΟΥ, ΕΛ. ΒΕΝΙΖΕΛΟΥ", "1234", n, "X", "ΣΤΑΔΙΟΥ",
                    "0", "", "", "", "", "", "", "", "125", "2", "", "3", n + ",5", "12,25", "1975", "1", "33,33333",
                    "", "250", "2", "12,5", "1940", "1200,5", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", QString(), kTaxNumber});
        table2.run({"ΑΧΑΪΑΣ", "13", "ΠΑΤΡΕΩΝ", "1301", "ΘΕΣΗ ΜΠΑΛΑ", "0", n, "3", "", "X", " ", n + ",5", "", "2000",
                    "", "", "", "", "", "1", "100", "", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", QString(), kTaxNumber});
    }
    all.commit();
}

double median(QVector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
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
        t = {median(gather), median(write), median(save), median(total), t.bytes};
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
