// The main window driven as a person would: a new collage, cliparts from the strip
// by its button and by a drag, photos imported into the photo library and brought
// onto the canvas by a drag and by "Add to Canvas", a mask and a frame, undo and
// redo, Save As, New, Open; the file then read back by the command-line tool.
#include "app/startup_library_files.h"
#include "app/ui/library_tab.h"
#include "app/ui/main_frame.h"
#include "app/ui/main_frame_panels.h"
#include "app/ui/shell_menu.h"
#include "app/ui/toolbar_button.h"
#include "app/photo_import.h"
#include "canvas/item_geometry.h"
#include "canvas/ui/collage_canvas.h"
#include "controls/skin_button.h"
#include "library/library_file_encoder.h"
#include "library/library_files.h"
#include "library/mask_pack.h"
#include "library/thumbnail_library_file.h"
#include "library/ui/library_panel.h"
#include "support/memory_library_files.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"
#include "tools/ui/new_collage_dialog.h"
#include "tools/ui/photo_library_panel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace montora;

namespace {

using test::MemoryLibraryFiles;

QImage plainPicture(QSize size, QColor colour)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Cliparts, built-in masks and one frame (its thumbnail and its picture).
void fillDataFolder(const QString& folder)
{
    ASSERT_TRUE(MaskPack::installBuiltIn(folder).isOk());
    std::vector<LibraryRecord> cliparts;
    for (QColor colour : {QColor(200, 40, 40), QColor(40, 160, 60), QColor(40, 60, 200)})
        cliparts.push_back(ThumbnailLibraryFile::fromImage(plainPicture(QSize(120, 80), colour)));
    writeFile(folder + LibraryFiles::kClipart, LibraryFileEncoder::file(LibraryLayout::Thumbnail, cliparts));

    QImage frame = plainPicture(QSize(400, 300), QColor(120, 80, 30));
    QPainter painter(&frame);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(40, 30, 320, 240), Qt::transparent);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    frame.save(&buffer, "PNG");
    LibraryRecord picture;
    picture.width = frame.width();
    picture.height = frame.height();
    picture.payload = png;
    picture.setInsets(FrameInsets{0.1f, 0.1f, 0.9f, 0.9f});
    writeFile(folder + LibraryFiles::kFrames, LibraryFileEncoder::file(LibraryLayout::PictureWithInsets, {picture}));
    writeFile(folder + LibraryFiles::kFrameThumbnails,
              LibraryFileEncoder::file(LibraryLayout::Thumbnail,
                                       {ThumbnailLibraryFile::fromImage(frame.scaled(60, 45))}));
}

