#pragma once

#include <QPoint>
#include <QColor>
#include <QRect>
#include <QTransform>

#include <array>

class QPainter;

namespace montora {

// The twelve handles around a selected item, in its local coordinates: eight
// resize squares (0 top-left, then anticlockwise along the left, bottom, right and
// top sides) and four rotate circles outside the corners (8 top-left, 9
// bottom-left, 10 top-right, 11 bottom-right). They are drawn in the item's
// selection transform, so they turn with it.
class SelectionHandles {
public:
    static constexpr int kCount = 12;
    static constexpr int kSide = 8;
    static constexpr QRgb kResizeFill = 0xFF96C8FF;
    static constexpr QRgb kRotateFill = 0xFF00FF00;
    static constexpr QRgb kOutline = 0xFF000000;

    // For an item drawn in `box` (left, top, right, bottom as QRect corners).
    static std::array<QRect, kCount> layout(const QRect& box);
    static void draw(QPainter& painter, const std::array<QRect, kCount>& handles);
    // The first handle containing the surface point, -1 when none.
    static int hitTest(const std::array<QRect, kCount>& handles, const QTransform& transform, QPointF surfacePoint);
    static bool isRotateHandle(int index) { return index >= 8 && index < kCount; }
};

} // namespace montora
