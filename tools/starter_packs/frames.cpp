// Photo frames: each a picture with a transparent window and the insets of that
// window, so a photo fills it exactly.
#include "starter_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>

namespace montora::starter {

namespace {

enum class Window { Rect, Rounded, Oval };

struct FrameDraw {
    QSize size;
    QRectF window;
    Window shape;
    std::function<void(QPainter&, const QRectF& all)> border;  // under the window
    std::function<void(QPainter&, const QRectF& all)> overlay; // over the window's edge
};

QPainterPath windowPath(const QRectF& r, Window shape)
{
    QPainterPath path;
    switch (shape) {
    case Window::Rect: path.addRect(r); break;
    case Window::Rounded: path.addRoundedRect(r, 14, 14); break;
    case Window::Oval: path.addEllipse(r); break;
    }
    return path;
}

Frame make(const FrameDraw& draw)
{
    QImage image = canvas(draw.size.width(), draw.size.height());
    const QRectF all(QPointF(0, 0), QSizeF(draw.size));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw.border(p, all);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(windowPath(draw.window, draw.shape), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (draw.overlay)
        draw.overlay(p, all);
    p.end();
    const double w = draw.size.width(), h = draw.size.height();
    const FrameInsets insets{float(draw.window.left() / w), float(draw.window.top() / h), float(draw.window.right() / w),
                             float(draw.window.bottom() / h)};
    return {finished(image), insets};
}

void motif(QPainter& p, const QPainterPath& path, QPointF centre, double size, const QColor& colour,
           double degrees = 0)
{
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    p.fillPath(fitted(path, QRectF(-size / 2, -size / 2, size, size)), colour);
    p.restore();
}

// Shapes scattered over the border only, never over the window.
void scatter(QPainter& p, const QRectF& all, const QRectF& window, std::uint32_t seed, int count,
             const std::vector<QPainterPath>& shapes, const std::vector<QColor>& colours, double minSize, double maxSize)
{
    Scatter rnd(seed);
    for (int placed = 0, tries = 0; placed < count && tries < count * 20; ++tries) {
        const double size = minSize + rnd.next() * (maxSize - minSize);
        const QPointF at(all.left() + rnd.next() * all.width(), all.top() + rnd.next() * all.height());
        const double turn = rnd.next() * 60 - 30;
        if (window.adjusted(-size / 2, -size / 2, size / 2, size / 2).contains(at))
            continue;
        motif(p, shapes[size_t(placed) % shapes.size()], at, size, colours[size_t(placed) % colours.size()], turn);
        ++placed;
    }
}

QPainterPath circle(double r = 50)
{
    QPainterPath c;
    c.addEllipse(QPointF(50, 50), r, r);
    return c;
}

void balloon(QPainter& p, QPointF at, const QColor& colour)
{
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.drawLine(at + QPointF(0, 26), at + QPointF(std::sin(at.x()) * 6, 70));
    p.setPen(Qt::NoPen);
    QRadialGradient shade(at - QPointF(6, 8), 26);
    shade.setColorAt(0, colour.lighter(150));
    shade.setColorAt(1, colour);
    p.setBrush(shade);
    p.drawEllipse(at, 19, 24);
    p.drawPolygon(QPolygonF({at + QPointF(0, 22), at + QPointF(-4, 29), at + QPointF(4, 29)}));
}

Frame wedding()
{
    const QRectF window(70, 52, 340, 236);
    return make({{480, 360}, window, Window::Oval,
                 [](QPainter& p, const QRectF& all) {
                     p.fillRect(all, QColor(0xFB, 0xF7, 0xEE));
                     const QColor gold(0xC9, 0xA5, 0x4A);
                     p.setPen(QPen(gold, 3));
                     p.drawRect(all.adjusted(10, 10, -10, -10));
                     p.setPen(QPen(gold, 1));
                     p.drawRect(all.adjusted(17, 17, -17, -17));
                     p.setPen(QPen(gold, 2));
                     p.setBrush(Qt::NoBrush);
                     p.drawEllipse(QRectF(62, 44, 356, 252));
                     for (QPointF c : {QPointF(30, 30), QPointF(450, 30), QPointF(30, 330), QPointF(450, 330)})
                         motif(p, starPath(4, 48, 12), c, 16, gold);
                     p.setPen(QPen(gold, 3));
                     p.drawEllipse(QPointF(231, 322), 13, 13);
                     p.drawEllipse(QPointF(249, 322), 13, 13);
                     motif(p, heartPath(), {196, 322}, 16, QColor(0xE3, 0x9A, 0xA8));
                     motif(p, heartPath(), {284, 322}, 16, QColor(0xE3, 0x9A, 0xA8));
                     for (int side : {-1, 1})
                         for (int i = 0; i < 4; ++i)
                             motif(p, leafPath(), {240.0 + side * (74 + i * 16), 324.0 - i * 3}, 14,
                                   QColor(0xA8, 0xBF, 0x8A), side > 0 ? 20.0 + i * 8 : 160.0 - i * 8);
                 },
                 nullptr});
}

Frame birthday()
{
    const QRectF window(56, 76, 368, 240);
    return make({{480, 360}, window, Window::Rounded,
                 [window](QPainter& p, const QRectF& all) {
                     p.fillRect(all, QColor(0x4F, 0xB8, 0xC4));
                     scatter(p, all, window, 3, 70, {circle(), starPath()},
                             {QColor(0xFF, 0xE0, 0x66), QColor(0xFF, 0x8A, 0x80), QColor(255, 255, 255),
                              QColor(0xB3, 0x9D, 0xDB)},
                             5, 10);
                 },
                 [](QPainter& p, const QRectF& all) {
                     const QColor flags[] = {QColor(0xFF, 0x6F, 0x61), QColor(0xFF, 0xD1, 0x4D), QColor(0x7E, 0xD3, 0x7A),
                                             QColor(0x9B, 0x8C, 0xF2)};
                     p.setPen(QPen(QColor(70, 70, 70), 1.5));
                     QPainterPath rope;
                     rope.moveTo(0, 22);
                     rope.quadTo(240, 62, 480, 22);
                     p.drawPath(rope);
                     p.setPen(Qt::NoPen);
                     for (int i = 0; i < 12; ++i) {
                         const double t0 = (i + 0.1) / 12.0, t1 = (i + 0.9) / 12.0;
                         const QPointF a = rope.pointAtPercent(t0), b = rope.pointAtPercent(t1);
                         p.setBrush(flags[i % 4]);
                         p.drawPolygon(QPolygonF({a, b, (a + b) / 2 + QPointF(0, 26)}));
                     }
                     balloon(p, {42, 250}, QColor(0xFF, 0x5A, 0x5F));
                     balloon(p, {70, 282}, QColor(0xFF, 0xC8, 0x3D));
                     balloon(p, {438, 256}, QColor(0x8E, 0x7C, 0xF0));
                     balloon(p, {410, 288}, QColor(0x5F, 0xD0, 0x8A));
                     Q_UNUSED(all);
                 }});
}

Frame winterHoliday()
{
    const QRectF window(60, 60, 360, 240);
    return make({{480, 360}, window, Window::Rounded,
                 [window](QPainter& p, const QRectF& all) {
                     QLinearGradient red(all.topLeft(), all.bottomLeft());
                     red.setColorAt(0, QColor(0xC0, 0x2F, 0x38));
                     red.setColorAt(1, QColor(0x8E, 0x1C, 0x26));
                     p.fillRect(all, red);
                     scatter(p, all, window, 9, 40, {snowflakePath()}, {QColor(255, 255, 255, 220)}, 10, 22);
                     p.setPen(QPen(QColor(255, 255, 255, 200), 2));
                     p.setBrush(Qt::NoBrush);
                     p.drawRoundedRect(window.adjusted(-7, -7, 7, 7), 18, 18);
                 },
                 [](QPainter& p, const QRectF&) {
                     const QColor holly(0x2E, 0x7D, 0x32);
                     for (QPointF corner : {QPointF(62, 62), QPointF(418, 298)}) {
                         for (int i = 0; i < 3; ++i)
                             motif(p, leafPath(), corner + QPointF(std::cos(i * 2.1) * 18, std::sin(i * 2.1) * 18), 34,
                                   holly, i * 120.0);
                         for (QPointF b : {QPointF(-5, -3), QPointF(5, -3), QPointF(0, 6)})
                             motif(p, circle(), corner + b, 10, QColor(0xE5, 0x1C, 0x23));
                     }
                 }});
}

Frame beachHoliday()
{
    const QRectF window(48, 48, 384, 244);
    return make({{480, 360}, window, Window::Rect,
                 [](QPainter& p, const QRectF& all) {
                     QLinearGradient sky(all.topLeft(), all.bottomLeft());
                     sky.setColorAt(0, QColor(0x7F, 0xD0, 0xF0));
                     sky.setColorAt(0.7, QColor(0xBF, 0xEA, 0xF7));
                     sky.setColorAt(0.71, QColor(0xF3, 0xDC, 0xA6));
                     sky.setColorAt(1, QColor(0xE8, 0xC8, 0x86));
                     p.fillRect(all, sky);
                 },
                 [](QPainter& p, const QRectF& all) {
                     motif(p, circle(), {438, 40}, 58, QColor(0xFF, 0xC9, 0x3C));
                     for (int i = 0; i < 10; ++i) {
                         p.save();
                         p.translate(438, 40);
                         p.rotate(i * 36);
                         p.fillRect(QRectF(34, -2.5, 14, 5), QColor(0xFF, 0xC9, 0x3C));
                         p.restore();
                     }
                     QPainterPath wave;
                     wave.moveTo(0, all.bottom());
                     wave.lineTo(0, 318);
                     for (int x = 0; x < 480; x += 40)
                         wave.cubicTo(x + 10, 306, x + 30, 330, x + 40, 318);
                     wave.lineTo(480, all.bottom());
                     wave.closeSubpath();
                     p.fillPath(wave, QColor(0x2F, 0x9B, 0xD6, 220));
                     p.strokePath(wave.translated(0, 8), QPen(QColor(255, 255, 255, 200), 2));
                     motif(p, starPath(5, 48, 24), {40, 330}, 30, QColor(0xFF, 0x8A, 0x50), -12);
                     motif(p, heartPath(), {82, 338}, 14, QColor(0xFF, 0xB0, 0xA0), 180);
                 }});
}

Frame instantPhoto()
{
    const QRectF window(24, 24, 312, 312);
    return make({{360, 430}, window, Window::Rect,
                 [](QPainter& p, const QRectF& all) {
                     // Off-white with a grey edge, so that it still shows on a white page.
                     p.fillRect(all, QColor(0xF5, 0xF3, 0xED));
                     p.setPen(QPen(QColor(0xB4, 0xB2, 0xAA), 3));
                     p.drawRect(all.adjusted(1.5, 1.5, -1.5, -1.5));
                     p.setPen(QPen(QColor(0xE6, 0xE6, 0xE0), 1));
                     p.drawRect(QRectF(23, 23, 314, 314));
                 },
                 nullptr});
}

Frame wood()
{
    const QRectF window(44, 44, 392, 272);
    return make({{480, 360}, window, Window::Rect,
                 [window](QPainter& p, const QRectF& all) {
                     p.fillRect(all, QColor(0x8B, 0x5A, 0x2B));
                     Scatter rnd(21);
                     for (int i = 0; i < 60; ++i) {
                         const double y = rnd.next() * all.height();
                         QPainterPath grain;
                         grain.moveTo(0, y);
                         for (int x = 0; x <= 480; x += 60)
                             grain.quadTo(x + 30, y + (rnd.next() - 0.5) * 8, x + 60, y + (rnd.next() - 0.5) * 4);
                         p.strokePath(grain, QPen(QColor(0x5E, 0x3A, 0x19, 40 + int(rnd.next() * 70)), 1 + rnd.next() * 2));
                     }
                     p.setPen(QPen(QColor(0xC4, 0x8A, 0x52), 2));
                     p.setBrush(Qt::NoBrush);
                     p.drawRect(all.adjusted(4, 4, -4, -4));
                     p.setPen(QPen(QColor(0x4A, 0x2C, 0x10), 4));
                     p.drawRect(window.adjusted(-3, -3, 3, 3));
                 },
                 nullptr});
}

Frame gilded()
{
    const QRectF window(50, 62, 260, 356);
    return make({{360, 480}, window, Window::Rect,
                 [window](QPainter& p, const QRectF& all) {
                     const QColor tones[] = {QColor(0x8C, 0x6A, 0x1E), QColor(0xF3, 0xD9, 0x7B), QColor(0xB8, 0x8A, 0x2E),
                                             QColor(0xFF, 0xEE, 0xB0), QColor(0x9C, 0x74, 0x22)};
                     for (int band = 0; band < 5; ++band) {
                         const double in = band * (window.left() / 5.0);
                         QLinearGradient shine(all.topLeft(), all.bottomRight());
                         shine.setColorAt(0, tones[band].lighter(115));
                         shine.setColorAt(1, tones[band].darker(115));
                         p.setPen(Qt::NoPen);
                         p.setBrush(shine);
                         p.drawRoundedRect(all.adjusted(in, in * 1.24, -in, -in * 1.24), 8, 8);
                     }
                     for (QPointF c : {window.topLeft(), window.topRight(), window.bottomLeft(), window.bottomRight()})
                         motif(p, flowerPath(), c, 34, QColor(0x7A, 0x5A, 0x14));
                     p.setPen(QPen(QColor(0x5A, 0x40, 0x0C), 3));
                     p.setBrush(Qt::NoBrush);
                     p.drawRect(window.adjusted(-2, -2, 2, 2));
                 },
                 nullptr});
}

Frame filmStrip()
{
    const QRectF window(24, 56, 432, 248);
    return make({{480, 360}, window, Window::Rect,
                 [](QPainter& p, const QRectF& all) {
                     p.fillRect(all, QColor(0x1C, 0x1C, 0x1E));
                     p.setCompositionMode(QPainter::CompositionMode_Clear);
                     for (int x = 10; x < 470; x += 30)
                         for (int y : {16, 318})
                             p.fillPath([&] { QPainterPath h; h.addRoundedRect(QRectF(x, y, 18, 24), 3, 3); return h; }(),
                                        Qt::transparent);
                     p.setCompositionMode(QPainter::CompositionMode_SourceOver);
                     // Frame numbers along the top edge, as small marks.
                     for (int i = 0; i < 8; ++i)
                         p.fillRect(QRectF(36 + i * 56, 46, i % 2 ? 6 : 14, 4), QColor(0xE8, 0xA3, 0x3D));
                 },
                 nullptr});
}

Frame floral()
{
    const QRectF window(50, 50, 380, 260);
    return make({{480, 360}, window, Window::Rounded,
                 [](QPainter& p, const QRectF& all) {
                     p.fillRect(all, QColor(0xF8, 0xDD, 0xE4));
                     p.setPen(QPen(QColor(255, 255, 255), 2));
                     p.setBrush(Qt::NoBrush);
                     p.drawRoundedRect(all.adjusted(12, 12, -12, -12), 10, 10);
                 },
                 [](QPainter& p, const QRectF&) {
                     const QColor petals[] = {QColor(0xF2, 0x7B, 0x9B), QColor(0xFF, 0xB3, 0x47), QColor(0xB5, 0x8D, 0xE0),
                                              QColor(0xFF, 0xFF, 0xFF)};
                     const QPointF corners[] = {{54, 54}, {426, 54}, {54, 306}, {426, 306}};
                     for (int c = 0; c < 4; ++c) {
                         const QPointF at = corners[c];
                         const double sx = at.x() < 240 ? 1 : -1, sy = at.y() < 180 ? 1 : -1;
                         for (int i = 0; i < 3; ++i)
                             motif(p, leafPath(), at + QPointF(sx * (26 + i * 16), sy * (i * 18 - 4)), 22,
                                   QColor(0x7C, 0xB3, 0x6A), sx > 0 ? 10.0 + i * 30 : 170.0 - i * 30);
                         motif(p, flowerPath(), at, 44, petals[c]);
                         motif(p, circle(), at, 12, QColor(0xFF, 0xD5, 0x4F));
                         motif(p, flowerPath(), at + QPointF(sx * 30, sy * 28), 24, petals[(c + 1) % 4], 20);
                     }
                 }});
}

Frame starryNight()
{
    const QRectF window(56, 56, 248, 368);
    return make({{360, 480}, window, Window::Oval,
                 [window](QPainter& p, const QRectF& all) {
                     QLinearGradient night(all.topLeft(), all.bottomLeft());
                     night.setColorAt(0, QColor(0x14, 0x1E, 0x46));
                     night.setColorAt(1, QColor(0x2C, 0x3E, 0x7A));
                     p.fillRect(all, night);
                     scatter(p, all, window, 17, 60, {starPath(), starPath(4, 48, 14)},
                             {QColor(0xFF, 0xE0, 0x82), QColor(255, 255, 255, 230)}, 5, 16);
                     motif(p, QPainterPath(circle()).subtracted(QPainterPath(circle()).translated(22, -14)), {300, 52}, 56,
                           QColor(0xFF, 0xE8, 0xA0), -20);
                     p.setPen(QPen(QColor(0xFF, 0xE0, 0x82, 200), 2));
                     p.setBrush(Qt::NoBrush);
                     p.drawEllipse(window.adjusted(-8, -8, 8, 8));
                 },
                 nullptr});
}

Frame postcard()
{
    const QRectF window(46, 46, 388, 268);
    return make({{480, 360}, window, Window::Rect,
                 [](QPainter& p, const QRectF& all) {
                     p.fillRect(all, QColor(0xFD, 0xFB, 0xF5));
                     const QRectF band = all.adjusted(12, 12, -12, -12);
                     p.save();
                     QPainterPath ring;
                     ring.addRect(band);
                     ring.addRect(band.adjusted(14, 14, -14, -14));
                     p.setClipPath(ring);
                     for (int i = -30; i < 60; ++i) {
                         const QColor c = (i % 2) ? QColor(0xD6, 0x33, 0x3A) : QColor(0x2A, 0x5C, 0xAA);
                         QPolygonF stripe({QPointF(i * 18, 0), QPointF(i * 18 + 9, 0), QPointF(i * 18 + 9 - 360, 360),
                                           QPointF(i * 18 - 360, 360)});
                         p.setPen(Qt::NoPen);
                         p.setBrush(c);
                         p.drawPolygon(stripe);
                     }
                     p.restore();
                     // The perforated edge of a stamp.
                     p.setCompositionMode(QPainter::CompositionMode_Clear);
                     for (double x = 0; x <= all.width(); x += 16)
                         for (double y : {0.0, all.height()})
                             p.drawEllipse(QPointF(x, y), 5, 5);
                     for (double y = 0; y <= all.height(); y += 16)
                         for (double x : {0.0, all.width()})
                             p.drawEllipse(QPointF(x, y), 5, 5);
                     p.setCompositionMode(QPainter::CompositionMode_SourceOver);
                 },
                 [](QPainter& p, const QRectF&) {
                     p.setPen(QPen(QColor(0x44, 0x44, 0x55, 170), 2));
                     p.setBrush(Qt::NoBrush);
                     p.drawEllipse(QPointF(412, 300), 30, 30);
                     p.drawEllipse(QPointF(412, 300), 22, 22);
                     for (int i = 0; i < 3; ++i) {
                         QPainterPath wave;
                         wave.moveTo(330, 292 + i * 8);
                         wave.cubicTo(345, 286 + i * 8, 360, 298 + i * 8, 378, 292 + i * 8);
                         p.drawPath(wave);
                     }
                 }});
}

Frame gallery()
{
    const QRectF window(84, 84, 312, 192);
    return make({{480, 360}, window, Window::Rect,
                 [window](QPainter& p, const QRectF& all) {
                     p.fillRect(all, QColor(0x2B, 0x2D, 0x31));
                     p.fillRect(all.adjusted(22, 22, -22, -22), QColor(0xF3, 0xF0, 0xE8));
                     p.setPen(QPen(QColor(0xC9, 0xC3, 0xB4), 2));
                     p.drawRect(window.adjusted(-4, -4, 4, 4));
                 },
                 nullptr});
}

Frame sweetHearts()
{
    const QRectF window(60, 60, 240, 360);
    return make({{360, 480}, window, Window::Rounded,
                 [window](QPainter& p, const QRectF& all) {
                     p.fillRect(all, QColor(0xF7, 0x9C, 0xB0));
                     scatter(p, all, window, 29, 46, {heartPath()},
                             {QColor(0xE0, 0x3E, 0x62), QColor(255, 255, 255, 230), QColor(0xFF, 0xD6, 0xE0)}, 10, 24);
                     p.setPen(QPen(QColor(255, 255, 255), 3));
                     p.setBrush(Qt::NoBrush);
                     QPen dashed(QColor(255, 255, 255), 2);
                     dashed.setDashPattern({4, 3});
                     p.setPen(dashed);
                     p.drawRoundedRect(window.adjusted(-9, -9, 9, 9), 20, 20);
                 },
                 [](QPainter& p, const QRectF&) { motif(p, heartPath(), {180, 440}, 40, QColor(0xD3, 0x1F, 0x4B)); }});
}

} // namespace

std::vector<Frame> frames()
{
    return {wedding(), birthday(),    winterHoliday(), beachHoliday(), floral(),   instantPhoto(),
            wood(),    gilded(),      filmStrip(),     starryNight(),  postcard(), gallery(),
            sweetHearts()};
}

} // namespace montora::starter
