#include "imaging/picture_decoder.h"
#include "imaging/picture_loader.h"

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
    const auto expectReduced = [](const QString& path, QSize atLeast, QSize expected) {
        SCOPED_TRACE(QStringLiteral("%1 for %2 x %3").arg(path).arg(atLeast.width()).arg(atLeast.height()).toStdString());
        const auto decoded = PictureDecoder::decodeReduced(path, atLeast);
        ASSERT_TRUE(decoded.isOk()) << decoded.message().toStdString();
        EXPECT_EQ(decoded->image.size(), expected);
    };
    QTemporaryDir folder;
    const QString path = folder.filePath("large.jpg");
    ASSERT_TRUE(quadrantImage(1600, 1200).save(path, "JPEG", 90));
    expectReduced(path, QSize(80, 80), QSize(200, 150));
    expectReduced(path, QSize(300, 300), QSize(400, 300));
    expectReduced(path, QSize(1000, 80), QSize(1600, 1200));

    const QString png = folder.filePath("large.png");
    ASSERT_TRUE(quadrantImage(400, 300).save(png));
    expectReduced(png, QSize(80, 80), QSize(400, 300));
}

// 16-bit PNGs pass the quick 8-bit reader by; Qt's reader and the image library
// must still give their own colours.
TEST(PictureDecoder, SixteenBitPngsKeepTheirColours)
{
    QTemporaryDir folder;
    for (const QImage::Format format : {QImage::Format_RGBA64, QImage::Format_RGBX64}) {
        SCOPED_TRACE(int(format));
        QImage deep(4, 3, format);
        deep.fill(QColor(61, 142, 219));
        deep.setPixelColor(1, 2, QColor(200, 10, 90, format == QImage::Format_RGBA64 ? 128 : 255));
        const QString path = folder.filePath(QStringLiteral("deep%1.png").arg(int(format)));
        ASSERT_TRUE(deep.save(path));
        ASSERT_EQ(readFileBytes(path).at(24), char(16)) << "not a 16-bit file";

        const auto decoded = PictureDecoder::decode(path);
        ASSERT_TRUE(decoded.isOk()) << decoded.message().toStdString();
        PictureLoader loader;
        ASSERT_TRUE(loader.load(path).isOk());
        for (const QImage& image : {decoded->image, loader.image()}) {
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(argb.pixel(0, 0), qRgba(61, 142, 219, 255));
            EXPECT_EQ(argb.pixel(1, 2), format == QImage::Format_RGBA64 ? qRgba(200, 10, 90, 128) : qRgb(200, 10, 90));
        }
    }
}
