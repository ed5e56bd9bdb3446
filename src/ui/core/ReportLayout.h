#pragma once
// Where the parts of the printed report go on a page and how the rows are split over the
// pages. Lengths are device pixels of the device being printed on, with the origin at the
// paper's top-left corner (not at the margin).

#include "GridSnapshot.h"

#include <QFont>
#include <QList>
#include <QPageLayout>
#include <QPaintDevice>
#include <QRectF>
#include <QStringList>

// The rows of one page: a run of consecutive grid rows.
struct ReportPageRows
{
    int first = 0;
    int count = 0;

    friend bool operator==(const ReportPageRows &, const ReportPageRows &) = default;
};

// Splits rowCount rows over pages that hold firstPageCapacity rows (the page under the title)
// and otherPageCapacity rows each. There is always at least one page (a grid without rows still
// prints its header and footer), and every page takes at least one row, so that a page too
// small for a single row cannot stall the report.
QList<ReportPageRows> paginateRows(int rowCount, int firstPageCapacity, int otherPageCapacity);

// Times New Roman, 14 points, bold (Liberation Serif where fontconfig stands in for it).
QFont reportTitleFont();

class ReportLayout
{
public:
    ReportLayout(const GridSnapshot &grid, const QStringList &titleLines, const QPageLayout &page,
                 const QPaintDevice &device);

    qreal toPixels(qreal points) const { return points * m_dpi / 72.0; }

    // The device's painter origin in page coordinates: the paper corner in full-page mode,
    // the top-left margin corner otherwise.
    QPointF deviceOrigin() const { return m_deviceOrigin; }

    QRectF paper() const { return m_paper; }
    QRectF body() const { return m_body; } // the paper less the margins
    qreal pageHeaderTop() const { return m_pageHeaderTop; }
    qreal pageFooterBottom() const { return m_pageFooterBottom; }

    qreal titleHeight() const { return m_titleHeight; } // on the first page, above the grid
    QRectF titleText() const { return m_titleText; }
    qreal headerRowHeight() const { return m_headerRowHeight; }
    qreal rowHeight() const { return m_rowHeight; }
    qreal cellPadding() const { return m_cellPadding; }
    qreal lineWidth() const { return m_lineWidth; }

    // The left edge of every column and the right edge of the last: the grid's screen widths
    // scaled together to the width of the body.
    const QList<qreal> &columnEdges() const { return m_columnEdges; }
    QRectF cellRect(int column, qreal top, qreal height) const;

    const QList<ReportPageRows> &pages() const { return m_pages; }
    int pageCount() const { return static_cast<int>(m_pages.size()); }

private:
    void scaleColumns(const GridSnapshot &grid);
    qreal measureHeaderRow(const GridSnapshot &grid, const QPaintDevice &device) const;

    qreal m_dpi;
    QPointF m_deviceOrigin;
    QRectF m_paper;
    QRectF m_body;
    qreal m_pageHeaderTop;
    qreal m_pageFooterBottom;
    qreal m_cellPadding;
    qreal m_lineWidth;
    qreal m_titleHeight = 0;
    QRectF m_titleText;
    qreal m_headerRowHeight = 0;
    qreal m_rowHeight = 0;
    QList<qreal> m_columnEdges;
    QList<ReportPageRows> m_pages;
};
