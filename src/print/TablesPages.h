// The tables page laid out on paper by the program itself: columns as wide as
// a browser would make them, rows that never split, and on every page the page
// header and the heading rows of the table it continues. Cells are measured
// once; laying them out for another paper only sums what was measured, so a
// declaration of thousands of rows is previewed and printed in seconds.
#pragma once

#include <QFont>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QVector>
#include <memory>
#include <optional>

#include "print/PrintPath.h"
#include "print/TablesSheet.h"

class QFontMetricsF;
class QPainter;

namespace d7 {

class TablesPages {
public:
    // Measures every cell of the sheet in the given font family; empty when
    // told to stop.
    static std::optional<TablesPages> measure(TablesSheet sheet, const QString &fontFamily, const Proceed &proceed);

    // Lays the pages out on paper whose printable area is `paper` pixels (a
    // 96th of an inch). Tables whose columns cannot shrink to the paper's
    // width are printed smaller, as browsers print.
    // False when told to stop.
    bool layOut(QSizeF paper, const Proceed &proceed);

    int pageCount() const { return int(m_pages.size()); }
    // Paints one page in paper pixels, from the printable area's top left;
    // only what meets `exposed` (paper pixels too) when that is given.
    void paintPage(QPainter &painter, int page, const QRectF &exposed = QRectF()) const;

private:
    struct Measured;
    // Where a table's columns, heading rows and rows lie, in layout pixels.
    struct TableLayout {
        QVector<qreal> columnLeft;      // one edge more than columns
        QVector<qreal> headingTop;      // one edge more than heading rows
        QVector<double> rowTop;         // one edge more than rows, from the first row's top
    };
    struct Piece {
        enum Kind { PageHeader, Text, Headings, Rows } kind;
        int index = 0;          // item or table
        int first = 0;          // rows [first, last)
        int last = 0;
        qreal top = 0;
    };
    using Page = QVector<Piece>;

    QFont font(int pixelSize, bool bold = false) const;
    qreal lineHeight(int pixelSize) const;
    static QStringList Wrapped(const QString &text, const QFontMetricsF &metrics, qreal width);
    bool layOutTable(int table, qreal width, const Proceed &proceed);
    // The page header as a line of text.
    SheetItem pageHeaderItem() const;
    qreal textHeight(const SheetItem &item) const;
    qreal headingsHeight(int table) const;
    qreal pieceHeight(const Piece &piece) const;
    void paintPiece(QPainter &painter, const Piece &piece, const QRectF &exposed) const;
    void paintCell(QPainter &painter, const QRectF &rect, const QString &text, const QFont &font, bool centred) const;

    std::shared_ptr<const Measured> m_measured;
    QVector<TableLayout> m_tables;
    QVector<Page> m_pages;
    QSizeF m_area;              // the paper's printable area in layout pixels
    qreal m_scale = 1;
};

// Prints the pages laid out anew for the printer's paper; when told to stop,
// the printer's run is aborted.
PrintOutcome PrintTables(TablesPages pages, QPrinter &printer, const Proceed &proceed);

}  // namespace d7
