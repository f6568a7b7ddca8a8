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
    static const QRegularExpression unitless(QStringLiteral(R"((font-size\s*:\s*\d+(?:\.\d+)?)(?=\s*[;}"]))"));
    text.replace(unitless, QStringLiteral("\\1px"));
    return text;
}

}  // namespace d7
