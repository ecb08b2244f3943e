#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace montora {

#pragma pack(push, 1)

// The tuning block carried by photo, clipart and brush records (28 bytes, the same
// layout in all three). The values only shape the picture while `enabled` is non-zero.
struct ToneSettings {
    std::int32_t enabled = 0;
    float contrast = 1.0f;
    float brightness = 0.0f;
    float saturation = 1.0f;
    float hue = 0.0f;     // degrees
    float colour = 0.125f; // degrees; a new record gets 0.125, the sliders' default gives 0
    float gamma = 1.0f;

    // The values of the six tuning sliders at their positions (contrast 20..400,
    // brightness 0..200, saturation 0..300, hue 0..36000, gamma 20..400, colour 0..36000);
    // each computed in double precision, stored as float.
    static ToneSettings fromSliders(int contrast, int brightness, int saturation, int hue, int gamma, int colour,
                                    bool enabled);

    friend bool operator==(const ToneSettings&, const ToneSettings&) = default;
};

#pragma pack(pop)

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");
static_assert(std::is_trivially_copyable_v<ToneSettings>);
static_assert(sizeof(ToneSettings) == 28);
static_assert(offsetof(ToneSettings, enabled) == 0);
static_assert(offsetof(ToneSettings, contrast) == 4);
static_assert(offsetof(ToneSettings, brightness) == 8);
static_assert(offsetof(ToneSettings, saturation) == 12);
static_assert(offsetof(ToneSettings, hue) == 16);
static_assert(offsetof(ToneSettings, colour) == 20);
static_assert(offsetof(ToneSettings, gamma) == 24);

} // namespace montora
