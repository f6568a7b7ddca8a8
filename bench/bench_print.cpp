// How long the print pages take to write for declarations of 200, 2,000 and
// 20,000 rows in Table 1 and as many in Table 2, and what the PDF of the
// 2,000-row tables page costs.
//
//   bench_print [repetitions]
//   BENCH_PRINT_LARGE=1 also times the preview of 20,000 + 20,000 rows;
//   BENCH_PRINT_PDF=path keeps a copy of the tables PDF there.
//
// Builds a database in a temporary folder with one declaration per size and
// opens each as the program does. A page is timed as its command writes it:
// rows read from the open declaration, the page written, the file saved. The
// general data page does not grow with the table rows; it is timed with as
// many children, to show how it grows. Prints the times in milliseconds (best
// and median of the repetitions); then, once each, the general data preview of
// three children and the tables preview of 2,000 + 2,000 rows as their
// commands show them (from the rows read to the preview painted), and the PDF
// of the 2,000-row tables page: its time and pages.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "declaration/Declaration.h"
#include "print/PrintCommands.h"
#include "print/PrintPages.h"
#include "print/PrintPath.h"
#include "print/PrintPreview.h"
#include "print/TablesPages.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "BenchSupport.h"

using namespace d7;

namespace {

const QStringList kStreets = {"ΛΕΩΦΟΡΟΣ ΜΕΣΟΓΕΙΩΝ", "ΠΑΤΗΣΙΩΝ", "ΑΓΙΟΥ ΚΩΝΣΤΑΝΤΙΝΟΥ", "ΕΘΝΙΚΗΣ ΑΝΤΙΣΤΑΣΕΩΣ"};

// A row of a table as a wizard stores it: every column text, the key last.
QStringList Table1Row(int r) {
    const QString &street = kStreets[r % 4];
    return {"ΑΤΤΙΚΗΣ", "01", r % 2 ? "ΑΓΙΑΣ ΠΑΡΑΣΚΕΥΗΣ" : "ΘΕΣΣΑΛΟΝΙΚΗΣ", "0101", street, "1234",
            QString::number(r % 300 + 1), "X", kStreets[(r + 1) % 4], "1235", "", kStreets[(r + 2) % 4], "1236", "X",
            "", "", "", "Γ" + QString::number(r % 90), "1", "", "2", "120,50", "15,00", "1985", "1", "100,00000", "",
            "350,25", "2", "50,00000", "1940", "135,50", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", "0"};
}

QStringList Table2Row(int r) {
    QStringList row = {"ΜΕΣΣΗΝΙΑΣ", "38", "ΚΑΛΑΜΑΤΑΣ", "3801", "ΘΕΣΗ ΠΕΡΙΒΟΛΙΑ " + QString::number(r), "0", "",
                       "3",         "500", " ", "X"};
    for (int i = 12; i <= 19; ++i)
        row << "1500,00";
    return row << "1" << "100" << "" << "1" << "ΣΤΟΝ ΥΠΟΧΡΕΟ" << "0";
}

QStringList ChildRow(int r) {
    return {"ΠΑΠΑΔΟΠΟΥΛΟΣ", "ΠΑΙΔΙ " + QString::number(r), "ΓΙΑΝΝΗΣ", "ΑΒ " + QString::number(100000 + r), "2005",
            ""};
}

// Appends rows to a table whose first column is its row identifier.
void Append(Connection &c, const char *table, int rows, const std::function<QStringList(int)> &row,
            const QString &key) {
    const int columns = int(row(0).size()) + 1;
    QString sql = QStringLiteral("insert into %1 values (NULL").arg(QLatin1String(table));
    for (int i = 0; i < columns; ++i)
        sql += QStringLiteral(", ?");
    sql += u')';
    for (int r = 1; r <= rows; ++r) {
        QVariantList values;
        for (const QString &v : row(r))
            values << v;
        values << key;
        c.execute(sql, values);
    }
}

void Report(const char *what, int rows, qint64 bytes, Timing t) {
    std::printf("%-12s %6d rows %10lld bytes  best %9.2f ms  median %9.2f ms\n", what, rows, bytes, t.best, t.median);
}

}  // namespace

int main(int argc, char **argv) {
    DefaultToOffscreen();
    QApplication app(argc, argv);
    const int repetitions = Repetitions(argc, argv);
    const int sizes[] = {200, 2000, 20000};

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.mdb"));
    try {
        CreateDatabase(path, kDatabasePassword);
        Declaration declaration;
        Connection &c = declaration.store();
        c.open(path, kDatabasePassword, Connection::Mode::ReadWrite);
        Transaction fill(c);
        for (int n : sizes) {
            const QString key = QString::number(n);
            Append(c, "table1", n, Table1Row, key);
            Append(c, "table2", n, Table2Row, key);
            Append(c, "children", n, ChildRow, key);
        }
        // A family of three children for the general data preview.
        Append(c, "children", 3, ChildRow, QStringLiteral("3"));
        fill.commit();

        GeneralDataValues general;
        general.taxOfficeName = QStringLiteral("ΑΓΙΑΣ ΠΑΡΑΣΚΕΥΗΣ");
        general.taxOfficeCode = QStringLiteral("1129");
        general.declarationType = QStringLiteral("ΑΡΧΙΚΗ");
        general.taxpayer = QStringList{"ΠΑΠΑΔΟΠΟΥΛΟΣ", "ΓΙΑΝΝΗΣ", "ΝΙΚΟΛΑΟΣ", "090000045"};
        general.spouse = QStringList{"ΠΑΠΑΔΟΠΟΥΛΟΥ", "ΜΑΡΙΑ", "ΓΕΩΡΓΙΟΣ", "Χ 123456", "111111111"};
        general.representative = QStringList{"", "", "", "", ""};
        general.notes = QStringLiteral("ΣΗΜΕΙΩΣΕΙΣ");
        const QStringList here = {folder.path()};

        QString tables2000;
        for (int n : sizes) {
            declaration.open(QString::number(n));
            QString written;
            const Timing tables = measure(repetitions, [&] {
                written = WritePrintPage(QStringLiteral("Tables.htm"),
                                         TablesPage(PrintedRows(declaration, DeclarationTable::Table1),
                                                    PrintedRows(declaration, DeclarationTable::Table2)),
                                         here);
            });
            Report("Tables.htm", n, QFileInfo(written).size(), tables);
            if (n == 2000) {
                tables2000 = folder.filePath(QStringLiteral("Tables-2000.htm"));
                QFile::copy(written, tables2000);
            }
            const Timing gd = measure(repetitions, [&] {
                general.children = PrintedRows(declaration, DeclarationTable::Children);
                written = WritePrintPage(QStringLiteral("GD.htm"), GeneralDataPage(general), here);
            });
            Report("GD.htm", n, QFileInfo(written).size(), gd);
        }

        // The general data preview of a family with three children, as its
        // command opens it.
        {
            declaration.open(QStringLiteral("3"));
            QElapsedTimer shown;
            shown.start();
            general.children = PrintedRows(declaration, DeclarationTable::Children);
            const QString written = WritePrintPage(QStringLiteral("GD.htm"), GeneralDataPage(general), here);
            GeneralDataPreview preview(written, QStringLiteral("090000045"), nullptr);
            preview.show();
            QApplication::processEvents();
            (void)preview.grab();
            std::printf("\nGeneral data preview (three children): shown after %.0f ms\n", shown.nsecsElapsed() / 1e6);
        }

        // The tables preview as the menu command opens it: rows read, page
        // written, preview built and painted once. 20,000 rows only when asked.
        const bool large = qEnvironmentVariableIsSet("BENCH_PRINT_LARGE");
        for (int n : sizes) {
            if (n == 200 || (n == 20000 && !large))
                continue;
            declaration.open(QString::number(n));
            QElapsedTimer shown;
            shown.start();
            const QString written = WritePrintPage(QStringLiteral("Tables.htm"),
                                                   TablesPage(PrintedRows(declaration, DeclarationTable::Table1),
                                                              PrintedRows(declaration, DeclarationTable::Table2)),
                                                   here);
            const double pageWritten = shown.nsecsElapsed() / 1e6;
            TablesPreview preview(written, QStringLiteral("090000045"), nullptr);
            preview.show();
            QApplication::processEvents();
            (void)preview.grab();
            std::printf("\nTables preview of %d + %d rows: page written after %.0f ms, preview shown after %.0f ms\n",
                        n, n, pageWritten, shown.nsecsElapsed() / 1e6);
        }

        // The tables page of 2,000 rows as the PDF button writes it: read
        // and laid out as its preview does, then drawn on A4 landscape.
        QElapsedTimer timer;
        timer.start();
        QFile page(tables2000);
        page.open(QIODevice::ReadOnly);
        std::optional<TablesSheet> sheet = ReadTablesSheet(page.readAll(), {});
        std::optional<TablesPages> pages =
            sheet ? TablesPages::measure(std::move(*sheet), app.font().family(), {}) : std::nullopt;
        if (!pages) {
            std::fprintf(stderr, "the tables page could not be read\n");
            return 1;
        }
        const double loaded = timer.nsecsElapsed() / 1e6;
        timer.restart();
        const QString pdf = folder.filePath(QStringLiteral("Tables.pdf"));
        const PageJob job = [&pages](QPrinter &printer) { return PrintTables(*pages, printer, {}); };
        if (WritePdf(job, pdf, QPageLayout::Landscape) != PrintOutcome::Printed) {
            std::fprintf(stderr, "the PDF could not be written\n");
            return 1;
        }
        const double printed = timer.nsecsElapsed() / 1e6;
        // A copy to look at, when asked for.
        if (const QString keep = qEnvironmentVariable("BENCH_PRINT_PDF"); !keep.isEmpty())
            QFile::copy(pdf, keep);
        QFile file(pdf);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        static const QRegularExpression pageObject(QStringLiteral(R"(/Type\s*/Page\b)"));
        std::printf("\nTables.htm of 2000 + 2000 rows: read and measured in %.0f ms, PDF written in %.0f ms, "
                    "%lld pages, %lld bytes\n",
                    loaded, printed, qint64(QString::fromLatin1(bytes).count(pageObject)), qint64(bytes.size()));
    } catch (const EngineError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}
