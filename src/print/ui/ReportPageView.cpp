#include "print/ui/ReportPageView.h"

#include "print/ui/ReportEngine.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {
constexpr int Gap = 12;        // pixels around and between pages
constexpr int CachedPages = 8; // painted pages kept per zoom
} // namespace

ReportPageView::ReportPageView(QWidget* parent) : QAbstractScrollArea(parent) {
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ReportPageView::setDocument(const ReportDocument* document) {
    m_doc = document;
    reset();
}

void ReportPageView::reset() {
    m_cache.clear();
    m_current = pageCount() > 0 ? 0 : -1;
    updateScrollBars();
    m_scrolling = true;
    verticalScrollBar()->setValue(0);
    m_scrolling = false;
    viewport()->update();
    emit currentPageChanged(m_current);
}

void ReportPageView::pagesChanged() {
    const bool first = m_current < 0 && pageCount() > 0;
    updateScrollBars();
    if (first) {
        m_current = 0;
        emit currentPageChanged(m_current);
    }
    viewport()->update();
}

int ReportPageView::pageCount() const { return m_doc ? m_doc->pageCount() : 0; }

double ReportPageView::scale() const {
    if (!m_doc)
        return 1;
    const QSizeF paper = m_doc->paperSize();
    const double availW = std::max(50, viewport()->width() - 2 * Gap);
    const double availH = std::max(50, viewport()->height() - 2 * Gap);
    switch (m_zoom) {
    case Zoom::WholePage: return std::min(availW / paper.width(), availH / paper.height());
    case Zoom::PageWidth: return availW / paper.width();
    case Zoom::Percent: break;
    }
    return logicalDpiX() / 72.0 * m_percent / 100.0;
}

QSizeF ReportPageView::pageSize() const {
    if (!m_doc)
        return {};
    const QSizeF paper = m_doc->paperSize();
    const double s = scale();
    return {std::round(paper.width() * s), std::round(paper.height() * s)};
}

double ReportPageView::pageTop(int index) const { return Gap + index * (pageSize().height() + Gap); }

void ReportPageView::setZoom(Zoom mode, double percent) {
    const int keep = m_current;
    m_zoom = mode;
    m_percent = percent;
    m_cache.clear();
    updateScrollBars();
    if (keep >= 0)
        showPage(keep);
    viewport()->update();
}

void ReportPageView::updateScrollBars() {
    const QSizeF page = pageSize();
    const int n = pageCount();
    const int contentW = int(page.width()) + 2 * Gap;
    // Room below the last page so that any page can be scrolled to the top.
    const int tail = std::max(0, viewport()->height() - int(page.height()) - 2 * Gap);
    const int contentH = n > 0 ? int(pageTop(n)) + tail : 0;
    horizontalScrollBar()->setRange(0, std::max(0, contentW - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setRange(0, std::max(0, contentH - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(std::max(20, int(page.height() / 20)));
}

void ReportPageView::showPage(int index) {
    const int n = pageCount();
    if (n == 0)
        return;
    index = std::clamp(index, 0, n - 1);
    m_scrolling = true;
    verticalScrollBar()->setValue(int(pageTop(index)) - Gap);
    m_scrolling = false;
    if (index != m_current) {
        m_current = index;
        emit currentPageChanged(m_current);
    }
    viewport()->update();
}

void ReportPageView::pickCurrentFromScroll() {
    const int n = pageCount();
    if (n == 0)
        return;
    // The page that takes up most of the view.
    const double top = verticalScrollBar()->value(), bottom = top + viewport()->height();
    const double h = pageSize().height();
    int best = m_current, bestArea = -1;
    const int first = std::max(0, int((top - Gap) / (h + Gap)));
    for (int i = first; i < n; ++i) {
        const double pt = pageTop(i);
        if (pt > bottom)
            break;
        const int visible = int(std::min(bottom, pt + h) - std::max(top, pt));
        if (visible > bestArea) {
            bestArea = visible;
            best = i;
        }
    }
    if (best != m_current) {
        m_current = best;
        emit currentPageChanged(m_current);
    }
}

void ReportPageView::scrollContentsBy(int dx, int dy) {
    viewport()->update();
    if (!m_scrolling && dy != 0)
        pickCurrentFromScroll();
}

void ReportPageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (m_zoom != Zoom::Percent)
        m_cache.clear();
    updateScrollBars();
    if (m_zoom != Zoom::Percent && m_current >= 0)
        showPage(m_current);
}

void ReportPageView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        const double percent = scale() / (logicalDpiX() / 72.0) * 100.0;
        const double step = event->angleDelta().y() > 0 ? 1.1 : 1 / 1.1;
        setZoom(Zoom::Percent, std::clamp(percent * step, 10.0, 400.0));
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

QPixmap ReportPageView::pagePixmap(int index) {
    auto it = m_cache.constFind(index);
    if (it != m_cache.constEnd())
        return *it;
    if (m_cache.size() >= CachedPages) {
        // Forget the page farthest from the one asked for.
        int far = m_cache.constBegin().key();
        for (auto k = m_cache.constBegin(); k != m_cache.constEnd(); ++k)
            if (std::abs(k.key() - index) > std::abs(far - index))
                far = k.key();
        m_cache.remove(far);
    }
    const QSizeF size = pageSize();
    const qreal dpr = devicePixelRatioF();
    QPixmap pm((size * dpr).toSize());
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::white);
    QPainter p(&pm);
    m_doc->paintPage(p, index, QRectF(QPointF(0, 0), size));
    p.end();
    m_cache.insert(index, pm);
    return pm;
}

void ReportPageView::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    const int n = pageCount();
    if (n == 0)
        return;
    const QSizeF size = pageSize();
    const double dx = -horizontalScrollBar()->value() +
                      std::max(double(Gap), (viewport()->width() - size.width()) / 2);
    const double dy = -verticalScrollBar()->value();
    const QRectF dirty = event->rect();
    const int first = std::max(0, int((verticalScrollBar()->value() - Gap) / (size.height() + Gap)));
    for (int i = first; i < n; ++i) {
        const QRectF rect(dx, dy + pageTop(i), size.width(), size.height());
        if (rect.top() > dirty.bottom())
            break;
        if (!rect.intersects(dirty))
            continue;
        p.fillRect(rect.translated(3, 3), QColor(0, 0, 0, 60));
        p.drawPixmap(rect.topLeft(), pagePixmap(i));
    }
}
