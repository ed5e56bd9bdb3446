#include "ReportRenderer.h"

#include "BresolanError.h"
#include "ReportLayout.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <utility>

namespace {

const QString kDocumentName = QStringLiteral("Bresolan");

// Paints one page of the report with a painter whose coordinates are page coordinates.
class PagePainter
{
public:
    PagePainter(QPainter &painter, const GridSnapshot &grid, const ReportLayout &layout)
        : m_painter(painter), m_grid(grid), m_layout(layout)
    {
    }

    void pageHeaderAndFooter(const QString &pageText, const QString &printedText)
    {
        const QRectF body = m_layout.body();
        const qreal tall = m_layout.body().height();
        m_painter.setFont(m_grid.font);
        m_painter.setPen(GridLook::text());
        const QRectF header(body.left(), m_layout.pageHeaderTop(), body.width(), tall);
        m_painter.drawText(header, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, pageText);
        m_painter.drawText(header, Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, printedText);
        const QRectF footer(body.left(), m_layout.pageFooterBottom() - tall, body.width(), tall);
        m_painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextDontClip, pageText);
    }

    // Returns the top of what follows the title.
    qreal title(const QStringList &lines)
    {
        m_painter.setFont(reportTitleFont());
        m_painter.setPen(QColor(Qt::black));
        m_painter.drawText(m_layout.titleText(), Qt::AlignCenter | Qt::TextDontClip, lines.join(u'\n'));
        return m_layout.body().top() + m_layout.titleHeight();
    }

    // The header row, the page's rows and the footer row, then the grid lines over them.
    void grid(const ReportPageRows &rows, qreal top)
    {
        const qreal gridTop = top;
        QList<qreal> lines{top};
        m_painter.setFont(m_grid.font);

        for (qsizetype c = 0; c < m_grid.columns.size(); ++c) {
            cell(c, top, m_layout.headerRowHeight(), GridLook::headerBackground(), m_grid.columns[c].caption,
                 Qt::AlignCenter | Qt::TextWordWrap);
        }
        top += m_layout.headerRowHeight();
        lines.append(top);

        const SnapshotCell blank;
        for (int r = rows.first; r < rows.first + rows.count; ++r) {
            const QList<SnapshotCell> &cells = m_grid.rows[r];
            for (qsizetype c = 0; c < m_grid.columns.size(); ++c) {
                const SnapshotCell &value = c < cells.size() ? cells[c] : blank;
                const QColor fill = value.band ? bandColour(*value.band) : GridLook::contentBackground();
                cell(c, top, m_layout.rowHeight(), fill, value.text, int(m_grid.columns[c].alignment));
            }
            top += m_layout.rowHeight();
            lines.append(top);
        }

        for (qsizetype c = 0; c < m_grid.columns.size(); ++c) {
            const QString text = c < m_grid.footerTexts.size() ? m_grid.footerTexts[c] : QString();
            cell(c, top, m_layout.rowHeight(), GridLook::footerBackground(), text, int(Qt::AlignRight | Qt::AlignVCenter));
        }
        top += m_layout.rowHeight();
        lines.append(top);

        gridLines(lines, gridTop, top);
    }

private:
    void cell(qsizetype column, qreal top, qreal height, const QColor &fill, const QString &text, int textFlags)
    {
        const QRectF rect = m_layout.cellRect(static_cast<int>(column), top, height);
        m_painter.fillRect(rect, fill);
        if (text.isEmpty())
            return;
        const qreal pad = m_layout.cellPadding();
        m_painter.setPen(GridLook::text());
        // Text too long for its cell is cut at the cell's edge, as on screen.
        m_painter.drawText(rect.adjusted(pad, pad, -pad, -pad), textFlags, text);
    }

    void gridLines(const QList<qreal> &rowEdges, qreal top, qreal bottom)
    {
        if (m_grid.columns.isEmpty())
            return;
        QPen pen(GridLook::gridLine(), m_layout.lineWidth());
        pen.setCapStyle(Qt::SquareCap);
        m_painter.setPen(pen);
        const QList<qreal> &columnEdges = m_layout.columnEdges();
        for (const qreal y : rowEdges)
            m_painter.drawLine(QLineF(columnEdges.front(), y, columnEdges.back(), y));
        for (const qreal x : columnEdges)
            m_painter.drawLine(QLineF(x, top, x, bottom));
    }

    QPainter &m_painter;
    const GridSnapshot &m_grid;
    const ReportLayout &m_layout;
};

} // namespace

QPageLayout reportPageLayout()
{
    QPageLayout layout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(0.5, 0.5, 0.5, 0.5),
                       QPageLayout::Inch);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

ReportRenderer::ReportRenderer(GridSnapshot grid, QString title, QDateTime printed, QLocale locale)
    : m_grid(std::move(grid)), m_title(std::move(title)), m_printed(std::move(printed)), m_locale(std::move(locale))
{
}

int ReportRenderer::pageCount(const QPagedPaintDevice &device) const
{
    return ReportLayout(m_grid, reportTitleLines(m_title), device.pageLayout(), device).pageCount();
}

void ReportRenderer::render(QPagedPaintDevice &device) const
{
    const QStringList titleLines = reportTitleLines(m_title);
    const ReportLayout layout(m_grid, titleLines, device.pageLayout(), device);
    const QString printedText = printedDateTimeText(m_printed, m_locale);
    const QPageRanges ranges = device.pageRanges();

    QPainter painter;
    if (!painter.begin(&device))
        throw BresolanError(QStringLiteral("The report cannot be printed: the printer could not be started"));
    painter.translate(-layout.deviceOrigin());
    painter.setRenderHint(QPainter::Antialiasing);

    PagePainter page(painter, m_grid, layout);
    bool firstPrinted = true;
    for (int index = 0; index < layout.pageCount(); ++index) {
        const int number = index + 1;
        if (!ranges.isEmpty() && !ranges.contains(number))
            continue;
        if (!firstPrinted && !device.newPage()) {
            painter.end();
            throw BresolanError(QStringLiteral("The report cannot be printed: the printer refused a new page"));
        }
        firstPrinted = false;

        page.pageHeaderAndFooter(pageOfPagesText(number, layout.pageCount()), printedText);
        qreal top = layout.body().top();
        if (index == 0)
            top = page.title(titleLines);
        page.grid(layout.pages()[index], top);
    }
    painter.end();
}

void writeReportPdf(const GridSnapshot &grid, const QString &title, const QDateTime &printed, const QLocale &locale,
                    const QString &path)
{
    const auto fail = [&path](const QString &reason) {
        throw BresolanError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason));
    };

    // The document is made in memory first: only a complete one reaches the disk.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(reportPageLayout());
        writer.setTitle(kDocumentName);
        writer.setCreator(kDocumentName);
        ReportRenderer(grid, title, printed, locale).render(writer);
    }
    if (pdf.isEmpty())
        fail(QStringLiteral("The report could not be made."));

    if (QFileInfo(path).isDir())
        fail(QStringLiteral("It is a folder."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    if (file.write(pdf) != pdf.size() || !file.commit())
        fail(file.errorString());
}
