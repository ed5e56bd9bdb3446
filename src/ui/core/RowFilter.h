#pragma once
// The view's row filter: conditions on columns, changed in batches, switched on or off.
// The program only ever installs "TOTAL_RENDER is not 0"; the user never sees it.

#include "GridColumns.h"
#include "VisitRow.h"

#include <functional>
#include <vector>

struct FilterCondition
{
    GridField field;
    qint64 notEqualTo; // the one comparison the program uses
};

class RowFilter
{
public:
    // Changes between beginUpdate and endUpdate are one batch: `changed` runs once when the
    // outermost batch ends (also when a change in it failed, see FilterBatch).
    void beginUpdate() { ++m_updating; }
    void endUpdate();

    void removeConditionsFor(GridField field);
    void addNotEqual(GridField field, qint64 value);
    void setActive(bool active);

    bool isActive() const { return m_active; }
    const std::vector<FilterCondition> &conditions() const { return m_conditions; }
    bool accepts(const VisitRow &row) const;

    std::function<void()> changed; // the view filters its rows again

private:
    void notify();

    std::vector<FilterCondition> m_conditions;
    bool m_active = false;
    int m_updating = 0;
    bool m_dirty = false;
};

// Ends the batch however the scope is left.
class FilterBatch
{
public:
    explicit FilterBatch(RowFilter &filter) : m_filter(filter) { m_filter.beginUpdate(); }
    ~FilterBatch() { m_filter.endUpdate(); }
    FilterBatch(const FilterBatch &) = delete;
    FilterBatch &operator=(const FilterBatch &) = delete;

private:
    RowFilter &m_filter;
};

// The start-up sequence's step: one batch that removes every condition on TOTAL_RENDER, adds
// "TOTAL_RENDER <> 0" and switches the filter on.
void installRenderedVisitFilter(RowFilter &filter);

qint64 fieldNumber(const VisitRow &row, GridField field); // counts and ids; shares truncated
