#include "support/test_files.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace montora::test;

TEST(RenderCommand, PrintSizesAndPdfPagesFromTheCommandLine)
{
    QTemporaryDir folder;
    const QString project = folder.filePath("p.mcf");
    ASSERT_EQ(runCli({"new", project, "--size", "400x300"}).exitCode, 0);

    ToolRun run = runCli({"render", project, folder.filePath("big.png"), "--scale", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QImage(folder.filePath("big.png")).size(), QSize(1200, 900));

    run = runCli({"render", project, folder.filePath("p.pdf"), "--page", "letter", "--landscape", "--dpi", "150"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(readFileBytes(folder.filePath("p.pdf")).contains("/MediaBox [0 0 792.000000 612.000000]"));

    for (const QStringList& bad : {QStringList{"--scale", "4"}, QStringList{"--page", "B5"},
                                   QStringList{"--dpi", "10"}, QStringList{"--scale", "2", "--zoom", "2"}})
        EXPECT_EQ(runCli(QStringList{"render", project, folder.filePath("bad.pdf")} + bad).exitCode, 2)
            << bad.join(' ').toStdString();
    EXPECT_EQ(runCli({"render", project, folder.filePath("z.pdf"), "--zoom", "2"}).exitCode, 2);
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("bad.pdf")));
}

// A photo whose file went missing or was cut short cannot be drawn: the picture
// is still written, but the run fails and names each photo left out.
TEST(RenderCommand, PhotosThatCannotBeDrawnFailTheRunAndAreNamed)
{
    QTemporaryDir folder;
    const QString project = folder.filePath("p.mcf");
    const QString cut = folder.filePath("cut.jpg");
    const QString gone = folder.filePath("gone.png");
    ASSERT_TRUE(seededImage(300, 200, 7).save(cut, "JPEG", 90));
    ASSERT_TRUE(seededImage(30, 20, 8).save(gone, "PNG"));
    ASSERT_EQ(runCli({"new", project, "--size", "400x300"}).exitCode, 0);
    for (const QString& photo : {cut, gone})
        ASSERT_EQ(runCli({"add-photo", project, photo}).exitCode, 0);

    ToolRun run = runCli({"render", project, folder.filePath("whole.png")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();

    // The header stays, so the photo keeps its size; the scan data is gone.
    ASSERT_TRUE(writeFileBytes(cut, readFileBytes(cut).left(400)));
    ASSERT_TRUE(QFile::remove(gone));
    run = runCli({"render", project, folder.filePath("out.png")});
    EXPECT_EQ(run.exitCode, 1);
    const QString err = QString::fromUtf8(run.err);
    EXPECT_TRUE(err.contains(cut + " (the file cannot be read as a picture)")) << err.toStdString();
    EXPECT_TRUE(err.contains(gone + " (the file is missing)")) << err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("out.png")));
}
