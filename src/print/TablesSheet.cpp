#include "print/TablesSheet.h"

#include <QHash>
#include <QRegularExpression>

#include "print/HtmlViewer.h"

namespace d7 {

namespace {

// Pixels of the HTML font sizes 1 to 7, as browsers give them.
constexpr int kFontSizePixels[] = {10, 13, 16, 18, 24, 32, 48};

bool Is(QStringView name, QStringView wanted) { return name.compare(wanted, Qt::CaseInsensitive) == 0; }

bool IsSpace(QChar c) { return c == u' ' || c == u'\n' || c == u'\r' || c == u'\t' || c == u'\f'; }

// The value of one attribute in the text between a tag's name and its '>'.
QStringView Attribute(QStringView attributes, QLatin1StringView name) {
    qsizetype i = 0;
    const qsizetype n = attributes.size();
    while (i < n) {
        while (i < n && (IsSpace(attributes[i]) || attributes[i] == u'/'))
            ++i;
        const qsizetype nameStart = i;
        while (i < n && !IsSpace(attributes[i]) && attributes[i] != u'=')
            ++i;
        const QStringView found = attributes.mid(nameStart, i - nameStart);
        while (i < n && IsSpace(attributes[i]))
            ++i;
        QStringView value;
        if (i < n && attributes[i] == u'=') {
            ++i;
            while (i < n && IsSpace(attributes[i]))
                ++i;
            if (i < n && (attributes[i] == u'"' || attributes[i] == u'\'')) {
                const QChar quote = attributes[i++];
                const qsizetype valueStart = i;
                while (i < n && attributes[i] != quote)
                    ++i;
                value = attributes.mid(valueStart, i - valueStart);
                ++i;
            } else {
                const qsizetype valueStart = i;
                while (i < n && !IsSpace(attributes[i]))
                    ++i;
                value = attributes.mid(valueStart, i - valueStart);
            }
        }
        if (found.compare(name, Qt::CaseInsensitive) == 0)
            return value.isNull() ? QStringView(u"") : value;
        if (found.isEmpty())
            ++i;
    }
    return {};
}

// The character an entity stands for; QChar() for one not known.
QChar Entity(QStringView name) {
    if (Is(name, u"nbsp"))
        return QChar(0xA0);
    if (Is(name, u"amp"))
        return u'&';
    if (Is(name, u"lt"))
        return u'<';
    if (Is(name, u"gt"))
        return u'>';
    if (Is(name, u"quot"))
        return u'"';
    if (name.startsWith(u'#')) {
        bool ok = false;
        const uint code = name.size() > 1 && (name[1] == u'x' || name[1] == u'X') ? name.mid(2).toUInt(&ok, 16)
                                                                                   : name.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code < 0x10000)
            return QChar(char16_t(code));
    }
    return {};
}

// Text as a browser shows it: runs of blanks one blank, a fixed blank an
// ordinary one once the text is whole, lines ('\n' from <br>) trimmed.
QString Finished(QString text) {
    text.replace(QChar(0xA0), u' ');
    if (!text.contains(u'\n'))
        return text.trimmed();
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line = line.trimmed();
    return lines.join(u'\n');
}

class SheetReader {
public:
    SheetReader(QStringView page, QHash<QString, int> classSizes)
        : m_page(page), m_classSizes(std::move(classSizes)) {}

    bool read(const Proceed &proceed) {
        const qsizetype n = m_page.size();
        qsizetype nextReport = 0;
        qsizetype i = 0;
        while (i < n) {
            if (i >= nextReport) {
                if (proceed && !proceed(double(i) / n))
                    return false;
                nextReport = i + 256 * 1024;
            }
            const QChar c = m_page[i];
            if (c != u'<') {
                i = text(i);
                continue;
            }
            if (m_page.mid(i, 4) == u"<!--") {
                const qsizetype end = m_page.indexOf(u"-->", i + 4);
                i = end < 0 ? n : end + 3;
                continue;
            }
            const qsizetype close = m_page.indexOf(u'>', i);
            if (close < 0)
                break;
            QStringView tag = m_page.mid(i + 1, close - i - 1);
            i = close + 1;
            const bool closing = tag.startsWith(u'/');
            if (closing)
                tag = tag.mid(1);
            qsizetype nameEnd = 0;
            while (nameEnd < tag.size() && !IsSpace(tag[nameEnd]) && tag[nameEnd] != u'/')
                ++nameEnd;
            const QStringView name = tag.left(nameEnd);
            if (!closing && (Is(name, u"script") || Is(name, u"style") || Is(name, u"title"))) {
                // Their content is no text of the page.
                const qsizetype end = m_page.indexOf(QString(QLatin1String("</") + name.toString()), i, Qt::CaseInsensitive);
                i = end < 0 ? n : end;
                continue;
            }
            if (!(closing ? closeTag(name) : openTag(name, tag.mid(nameEnd))))
                return false;
        }
        endLine(false);
        return !m_sheet.tables.isEmpty() && m_tableDepth == 0 && (!proceed || proceed(1));
    }

