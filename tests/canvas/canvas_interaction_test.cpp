#include "canvas/canvas_interaction.h"
#include "canvas/compositor.h"
#include "support/fake_canvas_resources.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace montora;
using montora::test::FakeCanvasResources;

namespace {

class CanvasInteractionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project.setResources(&resources);
        interaction.setRecompose([this](const QRect&) { compositor.compose(project, surface, Compositor::Options{project.zoom()}); });
    }

    // A library clipart of the given size at a collage point, unselected.
    int addClipart(QSize size, QPoint at)
    {
        ClipartItem clipart = ClipartItem::forLibrary(5, size, at.x(), at.y(), 0);
        clipart.selected = 0;
        project.appendItem(CanvasItem(clipart));
        compose();
        return project.itemCount() - 1;
    }

    void select(int index)
    {
        project.deselectAll();
        project.item(index).setSelected(true);
        compose();
    }

    void compose() { compositor.compose(project, surface, Compositor::Options{project.zoom()}); }

    void useBrush(QSize pictureSize, int size)
    {
        BrushSettings& brush = project.brushSettings();
        brush.sizes = {pictureSize};
        brush.pictures = {QImage(pictureSize, QImage::Format_ARGB32)};
        brush.brushIndex = 0;
        brush.size = size;
    }

    FakeCanvasResources resources;
    CollageProject project;
    Compositor compositor;
    QImage surface{800, 600, QImage::Format_RGB32};
    CanvasInteraction interaction{project};
};

TEST_F(CanvasInteractionTest, PressPicksTheTopmostItemAndStartsAMove)
{
    const int below = addClipart(QSize(200, 100), QPoint(0, 0));
    const int above = addClipart(QSize(200, 100), QPoint(100, 50));

    const CanvasResponse overlap = interaction.press(QPoint(150, 75));
    EXPECT_TRUE(overlap.changed);
    EXPECT_TRUE(overlap.capture);
    EXPECT_TRUE(project.item(above).isSelected());
    EXPECT_FALSE(project.item(below).isSelected());
    EXPECT_TRUE(interaction.isMoving());

    interaction.move(QPoint(170, 65));
    EXPECT_EQ(project.item(above).position(), QPoint(120, 40));
    EXPECT_EQ(project.item(below).position(), QPoint(0, 0));
    const CanvasResponse released = interaction.release();
    EXPECT_TRUE(released.release);
    EXPECT_FALSE(interaction.isMoving());
    EXPECT_TRUE(project.isModified());
    EXPECT_EQ(project.history().currentIndex(), 0);

    // Only the lower item is under this point.
    interaction.press(QPoint(20, 20));
    EXPECT_TRUE(project.item(below).isSelected());
    EXPECT_FALSE(project.item(above).isSelected());
}

TEST_F(CanvasInteractionTest, MovesAreMeasuredInZoomedWindowPixels)
{
    project.setZoom(2.0f);
    const int item = addClipart(QSize(100, 100), QPoint(10, 10));
    project.setScroll(QPoint(4, 0));
    compose();
    interaction.press(QPoint(50, 50));
    ASSERT_TRUE(interaction.isMoving());
    interaction.move(QPoint(61, 50));
    // trunc((2 x 10 + 11) / 2)
    EXPECT_EQ(project.item(item).position(), QPoint(15, 10));
}

TEST_F(CanvasInteractionTest, EmptyClickDeselectsAndStillSignals)
{
    const int item = addClipart(QSize(100, 100), QPoint(0, 0));
    select(item);
    const CanvasResponse response = interaction.press(QPoint(600, 500));
    EXPECT_TRUE(response.changed);
    EXPECT_FALSE(response.capture);
    EXPECT_FALSE(project.item(item).isSelected());
    EXPECT_EQ(project.firstSelectedIndex(), -1);
}

TEST_F(CanvasInteractionTest, BottomRightHandleScalesByDistanceOverHalfDiagonal)
{
    const int item = addClipart(QSize(200, 100), QPoint(0, 0));
    select(item);
    // Handle 4 is the square just beyond the bottom-right corner.
    ASSERT_EQ(interaction.handleAt(QPointF(204, 104)), 4);
    const CanvasResponse pressed = interaction.press(QPoint(204, 104));
    EXPECT_TRUE(pressed.capture);
    EXPECT_EQ(interaction.handleIndex(), 4);

    interaction.move(QPoint(100 + 223, 50));
    EXPECT_FLOAT_EQ(project.item(item).scale(), 223.0f / 111.0f);
    // The centre stays where it was.
    const float scale = 223.0f / 111.0f;
    EXPECT_EQ(project.item(item).position(),
              QPoint(int(std::trunc(100 - 200 * double(scale) / 2)), int(std::trunc(50 - 100 * double(scale) / 2))));

    interaction.release();
    EXPECT_EQ(interaction.handleIndex(), -1);
    EXPECT_EQ(project.history().currentIndex(), 0);
}

