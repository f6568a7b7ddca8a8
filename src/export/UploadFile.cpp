#include "export/UploadFile.h"

#include <QLocale>
#include <algorithm>
#include <charconv>

#include "text/CodePage.h"

namespace d7 {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// The three characters that ISO 8859-7 gained in its 2003 edition (euro sign,
// drachma sign, ypogegrammeni). A reader that knows only the 1987 edition
// lacks them, so they are written as references, which every reader decodes.
bool addedIn2003(char32_t c) { return c == 0x20AC || c == 0x20AF || c == 0x037A; }

// Characters that never reach the file: the control characters other than
// tab, line feed and carriage return (C0, DEL and C1), lone surrogates (dealt
// with by the caller) and the two non-characters U+FFFE and U+FFFF, which XML
// 1.0 forbids or advises against and which no one types.
bool dropped(char32_t c) {
    return (c < 0x20 && c != 0x09 && c != 0x0A && c != 0x0D) || (c >= 0x7F && c <= 0x9F) || c == 0xFFFE ||
           c == 0xFFFF;
}

// Writes a character reference ("&#8364;") at p; returns the end.
char *writeReference(char *p, char32_t c) {
    *p++ = '&';
    *p++ = '#';
    p = std::to_chars(p, p + 7, uint32_t(c)).ptr;
    *p++ = ';';
    return p;
}

// The most bytes one UTF-16 unit of text can become: half of a reference to
// a character above U+FFFF ("&#1114111;").
constexpr qsizetype kMostBytesPerUnit = 10;

// Text as element content. "&" and "<" are escaped, ">" only where it would
// end "]]>"; every line break (LF, CR, CR LF) becomes CR LF; a character the
// code page lacks becomes a numeric character reference. In a decimal column
// every comma becomes a full stop.
void appendText(QByteArray &out, const QString &text, bool decimalColumn) {
    const QChar *s = text.constData();
    const qsizetype n = text.size();
    const qsizetype start = out.size();
    out.resize(start + n * kMostBytesPerUnit);   // written through p, cut to size at the end
    char *const begin = out.data();
    char *p = begin + start;
    int brackets = 0;            // "]" written just before, up to two
    bool afterCarriageReturn = false;
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = s[i].unicode();
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 == n || !s[i + 1].isLowSurrogate())
                continue;
            c = QChar::surrogateToUcs4(char16_t(c), s[++i].unicode());
        } else if (QChar::isLowSurrogate(c) || dropped(c)) {
            continue;
        }
        if (c == '\n' && afterCarriageReturn) {   // the second half of CR LF
            afterCarriageReturn = false;
            continue;
        }
        afterCarriageReturn = c == '\r';
        if (c == '\r' || c == '\n') {
            *p++ = '\r';
            *p++ = '\n';
            brackets = 0;
            continue;
        }
        if (c < 0x80) {
            switch (c) {
            case '&':
                p = std::copy_n("&amp;", 5, p);
                break;
            case '<':
                p = std::copy_n("&lt;", 4, p);
                break;
            case '>':
                p = brackets == 2 ? std::copy_n("&gt;", 4, p) : (*p = '>', p + 1);
                break;
            case ',':
                *p++ = decimalColumn ? '.' : ',';
                break;
            default:
                *p++ = char(c);
            }
            brackets = c == ']' ? std::min(brackets + 1, 2) : 0;
            continue;
        }
        brackets = 0;
        const int byte = c < 0x10000 && !addedIn2003(c) ? EncodeChar(CodePage::Iso8859_7, QChar(char16_t(c))) : -1;
        if (byte >= 0)
            *p++ = char(byte);
        else
            p = writeReference(p, c);
    }
    out.resize(p - begin);
}

void appendValue(QByteArray &out, const QVariant &value, bool decimalColumn) {
    if (value.isNull())
        return;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Long:
        out += QByteArray::number(value.toLongLong());
        return;
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::ULong:
        out += QByteArray::number(value.toULongLong());
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        // Plain notation, as few digits as read back the same number.
        out += QByteArray::number(value.toDouble(), 'f', QLocale::FloatingPointShortest);
        return;
    default:
        break;
    }
    appendText(out, value.toString(), decimalColumn);
}

