// Cells, ranges, hit tests and the drag threshold of the photo library panel.
#include "tools/photo_grid_layout.h"

#include <gtest/gtest.h>

using namespace montora;

namespace {

PhotoGridLayout grid(int width, int height, int count)
{
    PhotoGridLayout layout;
    layout.setClientSize(QSize(width, height));
    layout.setCount(count);
    return layout;
}

} // namespace

TEST(PhotoGridLayout, ColumnsNeedSixtyEightPixelsBesideTheScrollBar)
{
    EXPECT_EQ(grid(84, 400, 5).columns(), 0);
    EXPECT_EQ(grid(85, 400, 5).columns(), 1);
    EXPECT_EQ(grid(152, 400, 5).columns(), 1);
    EXPECT_EQ(grid(153, 400, 5).columns(), 2);
    EXPECT_EQ(grid(10, 400, 5).columns(), 0); // narrower than the bar itself
    // With no column nothing is hit and there is nothing to scroll.
    const PhotoGridLayout narrow = grid(84, 400, 5);
    EXPECT_EQ(narrow.cellAt(QPoint(30, 30)), -1);
    EXPECT_EQ(narrow.rows(), 0);
    EXPECT_EQ(narrow.verticalRange(), 0);
    EXPECT_EQ(narrow.firstPaintedCell(), 5);
}

TEST(PhotoGridLayout, PictureBoxesAndNameStrips)
{
    const PhotoGridLayout layout = grid(154, 400, 5);
    EXPECT_EQ(layout.pictureBox(0), QRect(5, 10, 58, 48));
    EXPECT_EQ(layout.pictureBox(1), QRect(73, 10, 58, 48));
    EXPECT_EQ(layout.pictureBox(2), QRect(5, 78, 58, 48));
    EXPECT_EQ(layout.nameStrip(2), QRect(7, 126, 56, 20));
}

TEST(PhotoGridLayout, RangeShowsTheLastRowAboveTheButtonAndClampsTheScroll)
{
    // 7 photos in 2 columns: 4 rows, 272 pixels; 272 + 33 - 200 = 105.
    PhotoGridLayout layout = grid(154, 200, 7);
    EXPECT_EQ(layout.rows(), 4);
    EXPECT_EQ(layout.verticalRange(), 105);
    EXPECT_TRUE(layout.showsVerticalBar());
    layout.setScroll(500);
    EXPECT_EQ(layout.scroll(), 105);
    EXPECT_EQ(layout.pictureBox(6).top(), 3 * 68 + 10 - 105);
    // Growing the panel until everything fits hides the bar and resets the scroll.
    layout.setClientSize(QSize(154, 305));
    EXPECT_EQ(layout.verticalRange(), 0);
    EXPECT_EQ(layout.scroll(), 0);
    EXPECT_FALSE(layout.showsVerticalBar());
    EXPECT_EQ(layout.scrollBy(-68), 0);
}

TEST(PhotoGridLayout, HitsOnlyPictureBoxesOfExistingCellsAboveTheButtonStrip)
{
    PhotoGridLayout layout = grid(154, 200, 3);
    EXPECT_EQ(layout.cellAt(QPoint(5, 10)), 0);
    EXPECT_EQ(layout.cellAt(QPoint(62, 57)), 0);
    EXPECT_EQ(layout.cellAt(QPoint(63, 57)), -1); // the gap between columns
    EXPECT_EQ(layout.cellAt(QPoint(30, 60)), -1); // the name strip is no hit
    EXPECT_EQ(layout.cellAt(QPoint(80, 30)), 1);
    EXPECT_EQ(layout.cellAt(QPoint(80, 90)), -1); // cell 3 does not exist
    EXPECT_EQ(layout.cellAt(QPoint(140, 30)), -1); // under the scroll bar
    // Cell 2's box spans y 78..125 but the strip from 174 down is the button's.
    layout.setCount(9);
    layout.setScroll(68);
    EXPECT_EQ(layout.cellAt(QPoint(30, 20)), 2);
    EXPECT_TRUE(layout.inButtonStrip(QPoint(30, 174)));
    EXPECT_EQ(layout.cellAt(QPoint(30, 174)), -1);
}

TEST(PhotoGridLayout, PaintedCellsSkipRowsAboveAndStopBelowTheButtonStrip)
{
    PhotoGridLayout layout = grid(154, 200, 20);
    EXPECT_EQ(layout.firstPaintedCell(), 0);
    layout.setScroll(58); // row 0's boxes end exactly at the top
    EXPECT_EQ(layout.firstPaintedCell(), 2);
    layout.setScroll(57);
    EXPECT_EQ(layout.firstPaintedCell(), 0);
    layout.setScroll(0);
    EXPECT_FALSE(layout.isBelowPaintedArea(4)); // row 2 starts at 146
    EXPECT_TRUE(layout.isBelowPaintedArea(6));  // row 3 starts at 214 > 174
}

TEST(PhotoGridLayout, ScrollToShowMovesAsLittleAsNeeded)
{
    PhotoGridLayout layout = grid(154, 200, 20); // view 174 pixels high
    EXPECT_EQ(layout.scrollToShow(1), 0);
    EXPECT_EQ(layout.scrollToShow(5), 30);      // row 2 ends at 204
    layout.setScroll(300);
    EXPECT_EQ(layout.scrollToShow(2), 68);
    EXPECT_EQ(layout.scrollToShow(19), 680 - 174); // the last row ends at the button strip
}

TEST(PhotoGridLayout, FittedPicturesAreShrunkCentredAndNeverEnlarged)
{
    const QRect box(5, 10, 58, 48);
    EXPECT_EQ(PhotoGridLayout::fittedRect(QSize(4000, 3000), box), QRect(5, 12, 58, 43));
    EXPECT_EQ(PhotoGridLayout::fittedRect(QSize(600, 1200), box), QRect(22, 10, 24, 48));
    EXPECT_EQ(PhotoGridLayout::fittedRect(QSize(20, 10), box), QRect(24, 29, 20, 10));
    EXPECT_TRUE(PhotoGridLayout::fittedRect(QSize(0, 300), box).isEmpty());
}

TEST(PhotoGridLayout, DragStartsBeyondTwentyFivePixelsOfTravel)
{
    const QPoint press(30, 30);
    EXPECT_FALSE(PhotoGridLayout::startsDrag(press, press + QPoint(20, 5)));
    EXPECT_TRUE(PhotoGridLayout::startsDrag(press, press + QPoint(20, 6)));
    EXPECT_FALSE(PhotoGridLayout::startsDrag(press, press + QPoint(-25, 0)));
    EXPECT_TRUE(PhotoGridLayout::startsDrag(press, press + QPoint(-13, -13)));
}

TEST(PhotoGridLayout, BandTakesOnlyRectanglesStrictlyInside)
{
    const QRect inner(10, 10, 20, 20); // right and bottom end at 30
    EXPECT_TRUE(PhotoGridLayout::liesInBand(inner, QPoint(31, 31), QPoint(9, 9)));
    EXPECT_FALSE(PhotoGridLayout::liesInBand(inner, QPoint(10, 9), QPoint(31, 31)));
    EXPECT_FALSE(PhotoGridLayout::liesInBand(inner, QPoint(9, 9), QPoint(30, 31)));
    EXPECT_FALSE(PhotoGridLayout::liesInBand(QRect(), QPoint(-100, -100), QPoint(100, 100)));
}
