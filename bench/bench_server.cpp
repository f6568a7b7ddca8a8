// An office's desks on one PostgreSQL server, against a private server started
// in a temporary folder on this machine (with its syncs to disk, as an
// office's server runs; --no-sync skips them).
//
// 1. Desks at once: each desk is a process of its own that opens its own
//    declaration of 200 Table 1 and 200 Table 2 rows and stores it again and
//    again. One store is one transaction: the general data changed and
//    stored, a Table 1 row appended and deleted again. Afterwards every
//    declaration must hold its desk's last store and its 200 + 200 rows.
//    Prints the median and the 95th percentile of one store.
// 2. Opening a declaration of 2,000 + 2,000 rows from the server and from the
//    file: the medians and their ratio.
//
//   bench_server [--no-sync] [desks] [stores] [repetitions]    (20, 50 and 31 by default)
//
// The same program is each desk: bench_server --desk SERVER TAXNUMBER STORES.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "declaration/Declaration.h"
#include "declaration/DeclarationList.h"
#include "store/Database.h"
#include "store/DeclarationCopy.h"
#include "store/Engine.h"
#include "store/ServerStore.h"
#include "support/PostgresServer.h"
#include "BenchSupport.h"

using namespace d7;

namespace {

const int kDeskRows = 200, kLargeRows = 2000;
const QString kLargeTaxNumber = QStringLiteral("999999999");

QString deskTaxNumber(int desk) { return QStringLiteral("1%1").arg(desk, 8, 10, QLatin1Char('0')); }

QString officeOf(int store) { return QStringLiteral("ΑΘΗΝΩΝ %1").arg(store); }

// One desk: opens its declaration, says it is ready, waits for the word, then
// stores it `stores` times and prints each store's milliseconds.
int runDesk(const QString &server, const QString &tax, int stores) {
    Declaration d;
    d.store().open(std::make_unique<ServerStore>(server), Connection::Mode::ReadWrite);
    d.store().driver().lockDeclaration(tax);
    d.open(tax);
    std::printf("ready\n");
    std::fflush(stdout);
    char go[8];
    if (!std::fgets(go, sizeof go, stdin))
        return 1;
    QStringList times;
    for (int i = 1; i <= stores; ++i) {
        QElapsedTimer timer;
        timer.start();
        Transaction store(d.store());
        GeneralData g = d.generalData();
        g.taxOfficeName = officeOf(i);
        g.notes = QStringLiteral("ΑΠΟΘΗΚΕΥΣΗ %1").arg(i);
        d.setGeneralData(g);
        d.storeGeneralData();
        // A row added in the Table 1 grid, then deleted there.
        Dataset &rows = d.table1Rows();
        rows.insert();
        rows.setFieldByName(QStringLiteral("NOMOSDESC"), QStringLiteral("ΑΤΤΙΚΗΣ"));
        rows.setFieldByName(QStringLiteral("AFMYpox"), tax);
        rows.post();
        d.deleteRow(DeclarationTable::Table1, rows.recordCount() - 1);
        store.commit();
        times << QString::number(timer.nsecsElapsed() / 1e6, 'f', 3);
    }
    std::printf("%s\n", qPrintable(times.join(' ')));
    return 0;
}

double percentile(QVector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(qsizetype(v.size() * p), v.size() - 1)];
}

