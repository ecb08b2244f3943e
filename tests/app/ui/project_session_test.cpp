// The main window keeps the user's work: closing asks, Save and Ctrl+S write the
// current file, a cancelled save cancels the command, the recovery copy follows
// the edits, damaged projects and moved photos open as far as they can.
#include "app/collage_autosave.h"
#include "app/recent_projects.h"
#include "app/recovery_file.h"
#include "app/ui/main_frame.h"
#include "app/ui/main_frame_panels.h"
#include "app/ui/project_session.h"
#include "app/ui/shell_menu.h"
#include "app/ui/toolbar_button.h"
#include "canvas/ui/collage_canvas.h"
#include "controls/skin_button.h"
#include "project/project_file_writer.h"
#include "support/memory_library_files.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace montora;

namespace {

using Answer = Prompter::Answer;
using Kind = test::ScriptedPrompter::Asked::Kind;

class ProjectSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        dataFolder = folder.filePath("Data") + "/";
        ASSERT_TRUE(QDir().mkpath(dataFolder));
        frame = std::make_unique<MainFrame>(std::make_unique<test::MemoryLibraryFiles>(), prompter);
        frame->resize(1280, 800);
        panels = new MainFramePanels(*frame, prompter, dataFolder);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    void TearDown() override
    {
        if (ShellMenu* menu = frame->openMenu())
            menu->close();
        frame.reset();
    }

    CollageCanvas& canvas() { return *frame->canvas(); }
    CollageProject& project() { return canvas().project(); }
    RecoveryFile recovery() const { return RecoveryFile(dataFolder); }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }
    void clickTool(ToolbarSlot slot) { click(frame->toolbarButton(slot)); }
    // The caption's close button posts the close, as the window manager's does.
    void clickClose()
    {
        click(frame->captionButton(CommandId::CaptionClose));
        QTest::qWait(0);
        QCoreApplication::processEvents();
    }

    QString photo(const QString& path, QColor colour)
    {
        QImage picture(320, 240, QImage::Format_RGB32);
        picture.fill(colour);
        EXPECT_TRUE(picture.save(path, "PNG"));
        return path;
    }
    // Photos placed side by side, recomposed so they can be picked.
    void addPhotos(const QStringList& paths)
    {
        int x = 20;
        for (const QString& path : paths) {
            ASSERT_TRUE(project().addPhoto(path, QSize(320, 240), ViewPoint::atCollage({x, 40})).isOk());
            x += 300;
        }
        canvas().recompose();
    }
    QPoint centreOf(int index)
    {
        const PhotoItem& item = *project().item(index).asPhoto();
        return QPoint(item.left + int(item.boxWidth * item.scale / 2), item.top + int(item.boxHeight * item.scale / 2));
    }
    void dragItem(QPoint from, QPoint by)
    {
        QTest::mousePress(&canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&canvas(), from + by / 2);
        QTest::mouseMove(&canvas(), from + by);
        QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, from + by);
    }
    int itemsIn(const QString& path)
    {
        CollageProject read;
        ProjectCommands commands(read, prompter, asker, QString());
        EXPECT_TRUE(commands.openFile(path).isOk()) << path.toStdString();
        return read.itemCount();
    }
    QString saveAs(const QString& name)
    {
        const QString path = folder.filePath(name);
        prompter.saveFileAnswers.push_back(path);
        clickTool(ToolbarSlot::SaveAs);
        return path + ".mcf";
    }

    class NoAsker : public CollageSettingsAsker {
        std::optional<CanvasSettings> ask(Form, const CanvasSettings&) override { return std::nullopt; }
    } asker;
    QTemporaryDir folder;
    QString dataFolder;
    test::ScriptedPrompter prompter;
    std::unique_ptr<MainFrame> frame;
    MainFramePanels* panels = nullptr;
};

