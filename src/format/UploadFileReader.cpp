#include "format/UploadFileReader.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <QVector>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <utility>

#include <libxml/xmlerror.h>
#include <libxml/xmlreader.h>
#include <libxml/xmlschemas.h>

#include "declaration/TaxNumber.h"
#include "store/Resources.h"
#include "text/CodePage.h"

namespace d7 {

QString UploadFileRefusalText(const UploadFileRefusal &refusal) {
    QString text;
    switch (refusal.fault) {
    case UploadFileFault::Unreadable:
        text = QStringLiteral("Το αρχείο δεν μπορεί να διαβαστεί");
        break;
    case UploadFileFault::TooLarge:
        text = QStringLiteral("Το αρχείο είναι υπερβολικά μεγάλο");
        break;
    case UploadFileFault::Empty:
        text = QStringLiteral("Το αρχείο είναι κενό");
        break;
    case UploadFileFault::NotWellFormed:
        text = QStringLiteral("Το αρχείο δεν είναι σωστά δομημένο XML");
        break;
    case UploadFileFault::NotUploadFile:
        text = QStringLiteral("Δεν είναι αρχείο αποστολής της δήλωσης D7");
        break;
    case UploadFileFault::BadTaxNumber:
        text = QStringLiteral("Κενός ή λανθασμένος ΑΦΜ Υπόχρεου");
        break;
    }
    return refusal.line > 0 ? QStringLiteral("%1 (γραμμή %2)").arg(text).arg(refusal.line) : text;
}

namespace {

// The sections under the root, in their order.
enum Section { General, Taxpayer, Spouse, Children, Representative, Table1, Table2, kSectionCount };

bool holdsRows(int section) { return section == Children || section == Table1 || section == Table2; }

// The schema, compiled once from the copy built into the program (so that an
// installed program needs no file beside it), and the names of the values of
// each section in order: those of its table's columns between the row
// identifier and the declaration key.
struct UploadSchema {
    xmlSchemaPtr compiled = nullptr;
    std::array<QStringList, kSectionCount> names;
    ~UploadSchema() { xmlSchemaFree(compiled); }
};

// The first error of each kind that libxml2 reports while reading a file.
struct Faults {
    xmlTextReaderPtr reader = nullptr;
    std::optional<UploadFileRefusal> malformed, invalid;
    bool undecodable = false;   // the first fault of form: a byte the encoding lacks
};

void noteError(void *context, xmlErrorPtr error) {
    auto &faults = *static_cast<Faults *>(context);
    if (!error || error->level < XML_ERR_ERROR)
        return;
    int line = error->line;
    if (line <= 0 && faults.reader)   // a failed conversion of the encoding carries no line
        line = xmlTextReaderGetParserLineNumber(faults.reader);
    const bool invalid = error->domain == XML_FROM_SCHEMASV;
    std::optional<UploadFileRefusal> &first = invalid ? faults.invalid : faults.malformed;
    if (!faults.malformed && !invalid)
        faults.undecodable = error->domain == XML_FROM_I18N;
    if (!first)
        first = UploadFileRefusal{invalid ? UploadFileFault::NotUploadFile : UploadFileFault::NotWellFormed,
                                  std::max(line, 0)};
}

void ignoreMessage(void *, const char *, ...) {}

// While one file is read, libxml2's errors go to this thread's handler,
// which notes them, and its other messages nowhere (not to the terminal).
class ThreadErrorsTo {
public:
    explicit ThreadErrorsTo(Faults *faults)
        : m_function(xmlStructuredError), m_context(xmlStructuredErrorContext), m_generic(xmlGenericError),
          m_genericContext(xmlGenericErrorContext) {
        xmlSetStructuredErrorFunc(faults, noteError);
        xmlSetGenericErrorFunc(nullptr, ignoreMessage);
    }
    ~ThreadErrorsTo() {
        xmlSetStructuredErrorFunc(m_context, m_function);
        xmlSetGenericErrorFunc(m_genericContext, m_generic);
    }
    ThreadErrorsTo(const ThreadErrorsTo &) = delete;
    ThreadErrorsTo &operator=(const ThreadErrorsTo &) = delete;

private:
    xmlStructuredErrorFunc m_function;
    void *m_context;
    xmlGenericErrorFunc m_generic;
    void *m_genericContext;
};

// The line of the first byte ISO 8859-7 leaves undefined, 0 when none:
// libxml2 tells only that a block it was converting held one.
int lineOfUndefinedByte(const QByteArray &bytes) {
    int line = 1;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\n' || (byte == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++line;
        else if (byte >= 0xA0 && DecodeByte(CodePage::Iso8859_7, byte).isNull())
            return line;
    }
    return 0;
}

// The element names of the schema's named complex types, in order.
QHash<QString, QStringList> elementNames(const QByteArray &xsd) {
    QHash<QString, QStringList> names;
    QXmlStreamReader xml(xsd);
    QString type;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"complexType")
            type = xml.attributes().value(QLatin1String("name")).toString();
        else if (xml.isStartElement() && xml.name() == u"element" && !type.isEmpty())
            names[type] << xml.attributes().value(QLatin1String("name")).toString();
        else if (xml.isEndElement() && xml.name() == u"complexType")
            type.clear();
    }
    return names;
}

