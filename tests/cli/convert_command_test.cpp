#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace montora::test;

TEST(ConvertCommand, ConvertsIntoTheFolderAndListsTheFilesThatFailed)
{
    QTemporaryDir folder;
    const QString good = folder.filePath("a.png");
    ASSERT_TRUE(quadrantImage(30, 20).save(good));
    const QString bad = folder.filePath("b.jpg");
    ASSERT_TRUE(writeFileBytes(bad, "nonsense"));
    const QString out = folder.filePath("out/deeper");

    const ToolRun run = runCli({"convert", "--format", "pcx", "--out", out, good, bad});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{"a.pcx"});
    EXPECT_EQ(decodeWithGm(out + "/a.pcx").size(), QSize(30, 20));
    EXPECT_TRUE(run.err.contains("1 of 2 files")) << run.err.constData();
    EXPECT_TRUE(run.err.contains(bad.toUtf8()));
    EXPECT_FALSE(run.err.contains('\r')) << "no progress line off a terminal";

    EXPECT_EQ(runCli({"convert", "--format", "PNG", "--out", out, good}).exitCode, 0);
    EXPECT_EQ(runCli({"convert", "--format", "webp", "--out", out, good}).exitCode, 2);
    EXPECT_EQ(runCli({"convert", "--format", "png", good}).exitCode, 2);
    EXPECT_EQ(runCli({"convert", "--help"}).exitCode, 0);
}
