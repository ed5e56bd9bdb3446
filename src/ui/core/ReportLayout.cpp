#include "ReportLayout.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

// Page header and footer distances from the paper's edges, in inches.
constexpr qreal kPageHeaderInset = 0.2;
constexpr qreal kPageFooterInset = 0.2;

// In points: the space between a cell's text and its lines (2 screen pixels), the grid
// lines (1 screen pixel), and the space above the title's lines and between them and the grid.
constexpr qreal kCellPadding = 1.5;
constexpr qreal kLineWidth = 0.75;
constexpr qreal kTitleAbove = 4.0;
constexpr qreal kTitleBelow = 10.0;

int rowsThatFit(qreal height, qreal rowHeight)
{
    if (rowHeight <= 0)
        return 1;
    // A hair of tolerance so that rounding in the measurements never drops a row that fits.
    return static_cast<int>(std::floor(height / rowHeight + 1e-6));
}

} // namespace

QList<ReportPageRows> paginateRows(int rowCount, int firstPageCapacity, int otherPageCapacity)
{
    QList<ReportPageRows> pages;
    int next = 0;
    int capacity = std::max(firstPageCapacity, 1);
    do {
        const int count = std::min(capacity, rowCount - next);
        pages.append({next, count});
        next += count;
        capacity = std::max(otherPageCapacity, 1);
    } while (next < rowCount);
    return pages;
}

QFont reportTitleFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(14);
    font.setBold(true);
    return font;
}

ReportLayout::ReportLayout(const GridSnapshot &grid, const QStringList &titleLines, const QPageLayout &page,
                           const QPaintDevice &device)
    : m_dpi(device.logicalDpiY())
{
    const qreal scale = m_dpi / 72.0;
    const QRectF paperPoints = page.fullRect(QPageLayout::Point);
    const QMarginsF marginPoints = page.margins(QPageLayout::Point);
    m_paper = QRectF(0, 0, paperPoints.width() * scale, paperPoints.height() * scale);
    m_body = m_paper.marginsRemoved(marginPoints * scale);
    m_deviceOrigin = page.paintRect(QPageLayout::Point).topLeft() * scale;
    m_pageHeaderTop = kPageHeaderInset * m_dpi;
    m_pageFooterBottom = m_paper.bottom() - kPageFooterInset * m_dpi;
    m_cellPadding = toPixels(kCellPadding);
    m_lineWidth = toPixels(kLineWidth);

    const QFontMetricsF title(reportTitleFont(), &device);
    m_titleText = QRectF(m_body.left(), m_body.top() + toPixels(kTitleAbove), m_body.width(),
                         titleLines.size() * title.lineSpacing());
    m_titleHeight = toPixels(kTitleAbove) + m_titleText.height() + toPixels(kTitleBelow);

    const QFontMetricsF cell(grid.font, &device);
    m_rowHeight = cell.height() + 2 * m_cellPadding;

    scaleColumns(grid);
    m_headerRowHeight = measureHeaderRow(grid, device);

    // The header and footer rows print on every page, the title on the first only.
    const qreal gridRows = m_body.height() - m_headerRowHeight - m_rowHeight;
    m_pages = paginateRows(static_cast<int>(grid.rows.size()), rowsThatFit(gridRows - m_titleHeight, m_rowHeight),
                           rowsThatFit(gridRows, m_rowHeight));
}

void ReportLayout::scaleColumns(const GridSnapshot &grid)
{
    qint64 total = 0;
    for (const SnapshotColumn &column : grid.columns)
        total += std::max(column.width, 0);

    // Edges from the running sum, so that rounding never adds up and the last edge is exactly
    // the body's right edge. Columns all of width 0 share the width evenly.
    m_columnEdges.clear();
    m_columnEdges.append(m_body.left());
    qint64 sum = 0;
    for (qsizetype i = 0; i < grid.columns.size(); ++i) {
        sum += total > 0 ? std::max(grid.columns[i].width, 0) : 1;
        const qreal share = static_cast<qreal>(sum) / static_cast<qreal>(total > 0 ? total : grid.columns.size());
        m_columnEdges.append(m_body.left() + m_body.width() * share);
    }
}

qreal ReportLayout::measureHeaderRow(const GridSnapshot &grid, const QPaintDevice &device) const
{
    // As tall as the tallest caption, wrapped to its column's width.
    const QFontMetricsF metrics(grid.font, &device);
    qreal tallest = metrics.height();
    for (qsizetype i = 0; i < grid.columns.size(); ++i) {
        const QRectF cell = cellRect(static_cast<int>(i), 0, 1e9).adjusted(m_cellPadding, 0, -m_cellPadding, 0);
        const QRectF text = metrics.boundingRect(cell, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                                                 grid.columns[i].caption);
        tallest = std::max(tallest, text.height());
    }
    return tallest + 2 * m_cellPadding;
}

QRectF ReportLayout::cellRect(int column, qreal top, qreal height) const
{
    const qreal left = m_columnEdges[column];
    return QRectF(left, top, m_columnEdges[column + 1] - left, height);
}
