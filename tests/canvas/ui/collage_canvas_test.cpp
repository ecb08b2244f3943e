#include "canvas/ui/collage_canvas.h"
#include "canvas/selection_handles.h"
#include "controls/skin_scroll_bar.h"
#include "support/fake_canvas_resources.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace montora;

namespace {

class CollageCanvasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        canvas.resize(400, 300);
        canvas.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
    }

    int addClipart(QSize size, QPoint at)
    {
        ClipartItem clipart = ClipartItem::forLibrary(5, size, at.x(), at.y(), 0);
        clipart.selected = 0;
        canvas.project().appendItem(CanvasItem(clipart));
        canvas.recompose();
        return canvas.project().itemCount() - 1;
    }

    CollageCanvas canvas;
};

TEST_F(CollageCanvasTest, ClickPicksTheTopmostItemAndADragMovesIt)
{
    const int below = addClipart(QSize(200, 100), QPoint(0, 0));
    const int above = addClipart(QSize(200, 100), QPoint(100, 50));
    QSignalSpy changed(&canvas, &CollageCanvas::canvasChanged);

    QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(150, 75));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(canvas.project().item(above).isSelected());
    EXPECT_FALSE(canvas.project().item(below).isSelected());
    EXPECT_TRUE(canvas.hasFocus());
    QTest::mouseMove(&canvas, QPoint(160, 95));
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(160, 95));
    EXPECT_EQ(canvas.project().item(above).position(), QPoint(110, 70));
    EXPECT_EQ(changed.count(), 2); // the pushed step
    EXPECT_TRUE(canvas.project().isModified());
    // The handles of the moved item are on the picture: the top-left square's fill.
    EXPECT_EQ(canvas.surface().pixel(106, 66), SelectionHandles::kResizeFill);
}

TEST_F(CollageCanvasTest, TheFirstStampOfAStrokeTakesTheHandlesOffTheScreen)
{
    const int item = addClipart(QSize(100, 80), QPoint(20, 20));
    canvas.project().item(item).setSelected(true);
    canvas.recompose();
    QImage dot(10, 10, QImage::Format_ARGB32);
    dot.fill(Qt::black);
    BrushSettings& brush = canvas.project().brushSettings();
    brush.setLibrary({dot});
    brush.brushIndex = 0;
    brush.size = 10;
    brush.brushMode = true;

    QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    ASSERT_FALSE(canvas.project().item(item).isSelected());
    const QImage drawn = canvas.surface().copy();
    canvas.recompose();
    EXPECT_EQ(drawn, canvas.surface());
}

// A drag redraws only around the dragged item; what it leaves on the surface must be
// what a whole recomposition draws.
TEST_F(CollageCanvasTest, DragsRedrawTheSameSurfaceAsAWholeRecomposition)
{
    test::FakeCanvasResources resources;
    QImage stripes(200, 100, QImage::Format_ARGB32);
    for (int y = 0; y < stripes.height(); ++y)
        for (int x = 0; x < stripes.width(); ++x)
            stripes.setPixel(x, y, (x / 10 + y / 10) % 2 ? 0xFF2060C0 : 0xFFE0A020);
    resources.libraryPictures[5] = stripes;
    canvas.project().setResources(&resources);
    addClipart(QSize(200, 100), QPoint(20, 20));
    addClipart(QSize(200, 100), QPoint(120, 90));
    canvas.project().setScroll(QPoint(0, 0));

    auto wholeRecomposition = [this] {
        const QImage partial = canvas.surface().copy();
        canvas.recompose();
        return partial == canvas.surface();
    };
    EXPECT_EQ(canvas.surface().pixel(125, 95), 0xFFE0A020); // the stripes are drawn
    // Move the upper item across the lower one, in small steps and then a jump far
    // beyond its old place.
    QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(300, 150));
    for (int step = 1; step <= 6; ++step)
        QTest::mouseMove(&canvas, QPoint(300 - step * 23, 150 - step * 9));
    EXPECT_TRUE(wholeRecomposition());
    QTest::mouseMove(&canvas, QPoint(60, 20));
    EXPECT_TRUE(wholeRecomposition());
    QTest::mouseMove(&canvas, QPoint(162, 96));
    EXPECT_TRUE(wholeRecomposition());
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(162, 96));
    EXPECT_TRUE(wholeRecomposition());
    // Turn it from its top-left round handle, then size it from the bottom-right square.
    const QRectF box = canvas.project().selectionTransform().mapRect(QRectF(0, 0, 200, 100));
    QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, box.topLeft().toPoint() + QPoint(-12, -12));
    QTest::mouseMove(&canvas, box.topLeft().toPoint() + QPoint(10, -40));
    EXPECT_GE(canvas.interaction().handleIndex(), 0);
    EXPECT_TRUE(wholeRecomposition());
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, box.topLeft().toPoint() + QPoint(10, -40));
    EXPECT_NE(canvas.project().item(1).angle(), 0.0f);
    canvas.project().setResources(nullptr);
}