// Every desk at once; false on any error or lost update.
bool desksAtOnce(const QString &server, int desks, int stores) {
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int k = 0; k < desks; ++k) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--desk"), server, deskTaxNumber(k), QString::number(stores)});
        processes.push_back(std::move(p));
    }
    for (auto &p : processes)
        while (!p->canReadLine())
            if (!p->waitForReadyRead(60000)) {
                std::printf("a desk did not open its declaration\n");
                return false;
            }
    QElapsedTimer wall;
    wall.start();
    for (auto &p : processes) {
        p->readLine();
        p->write("go\n");
    }
    QVector<double> times;
    bool ok = true;
    for (auto &p : processes) {
        p->closeWriteChannel();
        ok = p->waitForFinished(600000) && p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0 && ok;
        const QList<QByteArray> line = p->readAllStandardOutput().trimmed().split(' ');
        ok = ok && line.size() == stores;
        for (const QByteArray &t : line)
            times << t.toDouble();
    }
    const double seconds = wall.nsecsElapsed() / 1e9;
    if (!ok) {
        std::printf("a desk failed\n");
        return false;
    }

    // Every declaration holds its desk's last store and its rows, no more.
    Connection check;
    check.open(std::make_unique<ServerStore>(server), Connection::Mode::Read);
    int lost = 0;
    for (int k = 0; k < desks; ++k) {
        DeclarationSummary s;
        if (!FindDeclaration(check, deskTaxNumber(k), &s) || s.taxOffice != officeOf(stores) ||
            s.table1Rows != kDeskRows || s.table2Rows != kDeskRows || s.changed.isEmpty())
            ++lost;
    }
    std::printf("%d desks × %d stores of a declaration of %d + %d rows, in %.1f s (%.0f stores/s)\n", desks, stores,
                kDeskRows, kDeskRows, seconds, times.size() / seconds);
    std::printf("  errors: none, declarations not in their last stored state: %d of %d\n", lost, desks);
    std::printf("  one store: median %.2f ms, 95th percentile %.2f ms, slowest %.2f ms\n", percentile(times, 0.5),
                percentile(times, 0.95), percentile(times, 1.0));
    return lost == 0;
}

// The medians of opening the large declaration from the file and from the
// server, the two taken in turn so that a change in the machine's load
// weighs on both alike.
void openLarge(const QString &server, int repetitions) {
    Declaration fromFile, fromServer;
    fromFile.store().open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
    fromServer.store().open(std::make_unique<ServerStore>(server), Connection::Mode::ReadWrite);
    const auto opening = [](Declaration &d) {
        QElapsedTimer timer;
        timer.start();
        d.open(kLargeTaxNumber);
        const double ms = timer.nsecsElapsed() / 1e6;
        if (d.table1Rows().recordCount() != kLargeRows || d.table2Rows().recordCount() != kLargeRows)
            qFatal("the declaration was not read whole");
        return ms;
    };
    // Once before: the statements prepared, the pages in the caches.
    opening(fromFile);
    opening(fromServer);
    QVector<double> file, onServer;
    for (int i = 0; i < repetitions; ++i) {
        file << opening(fromFile);
        onServer << opening(fromServer);
    }
    std::printf("opening a declaration of %d + %d rows (%d times each):\n", kLargeRows, kLargeRows, repetitions);
    std::printf("  file:   median %.1f ms (best %.1f)\n", percentile(file, 0.5), percentile(file, 0));
    std::printf("  server: median %.1f ms (best %.1f)\n", percentile(onServer, 0.5), percentile(onServer, 0));
    std::printf("  server / file: %.2f\n", percentile(onServer, 0.5) / percentile(file, 0.5));
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("--desk")) {
        try {
            return runDesk(args.value(1), args.value(2), args.value(3).toInt());
        } catch (const std::exception &e) {
            std::fprintf(stderr, "desk %s: %s\n", qPrintable(args.value(2)), e.what());
            return 1;
        }
    }
    const bool noSync = args.removeAll(QStringLiteral("--no-sync")) > 0;
    const int desks = std::max(1, args.value(0, QStringLiteral("20")).toInt());
    const int stores = std::max(1, args.value(1, QStringLiteral("50")).toInt());
    const int repetitions = std::max(1, args.value(2, QStringLiteral("31")).toInt());

    d7test::PostgresServer postgres(noSync ? d7test::PostgresServer::Syncs::Skipped
                                           : d7test::PostgresServer::Syncs::Kept);
    const QString server = postgres.connectionString(postgres.newDatabase());

    // The declarations in a scratch copy of the pristine file, then copied onto the server.
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(D7_PRISTINE_DB), dir.filePath(kDatabaseFileName));
    QDir::setCurrent(dir.path());
    {
        Connection file, office;
        file.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
        Transaction fill(file);
        for (int k = 0; k < desks; ++k)
            FillDeclaration(file, deskTaxNumber(k), kDeskRows);
        FillDeclaration(file, kLargeTaxNumber, kLargeRows);
        fill.commit();
        office.open(std::make_unique<ServerStore>(server), Connection::Mode::ReadWrite);
        CopyDeclarations(file, office, false);
    }
    std::printf("PostgreSQL server with syncs to disk %s\n", noSync ? "skipped" : "kept");
    const bool ok = desksAtOnce(server, desks, stores);
    openLarge(server, repetitions);
    return ok ? 0 : 1;
}
