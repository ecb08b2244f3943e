// Brush stamps: the canvas paints them in the user's colour, so only their shape
// and alpha count. They are drawn dark so the brush strip shows them clearly.
#include "starter_art.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>

namespace montora::starter {

namespace {

constexpr int kSide = 64;
const QColor kInk(40, 40, 40);

QImage stamp(const std::function<void(QPainter&)>& draw)
{
    QImage image = canvas(kSide, kSide);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    draw(p);
    p.end();
    return finished(image);
}

QImage motifStamp(QPainterPath (*path)())
{
    return stamp([path](QPainter& p) { p.drawPath(fitted(path(), QRectF(4, 4, kSide - 8, kSide - 8))); });
}

} // namespace

std::vector<QImage> brushes()
{
    std::vector<QImage> list;
    list.push_back(stamp([](QPainter& p) {
        QRadialGradient soft(QPointF(32, 32), 30);
        soft.setColorAt(0, kInk);
        soft.setColorAt(1, QColor(40, 40, 40, 0));
        p.setBrush(soft);
        p.drawEllipse(QPointF(32, 32), 30, 30);
    }));
    list.push_back(stamp([](QPainter& p) { p.drawEllipse(QPointF(32, 32), 26, 26); }));
    list.push_back(stamp([](QPainter& p) {
        Scatter rnd(7);
        for (int i = 0; i < 900; ++i) {
            const double a = rnd.next() * 6.2831853, r = std::sqrt(rnd.next()) * 28;
            p.setBrush(QColor(40, 40, 40, 60 + int(rnd.next() * 160)));
            p.drawEllipse(QPointF(32 + r * std::cos(a), 32 + r * std::sin(a)), 1.1, 1.1);
        }
    }));
    for (const char* name : {"heart", "star", "sparkle", "flower", "snowflake", "leaf", "butterfly", "notes", "moon"})
        for (const Motif& motif : motifs())
            if (motif.name == QLatin1String(name))
                list.push_back(motifStamp(motif.path));
    list.push_back(stamp([](QPainter& p) {
        p.drawEllipse(QPointF(32, 42), 13, 11);
        for (QPointF toe : {QPointF(15, 27), QPointF(25, 15), QPointF(39, 15), QPointF(49, 27)})
            p.drawEllipse(toe, 6, 7.5);
    }));
    list.push_back(stamp([](QPainter& p) {
        Scatter rnd(11);
        for (int i = 0; i < 14; ++i) {
            const QPointF at(8 + rnd.next() * 48, 8 + rnd.next() * 48);
            p.save();
            p.translate(at);
            p.rotate(rnd.next() * 180);
            if (i % 3 == 0)
                p.drawEllipse(QPointF(0, 0), 3.2, 3.2);
            else
                p.drawRect(QRectF(-4.5, -2, 9, 4));
            p.restore();
        }
    }));
    list.push_back(stamp([](QPainter& p) {
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 9; ++i) {
            const double x = 10 + i * 5.5;
            QPainterPath blade;
            blade.moveTo(x, 60);
            blade.quadTo(x + (i % 2 ? 6 : -6), 38, x + (i - 4) * 2.2, 10 + (i % 3) * 8);
            p.setBrush(Qt::NoBrush);
            p.drawPath(blade);
        }
    }));
    list.push_back(stamp([](QPainter& p) {
        Scatter rnd(5);
        p.drawEllipse(QPointF(32, 32), 15, 14);
        for (int i = 0; i < 16; ++i) {
            const double a = rnd.next() * 6.2831853, r = 17 + rnd.next() * 12;
            p.drawEllipse(QPointF(32 + r * std::cos(a), 32 + r * std::sin(a)), 1.5 + rnd.next() * 3, 1.5 + rnd.next() * 3);
        }
    }));
    return list;
}

} // namespace montora::starter
