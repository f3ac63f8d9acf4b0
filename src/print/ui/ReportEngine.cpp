#include "print/ui/ReportEngine.h"

#include <QFontDatabase>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Layout units per point and per millimetre.
constexpr double PerPoint = 10.0;
constexpr double PerMm = 720.0 / 25.4;

constexpr int HeadingSize = 140; // 14 pt
constexpr int TextSize = 100;    // 10 pt: captions and data
constexpr int FooterSize = 90;   // 9 pt: page number

constexpr double LinePitch = 1.3 * TextSize;
constexpr double CellPadX = 1.2 * PerMm;
constexpr double CellPadY = 0.7 * PerMm;
constexpr double HeadingGap = 3 * PerMm;   // between the heading and the column header
constexpr double FooterBand = 8 * PerMm;   // kept free for the page number
constexpr double RuleWidth = 0.5 * PerPoint;
constexpr int MaxCellLines = 3;            // longer texts end with "…"

const QChar LineBreak = QChar::LineSeparator;

QFont reportFont(int size, bool bold = false) {
    QFont f(ReportDocument::fontFamily());
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(size);
    f.setBold(bold);
    // Measured and painted alike at every zoom and on paper.
    f.setHintingPreference(QFont::PreferNoHinting);
    // Shaped Latin runs of the CJK fonts use glyphs that the PDF writer cannot map back to
    // characters (codes like "C0001" would lose their digits when a PDF is searched or copied).
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

QString normalizedText(const QString& text) {
    if (!text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QString(LineBreak));
    t.replace(u'\n', LineBreak);
    t.replace(u'\r', LineBreak);
    return t;
}

// Baseline of a line of text that is `pitch` high and starts at `top`: glyphs centred.
double baseline(const QFontMetricsF& fm, double top, double pitch) {
    return top + pitch / 2 + (fm.ascent() - fm.descent()) / 2;
}

void drawAligned(QPainter& p, const QFontMetricsF& fm, const QString& text, double left,
                 double right, double y, PrintColumn::Align align) {
    double x = left;
    if (align != PrintColumn::Align::Left) {
        const double w = fm.horizontalAdvance(text);
        x = align == PrintColumn::Align::Right ? right - w : (left + right - w) / 2;
    }
    p.drawText(QPointF(x, y), text);
}

} // namespace

ReportDocument::ReportDocument(Report report, const QPageLayout& layout)
    : m_report(std::move(report)), m_layout(layout),
      m_fonts{reportFont(HeadingSize, true), reportFont(TextSize), reportFont(FooterSize)},
      m_textMetrics(m_fonts.text) {
    computeGeometry();
}

QPageLayout ReportDocument::defaultPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

QString ReportDocument::fontFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* candidate :
             {"Noto Serif CJK SC", "Noto Serif CJK", "AR PL UMing CN", "Noto Sans CJK SC",
              "WenQuanYi Zen Hei", "Droid Sans Fallback"}) {
            const QString name = QString::fromLatin1(candidate);
            if (installed.contains(name))
                return name;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

void ReportDocument::setPageLayout(const QPageLayout& layout) {
    m_layout = layout;
    computeGeometry();
}

QSizeF ReportDocument::paperSize() const { return m_layout.fullRect(QPageLayout::Point).size(); }

void ReportDocument::computeGeometry() {
    const QRectF paper = m_layout.fullRect(QPageLayout::Point);
    const QMarginsF margins = m_layout.margins(QPageLayout::Point);
    m_paper = QRectF(0, 0, paper.width() * PerPoint, paper.height() * PerPoint);
    m_content = m_paper.adjusted(margins.left() * PerPoint, margins.top() * PerPoint,
                                 -margins.right() * PerPoint, -margins.bottom() * PerPoint);

    const QList<PrintColumn>& cols = m_report.form.columns;
    double total = 0;
    for (const PrintColumn& c : cols)
        total += std::max(c.width, 0.0);
    m_colLeft.clear();
    m_colWidth.clear();
    double x = m_content.left();
    for (const PrintColumn& c : cols) {
        const double w = total > 0 ? m_content.width() * std::max(c.width, 0.0) / total : 0;
        m_colLeft.append(x);
        m_colWidth.append(w);
        x += w;
    }

    m_headingHeight = QFontMetricsF(m_fonts.heading).height() + HeadingGap;
    m_captionHeight = linesHeight(1);
    m_summaryHeight = linesHeight(1);
    m_footerHeight = FooterBand;
    m_bodyTop = m_content.top() + m_headingHeight + m_captionHeight;
    m_bodyBottom = m_content.bottom() - m_footerHeight;

    m_pages.clear();
    m_rowLines.clear();
    m_nextRow = 0;
    m_cursor = m_bodyTop;
    m_complete = false;
}

double ReportDocument::linesHeight(int lines) const { return lines * LinePitch + 2 * CellPadY; }

double ReportDocument::rowHeight(int row) const {
    return linesHeight(row < m_rowLines.size() ? m_rowLines[row] : 1);
}

QStringList ReportDocument::cellLines(const QString& raw, int column, int maxLines) const {
    const double avail = std::max(1.0, m_colWidth[column] - 2 * CellPadX);
    const QString text = normalizedText(raw);
    if (!text.contains(LineBreak) && m_textMetrics.horizontalAdvance(text) <= avail)
        return {text};

    QTextLayout layout(text, m_fonts.text);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(avail);
        const int end = line.textStart() + line.textLength();
        if (lines.size() == maxLines - 1 && end < text.size()) {
            QString rest = text.mid(line.textStart());
            rest.replace(LineBreak, u' ');
            lines.append(m_textMetrics.elidedText(rest, Qt::ElideRight, avail));
            break;
        }
        QString s = text.mid(line.textStart(), line.textLength());
        while (!s.isEmpty() && (s.back() == LineBreak || s.back().isSpace()))
            s.chop(1);
        lines.append(s);
    }
    layout.endLayout();
    if (lines.isEmpty())
        lines.append(QString());
    return lines;
}

