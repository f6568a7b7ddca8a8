// Reading upload files back: the golden files and a declaration of random
// values come back through the writer byte for byte, the full declaration
// reads as the store holds it, and bad files are refused with their reason.
#include <QRandomGenerator>
#include <variant>

#include "declaration/Declaration.h"
#include "export/ExportCommand.h"
#include "export/UploadFile.h"
#include "format/ImportFiles.h"
#include "format/UploadFileReader.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kFixtures = QStringLiteral(D7_SOURCE_DIR "/tests/fixtures/export/");
const QString kTaxNumber = QStringLiteral("111111114");

const QStringList kTables = {"generaldata", "citizendata", "wifedata", "children", "ekprosopos", "table1", "TABLE2"};

// The column names of each table as the store of the current folder reports them.
QHash<QString, QStringList> storeColumns() {
    Connection c;
    c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read);
    QHash<QString, QStringList> columns;
    for (const QString &table : kTables) {
        Dataset ds(&c);
        ds.setCommandText(QStringLiteral("select * from %1 where 1=0").arg(table));
        ds.open();
        columns[table] = ds.fieldNames();
    }
    return columns;
}

QList<int> nullPositions(const QVector<QVariant> &row) {
    QList<int> positions;
    for (int p = 0; p < row.size(); ++p)
        if (row[p].isNull())
            positions << p;
    return positions;
}

// Random text from all of Unicode, weighted towards ASCII with its controls,
// Greek, markup and line breaks; now and then a long one.
QString randomText(QRandomGenerator &rng) {
    static const QString markup[] = {"&", "<", ">", "]]>", "\r", "\n", "\r\n", "\t", ",", ".", "€", "Ά"};
    static const char32_t ranges[][2] = {{0, 0x80}, {0x370, 0x400}, {0, 0x10000}, {0, 0x110000}};
    QString s;
    for (int i = 0, n = rng.bounded(10) == 0 ? rng.bounded(3000) : rng.bounded(20); i < n; ++i) {
        const int kind = rng.bounded(5);
        const char32_t c = kind < 4 ? char32_t(rng.bounded(ranges[kind][0], ranges[kind][1])) : 0;
        s += kind == 4 ? markup[rng.bounded(int(std::size(markup)))]
                       : c > 0xFFFF ? QString::fromUcs4(&c, 1) : QString(QChar(char16_t(c)));
    }
    return s;
}

// A declaration imported into the empty database of the current folder and
// exported again, as the export command writes it.
QByteArray throughTheStore(const UploadDeclaration &imported) {
    Declaration declaration;
    declaration.store().open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
    StoreImportedDeclaration(declaration.store(), imported);
    declaration.open(imported.taxpayer.values->last().toString());
    return WriteUploadFile(GatherUploadDeclaration(declaration));
}

}  // namespace

class ImportTest : public QObject {
    Q_OBJECT
private slots:
    void everyGoldenFileComesBackByteForByte_data() {
        QTest::addColumn<QByteArray>("file");
        const QStringList names = QDir(kFixtures).entryList({QStringLiteral("*.xml")});
        QVERIFY(names.size() >= 2);
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << ReadFile(kFixtures + name);
    }
    void everyGoldenFileComesBackByteForByte() {
        QFETCH(QByteArray, file);
        ScratchFolder empty{QStringLiteral(D7_PRISTINE_DB)};
        const UploadFileReading read = ReadUploadFile(file);
        QVERIFY(std::holds_alternative<UploadDeclaration>(read));
        QCOMPARE(WriteUploadFile(std::get<UploadDeclaration>(read)), file);
        QCOMPARE(throughTheStore(std::get<UploadDeclaration>(read)), file);
    }

