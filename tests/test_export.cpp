// The upload file: the writer's value rules, the file
// of a full and of an empty declaration byte for byte, adversarial and random
// text read back through libxml2, the schema under data/upload checked on every
// file, and the menu command: validation, the save dialog, the replace
// question, a failed write, unsaved edits, no declaration open.
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QXmlStreamReader>
#include <optional>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "app/MainWindow.h"
#include "declaration/Declaration.h"
#include "widgets/StringGrid.h"
#include "export/ExportCommand.h"
#include "export/UploadFile.h"
#include "files/WholeFile.h"
#include "help/DesktopEntry.h"
#include "print/PrintCommands.h"
#include "pages/general/GeneralPage.h"
#include "declaration/Validation.h"
#include "store/Access.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "support/TestSupport.h"
#include "text/CodePage.h"

using namespace d7;
using namespace d7test;

namespace {

const QString kPerson = QStringLiteral("111111114");
const QString kOtherDeclaration = QStringLiteral("022222222");
const QString kSchema = QStringLiteral(D7_SOURCE_DIR "/data/upload/D7.xsd");
const QString kDialogTitle = QStringLiteral("Επιλέξτε ένα όνομα αρχείου");
const int kYear = QDate::currentDate().year();

QByteArray iso(const QString &text) { return EncodeForMarkup(CodePage::Iso8859_7, text); }

// What xmllint prints: its standard output when it succeeds, its errors when not.
std::pair<int, QByteArray> xmllint(const QStringList &arguments) {
    QProcess p;
    p.start(QStringLiteral("xmllint"), arguments);
    if (!p.waitForFinished(60000))
        return {-1, "xmllint did not run (is libxml2-utils installed?)"};
    return {p.exitCode(), p.exitCode() == 0 ? p.readAllStandardOutput() : p.readAllStandardError()};
}

// What is wrong with a written file: not well-formed, or not valid against the
// schema. Empty when all is well.
QString schemaFaults(const QString &path) {
    const auto [exitCode, errors] = xmllint({QStringLiteral("--noout"), QStringLiteral("--schema"), kSchema, path});
    return exitCode == 0 ? QString() : QString::fromUtf8(errors);
}

// The leaf elements of a file as libxml2 reads them: name and text, in order.
QList<std::pair<QString, QString>> readBack(const QString &path) {
    QXmlStreamReader xml(xmllint({QStringLiteral("--encode"), QStringLiteral("UTF-8"), path}).second);
    QList<std::pair<QString, QString>> leaves;
    QString name, text;
    bool leaf = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            name = xml.name().toString();
            text.clear();
            leaf = true;
        } else if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isEndElement() && std::exchange(leaf, false)) {
            leaves.append({name, text});
        }
    }
    if (xml.hasError())
        leaves.append({QStringLiteral("<error>"), xml.errorString()});
    return leaves;
}

// The column names of a table as the store reports them.
QStringList columnsOf(const QString &table) {
    Connection c;
    c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::Read);
    Dataset ds(&c);
    ds.setCommandText(QStringLiteral("select * from %1 where 1=0").arg(table));
    ds.open();
    return ds.fieldNames();
}

// A Table 1 or Table 2 row stored as the wizards store it: one value per
// position from 1, "<null>" for a column left NULL, and the declaration key.
void storeRow(Connection &connection, const QString &table, const QStringList &values, const QString &taxNumber) {
    Dataset rows(&connection);
    rows.setCommandText(QStringLiteral("select * from %1 where cd<0").arg(table));
    rows.open();
    rows.insert();
    for (int i = 0; i < values.size(); ++i)
        if (values[i] != QLatin1String("<null>"))
            rows.setField(i + 1, values[i]);
    rows.setField(values.size() + 1, taxNumber);
    rows.post();
}

