#pragma once

#include <QPainterPath>

#include <optional>

namespace montora {

// What an item has only in memory: its hit region moved to surface coordinates by
// the last composition. Cached pictures are held by the compositor that drew them
// (the view's and the export's caches stay apart). Never saved, never copied into
// the edit history.
struct ItemRuntime {
    std::optional<QPainterPath> transformedRegion;

    void clear() { transformedRegion.reset(); }
};

} // namespace montora
