#include "base/atomic_file.h"

#include "support/small_disk.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace montora;

TEST(AtomicFile, ReplacesTheWholeFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("list.cfg");
    ASSERT_TRUE(AtomicFile::write(path, QByteArray("a longer old content")));
    ASSERT_TRUE(AtomicFile::write(path, QByteArray("new")));
    EXPECT_EQ(test::readFileBytes(path), QByteArray("new"));
}

TEST(AtomicFile, FailedWriteKeepsTheOldFileAndLeavesNoTemporary)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("project.mcf");
    ASSERT_TRUE(AtomicFile::write(path, QByteArray("precious")));
    const Status failed = AtomicFile::write(path, [](QIODevice& device) {
        device.write("half");
        return Status::error("disk full");
    });
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.message(), QStringLiteral("disk full"));
    EXPECT_EQ(test::readFileBytes(path), QByteArray("precious"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"project.mcf"});
}

TEST(AtomicFile, MissingFolderIsAClearError)
{
    QTemporaryDir folder;
    const Status failed = AtomicFile::write(folder.filePath("no/such/folder/file"), QByteArray("x"));
    EXPECT_FALSE(failed);
    EXPECT_TRUE(failed.message().contains("Cannot create"));
}

// On a real full disk, a read-only disk and a rename that cannot happen: the old
// file stays byte for byte, no temporary is left, and the message names the cause.
TEST(AtomicFile, FailuresOnARealDiskKeepTheOldFileAndNameTheCause)
{
    enum class Trouble { Full, PartlyFull, ReadOnly, FolderInTheWay };
    struct Case {
        const char* name;
        Trouble trouble;
        qint64 contentSize;
        const char* cause;
    };
    for (const Case& c : {Case{"no space at all", Trouble::Full, 100, "No space left on device"},
                          Case{"space for part of it", Trouble::PartlyFull, 40000, "No space left on device"},
                          Case{"read-only", Trouble::ReadOnly, 100, "Read-only file system"},
                          Case{"a folder in the way", Trouble::FolderInTheWay, 100, "Cannot replace"}}) {
        SCOPED_TRACE(c.name);
        test::SmallDisk disk;
        MONTORA_NEED_SMALL_DISK(disk);
        const QString path = disk.path("project.mcf");
        const QByteArray old(3000, 'o');
        ASSERT_TRUE(AtomicFile::write(path, old));
        QString target = path;
        if (c.trouble == Trouble::ReadOnly) {
            ASSERT_TRUE(disk.remountReadOnly());
        } else if (c.trouble == Trouble::FolderInTheWay) {
            target = disk.path("folder");
            ASSERT_TRUE(QDir().mkpath(disk.path("folder/inside")));
        } else {
            disk.fill(c.trouble == Trouble::PartlyFull ? 16384 : 0);
        }
        const Status failed = AtomicFile::write(target, QByteArray(c.contentSize, 'n'));
        EXPECT_FALSE(failed);
        EXPECT_TRUE(failed.message().contains(c.cause)) << failed.message().toStdString();
        EXPECT_EQ(test::readFileBytes(path), old);
        EXPECT_EQ(disk.leftovers(), QStringList());
    }
}