// Three Table 1 rows: a building on a known street (decimal commas, a comma
// in the street's name), a plot without streets (initial declaration: streets
// and building columns NULL) and a row of a supplementary declaration.
const QList<QStringList> kTable1Rows = {
    {"ΑΤΤΙΚΗΣ", "01", "ΑΘΗΝΑΙΩΝ", "101", "ΠΑΝΕΠΙΣΤΗΜΙΟΥ, ΕΛ. ΒΕΝΙΖΕΛΟΥ", "1234", "12Α", "X", "ΣΤΑΔΙΟΥ", "0", "", "",
     "", "", "", "", "", "125", "2", "", "3", "85,5", "12,25", "1975", "1", "33,33333", "", "250", "2", "12,5",
     "1940", "1200,5", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", "<null>"},
    {"ΚΕΡΚΥΡΑΣ", "22", "ΚΕΡΚΥΡΑΙΩΝ", "2201", "<null>", "<null>", "<null>", "<null>", "<null>", "<null>", "<null>",
     "<null>", "<null>", "<null>", "<null>", "<null>", "<null>", "", "9", "3", "<null>", "<null>", "<null>", "<null>",
     "<null>", "<null>", "<null>", "4000", "3", "50", "1950", "", "3", "ΣΤΟ 1 ΠΑΙΔΙ", "<null>"},
    {"ΑΧΑΪΑΣ", "13", "ΠΑΤΡΕΩΝ", "", "ΟΔΟΣ ΜΑΙΖΩΝΟΣ", "0", "", "", "", "", "", "", "", "", "", "", "", "", "1", "",
     "Υ", "100", "", "1990", "1", "100", "", "", "", "", "", "", "2", "ΣΤΗ ΣΥΖΥΓΟ", "1"},
};

// Two Table 2 rows: decimal commas in the areas and the share.
const QList<QStringList> kTable2Rows = {
    {"ΑΧΑΪΑΣ", "13", "ΠΑΤΡΕΩΝ", "1301", "ΘΕΣΗ ΜΠΑΛΑ", "0", "", "3", "", "X", " ", "1500,5", "", "2000", "", "", "",
     "", "", "1", "100", "", "1", "ΣΤΟΝ ΥΠΟΧΡΕΟ", "<null>"},
    {"ΗΛΕΙΑΣ", "14", "ΠΥΡΓΟΥ", "", "ΑΓ. ΓΕΩΡΓΙΟΣ, ΚΑΤΩ", "0", "7", "4", "800", " ", "X", "", "12000,75", "", "", "3,5",
     "", "", "120,5", "3", "33,33333", "1945", "4", "ΣΤΟ 2 ΠΑΙΔΙ", "2"},
};

// Answers the save dialog with a path (the empty path cancels it), after a
// look at the dialog; any other window is closed.
std::function<void(QWidget *)> saveAs(const QString &path, std::function<void(QFileDialog *)> look = {}) {
    return [=](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        if (!dialog)
            return void(w->close());
        if (look)
            look(dialog);
        if (path.isEmpty())
            return dialog->reject();
        TypeIntoSaveDialog(dialog, path);
    };
}

// A main window on a scratch copy of the database, with the declaration of
// kPerson open and loaded.
struct Window {
    ScratchFolder folder;
    std::unique_ptr<MainWindow> form = MakeMainWindow();
    GeneralPage &page = *form->generalPage();

    void open() {
        form->openDeclaration(kPerson);
    }
    // Runs the menu command with the answers given (an unexpected window is
    // closed, so that a test never hangs) and returns the captions of the
    // windows that came up.
    QStringList exportWith(ModalAnswerer &answers) {
        answers.custom([](QWidget *w) { w->close(); });
        form->findChild<QAction *>(QStringLiteral("N10"))->trigger();
        return answers.titles;
    }
};

// What an XML parser gives back for a text written into the file: the
// characters XML 1.0 allows, without the control characters it advises
// against, and every line break as a line feed.
QString readBackOf(const QString &text) {
    QString kept;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept += text.mid(i, 2);
            ++i;
            continue;
        }
        const bool allowed = c == 0x09 || c == 0x0A || c == 0x0D || (c >= 0x20 && c < 0x7F) ||
                             (c >= 0xA0 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD);
        if (allowed)
            kept += QChar(char16_t(c));
    }
    kept.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    kept.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return kept;
}

