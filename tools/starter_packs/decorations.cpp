// The six decoration styles. Decorations are drawn in greys: the canvas tints them,
// keeping each pixel's lightness, so mid greys take the tint's colour and white
// stays a highlight.
#include "starter_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace montora::starter {

namespace {

constexpr int kSide = 120;
constexpr double kMargin = 12;

QColor grey(int value, int alpha = 255) { return QColor(value, value, value, alpha); }

void chrome(QPainter& p, const QPainterPath& path)
{
    const QRectF b = path.boundingRect();
    QLinearGradient metal(b.topLeft(), b.bottomLeft());
    metal.setColorAt(0.0, grey(250));
    metal.setColorAt(0.38, grey(150));
    metal.setColorAt(0.5, grey(80));
    metal.setColorAt(0.56, grey(215));
    metal.setColorAt(1.0, grey(110));
    p.fillPath(path, metal);
    p.save();
    p.setClipPath(path);
    p.strokePath(path, QPen(grey(255, 170), 4));
    p.restore();
    p.strokePath(path, QPen(grey(45), 1.6));
}

void candy(QPainter& p, const QPainterPath& path)
{
    const QRectF b = path.boundingRect();
    QRadialGradient body(b.center() - QPointF(b.width() * 0.15, b.height() * 0.2), b.width() * 0.75);
    body.setColorAt(0.0, grey(200));
    body.setColorAt(0.7, grey(125));
    body.setColorAt(1.0, grey(80));
    p.fillPath(path, body);
    QPainterPath shine;
    shine.addEllipse(QRectF(b.left() + b.width() * 0.1, b.top() - b.height() * 0.05, b.width() * 0.8, b.height() * 0.5));
    QLinearGradient gloss(b.topLeft(), QPointF(b.left(), b.top() + b.height() * 0.45));
    gloss.setColorAt(0.0, grey(255, 230));
    gloss.setColorAt(1.0, grey(255, 20));
    p.fillPath(path.intersected(shine), gloss);
    p.strokePath(path, QPen(grey(70), 1.4));
}

void emboss(QPainter& p, const QPainterPath& path)
{
    p.fillPath(path.translated(3, 3), grey(0, 70));
    p.fillPath(path, grey(160));
    p.save();
    p.setClipPath(path);
    p.strokePath(path.translated(2.5, 2.5), QPen(grey(250), 5));
    p.strokePath(path.translated(-2.5, -2.5), QPen(grey(70), 5));
    p.restore();
    p.strokePath(path, QPen(grey(90), 1));
}

void cloth(QPainter& p, const QPainterPath& path)
{
    const QRectF b = path.boundingRect();
    p.fillPath(path, grey(175));
    p.save();
    p.setClipPath(path);
    p.setPen(QPen(grey(140), 1));
    for (double x = b.left() - b.height(); x < b.right(); x += 4) {
        p.drawLine(QPointF(x, b.top()), QPointF(x + b.height(), b.bottom()));
        p.drawLine(QPointF(x, b.bottom()), QPointF(x + b.height(), b.top()));
    }
    QPen stitch(grey(250), 1.6);
    stitch.setDashPattern({2.5, 2.0});
    p.setPen(stitch);
    const QPointF c = b.center();
    p.drawPath(QTransform().translate(c.x(), c.y()).scale(0.84, 0.84).translate(-c.x(), -c.y()).map(path));
    p.restore();
    p.strokePath(path, QPen(grey(95), 1.4));
}

void glow(QPainter& p, const QPainterPath& path)
{
    for (int width = 20; width >= 2; width -= 2)
        p.strokePath(path, QPen(grey(150, 26), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF b = path.boundingRect();
    QRadialGradient core(b.center(), std::max(b.width(), b.height()) * 0.6);
    core.setColorAt(0.0, grey(245));
    core.setColorAt(1.0, grey(130));
    p.fillPath(path, core);
}

void neon(QPainter& p, const QPainterPath& path)
{
    for (int width = 16; width >= 5; width -= 2)
        p.strokePath(path, QPen(grey(130, 30), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(grey(150), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(grey(255), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

using StyleDraw = void (*)(QPainter&, const QPainterPath&);
constexpr StyleDraw kStyles[kStyleCount] = {chrome, candy, emboss, cloth, glow, neon};

} // namespace

std::vector<QImage> decorations(int style)
{
    std::vector<QImage> pictures;
    for (const Motif& motif : motifs()) {
        QImage image = canvas(kSide, kSide);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        kStyles[style](p, fitted(motif.path(), QRectF(kMargin, kMargin, kSide - 2 * kMargin, kSide - 2 * kMargin)));
        p.end();
        pictures.push_back(finished(image));
    }
    return pictures;
}

} // namespace montora::starter
