#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

using namespace montora::test;

namespace {

// Adding pictures to the data folder's photo library from the command line follows
// the import's rules and keeps what an earlier run added.
TEST(PhotosCommand, AddsOnceRefusesTinyPicturesAndKeepsTheList)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString data = folder.filePath("Data");
    const QString first = folder.filePath("first.jpg");
    const QString second = folder.filePath("second.png");
    const QString tiny = folder.filePath("tiny.png");
    ASSERT_TRUE(seededImage(320, 200, 1).save(first, "JPEG"));
    ASSERT_TRUE(seededImage(90, 120, 2).save(second, "PNG"));
    ASSERT_TRUE(seededImage(5, 5, 3).save(tiny, "PNG"));

    const ToolRun added = runCli({"--data-dir", data, "photos", "add", first, tiny, second});
    EXPECT_EQ(added.exitCode, 1); // the 5 x 5 picture is refused and named
    EXPECT_TRUE(added.err.contains("tiny.png")) << added.err.toStdString();

    const ToolRun again = runCli({"--data-dir", data, "photos", "add", first});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(again.out.startsWith("already listed")) << again.out.toStdString();

    const ToolRun listed = runCli({"--data-dir", data, "photos", "list"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    const QString expected = QStringLiteral("0\t320\t200\t%1\n1\t90\t120\t%2\n").arg(first, second);
    EXPECT_EQ(QString::fromUtf8(listed.out), expected);
}

TEST(PhotosCommand, MissingPictureAndUnknownActionAreClearErrors)
{
    QTemporaryDir folder;
    const QString data = folder.filePath("Data");
    const ToolRun missing = runCli({"--data-dir", data, "photos", "add", folder.filePath("gone.jpg")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("gone.jpg"));
    EXPECT_EQ(runCli({"--data-dir", data, "photos", "list"}).out, QByteArray());
    EXPECT_EQ(runCli({"--data-dir", data, "photos", "shuffle"}).exitCode, 2);
}

} // namespace
