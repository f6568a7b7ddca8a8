// How long the street lookups of the location steps take on reference data as
// large as the largest municipality's, and what a plain exchange sort of
// neighbours would cost instead of the ordered sort the lookups use.
//
//   bench_lookups [repetitions]
//
// Builds a synthetic database in a temporary folder: three municipalities of
// 1,000, 5,000 and 20,000 streets, each street fronting on about ten city
// blocks (50,000 fronts for 5,000 streets), plus one avenue per municipality
// that fronts on 300 blocks. Prints the times in milliseconds (best and
// median of the repetitions).
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "widgets/PairedList.h"
#include "pages/wizard/LocationLookups.h"
#include "declaration/StreetNames.h"
#include "store/Database.h"
#include "declaration/ReferenceLists.h"
#include "store/Engine.h"
#include "text/CodePage.h"
#include "BenchSupport.h"

using namespace d7;

namespace {

const QString kPrefecture = QStringLiteral("01");
constexpr int kFrontsPerStreet = 10;
constexpr int kStreetsPerBlock = 5;
constexpr int kAvenueBlocks = 300;

struct Municipality {
    int code;
    int streets;
    qint64 firstStreet;   // street codes firstStreet .. firstStreet + streets - 1; the first is the avenue
};

// A street name of one to three words of Greek capitals, as code-page bytes
// that scramble and read back exactly.
QByteArray streetName(QRandomGenerator &rng) {
    for (;;) {
        QByteArray name;
        const int words = rng.bounded(1, 4);
        for (int w = 0; w < words; ++w) {
            if (w > 0)
                name += ' ';
            for (int i = 0, n = rng.bounded(4, 12); i < n; ++i) {
                unsigned char letter = static_cast<unsigned char>(0xC1 + rng.bounded(25));
                if (letter == 0xD2)   // the code page has no capital there
                    letter = 0xD3;
                name += char(letter);
            }
        }
        if (const auto stored = ScrambleStreetName(name); stored && DescrambleStreetName(*stored) == name)
            return *stored;
    }
}

// One insert statement: values set by position, then run through the store.
class Inserter {
public:
    Inserter(Connection &c, const char *sql) : m_connection(c), m_sql(QString::fromUtf8(sql)) {}
    void text(int i, const QString &t) { set(i, t); }
    void blob(int i, const QByteArray &b) { set(i, b); }
    void number(int i, qint64 n) { set(i, qlonglong(n)); }
    void run() { m_connection.execute(m_sql, m_values); }

private:
    void set(int i, const QVariant &v) {
        while (m_values.size() < i)
            m_values << QVariant();
        m_values[i - 1] = v;
    }
    Connection &m_connection;
    QString m_sql;
    QVariantList m_values;
};

void fillDatabase(Connection &c, const QList<Municipality> &municipalities) {
    QRandomGenerator rng(1253);
    Transaction fill(c);
    Inserter prefecture(c, "INSERT INTO doy_ap_prefecture VALUES (?,?)");
    prefecture.text(1, kPrefecture);
    prefecture.text(2, QStringLiteral("ΑΘΗΝΩΝ"));
    prefecture.run();
    Inserter municipality(c, "INSERT INTO doy_ap_municipality VALUES (?,?,?)");
    Inserter street(c, "INSERT INTO doy_ap_street VALUES (?,?)");
    Inserter link(c, "INSERT INTO DOY_AP_MNC_STRT VALUES (?,?,?)");
    Inserter front(c, "INSERT INTO doy_ap_front VALUES (?,?,?,?)");
    for (const Municipality &m : municipalities) {
        municipality.number(1, m.code);
        municipality.text(2, QStringLiteral("ΔΗΜΟΣ %1").arg(m.code));
        municipality.text(3, kPrefecture);
        municipality.run();
        for (int s = 0; s < m.streets; ++s) {
            street.number(1, m.firstStreet + s);
            street.blob(2, streetName(rng));
            street.run();
            link.text(1, kPrefecture);
            link.number(2, m.code);
            link.number(3, m.firstStreet + s);
            link.run();
        }
        // Each block is fronted by a few streets; every street fronts on about ten blocks.
        const int blocks = m.streets * kFrontsPerStreet / kStreetsPerBlock;
        for (int b = 0; b < blocks; ++b) {
            QSet<int> on{1 + b % (m.streets - 1)};
            if (b % (blocks / kAvenueBlocks) == 0)
                on.insert(0);   // the avenue
            while (on.size() < kStreetsPerBlock)
                on.insert(1 + rng.bounded(m.streets - 1));
            for (int s : on) {
                front.text(1, kPrefecture);
                front.number(2, m.code);
                front.number(3, m.firstStreet + s);
                front.text(4, QString::number(b));
                front.run();
            }
        }
    }
    fill.commit();
}

// The ordering of the lookups as first written: repeated passes over
// neighbours, swapping a pair whose first name is greater, until a pass swaps
// nothing.
template <class Row>
void exchangeSort(QVector<Row> &rows) {
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (qsizetype i = 0; i + 1 < rows.size(); ++i)
            if (rows[i + 1].key < rows[i].key) {
                std::swap(rows[i], rows[i + 1]);
                swapped = true;
            }
    }
}

