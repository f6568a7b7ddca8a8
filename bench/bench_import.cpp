// How long importing upload files takes: 1,000 files of 10 Table 1 and
// 10 Table 2 rows each (persons, two children, a two-line note), written by
// the program's own writer under 1,000 tax numbers into a temporary folder.
// Timed twice: each file read from disk, checked and turned into its
// declaration (reading alone); and the whole import, each file read and
// stored in a transaction of its own into an empty copy of the pristine
// database, opened as the command line opens it (reading and storing). The
// import's target is 5 s for the 1,000 files.
//
//   bench_import [repetitions]
//
// Prints the best and the median time in milliseconds.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <variant>

#include "BenchSupport.h"
#include "export/UploadFile.h"
#include "format/ImportFiles.h"
#include "format/UploadFileReader.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "store/StoreDriver.h"

using namespace d7;

namespace {

const int kFiles = 1000;
const int kRows = 10;

// The n-th valid tax number.
QString taxNumber(int n) { return WithCheckDigit(QStringLiteral("%1").arg(10000000 + n, 8, 10, QLatin1Char('0'))); }

QStringList columnsOf(const QString &table) {
    Connection c;
    c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read);
    return c.driver().select(QStringLiteral("select * from %1 where 1=0").arg(table)).columns;
}

QVector<QVariant> row(const QStringList &values) {
    QVector<QVariant> v{QVariant()};
    for (const QString &value : values)
        v << (value == QLatin1String("<null>") ? QVariant() : QVariant(value));
    return v;
}

// One declaration, values as the program stores them; the column lists are
// the store's, read once.
UploadDeclaration declaration(const QString &tax) {
    static const QStringList general = columnsOf("generaldata"), taxpayer = columnsOf("citizendata"),
                             spouse = columnsOf("wifedata"), children = columnsOf("children"),
                             representative = columnsOf("ekprosopos"), table1 = columnsOf("table1"),
                             table2 = columnsOf("TABLE2");
    UploadDeclaration d;
    d.general = {general, row({"ΑΘΗΝΩΝ Α'", "1101", "0", "<null>", "ΠΡΩΤΗ ΓΡΑΜΜΗ\nΔΕΥΤΕΡΗ ΓΡΑΜΜΗ", tax})};
    (*d.general.values)[3] = qlonglong(0);
    d.taxpayer = {taxpayer, row({"ΆΛΦΑ & ΣΙΑ Ο.Ε.", "", "", tax})};
    d.spouse = {spouse, row({"ΔΕΛΤΑ", "ΜΑΡΙΑ", "ΙΩΑΝΝΗΣ", "ΑΒ 123456", "100000090", tax})};
    d.children = {children,
                  {row({"ΔΕΛΤΑ", "ΕΛΕΝΗ", "ΙΩΑΝΝΗΣ", "ΑΒ 111111", "2010", "123456783", tax}),
                   row({"ΔΕΛΤΑ", "ΆΝΝΑ", "ΙΩΑΝΝΗΣ", "<null>", "2015", "090000008", tax})}};
    d.representative = {representative, std::nullopt};
    d.table1.columns = table1;
    d.table2.columns = table2;
    for (int i = 0; i < kRows; ++i) {
        const QString n = QString::number(i + 1);
        d.table1.rows << row({"ΑΤΤΙΚΗΣ", "01", "ΑΘΗΝΑΙΩΝ", "101", "ΠΑΝΕΠΙΣΤΗΜΙΟΥ, ΕΛ. ΒΕΝΙΖΕΛΟΥ", "1234", n, "X",
                              "ΣΤΑΔΙΟΥ", "0", "", "", "", "", "", "", "", "125", "2", "", "3", n + ",5", "12,25", "1975",
                              "1", "33,33333", "", "250", "2", "12,5", "1940", "1200,5", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", "<null>",
                              tax});
        d.table2.rows << row({"ΑΧΑΪΑΣ", "13", "ΠΑΤΡΕΩΝ", "1301", "ΘΕΣΗ ΜΠΑΛΑ", "0", n, "3", "", "X", " ", n + ",5", "",
                              "2000", "", "", "", "", "", "1", "100", "", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", "<null>", tax});
    }
    return d;
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int repetitions = Repetitions(argc, argv);
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QFile::copy(QStringLiteral(D7_PRISTINE_DB), dir.filePath(kDatabaseFileName));
    QDir::setCurrent(dir.path());

    QStringList paths;
    qint64 bytes = 0;
    for (int i = 0; i < kFiles; ++i) {
        const QString tax = taxNumber(i);
        const QByteArray file = WriteUploadFile(declaration(tax));
        paths << dir.filePath(QStringLiteral("D7-%1.xml").arg(tax));
        QFile out(paths.last());
        if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(paths.last()));
            return 1;
        }
        bytes += file.size();
    }
    QDir::setCurrent(previous);

    int refused = 0;
    const Timing t = measure(repetitions, [&] {
        refused = 0;
        for (const QString &path : paths)
            refused += std::holds_alternative<UploadFileRefusal>(ReadUploadFileAt(path));
    });

    // Each repetition stores into a fresh copy: the files are new declarations
    // every time, never replacements.
    const QString store = dir.filePath(QStringLiteral("store"));
    std::unique_ptr<Connection> connection;
    const MayReplace never = [](const QString &, const DeclarationSummary &) { return false; };
    int imported = 0;
    const Timing whole = measure(
        repetitions,
        [&] {
            imported = 0;
            for (const ImportedFile &f : ImportFiles(*connection, paths, never))
                imported += f.outcome == ImportedFile::Outcome::Imported;
        },
        [&] {
            connection.reset();
            QDir(store).removeRecursively();
            QDir().mkpath(store);
            QFile::copy(QStringLiteral(D7_PRISTINE_DB), QDir(store).filePath(kDatabaseFileName));
            connection = std::make_unique<Connection>();
            connection->open(QDir(store).filePath(kDatabaseFileName), kDatabasePassword, Connection::Mode::ReadWrite);
            PrepareChangeLog(*connection);
        });
    connection.reset();

    std::printf("%d upload files of %d + %d rows (%.1f MB), %d runs\n", kFiles, kRows, kRows, bytes / 1e6,
                repetitions);
    std::printf("  reading alone         best %6.0f ms, median %6.0f ms (%.2f ms a file); %d refused\n", t.best,
                t.median, t.median / kFiles, refused);
    std::printf("  reading and storing   best %6.0f ms, median %6.0f ms (%.2f ms a file); %d imported   target 5000\n",
                whole.best, whole.median, whole.median / kFiles, imported);
    return refused == 0 && imported == kFiles ? 0 : 1;
}
