#include "ResultsTable.h"

#include "MedicaidShare.h"

#include <algorithm>

namespace {

int compareRows(const VisitRow &a, const VisitRow &b, GridField field)
{
    const auto order = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    switch (field) {
    case GridField::SigName: return QString::compare(a.sigName, b.sigName, Qt::CaseInsensitive);
    case GridField::PctRender: return order(a.pctRender, b.pctRender);
    case GridField::PctBilled: return order(a.pctBilled, b.pctBilled);
    default: return order(fieldNumber(a, field), fieldNumber(b, field));
    }
}

std::size_t slot(GridField field)
{
    return static_cast<std::size_t>(field);
}

} // namespace

ResultsTable::ResultsTable()
{
    m_filter.changed = [this] { rebuild(); };
}

ResultsTable::ResultsTable(const ResultsTable &other)
{
    *this = other;
}

ResultsTable &ResultsTable::operator=(const ResultsTable &other)
{
    m_rows = other.m_rows;
    m_visible = other.m_visible;
    m_filter = other.m_filter;
    m_sort = other.m_sort;
    m_decimal = other.m_decimal;
    std::copy(std::begin(other.m_sums), std::end(other.m_sums), std::begin(m_sums));
    m_filter.changed = [this] { rebuild(); };
    return *this;
}

void ResultsTable::setRows(std::vector<VisitRow> rows)
{
    m_rows = std::move(rows);
    rebuild();
}

void ResultsTable::rebuild()
{
    m_visible.clear();
    std::fill(std::begin(m_sums), std::end(m_sums), 0);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const VisitRow &row = m_rows[i];
        if (!m_filter.accepts(row))
            continue;
        m_visible.push_back(i);
        for (GridField f : {GridField::TotalRender, GridField::McRender, GridField::TotalBilled, GridField::McBilled})
            m_sums[slot(f)] += fieldNumber(row, f);
    }
    const QList<SortKey> &keys = m_sort.keys();
    if (!keys.isEmpty()) {
        std::stable_sort(m_visible.begin(), m_visible.end(), [&](std::size_t l, std::size_t r) {
            for (const SortKey &key : keys) {
                const int c = compareRows(m_rows[l], m_rows[r], key.field);
                if (c != 0)
                    return key.order == Qt::AscendingOrder ? c < 0 : c > 0;
            }
            return false;
        });
    }
}

QString ResultsTable::cellText(int visibleIndex, GridField field) const
{
    const VisitRow &row = visibleRow(visibleIndex);
    switch (field) {
    case GridField::SigName: return row.sigName;
    case GridField::PctRender: return shareDisplayText(row.pctRender, m_decimal);
    case GridField::PctBilled: return shareDisplayText(row.pctBilled, m_decimal);
    default: return QString::number(fieldNumber(row, field));
    }
}

std::optional<ShareBand> ResultsTable::cellBand(int visibleIndex, GridField field) const
{
    const VisitRow &row = visibleRow(visibleIndex);
    if (field == GridField::PctRender)
        return shareBand(row.pctRender);
    if (field == GridField::PctBilled)
        return shareBand(row.pctBilled);
    return std::nullopt;
}

std::optional<qint64> ResultsTable::footerSum(GridField field) const
{
    if (m_visible.empty() || !gridColumn(field).summed)
        return std::nullopt;
    return m_sums[slot(field)];
}

QString ResultsTable::footerText(GridField field) const
{
    if (m_visible.empty())
        return {};
    switch (field) {
    case GridField::PctRender:
        return footerShareText(m_sums[slot(GridField::McRender)], m_sums[slot(GridField::TotalRender)], m_decimal);
    case GridField::PctBilled:
        return footerShareText(m_sums[slot(GridField::McBilled)], m_sums[slot(GridField::TotalBilled)], m_decimal);
    default:
        if (const auto sum = footerSum(field))
            return footerSumText(*sum);
        return {};
    }
}

QList<ResultsTable::ColumnLayout> ResultsTable::defaultLayout()
{
    QList<ColumnLayout> layout;
    for (const GridColumnSpec &column : gridColumns())
        layout.append({column.field, column.width});
    return layout;
}

GridSnapshot ResultsTable::snapshot(const QList<ColumnLayout> &columns, int screenDpi) const
{
    GridSnapshot s;
    s.font = gridFont();
    s.screenDpi = screenDpi;
    for (const ColumnLayout &c : columns) {
        const GridColumnSpec &column = gridColumn(c.field);
        s.columns.append({c.field, QString::fromLatin1(column.caption), c.width, column.alignment, column.banded});
        s.footerTexts.append(footerText(c.field));
        s.footerSums.append(footerSum(c.field));
    }
    s.rows.reserve(visibleCount());
    for (int r = 0; r < visibleCount(); ++r) {
        QList<SnapshotCell> cells;
        cells.reserve(columns.size());
        for (const ColumnLayout &c : columns)
            cells.append({cellText(r, c.field), cellBand(r, c.field)});
        s.rows.append(std::move(cells));
    }
    return s;
}
