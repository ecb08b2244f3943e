#include "coverage.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace montora::maskpack {

Coverage::Coverage(int width, int height)
    : m_width(width), m_height(height), m_values(std::size_t(width) * height, 0.0f)
{
}

Coverage Coverage::fromPath(const QPainterPath& path, int width, int height)
{
    QImage canvas(width, height, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPath(path);
    }
    Coverage coverage(width, height);
    for (int y = 0; y < height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < width; ++x)
            coverage.at(x, y) = 1.0f - float(qRed(row[x])) / 255.0f;
    }
    return coverage;
}

Coverage Coverage::fromFunction(int width, int height, const std::function<float(float, float)>& f)
{
    Coverage coverage(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            coverage.at(x, y) = std::clamp(f(float(x) + 0.5f, float(y) + 0.5f), 0.0f, 1.0f);
    return coverage;
}

void Coverage::boxBlur(int radius, bool horizontal)
{
    const int length = horizontal ? m_width : m_height;
    const int lines = horizontal ? m_height : m_width;
    std::vector<float> line(static_cast<std::size_t>(length));
    const float scale = 1.0f / float(2 * radius + 1);
    for (int l = 0; l < lines; ++l) {
        auto value = [&](int i) -> float& { return horizontal ? at(i, l) : at(l, i); };
        for (int i = 0; i < length; ++i)
            line[std::size_t(i)] = value(i);
        auto sample = [&](int i) { return line[std::size_t(std::clamp(i, 0, length - 1))]; };
        float sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += sample(i);
        for (int i = 0; i < length; ++i) {
            value(i) = sum * scale;
            sum += sample(i + radius + 1) - sample(i - radius);
        }
    }
}

void Coverage::soften(float radius)
{
    // Three passes of a box of width w give a Gaussian of sigma^2 = (w^2 - 1) / 4.
    const int box = std::max(0, int(std::lround((std::sqrt(4.0f * radius * radius + 1.0f) - 1.0f) / 2.0f)));
    if (box == 0)
        return;
    for (int pass = 0; pass < 3; ++pass) {
        boxBlur(box, true);
        boxBlur(box, false);
    }
}

QImage Coverage::toMaskPicture() const
{
    QImage picture(m_width, m_height, QImage::Format_ARGB32);
    for (int y = 0; y < m_height; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < m_width; ++x) {
            const int grey = std::clamp(int(std::lround(255.0f * (1.0f - at(x, y)))), 0, 255);
            row[x] = qRgba(grey, grey, grey, 255);
        }
    }
    return picture;
}

std::uint32_t SeededRandom::next()
{
    // xorshift32
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

float SeededRandom::uniform() { return float(next() >> 8) / float(1u << 24); }

ValueNoise::ValueNoise(std::uint32_t seed) : m_table(256 * 256)
{
    SeededRandom random(seed);
    for (float& v : m_table)
        v = random.uniform() * 2.0f - 1.0f;
}

float ValueNoise::lattice(int x, int y) const { return m_table[std::size_t((y & 255) * 256 + (x & 255))]; }

namespace {

float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

} // namespace

float ValueNoise::at(float x) const { return at(x, 0.37f); }

float ValueNoise::at(float x, float y) const
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const float tx = smooth(x - fx), ty = smooth(y - fy);
    const float top = lattice(ix, iy) + (lattice(ix + 1, iy) - lattice(ix, iy)) * tx;
    const float bottom = lattice(ix, iy + 1) + (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

float ValueNoise::fractal(float x, float y, int octaves) const
{
    float sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * at(x, y);
        total += weight;
        weight *= 0.5f;
        x *= 2.0f;
        y *= 2.0f;
    }
    return sum / total;
}

} // namespace montora::maskpack
