#include "app/ui/main_frame.h"
#include "app/ui/toolbar_button.h"
#include "canvas/compositor.h"
#include "canvas/ui/collage_canvas.h"
#include "controls/skin_button.h"
#include "support/crop_box_printer.h"
#include "support/memory_library_files.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"
#include "tools/ui/crop_dialog.h"
#include "tools/ui/crop_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>

using namespace montora;

namespace {

bool near(QRgb a, QRgb b, int tolerance = 12)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

class CropCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        frame = std::make_unique<MainFrame>(std::make_unique<test::MemoryLibraryFiles>(), prompter);
        frame->resize(1280, 800);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    void TearDown() override { frame.reset(); }

    CollageProject& project() { return frame->canvas()->project(); }
    CropBox cropOf(int index)
    {
        const PhotoItem& photo = *project().item(index).asPhoto();
        return CropBox{photo.cropLeft, photo.cropTop, photo.cropRight, photo.cropBottom};
    }

    // A phone picture: stored 400 x 300 in four colours, marked "turn clockwise".
    QString turnedPhoto()
    {
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(test::quadrantImage(400, 300).save(&buffer, "JPEG", 95));
        const QString path = folder.filePath("phone.jpg");
        EXPECT_TRUE(test::writeFileBytes(path, test::withExifOrientation(jpeg, 6)));
        return path;
    }

    // Clicks the crop tool and runs `answer` on the dialog once its modal loop runs.
    void cropWith(std::function<void(CropDialog&)> answer)
    {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CropDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
            answered = true;
        });
        ToolbarButton* tool = frame->toolbarButton(ToolbarSlot::Crop);
        ASSERT_TRUE(tool->isEnabled());
        QTest::mouseClick(tool, Qt::LeftButton, {}, tool->rect().center());
        EXPECT_TRUE(answered);
    }
    static void clickCrop(CropDialog& dialog)
    {
        QTest::mouseClick(dialog.cropButton(), Qt::LeftButton, {}, dialog.cropButton()->rect().center());
    }

    QTemporaryDir folder;
    test::ScriptedPrompter prompter;
    std::unique_ptr<MainFrame> frame;
};

TEST_F(CropCommandTest, TurnedPhotoIsCroppedAsSeenInOneUndoStepAndReopensOnItsCrop)
{
    ASSERT_TRUE(project().addPhoto(turnedPhoto(), ViewPoint::atCollage({0, 0})).isOk());
    frame->updateToolbar();
    ASSERT_EQ(cropOf(0), (CropBox{0, 0, 300, 400})) << "the photo is upright";
    const int stepsBefore = project().history().size();

    QRgb seen = 0;
    CropBox chosen;
    cropWith([&](CropDialog& dialog) {
        CropView& view = *dialog.view();
        EXPECT_EQ(view.preview().sourceSize(), QSize(300, 400));
        // The bottom-right corner dragged to the middle: the rectangle lies in the
        // upright picture's top-left quarter.
        const CropGeometry& geometry = view.cropGeometry();
        const CropBox handle = geometry.handleRect(4);
        const CropBox image = geometry.imageRect();
        const QPoint middle((image.left + image.right) / 2 - 4, (image.top + image.bottom) / 2 - 4);
        QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(handle.left + 4, handle.top + 4));
        QTest::mouseMove(&view, middle);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, middle);
        const CropBox crop = geometry.cropRect();
        seen = view.grab().toImage().pixel((crop.left + crop.right) / 2, (crop.top + crop.bottom) / 2);
        clickCrop(dialog);
        chosen = *dialog.cropResult();
    });
    EXPECT_EQ(cropOf(0), chosen);
    EXPECT_LT(chosen.right, 150);
    EXPECT_LT(chosen.bottom, 200);
    EXPECT_EQ(project().history().size(), stepsBefore + 1);

    // What the canvas shows is what the dialog showed: the stored bottom-left (blue)
    // quarter, which the turn brings to the top left.
    project().item(0).setScale(1.0f);
    Compositor compositor;
    auto shown = compositor.render(project(), 1.0f);
    ASSERT_TRUE(shown.isOk());
    const QRgb onCanvas = shown->pixel((chosen.right - chosen.left) / 2, (chosen.bottom - chosen.top) / 2);
    EXPECT_TRUE(near(seen, qRgb(0, 0, 255))) << std::hex << seen;
    EXPECT_TRUE(near(onCanvas, qRgb(0, 0, 255))) << std::hex << onCanvas;

    // Opened again, the dialog starts from the crop; "Crop" unchanged changes nothing.
    cropWith([&](CropDialog& dialog) {
        EXPECT_EQ(dialog.view()->result(), chosen);
        clickCrop(dialog);
    });
    EXPECT_EQ(cropOf(0), chosen);
    EXPECT_EQ(project().history().size(), stepsBefore + 1);

    QTest::mouseClick(frame->toolbarButton(ToolbarSlot::Undo), Qt::LeftButton);
    EXPECT_EQ(cropOf(0), (CropBox{0, 0, 300, 400}));
}

TEST_F(CropCommandTest, CancelLeavesThePhotoAndNoSelectionDisablesTheTool)
{
    ASSERT_TRUE(project().addPhoto(turnedPhoto(), ViewPoint::atCollage({0, 0})).isOk());
    frame->updateToolbar();
    const int stepsBefore = project().history().size();
    cropWith([](CropDialog& dialog) {
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton, {}, dialog.cancelButton()->rect().center());
    });
    EXPECT_EQ(cropOf(0), (CropBox{0, 0, 300, 400}));
    EXPECT_EQ(project().history().size(), stepsBefore);

    project().deselectAll();
    frame->updateToolbar();
    EXPECT_FALSE(frame->toolbarButton(ToolbarSlot::Crop)->isEnabled());
    frame->runCommand(CommandId::Crop);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
