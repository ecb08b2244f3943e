#include "app/zoom_list.h"

#include <gtest/gtest.h>

using namespace montora;

TEST(ZoomList, EightQuartersStartingAtOneHundredPercent)
{
    ZoomList zoom;
    EXPECT_EQ(ZoomList::captions().size(), ZoomList::kCount);
    EXPECT_EQ(zoom.caption(), "100%");
    EXPECT_FLOAT_EQ(zoom.factor(), 1.0f);
    EXPECT_FLOAT_EQ(ZoomList::factorAt(0), 0.25f);
    EXPECT_FLOAT_EQ(ZoomList::factorAt(7), 2.0f);
    EXPECT_FLOAT_EQ(ZoomList::factorAt(3), 1.0f);
    EXPECT_FLOAT_EQ(ZoomList::factorAt(8), 1.0f) << "no entry zooms to 100%";
    EXPECT_FLOAT_EQ(ZoomList::factorAt(-1), 1.0f);
}

TEST(ZoomList, ZoomStopsAtBothEnds)
{
    ZoomList zoom;
    while (zoom.zoomIn()) {
    }
    EXPECT_EQ(zoom.caption(), "200%");
    EXPECT_FALSE(zoom.zoomIn());
    EXPECT_EQ(zoom.index(), 7);
    while (zoom.zoomOut()) {
    }
    EXPECT_EQ(zoom.caption(), "25%");
    EXPECT_FALSE(zoom.zoomOut());
    EXPECT_FLOAT_EQ(zoom.factor(), 0.25f);
    EXPECT_FALSE(zoom.select(-1));
    EXPECT_FALSE(zoom.select(8));
    EXPECT_TRUE(zoom.select(5));
    EXPECT_EQ(zoom.caption(), "150%");
}

TEST(ZoomList, FitIsTheLastEntryAndZoomingLeavesItForTheNextQuarter)
{
    ZoomList zoom;
    zoom.selectFit(0.6f);
    EXPECT_EQ(zoom.caption(), "Fit");
    EXPECT_EQ(zoom.index(), ZoomList::kFitIndex);
    EXPECT_FLOAT_EQ(zoom.factor(), 0.6f);
    EXPECT_TRUE(zoom.zoomIn());
    EXPECT_EQ(zoom.caption(), "75%");
    zoom.selectFit(0.6f);
    EXPECT_TRUE(zoom.zoomOut());
    EXPECT_EQ(zoom.caption(), "50%");
    zoom.selectFit(0.1f);
    EXPECT_FALSE(zoom.zoomOut()) << "nothing is smaller than 25%";
    EXPECT_TRUE(zoom.select(0)) << "the quarter the fit fell on can still be chosen";
}
