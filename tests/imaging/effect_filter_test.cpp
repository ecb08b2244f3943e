#include "imaging/effect_filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using namespace montora;
using Kind = EffectFilter::Kind;

namespace {

// Red varies (these are the hand-computed values below); green and blue are flat, so
// every effect must leave them as a flat picture of that effect gives.
constexpr int kRed[3][4] = {
    {0, 10, 20, 200},
    {40, 100, 60, 0},
    {80, 30, 250, 90},
};
constexpr int kGreen = 77;
constexpr int kBlue = 200;

QImage knownPicture()
{
    QImage picture(4, 3, QImage::Format_RGB888);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            picture.setPixel(x, y, qRgb(kRed[y][x], kGreen, kBlue));
    return picture;
}

QImage randomPicture(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    QImage picture(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width * 3; ++x)
            picture.scanLine(y)[x] = uchar(random() & 0xFF);
    return picture;
}

QImage filtered(Kind kind, const QImage& picture, int threads = 0)
{
    EffectFilter::Options options;
    options.threads = threads;
    Result<QImage> result = EffectFilter::apply(kind, picture, options);
    EXPECT_TRUE(result) << result.message().toStdString();
    return result ? *result : QImage();
}

struct Expected {
    int x, y, red;
};

} // namespace

TEST(EffectFilter, EachEffectGivesTheHandComputedPixelsInsideAndAtTheBorder)
{
    struct Case {
        Kind kind;
        std::vector<Expected> pixels;
        int flatGreen; // what a flat 77 becomes
    };
    const std::vector<Case> cases = {
        // The pixel, its left neighbour and the two below; missing ones are edge copies.
        {Kind::Erode, {{1, 1, 30}, {0, 0, 0}, {3, 2, 90}}, kGreen},
        {Kind::Dilate, {{1, 1, 100}, {0, 2, 80}, {3, 2, 250}}, kGreen},
        {Kind::Edge, {{1, 1, 255 - (100 - 30)}, {3, 2, 255 - (250 - 90)}}, 255},
        // 0 10 20 40 [100] 60 80 30 250; at the corner 0 0 10 / 0 [0] 10 / 40 40 100.
        {Kind::Median, {{1, 1, 40}, {0, 0, 10}}, kGreen},
        {Kind::Contour, {{1, 1, 255 - (250 - 100)}, {3, 0, 255}}, 255},
        // Upper-left minus lower-right plus 127.
        {Kind::Emboss, {{2, 1, 10 - 90 + 127}, {3, 2, 60 - 90 + 127}, {0, 0, 0 - 100 + 127}, {1, 1, 0}}, 127},
        // 15 x 100 - 490 = 1010 / 7; at (0, 2): 15 x 80 - 480 = 720 / 7.
        {Kind::Sharpen, {{1, 1, 144}, {0, 2, 102}}, kGreen},
        // 3290 / 52 with rows and columns clamped two pixels out.
        {Kind::Blur, {{1, 1, 63}}, kGreen},
        // 350 + 2 x 140 + 400 = 1030 / 16; at the corner 400 + 2 x 430 + 360 = 1620 / 16.
        {Kind::Gaussian, {{1, 1, 64}, {3, 2, 101}}, kGreen},
        {Kind::Mean, {{1, 1, 590 / 9}}, kGreen},
        {Kind::Soften, {{1, 1, (490 + 800) / 16}}, kGreen},
    };
    const QImage picture = knownPicture();
    for (const Case& each : cases) {
        const QImage result = filtered(each.kind, picture);
        ASSERT_EQ(result.size(), picture.size());
        const char* name = EffectFilter::entries()[size_t(each.kind)].name;
        for (const Expected& pixel : each.pixels)
            EXPECT_EQ(qRed(result.pixel(pixel.x, pixel.y)), pixel.red) << name << " at " << pixel.x << "," << pixel.y;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x) {
                ASSERT_EQ(qGreen(result.pixel(x, y)), each.flatGreen) << name << " green at " << x << "," << y;
                ASSERT_EQ(qBlue(result.pixel(x, y)), each.kind == Kind::Emboss        ? 127
                                                     : each.flatGreen == 255 ? 255
                                                                             : kBlue)
                    << name << " blue";
            }
    }
}

