#include "base/atomic_file.h"

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