std::unique_ptr<UploadSchema> loadSchema() {
    auto schema = std::make_unique<UploadSchema>();
    xmlInitParser();
    InitResources();
    QFile file(QStringLiteral(":/upload/D7.xsd"));
    if (!file.open(QIODevice::ReadOnly))
        return schema;
    const QByteArray xsd = file.readAll();
    Faults ignored;
    ThreadErrorsTo quiet(&ignored);
    if (xmlSchemaParserCtxtPtr parser = xmlSchemaNewMemParserCtxt(xsd.constData(), int(xsd.size()))) {
        xmlSchemaSetParserStructuredErrors(parser, noteError, &ignored);
        schema->compiled = xmlSchemaParse(parser);
        xmlSchemaFreeParserCtxt(parser);
    }
    const QHash<QString, QStringList> names = elementNames(xsd);
    const char *const types[] = {"GeneralData", "Taxpayer", "Spouse", "Child", "Representative", "Estate", "Field"};
    for (int s = 0; s < kSectionCount; ++s) {
        schema->names[s] = names.value(QString::fromLatin1(types[s]));
        if (holdsRows(s))
            schema->names[s].removeFirst();   // CODE or CD: numbered by the writer, not stored
    }
    return schema;
}

const UploadSchema &uploadSchema() {
    static const std::unique_ptr<UploadSchema> schema = loadSchema();
    return *schema;
}

// The texts of the values, gathered from the reader's nodes: the root at
// depth 0, a section at 1, a person's value or a row at 2, a row's value at
// 3. A row's first value is its number, which is not kept.
class ValueCollector {
public:
    void start(int depth) {
        if (depth == 1) {
            ++m_section;
            if (inSection() && !holdsRows(m_section))
                rows().append(QStringList());
            return;
        }
        if (!inSection())
            return;
        if (holdsRows(m_section) && depth == 2) {
            rows().append(QStringList());
            m_number = true;
            return;
        }
        m_valueDepth = depth == valueDepth() ? depth : -1;
        m_text.clear();
    }
    void text(const char *utf8) {
        if (m_valueDepth > 0)
            m_text += QString::fromUtf8(utf8);
    }
    void end(int depth) {
        if (depth != m_valueDepth)
            return;
        m_valueDepth = -1;
        if (!std::exchange(m_number, false))
            rows().last().append(m_text);
    }
    int section() const { return m_section; }
    std::array<QVector<QStringList>, kSectionCount> texts;

private:
    bool inSection() const { return m_section >= 0 && m_section < kSectionCount; }
    int valueDepth() const { return holdsRows(m_section) ? 3 : 2; }
    QVector<QStringList> &rows() { return texts[m_section]; }

    int m_section = -1;
    int m_valueDepth = -1;
    bool m_number = false;
    QString m_text;
};

