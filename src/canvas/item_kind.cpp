#include "canvas/item_kind.h"

namespace montora {

std::optional<int> recordSizeOf(std::int32_t kindCode)
{
    switch (kindCode) {
    case std::int32_t(ItemKind::Clipart): return 124;
    case std::int32_t(ItemKind::Brush): return 100;
    case std::int32_t(ItemKind::Text): return 1144;
    case std::int32_t(ItemKind::Photo): return 704;
    default: return std::nullopt;
    }
}

const char* kindName(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Clipart: return "clipart";
    case ItemKind::Brush: return "brush";
    case ItemKind::Text: return "text";
    case ItemKind::Photo: return "photo";
    }
    return "unknown";
}

} // namespace montora
