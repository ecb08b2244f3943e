#include "imaging/picture_decoder.h"

#include "support/test_files.h"

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace montora;
using namespace montora::test;

TEST(PictureDecoder, ExifOrientationTurnsSizeThumbnailAndPixelsAlike)
{
    QTemporaryDir folder;
    // Stored landscape 400 x 200 with the top half red; orientation 6 means "turn clockwise".
    QImage stored(400, 200, QImage::Format_RGB32);
    stored.fill(Qt::blue);
    QPainter(&stored).fillRect(0, 0, 400, 100, Qt::red);
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(stored.save(&buffer, "JPEG", 95));
    }
    const QString path = folder.filePath("phone.jpg");
    ASSERT_TRUE(writeFileBytes(path, withExifOrientation(jpeg, 6)));

    EXPECT_EQ(PictureDecoder::size(path).value(), QSize(200, 400));
    auto full = PictureDecoder::decode(path);
    ASSERT_TRUE(full.isOk());
    EXPECT_EQ(full->image.size(), QSize(200, 400));
    // After a clockwise turn the stored top (red) stands on the right.
    EXPECT_GT(qRed(full->image.pixel(190, 200)), 200);
    EXPECT_GT(qBlue(full->image.pixel(10, 200)), 200);

    auto reduced = PictureDecoder::decodeReduced(path, QSize(40, 80));
    ASSERT_TRUE(reduced.isOk());
    EXPECT_EQ(reduced->fullSize, QSize(200, 400));
    EXPECT_LT(reduced->image.width(), 200);
    EXPECT_GE(reduced->image.width(), 40);
    EXPECT_GE(reduced->image.height(), 80);
    EXPECT_EQ(reduced->image.width() * 2, reduced->image.height());
    EXPECT_GT(qRed(reduced->image.pixel(reduced->image.width() - 3, reduced->image.height() / 2)), 200);
}

TEST(PictureDecoder, ReducedDecodingOnlyShrinksJpegsAsFarAsTheTargetAllows)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("large.jpg");
    ASSERT_TRUE(quadrantImage(1600, 1200).save(path, "JPEG", 90));
    EXPECT_EQ(PictureDecoder::decodeReduced(path, QSize(80, 80))->image.size(), QSize(200, 150));
    EXPECT_EQ(PictureDecoder::decodeReduced(path, QSize(300, 300))->image.size(), QSize(400, 300));
    EXPECT_EQ(PictureDecoder::decodeReduced(path, QSize(1000, 80))->image.size(), QSize(1600, 1200));

    const QString png = folder.filePath("large.png");
    ASSERT_TRUE(quadrantImage(400, 300).save(png));
    EXPECT_EQ(PictureDecoder::decodeReduced(png, QSize(80, 80))->image.size(), QSize(400, 300));
}
