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

    Status installMaskPack(const QString& folder) override
    {
        calls << "install";
        if (failMaskWrites)
            return Status::error("refused");
        MONTORA_TRY(AtomicFile::write(folder + "tbmask.cfg", "thumbnails"));
        return AtomicFile::write(folder + "mask.cfg", "mask");
    }
    void loadPhotoList(const QString& folder) override { calls << "load " + folder; }
    Status savePhotoList(const QString& folder) override
    {
        calls << "save " + folder;
        return Status::ok();
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

    EXPECT_EQ(m_library.calls, QStringList({"install", "load " + m_folder + "/"}));
    EXPECT_EQ(contentOf("mask.cfg"), "mask");
    EXPECT_EQ(contentOf("tbmask.cfg"), "thumbnails");
    EXPECT_EQ(contentOf("lang.mfd"), builtInLanguageFile());
    EXPECT_EQ(startup.languageTable().text(23), "Montora Studio");
    EXPECT_EQ(startup.photoListFolder(), m_folder + "/");
}

TEST_F(StartupSequenceTest, MaskLibraryPresentRecreatesNeitherMaskFile)
{
    put("mask.cfg", "kept");
    StartupSequence startup(m_library, fastOptions());
    ASSERT_TRUE(startup.run().isOk());

    EXPECT_EQ(m_library.calls, QStringList({"load " + m_folder + "/"}));
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
    EXPECT_TRUE(mask.message().contains("refused")) << mask.message().toStdString();
    EXPECT_GT(m_library.calls.count("install"), 1) << "a failed write is tried again while waiting";
    EXPECT_FALSE(m_library.calls.contains("load " + m_folder + "/"));
}
