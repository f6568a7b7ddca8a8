// Shows a local HTML page (the print pages in code page 1253, the help pages)
// and follows links between local pages.
#pragma once

#include <QTextBrowser>

namespace d7 {

class HtmlViewer : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlViewer(QWidget *parent = nullptr);
    // Shows the file at a local path; a missing file leaves the viewer empty.
    void showFile(const QString &path);

    QVariant loadResource(int type, const QUrl &name) override;
};

// The text of a page decoded by the charset its meta tag declares (UTF-8
// when it declares none).
QString DecodeHtmlPage(const QByteArray &bytes);

// The text of a page as a browser would read it: decoded by the charset its
// meta tag declares, a style sheet inside an HTML comment read, a <br> beside
// a table rewritten to break the lines where a browser breaks them, and a CSS
// font size without a unit read as pixels.
QString ReadHtmlPage(const QByteArray &bytes);

}  // namespace d7