TEST_F(CanvasInteractionTest, SideHandlesMeasureAgainstHalfTheSide)
{
    const int item = addClipart(QSize(200, 100), QPoint(0, 0));
    select(item);
    // Handle 3, the middle of the bottom side, compares with half the height.
    ASSERT_EQ(interaction.handleAt(QPointF(100, 104)), 3);
    interaction.press(QPoint(100, 104));
    interaction.move(QPoint(100, 150));
    EXPECT_FLOAT_EQ(project.item(item).scale(), 2.0f);
    EXPECT_EQ(project.item(item).position(), QPoint(-100, -50));
}

TEST_F(CanvasInteractionTest, ShrinkingStopsAtSixteenPixelsAcross)
{
    useBrush(QSize(10, 6), 10);
    ASSERT_TRUE(project.addBrushStamp(ViewPoint::atCollage(QPoint(100, 100))).isOk());
    const int stamp = project.itemCount() - 1;
    ASSERT_FLOAT_EQ(project.item(stamp).scale(), 1.0f);
    select(stamp);
    const QPointF corner = project.selectionTransform().map(QPointF(12, 8));
    ASSERT_EQ(interaction.handleAt(corner), 4);
    interaction.press(corner.toPoint());
    interaction.move(QPoint(100, 100));
    EXPECT_FLOAT_EQ(project.item(stamp).scale(), 1.0f);
}

TEST_F(CanvasInteractionTest, AHandleWithoutLengthLeavesTheScaleAlone)
{
    // Half of one pixel truncates to 0: dividing by it would make the scale infinite.
    const int item = addClipart(QSize(1, 1), QPoint(100, 100));
    select(item);
    ASSERT_EQ(interaction.handleAt(QPointF(106, 106)), 4);
    interaction.press(QPoint(106, 106));
    interaction.move(QPoint(150, 150));
    EXPECT_FLOAT_EQ(project.item(item).scale(), 1.0f);
    EXPECT_EQ(project.item(item).position(), QPoint(100, 100));
}

TEST_F(CanvasInteractionTest, RotateHandleSetsTheAngleFromTheCorner)
{
    const int item = addClipart(QSize(100, 100), QPoint(50, 50));
    select(item);
    ASSERT_EQ(interaction.handleAt(QPointF(38, 38)), 8);
    const CanvasResponse pressed = interaction.press(QPoint(38, 38));
    EXPECT_TRUE(pressed.capture);
    interaction.move(QPoint(100, 20));
    EXPECT_FLOAT_EQ(project.item(item).angle(), 45.0f);
    // The angle is set from the corner, not added to.
    interaction.move(QPoint(100, 10));
    EXPECT_FLOAT_EQ(project.item(item).angle(), 45.0f);
    interaction.release();

    // The handles turn with the item: handle 8 of the turned item sits elsewhere.
    EXPECT_EQ(interaction.handleAt(QPointF(38, 38)), -1);
    const QPointF turned = project.selectionTransform().map(QPointF(-12, -12));
    EXPECT_EQ(interaction.handleAt(turned), 8);
    EXPECT_EQ(interaction.move(turned.toPoint()).cursor, CanvasCursor::Rotate);
}

TEST_F(CanvasInteractionTest, CursorsFollowHandlesAndTheSelectedItem)
{
    const int item = addClipart(QSize(200, 100), QPoint(0, 0));
    select(item);
    EXPECT_EQ(interaction.move(QPoint(-4, -4)).cursor, CanvasCursor::SizeDiagonalDown);
    EXPECT_EQ(interaction.move(QPoint(-4, 50)).cursor, CanvasCursor::SizeHorizontal);
    EXPECT_EQ(interaction.move(QPoint(-4, 104)).cursor, CanvasCursor::SizeDiagonalUp);
    EXPECT_EQ(interaction.move(QPoint(100, -4)).cursor, CanvasCursor::SizeVertical);
    EXPECT_EQ(interaction.move(QPoint(50, 50)).cursor, CanvasCursor::SizeAll);
    // Leaving the item over empty canvas brings the arrow back.
    EXPECT_EQ(interaction.move(QPoint(500, 500)).cursor, CanvasCursor::Arrow);
}

