#include "imaging/cubic_resampler.h"

#include <gtest/gtest.h>

namespace montora {
namespace {

TEST(CubicResamplerTest, FlatPicturesStayFlatAtAnySize)
{
    QImage source(3, 2, QImage::Format_ARGB32_Premultiplied);
    source.fill(qRgba(40, 80, 120, 200));
    for (QSize size : {QSize(1, 1), QSize(7, 1), QSize(301, 301), QSize(24, 16)}) {
        const QImage result = CubicResampler::resize(source, size);
        ASSERT_EQ(result.size(), size);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                ASSERT_EQ(result.pixel(x, y), source.pixel(0, 0));
    }
    EXPECT_TRUE(CubicResampler::resize(source, QSize(0, 5)).isNull());
    EXPECT_TRUE(CubicResampler::resize(QImage(), QSize(5, 5)).isNull());
}

TEST(CubicResamplerTest, EnlargedEdgesAreSmoothAndStayValidPremultiplied)
{
    // One opaque red pixel in the middle of transparency: overshoot must not make
    // a colour channel larger than alpha or a negative value.
    QImage source(5, 5, QImage::Format_ARGB32_Premultiplied);
    source.fill(Qt::transparent);
    source.setPixel(2, 2, qRgba(255, 0, 0, 255));
    const QImage result = CubicResampler::resize(source, QSize(40, 40));
    int steps = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const QRgb p = result.pixel(x, y);
            ASSERT_LE(qRed(p), qAlpha(p));
            ASSERT_EQ(qGreen(p), 0);
            if (x > 0)
                steps = std::max(steps, std::abs(qAlpha(p) - qAlpha(result.pixel(x - 1, y))));
        }
    EXPECT_GT(qAlpha(result.pixel(20, 20)), 200); // the middle keeps its ink
    EXPECT_LT(steps, 80); // and fades over several pixels
}

} // namespace
} // namespace montora