TEST_F(CollageCanvasTest, EmptyClickDeselectsAndStillSignals)
{
    const int item = addClipart(QSize(100, 100), QPoint(0, 0));
    canvas.project().item(item).setSelected(true);
    canvas.recompose();
    QSignalSpy changed(&canvas, &CollageCanvas::canvasChanged);
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(300, 250));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(canvas.project().firstSelectedIndex(), -1);
    EXPECT_EQ(canvas.project().history().currentIndex(), -1);
}

TEST_F(CollageCanvasTest, HandleDragResizesAndDeleteThenUndoBringsItBack)
{
    const int item = addClipart(QSize(200, 100), QPoint(0, 0));
    canvas.project().item(item).setSelected(true);
    canvas.recompose();
    QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(204, 104));
    QTest::mouseMove(&canvas, QPoint(100 + 223, 50));
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(100 + 223, 50));
    EXPECT_FLOAT_EQ(canvas.project().item(item).scale(), 223.0f / 111.0f);

    QTest::keyClick(&canvas, Qt::Key_Delete);
    EXPECT_EQ(canvas.project().itemCount(), 0);
    EXPECT_TRUE(canvas.undo());
    ASSERT_EQ(canvas.project().itemCount(), 1);
    EXPECT_FLOAT_EQ(canvas.project().item(0).scale(), 223.0f / 111.0f);
    EXPECT_TRUE(canvas.redo());
    EXPECT_EQ(canvas.project().itemCount(), 0);
}

TEST_F(CollageCanvasTest, PreviewClicksAndEscapeOnlyAskToLeave)
{
    const int item = addClipart(QSize(100, 100), QPoint(0, 0));
    canvas.setPreviewMode(true);
    QSignalSpy leave(&canvas, &CollageCanvas::canvasLeavePreview);
    QSignalSpy changed(&canvas, &CollageCanvas::canvasChanged);
    QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QTest::mouseMove(&canvas, QPoint(90, 90));
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(90, 90));
    QTest::keyClick(&canvas, Qt::Key_Escape);
    EXPECT_EQ(leave.count(), 2);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(canvas.project().item(item).isSelected());
    EXPECT_EQ(canvas.project().item(item).position(), QPoint(0, 0));
    EXPECT_FALSE(canvas.verticalBar()->isVisible());
}

TEST_F(CollageCanvasTest, ScrollBarsFollowTheZoomedCollage)
{
    // 1024 x 768 in a 400 x 300 window.
    canvas.recompose();
    ASSERT_TRUE(canvas.verticalBar()->isVisible());
    ASSERT_TRUE(canvas.horizontalBar()->isVisible());
    EXPECT_EQ(canvas.verticalBar()->range(), 768 - 300 + 17);
    EXPECT_EQ(canvas.horizontalBar()->range(), 1024 - 400 + 17);
    EXPECT_EQ(canvas.verticalBar()->geometry(), QRect(QPoint(384, -1), QPoint(400, 300 - 17)));

    const int item = addClipart(QSize(100, 100), QPoint(0, 150));
    canvas.scrollVertically(ScrollAction::PageDown);
    EXPECT_EQ(canvas.project().scroll(), QPoint(0, 100));
    EXPECT_EQ(canvas.verticalBar()->position(), 100);
    // A window point now lands 100 pixels further down the collage.
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(50, 60));
    EXPECT_TRUE(canvas.project().item(item).isSelected());
    canvas.scrollVertically(ScrollAction::Bottom);
    EXPECT_EQ(canvas.project().scroll().y(), 768 - 300 + 17);
    canvas.scrollVertically(ScrollAction::PageDown);
    EXPECT_EQ(canvas.project().scroll().y(), 768 - 300 + 17);
    canvas.scrollVertically(ScrollAction::ThumbTrack, 7);
    EXPECT_EQ(canvas.project().scroll().y(), 7);

    canvas.setZoom(0.25f);
    EXPECT_FALSE(canvas.verticalBar()->isVisible());
    EXPECT_FALSE(canvas.horizontalBar()->isVisible());
    // 256 x 192 is centred in the 400 x 300 window.
    EXPECT_EQ(canvas.project().scroll(), QPoint(-72, -54));
    EXPECT_EQ(canvas.surface().pixel(300, 250), Compositor::kWorkspace);
}

