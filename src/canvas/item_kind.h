#pragma once

#include "base/colour_ref.h"

#include <cstdint>
#include <optional>

namespace montora {

// The kind code of a canvas item, as stored in project files and history snapshots.
enum class ItemKind : std::int32_t {
    Clipart = 0, // library clipart, decoration, or a pixel picture such as a month calendar
    Brush = 1,
    Text = 4,
    Photo = 10,
};

// The record size of each kind; nullopt for a code no project file may contain.
std::optional<int> recordSizeOf(std::int32_t kindCode);
const char* kindName(ItemKind kind);

} // namespace montora
