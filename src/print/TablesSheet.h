// The tables page read back for its preview and its printing: the line that
// heads every printed page, then, in order, lines of text and tables. The
// page on disk is what browsers open; this is what the program lays out
// itself, so that thousands of rows need no general HTML layout.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "print/Proceed.h"

namespace d7 {

struct SheetCell {
    QString text;          // lines joined by '\n'
    int rowSpan = 1;
    int colSpan = 1;
    int width = 0;         // asked for by the page, in pixels; 0 when not
    bool bold = false;
};

struct SheetTable {
    int pixelSize = 0;                     // of its cells' text
    QList<QList<SheetCell>> headingRows;   // repeated on every page the table spans
    QList<QStringList> rows;               // one text a column
};

// A line of text between the tables, or a table.
struct SheetItem {
    int table = -1;            // index into tables, or -1 for a line of text
    QString text;
    int pixelSize = 0;
    int spaceBefore = 0;       // pixels: a paragraph's margin
};

struct TablesSheet {
    QString pageHeader;
    int pageHeaderPixelSize = 0;
    QList<SheetItem> items;
    QList<SheetTable> tables;
};

// Reads a page in the form the tables page is written: an outer table whose
// header group holds the page header and whose body holds the text and the
// tables. Empty when the page has no such form or when told to stop.
std::optional<TablesSheet> ReadTablesSheet(const QByteArray &page, const Proceed &proceed);

}  // namespace d7
