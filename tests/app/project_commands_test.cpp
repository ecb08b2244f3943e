#include "app/project_commands.h"

#include "base/write_faults.h"
#include "canvas/collage_project.h"
#include "canvas/library_resources.h"
#include "project/project_description.h"
#include "project/project_file_writer.h"
#include "support/fake_canvas_resources.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

namespace montora {
namespace {

using Outcome = ProjectCommands::Outcome;
using Form = CollageSettingsAsker::Form;
using test::ScriptedPrompter;

class ScriptedAsker : public CollageSettingsAsker {
public:
    struct Asked {
        Form form;
        CanvasSettings current;
    };

    std::optional<CanvasSettings> ask(Form form, const CanvasSettings& current) override
    {
        asked.push_back({form, current});
        if (answers.empty())
            return std::nullopt;
        std::optional<CanvasSettings> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<CanvasSettings>> answers;
    std::vector<Asked> asked;
};

class ProjectCommandsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkpath("data"));
        project.setResources(&resources);
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    // A modified collage of a 640 x 480 tiled background with two photos.
    void fill()
    {
        ASSERT_TRUE(project.setSize(640, 480).isOk());
        project.setFillMode(FillMode::Tile);
        project.setBackgroundColour(0x336699);
        for (const char* name : {"a.jpg", "b.jpg"})
            ASSERT_TRUE(project.addPhoto(QStringLiteral("/pictures/") + name, QSize(400, 300),
                                         ViewPoint::atCollage(QPoint(10, 20)))
                            .isOk());
        ASSERT_TRUE(project.isModified());
    }

    // A project file of one photo, written without going through the commands.
    QString otherProjectFile()
    {
        CollageProject other;
        other.setResources(&resources);
        EXPECT_TRUE(other.setSize(300, 200).isOk());
        EXPECT_TRUE(other.addPhoto("/pictures/other.jpg", QSize(50, 50), ViewPoint::atCollage({})).isOk());
        EXPECT_TRUE(ProjectFileWriter::save(other, path("other.mcf")).isOk());
        return path("other.mcf");
    }

    std::vector<QByteArray> records() const
    {
        std::vector<QByteArray> bytes;
        for (const CanvasItem& item : project.items())
            bytes.push_back(item.recordBytes());
        return bytes;
    }

    QTemporaryDir folder;
    test::FakeCanvasResources resources;
    CollageProject project;
    ScriptedPrompter prompter;
    ScriptedAsker asker;
    ProjectCommands commands{project, prompter, asker, folder.filePath("data")};
};

TEST_F(ProjectCommandsTest, TheSaveQuestionComesOnlyForAModifiedCollage)
{
    EXPECT_EQ(commands.newProject(), Outcome::Unchanged);
    EXPECT_EQ(commands.openProject(), Outcome::Unchanged);
    EXPECT_TRUE(prompter.messages().isEmpty());
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].kind, ScriptedPrompter::Asked::Kind::OpenFiles);
    EXPECT_EQ(prompter.asked[0].text, "collage files (*.mcf)|*.mcf||");
    ASSERT_EQ(asker.asked.size(), 1u);
    EXPECT_EQ(asker.asked[0].form, Form::NewCollage);
    EXPECT_EQ(asker.asked[0].current, CanvasSettings());

    fill();
    prompter.asked.clear();
    prompter.answers = {Prompter::Answer::No, Prompter::Answer::No};
    EXPECT_EQ(commands.newProject(), Outcome::Unchanged);
    EXPECT_EQ(commands.openProject(), Outcome::Unchanged);
    ASSERT_EQ(prompter.asked.size(), 3); // question, question, open dialog
    for (int i : {0, 1}) {
        EXPECT_EQ(prompter.asked[i].caption, "Montora Studio");
        EXPECT_EQ(prompter.asked[i].icon, Prompter::Icon::Question);
        EXPECT_EQ(prompter.asked[i].buttons, Prompter::Buttons::YesNoCancel);
    }
    EXPECT_EQ(prompter.asked[0].text, "Project has been modified, Do you want to save it?");
    EXPECT_EQ(prompter.asked[1].text, "Current project has been modified, Do you want to save it?");
    EXPECT_EQ(project.itemCount(), 2); // cancelled New after No
}

