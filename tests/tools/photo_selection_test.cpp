// Selecting photo library entries: clicks with Ctrl and Shift, keys, the band, removal.
#include "tools/photo_selection.h"

#include <gtest/gtest.h>

using namespace montora;

namespace {

using Step = PhotoSelection::Step;

class PhotoSelectionTest : public testing::Test {
protected:
    void SetUp() override { fill(7); }

    void fill(int count)
    {
        entries.clear();
        for (int i = 0; i < count; ++i) {
            PhotoListEntry entry{PhotoListRecord::forPath(QStringLiteral("/p/%1.jpg").arg(i)).value(), {}};
            entry.record.position = i;
            entries.push_back(entry);
        }
        selection.setEntries(&entries);
    }
    QList<int> selected() const { return selection.selectedIds(); }

    std::vector<PhotoListEntry> entries;
    PhotoSelection selection;
};

} // namespace

TEST_F(PhotoSelectionTest, PlainClickSelectsOneAndMakesItTheAnchor)
{
    EXPECT_TRUE(selection.click(2, Qt::NoModifier));
    EXPECT_EQ(selected(), QList<int>({2}));
    EXPECT_EQ(selection.anchor(), 2);
    EXPECT_TRUE(selection.click(4, Qt::NoModifier));
    EXPECT_EQ(selected(), QList<int>({4}));
    // Clicking an already selected entry keeps the others selected.
    selection.click(5, Qt::ControlModifier);
    EXPECT_FALSE(selection.click(4, Qt::NoModifier));
    EXPECT_EQ(selected(), QList<int>({4, 5}));
    EXPECT_EQ(selection.anchor(), 4);
}

TEST_F(PhotoSelectionTest, CtrlClickTogglesAndKeepsTheAnchorWhenDeselecting)
{
    selection.click(1, Qt::NoModifier);
    selection.click(3, Qt::ControlModifier);
    EXPECT_EQ(selected(), QList<int>({1, 3}));
    EXPECT_EQ(selection.anchor(), 3);
    EXPECT_TRUE(selection.click(3, Qt::ControlModifier));
    EXPECT_EQ(selected(), QList<int>({1}));
    EXPECT_EQ(selection.anchor(), 3);
}

TEST_F(PhotoSelectionTest, ShiftClickSelectsTheRangeFromTheAnchorInEitherDirection)
{
    selection.click(0, Qt::NoModifier);
    EXPECT_TRUE(selection.click(3, Qt::ShiftModifier));
    EXPECT_EQ(selected(), QList<int>({0, 1, 2, 3}));
    EXPECT_EQ(selection.anchor(), 0); // the range end does not move the anchor
    selection.click(5, Qt::NoModifier);
    selection.click(2, Qt::ShiftModifier);
    EXPECT_EQ(selected(), QList<int>({2, 3, 4, 5}));
    // A range replaces whatever else was selected.
    selection.click(0, Qt::ControlModifier);
    selection.click(6, Qt::ShiftModifier);
    EXPECT_EQ(selected(), QList<int>({0, 1, 2, 3, 4, 5, 6}));
}

