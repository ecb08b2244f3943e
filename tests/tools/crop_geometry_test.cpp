#include "tools/crop_geometry.h"
#include "tools/crop_preview.h"

#include "support/crop_box_printer.h"

#include <gtest/gtest.h>

using namespace montora;

namespace {

// A 400 x 300 preview shown unscaled in a 400 x 300 view: view pixels are preview pixels.
CropGeometry plainGeometry()
{
    CropGeometry geometry;
    geometry.layout(QSize(400, 300), QSize(400, 300));
    return geometry;
}

void dragHandle(CropGeometry& geometry, int handle, QPoint to)
{
    const CropBox start = geometry.handleRect(handle);
    ASSERT_TRUE(geometry.press(QPoint(start.left + 2, start.top + 2)));
    ASSERT_EQ(geometry.dragState(), CropGeometry::Drag::Resize);
    geometry.drag(to);
    geometry.release();
}

} // namespace

TEST(CropPreview, LargePicturesAreResampledAndWidthsCutToFour)
{
    EXPECT_EQ(CropPreview::previewSize(QSize(4000, 3000)), QSize(1600, 1200));
    EXPECT_EQ(CropPreview::previewSize(QSize(3000, 4000)), QSize(900, 1200));
    EXPECT_EQ(CropPreview::previewSize(QSize(2000, 960)), QSize(2000, 960)) << "exactly 1,920,000 pixels";
    EXPECT_EQ(CropPreview::previewSize(QSize(2001, 960)), QSize(1600, 767));
    EXPECT_EQ(CropPreview::previewSize(QSize(1001, 700)), QSize(1000, 700));
    EXPECT_EQ(CropPreview::previewSize(QSize(0, 700)), QSize(0, 700));
}

TEST(CropGeometry, PreviewIsFittedCentredAndNeverEnlarged)
{
    EXPECT_EQ(CropGeometry::fittedSize(QSize(1600, 1200), QSize(392, 292)), QSize(389, 292));
    EXPECT_EQ(CropGeometry::fittedSize(QSize(900, 1200), QSize(392, 292)), QSize(219, 292));
    EXPECT_EQ(CropGeometry::fittedSize(QSize(2000, 100), QSize(392, 292)), QSize(392, 19));
    EXPECT_EQ(CropGeometry::fittedSize(QSize(300, 200), QSize(392, 292)), QSize(300, 200));
    EXPECT_EQ(CropGeometry::fittedSize(QSize(300, 200), QSize(0, 292)), QSize(0, 0));

    CropGeometry geometry;
    geometry.layout(QSize(300, 200), QSize(392, 292));
    EXPECT_EQ(geometry.imageRect(), (CropBox{46, 46, 346, 246}));
    EXPECT_EQ(geometry.cropRect(), (CropBox{46 + 37, 46 + 25, 346 - 37, 246 - 25}));
}

TEST(CropGeometry, ResizingClampsToTheImage)
{
    CropGeometry geometry = plainGeometry();
    dragHandle(geometry, 4, QPoint(900, 900));
    EXPECT_EQ(geometry.cropRect(), (CropBox{50, 37, 400, 300}));
    dragHandle(geometry, 1, QPoint(-50, 10));
    EXPECT_EQ(geometry.cropRect(), (CropBox{0, 37, 400, 300})) << "an edge handle keeps the top and bottom";
}

TEST(CropGeometry, ConstrainedCornerFlippedPastTheOppositeStaysAttachedToIt)
{
    CropGeometry geometry = plainGeometry();
    geometry.setConstraint(4, 3);
    EXPECT_EQ(geometry.cropRect(), (CropBox{10, 8, 390, 292}));
    EXPECT_EQ(geometry.handleAt(QPoint(geometry.handleRect(1).left + 2, geometry.handleRect(1).top + 2)),
              CropGeometry::kNoHandle)
        << "edge handles are off under a constraint";

    // The top-left corner dragged beyond the bottom-right one: the rectangle now hangs
    // below and right of the old bottom-right corner, in the ratio.
    const CropBox start{100, 100, 200, 175};
    geometry.setCropRect(start);
    dragHandle(geometry, 0, QPoint(start.right + 80, start.bottom + 30));
    EXPECT_EQ(geometry.cropRect(), (CropBox{200, 175, 240, 205})) << "the height limits it: 30 * 4 / 3";

    // Not flipped: the bottom-right corner drags away from a fixed top-left.
    geometry.setCropRect(start);
    dragHandle(geometry, 4, QPoint(260, 300));
    EXPECT_EQ(geometry.cropRect(), (CropBox{100, 100, 260, 220}));
}

TEST(CropGeometry, MovingIsPushedBackInsideKeepingItsSize)
{
    CropGeometry geometry = plainGeometry();
    geometry.setCropRect(CropBox{100, 100, 200, 150});
    ASSERT_TRUE(geometry.press(QPoint(150, 120)));
    EXPECT_EQ(geometry.dragState(), CropGeometry::Drag::Move);
    geometry.drag(QPoint(-500, -500));
    EXPECT_EQ(geometry.cropRect(), (CropBox{0, 0, 100, 50}));
    geometry.drag(QPoint(900, 900));
    EXPECT_EQ(geometry.cropRect(), (CropBox{300, 250, 400, 300}));
    geometry.release();
    EXPECT_FALSE(geometry.press(QPoint(10, 10))) << "outside the rectangle nothing starts";
}

TEST(CropGeometry, AnEarlierCropComesBackUnchangedAndMovesInSourcePixels)
{
    CropGeometry geometry;
    geometry.layout(QSize(1000, 700), QSize(500, 350)); // shown at half size
    const QSize source(1001, 700);
    geometry.startFrom(CropBox{101, 33, 777, 555}, source);
    EXPECT_EQ(geometry.cropRect(), (CropBox{50, 17, 388, 278}));
    EXPECT_EQ(geometry.result(source), (CropBox{101, 33, 777, 555})) << "no drift when nothing moved";

    geometry.setCropRect(CropBox{0, 0, 500, 350});
    EXPECT_EQ(geometry.result(source), (CropBox{0, 0, 1001, 700}));
    geometry.startFrom(CropBox{-5, -5, 99999, 99999}, source);
    EXPECT_EQ(geometry.cropRect(), (CropBox{0, 0, 500, 350})) << "the whole picture keeps the rectangle";

    CropGeometry empty;
    empty.layout(QSize(), QSize(500, 350));
    EXPECT_FALSE(empty.result(source).has_value());
}