TEST_F(ProjectCommandsTest, YesWithACancelledSaveCancelsTheCommand)
{
    fill();
    const auto before = records();
    prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::Yes};
    asker.answers = {CanvasSettings()};
    prompter.openFileAnswers = {{otherProjectFile()}};
    EXPECT_EQ(commands.newProject(), Outcome::Unchanged);
    EXPECT_EQ(commands.openProject(), Outcome::Unchanged);
    ASSERT_EQ(prompter.asked.size(), 4); // question, save dialog, question, save dialog
    EXPECT_EQ(prompter.asked[1].kind, ScriptedPrompter::Asked::Kind::SaveFile);
    EXPECT_EQ(prompter.asked[3].kind, ScriptedPrompter::Asked::Kind::SaveFile);
    EXPECT_TRUE(asker.asked.empty());
    EXPECT_EQ(records(), before);
    EXPECT_TRUE(project.isModified());

    // A save that fails cancels too; No goes on without saving.
    prompter.asked.clear();
    prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::Ok, Prompter::Answer::No};
    prompter.saveFileAnswers = {path("no/such/folder/x")};
    EXPECT_EQ(commands.openProject(), Outcome::Unchanged);
    EXPECT_EQ(records(), before);
    EXPECT_EQ(commands.openProject(), Outcome::ContentsReplaced);
    EXPECT_EQ(project.itemCount(), 1);
    EXPECT_FALSE(project.isModified());
    EXPECT_EQ(commands.currentPath(), path("other.mcf"));
}

TEST_F(ProjectCommandsTest, YesSavesTheOldCollageBeforeTheNewOne)
{
    fill();
    const auto before = records();
    prompter.answers = {Prompter::Answer::Yes};
    prompter.saveFileAnswers = {path("kept")};
    asker.answers = {CanvasSettings{800, 600, 0x00FF00, QString(), CanvasSettings::Stretch}};
    EXPECT_EQ(commands.newProject(), Outcome::ContentsReplaced);

    CollageProject saved;
    ASSERT_TRUE(ProjectCommands(saved, prompter, asker, QString()).openFile(path("kept.mcf")).isOk());
    ASSERT_EQ(saved.itemCount(), 2);
    EXPECT_EQ(saved.item(1).recordBytes(), before[1]);
    EXPECT_EQ(ProjectCommands::settingsOf(project),
              (CanvasSettings{800, 600, 0x00FF00, QString(), CanvasSettings::Stretch}));
    EXPECT_EQ(project.itemCount(), 0);
    EXPECT_FALSE(project.isModified()); // as the save left it
}

TEST_F(ProjectCommandsTest, NewEmptiesAndAppliesKeepingTheModifiedFlag)
{
    fill();
    project.pushHistory();
    const QImage back = test::quadrantImage(40, 30);
    ASSERT_TRUE(back.save(path("back.png")));
    prompter.answers = {Prompter::Answer::No};
    asker.answers = {CanvasSettings{1023, 770, 0xFF000000, path("back.png"), CanvasSettings::Tile}};
    EXPECT_EQ(commands.newProject(), Outcome::ContentsReplaced);
    EXPECT_EQ(project.itemCount(), 0);
    EXPECT_EQ(project.history().size(), 0);
    EXPECT_EQ(project.hitRegions().size(), 0);
    EXPECT_EQ(project.size(), QSize(1020, 768));
    EXPECT_EQ(project.backgroundColour(), 0u); // the picker's "default" is black
    EXPECT_EQ(project.fillMode(), FillMode::Tile);
    EXPECT_EQ(project.backgroundPath(), path("back.png"));
    EXPECT_EQ(project.backgroundPicture().size(), QSize(40, 30));
    EXPECT_TRUE(project.isModified());
}

TEST_F(ProjectCommandsTest, RefusedSettingsChangeNothing)
{
    fill();
    const auto before = records();
    prompter.answers = {Prompter::Answer::No};
    CanvasSettings narrow;
    narrow.width = 9;
    CanvasSettings tall;
    tall.height = 3201;
    asker.answers = {narrow, tall};
    EXPECT_EQ(commands.newProject(), Outcome::Unchanged);
    EXPECT_EQ(commands.collageSettings(), Outcome::Unchanged);
    EXPECT_EQ(records(), before);
    EXPECT_EQ(project.size(), QSize(640, 480));
    EXPECT_EQ(prompter.messages().mid(1),
              QStringList(2, QStringLiteral("Please enter an integer between 10 and 3200.")));
}

