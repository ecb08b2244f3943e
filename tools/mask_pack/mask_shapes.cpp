// Geometric mask shapes: each is a path filled black, its edge softened a little.
#include "mask_art.h"

#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace montora::maskpack {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kSoftEdge = 4.0f; // pixels of softening for the crisp shapes

// The drawing area: the picture less a margin, so that the soft edge never
// reaches the border.
QRectF area(int w, int h, float marginFraction = 0.08f)
{
    const float margin = marginFraction * float(std::min(w, h));
    return QRectF(margin, margin, w - 2 * margin, h - 2 * margin);
}

Coverage soft(const QPainterPath& path, int w, int h, float radius = kSoftEdge)
{
    Coverage coverage = Coverage::fromPath(path, w, h);
    coverage.soften(radius);
    return coverage;
}

QPainterPath regularPolygon(const QPointF& centre, float rx, float ry, int corners, float startDegrees)
{
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const float a = (startDegrees + 360.0f * float(i) / float(corners)) * kPi / 180.0f;
        polygon << QPointF(centre.x() + rx * std::cos(a), centre.y() + ry * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath circlePath(const QPointF& centre, float radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

} // namespace

Coverage ellipse(int w, int h)
{
    QPainterPath path;
    path.addEllipse(area(w, h));
    return soft(path, w, h, 10.0f);
}

Coverage roundedRectangle(int w, int h)
{
    QPainterPath path;
    const QRectF r = area(w, h);
    path.addRoundedRect(r, r.height() * 0.16, r.height() * 0.16);
    return soft(path, w, h, 6.0f);
}

Coverage heart(int w, int h)
{
    // x = 16 sin^3 t, y = 13 cos t - 5 cos 2t - 2 cos 3t - cos 4t spans 32 x 29 units.
    const QRectF r = area(w, h);
    const float sx = float(r.width()) / 34.0f, sy = float(r.height()) / 30.0f;
    QPolygonF outline;
    for (int i = 0; i < 720; ++i) {
        const float t = 2.0f * kPi * float(i) / 720.0f;
        const float x = 16.0f * std::pow(std::sin(t), 3.0f);
        const float y = 13.0f * std::cos(t) - 5.0f * std::cos(2 * t) - 2.0f * std::cos(3 * t) - std::cos(4 * t);
        outline << QPointF(r.center().x() + x * sx, r.top() + (12.0f - y) * sy + sy);
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return soft(path, w, h);
}

Coverage star(int w, int h)
{
    const QRectF r = area(w, h, 0.05f);
    const QPointF centre(r.center().x(), r.top() + r.height() * 0.53);
    const float outer = float(std::min(r.width(), r.height())) * 0.52f;
    QPolygonF polygon;
    for (int i = 0; i < 10; ++i) {
        const float radius = i % 2 == 0 ? outer : outer * 0.45f;
        const float a = (-90.0f + 36.0f * float(i)) * kPi / 180.0f;
        polygon << QPointF(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return soft(path, w, h);
}

Coverage cloud(int w, int h)
{
    const QRectF r = area(w, h, 0.06f);
    const float u = float(r.width()) / 100.0f, v = float(r.height()) / 100.0f;
    auto at = [&](float x, float y) { return QPointF(r.left() + x * u, r.top() + y * v); };
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addRoundedRect(QRectF(at(12, 52), at(88, 92)), 20 * v, 20 * v);
    path.addEllipse(at(22, 62), 18 * u, 26 * v);
    path.addEllipse(at(40, 40), 22 * u, 34 * v);
    path.addEllipse(at(62, 34), 20 * u, 32 * v);
    path.addEllipse(at(80, 58), 17 * u, 26 * v);
    return soft(path, w, h, 6.0f);
}

Coverage hexagon(int w, int h)
{
    const QRectF r = area(w, h);
    return soft(regularPolygon(r.center(), float(r.width()) / 2, float(r.height()) / 2, 6, 0.0f), w, h);
}

Coverage circle(int w, int h)
{
    const QRectF r = area(w, h);
    return soft(circlePath(r.center(), float(std::min(r.width(), r.height())) / 2), w, h, 8.0f);
}

Coverage diamond(int w, int h)
{
    const QRectF r = area(w, h);
    return soft(regularPolygon(r.center(), float(r.width()) / 2, float(r.height()) / 2, 4, -90.0f), w, h);
}

Coverage octagon(int w, int h)
{
    const QRectF r = area(w, h);
    const float radius = float(r.width()) / 2 / std::cos(kPi / 8);
    return soft(regularPolygon(r.center(), radius, radius, 8, 22.5f), w, h);
}

Coverage archWindow(int w, int h)
{
    const QRectF r = area(w, h);
    const float radius = float(r.width()) / 2;
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.arcTo(QRectF(r.left(), r.top(), r.width(), 2 * radius), 180, -180);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return soft(path, w, h);
}

Coverage postageStamp(int w, int h)
{
    const QRectF r = area(w, h);
    QPainterPath body;
    body.addRect(r);
    const float bite = float(r.width()) / 28.0f;
    QPainterPath bites;
    bites.setFillRule(Qt::WindingFill);
    const int across = int(std::round(r.width() / (3.2 * bite)));
    const int down = int(std::round(r.height() / (3.2 * bite)));
    for (int i = 0; i <= across; ++i) {
        const float x = float(r.left() + r.width() * i / across);
        bites.addPath(circlePath(QPointF(x, r.top()), bite));
        bites.addPath(circlePath(QPointF(x, r.bottom()), bite));
    }
    for (int i = 0; i <= down; ++i) {
        const float y = float(r.top() + r.height() * i / down);
        bites.addPath(circlePath(QPointF(r.left(), y), bite));
        bites.addPath(circlePath(QPointF(r.right(), y), bite));
    }
    return soft(body.subtracted(bites), w, h, 2.0f);
}

Coverage flower(int w, int h)
{
    const QRectF r = area(w, h, 0.05f);
    const QPointF c = r.center();
    const float size = float(std::min(r.width(), r.height())) / 2;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int i = 0; i < 6; ++i) {
        QPainterPath petal;
        petal.addEllipse(QPointF(size * 0.55f, 0), size * 0.45f, size * 0.28f);
        path.addPath(QTransform().translate(c.x(), c.y()).rotate(60.0 * i - 90.0).map(petal));
    }
    path.addPath(circlePath(c, size * 0.38f));
    return soft(path, w, h);
}

Coverage speechBubble(int w, int h)
{
    const QRectF r = area(w, h, 0.06f);
    QPainterPath body;
    body.addEllipse(QRectF(r.left(), r.top(), r.width(), r.height() * 0.78));
    QPainterPath tail;
    tail.moveTo(r.left() + r.width() * 0.30, r.top() + r.height() * 0.62);
    tail.quadTo(r.left() + r.width() * 0.28, r.top() + r.height() * 0.88, r.left() + r.width() * 0.14, r.bottom());
    tail.quadTo(r.left() + r.width() * 0.40, r.top() + r.height() * 0.90, r.left() + r.width() * 0.48,
                r.top() + r.height() * 0.70);
    tail.closeSubpath();
    return soft(body.united(tail), w, h);
}

Coverage shield(int w, int h)
{
    const QRectF r = area(w, h);
    QPainterPath path;
    path.moveTo(r.left(), r.top() + r.height() * 0.08);
    path.quadTo(r.center().x(), r.top() - r.height() * 0.04, r.right(), r.top() + r.height() * 0.08);
    path.lineTo(r.right(), r.top() + r.height() * 0.45);
    path.cubicTo(r.right(), r.top() + r.height() * 0.75, r.center().x() + r.width() * 0.2, r.bottom() - r.height() * 0.08,
                 r.center().x(), r.bottom());
    path.cubicTo(r.center().x() - r.width() * 0.2, r.bottom() - r.height() * 0.08, r.left(),
                 r.top() + r.height() * 0.75, r.left(), r.top() + r.height() * 0.45);
    path.closeSubpath();
    return soft(path, w, h);
}

Coverage leaf(int w, int h)
{
    // A lens: where two large circles overlap, turned a little.
    const float cx = float(w) / 2, cy = float(h) / 2;
    const float half = float(std::min(w, h)) * 0.62f;
    const float radius = half * 1.25f;
    const float offset = std::sqrt(radius * radius - half * half);
    QPainterPath lens = circlePath(QPointF(0, -offset), radius).intersected(circlePath(QPointF(0, offset), radius));
    const QPainterPath path = QTransform().translate(cx, cy).rotate(-28).map(lens);
    return soft(path, w, h);
}

Coverage crescent(int w, int h)
{
    const QRectF r = area(w, h);
    const float radius = float(std::min(r.width(), r.height())) / 2;
    const QPointF c = r.center();
    QPainterPath moon = circlePath(c, radius).subtracted(circlePath(QPointF(c.x() + radius * 0.45, c.y() - radius * 0.2), radius * 0.85f));
    return soft(moon, w, h);
}

Coverage sparkle(int w, int h)
{
    const QRectF r = area(w, h, 0.05f);
    const QPointF c = r.center();
    const float outer = float(std::min(r.width(), r.height())) / 2;
    const float waist = outer * 0.16f;
    QPainterPath path;
    for (int i = 0; i < 4; ++i) {
        const float a = kPi / 2 * float(i) - kPi / 2;
        const float b = a + kPi / 2;
        const QPointF tip(c.x() + outer * std::cos(a), c.y() + outer * std::sin(a));
        const QPointF next(c.x() + outer * std::cos(b), c.y() + outer * std::sin(b));
        const QPointF bend(c.x() + waist * std::cos(a + kPi / 4), c.y() + waist * std::sin(a + kPi / 4));
        if (i == 0)
            path.moveTo(tip);
        path.quadTo(bend, next);
    }
    path.closeSubpath();
    return soft(path, w, h);
}

Coverage bubbles(int w, int h)
{
    const float u = float(w) / 100.0f, v = float(h) / 100.0f;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addPath(circlePath(QPointF(34 * u, 52 * v), 30 * v));
    path.addPath(circlePath(QPointF(66 * u, 40 * v), 26 * v));
    path.addPath(circlePath(QPointF(76 * u, 74 * v), 16 * v));
    path.addPath(circlePath(QPointF(14 * u, 22 * v), 10 * v));
    path.addPath(circlePath(QPointF(90 * u, 16 * v), 7 * v));
    return soft(path, w, h);
}

Coverage ticket(int w, int h)
{
    const QRectF r = area(w, h);
    const float notch = float(r.height()) * 0.12f;
    QPainterPath body;
    body.addRoundedRect(r, 6, 6);
    QPainterPath cuts;
    cuts.setFillRule(Qt::WindingFill);
    for (const QPointF& p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        cuts.addPath(circlePath(p, notch));
    cuts.addPath(circlePath(QPointF(r.left(), r.center().y()), notch * 0.8f));
    cuts.addPath(circlePath(QPointF(r.right(), r.center().y()), notch * 0.8f));
    return soft(body.subtracted(cuts), w, h, 3.0f);
}

Coverage puzzlePiece(int w, int h)
{
    const float side = float(std::min(w, h)) * 0.58f;
    const QRectF square((float(w) - side) / 2, (float(h) - side) / 2, side, side);
    const float tab = side * 0.16f;
    QPainterPath piece;
    piece.setFillRule(Qt::WindingFill);
    piece.addRect(square);
    piece.addPath(circlePath(QPointF(square.center().x(), square.top() - tab * 0.55f), tab));
    piece.addPath(circlePath(QPointF(square.right() + tab * 0.55f, square.center().y()), tab));
    QPainterPath blanks;
    blanks.setFillRule(Qt::WindingFill);
    blanks.addPath(circlePath(QPointF(square.left() + tab * 0.55f, square.center().y()), tab));
    blanks.addPath(circlePath(QPointF(square.center().x(), square.bottom() + tab * 0.45f), tab));
    return soft(piece.simplified().subtracted(blanks), w, h, 3.0f);
}

Coverage panorama(int w, int h)
{
    const QRectF r = area(w, h, 0.12f);
    QPainterPath path;
    path.addRoundedRect(r, r.height() / 2, r.height() / 2);
    return soft(path, w, h, 8.0f);
}

} // namespace montora::maskpack
