#include "imaging/hatch_brush.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace montora {
namespace {

TEST(HatchBrushTest, FivePercentIsTheKnownPattern)
{
    const HatchBrush::Pattern expected = {0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x80};
    EXPECT_EQ(HatchBrush::pattern(HatchStyle::Percent05), expected);
}

TEST(HatchBrushTest, PatternsDifferAndMixBothColours)
{
    for (HatchStyle style : {HatchStyle::DottedGrid, HatchStyle::Percent05, HatchStyle::Weave}) {
        int set = 0;
        for (std::uint8_t row : HatchBrush::pattern(style))
            set += std::popcount(row);
        EXPECT_GT(set, 0);
        EXPECT_LT(set, 32);
    }
    EXPECT_NE(HatchBrush::pattern(HatchStyle::DottedGrid), HatchBrush::pattern(HatchStyle::Weave));
}

// Under a scaled and rotated painter the pattern stays on device pixels.
TEST(HatchBrushTest, PatternBelongsToTheDevicePixels)
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(32, 32);
    painter.rotate(30);
    painter.scale(5, 5);
    const QBrush brush = HatchBrush::brush(HatchStyle::Percent05, Qt::white, Qt::black, painter.combinedTransform());
    painter.fillRect(QRectF(-20, -20, 40, 40), brush);
    painter.end();
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const bool foreground = (x % 8 == 4 && y % 8 == 3) || (x % 8 == 0 && y % 8 == 7);
            EXPECT_EQ(image.pixel(x, y), foreground ? 0xFFFFFFFFu : 0xFF000000u) << x << "," << y;
        }
}

} // namespace
} // namespace montora
