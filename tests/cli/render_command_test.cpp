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

// A photo whose file went missing or was cut short cannot be drawn whole: the
// picture is still written, but the run fails and names each such photo.
TEST(RenderCommand, PhotosThatCannotBeDrawnFailTheRunAndAreNamed)
{
    QTemporaryDir folder;
    const QString project = folder.filePath("p.mcf");
    const QString cut = folder.filePath("cut.jpg");
    const QString header = folder.filePath("header.jpg");
    const QString gone = folder.filePath("gone.png");
    ASSERT_TRUE(seededImage(300, 200, 7).save(cut, "JPEG", 90));
    ASSERT_TRUE(seededImage(300, 200, 9).save(header, "JPEG", 90));
    ASSERT_TRUE(seededImage(30, 20, 8).save(gone, "PNG"));
    ASSERT_EQ(runCli({"new", project, "--size", "400x300"}).exitCode, 0);
    for (const QString& photo : {cut, header})
        ASSERT_EQ(runCli({"add-photo", project, photo}).exitCode, 0);
    ASSERT_EQ(runCli({"add-photo", project, gone, "--at", "300,200"}).exitCode, 0);

    ToolRun run = runCli({"render", project, folder.filePath("whole.png")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();

    // Cut in its picture data, Qt would draw the first half and grey the rest; cut
    // inside its header, nothing can be drawn.
    const QByteArray whole = readFileBytes(cut);
    ASSERT_TRUE(writeFileBytes(cut, whole.left(whole.size() / 2)));
    ASSERT_TRUE(writeFileBytes(header, readFileBytes(header).left(400)));
    ASSERT_TRUE(QFile::remove(gone));
    run = runCli({"render", project, folder.filePath("out.png")});
    EXPECT_EQ(run.exitCode, 1);
    const QString err = QString::fromUtf8(run.err);
    EXPECT_TRUE(err.contains(cut + " (the file is cut short")) << err.toStdString();
    EXPECT_TRUE(err.contains(header + " (the file cannot be read as a picture)")) << err.toStdString();
    EXPECT_TRUE(err.contains(gone + " (the file is missing)")) << err.toStdString();
    // The window's box for a missing photo never reaches the file.
    EXPECT_EQ(QImage(folder.filePath("out.png")).pixel(310, 210), qRgb(255, 255, 255));
}
