#pragma once

#include "base/colour_ref.h"
#include "base/status.h"

#include <QColor>
#include <QString>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace montora {

// The colour a brush or pen gets: the COLORREF's red, green and blue with `alpha`.
inline QColor colourWithAlpha(ColorRef colour, int alpha)
{
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF), alpha);
}

#pragma pack(push, 1)

// The 60-byte font block of a text style, laid out as a Windows LOGFONTA. Only
// lfHeight and lfFaceName are set by the program (lfWeight only by the style gallery);
// the other fields stay zero and are kept as they were read.
struct FontRecord {
    static constexpr int kFaceNameSize = 32;

    std::int32_t lfHeight = 0; // cell height in pixels
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0; // 0 = normal; 700 = bold
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    char lfFaceName[kFaceNameSize] = {}; // UTF-8, NUL-terminated

    QString faceName() const;
    // Refuses a face whose name does not fit the field (a cut name would be another font).
    Status setFaceName(const QString& face);
};

// A text style, and the body of every text item on the canvas (item kind 4). It is
// copied whole as raw bytes by the edit history and by project files, so its layout
// is fixed. Fields from `creationOrdinal` on mean something only in a text item.
struct TextStyleRecord {
    static constexpr int kTextSize = 1000; // at most 999 bytes of UTF-8 and a NUL

    struct Box { // a RECT
        std::int32_t left = 0;
        std::int32_t top = 0;
        std::int32_t right = 0;
        std::int32_t bottom = 0;
    };

    FontRecord font;
    char textBytes[kTextSize] = {}; // UTF-8 (Windows-1252 in old files), lines split by CR LF
    std::int32_t style = 0;         // effect index 0..7; any other draws the fallback effect
    std::int32_t creationOrdinal = 0;
    std::int32_t reserved = 0;
    float angle = 0.0f; // degrees
    std::int32_t width = 0;  // measured text size in pixels
    std::int32_t height = 0;
    float scale = 0.0f;
    ColorRef colour1 = 0; // "1st Color"
    ColorRef colour2 = 0; // "2nd Color"
    std::int32_t selected = 0;
    Box screenBox; // scaled, unrotated box in zoomed canvas pixels, rewritten at every draw
    float transparency = 0.0f; // 0 opaque .. 1 invisible
    std::int32_t left = 0;     // canvas position of the scaled box's top-left corner
    std::int32_t top = 0;
    std::int32_t dragLeft = 0; // left and top when a drag started
    std::int32_t dragTop = 0;
    std::int32_t regionIndex = 0; // index into the canvas's item regions, -1 while none
    std::uint32_t hitRegion = 0;  // a runtime handle's slot in the layout: always 0

    QString text() const;
    // Cuts at 999 bytes without splitting a character; CR LF line breaks are kept.
    void setText(const QString& text);

    // 255 - 255 x transparency, truncated; a transparency outside 0..1 (or not a
    // number) from a damaged file is taken as the nearest valid one.
    int alpha() const;
    QColor colour1WithAlpha() const { return colourWithAlpha(colour1, alpha()); }
    QColor colour2WithAlpha() const { return colourWithAlpha(colour2, alpha()); }
};

#pragma pack(pop)

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");
static_assert(std::is_trivially_copyable_v<TextStyleRecord> && std::is_standard_layout_v<TextStyleRecord>);

static_assert(sizeof(FontRecord) == 60);
static_assert(offsetof(FontRecord, lfHeight) == 0);
static_assert(offsetof(FontRecord, lfWidth) == 4);
static_assert(offsetof(FontRecord, lfEscapement) == 8);
static_assert(offsetof(FontRecord, lfOrientation) == 12);
static_assert(offsetof(FontRecord, lfWeight) == 16);
static_assert(offsetof(FontRecord, lfItalic) == 20);
static_assert(offsetof(FontRecord, lfUnderline) == 21);
static_assert(offsetof(FontRecord, lfStrikeOut) == 22);
static_assert(offsetof(FontRecord, lfCharSet) == 23);
static_assert(offsetof(FontRecord, lfOutPrecision) == 24);
static_assert(offsetof(FontRecord, lfClipPrecision) == 25);
static_assert(offsetof(FontRecord, lfQuality) == 26);
static_assert(offsetof(FontRecord, lfPitchAndFamily) == 27);
static_assert(offsetof(FontRecord, lfFaceName) == 28);

static_assert(sizeof(TextStyleRecord::Box) == 16);
static_assert(sizeof(TextStyleRecord) == 1144);
static_assert(offsetof(TextStyleRecord, font) == 0);
static_assert(offsetof(TextStyleRecord, textBytes) == 60);
static_assert(offsetof(TextStyleRecord, style) == 1060);
static_assert(offsetof(TextStyleRecord, creationOrdinal) == 1064);
static_assert(offsetof(TextStyleRecord, reserved) == 1068);
static_assert(offsetof(TextStyleRecord, angle) == 1072);
static_assert(offsetof(TextStyleRecord, width) == 1076);
static_assert(offsetof(TextStyleRecord, height) == 1080);
static_assert(offsetof(TextStyleRecord, scale) == 1084);
static_assert(offsetof(TextStyleRecord, colour1) == 1088);
static_assert(offsetof(TextStyleRecord, colour2) == 1092);
static_assert(offsetof(TextStyleRecord, selected) == 1096);
static_assert(offsetof(TextStyleRecord, screenBox) == 1100);
static_assert(offsetof(TextStyleRecord, transparency) == 1116);
static_assert(offsetof(TextStyleRecord, left) == 1120);
static_assert(offsetof(TextStyleRecord, top) == 1124);
static_assert(offsetof(TextStyleRecord, dragLeft) == 1128);
static_assert(offsetof(TextStyleRecord, dragTop) == 1132);
static_assert(offsetof(TextStyleRecord, regionIndex) == 1136);
static_assert(offsetof(TextStyleRecord, hitRegion) == 1140);

} // namespace montora
