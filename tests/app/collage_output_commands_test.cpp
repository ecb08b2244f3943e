#include "app/collage_output_commands.h"
#include "app/export_options_asker.h"
#include "canvas/collage_project.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>

using namespace montora;

namespace {

class ScriptedExportAsker : public ExportOptionsAsker {
public:
    std::deque<std::optional<ExportOptions>> answers;
    QList<ExportOptions> shown;
    QList<bool> pdf;

    std::optional<ExportOptions> ask(bool isPdf, QSize, const ExportOptions& current) override
    {
        shown << current;
        pdf << isPdf;
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class CollageOutputCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // Runs the event loop until the started job has reported its end.
    void waitForJob()
    {
        if (!commands.isBusy())
            return;
        QEventLoop loop;
        QObject::connect(&commands, &CollageOutputCommands::jobFinished, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        ASSERT_FALSE(commands.isBusy());
    }

    QTemporaryDir folder;
    CollageProject project;
    test::ScriptedPrompter prompter;
    ScriptedExportAsker asker;
    CollageOutputCommands commands{project, prompter, asker};
};

} // namespace

TEST_F(CollageOutputCommandsTest, SaveCollageAsksForTheFileAndTheSizeAndRemembersTheSize)
{
    ExportOptions twice;
    twice.scale = 2;
    prompter.saveFileAnswers.push_back(folder.filePath("collage")); // typed without an extension
    asker.answers.push_back(twice);
    int started = 0;
    bool large = false;
    QObject::connect(&commands, &CollageOutputCommands::jobStarted, [&](const QString&, const QString& name, bool big) {
        ++started;
        large = big;
        EXPECT_EQ(name, "collage.jpg");
    });
    ASSERT_TRUE(commands.saveCollage());
    EXPECT_TRUE(commands.isBusy()) << "the export runs while the window goes on";
    EXPECT_FALSE(commands.saveCollage()) << "one job at a time";
    waitForJob();
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].text, CollageOutputCommands::saveFilter());
    EXPECT_EQ(prompter.asked[0].caption, "*.jpg");
    EXPECT_EQ(started, 1);
    EXPECT_TRUE(large) << "2048 x 1536 is a large job";
    EXPECT_EQ(QImage(folder.filePath("collage.jpg")).size(), QSize(2048, 1536));

    // The next save offers the last choice, and asks before replacing a file.
    prompter.saveFileAnswers.push_back(folder.filePath("collage.jpg"));
    prompter.answers.push_back(Prompter::Answer::No);
    EXPECT_FALSE(commands.saveCollage());
    prompter.saveFileAnswers.push_back(folder.filePath("print.PDF"));
    EXPECT_FALSE(commands.saveCollage()); // the form is cancelled
    ASSERT_EQ(asker.shown.size(), 2);
    EXPECT_EQ(asker.shown[1].scale, 2);
    EXPECT_TRUE(asker.pdf[1]);
}

TEST_F(CollageOutputCommandsTest, AFailedSaveIsReported)
{
    ASSERT_TRUE(test::writeFileBytes(folder.filePath("regular"), "a file"));
    ASSERT_TRUE(commands.exportTo(folder.filePath("regular/out.png"), ExportOptions()));
    waitForJob();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].startsWith(CollageOutputCommands::saveFailedMessage(QString())));
    EXPECT_EQ(prompter.asked.last().icon, Prompter::Icon::Warning);
}

TEST_F(CollageOutputCommandsTest, AnExportWithoutSomePhotosWarnsAndNamesThem)
{
    const QString gone = folder.filePath("gone.png");
    ASSERT_TRUE(project.addPhoto(gone, QSize(200, 100), ViewPoint::atCollage(QPoint(10, 10))).isOk());
    ASSERT_TRUE(commands.exportTo(folder.filePath("out.png"), ExportOptions()));
    waitForJob();
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("out.png")));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains(gone)) << prompter.messages()[0].toStdString();
    EXPECT_EQ(prompter.asked.last().icon, Prompter::Icon::Warning);
}
