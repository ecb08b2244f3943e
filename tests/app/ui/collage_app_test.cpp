#include "app/library_startup_files.h"
#include "app/ui/collage_app.h"
#include "app/ui/main_frame.h"
#include "base/atomic_file.h"
#include "library/photo_list.h"
#include "platform/data_folder.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace montora;

namespace {

class CollageAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("MONTORA_INSTANCE_ID", ("test-" + QUuid::createUuid().toString(QUuid::WithoutBraces)).toUtf8());
        m_folder = m_root.filePath("Data");
        DataFolder::setOverride(m_folder);
    }
    void TearDown() override
    {
        DataFolder::setOverride(QString());
        qunsetenv("MONTORA_INSTANCE_ID");
    }

    static CollageApp::LibraryFilesFactory libraryFiles()
    {
        return [] { return std::make_unique<LibraryStartupFiles>(); };
    }

    QTemporaryDir m_root;
    QString m_folder;
    test::ScriptedPrompter m_prompter;
};

} // namespace

TEST_F(CollageAppTest, StartShowsTheWindowWithTheLanguageTableInstalled)
{
    CollageApp app(m_prompter, libraryFiles());
    ASSERT_TRUE(app.start());
    ASSERT_NE(app.mainFrame(), nullptr);
    EXPECT_TRUE(app.mainFrame()->isVisible());
    EXPECT_EQ(QApplication::topLevelWidgets().count(app.mainFrame()), 1);
    EXPECT_EQ(LanguageTable::current(), &app.languageTable());
    EXPECT_EQ(LangString(23), "Montora Studio");
    for (const char* name : {"lang.mfd", "mask.cfg", "tbmask.cfg"})
        EXPECT_TRUE(QFileInfo::exists(m_folder + "/" + name)) << name;

    app.sharedPicture().replace();
    EXPECT_EQ(app.sharedPicture().width(), 260);
    EXPECT_EQ(app.sharedPicture().height(), 260);
    EXPECT_EQ(app.sharedPicture().picture().format(), QImage::Format_ARGB32);

    app.stop();
    EXPECT_EQ(app.mainFrame(), nullptr);
    EXPECT_FALSE(app.sharedPicture().isAllocated());
    EXPECT_EQ(LanguageTable::current(), nullptr);
    EXPECT_EQ(LangString(23), QString());
    EXPECT_TRUE(m_prompter.asked.isEmpty());
}

TEST_F(CollageAppTest, SecondStartHandsOverWithoutAWindow)
{
    CollageApp first(m_prompter, libraryFiles());
    ASSERT_TRUE(first.start());
    first.mainFrame()->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(first.mainFrame()->windowState() & Qt::WindowMinimized); }, 2000));

    test::ScriptedPrompter secondPrompter;
    CollageApp second(secondPrompter, libraryFiles());
    EXPECT_FALSE(second.start());
    EXPECT_EQ(second.startExitCode(), 0);
    EXPECT_EQ(second.mainFrame(), nullptr);
    EXPECT_TRUE(secondPrompter.asked.isEmpty());

    EXPECT_TRUE(QTest::qWaitFor([&] { return !(first.mainFrame()->windowState() & Qt::WindowMinimized); }));
    EXPECT_EQ(LanguageTable::current(), &first.languageTable()) << "the handed-over start leaves the table alone";
}

TEST_F(CollageAppTest, UnwritableDataFolderIsSaidOnceAndNoWindowStays)
{
    ASSERT_TRUE(AtomicFile::write(m_root.filePath("blocker"), QByteArray("a file")).isOk());
    const QString folder = m_root.filePath("blocker") + "/Data";
    DataFolder::setOverride(folder);

    CollageApp app(m_prompter, libraryFiles());
    EXPECT_FALSE(app.start());
    EXPECT_EQ(app.startExitCode(), 1);
    EXPECT_EQ(app.mainFrame(), nullptr);
    ASSERT_EQ(m_prompter.messages().size(), 1);
    EXPECT_TRUE(m_prompter.messages()[0].contains(QDir::toNativeSeparators(folder))) << m_prompter.messages()[0].toStdString();
    EXPECT_EQ(m_prompter.asked[0].caption, "Montora Studio");
}

TEST_F(CollageAppTest, ClosingTheWindowSavesThePhotoListItStartedWith)
{
    ASSERT_TRUE(DataFolder::prepare().isOk());
    PhotoList list;
    list.entries() = {PhotoListEntry{PhotoListRecord::forPath("/photos/kept.jpg").value(), "JPEG"}};
    ASSERT_TRUE(list.save(m_folder + "/").isOk());
    QFile::remove(m_folder + "/mask.cfg");

    CollageApp app(m_prompter, libraryFiles());
    ASSERT_TRUE(app.start());
    QFile::remove(m_folder + "/srcmedia.cfg");
    app.mainFrame()->close();
    app.stop();

    PhotoList reloaded;
    ASSERT_TRUE(reloaded.load(m_folder + "/").isOk());
    ASSERT_EQ(reloaded.entries().size(), 1u);
    EXPECT_EQ(reloaded.entries()[0].record.path(), "/photos/kept.jpg");
    EXPECT_TRUE(QFileInfo::exists(m_folder + "/mask.cfg"));
}
