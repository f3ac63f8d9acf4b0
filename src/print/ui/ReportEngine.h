#pragma once

#include "print/PrintForms.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QRectF>
#include <QVector>

#include <climits>

class QPainter;
class QPrinter;

// Renders a Report as a banded list on paged paper: on every page the heading and the ruled
// column header, then ruled detail rows, the page number at the foot, and after the last row
// the summary band with the totals.
//
// Pagination works from font metrics alone and in steps, so a preview can show the first page
// of a long list before the last one is laid out; painting a page lays out only that page.
//
// Layout units are tenths of a point (1/720 inch) from the paper's top-left corner; fonts are
// sized in those units so the same layout paints at any resolution and zoom.
class ReportDocument {
public:
    struct Page {
        int firstRow = 0;
        int rowCount = 0;
        bool summary = false; // the summary band ends this page
    };

    explicit ReportDocument(Report report, const QPageLayout& layout = defaultPageLayout());

    // A4 portrait with 10 mm margins on all four sides.
    static QPageLayout defaultPageLayout();
    // The report font: Noto Serif CJK SC when installed, else the closest serif the system has.
    static QString fontFamily();

    const Report& report() const { return m_report; }
    QPageLayout pageLayout() const { return m_layout; }
    // Takes another paper or margins (after the printer setup) and lays the pages out again.
    void setPageLayout(const QPageLayout& layout);

    // Lays out up to `rowBudget` further rows; true once every page is known.
    bool paginate(int rowBudget = INT_MAX);
    bool isComplete() const { return m_complete; }
    // Pages laid out to the end so far (all of them once isComplete()).
    int pageCount() const;
    int rowsLaidOut() const { return m_nextRow; }
    Page page(int index) const { return m_pages.at(index); }

    // The paper in points.
    QSizeF paperSize() const;
    // Paints page `index` (0-based) so that the paper fills `target` (painter coordinates).
    void paintPage(QPainter& painter, int index, const QRectF& target) const;
    // Lays out every page and prints them on the printer, which takes this document's page
    // layout. False when the printer cannot be started (a file that cannot be written ...).
    bool print(QPrinter& printer);

    // Row height in layout units (for tests of the pagination).
    double rowHeight(int row) const;

private:
    struct Fonts {
        QFont heading, text, footer;
    };

    void computeGeometry();
    QStringList cellLines(const QString& text, int column, int maxLines) const;
    double linesHeight(int lines) const;
    void paintRow(QPainter& p, double top, double height, const QStringList& texts,
                  bool header) const;
    void paintSummary(QPainter& p, double top) const;

    Report m_report;
    QPageLayout m_layout;
    Fonts m_fonts;
    QFontMetricsF m_textMetrics;

    // Geometry, in layout units.
    QRectF m_paper;
    QRectF m_content;
    QVector<double> m_colLeft;  // left edge of each column
    QVector<double> m_colWidth; // width of each column
    double m_headingHeight = 0;
    double m_captionHeight = 0;
    double m_footerHeight = 0;
    double m_summaryHeight = 0;
    double m_bodyTop = 0;    // first detail row
    double m_bodyBottom = 0; // above the page footer

    // Pagination state.
    QVector<Page> m_pages;
    QVector<unsigned char> m_rowLines; // text lines of each laid-out row
    int m_nextRow = 0;
    double m_cursor = 0; // where the next row would start on the last page
    bool m_complete = false;
};