TEST_F(ProjectSessionTest, ClosingWithChangesAsksAndCancelKeepsEverything)
{
    addPhotos({photo(folder.filePath("a.png"), Qt::red), photo(folder.filePath("b.png"), Qt::blue)});
    const QString saved = saveAs("kept");
    const QByteArray onDisk = test::readFileBytes(saved);
    QTest::keyClick(&canvas(), Qt::Key_Delete); // the selected photo
    ASSERT_EQ(project().itemCount(), 1);
    EXPECT_TRUE(project().isModified()) << "Delete changes the collage";
    EXPECT_EQ(frame->windowTitle(), "kept* - Montora Studio");

    prompter.asked.clear();
    prompter.answers = {Answer::Cancel};
    clickClose();
    ASSERT_EQ(prompter.messages(), QStringList{"Save changes to the collage before closing?"});
    EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::SaveDontSaveCancel);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(project().itemCount(), 1);
    EXPECT_TRUE(project().isModified());
    EXPECT_EQ(test::readFileBytes(saved), onDisk);

    // The window manager's close (Alt+F4) asks the same.
    prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(prompter.messages().size(), 2);
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(ProjectSessionTest, ClosingWithSaveWritesTheFileAndLeavesNoRecoveryCopy)
{
    addPhotos({photo(folder.filePath("a.png"), Qt::red)});
    const QString saved = saveAs("trip");
    addPhotos({photo(folder.filePath("b.png"), Qt::green)});
    panels->session().autosave().writeNow();
    panels->session().autosave().waitForWrites();
    ASSERT_TRUE(recovery().exists());

    prompter.answers = {Answer::Save};
    clickClose();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(itemsIn(saved), 2);
    EXPECT_FALSE(recovery().exists()) << "a clean close removes the recovery copy";
}

TEST_F(ProjectSessionTest, YesThenACancelledSaveDialogKeepsTheCollage)
{
    addPhotos({photo(folder.filePath("a.png"), Qt::red), photo(folder.filePath("b.png"), Qt::blue)});
    for (ToolbarSlot command : {ToolbarSlot::New, ToolbarSlot::Open}) {
        prompter.asked.clear();
        prompter.answers = {Answer::Yes};
        clickTool(command); // no file name given in the save dialog
        ASSERT_EQ(prompter.asked.size(), 2);
        EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::YesNoCancel);
        EXPECT_EQ(prompter.asked[1].kind, Kind::SaveFile);
        EXPECT_EQ(project().itemCount(), 2);
        EXPECT_TRUE(project().isModified());
    }
    // Cancel at the question itself asks nothing further.
    prompter.asked.clear();
    prompter.answers = {Answer::Cancel};
    clickTool(ToolbarSlot::Open);
    EXPECT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(project().itemCount(), 2);
}

TEST_F(ProjectSessionTest, CtrlSAfterSaveAsWritesTheSameFile)
{
    addPhotos({photo(folder.filePath("a.png"), Qt::red)});
    EXPECT_EQ(frame->windowTitle(), "untitled* - Montora Studio");
    const QString saved = saveAs("album");
    EXPECT_EQ(frame->windowTitle(), "album - Montora Studio");

    addPhotos({photo(folder.filePath("b.png"), Qt::green)});
    EXPECT_EQ(frame->windowTitle(), "album* - Montora Studio");
    prompter.asked.clear();
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(prompter.asked.isEmpty()) << "no dialog for a collage that has its file";
    EXPECT_EQ(itemsIn(saved), 2);
    EXPECT_EQ(frame->windowTitle(), "album - Montora Studio");
    RecentProjects kept(dataFolder);
    kept.load();
    EXPECT_EQ(kept.paths(), QStringList{saved}) << "the list lives in the data folder";

    // The file menu lists it; choosing it opens it again.
    QTest::keyClick(frame.get(), Qt::Key_F, Qt::AltModifier);
    ShellMenu* menu = frame->openMenu();
    ASSERT_NE(menu, nullptr);
    QAction* recent = menu->actionFor(CommandId::RecentProjectFirst);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->text(), "1 album.mcf");
    menu->close();
    QTest::keyClick(&canvas(), Qt::Key_Delete);
    prompter.answers = {Answer::No};
    ASSERT_TRUE(frame->runCommand(CommandId::RecentProjectFirst));
    EXPECT_EQ(project().itemCount(), 2);
    EXPECT_FALSE(project().isModified());
}

