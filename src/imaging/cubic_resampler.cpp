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

QRgb pack(const float* p)
{
    // Premultiplied: a colour channel may not exceed alpha, and Catmull-Rom overshoots.
    const float a = std::clamp(p[3], 0.0f, 255.0f);
    const auto channel = [a](float v) { return int(std::clamp(v, 0.0f, a) + 0.5f); };
    return qRgba(channel(p[0]), channel(p[1]), channel(p[2]), int(a + 0.5f));
}

} // namespace

QImage CubicResampler::resize(const QImage& image, const QSize& size)
{
    if (image.isNull() || size.isEmpty())
        return QImage();
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int sw = source.width(), sh = source.height();
    const size_t width = size_t(size.width());
    const std::vector<Taps> across = tapsFor(sw, size.width());
    const std::vector<Taps> down = tapsFor(sh, size.height());

    // Rows first, into floats (red, green, blue, alpha) of width x source height.
    std::vector<float> rows(width * size_t(sh) * 4);
    std::vector<float> line(size_t(sw) * 4);
    for (int y = 0; y < sh; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < sw; ++x) {
            float* p = &line[size_t(x) * 4];
            p[0] = float(qRed(pixels[x]));
            p[1] = float(qGreen(pixels[x]));
            p[2] = float(qBlue(pixels[x]));
            p[3] = float(qAlpha(pixels[x]));
        }
        float* out = &rows[size_t(y) * width * 4];
        for (size_t x = 0; x < width; ++x) {
            const Taps& t = across[x];
            for (size_t k = 0; k < 4; ++k) {
                const float* p = &line[size_t(t.index[k]) * 4];
                for (size_t c = 0; c < 4; ++c)
                    out[x * 4 + c] += p[c] * t.weight[k];
            }
        }
    }
    // Then columns: each output row is a weighted sum of four of those rows.
    QImage result(size, QImage::Format_ARGB32_Premultiplied);
    if (result.isNull())
        return result;
    std::vector<float> sum(width * 4);
    for (int y = 0; y < size.height(); ++y) {
        const Taps& t = down[size_t(y)];
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (size_t k = 0; k < 4; ++k) {
            const float* row = &rows[size_t(t.index[k]) * width * 4];
            const float w = t.weight[k];
            for (size_t i = 0; i < width * 4; ++i)
                sum[i] += row[i] * w;
        }
        auto* pixels = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (size_t x = 0; x < width; ++x)
            pixels[x] = pack(&sum[x * 4]);
    }
    return result;
}

} // namespace montora
