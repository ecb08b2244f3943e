#include "text/text_item_painter.h"

#include "text/styled_text.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace montora {

QTransform TextItemPainter::transform(const TextStyleRecord& item, qreal zoom)
{
    const qreal w = item.width;
    const qreal h = item.height;
    const qreal s = zoom * qreal(item.scale);
    return QTransform::fromTranslate(-w / 2, -h / 2) * QTransform::fromScale(s, s) * QTransform().rotate(item.angle)
           * QTransform::fromTranslate(zoom * item.left + s * w / 2, zoom * item.top + s * h / 2);
}

TextStyleRecord::Box TextItemPainter::screenBox(const TextStyleRecord& item, qreal zoom)
{
    auto truncated = [](qreal v) { return std::isfinite(v) ? std::int32_t(std::clamp(v, -2.0e9, 2.0e9)) : 0; };
    return {truncated(item.left * zoom), truncated(item.top * zoom),
            truncated(zoom * (item.width * qreal(item.scale) + item.left)),
            truncated((item.top + item.height * qreal(item.scale)) * zoom)};
}

QRectF TextItemPainter::bounds(const TextStyleRecord& item, qreal zoom)
{
    return transform(item, zoom).mapRect(QRectF(0, 0, item.width, item.height));
}

void TextItemPainter::paint(QPainter& painter, const TextStyleRecord& item, qreal zoom)
{
    // A damaged record may hold a scale or angle that is not a number: nothing to draw.
    if (!std::isfinite(item.scale) || !std::isfinite(item.angle) || !std::isfinite(zoom))
        return;
    painter.save();
    painter.setTransform(transform(item, zoom), true);
    StyledText::drawStyledText(painter, item.style, item.text(), item.font, QRectF(0, 0, item.width, item.height),
                               item.colour1, item.colour2, item.alpha());
    painter.restore();
}

} // namespace montora