    // Columns as the store names them, keys, the kind of declaration a number,
    // the note's line break (also when written as references), decimal commas, and NULL where the program
    // leaves a column unwritten: the column beside the kind, a child's cell
    // never typed in, the groups the initial declaration's wizard skips.
    void theFullDeclarationReadsAsTheStoreHoldsIt() {
        ScratchFolder folder;
        const UploadDeclaration d = std::get<UploadDeclaration>(ReadUploadFile(ReadFile(kFixtures + "full.xml")));
        const QList<QStringList> columns = {d.general.columns,  d.taxpayer.columns,       d.spouse.columns,
                                            d.children.columns, d.representative.columns, d.table1.columns,
                                            d.table2.columns};
        const QHash<QString, QStringList> stored = storeColumns();
        for (int t = 0; t < kTables.size(); ++t)
            QCOMPARE(columns[t], stored[kTables[t]]);
        QList<QVector<QVariant>> rows = {*d.general.values, *d.taxpayer.values, *d.spouse.values,
                                         *d.representative.values};
        rows << d.children.rows << d.table1.rows << d.table2.rows;
        for (const QVector<QVariant> &row : rows)
            QVERIFY(row.first().isNull() && row.last() == QVariant(kTaxNumber));
        QCOMPARE(d.general.values->mid(3, 3), (QVector<QVariant>{qlonglong(1), QVariant(),
                                                                 "ΠΡΩΤΗ ΓΡΑΜΜΗ: ΑΞΙΑ < 100 € & ΑΝΩ\nΔΕΥΤΕΡΗ ΓΡΑΜΜΗ ]]> ΤΕΛΟΣ"}));
        const QByteArray referenced = ReadFile(kFixtures + "full.xml").replace("\xC1\xCD\xD9\r\n", "\xC1\xCD\xD9&#13;&#10;");
        QCOMPARE(std::get<UploadDeclaration>(ReadUploadFile(referenced)).general.values->at(5), d.general.values->at(5));
        QCOMPARE(d.table1.rows[0].mid(22, 2), (QVector<QVariant>{"85,5", "12,25"}));
        QCOMPARE(d.table2.rows[1].mid(12, 2), (QVector<QVariant>{"", "12000,75"}));
        QCOMPARE(nullPositions(d.children.rows[1]), (QList<int>{0, 4}));
        QCOMPARE(nullPositions(d.table1.rows[0]), (QList<int>{0, 35}));
        QCOMPARE(nullPositions(d.table1.rows[1]),
                 (QList<int>{0, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 21, 22, 23, 24, 25, 26, 27, 35}));
        QCOMPARE(nullPositions(d.table1.rows[2]), QList<int>{0});
        QCOMPARE(nullPositions(d.table2.rows[0]), (QList<int>{0, 25}));
    }

    // Some 3,300 values of all of Unicode (controls, characters the code
    // page lacks and those above U+FFFF, "&", "<", "]]>", long texts), decimal
    // commas, five children and 50 rows in each table.
    void randomValuesComeBackByteForByte() {
        ScratchFolder folder;
        QRandomGenerator rng(20240611);
        const QHash<QString, QStringList> columns = storeColumns();
        auto values = [&](const QString &table, const QList<int> &decimals = {}) {
            QVector<QVariant> v;
            for (int p = 0, n = int(columns[table].size()); p < n; ++p)
                v << (decimals.contains(p) ? QVariant(QString("%1,%2").arg(rng.bounded(99999)).arg(rng.bounded(99)))
                                           : QVariant(randomText(rng)));
            return v;
        };
        UploadDeclaration d{{columns["generaldata"], values("generaldata")},
                            {columns["citizendata"], values("citizendata")},
                            {columns["wifedata"], values("wifedata")},
                            {columns["children"], {}},
                            {columns["ekprosopos"], values("ekprosopos")},
                            {columns["table1"], {}},
                            {columns["TABLE2"], {}}};
        (*d.general.values)[3] = qlonglong(rng.bounded(3));
        d.taxpayer.values->last() = kTaxNumber;
        for (int i = 0; i < 50; ++i) {
            if (i < 5)
                d.children.rows << values("children");
            d.table1.rows << values("table1", {22, 23, 26, 28, 30, 32});
            d.table2.rows << values("TABLE2", {12, 13, 14, 15, 16, 17, 18, 19, 21});
        }

        const QByteArray written = WriteUploadFile(d);
        const UploadFileReading read = ReadUploadFile(written);
        QVERIFY(std::holds_alternative<UploadDeclaration>(read));
        QCOMPARE(WriteUploadFile(std::get<UploadDeclaration>(read)), written);
        ScratchFolder empty{QStringLiteral(D7_PRISTINE_DB)};
        QCOMPARE(throughTheStore(std::get<UploadDeclaration>(read)), written);
    }

