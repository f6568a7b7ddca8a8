#include "print/PrintPath.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QTextDocument>
#include <memory>

#include "widgets/Command.h"
#include "widgets/Dialogs.h"

namespace d7 {

const QString kPrintFailedMessage =
    QStringLiteral("Υπήρξε ένα πρόβλημα κατά την εκτύπωση. Βεβαιωθείτε ότι έχετε ορίσει κάποιον εκτυπωτή");

namespace {

void useA4(QPrinter &printer, QPageLayout::Orientation orientation) {
    printer.setPageLayout(DefaultPaper(orientation));
}

}  // namespace

QPageLayout DefaultPaper(QPageLayout::Orientation orientation) {
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

PageJob DocumentJob(const QTextDocument &page) {
    return [&page](QPrinter &printer) { return PrintDocument(page, printer) ? PrintOutcome::Printed : PrintOutcome::Failed; };
}

QSizeF PrintableArea(const QPageLayout &paper) { return paper.paintRect(QPageLayout::Inch).size() * 96; }

bool PrintDocument(const QTextDocument &page, QPrinter &printer) {
    if (!printer.isValid())
        return false;
    // Laid out on pages of the paper's printable size in screen pixels (a
    // pixel a 96th of an inch) and scaled onto the paper: the print pages size
    // their fonts and columns in pixels, which the printer's own resolution
    // would shrink to specks.
    const std::unique_ptr<QTextDocument> copy(page.clone());
    const QSizeF paper = PrintableArea(printer.pageLayout());
    // A page wider than the paper (a table's columns cannot shrink below
    // their longest words) is shrunk to fit, as browsers print. The width is
    // measured without pages, which lays a long table out in half the time.
    copy->setPageSize(QSizeF(paper.width(), -1));
    const qreal needed = copy->size().width();
    copy->setPageSize(needed > paper.width() ? paper * (needed / paper.width()) : paper);
    copy->print(&printer);
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

PrintOutcome PrintWithPageSetup(const QTextDocument &page, QPageLayout::Orientation orientation,
                                QWidget *parent) {
    return PrintWithPageSetup(DocumentJob(page), orientation, parent);
}

PrintOutcome PrintWithPageSetup(const PageJob &page, QPageLayout::Orientation orientation, QWidget *parent) {
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
    PrintOutcome outcome;
    {
        BusyCursor busy;
        outcome = page(printer);
    }
    if (outcome == PrintOutcome::Failed)
        ShowMessageText(kPrintFailedMessage);
    return outcome;
}

PrintOutcome WritePdf(const PageJob &page, const QString &pdfPath, QPageLayout::Orientation orientation) {
    // Written aside and moved into place: the PDF engine reports a file it
    // could not open only by not writing it, so an earlier file of the same
    // name must not pass for the new one, nor be lost to a failed attempt.
    const QFileInfo target(pdfPath);
    QTemporaryFile partial(target.absoluteDir().filePath(target.completeBaseName() + QLatin1String(".XXXXXX.part")));
    if (!partial.open())
        return PrintOutcome::Failed;
    partial.close();
    PrintOutcome outcome;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(partial.fileName());
        useA4(printer, orientation);
        outcome = page(printer);
    }
    if (outcome != PrintOutcome::Printed)
        return outcome;
    if (QFileInfo(partial.fileName()).size() == 0)
        return PrintOutcome::Failed;
    if (target.exists() && !QFile::remove(pdfPath))
        return PrintOutcome::Failed;
    if (!partial.rename(pdfPath))
        return PrintOutcome::Failed;
    partial.setAutoRemove(false);
    // A temporary file is private to its owner; a saved PDF is an ordinary file.
    QFile::setPermissions(pdfPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                       QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return PrintOutcome::Printed;
}

QString SavePageAsPdf(const QTextDocument &page, const QString &proposedName,
                      QPageLayout::Orientation orientation) {
    return SavePageAsPdf(DocumentJob(page), proposedName, orientation);
}

QString SavePageAsPdf(const PageJob &page, const QString &proposedName, QPageLayout::Orientation orientation) {
    const QString path = SaveFileName(QStringLiteral("Αποθήκευση ως PDF"), QStringLiteral("*.pdf"),
                                      QStringLiteral("pdf"), QDir::current().filePath(proposedName));
    if (path.isEmpty())
        return QString();
    if (!MayReplaceFile(path))
        return QString();
    PrintOutcome outcome;
    {
        BusyCursor busy;
        outcome = WritePdf(page, path, orientation);
    }
    if (outcome == PrintOutcome::Failed)
        ShowMessageText(kPrintFailedMessage);
    return outcome == PrintOutcome::Printed ? path : QString();
}

}  // namespace d7
