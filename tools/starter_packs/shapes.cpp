// The motifs, drawn as closed outlines in a 100 x 100 box.
#include "starter_art.h"

#include <QPainterPathStroker>
#include <QTransform>

#include <cmath>

namespace montora::starter {

namespace {

constexpr double kPi = 3.14159265358979323846;

QPainterPath stroked(const QPainterPath& line, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

QPainterPath ellipseAt(QPointF centre, double rx, double ry, double degrees)
{
    QPainterPath ellipse;
    ellipse.addEllipse(QPointF(0, 0), rx, ry);
    return QTransform().translate(centre.x(), centre.y()).rotate(degrees).map(ellipse);
}

QPainterPath butterflyPath()
{
    QPainterPath wings = ellipseAt({28, 36}, 25, 17, -32).united(ellipseAt({72, 36}, 25, 17, 32));
    wings = wings.united(ellipseAt({34, 68}, 15, 12, 38)).united(ellipseAt({66, 68}, 15, 12, -38));
    wings = wings.subtracted(ellipseAt({50, 52}, 7, 40, 0)).united(ellipseAt({50, 52}, 4, 26, 0));
    QPainterPath feelers;
    feelers.moveTo(48, 28);
    feelers.quadTo(44, 14, 36, 10);
    feelers.moveTo(52, 28);
    feelers.quadTo(56, 14, 64, 10);
    return wings.united(stroked(feelers, 2.5)).simplified();
}

QPainterPath crownPath()
{
    QPainterPath crown;
    crown.moveTo(14, 78);
    crown.lineTo(10, 30);
    crown.lineTo(32, 52);
    crown.lineTo(50, 20);
    crown.lineTo(68, 52);
    crown.lineTo(90, 30);
    crown.lineTo(86, 78);
    crown.closeSubpath();
    crown.addRoundedRect(QRectF(13, 80, 74, 10), 3, 3);
    for (QPointF tip : {QPointF(10, 27), QPointF(50, 16), QPointF(90, 27)})
        crown.addEllipse(tip, 6, 6);
    return crown.simplified();
}

QPainterPath notesPath()
{
    QPainterPath notes = ellipseAt({30, 78}, 11, 8, -20).united(ellipseAt({72, 70}, 11, 8, -20));
    QPainterPath stems;
    stems.addRect(QRectF(38, 24, 4.5, 54));
    stems.addRect(QRectF(80, 16, 4.5, 54));
    QPainterPath beam;
    beam.moveTo(38, 24);
    beam.lineTo(84.5, 14);
    beam.lineTo(84.5, 26);
    beam.lineTo(38, 36);
    beam.closeSubpath();
    return notes.united(stems).united(beam).simplified();
}

QPainterPath moonPath()
{
    QPainterPath disc;
    disc.addEllipse(QPointF(50, 50), 42, 42);
    QPainterPath bite;
    bite.addEllipse(QPointF(68, 40), 36, 36);
    return disc.subtracted(bite);
}

QPainterPath balloonPath()
{
    QPainterPath balloon;
    balloon.moveTo(50, 72);
    balloon.cubicTo(24, 66, 16, 42, 20, 28);
    balloon.cubicTo(24, 10, 42, 4, 50, 4);
    balloon.cubicTo(58, 4, 76, 10, 80, 28);
    balloon.cubicTo(84, 42, 76, 66, 50, 72);
    QPainterPath knot;
    knot.moveTo(50, 70);
    knot.lineTo(44, 78);
    knot.lineTo(56, 78);
    knot.closeSubpath();
    QPainterPath string;
    string.moveTo(50, 78);
    string.cubicTo(42, 86, 58, 90, 50, 98);
    return balloon.united(knot).united(stroked(string, 2)).simplified();
}

QPainterPath bowPath()
{
    QPainterPath loop;
    loop.moveTo(50, 46);
    loop.cubicTo(30, 20, 6, 24, 8, 44);
    loop.cubicTo(10, 62, 34, 60, 50, 48);
    QPainterPath right = QTransform(-1, 0, 0, 1, 100, 0).map(loop);
    QPainterPath tails;
    tails.moveTo(46, 50);
    tails.lineTo(28, 88);
    tails.lineTo(38, 84);
    tails.lineTo(42, 94);
    tails.lineTo(50, 54);
    tails.lineTo(58, 94);
    tails.lineTo(62, 84);
    tails.lineTo(72, 88);
    tails.lineTo(54, 50);
    tails.closeSubpath();
    QPainterPath knot;
    knot.addRoundedRect(QRectF(42, 38, 16, 18), 5, 5);
    return loop.united(right).united(tails).united(knot).simplified();
}

QPainterPath sunPath()
{
    QPainterPath sun;
    sun.addEllipse(QPointF(50, 50), 24, 24);
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        const double side = kPi / 24;
        QPainterPath ray;
        ray.moveTo(50 + 28 * std::cos(a - side * 2), 50 + 28 * std::sin(a - side * 2));
        ray.lineTo(50 + 47 * std::cos(a), 50 + 47 * std::sin(a));
        ray.lineTo(50 + 28 * std::cos(a + side * 2), 50 + 28 * std::sin(a + side * 2));
        ray.closeSubpath();
        sun = sun.united(ray);
    }
    return sun.simplified();
}

QPainterPath sparklePath()
{
    QPainterPath big = starPath(4, 48, 11);
    QPainterPath small = QTransform().translate(78, 20).scale(0.3, 0.3).translate(-50, -50).map(starPath(4, 48, 12));
    return QTransform().translate(-6, 6).map(big).united(small).simplified();
}

QPainterPath cloverPath()
{
    QPainterPath clover;
    for (int i = 0; i < 3; ++i) {
        QPainterPath leaf = QTransform().translate(50, 44).rotate(i * 120.0).scale(0.42, 0.42).translate(-50, -92).map(heartPath());
        clover = clover.united(leaf);
    }
    QPainterPath stem;
    stem.moveTo(50, 50);
    stem.quadTo(54, 78, 66, 96);
    return clover.united(stroked(stem, 5)).simplified();
}

} // namespace

QPainterPath heartPath()
{
    QPainterPath heart;
    heart.moveTo(50, 92);
    heart.cubicTo(20, 70, 4, 50, 6, 30);
    heart.cubicTo(8, 12, 26, 4, 38, 10);
    heart.cubicTo(44, 13, 48, 18, 50, 24);
    heart.cubicTo(52, 18, 56, 13, 62, 10);
    heart.cubicTo(74, 4, 92, 12, 94, 30);
    heart.cubicTo(96, 50, 80, 70, 50, 92);
    heart.closeSubpath();
    return heart;
}

QPainterPath starPath(int points, double outer, double inner)
{
    QPainterPath star;
    for (int i = 0; i < points * 2; ++i) {
        const double a = -kPi / 2 + i * kPi / points;
        const double r = (i % 2) ? inner : outer;
        const QPointF p(50 + r * std::cos(a), 52 + r * std::sin(a));
        if (i == 0)
            star.moveTo(p);
        else
            star.lineTo(p);
    }
    star.closeSubpath();
    return star;
}

QPainterPath flowerPath()
{
    QPainterPath petals;
    for (int i = 0; i < 6; ++i)
        petals = petals.united(QTransform().translate(50, 50).rotate(i * 60.0).map(ellipseAt({0, -26}, 15, 24, 0)));
    // A thin gap sets the centre apart from the petals in every style.
    QPainterPath ring;
    ring.addEllipse(QPointF(50, 50), 13, 13);
    QPainterPath centre;
    centre.addEllipse(QPointF(50, 50), 10, 10);
    return petals.subtracted(ring).united(centre);
}

QPainterPath snowflakePath()
{
    QPainterPath arms;
    for (int i = 0; i < 6; ++i) {
        const QTransform turn = QTransform().translate(50, 50).rotate(i * 60.0);
        QPainterPath arm;
        arm.moveTo(0, 0);
        arm.lineTo(0, -44);
        arm.moveTo(0, -26);
        arm.lineTo(-12, -36);
        arm.moveTo(0, -26);
        arm.lineTo(12, -36);
        arm.moveTo(0, -12);
        arm.lineTo(-8, -20);
        arm.moveTo(0, -12);
        arm.lineTo(8, -20);
        arms.addPath(turn.map(arm));
    }
    return stroked(arms, 6);
}

QPainterPath leafPath()
{
    QPainterPath leaf;
    leaf.moveTo(14, 88);
    leaf.cubicTo(8, 46, 40, 12, 90, 8);
    leaf.cubicTo(88, 58, 54, 90, 14, 88);
    leaf.closeSubpath();
    QPainterPath vein;
    vein.moveTo(18, 84);
    vein.quadTo(42, 60, 76, 22);
    QPainterPath stem;
    stem.moveTo(6, 98);
    stem.lineTo(18, 84);
    return leaf.subtracted(stroked(vein, 3)).united(stroked(stem, 4));
}

QPainterPath fitted(const QPainterPath& path, const QRectF& box)
{
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    return QTransform()
        .translate(box.center().x(), box.center().y())
        .scale(scale, scale)
        .translate(-bounds.center().x(), -bounds.center().y())
        .map(path);
}

const std::vector<Motif>& motifs()
{
    static const std::vector<Motif> list{
        {"heart", heartPath},         {"star", [] { return starPath(); }}, {"flower", flowerPath},
        {"butterfly", butterflyPath}, {"crown", crownPath},                {"notes", notesPath},
        {"moon", moonPath},           {"snowflake", snowflakePath},        {"balloon", balloonPath},
        {"bow", bowPath},             {"sun", sunPath},                    {"sparkle", sparklePath},
        {"clover", cloverPath},       {"leaf", leafPath},
    };
    return list;
}

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage finished(const QImage& drawn) { return drawn.convertToFormat(QImage::Format_ARGB32); }

} // namespace montora::starter
