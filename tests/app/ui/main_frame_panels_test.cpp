// What the library panels ask of the canvas reaches the user: the hint when no
// photo is selected, a new tint drawn at once, and resource packs imported from
// the File menu.
#include "app/ui/main_frame.h"
#include "app/ui/main_frame_panels.h"
#include "library/ui/brush_panel.h"
#include "app/ui/library_tab.h"
#include "canvas/ui/collage_canvas.h"
#include "controls/skin_button.h"
#include "library/effect_kinds.h"
#include "library/library_file_encoder.h"
#include "library/library_file.h"
#include "library/library_files.h"
#include "library/mask_pack.h"
#include "library/resource_pack_builder.h"
#include "library/thumbnail_library_file.h"
#include "library/ui/decoration_column.h"
#include "library/ui/effect_kind_selector.h"
#include "library/ui/library_panel.h"
#include "support/memory_library_files.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace montora;

namespace {

class MainFramePanelsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        data = folder.filePath("Data") + "/";
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

    // A pack of `count` pictures, as `montora pack build` makes it.
    QString pack(ResourceKind kind, int count, const QString& name) const
    {
        QByteArray bytes = ResourcePack::encodeHeader(kind, count);
        for (int i = 0; i < count; ++i) {
            QImage picture(30 + i, 24, QImage::Format_ARGB32);
            picture.fill(qRgba(40 * i, 120, 200, 255));
            bytes += ResourcePack::encodeRecord(
                kind, ResourcePackBuilder::recordFor(kind, picture, FrameInsets{0.1f, 0.1f, 0.9f, 0.9f}).value());
        }
        const QString path = folder.filePath(name);
        EXPECT_TRUE(test::writeFileBytes(path, bytes));
        return path;
    }
    int count(const QString& file) const
    {
        return LibraryFile(data + file, *LibraryFiles::layoutOf(file)).count().valueOr(-1);
    }
    void importChoosing(const QString& path)
    {
        prompter.openFileAnswers.push_back({path});
        ASSERT_TRUE(frame->runCommand(CommandId::ImportResourcePack));
    }

    QTemporaryDir folder;
    QString data;
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

TEST_F(MainFramePanelsTest, AnImportedPackGoesToTheFilesOfItsKindAndItsStripShowsItAtOnce)
{
    QSignalSpy imported(panels, &MainFramePanels::resourcePackImported);
    importChoosing(pack(ResourceKind::Cliparts, 3, "party.irs"));
    ASSERT_EQ(prompter.asked.size(), 1) << prompter.messages().join('|').toStdString();
    EXPECT_EQ(prompter.asked[0].kind, test::ScriptedPrompter::Asked::Kind::OpenFiles);
    EXPECT_EQ(prompter.asked[0].text, "(*.irs)|*.irs||");
    EXPECT_EQ(count(LibraryFiles::kClipart), 3);
    EXPECT_EQ(panels->clipartPanel()->count(), 3);
    EXPECT_EQ(panels->framePanel()->count(), 0);

    importChoosing(pack(ResourceKind::Frames, 2, "wedding.irs"));
    EXPECT_EQ(count(LibraryFiles::kFrameThumbnails), 2);
    EXPECT_EQ(count(LibraryFiles::kFrames), 2);
    EXPECT_EQ(panels->framePanel()->count(), 2);
    EXPECT_EQ(panels->clipartPanel()->count(), 3);

    importChoosing(pack(ResourceKind::Brushes, 4, "stamps.irs"));
    EXPECT_EQ(count(LibraryFiles::kBrushes), 4);
    ASSERT_EQ(imported.size(), 3);
    EXPECT_EQ(imported[2][0].value<LibraryRefresh>(), LibraryRefresh::BrushPanel);
    EXPECT_EQ(panels->brushPanel()->strip()->count(), 4);
    EXPECT_EQ(panels->maskPanel()->count(), 28);
    EXPECT_EQ(prompter.messages(), QStringList());
}

TEST_F(MainFramePanelsTest, ASecondImportIsRefusedAndABrokenPackIsReportedWithoutChangingTheLibraries)
{
    const QString party = pack(ResourceKind::Cliparts, 2, "party.irs");
    importChoosing(party);
    importChoosing(party);
    ASSERT_EQ(prompter.messages(), QStringList{"Already in the library."});
    EXPECT_EQ(prompter.asked.last().icon, Prompter::Icon::Information);
    EXPECT_EQ(prompter.asked.last().caption, "Montora Studio");
    EXPECT_EQ(count(LibraryFiles::kClipart), 2);

    QByteArray cut = test::readFileBytes(pack(ResourceKind::Cliparts, 3, "cut.irs"));
    cut.chop(cut.size() / 3);
    ASSERT_TRUE(test::writeFileBytes(folder.filePath("cut.irs"), cut));
    QByteArray unknown = test::readFileBytes(pack(ResourceKind::Cliparts, 1, "unknown.irs"));
    unknown[0] = 9;
    ASSERT_TRUE(test::writeFileBytes(folder.filePath("unknown.irs"), unknown));
    for (const char* name : {"cut.irs", "unknown.irs"}) {
        prompter.asked.clear();
        importChoosing(folder.filePath(name));
        ASSERT_EQ(prompter.messages().size(), 1) << name;
        EXPECT_TRUE(prompter.messages()[0].startsWith("The resource pack could not be imported.")) << name;
        EXPECT_EQ(prompter.asked.last().icon, Prompter::Icon::Warning);
    }
    EXPECT_EQ(count(LibraryFiles::kClipart), 2);
    EXPECT_EQ(panels->clipartPanel()->count(), 2);
}

} // namespace