// The street lookup with the exchange sort: the same statement, names and list.
void streetsByExchangeSort(Dataset &dataset, PairedList &streets, const Municipality &m) {
    QVector<ListedStreet> found;
    dataset.setCommandText(StreetsSql(kPrefecture, QString::number(m.code)));
    dataset.open();
    for (dataset.first(); !dataset.eof(); dataset.next()) {
        const QByteArray key = ListedStreetNameBytes(dataset.field(0).toByteArray());
        found.append({key, DecodeText(CodePage::Windows1253, key), dataset.text(1)});
    }
    dataset.close();
    exchangeSort(found);
    // Filled in one go, as the lookup fills its lists, so only the sort differs.
    QStringList names, codes;
    for (const ListedStreet &s : found) {
        names << s.name;
        codes << s.code;
    }
    streets.clear();
    streets.names()->addItems(names);
    streets.codes()->addItems(codes);
    streets.select(0);
}

// The block lookup with the exchange sort: the same statement and second-street list.
void blockByExchangeSort(Dataset &dataset, PairedList &second, const Municipality &m, qint64 street) {
    QVector<FrontRow> rows;
    const QString code = QString::number(street);
    dataset.setCommandText(BlockStreetsSql(kPrefecture, QString::number(m.code), code));
    dataset.open();
    for (dataset.first(); !dataset.eof(); dataset.next()) {
        const QByteArray key = ListedStreetNameBytes(dataset.field(2).toByteArray());
        rows.append({dataset.text(0), dataset.text(1), key, DecodeText(CodePage::Windows1253, key)});
    }
    dataset.close();
    exchangeSort(rows);
    second.clear();
    for (const FrontRow &r : BlockStreets::secondStreets(rows, code))
        second.append(r.name, r.streetCode);
    second.select(0);
}

void report(const char *what, const Municipality &m, int rows, Timing t) {
    std::printf("%-36s %6d streets %6d rows  best %9.2f ms  median %9.2f ms\n", what, m.streets, rows, t.best,
                t.median);
}

}  // namespace

int main(int argc, char **argv) {
    DefaultToOffscreen();
    QApplication app(argc, argv);
    const int repetitions = Repetitions(argc, argv);

    const QList<Municipality> municipalities = {{9001, 1000, 100000}, {9002, 5000, 200000}, {9003, 20000, 300000}};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.mdb"));
    try {
        QElapsedTimer built;
        built.start();
        CreateDatabase(path, kDatabasePassword);
        {
            Connection rw;
            rw.open(path, kDatabasePassword, Connection::Mode::ReadWrite);
            fillDatabase(rw, municipalities);
        }
        std::printf("synthetic reference database built in %.1f s\n\n", built.elapsed() / 1000.0);

        Connection reference;
        reference.open(path, kDatabasePassword, Connection::Mode::Read);
        Dataset dataset(&reference);
        ReferenceLists lists;
        lists.open(path, kDatabasePassword);
        QComboBox names[4], codes[4];
        PairedList streets(&names[0], &codes[0]), second(&names[1], &codes[1]), third(&names[2], &codes[2]),
            fourth(&names[3], &codes[3]);
        BlockStreets block;

        for (const Municipality &m : municipalities) {
            const QString code = QString::number(m.code);
            report("LoadStreets", m, m.streets, measure(repetitions, [&] {
                       LoadStreets(lists, streets, kPrefecture, code);
                   }));
            // The exchange sort grows with the square of the streets: fewer runs of the largest.
            const int slowRuns = m.streets > 5000 ? 1 : std::min(repetitions, 3);
            report("LoadStreets, exchange sort", m, m.streets,
                   measure(slowRuns, [&] { streetsByExchangeSort(dataset, streets, m); }));
            const qint64 typical = m.firstStreet + m.streets / 2, avenue = m.firstStreet;
            for (const auto &[what, slowWhat, street] :
                 {std::tuple{"LoadBlockStreets, typical street", "LoadBlockStreets, typical, exchange", typical},
                  std::tuple{"LoadBlockStreets, avenue", "LoadBlockStreets, avenue, exchange", avenue}}) {
                const QString s = QString::number(street);
                const Timing t = measure(repetitions, [&] { block.load(lists, kPrefecture, code, s, second, third, fourth); });
                report(what, m, int(block.frontRows().size()), t);
                report(slowWhat, m, int(block.frontRows().size()),
                       measure(repetitions, [&] { blockByExchangeSort(dataset, second, m, street); }));
            }
            std::printf("\n");
        }
    } catch (const EngineError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}
