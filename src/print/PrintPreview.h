// The preview windows of the print pages: the page as it will print, a button
// that prints it after page setup, and one that saves it as a PDF file.
#pragma once

#include <QDialog>
#include <QPageLayout>
#include <optional>

#include "print/PrintPath.h"
#include "print/TablesPages.h"

class QVBoxLayout;

namespace d7 {

class WorkProgress;

extern const QString kPreparingPreviewLabel;
// The share of the preparation's progress that writing the tables page takes.
constexpr double kTablesPageShare = 0.3;

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

    // False when the page could not be read, or when the user cancelled
    // preparing it.
    bool pageShown() const { return m_shown; }
    // True when the user cancelled preparing the page: nothing to report.
    bool cancelled() const { return m_cancelled; }

protected:
    PrintPreview(const Settings &settings, QWidget *parent);
    // Puts the view of the page above the buttons; `print` draws it on paper.
    void setPage(QWidget *view, PageJob print);

    Settings m_settings;
    bool m_shown = false;
    bool m_cancelled = false;

private:
    void printPage();       // Button1Click
    void savePageAsPdf();

    QVBoxLayout *m_layout;
    PageJob m_print;
};

// The general data page, closed once printed.
class GeneralDataPreview : public PrintPreview {
    Q_OBJECT
public:
    GeneralDataPreview(const QString &pagePath, const QString &taxNumber, QWidget *parent);
};

// The tables page, landscape, open until the user closes it. Laid out by the
// program: a long declaration opens in seconds, with the progress shown and
// Cancel offered when it takes longer than a moment.
class TablesPreview : public PrintPreview {
    Q_OBJECT
public:
    // Under the progress of the page's writing, when given; else its own.
    TablesPreview(const QString &pagePath, const QString &taxNumber, QWidget *parent,
                  WorkProgress *pageProgress = nullptr);

private:
    PrintOutcome print(QPrinter &printer);

    std::optional<TablesPages> m_pages;
};

}  // namespace d7