    TablesSheet take() { return std::move(m_sheet); }

private:
    struct Sized {
        QString tag;
        int pixels;
    };

    int pixelSize() const { return m_sizes.isEmpty() ? 16 : m_sizes.last().pixels; }

    void pushSize(QStringView tag, QStringView attributes) {
        int pixels = pixelSize();
        const QStringView cls = Attribute(attributes, QLatin1StringView("class"));
        if (!cls.isEmpty())
            pixels = m_classSizes.value(cls.toString(), pixels);
        if (Is(tag, u"font")) {
            const QStringView size = Attribute(attributes, QLatin1StringView("size"));
            bool ok = false;
            const int index = size.toInt(&ok);
            if (ok && index >= 1 && index <= 7)
                pixels = kFontSizePixels[index - 1];
        }
        m_sizes.append({tag.toString().toLower(), pixels});
    }

    void popSize(QStringView tag) {
        for (qsizetype k = m_sizes.size() - 1; k >= 0; --k)
            if (Is(tag, m_sizes[k].tag)) {
                m_sizes.resize(k);
                return;
            }
    }

    bool inTable() const { return m_tableDepth == 2; }

    qsizetype text(qsizetype i) {
        QString &into = inTable() ? m_cell.text : (m_inHeader ? m_sheet.pageHeader : m_line);
        const bool keep = !inTable() || m_inCell;
        const qsizetype n = m_page.size();
        while (i < n && m_page[i] != u'<') {
            QChar c = m_page[i++];
            if (c == u'&') {
                const qsizetype end = m_page.indexOf(u';', i);
                const QChar decoded = end > i && end - i < 10 ? Entity(m_page.mid(i, end - i)) : QChar();
                if (!decoded.isNull()) {
                    c = decoded;
                    i = end + 1;
                }
            } else if (IsSpace(c)) {
                if (keep && !into.isEmpty() && into.back() != u' ' && into.back() != u'\n')
                    into += u' ';
                continue;
            }
            if (keep)
                into += c;
        }
        if (!inTable() && !m_inHeader && !m_line.isEmpty())
            m_lineSize = std::max(m_lineSize, pixelSize());
        else if (m_inHeader)
            m_sheet.pageHeaderPixelSize = std::max(m_sheet.pageHeaderPixelSize, pixelSize());
        return i;
    }

    // A line of text between the tables ends: at a line break, even when
    // empty, or at the edge of a block, when it holds something.
    void endLine(bool lineBreak) {
        const QString line = Finished(m_line);
        if (!line.isEmpty() || lineBreak)
            m_sheet.items.append({-1, line, line.isEmpty() ? pixelSize() : m_lineSize, m_spaceBefore});
        if (!line.isEmpty() || lineBreak)
            m_spaceBefore = 0;
        m_line.clear();
        m_lineSize = 0;
    }

