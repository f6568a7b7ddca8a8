#include "print/PageView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "print/TablesPages.h"

namespace d7 {

namespace {

constexpr int kGap = 12;   // around and between the pages, in screen pixels

QSizeF PaperPixels(const QPageLayout &paper) { return paper.fullRect(QPageLayout::Inch).size() * 96; }

}  // namespace

PageView::PageView(QWidget *parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("WebBrowser1"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void PageView::setPages(const TablesPages *pages, const QPageLayout &paper) {
    m_pages = pages;
    m_paper = paper;
    updateScrollBars();
    viewport()->update();
}

qreal PageView::pixelsPerPaperPixel() const {
    const qreal fit = (viewport()->width() - 2 * kGap) / PaperPixels(m_paper).width();
    return std::max(0.05, fit * m_zoom);
}

QSizeF PageView::shownPage() const { return PaperPixels(m_paper) * pixelsPerPaperPixel(); }

void PageView::updateScrollBars() {
    const int pages = m_pages ? m_pages->pageCount() : 0;
    const QSizeF page = shownPage();
    const int height = int(pages * (page.height() + kGap) + kGap);
    const int width = int(page.width() + 2 * kGap);
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(std::max(1, int(page.height() / 20)));
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(20);
}

void PageView::keepScrolledShare(const std::function<void()> &resize) {
    const qreal before = verticalScrollBar()->maximum() > 0
                             ? qreal(verticalScrollBar()->value()) / verticalScrollBar()->maximum()
                             : 0;
    resize();
    updateScrollBars();
    verticalScrollBar()->setValue(int(before * verticalScrollBar()->maximum()));
}

void PageView::resizeEvent(QResizeEvent *event) {
    // The same page stays in view while the width changes the pages' height.
    keepScrolledShare([&] { QAbstractScrollArea::resizeEvent(event); });
}

void PageView::zoomBy(qreal factor) {
    keepScrolledShare([&] { m_zoom = std::clamp(m_zoom * factor, 0.5, 4.0); });
    viewport()->update();
}

void PageView::wheelEvent(QWheelEvent *event) {
    if (event->modifiers() & Qt::ControlModifier) {
        zoomBy(event->angleDelta().y() > 0 ? 1.25 : 0.8);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void PageView::keyPressEvent(QKeyEvent *event) {
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal)
            return zoomBy(1.25);
        if (event->key() == Qt::Key_Minus)
            return zoomBy(0.8);
    }
    if (event->key() == Qt::Key_Home)
        return verticalScrollBar()->setValue(0);
    if (event->key() == Qt::Key_End)
        return verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    QAbstractScrollArea::keyPressEvent(event);
}

void PageView::paintEvent(QPaintEvent *) {
    if (!m_pages)
        return;
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal scale = pixelsPerPaperPixel();
    const QSizeF page = shownPage();
    const QPointF margins = m_paper.paintRect(QPageLayout::Inch).topLeft() * 96 * scale;
    const qreal left = kGap - horizontalScrollBar()->value() +
                       std::max(0.0, (viewport()->width() - 2 * kGap - page.width()) / 2);
    const qreal scrolled = verticalScrollBar()->value();
    const int first = std::max(0, int((scrolled - kGap) / (page.height() + kGap)));
    for (int p = first; p < m_pages->pageCount(); ++p) {
        const QRectF sheet(left, kGap + p * (page.height() + kGap) - scrolled, page.width(), page.height());
        if (sheet.top() > viewport()->height())
            break;
        painter.fillRect(sheet.translated(2, 2), palette().shadow());
        painter.fillRect(sheet, Qt::white);
        painter.save();
        painter.translate(sheet.topLeft() + margins);
        painter.scale(scale, scale);
        const QRectF inView = QRectF(viewport()->rect()).translated(-(sheet.topLeft() + margins));
        m_pages->paintPage(painter, p, QRectF(inView.topLeft() / scale, inView.size() / scale));
        painter.restore();
    }
}

}  // namespace d7
