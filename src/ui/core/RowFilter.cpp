#include "RowFilter.h"

#include <algorithm>

void RowFilter::endUpdate()
{
    if (m_updating > 0 && --m_updating == 0 && m_dirty) {
        m_dirty = false;
        if (changed)
            changed();
    }
}

void RowFilter::notify()
{
    m_dirty = true;
    if (m_updating == 0) {
        m_dirty = false;
        if (changed)
            changed();
    }
}

void RowFilter::removeConditionsFor(GridField field)
{
    std::erase_if(m_conditions, [field](const FilterCondition &c) { return c.field == field; });
    notify();
}

void RowFilter::addNotEqual(GridField field, qint64 value)
{
    m_conditions.push_back({field, value});
    notify();
}

void RowFilter::setActive(bool active)
{
    m_active = active;
    notify();
}

bool RowFilter::accepts(const VisitRow &row) const
{
    if (!m_active)
        return true;
    return std::all_of(m_conditions.begin(), m_conditions.end(),
                       [&row](const FilterCondition &c) { return fieldNumber(row, c.field) != c.notEqualTo; });
}

void installRenderedVisitFilter(RowFilter &filter)
{
    FilterBatch batch(filter);
    filter.removeConditionsFor(GridField::TotalRender);
    filter.addNotEqual(GridField::TotalRender, 0);
    filter.setActive(true);
}

qint64 fieldNumber(const VisitRow &row, GridField field)
{
    switch (field) {
    case GridField::AddrId: return row.addrId;
    case GridField::SigName: return 0;
    case GridField::TotalRender: return row.totalRender;
    case GridField::McRender: return row.mcRender;
    case GridField::PctRender: return static_cast<qint64>(row.pctRender);
    case GridField::TotalBilled: return row.totalBilled;
    case GridField::McBilled: return row.mcBilled;
    case GridField::PctBilled: return static_cast<qint64>(row.pctBilled);
    }
    return 0;
}
