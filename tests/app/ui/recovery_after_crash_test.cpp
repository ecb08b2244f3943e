// The real program killed outright (SIGKILL) while its collage has unsaved
// changes: the recovery copy it wrote survives, and the next start offers it and
// brings back every item.
#include "app/library_startup_files.h"
#include "app/project_commands.h"
#include "app/recovery_file.h"
#include "app/ui/collage_app.h"
#include "app/ui/main_frame.h"
#include "canvas/ui/collage_canvas.h"
#include "platform/data_folder.h"
#include "project/project_file_writer.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace montora;

namespace {

QString instanceId() { return "test-" + QUuid::createUuid().toString(QUuid::WithoutBraces); }

// A project of three photos cut inside the third: opening it shows two items and
// leaves the collage differing from its file, that is, with unsaved changes.
QString damagedProject(const QTemporaryDir& folder, std::vector<QByteArray>& intactRecords)
{
    CollageProject project;
    for (int i = 0; i < 3; ++i) {
        const QString path = folder.filePath(QStringLiteral("p%1.png").arg(i));
        QImage picture(80, 60, QImage::Format_RGB32);
        picture.fill(QColor(80 * i, 40, 200));
        EXPECT_TRUE(picture.save(path));
        EXPECT_TRUE(project.addPhoto(path, picture.size(), ViewPoint::atCollage({30 * i, 20})).isOk());
    }
    const QString file = folder.filePath("trip.mcf");
    EXPECT_TRUE(ProjectFileWriter::save(project, file).isOk());
    QByteArray bytes = test::readFileBytes(file);
    bytes.chop(200);
    EXPECT_TRUE(test::writeFileBytes(file, bytes));
    for (int i = 0; i < 2; ++i)
        intactRecords.push_back(project.item(i).recordBytes());
    return file;
}

} // namespace

TEST(RecoveryAfterCrash, AKilledProgramsCollageIsOfferedAndRestoredAtTheNextStart)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString data = folder.filePath("Data") + "/";
    ASSERT_TRUE(QDir().mkpath(data));
    std::vector<QByteArray> intact;
    const QString project = damagedProject(folder, intact);

    QProcess studio;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("MONTORA_DATA_DIR", data);
    environment.insert("MONTORA_INSTANCE_ID", instanceId());
    environment.insert("MONTORA_AUTOSAVE_SECONDS", "0.2");
    studio.setProcessEnvironment(environment);
    studio.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    studio.start(MONTORA_STUDIO_PATH, {project});
    ASSERT_TRUE(studio.waitForStarted(10000));
    const RecoveryFile recovery(data);
    // The damage message stays open; the copy is written behind it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return recovery.exists(); }, 30000)) << "no recovery copy appeared";
    studio.kill();
    ASSERT_TRUE(studio.waitForFinished(10000));
    EXPECT_EQ(studio.exitStatus(), QProcess::CrashExit);
    ASSERT_TRUE(recovery.exists()) << "a crash leaves the copy";

    qputenv("MONTORA_INSTANCE_ID", instanceId().toUtf8());
    DataFolder::setOverride(data);
    test::ScriptedPrompter prompter;
    prompter.answers = {Prompter::Answer::Yes};
    {
        CollageApp app(prompter, [] { return std::make_unique<LibraryStartupFiles>(); });
        ASSERT_TRUE(app.start());
        ASSERT_FALSE(prompter.messages().isEmpty());
        EXPECT_EQ(prompter.messages()[0], ProjectCommands::restoreQuestion());
        const CollageProject& restored = app.mainFrame()->canvas()->project();
        ASSERT_EQ(restored.itemCount(), 2);
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(restored.item(i).recordBytes(), intact[size_t(i)]) << "item " << i;
        EXPECT_TRUE(restored.isModified());
        EXPECT_EQ(app.mainFrame()->windowTitle(), "untitled* - Montora Studio");
        app.stop(); // the window goes without a close: like a crash, the copy stays
    }
    EXPECT_TRUE(recovery.exists());

    // Declined at the following start, it is moved aside, once, and said where.
    prompter.asked.clear();
    prompter.answers = {Prompter::Answer::No};
    {
        CollageApp app(prompter, [] { return std::make_unique<LibraryStartupFiles>(); });
        ASSERT_TRUE(app.start());
        EXPECT_EQ(app.mainFrame()->canvas()->project().itemCount(), 0);
        app.stop();
    }
    ASSERT_EQ(prompter.messages().size(), 2);
    EXPECT_TRUE(prompter.messages()[1].contains(QDir::toNativeSeparators(recovery.declinedPath())));
    EXPECT_FALSE(recovery.exists());
    EXPECT_TRUE(QFileInfo::exists(recovery.declinedPath()));
    DataFolder::setOverride(QString());
    qunsetenv("MONTORA_INSTANCE_ID");
}