    void refusesABadFileWithItsReason_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<UploadFileFault>("fault");
        QTest::addColumn<int>("line");
        const QByteArray full = ReadFile(kFixtures + "full.xml");
        auto changed = [&](const QByteArray &from, const QByteArray &to) { return QByteArray(full).replace(from, to); };
        const QByteArray laughs = "<!DOCTYPE D7 [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"" + QByteArray("&a;").repeated(10) +
                                  "\"><!ENTITY c \"" + QByteArray("&b;").repeated(10) + "\">]>\r\n<D7>";
        auto row = [](const char *name, const QByteArray &file, UploadFileFault fault, int line) {
            QTest::newRow(name) << file << fault << line;
        };
        using enum UploadFileFault;
        row("empty file", "", Empty, 0);
        row("blank lines only", "\r\n\r\n", NotWellFormed, 3);
        row("truncated", full.left(full.indexOf("</TABLE2>")), NotWellFormed, 224);
        row("a byte ISO 8859-7 lacks", changed("<Name>\xCC\xC1\xD1", "<Name>\xCC\xC1\xD2"), NotWellFormed, 19);
        row("an undeclared entity", changed("<Name></Name>", "<Name>&nbsp;</Name>"), NotWellFormed, 13);
        row("deep nesting", "<D7>" + QByteArray("<a>").repeated(100000), NotWellFormed, 1);
        row("too large", QByteArray(kLargestUploadFile + 1, ' '), TooLarge, 0);
        row("another root", changed("D7>", "D8>"), NotUploadFile, 2);
        row("a missing section", full.left(full.indexOf("<LEGALREPR>")) + full.mid(full.indexOf("<TABLE1>")),
            NotUploadFile, 44);
        row("an extra element", changed("<Reserved></Reserved>", "<Reserved></Reserved><Extra/>"), NotUploadFile, 7);
        for (const char *entity : {"\"A\"", "SYSTEM \"secret.txt\""})
            row(entity, changed("<D7>", "<!DOCTYPE D7 [<!ENTITY x " + QByteArray(entity) + ">]>\r\n<D7>")
                            .replace("<Name></Name>", "<Name>&x;</Name>"),
                NotUploadFile, 0);
        row("entities within entities", changed("<D7>", laughs).replace("<Name></Name>", "<Name>&c;&c;&c;</Name>"),
            NotWellFormed, 1);
        row("a bad tax number", changed("<afm>111111114<", "<afm>111111115<"), BadTaxNumber, 15);
        row("no tax number", changed("<afm>111111114<", "<afm><"), BadTaxNumber, 15);
    }
    void refusesABadFileWithItsReason() {
        QFETCH(QByteArray, file);
        QFETCH(UploadFileFault, fault);
        QFETCH(int, line);
        const UploadFileReading read = ReadUploadFile(file);
        QVERIFY(std::holds_alternative<UploadFileRefusal>(read));
        const UploadFileRefusal refusal = std::get<UploadFileRefusal>(read);
        QCOMPARE(UploadFileRefusalText(refusal), UploadFileRefusalText({fault, line}));
    }

    // A missing file, a folder, and a device without end that reports no size.
    void refusesAFileItCannotRead() {
        QTemporaryDir dir;
        auto faultAt = [](const QString &path) { return std::get<UploadFileRefusal>(ReadUploadFileAt(path)).fault; };
        QCOMPARE(faultAt(dir.filePath("missing.xml")), UploadFileFault::Unreadable);
        QCOMPARE(faultAt(dir.path()), UploadFileFault::Unreadable);
        QCOMPARE(faultAt(QStringLiteral("/dev/zero")), UploadFileFault::TooLarge);
    }
};

D7_TEST_MAIN(ImportTest)
#include "test_import.moc"
