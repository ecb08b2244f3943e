#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRectF>

#include <vector>

namespace montora {

// The base hit region of every item, indexed by the item's region index. Regions
// are only appended (deleting an item leaves its region in place) and all go at
// once when the collage is cleared, so every history copy of an item can keep
// pointing at the same region.
class HitRegionList {
public:
    int append(QPainterPath region);
    // Replaces region `index`; false when there is no such region.
    bool replace(int index, QPainterPath region);
    // Null when the index names no region.
    const QPainterPath* at(int index) const;
    int size() const { return int(m_regions.size()); }
    void clear() { m_regions.clear(); }

    static QPainterPath rectangle(double width, double height);
    // The union of 2 x 2 squares at every even row and column whose pixel has a
    // non-zero alpha byte, clipped to the picture (pixel pictures such as calendars).
    static QPainterPath fromAlpha(const QImage& argb32);

private:
    std::vector<QPainterPath> m_regions;
};

} // namespace montora
