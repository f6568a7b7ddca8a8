#include "print/TablesPages.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <numeric>

namespace d7 {

namespace {

// A cell's text stands this far inside its edges (its border and one pixel),
// and a column is a pixel wider than its text, so that text measured on the
// screen still fits on paper.
constexpr qreal kInset = 2;
constexpr qreal kSlack = 1;
constexpr int kDefaultPixelSize = 9;
const QColor kHeadingBackground(0xCC, 0xFF, 0xFF);

QFont SheetFont(const QString &family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize > 0 ? pixelSize : kDefaultPixelSize);
    font.setBold(bold);
    // The same advances on the screen and on paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Widths of texts in one font, each text measured once.
class Widths {
public:
    explicit Widths(const QFont &font) : m_metrics(font) {}
    float of(const QString &text) {
        auto found = m_known.constFind(text);
        if (found != m_known.constEnd())
            return *found;
        const float width = float(m_metrics.horizontalAdvance(text));
        if (m_known.size() < 200000)
            m_known.insert(text, width);
        return width;
    }
    // The widest word: a column can be no narrower.
    float widestWord(const QString &text) {
        if (!text.contains(u' ') && !text.contains(u'\n'))
            return of(text);
        float widest = 0;
        for (const QString &word : QString(text).replace(u'\n', u' ').split(u' ', Qt::SkipEmptyParts))
            widest = std::max(widest, of(word));
        return widest;
    }
    float widestLine(const QString &text) {
        if (!text.contains(u'\n'))
            return of(text);
        float widest = 0;
        for (const QString &line : text.split(u'\n'))
            widest = std::max(widest, of(line));
        return widest;
    }

private:
    QFontMetricsF m_metrics;
    QHash<QString, float> m_known;
};

}  // namespace

struct TablesPages::Measured {
    struct Heading {
        const SheetCell *cell;
        int row, column;
    };
    struct Table {
        int columns = 0;
        QVector<float> cellWidth;           // widest line of each data cell, row by row
        QVector<qreal> minWidth, maxWidth;  // of each column
        QVector<bool> fixed;                // a width the page asks for
        QVector<Heading> headings;
    };
    TablesSheet sheet;
    QString family;
    QVector<Table> tables;
};

std::optional<TablesPages> TablesPages::measure(TablesSheet sheet, const QString &fontFamily,
                                                const Proceed &proceed) {
    auto measured = std::make_shared<Measured>();
    measured->sheet = std::move(sheet);
    measured->family = fontFamily;
    qint64 totalRows = 0, doneRows = 0;
    for (const SheetTable &table : measured->sheet.tables)
        totalRows += table.rows.size();

    for (const SheetTable &table : measured->sheet.tables) {
        Measured::Table m;
        // Heading cells placed on the grid their spans make.
        QVector<QVector<bool>> taken(table.headingRows.size());
        for (int r = 0; r < table.headingRows.size(); ++r) {
            int column = 0;
            for (const SheetCell &cell : table.headingRows[r]) {
                while (column < taken[r].size() && taken[r][column])
                    ++column;
                m.headings.append({&cell, r, column});
                for (int dr = 0; dr < cell.rowSpan && r + dr < taken.size(); ++dr) {
                    if (taken[r + dr].size() < column + cell.colSpan)
                        taken[r + dr].resize(column + cell.colSpan);
                    for (int dc = 0; dc < cell.colSpan; ++dc)
                        taken[r + dr][column + dc] = true;
                }
                column += cell.colSpan;
            }
        }
        for (const QVector<bool> &row : taken)
            m.columns = std::max(m.columns, int(row.size()));
        for (const QStringList &row : table.rows)
            m.columns = std::max(m.columns, int(row.size()));
        m.minWidth.fill(2 * kInset + kSlack, m.columns);
        m.maxWidth.fill(2 * kInset + kSlack, m.columns);
        m.fixed.fill(false, m.columns);

        Widths widths(SheetFont(fontFamily, table.pixelSize, false));
        m.cellWidth.resize(qsizetype(table.rows.size()) * m.columns);
        for (int r = 0; r < table.rows.size(); ++r) {
            const QStringList &row = table.rows[r];
            for (int c = 0; c < row.size(); ++c) {
                const QString &text = row[c];
                if (text.isEmpty())
                    continue;
                const float width = widths.of(text);
                m.cellWidth[qsizetype(r) * m.columns + c] = width;
                const float widest = text.contains(u' ') ? widths.widestWord(text) : width;
                m.minWidth[c] = std::max(m.minWidth[c], widest + 2 * kInset + kSlack);
                m.maxWidth[c] = std::max(m.maxWidth[c], width + 2 * kInset + kSlack);
            }
            if (++doneRows % 256 == 0 && proceed && !proceed(double(doneRows) / totalRows))
                return std::nullopt;
        }

        Widths bold(SheetFont(fontFamily, table.pixelSize, true));
        auto widen = [&m](int column, int span, qreal least, QVector<qreal> &of) {
            const qreal now = std::accumulate(of.begin() + column, of.begin() + column + span, qreal(0));
            if (least > now)
                for (int c = column; c < column + span; ++c)
                    of[c] += (least - now) / span;
        };
        // Single columns first, then the headings that span several.
        for (int spanning = 0; spanning < 2; ++spanning)
            for (const Measured::Heading &h : m.headings) {
                if ((h.cell->colSpan > 1) != bool(spanning))
                    continue;
                Widths &in = h.cell->bold ? bold : widths;
                const qreal least = in.widestWord(h.cell->text) + 2 * kInset + kSlack;
                const qreal most = in.widestLine(h.cell->text) + 2 * kInset + kSlack;
                widen(h.column, h.cell->colSpan, least, m.minWidth);
                widen(h.column, h.cell->colSpan, most, m.maxWidth);
                if (h.cell->colSpan == 1 && h.cell->width > 0) {
                    m.fixed[h.column] = true;
                    m.minWidth[h.column] = std::max(m.minWidth[h.column], qreal(h.cell->width));
                }
            }
        for (int c = 0; c < m.columns; ++c)
            m.maxWidth[c] = m.fixed[c] ? m.minWidth[c] : std::max(m.maxWidth[c], m.minWidth[c]);
        measured->tables.append(m);
    }
    if (proceed && !proceed(1))
        return std::nullopt;
    TablesPages pages;
    pages.m_measured = std::move(measured);
    return pages;
}

QFont TablesPages::font(int pixelSize, bool bold) const { return SheetFont(m_measured->family, pixelSize, bold); }

qreal TablesPages::lineHeight(int pixelSize) const { return std::ceil(QFontMetricsF(font(pixelSize)).height()); }

QStringList TablesPages::Wrapped(const QString &text, const QFontMetricsF &metrics, qreal width) {
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n')) {
        QString line;
        for (const QString &word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        lines << line;
    }
    return lines;
}

bool TablesPages::layOutTable(int index, qreal width, const Proceed &proceed) {
    const Measured::Table &m = m_measured->tables[index];
    const SheetTable &table = m_measured->sheet.tables[index];
    // Columns as browsers share a table's width: each at least its widest
    // word, the room left given in proportion to what each would take.
    const qreal least = std::accumulate(m.minWidth.begin(), m.minWidth.end(), qreal(0));
    const qreal most = std::accumulate(m.maxWidth.begin(), m.maxWidth.end(), qreal(0));
    QVector<qreal> widths(m.columns);
    for (int c = 0; c < m.columns; ++c) {
        if (least >= width)
            widths[c] = m.minWidth[c];
        else if (most > width)
            widths[c] = m.minWidth[c] + (m.maxWidth[c] - m.minWidth[c]) * (width - least) / (most - least);
        else
            widths[c] = m.maxWidth[c];
    }
    if (most < width) {
        qreal free = 0;
        for (int c = 0; c < m.columns; ++c)
            free += m.fixed[c] ? 0 : m.maxWidth[c];
        for (int c = 0; c < m.columns; ++c)
            widths[c] += (width - most) * (free > 0 ? (m.fixed[c] ? 0 : m.maxWidth[c]) / free : 1.0 / m.columns);
    }
    TableLayout layout;
    layout.columnLeft.append(0);
    for (qreal w : widths)
        layout.columnLeft.append(layout.columnLeft.last() + w);
    auto room = [&layout](int column, int span) {
        return layout.columnLeft[column + span] - layout.columnLeft[column] - 2 * kInset;
    };

    const qreal line = lineHeight(table.pixelSize);
    const qreal padding = 2 * kInset - 1;
    QVector<qreal> headingHeights(table.headingRows.size(), 0);
    for (int spanning = 0; spanning < 2; ++spanning)
        for (const Measured::Heading &h : m.headings) {
            if ((h.cell->rowSpan > 1) != bool(spanning))
                continue;
            const QFontMetricsF metrics(font(table.pixelSize, h.cell->bold));
            const qreal needed =
                Wrapped(h.cell->text, metrics, room(h.column, h.cell->colSpan)).size() * line + padding;
            const int last = std::min(h.row + h.cell->rowSpan, int(headingHeights.size())) - 1;
            const qreal now = std::accumulate(headingHeights.begin() + h.row, headingHeights.begin() + last + 1, 0.0);
            if (needed > now)
                headingHeights[last] += needed - now;
        }
    layout.headingTop.append(0);
    for (qreal h : headingHeights)
        layout.headingTop.append(layout.headingTop.last() + h);

    const QFontMetricsF cellMetrics(font(table.pixelSize));
    // Values repeat down a column (streets, areas): each wrapped once.
    QVector<QHash<QString, int>> linesOf(m.columns);
    layout.rowTop.reserve(table.rows.size() + 1);
    layout.rowTop.append(0);
    for (int r = 0; r < table.rows.size(); ++r) {
        int lines = 1;
        for (int c = 0; c < table.rows[r].size(); ++c) {
            if (m.cellWidth[qsizetype(r) * m.columns + c] <= room(c, 1))
                continue;
            const QString &text = table.rows[r][c];
            auto known = linesOf[c].constFind(text);
            if (known == linesOf[c].constEnd())
                known = linesOf[c].insert(text, int(Wrapped(text, cellMetrics, room(c, 1)).size()));
            lines = std::max(lines, *known);
        }
        layout.rowTop.append(layout.rowTop.last() + lines * line + padding);
        if (r % 256 == 255 && proceed && !proceed(double(r) / table.rows.size()))
            return false;
    }
    m_tables[index] = layout;
    return true;
}

SheetItem TablesPages::pageHeaderItem() const {
    return {-1, m_measured->sheet.pageHeader, m_measured->sheet.pageHeaderPixelSize, 0};
}

qreal TablesPages::textHeight(const SheetItem &item) const {
    return item.spaceBefore +
           Wrapped(item.text, QFontMetricsF(font(item.pixelSize)), m_area.width()).size() * lineHeight(item.pixelSize);
}

qreal TablesPages::headingsHeight(int table) const { return m_tables[table].headingTop.last(); }

bool TablesPages::layOut(QSizeF paper, const Proceed &proceed) {
    const Measured &m = *m_measured;
    qreal needed = paper.width();
    for (const Measured::Table &table : m.tables)
        needed = std::max(needed, std::accumulate(table.minWidth.begin(), table.minWidth.end(), qreal(0)));
    m_scale = paper.width() / needed;
    m_area = paper / m_scale;
    m_tables.resize(m.tables.size());
    for (int t = 0; t < m.tables.size(); ++t)
        if (!layOutTable(t, m_area.width(), PartOf(proceed, double(t) / m.tables.size(), (t + 1.0) / m.tables.size())))
            return false;

    // Every page begins with the page header; a table that goes on to another
    // page repeats its heading rows there; a text right above a table stays
    // with the table's headings and first row.
    const qreal bottom = m_area.height();
    const qreal headerHeight =
        m.sheet.pageHeader.isEmpty()
            ? 0
            : textHeight(pageHeaderItem()) + 2;
    m_pages.clear();
    qreal y = 0;
    auto newPage = [&] {
        m_pages.append({{Piece::PageHeader, 0, 0, 0, 0}});
        y = headerHeight;
    };
    auto firstRow = [this](int table) {
        const QVector<double> &rows = m_tables[table].rowTop;
        return rows.size() > 1 ? rows[1] : 0.0;
    };
    newPage();
    for (int i = 0; i < m.sheet.items.size(); ++i) {
        const SheetItem &item = m.sheet.items[i];
        const bool pageBegun = m_pages.last().size() > 1;
        if (item.table < 0) {
            const qreal height = textHeight(item);
            qreal keep = height;
            if (i + 1 < m.sheet.items.size() && m.sheet.items[i + 1].table >= 0) {
                const int next = m.sheet.items[i + 1].table;
                keep += m.sheet.items[i + 1].spaceBefore + headingsHeight(next) + firstRow(next);
            }
            if (pageBegun && y + keep > bottom)
                newPage();
            m_pages.last().append({Piece::Text, i, 0, 0, y});
            y += height;
            continue;
        }
        const int t = item.table;
        const QVector<double> &rowTop = m_tables[t].rowTop;
        const int rows = int(rowTop.size()) - 1;
        y += item.spaceBefore;
        if (pageBegun && y + headingsHeight(t) + firstRow(t) > bottom)
            newPage();
        int r = 0;
        forever {
            const bool atTop = y == headerHeight;
            m_pages.last().append({Piece::Headings, t, 0, 0, y});
            y += headingsHeight(t);
            const int first = r;
            const qreal top = y;
            // A row taller than a page still gets a page of its own.
            while (r < rows && (y + (rowTop[r + 1] - rowTop[r]) <= bottom || (r == first && atTop))) {
                y += rowTop[r + 1] - rowTop[r];
                ++r;
            }
            if (r > first)
                m_pages.last().append({Piece::Rows, t, first, r, top});
            if (r >= rows)
                break;
            newPage();
        }
    }
    return true;
}

qreal TablesPages::pieceHeight(const Piece &piece) const {
    switch (piece.kind) {
    case Piece::PageHeader:
        return textHeight(pageHeaderItem());
    case Piece::Text:
        return textHeight(m_measured->sheet.items[piece.index]);
    case Piece::Headings:
        return headingsHeight(piece.index);
    case Piece::Rows:
        return m_tables[piece.index].rowTop[piece.last] - m_tables[piece.index].rowTop[piece.first];
    }
    return 0;
}

void TablesPages::paintPage(QPainter &painter, int page, const QRectF &exposed) const {
    if (page < 0 || page >= m_pages.size())
        return;
    painter.save();
    painter.scale(m_scale, m_scale);
    const QRectF area = exposed.isNull() ? QRectF(QPointF(0, 0), m_area)
                                         : QRectF(exposed.topLeft() / m_scale, exposed.size() / m_scale);
    for (const Piece &piece : m_pages[page])
        if (QRectF(0, piece.top, m_area.width(), pieceHeight(piece)).intersects(area))
            paintPiece(painter, piece, area);
    painter.restore();
}

void TablesPages::paintCell(QPainter &painter, const QRectF &rect, const QString &text, const QFont &font,
                            bool centred) const {
    if (text.isEmpty())
        return;
    const QFontMetricsF metrics(font);
    const qreal width = rect.width() - 2 * kInset;
    const QStringList lines = text.contains(u'\n') || metrics.horizontalAdvance(text) > width
                                  ? Wrapped(text, metrics, width)
                                  : QStringList(text);
    const qreal line = std::ceil(metrics.height());
    qreal y = rect.top() + (rect.height() - lines.size() * line) / 2 + metrics.ascent();
    painter.setFont(font);
    for (const QString &l : lines) {
        const qreal x = centred ? rect.left() + (rect.width() - metrics.horizontalAdvance(l)) / 2 : rect.left() + kInset;
        painter.drawText(QPointF(x, y), l);
        y += line;
    }
}

void TablesPages::paintPiece(QPainter &painter, const Piece &piece, const QRectF &exposed) const {
    const TablesSheet &sheet = m_measured->sheet;
    QPen grid(Qt::black);
    grid.setWidthF(0.6);
    painter.setPen(Qt::black);
    if (piece.kind == Piece::PageHeader || piece.kind == Piece::Text) {
        const SheetItem item = piece.kind == Piece::Text ? sheet.items[piece.index] : pageHeaderItem();
        const QFont f = font(item.pixelSize);
        const QFontMetricsF metrics(f);
        painter.setFont(f);
        qreal y = piece.top + item.spaceBefore + metrics.ascent();
        for (const QString &line : Wrapped(item.text, metrics, m_area.width())) {
            painter.drawText(QPointF(0, y), line);
            y += lineHeight(item.pixelSize);
        }
        return;
    }
    const SheetTable &table = sheet.tables[piece.index];
    const Measured::Table &m = m_measured->tables[piece.index];
    const TableLayout &layout = m_tables[piece.index];
    const qreal right = layout.columnLeft.last();
    if (piece.kind == Piece::Headings) {
        painter.fillRect(QRectF(0, piece.top, right, headingsHeight(piece.index)), kHeadingBackground);
        for (const Measured::Heading &h : m.headings) {
            const int lastRow = std::min(h.row + h.cell->rowSpan, int(layout.headingTop.size()) - 1);
            const QRectF cell(layout.columnLeft[h.column], piece.top + layout.headingTop[h.row],
                              layout.columnLeft[h.column + h.cell->colSpan] - layout.columnLeft[h.column],
                              layout.headingTop[lastRow] - layout.headingTop[h.row]);
            painter.setPen(grid);
            painter.drawRect(cell);
            painter.setPen(Qt::black);
            paintCell(painter, cell, h.cell->text, font(table.pixelSize, h.cell->bold), true);
        }
        return;
    }
    // Only the rows that meet the exposed area.
    const double offset = piece.top - layout.rowTop[piece.first];
    const auto begin = layout.rowTop.begin();
    int first = int(std::upper_bound(begin + piece.first, begin + piece.last, exposed.top() - offset) - begin) - 1;
    int last = int(std::lower_bound(begin + piece.first, begin + piece.last, exposed.bottom() - offset) - begin);
    first = std::max(first, piece.first);
    last = std::min(last, piece.last);
    const QFont cellFont = font(table.pixelSize);
    for (int r = first; r < last; ++r) {
        const qreal top = offset + layout.rowTop[r];
        const qreal height = layout.rowTop[r + 1] - layout.rowTop[r];
        const QStringList &row = table.rows[r];
        for (int c = 0; c < row.size() && c < m.columns; ++c)
            paintCell(painter, QRectF(layout.columnLeft[c], top, layout.columnLeft[c + 1] - layout.columnLeft[c], height),
                      row[c], cellFont, false);
    }
    painter.setPen(grid);
    const qreal top = offset + layout.rowTop[first];
    const qreal bottom = offset + layout.rowTop[last];
    for (qreal x : layout.columnLeft)
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
    for (int r = first; r <= last; ++r)
        painter.drawLine(QPointF(0, offset + layout.rowTop[r]), QPointF(right, offset + layout.rowTop[r]));
}

PrintOutcome PrintTables(TablesPages pages, QPrinter &printer, const Proceed &proceed) {
    if (!printer.isValid())
        return PrintOutcome::Failed;
    if (!pages.layOut(PrintableArea(printer.pageLayout()), PartOf(proceed, 0, 0.2)))
        return PrintOutcome::Cancelled;
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::Failed;
    // Paper pixels are a 96th of an inch, as on the screen.
    painter.scale(printer.resolution() / 96.0, printer.resolution() / 96.0);
    for (int p = 0; p < pages.pageCount(); ++p) {
        if (p > 0 && !printer.newPage())
            return PrintOutcome::Failed;
        pages.paintPage(painter, p);
        if (proceed && !proceed(0.2 + 0.8 * (p + 1) / pages.pageCount())) {
            printer.abort();
            painter.end();
            return PrintOutcome::Cancelled;
        }
    }
    if (!painter.end())
        return PrintOutcome::Failed;
    return printer.printerState() == QPrinter::Error ? PrintOutcome::Failed : PrintOutcome::Printed;
}

}  // namespace d7
