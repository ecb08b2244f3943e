#pragma once

#include <QImage>

#include <cstdint>

namespace montora {

// Recolours a picture with a tint colour, as decoration pictures are drawn: each
// pixel becomes grey scaled by the colour's brightness, then takes the colour's
// hue and saturation while keeping its own lightness. Alpha is never changed.
class TintPicture {
public:
    struct Hls {
        int hue = 0;
        int lightness = 0;
        int saturation = 0;
        friend bool operator==(const Hls&, const Hls&) = default;
    };

    // Pixels are B,G,R,A bytes, rows of exactly width * 4 bytes. `colorref` is
    // 0x00BBGGRR.
    static void apply(std::uint8_t* pixels, int width, int height, std::uint32_t colorref);
    // The same on an ARGB32 picture (other formats are converted first).
    static QImage applied(const QImage& image, std::uint32_t colorref);

    // The integer RGB-to-HLS conversion on a 0-255 scale; hue 170 and saturation
    // 0 for greys.
    static Hls rgbToHls(int red, int green, int blue);
    // The floating-point way back; each channel truncated to 0-255.
    static void hlsToRgb(const Hls& hls, int& red, int& green, int& blue);
    static float brightnessFactor(int red, int green, int blue);
};

} // namespace montora
