#include "imaging/color_matrix_ops.h"
#include "imaging/tone_matrix.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace montora;

namespace {

ToneSettings sliders(int contrast = 100, int brightness = 100, int saturation = 100, int hue = 18000,
                     int gamma = 100, int colour = 18000)
{
    return ToneSettings::fromSliders(contrast, brightness, saturation, hue, gamma, colour, true);
}

QImage onePixel(QRgb argb)
{
    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, argb);
    return image;
}

QRgb toned(QRgb argb, const ToneMatrix& tone) { return tone.apply(onePixel(argb)).pixel(0, 0); }

} // namespace

TEST(ColorMatrixOps, PrependActsFirstAndAppendLast)
{
    // Scale by 2 then add 0.1 (prepended scale) differs from add then scale.
    ColorMatrixOps m;
    m.offsetChannels(0.1f, 0.1f, 0.1f, 0.0f, MatrixOrder::Append);
    m.scaleChannels(2.0f, 2.0f, 2.0f, 1.0f, MatrixOrder::Prepend);
    EXPECT_FLOAT_EQ(m.mapVector({0.25f, 0.25f, 0.25f, 1.0f})[0], 0.6f);

    ColorMatrixOps n;
    n.offsetChannels(0.1f, 0.1f, 0.1f, 0.0f, MatrixOrder::Append);
    n.scaleChannels(2.0f, 2.0f, 2.0f, 1.0f, MatrixOrder::Append);
    EXPECT_FLOAT_EQ(n.mapVector({0.25f, 0.25f, 0.25f, 1.0f})[0], 0.7f);
}

TEST(ColorMatrixOps, RotationsTurnTheNamedPlanes)
{
    ColorMatrixOps blue; // about blue: red towards green
    blue.rotateAboutBlue(90.0f, MatrixOrder::Append);
    const auto v = blue.mapVector({1.0f, 0.0f, 0.0f, 1.0f});
    EXPECT_NEAR(v[0], 0.0f, 1e-6);
    EXPECT_NEAR(std::abs(v[1]), 1.0f, 1e-6);
    EXPECT_NEAR(v[2], 0.0f, 1e-6);

    ColorMatrixOps red; // about red: leaves red alone
    red.rotateAboutRed(33.0f, MatrixOrder::Append);
    EXPECT_NEAR(red.mapVector({1.0f, 0.0f, 0.0f, 1.0f})[0], 1.0f, 1e-6);
    EXPECT_NEAR(red.mapVector({1.0f, 0.0f, 0.0f, 1.0f})[1], 0.0f, 1e-6);
}

TEST(ColorMatrixOps, CombineLeavesTheFifthColumn)
{
    ColorMatrixOps m;
    m.set(2, 4, 0.5f);
    m.scaleChannels(3.0f, 3.0f, 3.0f, 3.0f, MatrixOrder::Append);
    EXPECT_FLOAT_EQ(m.at(2, 4), 0.5f);
    EXPECT_FLOAT_EQ(m.at(4, 4), 1.0f);
}

TEST(ColorMatrixOps, HueRotationKeepsGreyAndLuminance)
{
    // The helpers turn by 35 degrees rather than the grey axis's 35.26, so grey drifts
    // by a little under two levels in 255.
    ColorMatrixOps m;
    m.applyHueRotation(120.0f);
    const auto grey = m.mapVector({0.5f, 0.5f, 0.5f, 1.0f});
    EXPECT_NEAR(grey[0], 0.5f, 0.008);
    EXPECT_NEAR(grey[1], 0.5f, 0.008);
    EXPECT_NEAR(grey[2], 0.5f, 0.008);

    const auto red = m.mapVector({1.0f, 0.0f, 0.0f, 1.0f});
    EXPECT_NEAR(0.3086f * red[0] + 0.6094f * red[1] + 0.0820f * red[2], 0.3086f, 2e-3);
    EXPECT_LT(red[0], 0.5f); // the hue really moved
}

TEST(ColorMatrixOps, HueHelpersAreBuiltOnceForAllThreads)
{
    std::vector<const ColorMatrixOps*> seen(8);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&seen, i] { seen[i] = &ColorMatrixOps::hueEntry(); });
    for (auto& thread : threads)
        thread.join();
    for (const ColorMatrixOps* helper : seen)
        EXPECT_EQ(helper, seen.front());
    // Entry followed by exit is the identity.
    ColorMatrixOps roundTrip = ColorMatrixOps::hueEntry();
    roundTrip.combine(ColorMatrixOps::hueExit(), MatrixOrder::Append);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(roundTrip.at(i, j), i == j ? 1.0f : 0.0f, 1e-5) << i << "," << j;
}

