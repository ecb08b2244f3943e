#pragma once

#include <QImage>
#include <QPainterPath>

#include <cstdint>
#include <functional>
#include <vector>

namespace montora::maskpack {

// How much of each pixel the mask's shape covers (0 outside, 1 inside), as the
// mask pictures are drawn: the shape black, the surroundings white.
class Coverage {
public:
    Coverage(int width, int height);

    static Coverage fromPath(const QPainterPath& path, int width, int height);
    // Coverage from a function of the pixel centre, already in 0..1.
    static Coverage fromFunction(int width, int height, const std::function<float(float x, float y)>& f);

    int width() const { return m_width; }
    int height() const { return m_height; }
    float at(int x, int y) const { return m_values[std::size_t(y) * m_width + x]; }
    float& at(int x, int y) { return m_values[std::size_t(y) * m_width + x]; }

    // Softens the edge: three box blurs approximate a Gaussian of about `radius` pixels.
    void soften(float radius);
    // The grey-scale mask: black (0) where covered, white (255) around, alpha 255.
    QImage toMaskPicture() const;

private:
    void boxBlur(int radius, bool horizontal);

    int m_width;
    int m_height;
    std::vector<float> m_values;
};

// Deterministic pseudo-random numbers, the same on every machine and build.
class SeededRandom {
public:
    explicit SeededRandom(std::uint32_t seed) : m_state(seed ? seed : 1) {}
    std::uint32_t next();
    float uniform(); // [0, 1)
    float between(float low, float high) { return low + (high - low) * uniform(); }

private:
    std::uint32_t m_state;
};

// Smooth 1-D and 2-D value noise in -1..1 with a period of about one unit.
class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t seed);
    float at(float x) const;
    float at(float x, float y) const;
    // Several octaves, each half as strong and twice as fine.
    float fractal(float x, float y, int octaves) const;

private:
    float lattice(int x, int y) const;
    std::vector<float> m_table;
};

} // namespace montora::maskpack
