#include "library/library_grid_layout.h"

#include <gtest/gtest.h>

namespace montora {
namespace {

// A strip as the main window places the library strips: 841 wide, 123 high.
LibraryGridLayout strip(int count, bool buttons = true)
{
    LibraryGridLayout layout;
    layout.setButtonStrip(buttons);
    layout.setClientSize(QSize(841, 123));
    layout.setCount(count);
    return layout;
}

TEST(LibraryGridLayoutTest, ColumnsComeFromTheWidthBesideTheScrollBar)
{
    LibraryGridLayout layout = strip(30);
    EXPECT_EQ(layout.columns(), (841 - 4 - 17) / 60); // 13
    EXPECT_EQ(layout.rows(), 3);
    EXPECT_EQ(layout.viewHeight(), 123 - 24);
    EXPECT_EQ(layout.verticalRange(), 3 * 60 + 4 - 99);
    layout.setClientSize(QSize(60 + 4 + 16, 200));
    EXPECT_EQ(layout.columns(), 0) << "narrower than one cell: nothing is drawn or hit";
    EXPECT_EQ(layout.cellAt(QPoint(10, 10)), -1);
    EXPECT_EQ(layout.verticalRange(), 0);
}

TEST(LibraryGridLayoutTest, NoRangeWhileEveryRowFitsAndNoButtonStripInMode4)
{
    EXPECT_EQ(strip(13).verticalRange(), 0);
    EXPECT_EQ(strip(0).verticalRange(), 0);
    const LibraryGridLayout column = [] {
        LibraryGridLayout layout;
        layout.setButtonStrip(false);
        layout.setClientSize(QSize(132, 300));
        layout.setCount(9);
        return layout;
    }();
    EXPECT_EQ(column.columns(), 1);
    EXPECT_EQ(column.viewHeight(), 300);
    EXPECT_EQ(column.verticalRange(), 9 * 60 + 4 - 300);
}

TEST(LibraryGridLayoutTest, CellAtFollowsTheScrollAndIgnoresButtonsBarAndEmptyCells)
{
    LibraryGridLayout layout = strip(20);
    const int left = layout.originX();
    EXPECT_EQ(left, 2 + (841 - 4 - 17 - 13 * 60) / 2) << "the columns are centred";
    EXPECT_EQ(layout.cellAt(QPoint(left + 30, 2 + 30)), 0);
    EXPECT_EQ(layout.cellAt(QPoint(left + 60 * 5 + 1, 2 + 61)), 13 + 5);
    EXPECT_EQ(layout.cellAt(QPoint(left + 60 * 5 - 1, 2 + 61)), 13 + 4);
    EXPECT_EQ(layout.cellAt(QPoint(left + 60 * 8, 2 + 61)), -1) << "row 1 holds only 7 cells";
    EXPECT_EQ(layout.cellAt(QPoint(left - 1, 30)), -1) << "left of the columns";
    EXPECT_EQ(layout.cellAt(QPoint(left + 13 * 60, 30)), -1) << "right of the columns";
    EXPECT_EQ(layout.cellAt(QPoint(30, 110)), -1) << "the button strip";
    EXPECT_EQ(layout.cellAt(QPoint(835, 30)), -1) << "the scroll bar";
    EXPECT_EQ(layout.verticalRange(), 2 * 60 + 4 - 99);
    layout.setScroll(20);
    EXPECT_EQ(layout.scroll(), 20);
    EXPECT_EQ(layout.cellAt(QPoint(left + 2, 50)), 13);
    EXPECT_EQ(layout.cellAt(QPoint(left + 2, 38)), 0);
    EXPECT_EQ(layout.cellRect(13).topLeft(), QPoint(left, 62 - 20));
    EXPECT_EQ(layout.pictureBox(13).size(), QSize(58, 58));
    layout.setScroll(10000);
    EXPECT_EQ(layout.scroll(), layout.verticalRange());
    layout.setCount(3);
    EXPECT_EQ(layout.scroll(), 0) << "fewer records pull the scroll back into range";
}

TEST(LibraryGridLayoutTest, ScrollToShowMovesAsLittleAsPossible)
{
    LibraryGridLayout layout = strip(60);
    EXPECT_EQ(layout.scrollToShow(0), 0);
    const int down = layout.scrollToShow(13 * 3); // row 3
    EXPECT_EQ(down, 2 + 4 * 60 + 2 - 99);
    layout.setScroll(down);
    EXPECT_EQ(layout.scrollToShow(13 * 3 + 1), down) << "already in view";
    EXPECT_EQ(layout.scrollToShow(0), 0);
}

TEST(LibraryGridLayoutTest, PicturesAreFittedNeverEnlargedAndCentred)
{
    const QRect box(10, 10, 58, 58);
    EXPECT_EQ(LibraryGridLayout::fittedRect(QSize(120, 60), box), QRect(10, 10 + 14, 58, 29));
    EXPECT_EQ(LibraryGridLayout::fittedRect(QSize(20, 10), box), QRect(10 + 19, 10 + 24, 20, 10));
    EXPECT_EQ(LibraryGridLayout::fittedRect(QSize(1000, 1), box).size(), QSize(58, 1)) << "never zero high";
    EXPECT_TRUE(LibraryGridLayout::fittedRect(QSize(0, 5), box).isEmpty());
}

TEST(LibraryGridLayoutTest, DragStartsOnlyBeyondAFewPixels)
{
    const QPoint press(100, 50);
    EXPECT_FALSE(LibraryGridLayout::startsDrag(press, press + QPoint(2, 2)));
    EXPECT_FALSE(LibraryGridLayout::startsDrag(press, press + QPoint(-4, 0)));
    EXPECT_TRUE(LibraryGridLayout::startsDrag(press, press + QPoint(3, -2)));
    EXPECT_TRUE(LibraryGridLayout::startsDrag(press, press + QPoint(0, 30)));
}

TEST(LibraryGridLayoutTest, ButtonsSitAtTheBottomLeft76PixelsApart)
{
    const LibraryGridLayout layout = strip(0);
    EXPECT_EQ(layout.buttonRect(0), QRect(2, 123 - 22, 76, 20));
    EXPECT_EQ(layout.buttonRect(2), QRect(2 + 152, 123 - 22, 76, 20));
}

} // namespace
} // namespace montora