TEST_F(PhotoSelectionTest, ShiftClickWithoutAnchorOrWithCtrlJustAdds)
{
    EXPECT_TRUE(selection.click(4, Qt::ShiftModifier));
    EXPECT_EQ(selected(), QList<int>({4}));
    EXPECT_EQ(selection.anchor(), 4);
    selection.click(1, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(selected(), QList<int>({1, 4}));
    EXPECT_EQ(selection.anchor(), 1);
}

TEST_F(PhotoSelectionTest, ClearingReportsWhetherAnythingWasSelected)
{
    EXPECT_FALSE(selection.clear());
    selection.click(2, Qt::NoModifier);
    EXPECT_TRUE(selection.clear());
    EXPECT_EQ(selection.anchor(), -1);
    EXPECT_TRUE(selected().isEmpty());
}

TEST_F(PhotoSelectionTest, ArrowKeysMoveTheAnchorWithinTheGrid)
{
    // Three columns: 0 1 2 / 3 4 5 / 6
    EXPECT_EQ(selection.step(Step::Right, 3), 0); // no anchor: the first entry
    EXPECT_EQ(selected(), QList<int>({0}));
    EXPECT_EQ(selection.step(Step::Left, 3), 0);   // no cell to the left
    EXPECT_EQ(selection.step(Step::Down, 3), 3);
    EXPECT_EQ(selected(), QList<int>({3}));
    EXPECT_EQ(selection.step(Step::Down, 3), 6);
    EXPECT_EQ(selection.step(Step::Right, 3), 6);  // no cell 7
    EXPECT_EQ(selection.step(Step::Up, 3), 3);
    EXPECT_EQ(selection.step(Step::Right, 3), 4);
    EXPECT_EQ(selection.step(Step::Right, 3), 5);
    EXPECT_EQ(selection.step(Step::Right, 3), 5);  // the row ends
    EXPECT_EQ(selection.anchor(), 5);
    // Other selected entries stay selected; only the old anchor is dropped.
    selection.click(0, Qt::ControlModifier);
    selection.click(5, Qt::ControlModifier);
    selection.click(5, Qt::ControlModifier);
    selection.step(Step::Up, 3);
    EXPECT_EQ(selected(), QList<int>({0, 2}));
}

TEST_F(PhotoSelectionTest, SelectAllKeepsAnExistingAnchor)
{
    selection.click(4, Qt::NoModifier);
    EXPECT_TRUE(selection.selectAll());
    EXPECT_EQ(selected().size(), 7);
    EXPECT_EQ(selection.anchor(), 4);
    EXPECT_FALSE(selection.selectAll());
    selection.clear();
    selection.selectAll();
    EXPECT_EQ(selection.anchor(), 0);
}

TEST_F(PhotoSelectionTest, BandSelectsExactlyTheCellsInsideAndAnchorsTheLast)
{
    selection.click(0, Qt::NoModifier);
    EXPECT_TRUE(selection.selectWhere([](int k) { return k == 2 || k == 3; }));
    EXPECT_EQ(selected(), QList<int>({2, 3}));
    EXPECT_EQ(selection.anchor(), 3);
    EXPECT_FALSE(selection.selectWhere([](int k) { return k == 2 || k == 3; }));
}

TEST_F(PhotoSelectionTest, RemovedEntriesAreSkippedAndReportTheirPositions)
{
    entries[1].record.removed = 1;
    selection.rebuild();
    ASSERT_EQ(selection.visibleCount(), 6);
    selection.click(0, Qt::NoModifier);
    selection.click(1, Qt::ShiftModifier); // cell 1 is entry 2
    EXPECT_EQ(selected(), QList<int>({0, 2}));
    EXPECT_EQ(selection.positionOf(1), -1);
    EXPECT_EQ(selection.positionOf(2), 1);
}

TEST_F(PhotoSelectionTest, RemoveSelectedMarksThemAndDropsAnAnchorOnThem)
{
    EXPECT_FALSE(selection.removeSelected());
    selection.click(1, Qt::NoModifier);
    selection.click(3, Qt::ControlModifier);
    EXPECT_TRUE(selection.removeSelected());
    EXPECT_EQ(entries[1].record.removed, 1);
    EXPECT_EQ(entries[3].record.removed, 1);
    EXPECT_EQ(entries[2].record.removed, 0);
    EXPECT_EQ(selection.visibleCount(), 5);
    // The anchor was entry 3: adding it to the canvas now would add a removed photo.
    EXPECT_EQ(selection.anchor(), -1);
    EXPECT_TRUE(selected().isEmpty());
}

TEST_F(PhotoSelectionTest, NewEntriesKeepTheAnchorAndNoEntriesAtAllAreHarmless)
{
    selection.click(2, Qt::NoModifier);
    entries.push_back(entries[0]);
    selection.rebuild();
    EXPECT_EQ(selection.anchor(), 2);
    fill(0);
    EXPECT_EQ(selection.anchor(), -1);
    EXPECT_EQ(selection.step(Step::Down, 2), -1);
    EXPECT_FALSE(selection.selectAll());
    EXPECT_FALSE(selection.click(0, Qt::NoModifier));
    selection.setEntries(nullptr);
    EXPECT_EQ(selection.visibleCount(), 0);
}
