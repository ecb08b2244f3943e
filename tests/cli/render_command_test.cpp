#include "support/test_files.h"

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
