#include "canvas/hit_region_list.h"

#include <QRegion>

namespace montora {

int HitRegionList::append(QPainterPath region)
{
    m_regions.push_back(std::move(region));
    return int(m_regions.size()) - 1;
}

bool HitRegionList::replace(int index, QPainterPath region)
{
    if (index < 0 || index >= size())
        return false;
    m_regions[size_t(index)] = std::move(region);
    return true;
}

const QPainterPath* HitRegionList::at(int index) const
{
    if (index < 0 || index >= size())
        return nullptr;
    return &m_regions[size_t(index)];
}

QPainterPath HitRegionList::rectangle(double width, double height)
{
    QPainterPath path;
    path.addRect(QRectF(0, 0, width, height));
    return path;
}

QPainterPath HitRegionList::fromAlpha(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRect bounds = image.rect();
    QRegion region;
    for (int y = 0; y < image.height(); y += 2) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int runStart = -1;
        // Runs of neighbouring squares on one row become one rectangle, which keeps
        // the region small for a calendar's 130 x 130 squares.
        for (int x = 0; x <= image.width(); x += 2) {
            const bool solid = x < image.width() && qAlpha(line[x]) != 0;
            if (solid && runStart < 0)
                runStart = x;
            if (!solid && runStart >= 0) {
                region += QRect(runStart, y, x - runStart, 2) & bounds;
                runStart = -1;
            }
        }
    }
    QPainterPath path;
    path.addRegion(region);
    return path;
}

} // namespace montora