TEST_F(ProjectCommandsTest, SaveAsAddsTheExtensionAndAsksBeforeReplacing)
{
    fill();
    prompter.saveFileAnswers = {path("plain"), path("dotted."), path("kept.collage")};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(commands.saveProjectAs(), Outcome::Saved);
    EXPECT_TRUE(QFile::exists(path("plain.mcf")));
    EXPECT_TRUE(QFile::exists(path("dotted.mcf")));
    EXPECT_TRUE(QFile::exists(path("kept.collage")));
    EXPECT_EQ(prompter.asked[0].text, "(*.mcf)|*.mcf||");
    EXPECT_EQ(prompter.asked[0].caption, "untitled");
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_FALSE(project.isModified());

    // "plain" typed again names the existing "plain.mcf".
    const QByteArray old = test::readFileBytes(path("plain.mcf"));
    ASSERT_TRUE(project.addPhoto("/pictures/c.jpg", QSize(10, 10), ViewPoint::atCollage({})).isOk());
    prompter.asked.clear();
    prompter.saveFileAnswers = {path("plain"), path("plain")};
    prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
    EXPECT_EQ(commands.saveProjectAs(), Outcome::Unchanged);
    EXPECT_EQ(test::readFileBytes(path("plain.mcf")), old);
    EXPECT_TRUE(project.isModified());
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0], "plain.mcf already exists.\nDo you want to replace it?");

    EXPECT_EQ(commands.saveProjectAs(), Outcome::Saved);
    EXPECT_EQ(test::readFileBytes(path("plain.mcf")).size(), 280 + 3 * (4 + 704));
    EXPECT_FALSE(project.isModified());
}

TEST_F(ProjectCommandsTest, SaveAsProposesTheOpenProjectsNameInItsFolder)
{
    ASSERT_EQ(commands.openPath(otherProjectFile()), Outcome::ContentsReplaced);
    prompter.asked.clear();
    EXPECT_EQ(commands.saveProjectAs(), Outcome::Unchanged); // the dialog cancelled
    EXPECT_EQ(commands.openProject(), Outcome::Unchanged);
    ASSERT_EQ(prompter.asked.size(), 2);
    EXPECT_EQ(prompter.asked[0].caption, "other.mcf");
    EXPECT_EQ(prompter.asked[0].startFolder, QFileInfo(path("other.mcf")).absolutePath());
    EXPECT_EQ(prompter.asked[1].kind, ScriptedPrompter::Asked::Kind::OpenFiles);
    EXPECT_EQ(prompter.asked[1].startFolder, QFileInfo(path("other.mcf")).absolutePath());
}

TEST_F(ProjectCommandsTest, AFailedSaveIsReportedAndKeepsTheModifiedFlag)
{
    fill();
    prompter.saveFileAnswers = {path("no/such/folder/x.mcf")};
    EXPECT_EQ(commands.saveProjectAs(), Outcome::Unchanged);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].startsWith("The project could not be saved.\n"));
    EXPECT_GT(prompter.messages()[0].size(), QString("The project could not be saved.\n").size());
    EXPECT_TRUE(project.isModified());
}

TEST_F(ProjectCommandsTest, AFailedOpenKeepsTheCollageAndSaysWhy)
{
    fill();
    project.setModified(false);
    const auto before = records();
    QByteArray damaged = test::readFileBytes(otherProjectFile());
    damaged.chop(100); // inside the photo record
    ASSERT_TRUE(test::writeFileBytes(path("damaged.mcf"), damaged));
    prompter.openFileAnswers = {{path("damaged.mcf")}, {path("missing.mcf")}};
    EXPECT_EQ(commands.openProject(), Outcome::Unchanged);
    EXPECT_EQ(commands.openProject(), Outcome::Unchanged);
    EXPECT_EQ(records(), before);
    EXPECT_EQ(project.size(), QSize(640, 480));
    EXPECT_EQ(project.fillMode(), FillMode::Tile);
    ASSERT_EQ(prompter.messages().size(), 2);
    EXPECT_TRUE(prompter.messages()[0].startsWith("The project could not be opened.\n"));
    EXPECT_TRUE(prompter.messages()[0].contains("damaged.mcf"));
    EXPECT_TRUE(prompter.messages()[1].contains("missing.mcf"));
}

TEST_F(ProjectCommandsTest, CarriedMasksReachTheDataFolderOnlyFromAWholeFile)
{
    ASSERT_TRUE(project.addPhoto("/pictures/m.jpg", QSize(40, 40), ViewPoint::atCollage({})).isOk());
    resources.customMasks.emplace_back(test::keyOf(5), CustomMaskBlock{8, 8, QByteArray("mask", 4)});
    resources.maskKeys[40] = test::keyOf(5); // past the built-in masks
    ASSERT_TRUE(project.setMask(40).isOk());
    ASSERT_TRUE(commands.saveFile(path("masked.mcf")).isOk());
    QByteArray cut = test::readFileBytes(path("masked.mcf"));
    cut.chop(2);
    ASSERT_TRUE(test::writeFileBytes(path("cut.mcf"), cut));

    // A collage without resources of its own uses the data folder's library.
    CollageProject bare;
    ProjectCommands bareCommands(bare, prompter, asker, path("data"));
    const QString library = path("data/cusmask.cfg");
    EXPECT_FALSE(bareCommands.openFile(path("cut.mcf")).isOk());
    EXPECT_FALSE(QFile::exists(library));
    ASSERT_TRUE(bareCommands.openFile(path("masked.mcf")).isOk());
    EXPECT_EQ(bare.resources(), nullptr);
    const QByteArray added = test::readFileBytes(library);
    ASSERT_EQ(added.size(), 4 + 12 + 16 + 4);
    EXPECT_EQ(added.left(4), QByteArray("\1\0\0\0", 4));
    EXPECT_EQ(added.right(4), QByteArray("mask"));
}

