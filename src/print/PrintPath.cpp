#include "print/PrintPath.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include "app/Dialogs.h"

namespace d7 {

const QString kPrintFailedMessage =
    QStringLiteral("Υπήρξε ένα πρόβλημα κατά την εκτύπωση. Βεβαιωθείτε ότι έχετε ορίσει κάποιον εκτυπωτή");

namespace {

// Restores the normal cursor however printing ends.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

void useA4(QPrinter &printer, QPageLayout::Orientation orientation) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

}  // namespace

bool PrintDocument(const QTextDocument &page, QPrinter &printer) {
    if (!printer.isValid())
        return false;
    page.print(&printer);
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

PrintOutcome PrintWithPageSetup(const QTextDocument &page, QPageLayout::Orientation orientation,
                                QWidget *parent) {
    // Without a printer Qt would quietly write a PDF file nobody asked for.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        ShowMessageText(kPrintFailedMessage);
        return PrintOutcome::Failed;
    }
    QPrinter printer(QPrinter::HighResolution);
    useA4(printer, orientation);
    QPageSetupDialog setup(&printer, parent);
    if (setup.exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    bool printed;
    {
        BusyCursor busy;
        printed = PrintDocument(page, printer);
    }
    if (!printed) {
        ShowMessageText(kPrintFailedMessage);
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

bool WritePdf(const QTextDocument &page, const QString &pdfPath, QPageLayout::Orientation orientation) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    useA4(printer, orientation);
    if (!PrintDocument(page, printer))
        return false;
    // The PDF engine reports a file it could not open only by not writing it.
    return QFileInfo(pdfPath).size() > 0;
}

QString SavePageAsPdf(const QTextDocument &page, const QString &proposedName,
                      QPageLayout::Orientation orientation) {
    const QString path = SaveFileName(QStringLiteral("Αποθήκευση ως PDF"), QStringLiteral("*.pdf"),
                                      QStringLiteral("pdf"), QDir::current().filePath(proposedName));
    if (path.isEmpty())
        return QString();
    bool written;
    {
        BusyCursor busy;
        written = WritePdf(page, path, orientation);
    }
    if (!written) {
        ShowMessageText(kPrintFailedMessage);
        return QString();
    }
    return path;
}

}  // namespace d7
