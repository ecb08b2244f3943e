// What the library panels ask of the canvas reaches the user: the hint when no
// photo is selected, and a new tint drawn at once.
#include "app/ui/main_frame.h"
#include "app/ui/main_frame_panels.h"
#include "app/ui/library_tab.h"
#include "canvas/ui/collage_canvas.h"
#include "controls/skin_button.h"
#include "library/effect_kinds.h"
#include "library/library_file_encoder.h"
#include "library/mask_pack.h"
#include "library/thumbnail_library_file.h"
#include "library/ui/decoration_column.h"
#include "library/ui/effect_kind_selector.h"
#include "library/ui/library_panel.h"
#include "support/memory_library_files.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace montora;

namespace {

class MainFramePanelsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        const QString data = folder.filePath("Data") + "/";
        ASSERT_TRUE(QDir().mkpath(data));
        ASSERT_TRUE(MaskPack::installBuiltIn(data).isOk());
        QImage white(100, 80, QImage::Format_ARGB32);
        white.fill(Qt::white);
        ASSERT_TRUE(test::writeFileBytes(
            data + "chrome_p.cfg",
            LibraryFileEncoder::file(LibraryLayout::Thumbnail, {ThumbnailLibraryFile::fromImage(white)})));
        frame = std::make_unique<MainFrame>(std::make_unique<test::MemoryLibraryFiles>(), prompter);
        frame->resize(1280, 800);
        panels = new MainFramePanels(*frame, prompter, data);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    void TearDown() override { frame.reset(); }

    CollageCanvas& canvas() { return *frame->canvas(); }
    void click(QWidget* widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }

    QTemporaryDir folder;
    test::ScriptedPrompter prompter;
    std::unique_ptr<MainFrame> frame;
    MainFramePanels* panels = nullptr;
};

TEST_F(MainFramePanelsTest, ApplyingAMaskWithoutASelectedPhotoSaysSo)
{
    click(frame->libraryTab(int(LibraryPanelSlot::Mask)), QPoint(20, 10));
    LibraryPanel* masks = panels->maskPanel();
    click(masks, masks->fittedRect(2).center());
    click(masks->applyButton(), masks->applyButton()->rect().center());
    ASSERT_EQ(prompter.messages(), QStringList{"Please select a photo on the canvas."});
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Information);
    EXPECT_EQ(prompter.asked[0].caption, "Montora Studio");
}

TEST_F(MainFramePanelsTest, ANewTintRedrawsTheSelectedDecorationAtOnce)
{
    CollageProject& project = canvas().project();
    ASSERT_TRUE(project.addClipart(EffectKinds::libraryId(1, 0), ViewPoint::atCollage({40, 40})).isOk());
    canvas().recompose();
    project.setModified(false);
    const QRgb before = canvas().surface().pixel(90, 80);

    EffectKindSelector* selector = panels->decorationColumn()->selector();
    click(selector, selector->tileRect(1).center());
    ASSERT_EQ(panels->decorationColumn()->tint(), EffectKinds::colour(1));
    const QRgb after = canvas().surface().pixel(90, 80);
    EXPECT_NE(after, before) << "the canvas shows the new tint without another edit";
    EXPECT_TRUE(project.isModified());
}

} // namespace
