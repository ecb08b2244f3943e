#include "controls_model/scroll_bar_model.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace montora {
namespace {

ScrollBarModel bar(int length, int range, int factor = 1)
{
    ScrollBarModel model;
    model.setLength(length);
    model.setSizeFactor(factor);
    model.setRange(range);
    return model;
}

TEST(ScrollBarModelTest, RangeZeroHoldsPositionAtZero)
{
    ScrollBarModel model = bar(200, 0);
    model.setPosition(5);
    EXPECT_EQ(model.position(), 0);
    EXPECT_EQ(model.range(), 0);
    EXPECT_EQ(model.positionForDrag(model.thumbStart(), 50), -1);

    model.setRange(-7);
    EXPECT_EQ(model.range(), 0);
}

TEST(ScrollBarModelTest, ThumbLengthFollowsRangeAndSizeFactor)
{
    // Size factor 100 and range 100: the shortest thumb.
    EXPECT_EQ(bar(200, 100, 100).thumbLength(), 20);
    EXPECT_EQ(bar(437, 100, 100).thumbLength(), 20);
    // Size factor 1, range 400: b = 20.
    for (int h : {100, 200, 333, 600})
        EXPECT_EQ(bar(h, 400).thumbLength(), (h - 32) - 20 * (h - 52) / 100) << h;
    // Range 1 still leaves almost the whole track.
    EXPECT_EQ(bar(200, 1).thumbLength(), 200 - 148 / 100 - 32);
    // A range far beyond 100 squared stays at the minimum, with no overflow.
    EXPECT_EQ(bar(300, 2'000'000'000, 100).thumbLength(), 20);
}

TEST(ScrollBarModelTest, ShortBarKeepsThumbInsideTrack)
{
    for (int h : {0, 10, 31, 32, 40, 51}) {
        const ScrollBarModel model = bar(h, 10'000);
        EXPECT_GE(model.thumbLength(), 0) << h;
        EXPECT_LE(model.thumbEnd(), std::max(16, h - 16)) << h;
        EXPECT_GE(model.thumbStart(), 16) << h;
    }
}

TEST(ScrollBarModelTest, PositionPlacesThumbAndIgnoresOutOfRange)
{
    ScrollBarModel model = bar(200, 400); // thumb 139, 29 pixels of travel
    ASSERT_EQ(model.thumbLength(), 139);
    model.setPosition(200);
    EXPECT_EQ(model.position(), 200);
    EXPECT_EQ(model.thumbStart(), 16 + int(29.0 / 400 * 200));
    model.setPosition(400);
    EXPECT_EQ(model.thumbEnd(), 200 - 16);

    model.setPosition(401);
    EXPECT_EQ(model.position(), 400);
    model.setPosition(-1);
    EXPECT_EQ(model.position(), 400);
}

TEST(ScrollBarModelTest, ShrinkingRangeKeepsPositionInside)
{
    ScrollBarModel model = bar(200, 400);
    model.setPosition(350);
    model.setRange(100);
    EXPECT_EQ(model.position(), 100);
    EXPECT_EQ(model.thumbEnd(), 200 - 16);
}

TEST(ScrollBarModelTest, DragPastEitherEndStopsAtFirstAndLastPosition)
{
    for (int length : {100, 180, 257, 600}) {
        for (int range = 1; range <= 1000; range += 7) {
            ScrollBarModel model = bar(length, range);
            model.setPosition(range / 2);
            const int start = model.thumbStart();
            if (model.thumbLength() == model.trackEnd() - model.trackStart()) {
                // The thumb fills the track: there is nothing to drag.
                EXPECT_EQ(model.positionForDrag(start, 10'000), -1);
                continue;
            }
            EXPECT_EQ(model.positionForDrag(start, 10'000), range) << length << " " << range;
            EXPECT_EQ(model.positionForDrag(start, -10'000), 0) << length << " " << range;
            model.setPosition(range);
            EXPECT_EQ(model.thumbEnd(), length - 16) << length << " " << range;
        }
    }
}

TEST(ScrollBarModelTest, DragMovesInProportion)
{
    ScrollBarModel model = bar(232, 100, 100); // thumb 20, travel 180
    EXPECT_EQ(model.positionForDrag(16, 90), 50);
    EXPECT_EQ(model.positionForDrag(16, 1), 0);
    EXPECT_EQ(model.positionForDrag(16, 2), 1);
}

TEST(ScrollBarModelTest, PartsAlongTheBar)
{
    ScrollBarModel model = bar(200, 400);
    model.setPosition(200);
    using Part = ScrollBarModel::Part;
    EXPECT_EQ(model.partAt(0), Part::FirstArrow);
    EXPECT_EQ(model.partAt(15), Part::FirstArrow);
    EXPECT_EQ(model.partAt(16), Part::TrackBefore);
    EXPECT_EQ(model.partAt(model.thumbStart()), Part::Thumb);
    EXPECT_EQ(model.partAt(model.thumbEnd() - 1), Part::Thumb);
    EXPECT_EQ(model.partAt(model.thumbEnd()), Part::TrackAfter);
    EXPECT_EQ(model.partAt(184), Part::SecondArrow);
    EXPECT_EQ(model.partAt(199), Part::SecondArrow);
    EXPECT_EQ(model.partAt(200), Part::None);
}

TEST(ScrollBarModelTest, OwnersAnswerActionCodesAlike)
{
    using A = ScrollAction;
    EXPECT_EQ(ScrollBarModel::answer(A::LineUp, 50, 200, 68, 0), 0);
    EXPECT_EQ(ScrollBarModel::answer(A::PageUp, 150, 200, 100, 0), 50);
    EXPECT_EQ(ScrollBarModel::answer(A::LineDown, 150, 200, 68, 0), 200);
    EXPECT_EQ(ScrollBarModel::answer(A::PageDown, 10, 200, 100, 0), 110);
    EXPECT_EQ(ScrollBarModel::answer(A::ThumbTrack, 10, 200, 100, 77), 77);
    EXPECT_EQ(ScrollBarModel::answer(A::ThumbPosition, 10, 200, 100, 999), 200);
    EXPECT_EQ(ScrollBarModel::answer(A::Top, 10, 200, 100, 0), 0);
    EXPECT_EQ(ScrollBarModel::answer(A::Bottom, 10, 200, 100, 0), 200);
    EXPECT_EQ(ScrollBarModel::answer(A::PageDown, 0, 0, 100, 0), 0);
}

} // namespace
} // namespace montora
