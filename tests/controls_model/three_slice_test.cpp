#include "controls_model/three_slice.h"

#include <gtest/gtest.h>

namespace montora {
namespace {

constexpr ThreeSlice kButton{12, 12, 94, 106, 12};

TEST(ThreeSliceTest, WideTargetStretchesTheMiddle)
{
    const auto pieces = kButton.pieces(QSize(80, 21), 21);
    ASSERT_EQ(pieces.size(), 3);
    EXPECT_EQ(pieces[0].source, QRect(0, 0, 12, 21));
    EXPECT_EQ(pieces[0].target, QRect(0, 0, 12, 21));
    EXPECT_EQ(pieces[1].source, QRect(12, 0, 94, 21));
    EXPECT_EQ(pieces[1].target, QRect(12, 0, 56, 21));
    EXPECT_EQ(pieces[2].source, QRect(106, 0, 12, 21));
    EXPECT_EQ(pieces[2].target, QRect(68, 0, 12, 21));
}

TEST(ThreeSliceTest, NarrowTargetShowsOnlyTheEnds)
{
    for (int width : {24, 20, 5}) {
        const auto pieces = kButton.pieces(QSize(width, 21), 21);
        ASSERT_EQ(pieces.size(), 2) << width;
        EXPECT_EQ(pieces[0].target, QRect(0, 0, 12, 21));
        // The right end stays against the right edge, over the left end.
        EXPECT_EQ(pieces[1].target, QRect(width - 12, 0, 12, 21));
        EXPECT_EQ(pieces[1].source.x(), 106);
    }
    EXPECT_TRUE(kButton.pieces(QSize(0, 21), 21).isEmpty());
}

} // namespace
} // namespace montora
