// Painting in the main window with real mouse events: the Brush tab, a stroke on
// the canvas, its undo step, and the stamps in a saved and reopened project.
#include "app/ui/library_tab.h"
#include "app/ui/main_frame.h"
#include "app/ui/main_frame_panels.h"
#include "canvas/ui/collage_canvas.h"
#include "controls/skin_radio_button.h"
#include "library/library_file_encoder.h"
#include "library/library_files.h"
#include "library/ui/brush_panel.h"
#include "library/ui/library_panel.h"
#include "project/project_file_writer.h"
#include "support/memory_library_files.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace montora;

namespace {

class BrushPaintingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        data = folder.filePath("Data") + "/";
        ASSERT_TRUE(QDir().mkpath(data));
        QImage dot(20, 20, QImage::Format_ARGB32);
        dot.fill(Qt::white); // every stamp shows in the brush colour alone
        ASSERT_TRUE(test::writeFileBytes(data + LibraryFiles::kBrushes,
                                         LibraryFileEncoder::file(LibraryLayout::Thumbnail,
                                                                  {LibraryFileEncoder::thumbnailRecord(dot)})));
        openWindow();
    }
    void TearDown() override { frame.reset(); }

    void openWindow()
    {
        frame.reset();
        frame = std::make_unique<MainFrame>(std::make_unique<test::MemoryLibraryFiles>(), prompter);
        frame->resize(1280, 800);
        panels = new MainFramePanels(*frame, prompter, data);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    CollageCanvas& canvas() { return *frame->canvas(); }
    BrushPanel& brushes() { return *panels->brushPanel(); }

    // The Brush tab, the first brush at 30 pixels in the default black, and brush mode on.
    void takeBrush()
    {
        QTest::mouseClick(frame->libraryTab(int(LibraryPanelSlot::Brush)), Qt::LeftButton, {}, QPoint(20, 10));
        ASSERT_TRUE(brushes().isVisible());
        LibraryPanel* strip = brushes().strip();
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->fittedRect(0).center());
        brushes().sizeSlider()->setValue(30);
        SkinRadioButton* paint = brushes().brushModeSwitch();
        QTest::mouseClick(paint, Qt::LeftButton, {}, QPoint(8, paint->height() / 2));
        ASSERT_TRUE(canvas().project().brushSettings().brushMode);
    }

    // Press at `from`, seven moves one step apart, release.
    void stroke(QPoint from, QPoint step)
    {
        QTest::mousePress(&canvas(), Qt::LeftButton, {}, from);
        for (int i = 1; i <= 7; ++i)
            QTest::mouseMove(&canvas(), from + step * i);
        QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, from + step * 7);
    }

    // Where a 30-pixel stamp centred on the window point stands in the collage.
    QPoint stampCorner(QPoint windowPoint) const
    {
        const QPoint surface = windowPoint + frame->canvas()->project().scroll();
        return QPoint(int(std::trunc(surface.x() - 15.0)), int(std::trunc(surface.y() - 15.0)));
    }

    QTemporaryDir folder;
    QString data;
    test::ScriptedPrompter prompter;
    std::unique_ptr<MainFrame> frame;
    MainFramePanels* panels = nullptr;
};

TEST_F(BrushPaintingTest, AStrokeStampsAlongThePathAsOneUndoStepAndSurvivesSaving)
{
    takeBrush();
    const QPoint from(200, 150);
    stroke(from, QPoint(10, 4));

    // The press stamps, then every third move: moves 3 and 6.
    CollageProject& project = canvas().project();
    ASSERT_EQ(project.itemCount(), 3);
    const QPoint expected[] = {from, from + QPoint(30, 12), from + QPoint(60, 24)};
    for (int i = 0; i < 3; ++i) {
        const BrushItem* stamp = project.item(i).asBrush();
        ASSERT_NE(stamp, nullptr);
        EXPECT_EQ(QPoint(stamp->left, stamp->top), stampCorner(expected[i])) << "stamp " << i;
        EXPECT_FLOAT_EQ(stamp->scale, 1.5f);
        EXPECT_EQ(stamp->colour, 0u);
    }
    EXPECT_EQ(canvas().surface().pixel(expected[2]), qRgb(0, 0, 0));
    EXPECT_TRUE(project.isModified());

    // One stroke, one step: undo takes all three stamps, redo gives them back.
    EXPECT_EQ(project.history().size(), 1);
    ASSERT_TRUE(frame->runCommand(CommandId::Undo));
    EXPECT_EQ(project.itemCount(), 0);
    ASSERT_TRUE(frame->runCommand(CommandId::Redo));
    EXPECT_EQ(project.itemCount(), 3);

    const QString path = folder.filePath("painted.mcf");
    ASSERT_TRUE(ProjectFileWriter::save(project, path).isOk());
    openWindow();
    panels->openProjectFile(path);
    ASSERT_EQ(canvas().project().itemCount(), 3);
    const BrushItem* reopened = canvas().project().item(2).asBrush();
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(QPoint(reopened->left, reopened->top), stampCorner(expected[2]));
    EXPECT_EQ(canvas().surface().pixel(expected[2]), qRgb(0, 0, 0));

    // Undoing a stroke made on the reopened collage goes back to it, not to nothing.
    takeBrush();
    stroke(QPoint(500, 300), QPoint(0, 10));
    ASSERT_GT(canvas().project().itemCount(), 3);
    ASSERT_TRUE(frame->runCommand(CommandId::Undo));
    EXPECT_EQ(canvas().project().itemCount(), 3);
    EXPECT_EQ(canvas().surface().pixel(expected[2]), qRgb(0, 0, 0));
}

TEST_F(BrushPaintingTest, TheSwitchFollowsWhenTheCanvasEndsBrushMode)
{
    takeBrush();
    // Framing ends brush mode even when it has no photo to work on.
    panels->apply(MainFramePanels::SetFrame, 0);
    EXPECT_EQ(prompter.messages(), QStringList{"Please select a photo on the canvas."});
    EXPECT_FALSE(brushes().brushModeSwitch()->isOn());
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_EQ(canvas().project().itemCount(), 0);
}

} // namespace
