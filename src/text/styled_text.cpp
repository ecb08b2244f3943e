#include "text/styled_text.h"

#include "text/text_effects.h"
#include "text/text_fonts.h"
#include "text/text_lines.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace montora {

QSize StyledText::measureText(const FontRecord& font, const QString& text)
{
    const QSizeF size = TextLines::measure(TextFonts::measureFont(font), TextFonts::measureEmPixels(font),
                                           TextLines::split(text));
    // Truncated like the stored integer fields; never below one pixel, so the item
    // keeps a box that can be hit and typed into.
    return {std::max(1, int(size.width())), std::max(1, int(size.height()))};
}

void StyledText::drawStyledText(QPainter& painter, int style, const QString& text, const FontRecord& font,
                                const QRectF& box, ColorRef colour1, ColorRef colour2, int alpha, PathTextSize size)
{
    if (!painter.isActive() || !box.isValid())
        return;
    painter.save();
    TextEffects(painter, text, font, box, colour1, colour2, std::clamp(alpha, 0, 255), size).draw(style);
    painter.restore();
}

} // namespace montora
