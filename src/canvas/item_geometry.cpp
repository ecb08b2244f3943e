#include "canvas/item_geometry.h"

#include "text/text_item_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace montora {

namespace {

int roundDownTo4(int value) { return value - value % 4; }

float baseScaleOf(const CanvasItem& item)
{
    if (const auto* photo = item.asPhoto())
        return photo->baseScale;
    if (const auto* clipart = item.asClipart())
        return clipart->baseScale;
    if (const auto* brush = item.asBrush())
        return brush->baseScale;
    return 1.0f;
}

QTransform centredTurn(double halfWidth, double halfHeight, double angle, double x, double y)
{
    return QTransform::fromTranslate(-halfWidth, -halfHeight) * QTransform().rotate(angle)
           * QTransform::fromTranslate(x, y);
}

} // namespace

bool ItemGeometry::isDrawable(const CanvasItem& item, float zoom)
{
    constexpr double kFarthest = 1e6;
    const double scale = item.scale();
    const double angle = item.angle();
    if (!std::isfinite(scale) || !std::isfinite(angle) || !std::isfinite(double(zoom)))
        return false;
    const QSize box = item.boxSize();
    const QPoint at = item.position();
    return std::abs(box.width() * scale * zoom) <= kFarthest && std::abs(box.height() * scale * zoom) <= kFarthest
           && std::abs(at.x() * double(zoom)) <= kFarthest * 10 && std::abs(at.y() * double(zoom)) <= kFarthest * 10;
}

QSize ItemGeometry::displaySize(const CanvasItem& item, float zoom)
{
    const QSize box = item.boxSize();
    if (item.kind() == ItemKind::Text)
        return box;
    const float scale = item.scale();
    const int width = int(std::trunc(float(box.width()) * scale * zoom));
    const int height = int(std::trunc(zoom * (scale * float(box.height()))));
    return QSize(roundDownTo4(width), roundDownTo4(height));
}

QTransform ItemGeometry::worldTransform(const CanvasItem& item, float zoom)
{
    const QPoint at = item.position();
    if (const TextStyleRecord* text = item.asText())
        return TextItemPainter::transform(*text, zoom);
    const QSize display = displaySize(item, zoom);
    const int halfWidth = display.width() / 2;
    const int halfHeight = display.height() / 2;
    return centredTurn(halfWidth, halfHeight, item.angle(), halfWidth + at.x() * double(zoom),
                       halfHeight + at.y() * double(zoom));
}

QTransform ItemGeometry::regionTransform(const CanvasItem& item, float zoom)
{
    if (item.kind() == ItemKind::Text)
        return worldTransform(item, zoom);
    const QPoint at = item.position();
    const QSize box = item.boxSize();
    const QSize display = displaySize(item, zoom);
    const double baseScale = baseScaleOf(item);
    const double uniform = baseScale != 0 ? double(item.scale()) * zoom / baseScale : 0.0;
    return QTransform::fromTranslate(-box.width() * baseScale / 2, -box.height() * baseScale / 2)
           * QTransform::fromScale(uniform, uniform) * QTransform().rotate(item.angle())
           * QTransform::fromTranslate(display.width() / 2 + at.x() * double(zoom),
                                       display.height() / 2 + at.y() * double(zoom));
}

QTransform ItemGeometry::selectionTransform(const CanvasItem& item, float zoom)
{
    if (item.kind() != ItemKind::Text)
        return worldTransform(item, zoom);
    const QPoint at = item.position();
    const QSize measured = item.boxSize();
    const double s = double(zoom) * item.scale();
    return centredTurn(s * measured.width() / 2, s * measured.height() / 2, item.angle(),
                       s * measured.width() / 2 + at.x() * double(zoom),
                       s * measured.height() / 2 + at.y() * double(zoom));
}

QRect ItemGeometry::handleRect(const CanvasItem& item, float zoom)
{
    if (item.kind() != ItemKind::Text)
        return QRect(QPoint(0, 0), displaySize(item, zoom));
    const QSize measured = item.boxSize();
    const double s = double(zoom) * item.scale();
    return QRect(0, 0, int(std::trunc(s * measured.width())), int(std::trunc(s * measured.height())));
}

QRect ItemGeometry::surfaceBounds(const CanvasItem& item, float zoom)
{
    // Handles reach 16 pixels out; a framed photo's picture 1 % beyond its box.
    const QRect box = handleRect(item, zoom);
    const int margin = 24 + int(0.02 * std::max(std::abs(box.width()), std::abs(box.height())));
    const QRect local = box.adjusted(-margin, -margin, margin, margin);
    return selectionTransform(item, zoom).mapRect(QRectF(local)).toAlignedRect();
}

} // namespace montora