bool ReportDocument::paginate(int rowBudget) {
    if (m_complete)
        return true;
    const QList<QStringList>& rows = m_report.rows;
    const QList<PrintColumn>& cols = m_report.form.columns;
    if (m_pages.isEmpty()) {
        m_pages.append(Page{0, 0, false});
        m_cursor = m_bodyTop;
        m_rowLines.reserve(rows.size());
    }
    while (rowBudget-- > 0 && m_nextRow < rows.size()) {
        const QStringList& texts = rows[m_nextRow];
        int lines = 1;
        for (int c = 0; c < cols.size() && c < texts.size(); ++c) {
            if (cols[c].blank || texts[c].isEmpty())
                continue;
            lines = std::max(lines, int(cellLines(texts[c], c, MaxCellLines).size()));
        }
        const double h = linesHeight(lines);
        if (m_cursor + h > m_bodyBottom && m_pages.last().rowCount > 0) {
            m_pages.append(Page{m_nextRow, 0, false});
            m_cursor = m_bodyTop;
        }
        m_rowLines.append(static_cast<unsigned char>(lines));
        m_pages.last().rowCount++;
        m_cursor += h;
        ++m_nextRow;
    }
    if (m_nextRow < rows.size())
        return false;
    if (m_report.form.hasSummary()) {
        if (m_cursor + m_summaryHeight > m_bodyBottom && m_pages.last().rowCount > 0) {
            m_pages.append(Page{m_nextRow, 0, false});
            m_cursor = m_bodyTop;
        }
        m_pages.last().summary = true;
    }
    m_complete = true;
    return true;
}

int ReportDocument::pageCount() const {
    // While laying out, the last page may still take rows: it is not known yet.
    return m_complete ? int(m_pages.size()) : std::max(0, int(m_pages.size()) - 1);
}

void ReportDocument::paintRow(QPainter& p, double top, double height, const QStringList& texts,
                              bool header) const {
    const QList<PrintColumn>& cols = m_report.form.columns;
    const double textBaselineOffset = baseline(m_textMetrics, 0, LinePitch);
    for (int c = 0; c < cols.size(); ++c) {
        if (cols[c].blank)
            continue;
        const double left = m_colLeft[c], width = m_colWidth[c];
        p.drawRect(QRectF(left, top, width, height));
        const QString text = c < texts.size() ? texts[c] : QString();
        if (text.isEmpty())
            continue;
        const QStringList lines = cellLines(text, c, header ? 1 : MaxCellLines);
        const PrintColumn::Align align = header ? PrintColumn::Align::Center : cols[c].align;
        double y = top + CellPadY + textBaselineOffset;
        for (const QString& line : lines) {
            drawAligned(p, m_textMetrics, line, left + CellPadX, left + width - CellPadX, y, align);
            y += LinePitch;
        }
    }
}

