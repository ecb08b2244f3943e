#include "imaging/tint_picture.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace montora {

namespace {

constexpr int kHlsMax = 255;
constexpr int kRgbMax = 255;
constexpr int kUndefinedHue = kHlsMax * 2 / 3; // 170

double hueToChannel(double m1, double m2, double hue)
{
    if (hue > 360.0)
        hue -= 360.0;
    else if (hue < 0.0)
        hue += 360.0;
    if (hue < 60.0)
        return m1 + (m2 - m1) * hue / 60.0;
    if (hue < 180.0)
        return m2;
    if (hue < 240.0)
        return m1 + (m2 - m1) * (240.0 - hue) / 60.0;
    return m1;
}

int toByte(double unit) { return std::clamp(int(unit * 255.0), 0, 255); }

} // namespace

float TintPicture::brightnessFactor(int red, int green, int blue)
{
    // 0.0026246719 is the single-precision value nearest 1/381.
    return (float(red + green + blue) * 0.0026246719f - 1.0f) * 0.5f + 1.0f;
}

TintPicture::Hls TintPicture::rgbToHls(int red, int green, int blue)
{
    const int cMax = std::max({red, green, blue});
    const int cMin = std::min({red, green, blue});
    Hls hls;
    hls.lightness = ((cMax + cMin) * kHlsMax + kRgbMax) / (2 * kRgbMax);
    if (cMax == cMin) {
        hls.saturation = 0;
        hls.hue = kUndefinedHue;
        return hls;
    }
    const int spread = cMax - cMin;
    const int s = hls.lightness <= kHlsMax / 2 ? cMax + cMin : 2 * kRgbMax - cMax - cMin;
    hls.saturation = (spread * kHlsMax + s / 2) / s;
    const int redDelta = ((cMax - red) * (kHlsMax / 6) + spread / 2) / spread;
    const int greenDelta = ((cMax - green) * (kHlsMax / 6) + spread / 2) / spread;
    const int blueDelta = ((cMax - blue) * (kHlsMax / 6) + spread / 2) / spread;
    if (red == cMax)
        hls.hue = blueDelta - greenDelta;
    else if (green == cMax)
        hls.hue = kHlsMax / 3 + redDelta - blueDelta;
    else
        hls.hue = 2 * kHlsMax / 3 + greenDelta - redDelta;
    if (hls.hue < 0)
        hls.hue += kHlsMax;
    if (hls.hue > kHlsMax)
        hls.hue -= kHlsMax;
    return hls;
}

void TintPicture::hlsToRgb(const Hls& hls, int& red, int& green, int& blue)
{
    const double l = hls.lightness / 255.0;
    const double s = hls.saturation / 255.0;
    if (hls.saturation == 0) {
        red = green = blue = toByte(l);
        return;
    }
    const double hue = hls.hue * 360.0 / 255.0;
    const double m2 = l <= 0.5 ? l * (1.0 + s) : l + s - l * s;
    const double m1 = 2.0 * l - m2;
    red = toByte(hueToChannel(m1, m2, hue + 120.0));
    green = toByte(hueToChannel(m1, m2, hue));
    blue = toByte(hueToChannel(m1, m2, hue - 120.0));
}

void TintPicture::apply(std::uint8_t* pixels, int width, int height, std::uint32_t colorref)
{
    const int red = int(colorref & 0xFF);
    const int green = int((colorref >> 8) & 0xFF);
    const int blue = int((colorref >> 16) & 0xFF);
    const float factor = brightnessFactor(red, green, blue);
    const Hls tint = rgbToHls(red, green, blue);

    // After the grey step every pixel is grey, so its lightness is its grey value
    // and the recoloured pixel depends on that value alone.
    std::array<std::array<std::uint8_t, 3>, 256> recoloured;
    for (int value = 0; value < 256; ++value) {
        Hls hls = rgbToHls(value, value, value);
        hls.hue = tint.hue;
        hls.saturation = tint.saturation;
        int r, g, b;
        hlsToRgb(hls, r, g, b);
        recoloured[value] = {std::uint8_t(b), std::uint8_t(g), std::uint8_t(r)};
    }

    const qint64 count = qint64(width) * height;
    for (qint64 i = 0; i < count; ++i) {
        std::uint8_t* p = pixels + i * 4;
        const int grey = (p[0] + p[1] + p[2]) / 3;
        const int value = std::min(255, int(float(grey) * factor));
        p[0] = recoloured[value][0];
        p[1] = recoloured[value][1];
        p[2] = recoloured[value][2];
    }
}

QImage TintPicture::applied(const QImage& image, std::uint32_t colorref)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y)
        apply(result.scanLine(y), result.width(), 1, colorref);
    return result;
}

} // namespace montora