// Runs `answer` on the new-collage dialog once its modal loop runs.
void whenDialogShown(std::function<void(NewCollageDialog&)> answer)
{
    QTimer::singleShot(0, [answer = std::move(answer)] {
        auto* dialog = qobject_cast<NewCollageDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

class MainWindowEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        dataFolder = folder.filePath("Data") + "/";
        ASSERT_TRUE(QDir().mkpath(dataFolder));
        fillDataFolder(dataFolder);
        auto files = std::make_unique<MemoryLibraryFiles>();
        library = files.get();
        frame = std::make_unique<MainFrame>(std::move(files), prompter);
        frame->resize(1280, 800);
        panels = new MainFramePanels(*frame, prompter, dataFolder);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    void TearDown() override { frame.reset(); }

    CollageCanvas& canvas() { return *frame->canvas(); }
    CollageProject& project() { return canvas().project(); }
    // Packed record fields are copied out before they are compared.
    int clipartId(int index) { return int(project().item(index).asClipart()->pictureId); }
    int maskOf(int index) { return int(project().item(index).asPhoto()->maskNumber); }
    int frameOf(int index) { return int(project().item(index).asPhoto()->frameNumber); }
    void click(QWidget* widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }
    void click(QWidget* widget) { click(widget, widget->rect().center()); }
    void clickTool(ToolbarSlot slot) { click(frame->toolbarButton(slot)); }

    // Presses at `from` in `source`, moves far enough to drag, lets go over the
    // canvas point `to`.
    void dragToCanvas(QWidget* source, QPoint from, QPoint to)
    {
        const QPoint target = source->mapFromGlobal(canvas().mapToGlobal(to));
        QTest::mousePress(source, Qt::LeftButton, {}, from);
        QTest::mouseMove(source, from + QPoint(20, 20));
        QTest::mouseMove(source, target);
        QTest::mouseRelease(source, Qt::LeftButton, {}, target);
    }

    QString photo(const QString& name, QColor colour)
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(plainPicture(QSize(640, 480), colour).save(path, "JPEG", 90));
        return path;
    }

    QTemporaryDir folder;
    QString dataFolder;
    test::ScriptedPrompter prompter;
    MemoryLibraryFiles* library = nullptr;
    std::unique_ptr<MainFrame> frame;
    MainFramePanels* panels = nullptr;
};

TEST_F(MainWindowEndToEndTest, BuildSaveReopenAndReadBack)
{
    // New project, 800 x 600.
    whenDialogShown([](NewCollageDialog& dialog) {
        dialog.widthEdit()->setText("800");
        dialog.heightEdit()->setText("600");
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    clickTool(ToolbarSlot::New);
    ASSERT_EQ(project().size(), QSize(800, 600));
    ASSERT_EQ(project().itemCount(), 0);

    // A clipart by the strip's button, another by a drag onto the canvas.
    click(frame->libraryTab(int(LibraryPanelSlot::Clipart)));
    LibraryPanel* cliparts = panels->clipartPanel();
    ASSERT_TRUE(cliparts->isVisible());
    ASSERT_EQ(cliparts->count(), 3);
    click(cliparts, cliparts->fittedRect(0).center());
    click(cliparts->applyButton());
    ASSERT_EQ(project().itemCount(), 1);
    dragToCanvas(cliparts, cliparts->fittedRect(2).center(), QPoint(500, 300));
    ASSERT_EQ(project().itemCount(), 2);
    EXPECT_EQ(clipartId(1), 2);

    // Two photos into the photo library through "Import".
    const QString red = photo("red.jpg", QColor(220, 30, 30));
    const QString blue = photo("blue.jpg", QColor(30, 30, 220));
    prompter.openFileAnswers.push_back({red, blue});
    click(frame->importButton());
    for (int wait = 0; wait < 1000 && (library->entries.size() < 2 || frame->photoImport()->isBusy()); ++wait)
        QTest::qWait(10);
    ASSERT_EQ(library->entries.size(), 2u);

    // The first dragged onto the canvas, the second by "Add to Canvas".
    PhotoLibraryPanel* photos = frame->photoLibraryPanel();
    dragToCanvas(photos, photos->fittedRect(0).center(), QPoint(150, 350));
    ASSERT_EQ(project().itemCount(), 3);
    EXPECT_EQ(project().item(2).asPhoto()->picturePath(), red);
    click(photos, photos->fittedRect(1).center());
    click(photos->addToCanvasButton());
    ASSERT_EQ(project().itemCount(), 4);
    EXPECT_EQ(project().item(3).asPhoto()->picturePath(), blue);

    // A mask on the blue photo (selected since it was added), a frame on the red one.
    click(frame->libraryTab(int(LibraryPanelSlot::Mask)));
    click(panels->maskPanel(), panels->maskPanel()->fittedRect(3).center());
    click(panels->maskPanel()->applyButton());
    EXPECT_EQ(maskOf(3), 4);
    project().deselectAll();
    project().item(2).setSelected(true);
    click(frame->libraryTab(int(LibraryPanelSlot::Frame)));
    click(panels->framePanel(), panels->framePanel()->fittedRect(0).center());
    click(panels->framePanel()->applyButton());
    EXPECT_EQ(frameOf(2), 1);

    // Undo takes the frame off, redo puts it back; the toolbar follows.
    QTest::keyClick(frame.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(frameOf(2), 0);
    EXPECT_TRUE(frame->toolbarButton(ToolbarSlot::Redo)->isEnabled());
    QTest::keyClick(frame.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(frameOf(2), 1);
    EXPECT_FALSE(frame->toolbarButton(ToolbarSlot::Redo)->isEnabled());

    // Save As without an extension; New; Open the saved file.
    const QString saved = folder.filePath("trip");
    prompter.saveFileAnswers.push_back(saved);
    clickTool(ToolbarSlot::SaveAs);
    ASSERT_TRUE(QFile::exists(saved + ".mcf"));
    EXPECT_FALSE(project().isModified());
    whenDialogShown([](NewCollageDialog& dialog) { QTest::mouseClick(dialog.okButton(), Qt::LeftButton); });
    clickTool(ToolbarSlot::New);
    ASSERT_EQ(project().itemCount(), 0);
    prompter.openFileAnswers.push_back({saved + ".mcf"});
    clickTool(ToolbarSlot::Open);
    ASSERT_EQ(project().itemCount(), 4);
    EXPECT_EQ(project().size(), QSize(800, 600));

    // What the command-line tool reads from the file is what was built.
    const test::ToolRun info = test::runCli({"info", saved + ".mcf"});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(info.out).object();
    EXPECT_EQ(json["width"].toInt(), 800);
    EXPECT_EQ(json["height"].toInt(), 600);
    const QJsonArray items = json["items"].toArray();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0].toObject()["kind"].toString(), "clipart");
    EXPECT_EQ(items[1].toObject()["kind"].toString(), "clipart");
    EXPECT_EQ(items[2].toObject()["kind"].toString(), "photo");
    EXPECT_EQ(items[2].toObject()["frame"].toInt(), 1);
    EXPECT_EQ(items[3].toObject()["mask"].toInt(), 4);
    EXPECT_TRUE(prompter.messages().isEmpty()) << prompter.messages().join(" | ").toStdString();
}

// "Setting" from the toolbar runs the real "Collage Setting" dialog: Cancel leaves the
// collage alone, OK with a new size resizes it and keeps every item.
TEST_F(MainWindowEndToEndTest, SettingCancelChangesNothingAndANewSizeKeepsTheItems)
{
    ASSERT_TRUE(project().addClipart(0, ViewPoint::atCollage({20, 20})).isOk());
    ASSERT_TRUE(project().addClipart(1, ViewPoint::atCollage({200, 120})).isOk());
    canvas().recompose();
    const QSize size = project().size();
    const auto colour = project().backgroundColour();

    whenDialogShown([](NewCollageDialog& dialog) {
        EXPECT_EQ(dialog.caption(), "Collage Setting");
        dialog.widthEdit()->setText("999");
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    });
    clickTool(ToolbarSlot::Setting);
    EXPECT_EQ(project().size(), size);
    EXPECT_EQ(project().backgroundColour(), colour);

    whenDialogShown([](NewCollageDialog& dialog) {
        dialog.widthEdit()->setText("640");
        dialog.heightEdit()->setText("480");
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    clickTool(ToolbarSlot::Setting);
    EXPECT_EQ(project().size(), QSize(640, 480));
    ASSERT_EQ(project().itemCount(), 2);
    EXPECT_EQ(clipartId(0), 0);
    EXPECT_EQ(clipartId(1), 1);
    EXPECT_TRUE(prompter.messages().isEmpty()) << prompter.messages().join(" | ").toStdString();
}

} // namespace