void ReportDocument::paintSummary(QPainter& p, double top) const {
    const PrintForm& form = m_report.form;
    const QList<PrintColumn>& cols = form.columns;
    int firstTotal = int(cols.size());
    for (const QString& f : form.totalFields) {
        const int i = form.columnIndex(f);
        if (i >= 0)
            firstTotal = std::min(firstTotal, i);
    }
    // The caption spans the columns left of the first total.
    const int span = std::max(1, firstTotal);
    const double y = top + CellPadY + baseline(m_textMetrics, 0, LinePitch);
    double spanRight = m_colLeft.value(0);
    for (int c = 0; c < span && c < cols.size(); ++c)
        if (!cols[c].blank)
            spanRight = m_colLeft[c] + m_colWidth[c];
    if (!cols.isEmpty()) {
        p.drawRect(QRectF(m_colLeft[0], top, spanRight - m_colLeft[0], m_summaryHeight));
        drawAligned(p, m_textMetrics, form.summaryCaption, m_colLeft[0] + CellPadX,
                    spanRight - CellPadX, y, PrintColumn::Align::Center);
    }
    for (int c = span; c < cols.size(); ++c) {
        if (cols[c].blank)
            continue;
        const double left = m_colLeft[c], width = m_colWidth[c];
        p.drawRect(QRectF(left, top, width, m_summaryHeight));
        const int k = form.totalFields.indexOf(cols[c].field);
        if (k < 0 || k >= m_report.totals.size())
            continue;
        // A total is never cut: a wide one reaches into the cells to its left.
        const PrintColumn::Align align = cols[c].align == PrintColumn::Align::Left
                                             ? PrintColumn::Align::Right
                                             : cols[c].align;
        drawAligned(p, m_textMetrics, m_report.totals[k], left + CellPadX,
                    left + width - CellPadX, y, align);
    }
}

void ReportDocument::paintPage(QPainter& p, int index, const QRectF& target) const {
    if (index < 0 || index >= m_pages.size())
        return;
    const Page& pg = m_pages[index];
    p.save();
    p.translate(target.topLeft());
    const double sx = target.width() / m_paper.width(), sy = target.height() / m_paper.height();
    p.scale(sx, sy);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Rules stay visible when the page is shown small.
    const double minRule = 1.0 / std::max(1e-6, std::min(sx, sy));
    QPen pen(Qt::black, std::max(RuleWidth, std::min(minRule, 2 * RuleWidth)));
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);

    // Page header: the heading, centred.
    p.setFont(m_fonts.heading);
    const QFontMetricsF hm(m_fonts.heading);
    const double headingLine = hm.height();
    const QString heading =
        hm.elidedText(normalizedText(m_report.heading).replace(LineBreak, u' '), Qt::ElideRight,
                      m_content.width());
    drawAligned(p, hm, heading, m_content.left(), m_content.right(),
                baseline(hm, m_content.top(), headingLine), PrintColumn::Align::Center);

    // Column header.
    p.setFont(m_fonts.text);
    QStringList captions;
    for (const PrintColumn& c : m_report.form.columns)
        captions.append(c.caption);
    double top = m_content.top() + m_headingHeight;
    paintRow(p, top, m_captionHeight, captions, true);
    top += m_captionHeight;

    // Detail rows.
    for (int r = pg.firstRow; r < pg.firstRow + pg.rowCount; ++r) {
        const double h = rowHeight(r);
        paintRow(p, top, h, m_report.rows[r], false);
        top += h;
    }
    if (pg.summary)
        paintSummary(p, top);

    // Page footer.
    p.setFont(m_fonts.footer);
    const QFontMetricsF fm(m_fonts.footer);
    const QString number = QStringLiteral("（%1）").arg(index + 1);
    drawAligned(p, fm, number, m_content.left(), m_content.right(),
                m_content.bottom() - fm.descent(), PrintColumn::Align::Center);
    p.restore();
}

bool ReportDocument::print(QPrinter& printer) {
    paginate();
    printer.setPageLayout(m_layout);
    printer.setFullPage(true); // the layout draws its own margins
    QPainter p;
    if (!p.begin(&printer))
        return false;
    // The painter starts at the printable area's corner; put the paper's corner there.
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QRectF target(paper.topLeft() - page.topLeft(), paper.size());
    for (int i = 0; i < m_pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            p.end();
            return false;
        }
        paintPage(p, i, target);
    }
    return p.end();
}
