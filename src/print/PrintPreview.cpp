#include "print/PrintPreview.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "print/HtmlViewer.h"
#include "print/PageView.h"
#include "print/WorkProgress.h"

namespace d7 {

namespace {

// "D7-" and the tax number, as the export proposes, then what the file holds.
QString PdfName(const QString &taxNumber, const QString &contents) {
    QString name = QStringLiteral("D7-");
    if (!taxNumber.isEmpty())
        name += taxNumber + u'-';
    return name + contents + QLatin1String(".pdf");
}

}  // namespace

PrintPreview::PrintPreview(const Settings &settings, QWidget *parent) : QDialog(parent), m_settings(settings) {
    setObjectName(QString::fromLatin1(settings.objectName));
    setWindowTitle(settings.caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setModal(true);

    m_layout = new QVBoxLayout(this);
    if (!settings.instruction.isEmpty()) {
        auto *instruction = new QLabel(settings.instruction, this);
        instruction->setObjectName(QStringLiteral("Label1"));
        instruction->setWordWrap(true);
        m_layout->addWidget(instruction);
    }
    auto *printButton = new QPushButton(QStringLiteral("Εκτύπωση"), this);
    printButton->setObjectName(QStringLiteral("Button1"));
    auto *pdfButton = new QPushButton(QStringLiteral("Αποθήκευση ως PDF"), this);
    pdfButton->setObjectName(QStringLiteral("ButtonPdf"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton);
    buttons->addWidget(pdfButton);
    buttons->addStretch();
    m_layout->addLayout(buttons);
    connect(printButton, &QPushButton::clicked, this, &PrintPreview::printPage);
    connect(pdfButton, &QPushButton::clicked, this, &PrintPreview::savePageAsPdf);

    setFixedSize(settings.size);
    // Centred on the desktop, not on the main window.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void PrintPreview::setPage(QWidget *view, PageJob print) {
    m_layout->insertWidget(m_layout->count() - 1, view, 1);
    m_print = std::move(print);
}

void PrintPreview::printPage() {
    const PrintOutcome outcome = PrintWithPageSetup(m_print, m_settings.orientation, this);
    // A cancelled page setup leaves the window open: the user may still print or save.
    if (m_settings.closesAfterPrinting && outcome != PrintOutcome::Cancelled)
        accept();
}

void PrintPreview::savePageAsPdf() { SavePageAsPdf(m_print, m_settings.pdfName, m_settings.orientation); }

GeneralDataPreview::GeneralDataPreview(const QString &pagePath, const QString &taxNumber, QWidget *parent)
    : PrintPreview({"PrintForm", QStringLiteral("Εκτύπωση"), QString(), QSize(760, 640), QPageLayout::Portrait,
                    PdfName(taxNumber, QStringLiteral("ΓΕΝΙΚΑ")), true},
                   parent) {
    auto *viewer = new HtmlViewer(this);
    setPage(viewer, DocumentJob(*viewer->document()));
    viewer->showFile(pagePath);
    m_shown = !viewer->document()->isEmpty();
}

const QString kPreparingPreviewLabel = QStringLiteral("Προετοιμασία της προεπισκόπησης…");

TablesPreview::TablesPreview(const QString &pagePath, const QString &taxNumber, QWidget *parent,
                             WorkProgress *pageProgress)
    : PrintPreview({"PrintTablesForm", QStringLiteral("Εκτύπωση Πινάκων"),
                    QStringLiteral("Πατήστε το κουμπί \"Εκτύπωση\", επιλέξτε οριζόντιο προσανατολισμό (landscape) και "
                                   "μηδενίστε τα περιθώρια δεξιά-αριστερά"),
                    QSize(1000, 660), QPageLayout::Landscape, PdfName(taxNumber, QStringLiteral("ΠΙΝΑΚΕΣ")), false},
                   parent) {
    QFile file(pagePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    std::optional<WorkProgress> ownProgress;
    WorkProgress &progress = pageProgress ? *pageProgress : ownProgress.emplace(kPreparingPreviewLabel, parent);
    const Proceed proceed = PartOf(progress.callback(), pageProgress ? kTablesPageShare : 0, 1);
    std::optional<TablesSheet> sheet = ReadTablesSheet(file.readAll(), PartOf(proceed, 0, 0.4));
    if (sheet)
        m_pages = TablesPages::measure(std::move(*sheet), font().family(), PartOf(proceed, 0.4, 0.7));
    const QPageLayout paper = DefaultPaper(m_settings.orientation);
    if (m_pages && !m_pages->layOut(PrintableArea(paper), PartOf(proceed, 0.7, 1)))
        m_pages.reset();
    m_cancelled = progress.cancelled();
    if (!m_pages)
        return;
    auto *view = new PageView(this);
    view->setPages(&*m_pages, paper);
    setPage(view, [this](QPrinter &printer) { return print(printer); });
    m_shown = m_pages->pageCount() > 0;
}

PrintOutcome TablesPreview::print(QPrinter &printer) {
    WorkProgress progress(printer.outputFormat() == QPrinter::PdfFormat ? QStringLiteral("Αποθήκευση ως PDF…")
                                                                        : QStringLiteral("Εκτύπωση…"),
                          this);
    return PrintTables(*m_pages, printer, progress.callback());
}

}  // namespace d7
