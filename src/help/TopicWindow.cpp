#include "help/TopicWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "print/HtmlViewer.h"
#include "print/PrintPath.h"

namespace d7 {

const TopicWindowKind kUserManual = {
    "UserManual",
    QStringLiteral("Οδηγίες εφαρμογής"),
    {{"Label1", QStringLiteral("Οδηγίες εγκατάστασης"), QStringLiteral("setup.htm")},
     {"Label2", QStringLiteral("Οδηγίες χρήσης εφαρμογής"), QStringLiteral("usermanual.htm")},
     {"Label3", QStringLiteral("Όροι χρήσης εφαρμογής"), QStringLiteral("oroi.htm")},
     {"Label5", QStringLiteral("Το μενού της εφαρμογής"), QStringLiteral("menu.htm")}},
    QPoint(),
};

const TopicWindowKind kFormHelp = {
    "HelpD7",
    QStringLiteral("Βοήθεια για το D7"),
    {{"Label1", QStringLiteral("Παραδείγματα συμπλήρωσης D7"), QStringLiteral("examples.htm")},
     {"Label2", QStringLiteral("Ερωτήσεις για το D7"), QStringLiteral("QuestionsD7.htm")},
     {"Label3", QStringLiteral("Ειδικές οδηγίες για τη συμπλήρωση του D7"),
      QStringLiteral("SpecialInstructionsD7.htm")}},
    // Down and to the right of the manual, whose title bar stays in sight.
    QPoint(48, 48),
};

QString HelpFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Help"); }

TopicLabel::TopicLabel(const QString &caption, QWidget *parent) : QLabel(caption, parent) {
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
}

void TopicLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

TopicWindow::TopicWindow(const TopicWindowKind &kind, const QString &helpFolder, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_helpFolder(helpFolder) {
    setObjectName(QString::fromLatin1(kind.windowName));
    setWindowTitle(kind.caption);
    // A window of its own beside the main window: fixed size, minimise only.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    // The topics and buttons in a column on the left, the page on the right.
    auto *side = new QWidget(this);
    side->setFixedWidth(170);
    auto *column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    auto *choose = new QLabel(QStringLiteral("Επιλέξτε θέμα:"), side);
    choose->setObjectName(QStringLiteral("Label4"));
    column->addWidget(choose);
    column->addSpacing(8);
    for (int i = 0; i < m_kind.topics.size(); ++i) {
        auto *label = new TopicLabel(m_kind.topics[i].caption, side);
        label->setObjectName(QString::fromLatin1(m_kind.topics[i].labelName));
        connect(label, &TopicLabel::clicked, this, [this, i] { showTopic(i); });
        column->addWidget(label);
        column->addSpacing(6);
    }
    column->addSpacing(12);
    auto *print = new QPushButton(QStringLiteral("Εκτύπωση"), side);
    print->setObjectName(QStringLiteral("Button1"));
    connect(print, &QPushButton::clicked, this, &TopicWindow::printPage);
    column->addWidget(print);
    auto *pdf = new QPushButton(QStringLiteral("Αποθήκευση ως PDF"), side);
    pdf->setObjectName(QStringLiteral("SavePdfButton"));
    connect(pdf, &QPushButton::clicked, this, &TopicWindow::savePageAsPdf);
    column->addWidget(pdf);
    column->addStretch();

    m_viewer = new HtmlViewer(this);
    auto *row = new QHBoxLayout(this);
    row->addWidget(side);
    row->addWidget(m_viewer, 1);

    setFixedSize(780, 540);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center() + m_kind.offset);
}

void TopicWindow::showEvent(QShowEvent *event) {
    // The first topic's page is read when it is first shown rather than at
    // start-up, which then does not wait for two long pages to be laid out.
    if (m_viewer->source().isEmpty())
        showTopic(0);
    QWidget::showEvent(event);
}

void TopicWindow::showTopic(int index) {
    // A missing page leaves the viewer empty; that is all the user sees of it.
    m_viewer->showFile(QDir(m_helpFolder).filePath(m_kind.topics[index].page));
}

void TopicWindow::bringUp() {
    showNormal();
    raise();
    activateWindow();
}

void TopicWindow::printPage() {
    // Unlike the print previews, the window stays open after printing.
    PrintWithPageSetup(*m_viewer->document(), QPageLayout::Portrait, this);
}

void TopicWindow::savePageAsPdf() {
    SavePageAsPdf(*m_viewer->document(), shownTopicCaption() + QStringLiteral(".pdf"),
                  QPageLayout::Portrait);
}

QString TopicWindow::shownTopicCaption() const {
    // A link may have led to a page that is no topic of its own: then the
    // window's caption names it.
    const QString shown = QFileInfo(m_viewer->source().toLocalFile()).fileName();
    for (const HelpTopic &topic : m_kind.topics)
        if (topic.page == shown)
            return topic.caption;
    return m_kind.caption;
}

}  // namespace d7
