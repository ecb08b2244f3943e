#pragma once

#include <QPainterPath>
#include <QPointF>

#include <cstdint>
#include <vector>

namespace montora {

// Outline operations of the text effects on painter paths.
class PathOutline {
public:
    // Point types of a flat point list, as the bevel walk reads them.
    enum PointType : std::uint8_t {
        Start = 0x00,
        Line = 0x01,
        Bezier = 0x03,
        CloseFlag = 0x80, // set on the last point of a closed figure
    };
    struct PathPoint {
        QPointF point;
        std::uint8_t type;
    };

    // Curves replaced by lines that stay within `flatness` of them.
    static QPainterPath flattened(const QPainterPath& path, qreal flatness);

    // The outer edge of everything the path covers under the winding rule, flattened:
    // overlapping figures merge and no edge crosses another.
    static QPainterPath windingOutline(const QPainterPath& path, qreal flatness);

    // The path's figures in groups whose control-point bounds lie more than `gap`
    // apart. Drawing the groups one after another covers exactly what drawing the whole
    // path does when `gap` exceeds the pen width and a pixel; it is much faster for long
    // texts, as anti-aliased filling slows down more than linearly with the number of
    // edges in one call. Groups keep the order of their first figures.
    static std::vector<QPainterPath> separated(const QPainterPath& path, qreal gap);

    // The path as a point list: each figure starts with a Start point; a closed figure
    // does not repeat its first point at the end but flags its last one with CloseFlag.
    static std::vector<PathPoint> points(const QPainterPath& path);
};

} // namespace montora