TEST_F(ProjectSessionTest, EditsFillTheRecoveryCopy)
{
    addPhotos({photo(folder.filePath("a.png"), Qt::red), photo(folder.filePath("b.png"), Qt::blue)});
    panels->session().autosave().discard(); // counting starts here
    QPoint at = centreOf(0);
    for (int edit = 0; edit < CollageAutosave::kEditsPerWrite - 1; ++edit) {
        dragItem(at, QPoint(3, 0));
        at += QPoint(3, 0);
    }
    panels->session().autosave().waitForWrites();
    EXPECT_FALSE(recovery().exists()) << "not before the 20th edit";
    dragItem(at, QPoint(3, 0));
    panels->session().autosave().waitForWrites();
    ASSERT_TRUE(recovery().exists());
    CollageProject copy;
    ProjectCommands reader(copy, prompter, asker, QString());
    ASSERT_TRUE(reader.openFile(recovery().path()).isOk());
    ASSERT_EQ(copy.itemCount(), 2);
    EXPECT_EQ(int(copy.item(0).asPhoto()->left), int(project().item(0).asPhoto()->left));

    prompter.answers = {Answer::DontSave};
    clickClose();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_FALSE(recovery().exists());
}

TEST_F(ProjectSessionTest, ADamagedProjectOpensWithItsIntactItemsAndAMessage)
{
    addPhotos({photo(folder.filePath("a.png"), Qt::red), photo(folder.filePath("b.png"), Qt::green),
               photo(folder.filePath("c.png"), Qt::blue)});
    const QString path = folder.filePath("damaged.mcf");
    ASSERT_TRUE(ProjectFileWriter::save(project(), path).isOk());
    QByteArray bytes = test::readFileBytes(path);
    bytes.chop(300); // inside the third photo's record
    ASSERT_TRUE(test::writeFileBytes(path, bytes));
    project().setModified(false);
    QTest::keyClick(&canvas(), Qt::Key_Delete);
    QTest::keyClick(&canvas(), Qt::Key_Delete); // nothing selected: changes nothing

    prompter.asked.clear();
    prompter.answers = {Answer::No};
    prompter.openFileAnswers = {{path}};
    clickTool(ToolbarSlot::Open);
    ASSERT_EQ(project().itemCount(), 2);
    ASSERT_EQ(prompter.messages().size(), 2);
    EXPECT_TRUE(prompter.messages()[1].contains("\"damaged.mcf\" is damaged: only 2 of its 3 items could be read"))
        << prompter.messages()[1].toStdString();
    EXPECT_EQ(canvas().surface().pixelColor(centreOf(0)).red(), 255) << "the intact items are shown";

    // Saving never lands on the damaged file without the user naming it.
    prompter.asked.clear();
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].kind, Kind::SaveFile);
    EXPECT_EQ(test::readFileBytes(path), bytes);
    EXPECT_TRUE(project().isModified());
}

TEST_F(ProjectSessionTest, TwoMovedPhotosAreFoundAgainInAFolder)
{
    const QString red = photo(folder.filePath("red.png"), Qt::red);
    const QString blue = photo(folder.filePath("blue.png"), Qt::blue);
    addPhotos({red, blue});
    const QString path = folder.filePath("moved.mcf");
    ASSERT_TRUE(ProjectFileWriter::save(project(), path).isOk()); // also clears the modified flag
    ASSERT_TRUE(QDir(folder.path()).mkpath("elsewhere/deeper"));
    ASSERT_TRUE(QFile::rename(red, folder.filePath("elsewhere/red.png")));
    ASSERT_TRUE(QFile::rename(blue, folder.filePath("elsewhere/deeper/blue.png")));

    prompter.asked.clear();
    prompter.openFileAnswers = {{path}};
    prompter.answers = {Answer::Yes};
    prompter.folderAnswers = {folder.filePath("elsewhere")};
    clickTool(ToolbarSlot::Open);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0], "These photos were not found:\n  red.png\n  blue.png\n\nLook for them in a folder?");
    EXPECT_EQ(project().item(0).asPhoto()->picturePath(), folder.filePath("elsewhere/red.png"));
    EXPECT_EQ(project().item(1).asPhoto()->picturePath(), folder.filePath("elsewhere/deeper/blue.png"));
    EXPECT_TRUE(project().isModified());
    EXPECT_EQ(frame->windowTitle(), "moved* - Montora Studio");
    const QColor drawn = canvas().surface().pixelColor(centreOf(1) - project().scroll());
    EXPECT_EQ(drawn.blue(), 255) << "relinked photos are drawn again";
}

} // namespace
