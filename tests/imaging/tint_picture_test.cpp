#include "imaging/tint_picture.h"

#include <gtest/gtest.h>

#include <array>

using namespace montora;

namespace {

constexpr std::uint32_t colorref(int r, int g, int b) { return std::uint32_t(r | (g << 8) | (b << 16)); }

} // namespace

TEST(TintPicture, IntegerHlsOfPrimariesAndGreys)
{
    using Hls = TintPicture::Hls;
    EXPECT_EQ(TintPicture::rgbToHls(255, 0, 0), (Hls{0, 128, 255}));
    EXPECT_EQ(TintPicture::rgbToHls(0, 255, 0), (Hls{85, 128, 255}));
    EXPECT_EQ(TintPicture::rgbToHls(0, 0, 255), (Hls{170, 128, 255}));
    EXPECT_EQ(TintPicture::rgbToHls(255, 255, 255), (Hls{170, 255, 0}));
    EXPECT_EQ(TintPicture::rgbToHls(0, 0, 0), (Hls{170, 0, 0}));
    EXPECT_EQ(TintPicture::rgbToHls(120, 120, 120), (Hls{170, 120, 0}));
    // The colour control's 0x3C78C8 (red 200, green 120, blue 60): lightness above the middle.
    EXPECT_EQ(TintPicture::rgbToHls(200, 120, 60), (Hls{18, 130, 143}));
}

TEST(TintPicture, BrightnessFactorRunsFromHalfToAboutOneAndAHalf)
{
    EXPECT_FLOAT_EQ(TintPicture::brightnessFactor(0, 0, 0), 0.5f);
    EXPECT_NEAR(TintPicture::brightnessFactor(255, 255, 255), 1.504f, 0.0005f);
}

TEST(TintPicture, WhiteMakesAPlainGreyPictureAndKeepsAlpha)
{
    // B, G, R, A
    std::array<std::uint8_t, 12> pixels = {100, 100, 100, 37, 10, 200, 60, 0, 250, 250, 250, 255};
    TintPicture::apply(pixels.data(), 3, 1, colorref(255, 255, 255));
    // grey 100 * 1.5039 = 150; (10 + 200 + 60) / 3 = 90 -> 135; 250 -> capped at 255.
    EXPECT_EQ(pixels, (std::array<std::uint8_t, 12>{150, 150, 150, 37, 135, 135, 135, 0, 255, 255, 255, 255}));
}

TEST(TintPicture, ColourTakesTheTintsHueAndSaturation)
{
    // Pure red: factor (255 * 0.0026246719 - 1) / 2 + 1 = 0.8346; grey 170 -> 141,
    // lightness 141 with hue 0 and full saturation -> (255, 27, 27).
    std::array<std::uint8_t, 4> pixel = {170, 170, 170, 200};
    TintPicture::apply(pixel.data(), 1, 1, colorref(255, 0, 0));
    EXPECT_EQ(pixel, (std::array<std::uint8_t, 4>{27, 27, 255, 200}));

    // Black halves the grey and, having no saturation, keeps it grey.
    pixel = {0, 100, 200, 9};
    TintPicture::apply(pixel.data(), 1, 1, colorref(0, 0, 0));
    EXPECT_EQ(pixel, (std::array<std::uint8_t, 4>{50, 50, 50, 9}));
}

TEST(TintPicture, HlsBackToRgbTruncates)
{
    int r, g, b;
    // m1 * 255 comes out a hair below 1 and truncates to 0.
    TintPicture::hlsToRgb({85, 128, 255}, r, g, b);
    EXPECT_EQ((std::array<int, 3>{r, g, b}), (std::array<int, 3>{0, 255, 0}));
    TintPicture::hlsToRgb({170, 64, 0}, r, g, b);
    EXPECT_EQ((std::array<int, 3>{r, g, b}), (std::array<int, 3>{64, 64, 64}));
}

TEST(TintPicture, AppliedWorksOnAnyFormat)
{
    QImage rgb(2, 1, QImage::Format_RGB888);
    rgb.fill(QColor(100, 100, 100));
    const QImage tinted = TintPicture::applied(rgb, colorref(255, 255, 255));
    EXPECT_EQ(tinted.format(), QImage::Format_ARGB32);
    EXPECT_EQ(tinted.pixel(1, 0), qRgba(150, 150, 150, 255));
}
