#include "imaging/picture_decoder.h"

#include "support/test_files.h"

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace montora;
using namespace montora::test;

namespace {

// Inserts an EXIF block with only an orientation tag right after the JPEG's SOI.
QByteArray withExifOrientation(const QByteArray& jpeg, quint16 orientation)
{
    QByteArray tiff("II*\0", 4);
    auto le16 = [](quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; };
    auto le32 = [](quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; };
    tiff += le32(8) + le16(1) + le16(0x0112) + le16(3) + le32(1) + le16(orientation) + le16(0) + le32(0);
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    QByteArray length(2, 0);
    qToBigEndian<quint16>(quint16(payload.size() + 2), length.data());
    segment += length + payload;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

} // namespace

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
