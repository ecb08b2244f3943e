#include "canvas/edit_history.h"

#include <gtest/gtest.h>

using namespace montora;

namespace {

HistorySnapshot snapshotOf(int itemCount)
{
    return HistorySnapshot::capture(std::vector<CanvasItem>(size_t(itemCount), CanvasItem(BrushItem{})));
}

} // namespace

TEST(EditHistory, PushDropsTheRedoSteps)
{
    EditHistory history;
    EXPECT_EQ(history.currentIndex(), -1);
    history.push(snapshotOf(1));
    history.push(snapshotOf(2));
    history.push(snapshotOf(3));
    EXPECT_EQ(history.currentIndex(), 2);
    history.setCurrentIndex(0);
    history.push(snapshotOf(9));
    EXPECT_EQ(history.size(), 2);
    EXPECT_EQ(history.currentIndex(), 1);
    EXPECT_EQ(history.at(1)->size(), 9);
    EXPECT_EQ(history.at(2), nullptr);

    history.setCurrentIndex(-1);
    history.push(snapshotOf(4));
    EXPECT_EQ(history.size(), 1);
    history.clear();
    EXPECT_EQ(history.currentIndex(), -1);
    EXPECT_EQ(history.size(), 0);
}
