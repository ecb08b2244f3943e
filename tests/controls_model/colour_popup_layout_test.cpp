#include "controls_model/colour_popup_layout.h"

#include <gtest/gtest.h>

namespace montora {
namespace {

using L = ColourPopupLayout;
using Move = ColourPopupLayout::Move;

L gridOnly()
{
    return L(2, QSize(), false, QSize(), false);
}

L withBoth(QSize defaultCaption = QSize(30, 13), QSize customCaption = QSize(70, 13))
{
    return L(2, defaultCaption, true, customCaption, true);
}

TEST(ColourPopupLayoutTest, GridOnlyWindowAndBoxes)
{
    const L layout = gridOnly();
    EXPECT_EQ(layout.windowSize(), QSize(4 + 8 * 18, 4 + 5 * 18));
    EXPECT_EQ(layout.boxRect(0), QRect(2, 2, 18, 18));
    EXPECT_EQ(layout.boxRect(9), QRect(2 + 18, 2 + 18, 18, 18));
    EXPECT_EQ(layout.boxRect(39), QRect(2 + 7 * 18, 2 + 4 * 18, 18, 18));
    EXPECT_TRUE(layout.boxRect(40).isNull());
}

TEST(ColourPopupLayoutTest, TextEntriesAboveAndBelowTheGrid)
{
    // Text height = 13 + 4m + 2 = 23; the default entry is 23 + 2m high.
    const L layout = withBoth();
    EXPECT_EQ(layout.defaultRect(), QRect(2, 2, 148 - 4, 27));
    const int gridTop = 2 + 27 + 4;
    EXPECT_EQ(layout.boxRect(0).top(), gridTop);
    const int heightBeforeCustom = 94 + 27 + 4;
    EXPECT_EQ(layout.customRect(), QRect(2, heightBeforeCustom, 148 - 4, 2 + 23));
    EXPECT_EQ(layout.windowSize(), QSize(148, heightBeforeCustom + 25 + 4));
}

TEST(ColourPopupLayoutTest, WideCaptionWidensTheWindow)
{
    EXPECT_EQ(withBoth(QSize(30, 13), QSize(200, 13)).windowSize().width(), 204);
    // Also when only the custom entry is shown.
    EXPECT_EQ(L(2, QSize(), false, QSize(200, 13), true).windowSize().width(), 204);
}

TEST(ColourPopupLayoutTest, EntryAtPoints)
{
    const L layout = withBoth();
    EXPECT_EQ(layout.entryAt(layout.defaultRect().center()), L::kDefaultEntry);
    EXPECT_EQ(layout.entryAt(layout.customRect().center()), L::kCustomEntry);
    for (int i : {0, 7, 8, 21, 39})
        EXPECT_EQ(layout.entryAt(layout.boxRect(i).center()), i);
    EXPECT_EQ(layout.entryAt(QPoint(0, 0)), L::kNoEntry);
    EXPECT_EQ(layout.entryAt(QPoint(-5, 40)), L::kNoEntry);
    EXPECT_EQ(layout.entryAt(QPoint(147, layout.boxRect(0).top())), L::kNoEntry);
}

TEST(ColourPopupLayoutTest, ArrowKeysWalkTheGridAndTextEntries)
{
    const L layout = withBoth();
    EXPECT_EQ(layout.move(5, Move::Right, -1), 6);
    EXPECT_EQ(layout.move(7, Move::Right, -1), 8);   // wraps to the next row
    EXPECT_EQ(layout.move(8, Move::Left, -1), 7);    // and back to the previous
    EXPECT_EQ(layout.move(3, Move::Down, -1), 11);
    EXPECT_EQ(layout.move(11, Move::Up, -1), 3);
    EXPECT_EQ(layout.move(3, Move::Up, -1), L::kDefaultEntry);
    EXPECT_EQ(layout.move(0, Move::Left, -1), L::kDefaultEntry);
    EXPECT_EQ(layout.move(35, Move::Down, -1), L::kCustomEntry);
    EXPECT_EQ(layout.move(39, Move::Right, -1), L::kCustomEntry);
    EXPECT_EQ(layout.move(L::kDefaultEntry, Move::Down, -1), 0);
    EXPECT_EQ(layout.move(L::kCustomEntry, Move::Up, -1), 32);
    EXPECT_EQ(layout.move(L::kCustomEntry, Move::Down, -1), L::kDefaultEntry);
    EXPECT_EQ(layout.move(L::kDefaultEntry, Move::Up, -1), L::kCustomEntry);
    // Nothing hot yet: the first key goes to the marked entry.
    EXPECT_EQ(layout.move(L::kNoEntry, Move::Down, 17), 17);
    EXPECT_EQ(layout.move(L::kNoEntry, Move::Down, L::kNoEntry), 0);
}

TEST(ColourPopupLayoutTest, ArrowKeysWrapWithoutTextEntries)
{
    const L layout = gridOnly();
    EXPECT_EQ(layout.move(3, Move::Up, -1), 35);
    EXPECT_EQ(layout.move(35, Move::Down, -1), 3);
    EXPECT_EQ(layout.move(0, Move::Left, -1), 39);
    EXPECT_EQ(layout.move(39, Move::Right, -1), 0);
}

TEST(ColourPopupLayoutTest, MarkedEntryOfTheOpeningColour)
{
    const L both = withBoth();
    EXPECT_EQ(both.markedEntry(ColourTable::colour(26)), 26);
    EXPECT_EQ(both.markedEntry(ColourTable::kDefaultColour), L::kDefaultEntry);
    EXPECT_EQ(both.markedEntry(ColourTable::fromRgb(1, 2, 3)), L::kCustomEntry);
    const L customOnly(2, QSize(), false, QSize(50, 13), true);
    EXPECT_EQ(customOnly.markedEntry(ColourTable::kDefaultColour), L::kCustomEntry);
    EXPECT_EQ(gridOnly().markedEntry(ColourTable::fromRgb(1, 2, 3)), L::kNoEntry);
}

TEST(ColourPopupLayoutTest, EntryColours)
{
    EXPECT_EQ(L::entryColour(13, 0x123456), 0xFF0000u);
    EXPECT_EQ(L::entryColour(L::kDefaultEntry, 0x123456), ColourTable::kDefaultColour);
    EXPECT_EQ(L::entryColour(L::kCustomEntry, 0x123456), 0x123456u);
}

TEST(ColourPopupLayoutTest, PlacementStaysOnScreen)
{
    const QRect screen(0, 0, 1280, 800);
    const QSize size(148, 150);
    // Room below and to the right: at the button's bottom-left corner.
    EXPECT_EQ(L::place(size, QRect(100, 100, 145, 18), screen), QPoint(100, 118));
    // Near the right edge: shifted left so the right edge is on screen.
    EXPECT_EQ(L::place(size, QRect(1200, 100, 80, 18), screen), QPoint(1280 - 148, 118));
    // Near the bottom: above the button.
    EXPECT_EQ(L::place(size, QRect(100, 700, 145, 18), screen), QPoint(100, 700 - 150));
    // Off the left edge of a second screen's area.
    EXPECT_EQ(L::place(size, QRect(1270, 100, 20, 18), QRect(1280, 0, 1024, 768)), QPoint(1280, 118));
}

} // namespace
} // namespace montora
