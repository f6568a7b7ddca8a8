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
    : QDialog(parent), settings_(settings) {
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
    viewer_ = new HtmlViewer(this);
    layout->addWidget(viewer_, 1);

    printButton_ = new QPushButton(QStringLiteral("Εκτύπωση"), this);
    printButton_->setObjectName(QStringLiteral("Button1"));
    pdfButton_ = new QPushButton(QStringLiteral("Αποθήκευση ως PDF"), this);
    pdfButton_->setObjectName(QStringLiteral("ButtonPdf"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton_);
    buttons->addWidget(pdfButton_);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(printButton_, &QPushButton::clicked, this, &PrintPreview::printPage);
    connect(pdfButton_, &QPushButton::clicked, this, &PrintPreview::savePageAsPdf);

    setFixedSize(settings.size);
    // Centred on the desktop, not on the main window.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    viewer_->showFile(pagePath);
}

bool PrintPreview::pageShown() const { return !viewer_->document()->isEmpty(); }

void PrintPreview::printPage() {
    const PrintOutcome outcome = PrintWithPageSetup(*viewer_->document(), settings_.orientation, this);
    // A cancelled page setup leaves the window open: the user may still print or save.
    if (settings_.closesAfterPrinting && outcome != PrintOutcome::Cancelled)
        accept();
}

void PrintPreview::savePageAsPdf() {
    SavePageAsPdf(*viewer_->document(), settings_.pdfName, settings_.orientation);
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
