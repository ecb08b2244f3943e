#include "imaging/cubic_resampler.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace montora {

namespace {

struct Taps {
    std::array<int, 4> index;
    std::array<float, 4> weight;
};

float catmullRom(float x)
{
    x = std::abs(x);
    if (x < 1.0f)
        return 1.5f * x * x * x - 2.5f * x * x + 1.0f;
    if (x < 2.0f)
        return -0.5f * x * x * x + 2.5f * x * x - 4.0f * x + 2.0f;
    return 0.0f;
}

std::vector<Taps> tapsFor(int sourceLength, int length)
{
    std::vector<Taps> taps(static_cast<size_t>(length));
    const float ratio = float(sourceLength) / float(length);
    for (int i = 0; i < length; ++i) {
        const float centre = (float(i) + 0.5f) * ratio - 0.5f;
        const int first = int(std::floor(centre)) - 1;
        Taps& t = taps[size_t(i)];
        for (int k = 0; k < 4; ++k) {
            t.index[size_t(k)] = std::clamp(first + k, 0, sourceLength - 1);
            t.weight[size_t(k)] = catmullRom(centre - float(first + k));
        }
    }
    return taps;
}

// One premultiplied pixel as four floats, in memory order of the channels of a QRgb.
using Pixel = std::array<float, 4>;

Pixel unpack(QRgb p) { return {float(qBlue(p)), float(qGreen(p)), float(qRed(p)), float(qAlpha(p))}; }

QRgb pack(const Pixel& p)
{
    // Premultiplied: a colour channel may not exceed alpha, and Catmull-Rom overshoots.
    const auto channel = [](float v, float high) { return int(std::clamp(std::lround(v), 0L, long(high))); };
    const int a = channel(p[3], 255.0f);
    return qRgba(channel(p[2], float(a)), channel(p[1], float(a)), channel(p[0], float(a)), a);
}

} // namespace

QImage CubicResampler::resize(const QImage& image, const QSize& size)
{
    if (image.isNull() || size.isEmpty())
        return QImage();
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int sw = source.width(), sh = source.height();
    const std::vector<Taps> across = tapsFor(sw, size.width());
    const std::vector<Taps> down = tapsFor(sh, size.height());

    // Rows first into a float buffer of width x source height, then columns.
    std::vector<Pixel> rows(size_t(size.width()) * size_t(sh));
    for (int y = 0; y < sh; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const Taps& t = across[size_t(x)];
            Pixel sum{};
            for (size_t k = 0; k < 4; ++k) {
                const Pixel p = unpack(line[t.index[k]]);
                for (size_t c = 0; c < 4; ++c)
                    sum[c] += p[c] * t.weight[k];
            }
            rows[size_t(y) * size_t(size.width()) + size_t(x)] = sum;
        }
    }
    QImage result(size, QImage::Format_ARGB32_Premultiplied);
    if (result.isNull())
        return result;
    for (int y = 0; y < size.height(); ++y) {
        const Taps& t = down[size_t(y)];
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            Pixel sum{};
            for (size_t k = 0; k < 4; ++k) {
                const Pixel& p = rows[size_t(t.index[k]) * size_t(size.width()) + size_t(x)];
                for (size_t c = 0; c < 4; ++c)
                    sum[c] += p[c] * t.weight[k];
            }
            line[x] = pack(sum);
        }
    }
    return result;
}

} // namespace montora
