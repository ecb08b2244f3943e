#include "imaging/picture_loader.h"

#include "imaging/picture_decoder.h"
#include "support/metafile_writer.h"
#include "support/test_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace montora;
using namespace montora::test;

TEST(PictureLoader, PathWithoutADotFailsAndKeepsThePicture)
{
    QTemporaryDir folder;
    const QString png = folder.filePath("a.png");
    ASSERT_TRUE(quadrantImage(20, 10).save(png));
    PictureLoader loader;
    ASSERT_TRUE(loader.load(png));
    EXPECT_FALSE(loader.load(folder.filePath("noextension")));
    EXPECT_EQ(loader.image().size(), QSize(20, 10));
}

TEST(PictureLoader, FailedLoadLeavesTheLoaderEmpty)
{
    QTemporaryDir folder;
    const QString png = folder.filePath("a.png");
    ASSERT_TRUE(quadrantImage(20, 10).save(png));
    ASSERT_TRUE(writeFileBytes(folder.filePath("bad.png"), "not a picture"));
    PictureLoader loader;
    ASSERT_TRUE(loader.load(png));
    EXPECT_FALSE(loader.load(folder.filePath("bad.png")));
    EXPECT_TRUE(loader.isEmpty());
}

TEST(PictureLoader, UnknownExtensionIsProbedByContent)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("picture.xyz");
    ASSERT_TRUE(quadrantImage(12, 6).save(path, "PNG"));
    PictureLoader loader;
    ASSERT_TRUE(loader.load(path));
    EXPECT_EQ(loader.image().size(), QSize(12, 6));
}

TEST(PictureLoader, FromRaw24ReadsBottomUpBgrRowsOfAnyWidth)
{
    // 3 x 2 (rows of 9 bytes, not a multiple of 4): bottom row first.
    const uchar bits[] = {0, 0, 255, 0, 255, 0, 255, 0, 0,      // bottom: red, green, blue
                          255, 255, 255, 0, 0, 0, 128, 128, 128}; // top: white, black, grey
    PictureLoader loader;
    ASSERT_TRUE(loader.fromRaw24(bits, 3, 2));
    const QImage& image = loader.image();
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(2, 1), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(2, 0), qRgb(128, 128, 128));
    EXPECT_FALSE(loader.fromRaw24(nullptr, 3, 2));
    EXPECT_FALSE(loader.fromRaw24(bits, 30000, 1));
}

TEST(PictureLoader, WmfGoesToTheImageLibraryEvenWhenNamedInCapitals)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("CLIP.WMF");
    ASSERT_TRUE(writeTestWmf(path, 50, 40));
    EXPECT_EQ(PictureDecoder::pathFor(path).value(), DecodePath::ImageLibrary);
    PictureLoader loader;
    EXPECT_TRUE(loader.load(path));
}

TEST(PictureLoader, SavesThroughTheImageLibrary)
{
    QTemporaryDir folder;
    PictureLoader loader;
    const uchar bits[] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120};
    ASSERT_TRUE(loader.fromRaw24(bits, 4, 1));
    const QString path = folder.filePath("strip.pcx");
    ASSERT_TRUE(loader.save(path, 8));
    const QImage readBack = decodeWithGm(path);
    ASSERT_EQ(readBack.size(), QSize(4, 1));
    EXPECT_EQ(readBack.pixel(0, 0), qRgb(30, 20, 10));
}
