#include "SortState.h"

namespace {

Qt::SortOrder turned(Qt::SortOrder order)
{
    return order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
}

} // namespace

void SortState::click(GridField field, Qt::KeyboardModifiers modifiers)
{
    const auto found = std::find_if(m_keys.begin(), m_keys.end(), [field](const SortKey &k) { return k.field == field; });
    if (modifiers & Qt::ControlModifier) {
        if (found != m_keys.end())
            m_keys.erase(found);
        return;
    }
    const Qt::SortOrder order = found == m_keys.end() ? Qt::AscendingOrder : turned(found->order);
    if (modifiers & Qt::ShiftModifier) {
        if (found == m_keys.end())
            m_keys.append({field, order});
        else
            found->order = order;
        return;
    }
    m_keys = {{field, order}};
}

std::optional<Qt::SortOrder> SortState::orderOf(GridField field) const
{
    for (const SortKey &key : m_keys)
        if (key.field == field)
            return key.order;
    return std::nullopt;
}
