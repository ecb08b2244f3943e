#pragma once

#include "canvas/item_kind.h"
#include "imaging/tone_settings.h"

#include <QSize>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace montora {

#pragma pack(push, 1)

// A library clipart, a decoration (ids 1000..6999, drawn tinted) or a pixel picture
// from the PixelStore (item kind 0). Fixed layout; the runtime slots are always zero.
struct ClipartItem {
    static constexpr int kFirstTintedId = 1000;

    std::int32_t reserved0 = 0;
    float angle = 0.0f;
    std::int32_t pictureId = 0; // library id, or PixelStore index when pixelStore is set
    std::int32_t width = 0;     // source size
    std::int32_t height = 0;
    float opacity = 1.0f;
    std::int32_t selected = 1;
    std::int32_t pixelStore = 0;
    float scale = 1.0f;
    float baseScale = 1.0f;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t savedLeft = 0;
    std::int32_t savedTop = 0;
    std::int32_t regionIndex = -1;
    std::uint32_t runtimeRegion = 0;
    std::uint32_t runtimePicture = 0;
    std::int32_t tinted = 0;
    ColorRef tintColour = 0;
    std::uint8_t reserved76[20] = {};
    ToneSettings tone;

    // A library picture: tinted with the current effect tint when the id names a
    // decoration.
    static ClipartItem forLibrary(int id, QSize pictureSize, int left, int top, ColorRef effectTint);
    // A pixel picture held in the PixelStore: at the origin, untuned (all tone fields zero).
    static ClipartItem forPixels(int storeIndex, QSize pictureSize);

    bool isPixelPicture() const { return pixelStore != 0; }
    bool isDecoration() const { return pictureId >= kFirstTintedId; }
    void clearRuntime();
};

#pragma pack(pop)

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");
static_assert(std::is_trivially_copyable_v<ClipartItem> && std::is_standard_layout_v<ClipartItem>);
static_assert(sizeof(ClipartItem) == 124);
static_assert(offsetof(ClipartItem, reserved0) == 0);
static_assert(offsetof(ClipartItem, angle) == 4);
static_assert(offsetof(ClipartItem, pictureId) == 8);
static_assert(offsetof(ClipartItem, width) == 12);
static_assert(offsetof(ClipartItem, height) == 16);
static_assert(offsetof(ClipartItem, opacity) == 20);
static_assert(offsetof(ClipartItem, selected) == 24);
static_assert(offsetof(ClipartItem, pixelStore) == 28);
static_assert(offsetof(ClipartItem, scale) == 32);
static_assert(offsetof(ClipartItem, baseScale) == 36);
static_assert(offsetof(ClipartItem, left) == 40);
static_assert(offsetof(ClipartItem, top) == 44);
static_assert(offsetof(ClipartItem, savedLeft) == 48);
static_assert(offsetof(ClipartItem, savedTop) == 52);
static_assert(offsetof(ClipartItem, regionIndex) == 56);
static_assert(offsetof(ClipartItem, runtimeRegion) == 60);
static_assert(offsetof(ClipartItem, runtimePicture) == 64);
static_assert(offsetof(ClipartItem, tinted) == 68);
static_assert(offsetof(ClipartItem, tintColour) == 72);
static_assert(offsetof(ClipartItem, reserved76) == 76);
static_assert(offsetof(ClipartItem, tone) == 96);

} // namespace montora
