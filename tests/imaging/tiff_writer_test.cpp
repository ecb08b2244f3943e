#include "imaging/tiff_writer.h"

#include <gtest/gtest.h>

#include <random>

using namespace montora;

// With a second core a big picture's strips are split between two threads; the file
// must not depend on it (strip order, offsets, the join of the two halves).
TEST(TiffWriter, SharingStripsWithAHelperGivesTheSameFile)
{
    std::mt19937 random(5);
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
        SCOPED_TRACE(format);
        QImage picture(1000, 701, format);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, y % 200 < 100 ? qRgba(x, y, x ^ y, 255 - y % 7) : random());
        const auto shared = TiffWriter::encode(picture);
        const auto alone = TiffWriter::encode(picture, false);
        ASSERT_TRUE(shared && alone);
        EXPECT_EQ(*shared, *alone);
    }
}
