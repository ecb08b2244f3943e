#include "imaging/resampler.h"

#include <gtest/gtest.h>

#include <vector>

using namespace montora;

TEST(Resampler, FitSize)
{
    EXPECT_EQ(Resampler::fitSize(800, 600, 400, 400), QSize(400, 300));
    EXPECT_EQ(Resampler::fitSize(300, 200, 400, 400), QSize(300, 200));
    EXPECT_EQ(Resampler::fitSize(300, 200, 400, 400, Enlarge::Yes), QSize(400, 266));
    EXPECT_EQ(Resampler::fitSize(600, 800, 400, 400), QSize(300, 400));
    EXPECT_EQ(Resampler::fitSize(0, 800, 400, 400), QSize(0, 0));
    EXPECT_EQ(Resampler::fitSize(800, 600, 400, 0, Enlarge::Yes), QSize(0, 0));
    // Large sizes use 64-bit products.
    EXPECT_EQ(Resampler::fitSize(20000, 20000, 19999, 30000), QSize(19999, 19999));
}

TEST(Resampler, TwoByTwoToFourByFourWritesEveryPixel)
{
    const std::uint8_t source[] = {10, 20, 30, 40};
    std::vector<std::uint8_t> out(16, 0xEE);
    Resampler::resampleBilinear(source, out.data(), 2, 2, 4, 4, 1);
    // Column and row neighbours past the edge are clamped to the last column and row,
    // so the last pixel of a row never blends with the next row's first pixel.
    const std::vector<std::uint8_t> expected = {10, 15, 20, 20, //
                                                20, 25, 30, 30, //
                                                30, 35, 40, 40, //
                                                30, 35, 40, 40};
    EXPECT_EQ(out, expected);
}

TEST(Resampler, SameSizeCopiesAndShrinkingBlends)
{
    std::vector<std::uint8_t> source(7 * 5 * 3);
    for (size_t i = 0; i < source.size(); ++i)
        source[i] = std::uint8_t(i * 37);
    std::vector<std::uint8_t> copy(source.size());
    Resampler::resampleBilinear(source.data(), copy.data(), 7, 5, 7, 5, 3);
    EXPECT_EQ(copy, source);

    const std::uint8_t checker[] = {0, 255, 0, 255, 255, 0, 255, 0};
    std::uint8_t one[1] = {0};
    Resampler::resampleBilinear(checker, one, 4, 2, 1, 1, 1);
    EXPECT_EQ(one[0], 0); // no half-pixel centring: the top-left pixel maps to the top-left
}

TEST(Resampler, FlipAndSwapWritesRowsBottomUpWithReversedBytes)
{
    const std::uint8_t source[] = {1, 2, 3, 4, 5, 6, //
                                   7, 8, 9, 10, 11, 12};
    std::uint8_t out[12] = {};
    Resampler::resampleBilinear(source, out, 2, 2, 2, 2, 3, FlipAndSwap::Yes);
    const std::uint8_t expected[] = {9, 8, 7, 12, 11, 10, 3, 2, 1, 6, 5, 4};
    EXPECT_TRUE(std::equal(std::begin(out), std::end(out), std::begin(expected)));
}

TEST(Resampler, ExtremeRatiosStayInsideTheBuffers)
{
    std::vector<std::uint8_t> wide(3000 * 1 * 4, 200);
    std::vector<std::uint8_t> tall(1 * 2000 * 4);
    Resampler::resampleBilinear(wide.data(), tall.data(), 3000, 1, 1, 2000, 4);
    EXPECT_EQ(tall.front(), 200);
    EXPECT_EQ(tall.back(), 200);
}