    bool openTag(QStringView name, QStringView attributes) {
        if (Is(name, u"table")) {
            if (m_tableDepth == 1) {
                endLine(false);
                m_sheet.items.append({int(m_sheet.tables.size()), {}, 0, m_spaceBefore});
                m_spaceBefore = 0;
                m_sheet.tables.append(SheetTable());
            }
            return ++m_tableDepth <= 2;
        }
        if (inTable()) {
            if (Is(name, u"tr")) {
                m_heading = m_sheet.tables.last().rows.isEmpty() &&
                            (m_inTableHead || !Attribute(attributes, QLatin1StringView("bgcolor")).isNull());
                m_headingRow.clear();
                m_dataRow.clear();
            } else if (Is(name, u"td") || Is(name, u"th")) {
                m_inCell = true;
                m_cell = {};
                m_cell.rowSpan = std::max(1, Attribute(attributes, QLatin1StringView("rowspan")).toInt());
                m_cell.colSpan = std::max(1, Attribute(attributes, QLatin1StringView("colspan")).toInt());
                m_cell.width = Attribute(attributes, QLatin1StringView("width")).toInt();
                SheetTable &table = m_sheet.tables.last();
                if (table.pixelSize == 0)
                    table.pixelSize = m_classSizes.value(Attribute(attributes, QLatin1StringView("class")).toString(),
                                                         pixelSize());
            } else if (Is(name, u"br")) {
                m_cell.text += u'\n';
            } else if (Is(name, u"strong") || Is(name, u"b")) {
                m_cell.bold = true;
            } else if (Is(name, u"thead")) {
                m_inTableHead = true;
            }
            return true;
        }
        if (Is(name, u"thead") && m_tableDepth == 1) {
            m_inHeader = true;
        } else if (Is(name, u"br")) {
            endLine(true);
        } else if (Is(name, u"p")) {
            endLine(false);
            pushSize(name, attributes);
            m_spaceBefore = std::max(m_spaceBefore, pixelSize());
        } else if (Is(name, u"td") || Is(name, u"th") || Is(name, u"font") || Is(name, u"div")) {
            if (!Is(name, u"font"))
                endLine(false);
            pushSize(name, attributes);
        } else if (Is(name, u"tr")) {
            endLine(false);
        }
        return true;
    }

    bool closeTag(QStringView name) {
        if (Is(name, u"table")) {
            if (m_tableDepth == 2 && m_sheet.tables.last().headingRows.isEmpty())
                return false;
            m_tableDepth = std::max(0, m_tableDepth - 1);
            return true;
        }
        if (inTable()) {
            if (Is(name, u"td") || Is(name, u"th")) {
                m_inCell = false;
                m_cell.text = Finished(m_cell.text);
                if (m_heading)
                    m_headingRow.append(m_cell);
                else
                    m_dataRow.append(m_cell.text);
            } else if (Is(name, u"tr")) {
                SheetTable &table = m_sheet.tables.last();
                if (m_heading)
                    table.headingRows.append(m_headingRow);
                else
                    table.rows.append(m_dataRow);
            } else if (Is(name, u"thead")) {
                m_inTableHead = false;
            }
            return true;
        }
        if (Is(name, u"thead") && m_tableDepth == 1) {
            m_inHeader = false;
            m_sheet.pageHeader = Finished(m_sheet.pageHeader);
        } else if (Is(name, u"p")) {
            endLine(false);
            popSize(name);
            m_spaceBefore = std::max(m_spaceBefore, pixelSize());
        } else if (Is(name, u"td") || Is(name, u"th") || Is(name, u"font") || Is(name, u"div")) {
            if (!Is(name, u"font"))
                endLine(false);
            popSize(name);
        } else if (Is(name, u"tr")) {
            endLine(false);
        }
        return true;
    }

    QStringView m_page;
    QHash<QString, int> m_classSizes;
    TablesSheet m_sheet;
    QList<Sized> m_sizes;
    int m_tableDepth = 0;
    bool m_inHeader = false;
    bool m_inTableHead = false;
    QString m_line;
    int m_lineSize = 0;
    int m_spaceBefore = 0;
    bool m_heading = false;
    bool m_inCell = false;
    SheetCell m_cell;
    QList<SheetCell> m_headingRow;
    QStringList m_dataRow;
};

// The font sizes in pixels that the page's style sheet gives its classes.
QHash<QString, int> ClassSizes(QStringView page) {
    QHash<QString, int> sizes;
    static const QRegularExpression rule(QStringLiteral(R"(\.([\w-]+)\s*\{[^}]*font-size\s*:\s*(\d+)(?:px)?\s*[;}])"));
    const qsizetype headEnd = page.indexOf(u"</head>", 0, Qt::CaseInsensitive);
    const QString head = page.left(headEnd < 0 ? 0 : headEnd).toString();
    for (auto match = rule.globalMatch(head); match.hasNext();) {
        const auto m = match.next();
        sizes.insert(m.captured(1), m.captured(2).toInt());
    }
    return sizes;
}

}  // namespace

std::optional<TablesSheet> ReadTablesSheet(const QByteArray &page, const Proceed &proceed) {
    const QString text = DecodeHtmlPage(page);
    SheetReader reader(text, ClassSizes(text));
    if (!reader.read(proceed))
        return std::nullopt;
    return reader.take();
}

}  // namespace d7
