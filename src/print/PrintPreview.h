// The preview windows of the print pages: the page as it will print, a button
// that prints it after page setup, and one that saves it as a PDF file.
#pragma once

#include <QDialog>
#include <QPageLayout>

class QLabel;
class QPushButton;

namespace d7 {

class HtmlViewer;

class PrintPreview : public QDialog {
    Q_OBJECT
public:
    struct Settings {
        const char *objectName;
        QString caption;
        QString instruction;        // shown above the page; none when empty
        QSize size;
        QPageLayout::Orientation orientation;
        QString pdfName;            // proposed in the current folder
        bool closesAfterPrinting;
    };

    PrintPreview(const QString &pagePath, const Settings &settings, QWidget *parent);
    // False when the page could not be read.
    bool pageShown() const;

private:
    void printPage();       // Button1Click
    void savePageAsPdf();

    Settings m_settings;
    HtmlViewer *m_viewer;
    QPushButton *m_printButton;
    QPushButton *m_pdfButton;
};

// The general data page, closed once printed.
class GeneralDataPreview : public PrintPreview {
    Q_OBJECT
public:
    GeneralDataPreview(const QString &pagePath, const QString &taxNumber, QWidget *parent);
};

// The tables page, landscape, open until the user closes it.
class TablesPreview : public PrintPreview {
    Q_OBJECT
public:
    TablesPreview(const QString &pagePath, const QString &taxNumber, QWidget *parent);
};

}  // namespace d7
