#include "print/HtmlViewer.h"

#include <QFile>
#include <QRegularExpression>
#include <QUrl>

#include "text/CodePage.h"

namespace d7 {

HtmlViewer::HtmlViewer(QWidget *parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("WebBrowser1"));
    setOpenLinks(true);
    setOpenExternalLinks(false);
    // As a browser: a word is never split, a table column widens to its
    // longest word instead.
    setWordWrapMode(QTextOption::WordWrap);
}

void HtmlViewer::showFile(const QString &path) {
    // Reloaded each time: the same path may hold a newer page.
    setSource(QUrl());
    setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
}

QVariant HtmlViewer::loadResource(int type, const QUrl &name) {
    if (type == QTextDocument::HtmlResource && name.isLocalFile()) {
        QFile file(name.toLocalFile());
        if (!file.open(QIODevice::ReadOnly))
            return QVariant();
        return ReadHtmlPage(file.readAll());
    }
    return QTextBrowser::loadResource(type, name);
}

QString DecodeHtmlPage(const QByteArray &bytes) {
    static const QRegularExpression charset(QStringLiteral(R"(charset\s*=\s*["']?([\w-]+))"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(bytes.left(1024));
    const QString name = charset.match(head).captured(1).toLower();
    if (name == QLatin1String("windows-1253"))
        return DecodeText(CodePage::Windows1253, bytes);
    if (name == QLatin1String("iso-8859-7"))
        return DecodeText(CodePage::Iso8859_7, bytes);
    return QString::fromUtf8(bytes);
}

QString ReadHtmlPage(const QByteArray &bytes) {
    QString text = DecodeHtmlPage(bytes);
    // A browser reads a style sheet hidden from older browsers inside an HTML
    // comment, and a font size without a unit as pixels; the text document
    // would skip the one and ignore the other.
    static const QRegularExpression hiddenStyle(QStringLiteral(R"((<style[^>]*>)\s*<!--(.*?)-->\s*(</style>))"),
                                                QRegularExpression::CaseInsensitiveOption |
                                                    QRegularExpression::DotMatchesEverythingOption);
    text.replace(hiddenStyle, QStringLiteral("\\1\\2\\3"));
    // A browser ends a line at a <br> right before a table, and starts an
    // empty one at a <br> right after a table; the text document does the
    // opposite, which puts a caption under the table before it instead of
    // over its own.
    static const QRegularExpression breakBeforeTable(QStringLiteral(R"(<br\s*/?>(\s*<table\b))"),
                                                     QRegularExpression::CaseInsensitiveOption);
    text.replace(breakBeforeTable, QStringLiteral("\\1"));
    static const QRegularExpression breakAfterTable(QStringLiteral(R"((</table>\s*)<br\s*/?>)"),
                                                    QRegularExpression::CaseInsensitiveOption);
    text.replace(breakAfterTable, QStringLiteral("\\1<br><br>"));
    static const QRegularExpression unitless(QStringLiteral(R"((font-size\s*:\s*\d+(?:\.\d+)?)(?=\s*[;}"]))"));
    text.replace(unitless, QStringLiteral("\\1px"));
    return text;
}

}  // namespace d7