TEST(EffectFilter, MedianIsThatOfTheNineClampedNeighboursEverywhere)
{
    const QImage picture = randomPicture(37, 23, 5);
    const QImage result = filtered(Kind::Median, picture);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            for (int channel = 0; channel < 3; ++channel) {
                std::vector<int> values;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int sx = std::clamp(x + dx, 0, picture.width() - 1);
                        const int sy = std::clamp(y + dy, 0, picture.height() - 1);
                        values.push_back(picture.constScanLine(sy)[sx * 3 + channel]);
                    }
                std::nth_element(values.begin(), values.begin() + 4, values.end());
                ASSERT_EQ(result.constScanLine(y)[x * 3 + channel], values[4]) << x << "," << y;
            }
}

TEST(EffectFilter, NoiseMovesEachChannelByAtMostTwentyFiveAndStaysInRange)
{
    QImage picture(64, 40, QImage::Format_RGB888);
    picture.fill(qRgb(0, 128, 255));
    const QImage result = filtered(Kind::Noise, picture);
    int changed = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = result.pixel(x, y);
            EXPECT_LE(qRed(pixel), 25);
            EXPECT_GE(qBlue(pixel), 230);
            EXPECT_LE(std::abs(qGreen(pixel) - 128), 25);
            changed += qGreen(pixel) != 128;
        }
    EXPECT_GT(changed, picture.width() * picture.height() * 9 / 10);
}

TEST(EffectFilter, JitterTakesEveryPixelFromWithinTwoPixelsInsideThePicture)
{
    // Each pixel names its own place, so the output says where it came from.
    QImage picture(30, 20, QImage::Format_RGB888);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            picture.setPixel(x, y, qRgb(x, y, 9));
    const QImage result = filtered(Kind::Jitter, picture);
    int moved = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) {
            const QRgb pixel = result.pixel(x, y);
            ASSERT_EQ(qBlue(pixel), 9);
            ASSERT_LE(std::abs(qRed(pixel) - x), 2);
            ASSERT_LE(std::abs(qGreen(pixel) - y), 2);
            moved += qRed(pixel) != x || qGreen(pixel) != y;
        }
    EXPECT_GT(moved, 300);
}

TEST(EffectFilter, AnyNumberOfThreadsGivesTheSamePicture)
{
    const QImage picture = randomPicture(53, 71, 11);
    for (const EffectFilter::Entry& entry : EffectFilter::entries())
        EXPECT_EQ(filtered(entry.kind, picture, 1), filtered(entry.kind, picture, 3)) << entry.name;
}

TEST(EffectFilter, ProgressCanStopTheWorkAndAnEmptyPictureIsRefused)
{
    EffectFilter::Options options;
    double last = 0;
    options.progress = [&](double done) {
        last = done;
        return done < 0.2;
    };
    options.threads = 1;
    Result<QImage> stopped = EffectFilter::apply(Kind::Mean, randomPicture(20, 300, 1), options);
    ASSERT_FALSE(stopped);
    EXPECT_EQ(stopped.message(), EffectFilter::stoppedMessage());
    EXPECT_LT(last, 0.5);
    EXPECT_FALSE(EffectFilter::apply(Kind::Mean, QImage()));
}

TEST(EffectFilter, CommandsAndNamesFindTheirEffects)
{
    EXPECT_EQ(EffectFilter::entries().size(), 13u);
    EXPECT_EQ(EffectFilter::forCommand(11988)->kind, Kind::Emboss);
    EXPECT_EQ(EffectFilter::forCommand(11991)->kind, Kind::Blur);
    EXPECT_EQ(EffectFilter::forCommand(11983), nullptr);
    EXPECT_EQ(EffectFilter::forName("blur-5")->commandId, 11991);
    EXPECT_EQ(EffectFilter::forName("sharpn"), nullptr);
    for (size_t i = 0; i < EffectFilter::entries().size(); ++i)
        EXPECT_EQ(size_t(EffectFilter::entries()[i].kind), i);
}
