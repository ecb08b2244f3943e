#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace montora::test;

TEST(PictureCommand, InfoPrintsOneLinePerFileAndFailsForUnreadableOnes)
{
    QTemporaryDir folder;
    const QString png = folder.filePath("a.png");
    ASSERT_TRUE(quadrantImage(30, 20).save(png));
    const QString pcx = folder.filePath("b.pcx");
    ASSERT_EQ(runTool("gm", {"convert", png, pcx}).exitCode, 0);
    const QString bad = folder.filePath("c.jpg");
    ASSERT_TRUE(writeFileBytes(bad, "nonsense"));

    const ToolRun run = runCli({"picture", "info", png, bad, pcx});
    EXPECT_EQ(run.exitCode, 1);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], (png + "\t4\t30\t20\tqt").toUtf8());
    EXPECT_EQ(lines[1], (pcx + "\t8\t30\t20\timage-library").toUtf8());
    EXPECT_TRUE(run.err.contains("c.jpg"));
}

TEST(PictureCommand, ConvertSavesByExtensionAndRefusesUnknownOnes)
{
    QTemporaryDir folder;
    const QString png = folder.filePath("a.png");
    ASSERT_TRUE(quadrantImage(30, 20).save(png));
    EXPECT_EQ(runCli({"picture", "convert", png, folder.filePath("a.tga")}).exitCode, 0);
    EXPECT_EQ(decodeWithGm(folder.filePath("a.tga")).size(), QSize(30, 20));

    const ToolRun unknown = runCli({"picture", "convert", png, folder.filePath("a.webq")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_FALSE(QFile::exists(folder.filePath("a.webq")));
    EXPECT_EQ(runCli({"picture", "convert", png}).exitCode, 2);
}

TEST(PictureCommand, ThumbnailsOneFileOrAFolderFull)
{
    QTemporaryDir folder;
    QStringList inputs;
    for (int i = 0; i < 5; ++i) {
        inputs << folder.filePath(QStringLiteral("photo%1.jpg").arg(i));
        ASSERT_TRUE(seededImage(300 + i, 200, quint32(i)).save(inputs.last(), "JPEG"));
    }
    const QString single = folder.filePath("single.jpg");
    ASSERT_EQ(runCli({"picture", "thumbnail", inputs[0], single}).exitCode, 0);
    EXPECT_EQ(QImage(single).size(), QSize(80, 80));

    const QString out = folder.filePath("thumbs");
    const ToolRun run = runCli(QStringList{"picture", "thumbnail", "--out-dir", out} + inputs);
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 5);
    EXPECT_EQ(QImage(out + "/photo4.jpg").size(), QSize(80, 80));
}

TEST(Cli, VersionAndHelp)
{
    EXPECT_EQ(runCli({"--version"}).exitCode, 0);
    EXPECT_TRUE(runCli({"--help"}).out.contains("picture"));
    EXPECT_EQ(runCli({"no-such-command"}).exitCode, 2);
    EXPECT_EQ(runCli({}).exitCode, 2);
}