// The custom-mask copy is only a cache: a disk too full for it costs the mask
// library the mask, never the collage.
TEST_F(ProjectCommandsTest, AMaskTheLibraryCannotTakeStillOpensDrawsAndSaves)
{
    QByteArray maskPng;
    QBuffer buffer(&maskPng);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && test::quadrantImage(8, 8).save(&buffer, "PNG"));
    ASSERT_TRUE(project.addPhoto("/pictures/m.jpg", QSize(40, 40), ViewPoint::atCollage({})).isOk());
    resources.customMasks.emplace_back(test::keyOf(5), CustomMaskBlock{8, 8, maskPng});
    resources.maskKeys[40] = test::keyOf(5);
    ASSERT_TRUE(project.setMask(40).isOk());
    ASSERT_TRUE(commands.saveFile(path("masked.mcf")).isOk());

    LibraryResources library(path("data"));
    CollageProject opened;
    opened.setResources(&library);
    ProjectCommands openCommands(opened, prompter, asker, path("data"));
    WriteFaults::arm({.failAfterBytes = 0});
    const Outcome outcome = openCommands.openPath(path("masked.mcf"));
    WriteFaults::disarm();
    EXPECT_EQ(outcome, Outcome::ContentsReplaced);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].startsWith("A custom mask of this collage could not be added to the mask library"));
    EXPECT_TRUE(prompter.messages()[0].contains("No space left on device")) << prompter.messages()[0].toStdString();
    EXPECT_FALSE(opened.isModified());
    EXPECT_FALSE(QFile::exists(path("data/cusmask.cfg")));
    EXPECT_FALSE(library.customMaskPicture(test::keyOf(5)).isNull()) << "the photo is drawn with its mask";
    ASSERT_TRUE(openCommands.saveFile(path("again.mcf")).isOk());
    EXPECT_EQ(test::readFileBytes(path("again.mcf")), test::readFileBytes(path("masked.mcf")));
}

TEST_F(ProjectCommandsTest, SettingsCancelChangesNothingAndOkKeepsEveryItem)
{
    fill();
    project.setModified(false);
    const auto before = records();
    const CanvasSettings current = ProjectCommands::settingsOf(project);
    asker.answers = {std::nullopt};
    EXPECT_EQ(commands.collageSettings(), Outcome::Unchanged);
    ASSERT_EQ(asker.asked.size(), 1u);
    EXPECT_EQ(asker.asked[0].form, Form::Setting);
    EXPECT_EQ(asker.asked[0].current, (CanvasSettings{640, 480, 0x336699, QString(), CanvasSettings::Tile}));
    EXPECT_EQ(ProjectCommands::settingsOf(project), current);
    EXPECT_FALSE(project.isModified());

    asker.answers = {current};
    EXPECT_EQ(commands.collageSettings(), Outcome::SettingsChanged);
    EXPECT_FALSE(project.isModified()); // nothing differs

    asker.answers = {CanvasSettings{2000, 1500, 0x0000FF, "/no/such.png", CanvasSettings::Stretch}};
    EXPECT_EQ(commands.collageSettings(), Outcome::SettingsChanged);
    EXPECT_EQ(records(), before);
    EXPECT_EQ(project.hitRegions().size(), 2);
    EXPECT_EQ(ProjectCommands::settingsOf(project),
              (CanvasSettings{2000, 1500, 0x0000FF, "/no/such.png", CanvasSettings::Stretch}));
    EXPECT_TRUE(project.backgroundPicture().isNull());
    EXPECT_TRUE(project.isModified());
}

TEST_F(ProjectCommandsTest, TheCommandLineDescribesWhatTheCommandsSaved)
{
    fill();
    asker.answers = {CanvasSettings{1600, 1200, 0x102030, "/no/back.jpg", CanvasSettings::Stretch}};
    ASSERT_EQ(commands.collageSettings(), Outcome::SettingsChanged);
    prompter.saveFileAnswers = {path("described")};
    ASSERT_EQ(commands.saveProjectAs(), Outcome::Saved);

    const test::ToolRun run = test::runCli({"info", path("described.mcf")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject printed = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(printed, ProjectDescription::describe(project));
    EXPECT_EQ(printed["items"].toArray().size(), 2);
}

} // namespace
} // namespace montora