// Reads the file through libxml2: not well-formed, not valid, or the texts.
std::variant<ValueCollector, UploadFileRefusal> readValues(const QByteArray &bytes, int &taxNumberLine) {
    const UploadSchema &schema = uploadSchema();
    if (!schema.compiled)   // never, the schema being built in; but nothing goes unchecked
        return UploadFileRefusal{UploadFileFault::NotUploadFile};
    Faults faults;
    ThreadErrorsTo noted(&faults);
    // No network, no document type loaded and no entity expanded, so that
    // nothing outside the bytes is read and nothing grows beyond them.
    const std::unique_ptr<xmlTextReader, void (*)(xmlTextReaderPtr)> owner(
        xmlReaderForMemory(bytes.constData(), int(bytes.size()), nullptr, nullptr,
                           XML_PARSE_NONET | XML_PARSE_NOCDATA | XML_PARSE_BIG_LINES),
        xmlFreeTextReader);
    xmlTextReaderPtr reader = owner.get();
    if (!reader || xmlTextReaderSetSchema(reader, schema.compiled) != 0)
        return UploadFileRefusal{UploadFileFault::NotWellFormed};
    // Errors go to the thread's handler: the reader's own would be handed
    // the schema's state in place of the parser's once the schema is set.
    faults.reader = reader;

    ValueCollector values;
    int status = 0;
    while ((status = xmlTextReaderRead(reader)) == 1 && !faults.malformed) {
        if (faults.invalid)
            continue;   // read on to the end: a fault of form further on is the one to report
        switch (xmlTextReaderNodeType(reader)) {
        case XML_READER_TYPE_DOCUMENT_TYPE:
            // No upload file has one, and its entities are best left unread.
            return UploadFileRefusal{UploadFileFault::NotUploadFile};
        case XML_READER_TYPE_ELEMENT: {
            const int depth = xmlTextReaderDepth(reader);
            values.start(depth);
            if (values.section() == Taxpayer && depth == 2)   // the last is the tax number
                taxNumberLine = int(xmlGetLineNo(xmlTextReaderCurrentNode(reader)));
            if (xmlTextReaderIsEmptyElement(reader))
                values.end(depth);
            break;
        }
        case XML_READER_TYPE_END_ELEMENT:
            values.end(xmlTextReaderDepth(reader));
            break;
        case XML_READER_TYPE_TEXT:
        case XML_READER_TYPE_CDATA:
        case XML_READER_TYPE_WHITESPACE:
        case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
            values.text(reinterpret_cast<const char *>(xmlTextReaderConstValue(reader)));
            break;
        default:
            break;
        }
    }
    if (faults.malformed) {
        const QByteArray encoding(reinterpret_cast<const char *>(xmlTextReaderConstEncoding(reader)));
        if (faults.undecodable && encoding.compare("ISO-8859-7", Qt::CaseInsensitive) == 0)
            faults.malformed->line = lineOfUndefinedByte(bytes);
        return *faults.malformed;
    }
    if (status != 0)
        return UploadFileRefusal{UploadFileFault::NotWellFormed, xmlTextReaderGetParserLineNumber(reader)};
    if (faults.invalid)
        return *faults.invalid;
    if (xmlTextReaderIsValid(reader) != 1)
        return UploadFileRefusal{UploadFileFault::NotUploadFile};
    return values;
}

// Line breaks as the program stores them, as a typed note holds them: "\n".
// The parser has turned those of the file into "\n" already; these came
// from character references.
QString withStoredLineBreaks(QString text) {
    if (text.contains(u'\r')) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
    }
    return text;
}

QVariant textOrNull(const QString &text) { return text.isEmpty() ? QVariant() : QVariant(text); }
QVariant decimal(QString text) { return text.replace(u'.', u','); }

// The value of a column at a position from the text of its element. What
// an empty element was stored as is decided by what the program stores:
// - the general data's kind is a number, and the column beside it, never
//   written, is NULL; the grids of the persons store empty texts;
// - a child's cell that was never typed in is NULL;
// - the wizards store texts, the decimal ones with a comma; the kind of
//   entry of a row, "0" to "3" when written, is NULL when empty.
using ValueRule = QVariant (*)(int position, const QString &text);

QVariant generalValue(int position, const QString &text) {
    if (position == 3 && !text.isEmpty())
        return QVariant(text.toLongLong());
    return position == 3 || position == 4 ? textOrNull(text) : QVariant(text);
}
QVariant personValue(int, const QString &text) { return text; }
QVariant childValue(int, const QString &text) { return textOrNull(text); }
QVariant table1Value(int position, const QString &text) {
    static const int decimals[] = {22, 23, 26, 28, 30, 32};
    if (position == 35)
        return textOrNull(text);
    return std::find(std::begin(decimals), std::end(decimals), position) != std::end(decimals) ? decimal(text)
                                                                                              : QVariant(text);
}
QVariant table2Value(int position, const QString &text) {
    if (position == 25)
        return textOrNull(text);
    return (position >= 12 && position <= 19) || position == 21 ? decimal(text) : QVariant(text);
}

// A Table 1 row without a kind of entry was stored by the initial
// declaration's wizard, which leaves out the groups of columns it did not
// ask for (the streets, the building, the plot) and writes a code into each
// group it asked for: a group of empty elements there is NULL.
void leaveOutUnaskedGroups(QVector<QVariant> &row) {
    if (row.size() != 37 || !row[35].isNull())
        return;
    for (const auto &[first, last] : {std::pair{5, 17}, std::pair{21, 27}, std::pair{28, 32}}) {
        const auto begin = row.begin() + first, end = row.begin() + last + 1;
        if (std::all_of(begin, end, [](const QVariant &v) { return v.toString().isEmpty(); }))
            std::fill(begin, end, QVariant());
    }
}

