#include "GridFooter.h"

#include "GridSnapshot.h"

#include <QHeaderView>
#include <QPainter>

namespace {

constexpr int kTextMargin = 3;

} // namespace

GridFooter::GridFooter(QHeaderView &header, std::function<QString(int)> text, QWidget *parent)
    : QWidget(parent)
    , m_header(header)
    , m_text(std::move(text))
{
    setFocusPolicy(Qt::NoFocus);
    const auto repaint = [this] { update(); };
    connect(&header, &QHeaderView::sectionResized, this, repaint);
    connect(&header, &QHeaderView::sectionMoved, this, repaint);
    connect(&header, &QHeaderView::sectionCountChanged, this, repaint);
    connect(&header, &QHeaderView::geometriesChanged, this, repaint);
}

QString GridFooter::cellText(int logicalColumn) const
{
    return m_text ? m_text(logicalColumn) : QString();
}

QRect GridFooter::cellRect(int logicalColumn) const
{
    if (m_header.isSectionHidden(logicalColumn))
        return {};
    return QRect(m_header.sectionViewportPosition(logicalColumn), 0, m_header.sectionSize(logicalColumn), height());
}

QSize GridFooter::sizeHint() const
{
    return QSize(m_header.length(), fontMetrics().height() + 2 * kTextMargin + 2);
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), GridLook::footerBackground());
    painter.setPen(GridLook::gridLine());
    painter.drawLine(0, 0, width() - 1, 0);

    // Only as wide as the data area beside it, so the cells scroll under nothing.
    painter.setClipRect(0, 0, m_header.width(), height());
    for (int visual = 0; visual < m_header.count(); ++visual) {
        const int logical = m_header.logicalIndex(visual);
        const QRect cell = cellRect(logical);
        if (cell.isEmpty() || cell.right() < 0 || cell.left() > m_header.width())
            continue;
        painter.setPen(GridLook::gridLine());
        painter.drawLine(cell.right(), 1, cell.right(), height() - 1);
        const QString text = cellText(logical);
        if (text.isEmpty())
            continue;
        painter.setPen(GridLook::text());
        painter.drawText(cell.adjusted(kTextMargin, 1, -kTextMargin - 1, 0), Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter.setClipping(false);
    painter.setPen(GridLook::gridLine());
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}
