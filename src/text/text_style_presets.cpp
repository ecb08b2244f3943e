#include "text/text_style_presets.h"

#include "text/styled_text.h"

#include <QPainter>

#include <array>

namespace montora {

namespace {

const std::array<TextStylePresets::Colours, StyledText::kStyleCount> kPresets = {{
    {colorRef(0, 255, 0), colorRef(0, 156, 0)},
    {colorRef(128, 65, 191), colorRef(255, 255, 255)},
    {colorRef(198, 25, 0), colorRef(255, 255, 255)},
    {colorRef(0, 25, 198), colorRef(255, 255, 255)},
    {colorRef(198, 25, 0), colorRef(255, 255, 0)},
    {colorRef(88, 66, 214), colorRef(255, 255, 255)},
    {colorRef(255, 255, 255), colorRef(255, 80, 255)},
    {colorRef(0, 25, 198), colorRef(198, 25, 0)},
}};

} // namespace

TextStylePresets::Colours TextStylePresets::colours(int index)
{
    return index >= 0 && index < int(kPresets.size()) ? kPresets[size_t(index)] : kPresets[0];
}

FontRecord TextStylePresets::galleryFont(int innerHeight)
{
    FontRecord font;
    font.lfHeight = innerHeight;
    font.lfWeight = 700;
    (void)font.setFaceName(QStringLiteral("Microsoft Sans Serif"));
    return font;
}

void TextStylePresets::drawCell(QPainter& painter, int index, const QRect& cell)
{
    const QRect inner = cell.adjusted(kCellMargin, kCellMargin, -kCellMargin, -kCellMargin);
    if (inner.isEmpty())
        return;
    const Colours preset = colours(index);
    const qreal w = inner.width();
    const qreal h = inner.height();
    painter.save();
    // Placed about the box's centre like a canvas item, unrotated and unscaled.
    painter.setTransform(QTransform::fromTranslate(-w / 2, -h / 2)
                             * QTransform::fromTranslate(w / 2 + inner.left(), h / 2 + inner.top()),
                         true);
    StyledText::drawStyledText(painter, index, sampleText(), galleryFont(inner.height()), QRectF(0, 0, w, h),
                               preset.colour1, preset.colour2, 255, PathTextSize::Gallery);
    painter.restore();
}

} // namespace montora
