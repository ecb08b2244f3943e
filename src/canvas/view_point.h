#pragma once

#include <QPoint>

#include <cmath>

namespace montora {

// A point of the canvas window with the view it was taken in: the collage point is
// (point + scroll) / zoom, truncated.
struct ViewPoint {
    QPoint point;
    float zoom = 1.0f;
    QPoint scroll;

    static ViewPoint atCollage(QPoint collagePoint) { return ViewPoint{collagePoint, 1.0f, QPoint()}; }

    QPoint collagePoint() const
    {
        const double z = zoom > 0 ? zoom : 1.0;
        return QPoint(int(std::trunc((point.x() + scroll.x()) / z)), int(std::trunc((point.y() + scroll.y()) / z)));
    }
};

} // namespace montora
