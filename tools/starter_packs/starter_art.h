#pragma once

#include "library/frame_insets.h"

#include <QImage>
#include <QPainterPath>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

namespace montora::starter {

// Numbers from 0 to 1 in a fixed sequence, so that every build draws the same pictures.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : m_state(seed) {}
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / double(1u << 24);
    }

private:
    std::uint32_t m_state;
};

// Motifs shared by the decorations and the brushes, in a 100 x 100 box.
struct Motif {
    QString name;
    QPainterPath (*path)();
};
const std::vector<Motif>& motifs();
QPainterPath heartPath();
QPainterPath starPath(int points = 5, double outer = 48, double inner = 20);
QPainterPath flowerPath();
QPainterPath snowflakePath();
QPainterPath leafPath();
// `path` moved and scaled to fill `box`, keeping its proportions.
QPainterPath fitted(const QPainterPath& path, const QRectF& box);

// The six decoration styles, in the order of their library files.
constexpr int kStyleCount = 6;
std::vector<QImage> decorations(int style);

std::vector<QImage> brushes();

struct Frame {
    QImage picture;
    FrameInsets insets;
};
std::vector<Frame> frames();

// Each listed SVG drawn to fit `side` pixels, cropped to what it draws.
// Missing or unreadable files are errors, named in `error`.
std::vector<QImage> cliparts(const QString& svgRoot, const QStringList& names, int side, QString* error);

// A picture with its premultiplied drawing turned into plain ARGB.
QImage finished(const QImage& drawn);
QImage canvas(int width, int height);

} // namespace montora::starter
