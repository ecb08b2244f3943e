#include "imaging/resampler.h"

#include <algorithm>

namespace montora {

void Resampler::resampleBilinear(const std::uint8_t* source, std::uint8_t* destination, int sourceWidth,
                                 int sourceHeight, int width, int height, int n, FlipAndSwap flip)
{
    if (!source || !destination || sourceWidth <= 0 || sourceHeight <= 0 || width <= 0 || height <= 0 || n <= 0)
        return;
    const std::int64_t W = width;
    const std::int64_t H = height;
    const std::int64_t half = W * H / 2;
    const std::int64_t area = W * H;
    const std::int64_t sourceRow = std::int64_t(sourceWidth) * n;
    const bool swapBytes = flip == FlipAndSwap::Yes && n == 3;

    for (std::int64_t i = 0; i < H; ++i) {
        const std::int64_t sy = i * sourceHeight;
        const std::int64_t y0 = sy / H;
        const std::int64_t fy = sy % H;
        const std::int64_t y1 = fy == 0 ? y0 : std::min<std::int64_t>(y0 + 1, sourceHeight - 1);
        const std::uint8_t* rowA = source + y0 * sourceRow;
        const std::uint8_t* rowB = source + y1 * sourceRow;
        const std::int64_t outRow = flip == FlipAndSwap::Yes ? H - 1 - i : i;
        std::uint8_t* out = destination + outRow * W * n;
        const std::int64_t v = H - fy;

        for (std::int64_t j = 0; j < W; ++j, out += n) {
            const std::int64_t sx = j * sourceWidth;
            const std::int64_t x0 = sx / W;
            const std::int64_t u = sx % W;
            const std::int64_t x1 = u == 0 ? x0 : std::min<std::int64_t>(x0 + 1, sourceWidth - 1);
            for (int k = 0; k < n; ++k) {
                const std::int64_t p00 = rowA[x0 * n + k];
                const std::int64_t p01 = rowA[x1 * n + k];
                const std::int64_t p10 = rowB[x0 * n + k];
                const std::int64_t p11 = rowB[x1 * n + k];
                const std::int64_t value =
                    (half + W * v * p01 + (W - u) * (H * p10 + (p00 + p11 - p01 - p10) * v) + (H * u - W * v) * p11)
                    / area;
                out[swapBytes ? n - 1 - k : k] = std::uint8_t(std::clamp<std::int64_t>(value, 0, 255));
            }
        }
    }
}

QSize Resampler::fitSize(int width, int height, int boxWidth, int boxHeight, Enlarge enlarge)
{
    if (width == 0 || height == 0 || boxWidth == 0 || boxHeight == 0)
        return QSize(0, 0);
    if (boxWidth < width || boxHeight < height || enlarge == Enlarge::Yes) {
        if (double(boxWidth) / double(boxHeight) < double(width) / double(height))
            return QSize(boxWidth, int(std::int64_t(height) * boxWidth / width));
        return QSize(int(std::int64_t(width) * boxHeight / height), boxHeight);
    }
    return QSize(width, height);
}

} // namespace montora
