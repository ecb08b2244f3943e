#pragma once

#include "canvas/canvas_item.h"

#include <QRect>
#include <QSize>
#include <QTransform>

namespace montora {

// Where an item lands on the surface at a zoom: its display size, the transform it
// is drawn with, the one its base hit region is moved by, and the one its
// selection handles are drawn in.
class ItemGeometry {
public:
    // False for an item no surface can show: a scale or angle that is not a number,
    // or a size or position far beyond any picture (only a damaged or forged file
    // holds such values). Nothing of it is drawn and it cannot be picked.
    static bool isDrawable(const CanvasItem& item, float zoom);
    // Photos, cliparts and brushes: trunc(box x scale x zoom), each rounded down to a
    // multiple of 4. Text: the measured size (it is drawn through a scale).
    static QSize displaySize(const CanvasItem& item, float zoom);
    // Maps the item's drawing rectangle (0, 0, display or measured size) onto the surface.
    static QTransform worldTransform(const CanvasItem& item, float zoom);
    // Maps the base hit region onto the surface.
    static QTransform regionTransform(const CanvasItem& item, float zoom);
    // The selection handles are drawn around handleRect() in this transform.
    static QTransform selectionTransform(const CanvasItem& item, float zoom);
    static QRect handleRect(const CanvasItem& item, float zoom);
    // The surface rectangle the item can touch, handles included.
    static QRect surfaceBounds(const CanvasItem& item, float zoom);
};

} // namespace montora
