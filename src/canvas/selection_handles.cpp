#include "canvas/selection_handles.h"

#include <QPainter>
#include <QPainterPath>

namespace montora {

std::array<QRect, SelectionHandles::kCount> SelectionHandles::layout(const QRect& box)
{
    // Windows RECT arithmetic: right and bottom are one past the last pixel.
    const int left = box.left();
    const int top = box.top();
    const int right = box.left() + box.width();
    const int bottom = box.top() + box.height();
    const int h = bottom - top + kSide;
    const int w = right - left + kSide;
    const QRect square(left - kSide, top - kSide, kSide, kSide);
    std::array<QRect, kCount> handles;
    handles[0] = square;
    handles[1] = square.translated(0, h / 2);
    handles[2] = square.translated(0, h);
    handles[3] = square.translated(w / 2, h);
    handles[4] = square.translated(w, h);
    handles[5] = square.translated(w, h / 2);
    handles[6] = square.translated(w, 0);
    handles[7] = square.translated(w / 2, 0);
    handles[8] = handles[0].translated(-kSide, -kSide);
    handles[9] = handles[2].translated(-kSide, kSide);
    handles[10] = handles[6].translated(kSide, -kSide);
    handles[11] = handles[4].translated(kSide, kSide);
    return handles;
}

void SelectionHandles::draw(QPainter& painter, const std::array<QRect, kCount>& handles)
{
    painter.save();
    painter.setPen(QPen(QColor::fromRgba(kOutline), 1.0));
    for (int i = 0; i < kCount; ++i) {
        const QRectF square(handles[size_t(i)]);
        if (isRotateHandle(i)) {
            painter.setBrush(QColor::fromRgba(kRotateFill));
            painter.drawEllipse(square);
        } else {
            painter.setBrush(QColor::fromRgba(kResizeFill));
            painter.drawRect(square);
        }
    }
    painter.restore();
}

int SelectionHandles::hitTest(const std::array<QRect, kCount>& handles, const QTransform& transform,
                              QPointF surfacePoint)
{
    for (int i = 0; i < kCount; ++i) {
        QPainterPath path;
        path.addRect(QRectF(handles[size_t(i)]));
        if (transform.map(path).contains(surfacePoint))
            return i;
    }
    return -1;
}

} // namespace montora
