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

QString ReadHtmlPage(const QByteArray &bytes) {
    static const QRegularExpression charset(QStringLiteral(R"(charset\s*=\s*["']?([\w-]+))"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(bytes.left(1024));
    const QString name = charset.match(head).captured(1).toLower();
    QString text;
    if (name == QLatin1String("windows-1253"))
        text = DecodeText(CodePage::Windows1253, bytes);
    else if (name == QLatin1String("iso-8859-7"))
        text = DecodeText(CodePage::Iso8859_7, bytes);
    else
        text = QString::fromUtf8(bytes);
    // A browser reads a style sheet hidden from older browsers inside an HTML
    // comment, and a font size without a unit as pixels; the text document
    // would skip the one and ignore the other.
    static const QRegularExpression hiddenStyle(QStringLiteral(R"((<style[^>]*>)\s*<!--(.*?)-->\s*(</style>))"),
                                                QRegularExpression::CaseInsensitiveOption |
                                                    QRegularExpression::DotMatchesEverythingOption);
    text.replace(hiddenStyle, QStringLiteral("\\1\\2\\3"));
    static const QRegularExpression unitless(QStringLiteral(R"((font-size\s*:\s*\d+(?:\.\d+)?)(?=\s*[;}"]))"));
    text.replace(unitless, QStringLiteral("\\1px"));
    return text;
}

}  // namespace d7
