#include "platform/start_folder_prompter.h"

#include "support/scripted_prompter.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace montora;
using test::ScriptedPrompter;

TEST(StartFolderPrompterTest, DialogsStartInTheProjectFolderElseTheLastFolderUsedEvenAfterARestart)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("photos") && QDir(root.path()).mkpath("projects"));
    const QString photos = root.filePath("photos");
    const QString memory = root.filePath(StartFolderPrompter::fileName());
    ScriptedPrompter inner;
    {
        StartFolderPrompter folders(inner);
        folders.setMemoryFile(memory);
        Prompter& prompter = folders;
        inner.openFileAnswers = {{photos + "/a.jpg"}};
        prompter.openFiles("(*.jpg)|*.jpg||", Prompter::Selection::Multiple);
        EXPECT_EQ(inner.asked.back().startFolder, QString()) << "nothing used yet: the system's choice";
        prompter.saveFile("(*.mcf)|*.mcf||", "untitled");
        EXPECT_EQ(inner.asked.back().startFolder, photos);
        // A folder the caller names wins.
        prompter.chooseFolder("Find", root.path());
        EXPECT_EQ(inner.asked.back().startFolder, root.path());
    }
    StartFolderPrompter restarted(inner);
    restarted.setMemoryFile(memory);
    Prompter& again = restarted;
    again.chooseFolder("Find");
    EXPECT_EQ(inner.asked.back().startFolder, photos);
    const QString project = root.filePath("projects/trip.mcf");
    restarted.setProjectPath([project] { return project; });
    again.openFiles("(*.jpg)|*.jpg||", Prompter::Selection::Multiple);
    EXPECT_EQ(inner.asked.back().startFolder, root.filePath("projects"));
    // A remembered folder that has gone is no place to start.
    ASSERT_TRUE(QDir(photos).removeRecursively());
    StartFolderPrompter later(inner);
    later.setMemoryFile(memory);
    EXPECT_EQ(later.startFolder(), QString());
}
