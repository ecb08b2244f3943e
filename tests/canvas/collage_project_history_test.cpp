#include "canvas/collage_project.h"
#include "support/fake_canvas_resources.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace montora;
using montora::test::FakeCanvasResources;

namespace {

class CollageHistoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resources.libraryPictures[5] = QImage(40, 20, QImage::Format_ARGB32);
        resources.libraryPictures[6] = QImage(40, 20, QImage::Format_ARGB32);
        resources.libraryPictures[7] = QImage(40, 20, QImage::Format_ARGB32);
        project.setResources(&resources);
        project.setHistoryListener([this] { ++pushes; });
    }

    // The library ids of the items, bottom first.
    std::vector<int> order() const
    {
        std::vector<int> ids;
        for (const CanvasItem& item : project.items())
            ids.push_back(item.asClipart() ? item.asClipart()->pictureId : -1);
        return ids;
    }

    void addThree()
    {
        for (int id : {5, 6, 7})
            ASSERT_TRUE(project.addClipart(id, ViewPoint::atCollage(QPoint(10 * id, 0))).isOk());
    }

    void select(int index)
    {
        project.deselectAll();
        project.item(index).setSelected(true);
    }

    FakeCanvasResources resources;
    CollageProject project;
    int pushes = 0;
};

TEST_F(CollageHistoryTest, UndoPutsTheLayerOrderBack)
{
    addThree();
    select(1);
    EXPECT_TRUE(project.bringToFront());
    EXPECT_EQ(order(), (std::vector<int>{5, 7, 6}));
    EXPECT_EQ(project.history().currentIndex(), 3);
    EXPECT_EQ(pushes, 4);
    project.setModified(false);
    EXPECT_TRUE(project.undo());
    EXPECT_EQ(order(), (std::vector<int>{5, 6, 7}));
    EXPECT_TRUE(project.isModified());
    EXPECT_EQ(pushes, 4); // undo itself does not signal
}

TEST_F(CollageHistoryTest, EachLayerCommandMovesOneWay)
{
    addThree();
    select(0);
    EXPECT_TRUE(project.bringForward());
    EXPECT_EQ(order(), (std::vector<int>{6, 5, 7}));
    EXPECT_TRUE(project.sendBackward());
    EXPECT_EQ(order(), (std::vector<int>{5, 6, 7}));
    select(2);
    EXPECT_TRUE(project.sendToBack());
    EXPECT_EQ(order(), (std::vector<int>{7, 5, 6}));
    EXPECT_TRUE(project.item(0).isSelected());
    project.setModified(false);
    EXPECT_TRUE(project.bringToFront());
    EXPECT_FALSE(project.isModified());
}

TEST_F(CollageHistoryTest, LayerMovesThatCannotActPushNothing)
{
    addThree();
    const int before = project.history().size();
    select(0);
    EXPECT_FALSE(project.sendToBack());
    EXPECT_FALSE(project.sendBackward());
    select(2);
    EXPECT_FALSE(project.bringForward());
    EXPECT_FALSE(project.bringToFront());
    project.deselectAll();
    EXPECT_FALSE(project.bringForward());
    EXPECT_FALSE(project.sendToBack());
    EXPECT_FALSE(project.deleteSelected());
    EXPECT_EQ(project.history().size(), before);
    EXPECT_EQ(order(), (std::vector<int>{5, 6, 7}));
}

TEST_F(CollageHistoryTest, UndoingTheFirstStepEmptiesTheCollageAndRedoBringsItBack)
{
    ASSERT_TRUE(project.addPhoto(QStringLiteral("/nowhere/a.jpg"), QSize(400, 300), ViewPoint::atCollage({})).isOk());
    EXPECT_TRUE(project.canUndo());
    EXPECT_FALSE(project.canRedo());
    EXPECT_TRUE(project.undo());
    EXPECT_EQ(project.itemCount(), 0);
    EXPECT_EQ(project.history().currentIndex(), -1);
    EXPECT_FALSE(project.undo());
    EXPECT_TRUE(project.canRedo());
    EXPECT_TRUE(project.redo());
    ASSERT_EQ(project.itemCount(), 1);
    EXPECT_EQ(project.item(0).kind(), ItemKind::Photo);
    EXPECT_FALSE(project.redo());
}