TEST(ToneMatrix, SliderDefaultsChangeNoPixel)
{
    const ToneSettings tone = sliders();
    EXPECT_FLOAT_EQ(tone.contrast, 1.0f);
    EXPECT_FLOAT_EQ(tone.brightness, 0.0f);
    EXPECT_FLOAT_EQ(tone.saturation, 1.0f);
    EXPECT_FLOAT_EQ(tone.hue, 0.0f);
    EXPECT_FLOAT_EQ(tone.colour, 0.0f);
    EXPECT_FLOAT_EQ(tone.gamma, 1.0f);

    const QImage picture = test::seededImage(61, 37, 5, true);
    const QImage result = ToneMatrix::forItem(1.0f, tone).apply(picture);
    EXPECT_EQ(test::maxChannelDifference(result, picture.convertToFormat(QImage::Format_ARGB32)), 0);
}

TEST(ToneMatrix, SaturationZeroMakesGreyWithTheLuminanceWeights)
{
    const ToneMatrix tone = ToneMatrix::forItem(1.0f, sliders(100, 100, 0));
    for (QRgb colour : {qRgb(200, 30, 90), qRgb(10, 250, 0), qRgb(0, 0, 255)}) {
        const QRgb out = toned(colour, tone);
        const double grey = 0.3086 * qRed(colour) + 0.6094 * qGreen(colour) + 0.0820 * qBlue(colour);
        EXPECT_NEAR(qRed(out), grey, 1.0);
        EXPECT_NEAR(qGreen(out), grey, 1.0);
        EXPECT_NEAR(qBlue(out), grey, 1.0);
    }
}

TEST(ToneMatrix, BrightnessExtremesGiveWhiteAndBlack)
{
    EXPECT_EQ(toned(qRgb(20, 120, 240), ToneMatrix::forItem(1.0f, sliders(100, 200))), qRgb(255, 255, 255));
    EXPECT_EQ(toned(qRgb(20, 120, 240), ToneMatrix::forItem(1.0f, sliders(100, 0))), qRgb(0, 0, 0));
}

TEST(ToneMatrix, ContrastIsAPlainScaleAndBrightnessComesAfterIt)
{
    // contrast 2, brightness +0.1: 0.25 -> 0.6, not (0.25 + 0.1) x 2.
    const QRgb out = toned(qRgb(64, 64, 64), ToneMatrix::forItem(1.0f, sliders(200, 110)));
    EXPECT_NEAR(qRed(out), 0.6 * 255 + 0.5, 1.5);
}

TEST(ToneMatrix, GammaFloorsAfterTheMatrix)
{
    EXPECT_EQ(ToneMatrix::gammaTable(3.0f)[0x80], 0x20);
    EXPECT_EQ(ToneMatrix::gammaTable(1.0f)[3], 3);
    for (int v = 0; v < 256; ++v)
        EXPECT_EQ(ToneMatrix::gammaTable(1.0f)[size_t(v)], v);
    const QRgb out = toned(qRgba(0x80, 0x80, 0x80, 0x80), ToneMatrix::forItem(1.0f, sliders(100, 100, 100, 18000, 300)));
    EXPECT_EQ(qRed(out), 0x20);
    EXPECT_EQ(qAlpha(out), 0x80); // gamma leaves alpha alone
}

TEST(ToneMatrix, OpacityScalesAlphaOnlyAndDisabledTuningIsIgnored)
{
    ToneSettings tone = sliders(400, 200, 0);
    tone.enabled = 0;
    const ToneMatrix matrix = ToneMatrix::forItem(0.5f, tone);
    EXPECT_TRUE(matrix.onlyScalesAlpha());
    EXPECT_FALSE(matrix.hasGamma());
    const QRgb out = toned(qRgba(10, 20, 30, 200), matrix);
    EXPECT_EQ(out, qRgba(10, 20, 30, 100));
}

TEST(ToneMatrix, ColourRotationsActBeforeTheOffset)
{
    // A colour turn of 36 degrees on pure grey leaves it grey only up to the
    // rotation's own mixing; with brightness added after it, black becomes the offset.
    const QRgb out = toned(qRgb(0, 0, 0), ToneMatrix::forItem(1.0f, sliders(100, 150, 100, 18000, 100, 36000)));
    EXPECT_NEAR(qRed(out), 128, 1);
    EXPECT_NEAR(qGreen(out), 128, 1);
    EXPECT_NEAR(qBlue(out), 128, 1);
}
