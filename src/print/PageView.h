// Shows laid-out pages one below the other, as they will print: each sheet of
// paper with its margins, the whole width in view; Ctrl and the mouse wheel
// (or Ctrl and +, -) zoom. Only the pages in view are painted.
#pragma once

#include <QAbstractScrollArea>
#include <QPageLayout>
#include <functional>

namespace d7 {

class TablesPages;

class PageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PageView(QWidget *parent = nullptr);
    // Shows the pages, laid out for the paper of `paper`; they must outlive the view.
    void setPages(const TablesPages *pages, const QPageLayout &paper);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    qreal pixelsPerPaperPixel() const;
    QSizeF shownPage() const;
    void zoomBy(qreal factor);
    // Runs a change of the pages' shown size, then scrolls to the same share
    // of the pages as before it.
    void keepScrolledShare(const std::function<void()> &resize);
    void updateScrollBars();

    const TablesPages *m_pages = nullptr;
    QPageLayout m_paper;
    qreal m_zoom = 1;   // of the width that fits the view
};

}  // namespace d7
