#pragma once

#include "text/text_style_record.h"

#include <QRect>
#include <QTransform>

class QPainter;

namespace montora {

// A text item (kind 4) drawn as the canvas draws it at a zoom: the measured box,
// scaled by zoom x scale and rotated about its centre, its top-left corner at
// (left, top) x zoom before rotation.
class TextItemPainter {
public:
    // Box coordinates (0, 0, width, height) to zoomed canvas coordinates.
    static QTransform transform(const TextStyleRecord& item, qreal zoom);

    // The scaled, unrotated box in zoomed canvas pixels (what the record's screen box holds).
    static TextStyleRecord::Box screenBox(const TextStyleRecord& item, qreal zoom);

    // Draws the item through `transform` on top of the painter's own transform.
    static void paint(QPainter& painter, const TextStyleRecord& item, qreal zoom);

    // The rotated box's bounding rectangle in zoomed canvas coordinates.
    static QRectF bounds(const TextStyleRecord& item, qreal zoom);
};

} // namespace montora