// The start tag and the end tag with its line end, of an element line.
struct Tags {
    QByteArray start, end;
    explicit Tags(const QByteArray &name)
        : start('<' + name + '>'), end("</" + name + '>' + kLineEnd) {}
};

// The line of a tag that stands alone: "<TABLE1>", "</TABLE1>".
QByteArray tagLine(const char *tag, bool end = false) {
    return QByteArray(end ? "</" : "<") + tag + '>' + kLineEnd;
}

// Which columns of a table a section writes, by position, and which of them
// are decimal.
struct Columns {
    int first;        // the first position written
    int last;         // the last position written, counted from the end when negative (-1 the last)
    QVector<int> decimals;

    int lastOf(qsizetype count) const { return last < 0 ? int(count) + last : std::min(last, int(count) - 1); }
};

// The element lines of a section's rows: the written positions, the tags
// named after their columns, and which are decimal.
struct Layout {
    QVector<int> positions;
    QVector<Tags> tags;
    QVector<bool> decimal;

    Layout(const QStringList &columns, const Columns &rule) {
        for (int p = rule.first, last = rule.lastOf(columns.size()); p <= last; ++p) {
            positions << p;
            tags << Tags(columns[p].toLatin1());
            decimal << rule.decimals.contains(p);
        }
    }

    // One element line per written column; no values give empty elements.
    void appendRow(QByteArray &out, const QVector<QVariant> *values) const {
        for (int i = 0; i < positions.size(); ++i) {
            const int p = positions[i];
            out += tags[i].start;
            if (values && p < values->size())
                appendValue(out, values->at(p), decimal[i]);
            out += tags[i].end;
        }
    }
};

void appendPersonSection(QByteArray &out, const char *tag, const UploadPersonRow &row, const Columns &rule) {
    out += tagLine(tag);
    Layout(row.columns, rule).appendRow(out, row.values ? &*row.values : nullptr);
    out += tagLine(tag, true);
}

// Rows numbered from firstNumber by their ordinal.
void appendRowsSection(QByteArray &out, const char *tag, const char *rowTag, const char *numberTag, int firstNumber,
                       const UploadRows &rows, const Columns &rule) {
    const Layout layout(rows.columns, rule);
    const QByteArray rowStart = tagLine(rowTag), rowEnd = tagLine(rowTag, true);
    const Tags number(numberTag);
    out += tagLine(tag);
    for (int r = 0; r < rows.rows.size(); ++r) {
        out += rowStart;
        out += number.start;
        out += QByteArray::number(firstNumber + r);
        out += number.end;
        layout.appendRow(out, &rows.rows[r]);
        out += rowEnd;
    }
    out += tagLine(tag, true);
}

// Positions 1 .. n-2: all but the row identifier and the declaration key.
constexpr int kBeforeKey = -2;

}  // namespace

QByteArray UploadValueText(const QVariant &value, bool decimalColumn) {
    QByteArray out;
    appendValue(out, value, decimalColumn);
    return out;
}

QByteArray WriteUploadFile(const UploadDeclaration &d) {
    QByteArray out;
    out.reserve(1024 + (d.table1.rows.size() * 36 + d.table2.rows.size() * 26) * 32);
    out += R"(<?xml version="1.0" encoding="ISO-8859-7"?>)" + kLineEnd;
    out += tagLine("D7");
    appendPersonSection(out, "GENERALDATA", d.general, {1, kBeforeKey, {}});
    // The person liable's last column is the declaration key itself: written.
    appendPersonSection(out, "CITIZENDATA", d.taxpayer, {1, -1, {}});
    appendPersonSection(out, "WIFEDATA", d.spouse, {1, kBeforeKey, {}});
    // Children are numbered after the person liable (1) and the spouse (2).
    appendRowsSection(out, "CHILDRENDATA", "CHILD", "CODE", 3, d.children, {1, 6, {}});
    appendPersonSection(out, "LEGALREPR", d.representative, {1, kBeforeKey, {}});
    appendRowsSection(out, "TABLE1", "ESTATE", "CD", 1, d.table1, {1, kBeforeKey, {22, 23, 26, 28, 30, 32}});
    appendRowsSection(out, "TABLE2", "FIELD", "CD", 1, d.table2,
                      {1, kBeforeKey, {12, 13, 14, 15, 16, 17, 18, 19, 21}});
    out += tagLine("D7", true);
    return out;
}

}  // namespace d7
