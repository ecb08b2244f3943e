#include "imaging/image_encoder.h"

#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace montora;
using namespace montora::test;

TEST(ImageEncoder, ChosenByPathFileNameOrMimeType)
{
    EXPECT_EQ(ImageEncoder("C:/Photos/Holiday.PNG").mimeType(), QStringLiteral("image/png"));
    EXPECT_EQ(ImageEncoder("picture.jpeg").mimeType(), QStringLiteral("image/jpeg"));
    EXPECT_EQ(ImageEncoder("image/gif").mimeType(), QStringLiteral("image/gif"));
    EXPECT_EQ(ImageEncoder("/x/y.TIF").mimeType(), QStringLiteral("image/tiff"));
    EXPECT_EQ(ImageEncoder("scan.dib").mimeType(), QStringLiteral("image/bmp"));
    EXPECT_FALSE(ImageEncoder("picture.pcx").found());
    EXPECT_FALSE(ImageEncoder("image/x-unknown").found());
    EXPECT_EQ(ImageEncoder("a.jpg").quality(), 90);
}

TEST(ImageEncoder, NoEncoderFailsWithItsReasonAndWritesNothing)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("out.pcx");
    ImageEncoder encoder(path);
    const Status saved = encoder.save(quadrantImage(8, 8), path);
    EXPECT_FALSE(saved.isOk());
    EXPECT_TRUE(saved.message().contains("out.pcx")) << saved.message().toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ImageEncoder, ReplacesAnExistingFileOnlyWhenTheNewOneIsComplete)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("out.png");
    ASSERT_TRUE(writeFileBytes(path, "old picture"));
    ImageEncoder encoder(path);
    // A null picture cannot be encoded: the old file stays as it was.
    EXPECT_FALSE(encoder.save(QImage(), path).isOk());
    EXPECT_EQ(readFileBytes(path), QByteArray("old picture"));

    ASSERT_TRUE(encoder.save(quadrantImage(10, 10), path).isOk());
    EXPECT_EQ(decodeWithGm(path).size(), QSize(10, 10));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"out.png"});
}

TEST(ImageEncoder, JpegQualityChangesTheOutput)
{
    const QImage picture = seededImage(64, 64, 7);
    ImageEncoder low("a.jpg");
    low.setQuality(20);
    ImageEncoder high("a.jpg");
    EXPECT_LT(low.encode(picture)->size(), high.encode(picture)->size());
}
