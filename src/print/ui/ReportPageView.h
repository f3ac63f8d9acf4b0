#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QPixmap>

class ReportDocument;

// The pages of a report one under the other on a grey ground. Only the pages in sight are
// painted (each once per zoom, then kept), so a long report scrolls as fast as a short one.
class ReportPageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class Zoom { WholePage, PageWidth, Percent };

    explicit ReportPageView(QWidget* parent = nullptr);

    // The document stays owned by the caller; call pagesChanged() when it has laid out more
    // pages and reset() when its pages changed.
    void setDocument(const ReportDocument* document);
    void pagesChanged();
    void reset();

    void setZoom(Zoom mode, double percent = 100);
    Zoom zoomMode() const { return m_zoom; }
    // Screen pixels per point of paper.
    double scale() const;

    // 0-based; -1 while there is no page.
    int currentPage() const { return m_current; }
    // Scrolls page `index` to the top of the view and makes it the current page.
    void showPage(int index);

Q_SIGNALS:
    void currentPageChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int pageCount() const;
    QSizeF pageSize() const; // pixels
    double pageTop(int index) const;
    void updateScrollBars();
    void pickCurrentFromScroll();
    QPixmap pagePixmap(int index);

    const ReportDocument* m_doc = nullptr;
    Zoom m_zoom = Zoom::Percent;
    double m_percent = 100;
    int m_current = -1;
    bool m_scrolling = false; // a page move is scrolling: keep its current page
    QHash<int, QPixmap> m_cache;
};