// A row in the store's form: the row identifier (NULL), the values and,
// unless the last value is the key itself, the declaration key.
QVector<QVariant> storedRow(const QStringList &texts, ValueRule rule, const QString &taxNumber, bool keyColumn) {
    QVector<QVariant> row;
    row.reserve(texts.size() + 2);
    row.append(QVariant());
    for (int i = 0; i < texts.size(); ++i)
        row.append(rule(i + 1, withStoredLineBreaks(texts[i])));
    if (keyColumn)
        row.append(taxNumber);
    return row;
}

struct Table {
    const char *rowKey;           // the row identifier's column
    const char *declarationKey;   // the declaration key's column; none when the last value is the key
    ValueRule rule;
};

const Table kTables[kSectionCount] = {
    {"ID", "afmypox", generalValue},   {"ID", nullptr, personValue},     {"ID", "afmypox", personValue},
    {"ID", "AFMYpox", childValue},     {"ID", "afmypox", personValue},   {"cd", "AFMYpox", table1Value},
    {"cd", "AFMYpox", table2Value},
};

QStringList columnsOf(int section) {
    const Table &table = kTables[section];
    QStringList columns = QStringList{QString::fromLatin1(table.rowKey)} + uploadSchema().names[section];
    if (table.declarationKey)
        columns << QString::fromLatin1(table.declarationKey);
    return columns;
}

// A person's row; none when every element is empty (a row the program
// deletes when all its cells are), except for the person liable.
UploadPersonRow personRow(int section, const QStringList &texts, const QString &taxNumber) {
    UploadPersonRow row{columnsOf(section), std::nullopt};
    if (section == Taxpayer || std::any_of(texts.begin(), texts.end(), [](const QString &t) { return !t.isEmpty(); }))
        row.values = storedRow(texts, kTables[section].rule, taxNumber, kTables[section].declarationKey != nullptr);
    return row;
}

UploadRows rowsOf(int section, const QVector<QStringList> &texts, const QString &taxNumber) {
    UploadRows rows{columnsOf(section), {}};
    rows.rows.reserve(texts.size());
    for (const QStringList &t : texts) {
        rows.rows.append(storedRow(t, kTables[section].rule, taxNumber, true));
        if (section == Table1)
            leaveOutUnaskedGroups(rows.rows.last());
    }
    return rows;
}

}  // namespace

UploadFileReading ReadUploadFile(const QByteArray &bytes) {
    if (bytes.isEmpty())
        return UploadFileRefusal{UploadFileFault::Empty};
    if (bytes.size() > kLargestUploadFile)
        return UploadFileRefusal{UploadFileFault::TooLarge};
    int taxNumberLine = 0;
    auto read = readValues(bytes, taxNumberLine);
    if (const auto *refusal = std::get_if<UploadFileRefusal>(&read))
        return *refusal;
    const auto &texts = std::get<ValueCollector>(read).texts;
    const QStringList &taxpayer = texts[Taxpayer].value(0);
    const QString taxNumber = taxpayer.value(taxpayer.size() - 1);
    if (!CheckTaxNumber(taxNumber))
        return UploadFileRefusal{UploadFileFault::BadTaxNumber, taxNumberLine};

    UploadDeclaration d;
    d.general = personRow(General, texts[General].value(0), taxNumber);
    d.taxpayer = personRow(Taxpayer, taxpayer, taxNumber);
    d.spouse = personRow(Spouse, texts[Spouse].value(0), taxNumber);
    d.children = rowsOf(Children, texts[Children], taxNumber);
    d.representative = personRow(Representative, texts[Representative].value(0), taxNumber);
    d.table1 = rowsOf(Table1, texts[Table1], taxNumber);
    d.table2 = rowsOf(Table2, texts[Table2], taxNumber);
    return d;
}

UploadFileReading ReadUploadFileAt(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return UploadFileRefusal{UploadFileFault::Unreadable};
    if (file.size() > kLargestUploadFile)
        return UploadFileRefusal{UploadFileFault::TooLarge};
    // Read up to one byte beyond the limit: a file that grew meanwhile, or
    // a device that reports no size, is refused as too large too.
    QByteArray bytes;
    char block[1 << 16];
    qint64 count = 0;
    while (bytes.size() <= kLargestUploadFile && (count = file.read(block, sizeof block)) > 0)
        bytes.append(block, qsizetype(count));
    if (count < 0)
        return UploadFileRefusal{UploadFileFault::Unreadable};
    return ReadUploadFile(bytes);
}

}  // namespace d7
