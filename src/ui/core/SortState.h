#pragma once
// Sorting by header clicks: a plain click sorts by that column alone (ascending at first, then
// descending and ascending by turns), Shift adds the column to the sort (or turns it round),
// Ctrl takes it out. Without a sort the rows keep the order the query delivered them in.

#include "GridColumns.h"

#include <QList>

struct SortKey
{
    GridField field;
    Qt::SortOrder order;
    bool operator==(const SortKey &) const = default;
};

class SortState
{
public:
    void click(GridField field, Qt::KeyboardModifiers modifiers);
    void clear() { m_keys.clear(); }
    const QList<SortKey> &keys() const { return m_keys; }
    std::optional<Qt::SortOrder> orderOf(GridField field) const;

private:
    QList<SortKey> m_keys;
};