TEST_F(CanvasInteractionTest, BrushStrokesStampOnPressThenEveryThirdMove)
{
    useBrush(QSize(10, 6), 20);
    project.brushSettings().brushMode = true;
    const CanvasResponse pressed = interaction.press(QPoint(100, 100));
    EXPECT_TRUE(interaction.isPainting());
    EXPECT_EQ(pressed.cursor, CanvasCursor::Brush);
    EXPECT_EQ(project.itemCount(), 1);
    EXPECT_TRUE(project.isModified());
    for (int i = 0; i < 7; ++i)
        interaction.move(QPoint(110 + i, 100));
    EXPECT_EQ(project.itemCount(), 3); // moves 3 and 6
    EXPECT_EQ(project.firstSelectedIndex(), -1);
    interaction.release();
    EXPECT_EQ(project.history().currentIndex(), 0);
    EXPECT_EQ(project.history().at(0)->size(), 3);

    // The counter runs on across strokes: the next stamp comes on the second move.
    interaction.press(QPoint(300, 300));
    EXPECT_EQ(project.itemCount(), 4);
    interaction.move(QPoint(301, 300));
    EXPECT_EQ(project.itemCount(), 4);
    interaction.move(QPoint(302, 300));
    EXPECT_EQ(project.itemCount(), 5);
    interaction.release();
}

TEST_F(CanvasInteractionTest, StampCounterWrapsAfterAThousand)
{
    useBrush(QSize(10, 6), 10);
    project.brushSettings().brushMode = true;
    interaction.press(QPoint(100, 100));
    for (int i = 0; i < 1001; ++i)
        interaction.move(QPoint(100, 100));
    EXPECT_EQ(interaction.stampCounter(), 0);
    EXPECT_EQ(project.itemCount(), 1 + 1000 / 3 + 1);
}

TEST_F(CanvasInteractionTest, PreviewPressesOnlyAskToLeave)
{
    const int item = addClipart(QSize(100, 100), QPoint(0, 0));
    project.setPreviewMode(true);
    const CanvasResponse pressed = interaction.press(QPoint(50, 50));
    EXPECT_TRUE(pressed.leavePreview);
    EXPECT_FALSE(pressed.changed);
    EXPECT_FALSE(project.item(item).isSelected());
    EXPECT_FALSE(interaction.isMoving());
    interaction.move(QPoint(80, 80));
    EXPECT_EQ(project.item(item).position(), QPoint(0, 0));
    EXPECT_TRUE(interaction.escapeKey().leavePreview);
    EXPECT_FALSE(project.isModified());
    EXPECT_EQ(project.history().currentIndex(), -1);

    project.setPreviewMode(false);
    EXPECT_FALSE(interaction.escapeKey().leavePreview);
}

TEST_F(CanvasInteractionTest, PickingATextItemHandsOverItsText)
{
    addClipart(QSize(100, 100), QPoint(0, 0));
    TextStyleRecord text;
    text.setText(QStringLiteral("Summer \u00e9t\u00e9\r\nline two"));
    text.width = 120;
    text.height = 40;
    text.scale = 1.0f;
    text.left = 200;
    text.top = 10;
    project.appendItem(CanvasItem(text));
    compose();
    const CanvasResponse picked = interaction.press(QPoint(250, 30));
    ASSERT_TRUE(picked.pickedText.has_value());
    EXPECT_EQ(*picked.pickedText, QStringLiteral("Summer \u00e9t\u00e9\r\nline two"));
    interaction.release();
    EXPECT_FALSE(interaction.press(QPoint(50, 50)).pickedText.has_value());
}

TEST_F(CanvasInteractionTest, DeleteKeyRemovesTheSelectedItem)
{
    addClipart(QSize(100, 100), QPoint(0, 0));
    const int second = addClipart(QSize(100, 100), QPoint(200, 0));
    interaction.deleteKey();
    EXPECT_EQ(project.itemCount(), 2);
    select(second);
    interaction.deleteKey();
    EXPECT_EQ(project.itemCount(), 1);
    EXPECT_EQ(project.history().currentIndex(), 0);
}

} // namespace
