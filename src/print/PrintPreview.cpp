#include "print/PrintPreview.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "print/HtmlViewer.h"
#include "print/PrintPath.h"

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

PrintPreview::PrintPreview(const QString &pagePath, const Settings &settings, QWidget *parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(QString::fromLatin1(settings.objectName));
    setWindowTitle(settings.caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    if (!settings.instruction.isEmpty()) {
        auto *instruction = new QLabel(settings.instruction, this);
        instruction->setObjectName(QStringLiteral("Label1"));
        instruction->setWordWrap(true);
        layout->addWidget(instruction);
    }
    m_viewer = new HtmlViewer(this);
    layout->addWidget(m_viewer, 1);

    m_printButton = new QPushButton(QStringLiteral("Εκτύπωση"), this);
    m_printButton->setObjectName(QStringLiteral("Button1"));
    m_pdfButton = new QPushButton(QStringLiteral("Αποθήκευση ως PDF"), this);
    m_pdfButton->setObjectName(QStringLiteral("ButtonPdf"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_pdfButton);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_printButton, &QPushButton::clicked, this, &PrintPreview::printPage);
    connect(m_pdfButton, &QPushButton::clicked, this, &PrintPreview::savePageAsPdf);

    setFixedSize(settings.size);
    // Centred on the desktop, not on the main window.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    m_viewer->showFile(pagePath);
}

bool PrintPreview::pageShown() const { return !m_viewer->document()->isEmpty(); }

void PrintPreview::printPage() {
    const PrintOutcome outcome = PrintWithPageSetup(*m_viewer->document(), m_settings.orientation, this);
    // A cancelled page setup leaves the window open: the user may still print or save.
    if (m_settings.closesAfterPrinting && outcome != PrintOutcome::Cancelled)
        accept();
}

void PrintPreview::savePageAsPdf() {
    SavePageAsPdf(*m_viewer->document(), m_settings.pdfName, m_settings.orientation);
}

GeneralDataPreview::GeneralDataPreview(const QString &pagePath, const QString &taxNumber, QWidget *parent)
    : PrintPreview(pagePath,
                   {"PrintForm", QStringLiteral("Εκτύπωση"), QString(), QSize(760, 640), QPageLayout::Portrait,
                    PdfName(taxNumber, QStringLiteral("ΓΕΝΙΚΑ")), true},
                   parent) {}

TablesPreview::TablesPreview(const QString &pagePath, const QString &taxNumber, QWidget *parent)
    : PrintPreview(pagePath,
                   {"PrintTablesForm", QStringLiteral("Εκτύπωση Πινάκων"),
                    QStringLiteral("Πατήστε το κουμπί \"Εκτύπωση\", επιλέξτε οριζόντιο προσανατολισμό (landscape) και "
                                   "μηδενίστε τα περιθώρια δεξιά-αριστερά"),
                    QSize(1000, 660), QPageLayout::Landscape, PdfName(taxNumber, QStringLiteral("ΠΙΝΑΚΕΣ")), false},
                   parent) {}

}  // namespace d7
