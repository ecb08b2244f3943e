#include "app/startup_library_files.h"
#include "app/startup_sequence.h"
#include "base/atomic_file.h"
#include "platform/data_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace montora;

namespace {

// Records what start-up asked for and writes recognisable files.
class RecordingLibraryFiles : public StartupLibraryFiles {
public:
    QStringList calls;
    bool failMaskWrites = false;

    Status writeMaskLibrary(const QString& path) override { return write("mask", path); }
    Status writeMaskThumbnails(const QString& path) override { return write("thumbnails", path); }
    void loadPhotoList(const QString& path) override { calls << "load " + QFileInfo(path).fileName(); }
    Status savePhotoList(const QString& path) override
    {
        calls << "save " + QFileInfo(path).fileName();
        return Status::ok();
    }

private:
    Status write(const QString& what, const QString& path)
    {
        calls << what + " " + QFileInfo(path).fileName();
        if (failMaskWrites)
            return Status::error("refused");
        return AtomicFile::write(path, what.toUtf8());
    }
};

class StartupSequenceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        m_folder = m_root.filePath("Data");
        DataFolder::setOverride(m_folder);
    }
    void TearDown() override { DataFolder::setOverride(QString()); }

    static StartupSequence::Options fastOptions()
    {
        StartupSequence::Options options;
        options.fileWaitMs = 200;
        options.settleMs = 0;
        return options;
    }

    QString path(const QString& name) const { return m_folder + "/" + name; }
    void put(const QString& name, const QByteArray& bytes) const
    {
        QDir().mkpath(m_folder);
        ASSERT_TRUE(AtomicFile::write(path(name), bytes).isOk());
    }
    QByteArray contentOf(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir m_root;
    QString m_folder;
    RecordingLibraryFiles m_library;
};

QByteArray builtInLanguageFile()
{
    QFile resource(":/lang/english.mfd");
    return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
}

} // namespace

TEST_F(StartupSequenceTest, FreshFolderGetsLanguageFileMaskPackAndAnEmptyPhotoList)
{
    StartupSequence startup(m_library, fastOptions());
    ASSERT_TRUE(startup.run().isOk());

    EXPECT_EQ(m_library.calls, QStringList({"mask mask.cfg", "thumbnails tbmask.cfg", "load srcmedia.cfg"}));
    EXPECT_EQ(contentOf("mask.cfg"), "mask");
    EXPECT_EQ(contentOf("tbmask.cfg"), "thumbnails");
    EXPECT_EQ(contentOf("lang.mfd"), builtInLanguageFile());
    EXPECT_EQ(startup.languageTable().text(23), "Montora Studio");
    EXPECT_EQ(startup.photoListPath(), path("srcmedia.cfg"));
}

TEST_F(StartupSequenceTest, MaskLibraryPresentRecreatesNeitherMaskFile)
{
    put("mask.cfg", "kept");
    StartupSequence startup(m_library, fastOptions());
    ASSERT_TRUE(startup.run().isOk());

    EXPECT_EQ(m_library.calls, QStringList({"load srcmedia.cfg"}));
    EXPECT_EQ(contentOf("mask.cfg"), "kept");
    EXPECT_FALSE(QFileInfo::exists(path("tbmask.cfg")));
}

TEST_F(StartupSequenceTest, MissingMaskLibraryRecreatesBothEvenWhenThumbnailsArePresent)
{
    put("tbmask.cfg", "old thumbnails");
    StartupSequence startup(m_library, fastOptions());
    ASSERT_TRUE(startup.run().isOk());
    EXPECT_EQ(contentOf("mask.cfg"), "mask");
    EXPECT_EQ(contentOf("tbmask.cfg"), "thumbnails");
}

TEST_F(StartupSequenceTest, LanguageFileIsReplacedAtEveryStart)
{
    put("mask.cfg", "kept");
    for (const QByteArray& previous : {QByteArray("a language file of another program"), QByteArray(7020, '\0')}) {
        put("lang.mfd", previous);
        StartupSequence startup(m_library, fastOptions());
        ASSERT_TRUE(startup.run().isOk());
        EXPECT_EQ(contentOf("lang.mfd"), builtInLanguageFile());
        EXPECT_EQ(startup.languageTable().text(24), "File");
    }
}

TEST_F(StartupSequenceTest, UndecipherableResourceLeavesTheTableEmptyButStarts)
{
    QTemporaryDir elsewhere;
    const QString broken = elsewhere.filePath("broken.mfd");
    ASSERT_TRUE(AtomicFile::write(broken, QByteArray(4100, 'z')).isOk());
    StartupSequence::Options options = fastOptions();
    options.languageResource = broken;
    StartupSequence startup(m_library, options);
    ASSERT_TRUE(startup.run().isOk());
    EXPECT_FALSE(startup.languageTable().isLoaded());
    EXPECT_EQ(startup.languageTable().text(23), QString());
}

TEST_F(StartupSequenceTest, UnwritableDataFolderFailsNamingTheFolder)
{
    // A regular file where the folder should be: nothing can be created inside it.
    put("blocker", "a file, not a folder");
    DataFolder::setOverride(path("blocker") + "/Data");
    StartupSequence startup(m_library, fastOptions());
    const Status status = startup.run();
    ASSERT_FALSE(status.isOk());
    EXPECT_TRUE(status.message().contains(QDir::toNativeSeparators(path("blocker") + "/Data"))) << status.message().toStdString();
    EXPECT_TRUE(m_library.calls.isEmpty());
}

TEST_F(StartupSequenceTest, FilesThatCannotBeWrittenEndTheWaitWithAMessage)
{
    // A folder in the language file's place cannot be replaced by a file.
    QDir().mkpath(path("lang.mfd"));
    StartupSequence startup(m_library, fastOptions());
    const Status language = startup.run();
    ASSERT_FALSE(language.isOk());
    EXPECT_TRUE(language.message().contains("\"lang.mfd\"")) << language.message().toStdString();
    EXPECT_TRUE(language.message().contains(QDir::toNativeSeparators(m_folder))) << language.message().toStdString();
    QDir(path("lang.mfd")).removeRecursively();

    m_library.failMaskWrites = true;
    StartupSequence again(m_library, fastOptions());
    const Status mask = again.run();
    ASSERT_FALSE(mask.isOk());
    EXPECT_TRUE(mask.message().contains("\"mask.cfg\"")) << mask.message().toStdString();
    EXPECT_FALSE(m_library.calls.contains("load srcmedia.cfg"));
}
