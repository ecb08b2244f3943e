#include "canvas/history_snapshot.h"

namespace montora {

HistorySnapshot HistorySnapshot::capture(const std::vector<CanvasItem>& items)
{
    HistorySnapshot snapshot;
    snapshot.m_items.reserve(items.size());
    for (const CanvasItem& item : items) {
        snapshot.m_items.push_back(item);
        snapshot.m_items.back().clearRuntime();
    }
    return snapshot;
}

std::vector<CanvasItem> HistorySnapshot::restore() const
{
    std::vector<CanvasItem> items = m_items;
    for (CanvasItem& item : items)
        item.clearRuntime();
    return items;
}

bool HistorySnapshot::matches(const std::vector<CanvasItem>& items) const
{
    if (items.size() != m_items.size())
        return false;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].kind() != m_items[i].kind() || items[i].recordBytes() != m_items[i].recordBytes())
            return false;
    return true;
}

} // namespace montora
