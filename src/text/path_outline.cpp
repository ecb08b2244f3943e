#include "text/path_outline.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

namespace montora {

namespace {

constexpr int kMaxSubdivision = 16;

qreal distanceFromChord(const QPointF& p, const QPointF& a, const QPointF& b)
{
    const QPointF chord = b - a;
    const qreal length = std::hypot(chord.x(), chord.y());
    if (length < 1e-12)
        return QLineF(a, p).length();
    return std::abs(chord.x() * (p.y() - a.y()) - chord.y() * (p.x() - a.x())) / length;
}

void flattenCubic(QPainterPath& out, const QPointF& p0, const QPointF& p1, const QPointF& p2, const QPointF& p3,
                  qreal flatness, int depth)
{
    if (depth >= kMaxSubdivision
        || std::max(distanceFromChord(p1, p0, p3), distanceFromChord(p2, p0, p3)) <= flatness) {
        out.lineTo(p3);
        return;
    }
    // de Casteljau split at t = 0.5.
    const QPointF a = (p0 + p1) / 2, b = (p1 + p2) / 2, c = (p2 + p3) / 2;
    const QPointF d = (a + b) / 2, e = (b + c) / 2;
    const QPointF mid = (d + e) / 2;
    flattenCubic(out, p0, a, d, mid, flatness, depth + 1);
    flattenCubic(out, mid, e, c, p3, flatness, depth + 1);
}

} // namespace

QPainterPath PathOutline::flattened(const QPainterPath& path, qreal flatness)
{
    QPainterPath out;
    out.setFillRule(path.fillRule());
    const qreal tolerance = std::max(flatness, 1e-3);
    QPointF current;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            out.moveTo(e);
            current = e;
            break;
        case QPainterPath::LineToElement:
            out.lineTo(e);
            current = e;
            break;
        case QPainterPath::CurveToElement: {
            if (i + 2 >= path.elementCount())
                return out; // a curve needs two more points; a malformed tail is dropped
            const QPointF c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            flattenCubic(out, current, e, c2, end, tolerance, 0);
            current = end;
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return out;
}

QPainterPath PathOutline::windingOutline(const QPainterPath& path, qreal flatness)
{
    QPainterPath flat = flattened(path, flatness);
    flat.setFillRule(Qt::WindingFill);
    return flat.simplified();
}

std::vector<QPainterPath> PathOutline::separated(const QPainterPath& path, qreal gap)
{
    // Split into figures.
    std::vector<QPainterPath> figures;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::MoveToElement || figures.empty()) {
            figures.emplace_back();
            figures.back().setFillRule(path.fillRule());
            figures.back().moveTo(e);
        } else if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
            figures.back().cubicTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
            i += 2;
        } else if (e.type == QPainterPath::LineToElement) {
            figures.back().lineTo(e);
        }
    }
    // Union of figures whose bounds come within `gap`, swept from left to right.
    std::vector<QRectF> bounds;
    bounds.reserve(figures.size());
    for (const QPainterPath& figure : figures)
        bounds.push_back(figure.controlPointRect().adjusted(-gap / 2, -gap / 2, gap / 2, gap / 2));
    std::vector<size_t> parent(figures.size());
    std::iota(parent.begin(), parent.end(), size_t(0));
    const auto root = [&](size_t i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    };
    std::vector<size_t> byLeft(figures.size());
    std::iota(byLeft.begin(), byLeft.end(), size_t(0));
    std::sort(byLeft.begin(), byLeft.end(), [&](size_t a, size_t b) { return bounds[a].left() < bounds[b].left(); });
    for (size_t a = 0; a < byLeft.size(); ++a)
        for (size_t b = a + 1; b < byLeft.size() && bounds[byLeft[b]].left() <= bounds[byLeft[a]].right(); ++b)
            if (bounds[byLeft[a]].top() <= bounds[byLeft[b]].bottom()
                && bounds[byLeft[b]].top() <= bounds[byLeft[a]].bottom())
                parent[root(byLeft[a])] = root(byLeft[b]);

    std::vector<QPainterPath> groups;
    std::vector<size_t> groupOfRoot(figures.size(), SIZE_MAX);
    for (size_t i = 0; i < figures.size(); ++i) {
        size_t& group = groupOfRoot[root(i)];
        if (group == SIZE_MAX) {
            group = groups.size();
            groups.emplace_back();
            groups.back().setFillRule(path.fillRule());
        }
        groups[group].addPath(figures[i]);
    }
    return groups;
}

std::vector<PathOutline::PathPoint> PathOutline::points(const QPainterPath& path)
{
    std::vector<PathPoint> result;
    result.reserve(size_t(path.elementCount()));
    size_t figureStart = 0;
    auto endFigure = [&] {
        if (result.size() - figureStart < 2)
            return;
        // A figure that comes back to its start is closed: the edge back is implied.
        if (result.back().point == result[figureStart].point) {
            result.pop_back();
            result.back().type |= CloseFlag;
        }
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::MoveToElement) {
            endFigure();
            figureStart = result.size();
            result.push_back({e, Start});
        } else {
            result.push_back({e, e.type == QPainterPath::LineToElement ? std::uint8_t(Line) : std::uint8_t(Bezier)});
        }
    }
    endFigure();
    return result;
}

} // namespace montora
