// A window that shows help pages chosen from a short list of topics, and
// prints the page it shows or saves it as PDF. The manual and the form help
// are this one window with their own topics.
#pragma once

#include <QLabel>
#include <QList>
#include <QWidget>

class QPushButton;

namespace d7 {

class HtmlViewer;

struct HelpTopic {
    const char *labelName;   // objectName of its label
    QString caption;
    QString page;            // file name inside the help folder
};

struct TopicWindowKind {
    const char *windowName;
    QString caption;
    QList<HelpTopic> topics;   // the first is shown when the window is made
    QPoint offset;             // from the centre of the desktop, so that both windows can be seen
};

extern const TopicWindowKind kUserManual;
extern const TopicWindowKind kFormHelp;

// The help folder beside the program.
QString HelpFolder();

// A topic caption: bold, with the hand cursor, and clickable like a link.
class TopicLabel : public QLabel {
    Q_OBJECT
public:
    TopicLabel(const QString &caption, QWidget *parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

class TopicWindow : public QWidget {
    Q_OBJECT
public:
    // Hidden, on the first topic; pages are read from `helpFolder`.
    TopicWindow(const TopicWindowKind &kind, const QString &helpFolder, QWidget *parent = nullptr);

    // What a click on the topic's label does.
    void showTopic(int index);
    // Shows the window beside the others, restored if it was minimised.
    void bringUp();

    HtmlViewer *viewer() const { return m_viewer; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void printPage();
    void savePageAsPdf();
    QString shownTopicCaption() const;

    TopicWindowKind m_kind;
    QString m_helpFolder;
    HtmlViewer *m_viewer;
};

}  // namespace d7
