#pragma once

#include <QBrush>
#include <QColor>
#include <QTransform>

#include <array>
#include <cstdint>

namespace montora {

enum class HatchStyle {
    DottedGrid, // dotted lines every 8 pixels both ways
    Percent05,  // two dots in 64 pixels
    Weave,      // short strands alternating direction, like a basket weave
};

// Two-colour 8 x 8 pattern brushes. The pattern belongs to the device pixels, not to
// what is drawn: it keeps its size and stays upright however the shape is scaled or
// rotated, so a fill looks the same at every zoom.
class HatchBrush {
public:
    using Pattern = std::array<std::uint8_t, 8>; // top row first, bit 0x80 = left pixel

    static const Pattern& pattern(HatchStyle style);

    // `worldTransform` is the painter's current world transform (what the brush must undo).
    static QBrush brush(HatchStyle style, const QColor& foreground, const QColor& background,
                        const QTransform& worldTransform);
};

} // namespace montora