// A random text drawn from all of Unicode, weighted towards the characters
// that matter here: ASCII with its controls, Greek and Latin-1, the markup
// characters, the whole BMP (lone surrogates included) and the planes above.
QString randomText(QRandomGenerator &rng) {
    static const char32_t markup[] = {'&', '<', '>', ']', '\r', '\n', '\t', 0x20AC, 0x0386, 0xFFFE, 0xFFFF};
    QString s;
    for (int i = 0, n = rng.bounded(0, 24); i < n; ++i) {
        char32_t c = 0;
        switch (rng.bounded(6)) {
        case 0: c = rng.bounded(0x80); break;
        case 1: c = rng.bounded(0x80, 0x400); break;
        case 2: c = markup[rng.bounded(int(std::size(markup)))]; break;
        case 3: c = rng.bounded(0x10000); break;
        case 4: c = rng.bounded(0x110000); break;
        default: c = rng.bounded(0x391, 0x3AA); break;
        }
        if (c >= 0x10000) {
            s += QChar(QChar::highSurrogate(c));
            s += QChar(QChar::lowSurrogate(c));
        } else {
            s += QChar(char16_t(c));
        }
    }
    return s;
}

}  // namespace

class ExportTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(!QApplication::activeModalWidget()); }

    void eachValueIsWrittenAsItsElementsText_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("decimal");
        QTest::addColumn<QByteArray>("written");
        auto row = [](const char *name, const QVariant &v, bool decimal, const QByteArray &written) {
            QTest::newRow(name) << v << decimal << written;
        };
        row("null", QVariant(), false, "");
        row("empty text", QString(), false, "");
        row("whole number", qlonglong(2), false, "2");
        row("negative", qlonglong(-1234567), false, "-1234567");
        row("large real, no exponent", 1e20, false, "100000000000000000000");
        row("real, no grouping", 1234567.5, false, "1234567.5");
        row("decimal comma", "85,5", true, "85.5");
        row("every comma of a decimal", "1,2,3", true, "1.2.3");
        row("comma outside decimals", "ΟΔΟΣ Α, Β", false, iso("ΟΔΟΣ Α, Β"));
        row("blanks kept", "  Α  ", false, iso("  Α  "));
        row("ampersand", "Α & Β", false, iso("Α &amp; Β"));
        row("less than", "<Α>", false, iso("&lt;Α>"));
        row("greater than alone", "a > b ]>", false, "a > b ]>");
        row("end of CDATA", "]]>", false, "]]&gt;");
        row("end of CDATA after brackets", "]]]>", false, "]]]&gt;");
        row("brackets apart", "] ]>", false, "] ]>");
        row("end of CDATA across a dropped control", QString("]]\x01>"), false, "]]&gt;");
        row("capital alpha with tonos", "Ά", false, "\xB6");
        row("Greek letters", "ΑΩάώΪϊΐ", false, "\xC1\xD9\xDC\xFE\xDA\xFA\xC0");
        row("quotes and guillemets", "«‘’»", false, "\xAB\xA1\xA2\xBB");
        row("no-break space", "\u00A0", false, "\xA0");
        row("euro sign", "100 €", false, "100 &#8364;");
        row("drachma sign and ypogegrammeni", "₯ͺ", false, "&#8367;&#890;");
        row("Latin letter", "é", false, "&#233;");
        row("Cyrillic letter", "Ж", false, "&#1046;");
        row("replacement character", "\uFFFD", false, "&#65533;");
        row("emoji", "😀", false, "&#128512;");
        row("last code point", QString::fromUcs4(U"\U0010FFFF"), false, "&#1114111;");
        row("tab kept", "a\tb", false, "a\tb");
        row("C0 controls dropped", QString("a\x01\x08\x0B\x0C\x1F" "b"), false, "ab");
        row("nul dropped", QString(QChar(0)) + "a", false, "a");
        row("DEL and C1 dropped", QString("a\u007F\u0080\u0085\u009Fb"), false, "ab");
        row("lone high surrogate dropped", QString(QChar(0xD800)) + "x", false, "x");
        row("lone low surrogate dropped", "x" + QString(QChar(0xDC00)), false, "x");
        row("reversed pair dropped", QString(QChar(0xDC00)) + QChar(0xD800), false, "");
        row("non-characters dropped", "a\uFFFE\uFFFFb", false, "ab");
        row("line feed", "a\nb", false, "a\r\nb");
        row("carriage return", "a\rb", false, "a\r\nb");
        row("CR LF", "a\r\nb", false, "a\r\nb");
        row("LF CR is two breaks", "a\n\rb", false, "a\r\n\r\nb");
        row("CR CR LF is two breaks", "a\r\r\nb", false, "a\r\n\r\nb");
        row("CR LF across a dropped control", QString("a\r\x02\nb"), false, "a\r\nb");
    }

    void eachValueIsWrittenAsItsElementsText() {
        QFETCH(QVariant, value);
        QFETCH(bool, decimal);
        QFETCH(QByteArray, written);
        QCOMPARE(UploadValueText(value, decimal), written);
    }

    // The schema holds the file to its layout: each change below to the full
    // declaration's file makes it invalid.
    void theSchemaRefusesEveryOtherLayout_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("decimal comma") << QByteArray("<MAINMM>85.5<") << QByteArray("<MAINMM>85,5<");
        QTest::newRow("text in a decimal column") << QByteArray("<PERCENTAGE>100<") << QByteArray("<PERCENTAGE>Α<");
        QTest::newRow("child numbered 2") << QByteArray("<CODE>3<") << QByteArray("<CODE>2<");
        QTest::newRow("two rows numbered 1") << QByteArray("<CD>2<") << QByteArray("<CD>1<");
        QTest::newRow("element name in another case") << QByteArray("<afm>111111114</afm>")
                                                      << QByteArray("<AFM>111111114</AFM>");
        QTest::newRow("element missing") << QByteArray("<Reserved></Reserved>\r\n") << QByteArray();
        QTest::newRow("elements swapped") << QByteArray("<MAINMM>85.5</MAINMM>\r\n<HELPMM>12.25</HELPMM>")
                                          << QByteArray("<HELPMM>12.25</HELPMM>\r\n<MAINMM>85.5</MAINMM>");
        QTest::newRow("unknown kind of declaration") << QByteArray("<DeclType>1<") << QByteArray("<DeclType>3<");
    }

    void theSchemaRefusesEveryOtherLayout() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QByteArray file = ReadFile(D7_SOURCE_DIR "/tests/fixtures/export/full.xml");
        QVERIFY(file.contains(from));
        file.replace(file.indexOf(from), from.size(), to);
        QTemporaryDir dir;
        const QString path = dir.filePath("changed.xml");
        QVERIFY(WriteFile(path, file));
        QVERIFY(!schemaFaults(path).isEmpty());
    }

    // A few thousand random texts in every text column: the file is
    // well-formed and valid, carries no byte ISO 8859-7 leaves undefined, and
    // libxml2 reads back every text as written (less what XML cannot carry).
    void randomTextsReadBackAsWritten() {
        ScratchFolder folder;
        QRandomGenerator rng(20240611);
        int texts = 0;
        auto text = [&] {
            ++texts;
            return QVariant(randomText(rng));
        };
        auto decimal = [&] {
            return rng.bounded(3) == 0 ? QVariant(QString())
                                       : QVariant(QStringLiteral("%1,%2").arg(rng.bounded(100000)).arg(rng.bounded(100)));
        };
        auto person = [&](const QString &table) {
            UploadPersonRow row{columnsOf(table), QVector<QVariant>()};
            for (const QString &column : row.columns)
                row.values->append(column == QLatin1String("DeclType") ? QVariant(qlonglong(rng.bounded(3))) : text());
            return row;
        };
        auto rows = [&](const QString &table, int count, const QList<int> &decimals) {
            UploadRows r{columnsOf(table), {}};
            for (int i = 0; i < count; ++i) {
                QVector<QVariant> values;
                for (int p = 0; p < r.columns.size(); ++p)
                    values << (decimals.contains(p) ? decimal() : text());
                r.rows << values;
            }
            return r;
        };
        const QList<int> table1Decimals = {22, 23, 26, 28, 30, 32};
        const QList<int> table2Decimals = {12, 13, 14, 15, 16, 17, 18, 19, 21};
        UploadDeclaration d;
        d.general = person("generaldata");
        d.taxpayer = person("citizendata");
        d.spouse = person("wifedata");
        d.children = rows("children", 5, {});
        d.representative = person("ekprosopos");
        d.table1 = rows("table1", 70, table1Decimals);
        d.table2 = rows("TABLE2", 70, table2Decimals);
        QVERIFY(texts > 3000);

        const QByteArray written = WriteUploadFile(d);
        for (char b : written) {
            const auto byte = static_cast<unsigned char>(b);
            QVERIFY2(byte == 0x09 || byte == 0x0A || byte == 0x0D || (byte >= 0x20 && byte < 0x7F) ||
                         (byte >= 0xA0 && byte != 0xA4 && byte != 0xA5 && byte != 0xAA && byte != 0xAE &&
                          byte != 0xD2 && byte != 0xFF),
                     qPrintable(QString::number(byte, 16)));
        }
        const QString path = folder.file("random.xml");
        QVERIFY(WriteFile(path, written));
        QCOMPARE(schemaFaults(path), QString());

        // Every leaf in the file's layout, with the text a parser must return.
        QList<std::pair<QString, QString>> expected;
        auto value = [&](const QVector<QVariant> &values, int p, bool isDecimal) {
            QString t = readBackOf(values[p].toString());
            return isDecimal ? t.replace(',', '.') : t;
        };
        auto expectPerson = [&](const UploadPersonRow &row, int last) {
            for (int p = 1; p <= last; ++p)
                expected.append({row.columns[p], value(*row.values, p, false)});
        };
        auto expectRows = [&](const UploadRows &r, const QString &number, int first, int last,
                              const QList<int> &decimals) {
            for (int i = 0; i < r.rows.size(); ++i) {
                expected.append({number, QString::number(first + i)});
                for (int p = 1; p <= last; ++p)
                    expected.append({r.columns[p], value(r.rows[i], p, decimals.contains(p))});
            }
        };
        expectPerson(d.general, 5);
        expectPerson(d.taxpayer, 4);
        expectPerson(d.spouse, 5);
        expectRows(d.children, "CODE", 3, 6, {});
        expectPerson(d.representative, 5);
        expectRows(d.table1, "CD", 1, 35, table1Decimals);
        expectRows(d.table2, "CD", 1, 25, table2Decimals);

        const auto leaves = readBack(path);
        QCOMPARE(leaves.size(), expected.size());
        for (int i = 0; i < leaves.size(); ++i)
            QVERIFY2(leaves[i] == expected[i],
                     qPrintable(QStringLiteral("leaf %1 <%2>: read %3, written %4")
                                    .arg(i)
                                    .arg(expected[i].first, leaves[i].second.toHtmlEscaped(),
                                         expected[i].second.toHtmlEscaped())));
    }

    // The whole road through the window: two children, a company name with
    // "&", a two-line note, three Table 1 and two Table 2 rows (the rows of
    // another declaration stored before them), compared with the fixture.
    // The page's edits were never stored and the second child is still being
    // typed in: they are checked, stored and written.
    void aFullDeclarationIsWrittenAsItsFixture() {
        Window w;
        // another declaration's rows come first, so that stored keys are not ordinals
        storeRow(w.form->declaration().store(), "table1", kTable1Rows[0], kOtherDeclaration);
        storeRow(w.form->declaration().store(), "table2", kTable2Rows[0], kOtherDeclaration);
        w.open();
        QVERIFY(w.form->findChild<QAction *>(QStringLiteral("N10"))->isEnabled());
        GeneralPage &page = w.page;
        page.m_taxOffices->setCurrentIndex(page.m_taxOffices->findText("ΑΘΗΝΩΝ Α'"));
        page.chooseTaxOffice(page.m_taxOffices->currentIndex());
        page.m_declarationKind->setCurrentIndex(1);
        page.m_taxpayerGrid->setCellText(1, 1, "ΠΡΩΤΟ");
        w.form->declaration().storeGeneralData();
        const QStringList taxpayer = {"ΆΛΦΑ & ΣΙΑ Ο.Ε.", "", ""};
        const QStringList spouse = {"ΔΕΛΤΑ", "ΜΑΡΙΑ", "ΙΩΑΝΝΗΣ", "ΑΒ 123456", "100000090"};
        const QStringList representative = {"ΔΙΑΧΕΙΡΙΣΤΗΣ", "ΕΨΙΛΟΝ", "ΠΕΤΡΟΣ", "Χ 654321", "077777777"};
        for (int c = 0; c < 3; ++c)
            page.m_taxpayerGrid->setCellText(c + 1, 1, taxpayer[c]);
        for (int c = 0; c < 5; ++c) {
            page.m_spouseGrid->setCellText(c + 1, 1, spouse[c]);
            page.m_representativeGrid->setCellText(c, 1, representative[c]);
        }
        const QString notes = "ΠΡΩΤΗ ΓΡΑΜΜΗ: ΑΞΙΑ < 100 € & ΑΝΩ\nΔΕΥΤΕΡΗ ΓΡΑΜΜΗ ]]> ΤΕΛΟΣ";
        page.m_notes->setPlainText(notes);
        for (const QStringList &row : kTable1Rows) {
            QCOMPARE(row.size(), 35);
            storeRow(w.form->declaration().store(), "table1", row, kPerson);
        }
        for (const QStringList &row : kTable2Rows) {
            QCOMPARE(row.size(), 25);
            storeRow(w.form->declaration().store(), "table2", row, kPerson);
        }
        w.form->declaration().reloadRows(DeclarationTable::Table1);
        w.form->declaration().reloadRows(DeclarationTable::Table2);
        // the grids stand on later rows, the children's on the one being typed in
        w.form->declaration().table1Rows().moveTo(2);
        w.form->declaration().table2Rows().moveTo(1);
        Dataset &children = w.form->declaration().children();
        for (const QStringList &child : {QStringList{"ΔΕΛΤΑ", "ΕΛΕΝΗ", "ΙΩΑΝΝΗΣ", "ΑΒ 111111", "2010", "123456783"},
                                         QStringList{"ΔΕΛΤΑ", "ΆΝΝΑ", "ΙΩΑΝΝΗΣ", "", "2015", "090000008"}}) {
            QVERIFY(children.state() != Dataset::State::Insert || children.post());
            children.insert();
            for (int i = 0; i < child.size(); ++i)
                children.setField(i + 1, child[i]);
        }

        // The dialog as it opens; a name typed without suffix gets ".xml".
        QStringList seen;
        ModalAnswerer answers;
        answers.custom(saveAs(w.folder.file("full"), [&](QFileDialog *d) {
            seen << d->windowTitle() << d->nameFilters().join('|') << d->defaultSuffix() << d->directory().absolutePath()
                 << Control<QLineEdit>(d, "fileNameEdit")->text()
                 << QString::number(d->testOption(QFileDialog::DontConfirmOverwrite));
        }));
        QCOMPARE(w.exportWith(answers), QStringList{kDialogTitle});   // no message on success
        QCOMPARE(seen, QStringList({kDialogTitle, "*.xml", "xml", QDir(QCoreApplication::applicationDirPath()).absolutePath(),
                                    "D7-111111114", "1"}));   // no question of the dialog's own before replacing

        const QString path = w.folder.file("full.xml");
        const QByteArray written = ReadFile(path);
        QVERIFY(written.contains("\xB6\xCB\xD6\xC1 &amp; \xD3\xC9\xC1"));   // ΆΛΦΑ & ΣΙΑ
        QCOMPARE(FixtureDifference(written, "export/full.xml", CodePage::Iso8859_7), QString());
        QCOMPARE(schemaFaults(path), QString());
        const auto leaves = readBack(path);
        QVERIFY(leaves.contains(std::pair<QString, QString>("Surname", "ΆΛΦΑ & ΣΙΑ Ο.Ε.")));
        QVERIFY(leaves.contains(std::pair<QString, QString>("Notes", notes)));

        QCOMPARE(StoredRows("select Surname from citizendata where afm='111111114'"), QList<QStringList>{{taxpayer[0]}});
        QCOMPARE(StoredRows("select Notes from generaldata where afmypox='111111114'"), QList<QStringList>{{notes}});
        QCOMPARE(StoredRows("select Name from children"), QList<QStringList>({{"ΕΛΕΝΗ"}, {"ΆΝΝΑ"}}));

        // the kept-open datasets end on their first row; the one-row dataset is closed
        QCOMPARE(children.recNo(), 0);
        QCOMPARE(w.form->declaration().table1Rows().recNo(), 0);
        QCOMPARE(w.form->declaration().table2Rows().recNo(), 0);
        QVERIFY(!w.form->findChild<Dataset *>(QStringLiteral("ADODataSet3"))->isActive());
    }

    // The command's road: the check first (before any declaration is open, the
    // surname rule), then the save dialog, then a question before replacing a
    // file. A refused check stores and writes nothing; a file is written only
    // when every answer agreed, and then holds the declaration with only what
    // the check asks for (the person liable's surname and number). A folder
    // that refuses the file gets the message and keeps the earlier file, with
    // nothing else left in it (root writes everywhere, so the write itself
    // runs as an ordinary user).
    void writesOnlyAfterTheCheckAndEveryAnswer_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("spouseTaxNumber");
        QTest::addColumn<bool>("earlierFile");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<QStringList>("answers");   // save, cancel, yes, no, ok
        QTest::addColumn<QStringList>("windows");
        QTest::addColumn<QString>("lastText");
        QTest::addColumn<QByteArray>("left");       // the target's bytes after, or its fixture
        const QStringList message = {kApplicationTitle}, question = {kDialogTitle, kApplicationTitle};
        const QString replace = "Είστε σίγουρος ότι θέλετε να αντικαταστήσετε το αρχείο D7-111111114.xml;";
        QTest::newRow("no declaration open") << false << "" << false << false << QStringList{"ok"} << message
                                             << "Πρέπει να δηλώσετε οπωσδήποτε Επώνυμο ή Επωνυμία Υπόχρεου." << QByteArray();
        QTest::newRow("check refused") << true << "123" << false << false << QStringList{"ok"} << message
                                       << SaveMessage(2, kYear) << QByteArray();
        QTest::newRow("dialog cancelled") << true << "" << false << false << QStringList{"cancel"}
                                          << QStringList{kDialogTitle} << "" << QByteArray();
        QTest::newRow("Όχι keeps the earlier file") << true << "" << true << false << QStringList{"save", "no"}
                                                   << question << replace << QByteArray("earlier");
        QTest::newRow("Ναι replaces it") << true << "" << true << false << QStringList{"save", "yes"} << question
                                        << replace << QByteArray("export/empty.xml");
        QTest::newRow("a folder that refuses the file")
            << true << "" << true << true << QStringList{"save", "yes", "ok"} << (question + message)
            << "Υπήρξε κάποιο πρόβλημα κατά την προετοιμασία του αρχείου" << QByteArray("earlier");
    }
    void writesOnlyAfterTheCheckAndEveryAnswer() {
        QFETCH(bool, open);
        QFETCH(QString, spouseTaxNumber);
        QFETCH(bool, earlierFile);
        QFETCH(bool, readOnlyFolder);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, windows);
        QFETCH(QString, lastText);
        QFETCH(QByteArray, left);
        Window w;
        if (open) {
            w.open();
            w.page.m_taxpayerGrid->setCellText(1, 1, "ΒΗΤΑ");
            w.page.m_spouseGrid->setCellText(5, 1, spouseTaxNumber);
        }
        const QString folder = w.folder.file("out"), target = folder + "/D7-111111114.xml";
        QVERIFY(QDir().mkdir(folder));
        if (earlierFile)
            QVERIFY(WriteFile(target, "earlier"));
        if (readOnlyFolder)
            QVERIFY(QFile::setPermissions(w.folder.path(), QFileDevice::Permissions(0x7755)) &&   // traversable
                    QFile::setPermissions(folder, QFileDevice::Permissions(0x5555)));
        std::optional<AsOrdinaryUser> user;
        bool unprivileged = true;
        auto dropPrivileges = [&](QFileDialog *) {
            if (readOnlyFolder) {
                user.emplace();
                unprivileged = geteuid() != 0;
            }
        };
        ModalAnswerer robot;
        for (const QString &a : answers)
            a == "save" || a == "cancel" ? robot.custom(saveAs(a == "save" ? target : QString(), dropPrivileges))
                                         : robot.then({a == "yes" ? Answer::Yes : a == "no" ? Answer::No : Answer::Ok});
        const QStringList shown = w.exportWith(robot);
        user.reset();
        QFile::setPermissions(folder, QFileDevice::Permissions(0x7755));
        if (!unprivileged)
            QSKIP("run as root without the right to change the effective user");
        QCOMPARE(shown, windows);
        if (!lastText.isEmpty())
            QCOMPARE(robot.texts.last(), lastText);
        if (!windows.contains(kDialogTitle))   // refused: nothing stored (opening stores no surname)
            QCOMPARE(StoredRows("select * from citizendata where Surname is not null") +
                         StoredRows("select * from wifedata"),
                     QList<QStringList>{});
        if (left.endsWith(".xml")) {
            QCOMPARE(FixtureDifference(ReadFile(target), QString::fromLatin1(left), CodePage::Iso8859_7), QString());
            QCOMPARE(schemaFaults(target), QString());
        } else {
            QCOMPARE(ReadFile(target), left);
        }
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 left.isEmpty() ? QStringList() : QStringList{"D7-111111114.xml"});
    }

    // The store seam's contract: a declaration opened, stored and written with
    // no window gives the bytes the export command gives through the window.
    void aDeclarationWithoutAWindowWritesTheSameFile() {
        ScratchFolder folder(QStringLiteral(D7_PRISTINE_DB));
        Declaration declaration;
        declaration.store().open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
        declaration.open(kPerson);
        GeneralData values = declaration.generalData();
        values.taxOfficeName = "ΑΘΗΝΩΝ Α'";
        values.taxOfficeCode = "1101";
        values.kind = 1;
        values.notes = "ΠΡΩΤΗ ΓΡΑΜΜΗ: ΑΞΙΑ < 100 € & ΑΝΩ\nΔΕΥΤΕΡΗ ΓΡΑΜΜΗ ]]> ΤΕΛΟΣ";
        values.taxpayer = QStringList{"ΆΛΦΑ & ΣΙΑ Ο.Ε.", "", "", kPerson};
        values.spouse = {"ΔΕΛΤΑ", "ΜΑΡΙΑ", "ΙΩΑΝΝΗΣ", "ΑΒ 123456", "100000090"};
        values.representative = {"ΔΙΑΧΕΙΡΙΣΤΗΣ", "ΕΨΙΛΟΝ", "ΠΕΤΡΟΣ", "Χ 654321", "077777777"};
        declaration.setGeneralData(values);
        declaration.storeGeneralData();
        for (const QStringList &child : {QStringList{"ΔΕΛΤΑ", "ΕΛΕΝΗ", "ΙΩΑΝΝΗΣ", "ΑΒ 111111", "2010", "123456783"},
                                         QStringList{"ΔΕΛΤΑ", "ΆΝΝΑ", "ΙΩΑΝΝΗΣ", "", "2015", "090000008"}}) {
            declaration.children().insert();
            for (int i = 0; i < child.size(); ++i)
                declaration.children().setField(i + 1, child[i]);
            declaration.children().setField(7, kPerson);
            QVERIFY(declaration.children().post());
        }
        for (const auto &[table, rows] : {std::pair{DeclarationTable::Table1, kTable1Rows},
                                          std::pair{DeclarationTable::Table2, kTable2Rows}}) {
            for (const QStringList &row : rows) {
                ColumnValues columns;
                for (int i = 0; i < row.size(); ++i)
                    if (row[i] != QLatin1String("<null>"))
                        columns.append({i + 1, row[i]});
                columns.append({int(row.size()) + 1, kPerson});
                declaration.appendRow(table, columns);
            }
            declaration.reloadRows(table);
        }
        QCOMPARE(FixtureDifference(WriteUploadFile(GatherUploadDeclaration(declaration)), "export/full.xml",
                                   CodePage::Iso8859_7),
                 QString());
    }

    // A write cut short (a full disk, here a file-size limit) never replaces
    // the earlier file and leaves nothing behind; each writer says it failed.
    void aWriteCutShortLeavesTheEarlierFile_data() {
        QTest::addColumn<int>("writer");
        QTest::newRow("upload file") << 0;
        QTest::newRow("print page") << 1;
        QTest::newRow("desktop entry") << 2;
    }
    void aWriteCutShortLeavesTheEarlierFile() {
        QFETCH(int, writer);
        ScratchFolder folder{QString()};
        const QString path = folder.file(QStringLiteral("Tables.htm"));
        const QByteArray earlier = "ΠΡΟΗΓΟΥΜΕΝΟ";
        QVERIFY(WriteFile(path, earlier));
        const QByteArray bytes(5000, 'x');
        const qint64 child = RunInChild([&] {
            signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 1000;
            setrlimit(RLIMIT_FSIZE, &limit);
            const bool written =
                writer == 0   ? WriteWholeFile(path, bytes)
                : writer == 1 ? !WritePrintPage(QStringLiteral("Tables.htm"), bytes, {folder.path()}).isEmpty()
                              : WriteDesktopEntry(path, {QString(bytes), "/bin/d7", "/tmp/", "d7.png"});
            if (written)
                throw std::runtime_error("the cut-short write was reported as done");
        });
        QVERIFY(Finish(child));
        QCOMPARE(ReadFile(path), earlier);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Tables.htm"});
    }
};

D7_TEST_MAIN(ExportTest)
#include "test_export.moc"
