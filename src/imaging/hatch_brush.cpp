#include "imaging/hatch_brush.h"

#include <QImage>

namespace montora {

namespace {

constexpr HatchBrush::Pattern kDottedGrid = {0xAA, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0x00};
constexpr HatchBrush::Pattern kPercent05 = {0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x80};
// Left half: horizontal strands over vertical ones; the right half the other way, and
// the lower half swaps them, so the strands seem to pass over and under each other.
constexpr HatchBrush::Pattern kWeave = {0xEA, 0x0A, 0xEA, 0x00, 0xAE, 0xA0, 0xAE, 0x00};

} // namespace

const HatchBrush::Pattern& HatchBrush::pattern(HatchStyle style)
{
    switch (style) {
    case HatchStyle::DottedGrid:
        return kDottedGrid;
    case HatchStyle::Percent05:
        return kPercent05;
    case HatchStyle::Weave:
        break;
    }
    return kWeave;
}

QBrush HatchBrush::brush(HatchStyle style, const QColor& foreground, const QColor& background,
                         const QTransform& worldTransform)
{
    const Pattern& bits = pattern(style);
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    const QRgb fore = qPremultiply(foreground.rgba());
    const QRgb back = qPremultiply(background.rgba());
    for (int y = 0; y < 8; ++y) {
        auto* row = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < 8; ++x)
            row[x] = (bits[size_t(y)] & (0x80 >> x)) ? fore : back;
    }
    QBrush brush(tile);
    bool invertible = false;
    const QTransform undoWorld = worldTransform.inverted(&invertible);
    if (invertible)
        brush.setTransform(undoWorld);
    return brush;
}

} // namespace montora
