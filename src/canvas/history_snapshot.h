#pragma once

#include "canvas/canvas_item.h"

#include <vector>

namespace montora {

// The whole collage's items at one step of the edit history: each item's kind and
// a byte copy of its record with the runtime slots cleared, in list order. Region
// indexes are kept, so every copy points at its item's base region. Pictures are
// not copied: the next composition finds them again from paths, libraries and the
// PixelStore.
class HistorySnapshot {
public:
    static HistorySnapshot capture(const std::vector<CanvasItem>& items);
    // Fresh copies of the items, runtime cleared.
    std::vector<CanvasItem> restore() const;

    // True when the items hold the same records as this step (runtime state aside).
    bool matches(const std::vector<CanvasItem>& items) const;

    int size() const { return int(m_items.size()); }
    const CanvasItem& at(int index) const { return m_items[size_t(index)]; }

private:
    std::vector<CanvasItem> m_items;
};

} // namespace montora
