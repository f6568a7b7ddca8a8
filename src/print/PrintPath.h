// The one way a page reaches paper or a PDF file. A printer and a PDF file
// differ only in the QPrinter they are given, so what the user previews, prints
// and saves is laid out the same.
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

class QPrinter;
class QTextDocument;
class QWidget;

namespace d7 {

extern const QString kPrintFailedMessage;

// Lays the page out on the printer's paper and prints it. False when the
// printer could not take it.
bool PrintDocument(const QTextDocument &page, QPrinter &printer);

enum class PrintOutcome { Printed, Cancelled, Failed };

// Draws a page on a printer set up for it; a long one may let the user cancel.
using PageJob = std::function<PrintOutcome(QPrinter &printer)>;
PageJob DocumentJob(const QTextDocument &page);

// Page setup with the user, then printing to the default printer without a
// further dialog, the busy cursor in between. With no printer installed, or
// when page setup or printing fails, the printing failure message is shown.
PrintOutcome PrintWithPageSetup(const PageJob &page, QPageLayout::Orientation orientation, QWidget *parent);
PrintOutcome PrintWithPageSetup(const QTextDocument &page, QPageLayout::Orientation orientation,
                                QWidget *parent);

// Writes the page as a PDF file, A4 in the given orientation, as a printer
// would get it. Unless the file was written whole (failed or cancelled), a
// file already at that path is left as it was and nothing else is left behind.
PrintOutcome WritePdf(const PageJob &page, const QString &pdfPath, QPageLayout::Orientation orientation);

// The printable area of the paper in screen pixels (a 96th of an inch): the
// print pages size their fonts and columns in such pixels.
QSizeF PrintableArea(const QPageLayout &paper);

// The paper a page is first laid out for: A4 in the orientation, 10 mm margins.
QPageLayout DefaultPaper(QPageLayout::Orientation orientation);

// Asks where to save the page as PDF (proposing `proposedName` in the current
// folder), asks before replacing a file, and writes it there; a failure shows
// the printing failure message.
// Returns the path written, empty when cancelled or failed.
QString SavePageAsPdf(const PageJob &page, const QString &proposedName, QPageLayout::Orientation orientation);
QString SavePageAsPdf(const QTextDocument &page, const QString &proposedName,
                      QPageLayout::Orientation orientation);

}  // namespace d7
