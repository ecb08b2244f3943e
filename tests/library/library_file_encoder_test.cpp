// Byte-exact layouts of library records, keys, insets and the files built from them.
#include "library/library_file_encoder.h"

#include "library/library_file.h"
#include "library/mask_key.h"
#include "library_fixtures.h"

#include <gtest/gtest.h>

using namespace montora;
using namespace montora::test;

TEST(LibraryFileEncoder, ThumbnailRecordIsSizeThenBgraRowsTopFirst)
{
    QImage picture(2, 2, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(0x11, 0x22, 0x33, 0x44));
    picture.setPixel(1, 0, qRgba(0x55, 0x66, 0x77, 0x88));
    picture.setPixel(0, 1, qRgba(0x99, 0xAA, 0xBB, 0xCC));
    picture.setPixel(1, 1, qRgba(0xDD, 0xEE, 0xFF, 0x01));
    const QByteArray bytes =
        LibraryFileEncoder::record(LibraryLayout::Thumbnail, LibraryFileEncoder::thumbnailRecord(picture));
    ASSERT_EQ(bytes.size(), 8 + 2 * 2 * 4);
    EXPECT_EQ(i32At(bytes, 0), 2);
    EXPECT_EQ(i32At(bytes, 4), 2);
    EXPECT_EQ(bytes.mid(8), QByteArray::fromHex("33221144" "77665588" "bbaa99cc" "ffeedd01"));
}

TEST(LibraryFileEncoder, PictureRecordsPutTheExtraFieldBetweenLengthAndPayload)
{
    LibraryRecord record = pictureRecord("PNGDATA", 634, 621);
    record.setKey(MaskKey::fromUuid(QUuid("{00112233-4455-6677-8899-aabbccddeeff}")));

    const QByteArray plain = LibraryFileEncoder::record(LibraryLayout::Picture, record);
    ASSERT_EQ(plain.size(), 12 + 7);
    EXPECT_EQ(i32At(plain, 0), 634);
    EXPECT_EQ(i32At(plain, 4), 621);
    EXPECT_EQ(i32At(plain, 8), 7);
    EXPECT_EQ(plain.mid(12), "PNGDATA");

    const QByteArray keyed = LibraryFileEncoder::record(LibraryLayout::PictureWithKey, record);
    ASSERT_EQ(keyed.size(), 28 + 7);
    EXPECT_EQ(i32At(keyed, 8), 7);
    // The platform GUID layout: three little-endian fields, then eight bytes as they are.
    EXPECT_EQ(keyed.mid(12, 16), QByteArray::fromHex("33221100554477668899aabbccddeeff"));
    EXPECT_EQ(keyed.mid(28), "PNGDATA");

    record.setInsets(FrameInsets{0.1f, 0.2f, 0.9f, 0.8f});
    const QByteArray framed = LibraryFileEncoder::record(LibraryLayout::PictureWithInsets, record);
    EXPECT_FLOAT_EQ(f32At(framed, 12), 0.1f);
    EXPECT_FLOAT_EQ(f32At(framed, 16), 0.2f);
    EXPECT_FLOAT_EQ(f32At(framed, 20), 0.9f);
    EXPECT_FLOAT_EQ(f32At(framed, 24), 0.8f);
    EXPECT_EQ(framed.mid(28), "PNGDATA");
}

TEST(LibraryFileEncoder, FileIsCountThenRecordsBackToBack)
{
    const QByteArray file = LibraryFileEncoder::file(LibraryLayout::Thumbnail,
                                                     {thumbnailRecord(1, 1, 7), thumbnailRecord(2, 1, 9)});
    ASSERT_EQ(file.size(), 4 + (8 + 4) + (8 + 8));
    EXPECT_EQ(i32At(file, 0), 2);
    EXPECT_EQ(i32At(file, 16), 2); // second record's width
    EXPECT_EQ(file.at(24), char(9));
}

TEST(MaskKey, RoundTripsThroughUuidAndBytes)
{
    const QUuid uuid = QUuid::createUuid();
    const MaskKey key = MaskKey::fromUuid(uuid);
    EXPECT_EQ(key.toUuid(), uuid);
    EXPECT_EQ(MaskKey::fromBytes(key.bytes.data()), key);
    EXPECT_FALSE(key.isNull());
    EXPECT_NE(MaskKey::create(), MaskKey::create());
}

TEST(FrameInsets, FrameBoxOfAPhotoInATenPercentFrame)
{
    const FrameInsets insets{0.1f, 0.1f, 0.9f, 0.9f};
    EXPECT_EQ(insets.frameBox(QSize(400, 300)), QSize(500, 375));
    EXPECT_EQ((FrameInsets{0, 0, 1, 1}.frameBox(QSize(400, 300))), QSize(400, 300));
    EXPECT_TRUE((FrameInsets{0.5f, 0, 0.5f, 1}.frameBox(QSize(400, 300))).isEmpty()); // no opening
    EXPECT_FALSE((FrameInsets{-0.1f, 0, 1, 1}.isValid()));
    EXPECT_FALSE((FrameInsets{0, 0, std::numeric_limits<float>::quiet_NaN(), 1}.isValid()));
}

TEST(FrameInsets, OpeningFromTransparentPixels)
{
    QImage frame(100, 50, QImage::Format_ARGB32);
    frame.fill(qRgba(90, 60, 30, 255));
    for (int y = 10; y < 40; ++y)
        for (int x = 20; x < 70; ++x)
            frame.setPixel(x, y, qRgba(0, 0, 0, 0));
    auto insets = FrameInsets::fromTransparentOpening(frame);
    ASSERT_TRUE(insets) << insets.message().toStdString();
    EXPECT_EQ(*insets, (FrameInsets{0.2f, 0.2f, 0.7f, 0.8f}));

    frame.fill(Qt::red);
    EXPECT_FALSE(FrameInsets::fromTransparentOpening(frame));
}
