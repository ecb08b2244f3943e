#pragma once

#include "canvas/item_kind.h"
#include "imaging/tone_settings.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace montora {

#pragma pack(push, 1)

// One stamp of a brush picture in a single colour (item kind 1). Fixed layout; the
// runtime slots are always zero.
struct BrushItem {
    std::int32_t reserved0 = 0;
    float angle = 0.0f;
    std::int32_t brushIndex = 0; // record of the brush library
    std::int32_t width = 0;      // brush picture size
    std::int32_t height = 0;
    float opacity = 1.0f;
    std::int32_t selected = 0;
    float scale = 1.0f;
    float baseScale = 1.0f;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t savedLeft = 0;
    std::int32_t savedTop = 0;
    ColorRef colour = 0; // replaces the brush picture's red, green and blue
    std::int32_t regionIndex = -1;
    std::uint32_t runtimeRegion = 0;
    std::uint32_t runtimePicture = 0;
    std::int32_t reserved68 = 0;
    ToneSettings tone;

    void clearRuntime()
    {
        runtimeRegion = 0;
        runtimePicture = 0;
    }
};

#pragma pack(pop)

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");
static_assert(std::is_trivially_copyable_v<BrushItem> && std::is_standard_layout_v<BrushItem>);
static_assert(sizeof(BrushItem) == 100);
static_assert(offsetof(BrushItem, reserved0) == 0);
static_assert(offsetof(BrushItem, angle) == 4);
static_assert(offsetof(BrushItem, brushIndex) == 8);
static_assert(offsetof(BrushItem, width) == 12);
static_assert(offsetof(BrushItem, height) == 16);
static_assert(offsetof(BrushItem, opacity) == 20);
static_assert(offsetof(BrushItem, selected) == 24);
static_assert(offsetof(BrushItem, scale) == 28);
static_assert(offsetof(BrushItem, baseScale) == 32);
static_assert(offsetof(BrushItem, left) == 36);
static_assert(offsetof(BrushItem, top) == 40);
static_assert(offsetof(BrushItem, savedLeft) == 44);
static_assert(offsetof(BrushItem, savedTop) == 48);
static_assert(offsetof(BrushItem, colour) == 52);
static_assert(offsetof(BrushItem, regionIndex) == 56);
static_assert(offsetof(BrushItem, runtimeRegion) == 60);
static_assert(offsetof(BrushItem, runtimePicture) == 64);
static_assert(offsetof(BrushItem, reserved68) == 68);
static_assert(offsetof(BrushItem, tone) == 72);

} // namespace montora
