#pragma once

// SEAM (text engine pending): the text item's record, TextStyleRecord, and its
// drawing come with the text engine. Until they land here a kind-4 item is carried
// as its raw 1144 bytes, and the few fields the canvas itself uses are read and
// written at their fixed offsets, so projects with text items still open, save
// byte for byte and take part in selection and layout. Text is not drawn yet.

#include <QString>

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace montora {

struct TextItemRecord {
    static constexpr int kSize = 1144;
    std::uint8_t bytes[kSize] = {};

    template <typename T>
    T field(int offset) const
    {
        static_assert(std::is_trivially_copyable_v<T> && sizeof(T) == 4);
        T value;
        std::memcpy(&value, bytes + offset, sizeof(T));
        return value;
    }
    template <typename T>
    void setField(int offset, T value)
    {
        static_assert(std::is_trivially_copyable_v<T> && sizeof(T) == 4);
        std::memcpy(bytes + offset, &value, sizeof(T));
    }
};
static_assert(sizeof(TextItemRecord) == 1144);

namespace text_offsets {
constexpr int kFaceName = 28;
constexpr int kText = 60;
constexpr int kStyle = 1060;
constexpr int kAngle = 1072;
constexpr int kWidth = 1076;
constexpr int kHeight = 1080;
constexpr int kScale = 1084;
constexpr int kColour1 = 1088;
constexpr int kColour2 = 1092;
constexpr int kSelected = 1096;
constexpr int kScreenBox = 1100;
constexpr int kTransparency = 1116;
constexpr int kLeft = 1120;
constexpr int kTop = 1124;
constexpr int kDragLeft = 1128;
constexpr int kDragTop = 1132;
constexpr int kRegionIndex = 1136;
constexpr int kHitRegion = 1140;
} // namespace text_offsets

} // namespace montora