TEST_F(CollageHistoryTest, AnEditAfterUndoDiscardsTheRedoSteps)
{
    addThree();
    project.undo();
    project.undo();
    EXPECT_EQ(project.history().size(), 3);
    select(0);
    project.deleteSelected();
    EXPECT_EQ(project.history().size(), 2);
    EXPECT_FALSE(project.canRedo());
    EXPECT_EQ(project.itemCount(), 0);
}

// Typing is recorded when it pauses; an undo that comes first must take back only
// the typing, not the step before it as well.
TEST_F(CollageHistoryTest, TypingNotYetRecordedIsItsOwnUndoStep)
{
    project.setText("Sea");
    ASSERT_TRUE(project.addText().isOk());
    const QSize added = project.item(0).boxSize();
    EXPECT_TRUE(project.setText("Seaside"));
    EXPECT_FALSE(project.setText("Seaside")) << "the same text again is no edit";
    EXPECT_EQ(project.history().size(), 1);

    ASSERT_TRUE(project.undo());
    ASSERT_EQ(project.itemCount(), 1);
    EXPECT_EQ(project.item(0).asText()->text(), "Sea");
    EXPECT_EQ(project.item(0).boxSize(), added);
    ASSERT_TRUE(project.redo());
    EXPECT_EQ(project.item(0).asText()->text(), "Seaside");

    // A pending edit after an undo discards the redo steps, as any edit does.
    project.undo();
    project.setText("Seashore");
    EXPECT_FALSE(project.redo());
    EXPECT_EQ(project.item(0).asText()->text(), "Seashore");
    EXPECT_FALSE(project.hasUnrecordedTextEdit());
}

TEST_F(CollageHistoryTest, DeletingTheOnlyItemCanBeUndone)
{
    ASSERT_TRUE(project.addClipart(5, ViewPoint::atCollage(QPoint(3, 4))).isOk());
    project.setModified(false);
    EXPECT_TRUE(project.deleteSelected());
    EXPECT_EQ(project.itemCount(), 0);
    EXPECT_TRUE(project.isModified()) << "a save would now write one item less";
    ASSERT_EQ(project.history().size(), 2);
    EXPECT_EQ(project.history().at(1)->size(), 0);
    EXPECT_TRUE(project.undo());
    ASSERT_EQ(project.itemCount(), 1);
    EXPECT_EQ(project.item(0).position(), QPoint(3, 4));
    EXPECT_FALSE(project.item(0).runtime().transformedRegion.has_value());
}

TEST_F(CollageHistoryTest, RestoringAStepRebuildsThePhotoRegionFromItsBox)
{
    ASSERT_TRUE(project.addPhoto(QStringLiteral("/nowhere/a.jpg"), QSize(400, 300), ViewPoint::atCollage({})).isOk());
    ASSERT_TRUE(project.setCrop(0, 0, 100, 50).isOk());
    const int region = project.item(0).regionIndex();
    const float baseScale = project.item(0).asPhoto()->baseScale;
    project.undo();
    const PhotoItem& photo = *project.item(0).asPhoto();
    EXPECT_EQ(project.hitRegions().at(region)->boundingRect(),
              QRectF(0, 0, std::trunc(photo.boxWidth * photo.baseScale), std::trunc(photo.boxHeight * photo.baseScale)));
    project.redo();
    EXPECT_EQ(project.hitRegions().at(region)->boundingRect(),
              QRectF(0, 0, std::trunc(100 * baseScale), std::trunc(50 * baseScale)));
}

} // namespace