void wheel(QWidget* widget, QPoint at, QPoint angle, Qt::KeyboardModifiers modifiers, QPoint pixels = QPoint())
{
    QWheelEvent event(QPointF(at), QPointF(widget->mapToGlobal(at)), pixels, angle, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

TEST_F(CollageCanvasTest, WheelScrollsAndCtrlWheelZoomsAboutThePointer)
{
    wheel(&canvas, QPoint(100, 100), QPoint(0, -120), Qt::NoModifier);
    EXPECT_EQ(canvas.project().scroll(), QPoint(0, 60));
    wheel(&canvas, QPoint(100, 100), QPoint(0, -120), Qt::ShiftModifier);
    EXPECT_EQ(canvas.project().scroll(), QPoint(60, 60));
    wheel(&canvas, QPoint(100, 100), QPoint(0, 0), Qt::NoModifier, QPoint(-7, 5)); // a touchpad
    EXPECT_EQ(canvas.project().scroll(), QPoint(67, 55));

    QSignalSpy fit(&canvas, &CollageCanvas::fitRequested);
    QTest::keyClick(&canvas, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(fit.count(), 1);

    QObject::connect(&canvas, &CollageCanvas::wheelZoomRequested, &canvas,
                     [this](int steps, QPoint at) { canvas.zoomAbout(steps > 0 ? 1.5f : 0.25f, at); });
    const QPoint pointer(150, 120);
    const QPointF under = QPointF(pointer + canvas.project().scroll()) / canvas.project().zoom();
    wheel(&canvas, pointer, QPoint(0, 120), Qt::ControlModifier);
    EXPECT_FLOAT_EQ(canvas.project().zoom(), 1.5f);
    const QPointF after = QPointF(pointer + canvas.project().scroll()) / canvas.project().zoom();
    EXPECT_NEAR(after.x(), under.x(), 1.0);
    EXPECT_NEAR(after.y(), under.y(), 1.0);
    EXPECT_EQ(canvas.horizontalBar()->position(), canvas.project().scroll().x());

    // Zoomed out the collage is centred, and a click still picks what is drawn under it.
    wheel(&canvas, pointer, QPoint(0, -120), Qt::ControlModifier);
    const int item = addClipart(QSize(100, 100), QPoint(400, 300));
    EXPECT_EQ(canvas.project().scroll(), QPoint(-72, -54));
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(72 + 110, 54 + 85));
    EXPECT_TRUE(canvas.project().item(item).isSelected());
}

TEST_F(CollageCanvasTest, HandlesShowAboveHigherItemsAndBeyondTheCollageEdge)
{
    canvas.setZoom(0.25f); // centred, with workspace round the collage
    const int below = addClipart(QSize(400, 400), QPoint(0, 0));
    addClipart(QSize(800, 800), QPoint(0, 0));
    canvas.project().item(below).setSelected(true);
    canvas.recompose();
    const QPoint corner = -canvas.project().scroll(); // the collage's top-left in the window
    // The resize square at the item's bottom-right lies over the item above it.
    EXPECT_EQ(canvas.surface().pixel(corner + QPoint(100 + 4, 100 + 4)), SelectionHandles::kResizeFill);
    // The top-left square lies outside the collage, on the workspace.
    EXPECT_EQ(canvas.surface().pixel(corner + QPoint(-4, -4)), SelectionHandles::kResizeFill);
}

TEST_F(CollageCanvasTest, ContextMenuIsHandedOn)
{
    QSignalSpy menu(&canvas, &CollageCanvas::canvasContextMenu);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), canvas.mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(&canvas, &event);
    EXPECT_EQ(menu.count(), 1);
}

} // namespace
