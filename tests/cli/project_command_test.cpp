#include "canvas/collage_project.h"
#include "project/project_file_writer.h"
#include "support/fake_canvas_resources.h"
#include "support/test_files.h"

#include <QBuffer>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace montora::test;

namespace {

QJsonObject infoOf(const QString& project, int expectedExit = 0)
{
    const ToolRun run = runCli({"info", project});
    EXPECT_EQ(run.exitCode, expectedExit) << run.err.constData();
    return QJsonDocument::fromJson(run.out).object();
}

} // namespace

TEST(ProjectCommand, NewWritesTheCanvasSettings)
{
    QTemporaryDir folder;
    const QString project = folder.filePath("p.mcf");
    const QString back = folder.filePath("back.png");
    ASSERT_TRUE(quadrantImage(40, 40).save(back));
    const ToolRun run =
        runCli({"new", project, "--size", "1023x770", "--colour", "FF8000", "--picture", back, "--mode", "tile"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QFileInfo(project).size(), 280);
    const QJsonObject json = infoOf(project);
    EXPECT_EQ(json["width"].toInt(), 1020);
    EXPECT_EQ(json["height"].toInt(), 768);
    EXPECT_EQ(json["background"]["colour"].toString(), "FF8000");
    EXPECT_EQ(json["background"]["mode"].toString(), "tile");
    EXPECT_EQ(json["background"]["path"].toString(), back);
    EXPECT_TRUE(json["items"].toArray().isEmpty());

    EXPECT_EQ(runCli({"new", project, "--size", "big"}).exitCode, 2);
    EXPECT_EQ(runCli({"new", project, "--mode", "zoom"}).exitCode, 2);
    EXPECT_EQ(runCli({"new", project, "--size", "2x2"}).exitCode, 1);
    EXPECT_EQ(runCli({"new", project, "--picture", folder.filePath("none.png")}).exitCode, 1);
    EXPECT_EQ(QFileInfo(project).size(), 280); // the failed runs left it alone
}

TEST(ProjectCommand, AddPhotoThenRenderPutsThePhotoWhereItWasDropped)
{
    QTemporaryDir folder;
    const QString project = folder.filePath("p.mcf");
    const QString photo = folder.filePath("q.png");
    ASSERT_TRUE(quadrantImage(400, 300).save(photo));
    ASSERT_EQ(runCli({"new", project, "--colour", "000000"}).exitCode, 0);
    ToolRun run = runCli({"add-photo", project, photo, "--at", "100,50"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QFileInfo(project).size(), 988);

    const QJsonObject item = infoOf(project)["items"].toArray().at(0).toObject();
    EXPECT_EQ(item["kind"].toString(), "photo");
    EXPECT_EQ(item["path"].toString(), photo);
    EXPECT_EQ(item["left"].toInt(), 100);
    EXPECT_EQ(item["top"].toInt(), 50);
    EXPECT_NEAR(item["scale"].toDouble(), 1792.0 / 2100.0, 1e-6);
    EXPECT_TRUE(item["selected"].toBool());
    EXPECT_EQ(item["crop"].toArray().at(2).toInt(), 400);

    const QString out = folder.filePath("out.png");
    run = runCli({"render", project, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QImage picture(out);
    ASSERT_EQ(picture.size(), QSize(1024, 768));
    EXPECT_EQ(picture.pixel(100 + 85, 50 + 64), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(100 + 255, 50 + 192), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(96, 46), qRgb(0, 0, 0)); // the selected photo shows no handles

    ASSERT_EQ(runCli({"render", project, folder.filePath("half.jpg"), "--zoom", "0.5"}).exitCode, 0);
    EXPECT_EQ(QImage(folder.filePath("half.jpg")).size(), QSize(512, 384));
    EXPECT_EQ(runCli({"render", project, folder.filePath("x.webq")}).exitCode, 1);
    EXPECT_EQ(runCli({"render", project, out, "--zoom", "-1"}).exitCode, 2);
}

TEST(ProjectCommand, InfoShowsWhatADamagedFileHeldAndFails)
{
    QTemporaryDir folder;
    const QString project = folder.filePath("p.mcf");
    const QString photo = folder.filePath("q.png");
    ASSERT_TRUE(quadrantImage(40, 30).save(photo));
    ASSERT_EQ(runCli({"new", project}).exitCode, 0);
    for (const char* at : {"1,1", "2,2", "3,3"})
        ASSERT_EQ(runCli({"add-photo", project, photo, "--at", at}).exitCode, 0);
    QByteArray bytes = readFileBytes(project);
    ASSERT_EQ(bytes.size(), 280 + 3 * 708);
    ASSERT_TRUE(writeFileBytes(project, bytes.left(280 + 2 * 708 + 100)));

    const QJsonObject json = infoOf(project, 1);
    EXPECT_EQ(json["items"].toArray().size(), 2);
    EXPECT_EQ(json["items"].toArray().at(1).toObject()["left"].toInt(), 2);
    EXPECT_TRUE(json["error"].toString().contains("item 3"));
    EXPECT_EQ(runCli({"render", project, folder.filePath("out.png")}).exitCode, 1);
    EXPECT_EQ(runCli({"add-photo", project, photo}).exitCode, 1);
    EXPECT_EQ(readFileBytes(project).size(), 280 + 2 * 708 + 100); // not overwritten
    EXPECT_EQ(runCli({"info", folder.filePath("none.mcf")}).exitCode, 1);
}

TEST(ProjectCommand, RenderUsesTheMasksAProjectCarriesWithoutTouchingTheLibrary)
{
    QTemporaryDir folder;
    const QString photo = folder.filePath("red.png");
    QImage red(200, 100, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(photo));
    QImage mask(20, 10, QImage::Format_RGB32);
    mask.fill(Qt::white);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            mask.setPixel(x, y, qRgb(0, 0, 0));
    QByteArray maskPng;
    QBuffer buffer(&maskPng);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && mask.save(&buffer, "PNG"));

    montora::test::FakeCanvasResources resources;
    resources.maskKeys[30] = montora::test::keyOf(3);
    resources.customMasks.emplace_back(montora::test::keyOf(3), montora::CustomMaskBlock{20, 10, maskPng});
    montora::CollageProject project;
    project.setResources(&resources);
    ASSERT_TRUE(project.setSize(200, 100).isOk());
    project.setBackgroundColour(0x00FF00);
    ASSERT_TRUE(project.addPhoto(photo, montora::ViewPoint()).isOk());
    project.item(0).setScale(1.0f);
    ASSERT_TRUE(project.setMask(30).isOk());
    const QString path = folder.filePath("masked.mcf");
    ASSERT_TRUE(montora::ProjectFileWriter::save(project, path).isOk());

    const QString data = folder.filePath("data");
    const QString out = folder.filePath("out.png");
    const ToolRun run = runCli({"--data-dir", data, "render", path, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QImage picture(out);
    EXPECT_EQ(picture.pixel(20, 50), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(180, 50), qRgb(0, 255, 0));
    EXPECT_FALSE(QFile::exists(data + "/cusmask.cfg"));
}

TEST(ProjectCommand, AddTextWritesAWholeTextRecord)
{
    QTemporaryDir folder;
    const QString project = folder.filePath("t.mcf");
    ASSERT_EQ(runCli({"new", project}).exitCode, 0);
    const ToolRun run = runCli({"add-text", project, "Two\\nlines", "--style", "3", "--at", "40,50"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QFileInfo(project).size(), 1428);
    const QJsonObject item = infoOf(project)["items"].toArray().at(0).toObject();
    EXPECT_EQ(item["kind"].toString(), "text");
    EXPECT_EQ(item["text"].toString(), "Two\r\nlines");
    EXPECT_EQ(item["style"].toInt(), 3);
    EXPECT_EQ(item["left"].toInt(), 40);
    EXPECT_EQ(item["fontHeight"].toInt(), 48);
    EXPECT_GT(item["measured"].toArray().at(1).toInt(), 60); // two lines
    EXPECT_EQ(runCli({"add-text", project, "x", "--style", "many"}).exitCode, 2);
}
