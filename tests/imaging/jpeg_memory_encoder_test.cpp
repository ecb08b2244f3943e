#include "imaging/jpeg_memory_encoder.h"
#include "imaging/jpeg_thumbnail.h"
#include "imaging/picture_buffers.h"

#include "support/test_files.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace montora;
using namespace montora::test;

namespace {

// A bottom-up RGB buffer: top half red, bottom half blue (as the picture stands).
std::vector<uchar> bottomUpRedOverBlue(int width, int height)
{
    std::vector<uchar> rgb(size_t(width) * height * 3);
    for (int row = 0; row < height; ++row) {
        const bool pictureTop = row >= height / 2; // buffer row 0 is the picture's bottom
        for (int x = 0; x < width; ++x) {
            uchar* p = &rgb[(size_t(row) * width + x) * 3];
            p[0] = pictureTop ? 255 : 0;
            p[1] = 0;
            p[2] = pictureTop ? 0 : 255;
        }
    }
    return rgb;
}

bool isRed(QRgb c) { return qRed(c) > 200 && qBlue(c) < 60; }
bool isBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 60; }

} // namespace

TEST(JpegMemoryEncoder, BottomUpBufferGivesAnUpsideDownJpeg)
{
    const auto rgb = bottomUpRedOverBlue(80, 80);
    auto jpeg = JpegMemoryEncoder::encode(rgb.data(), 80, 80, 75);
    ASSERT_TRUE(jpeg.isOk()) << qPrintable(jpeg.message());
    QImage stored;
    ASSERT_TRUE(stored.loadFromData(*jpeg, "JPEG"));
    EXPECT_EQ(stored.size(), QSize(80, 80));
    EXPECT_TRUE(isBlue(stored.pixel(40, 10)));
    EXPECT_TRUE(isRed(stored.pixel(40, 70)));

    auto upright = JpegThumbnail::orient(*jpeg, 0, false);
    ASSERT_TRUE(upright.isOk());
    EXPECT_TRUE(isRed(upright->pixel(40, 10)));
    EXPECT_TRUE(isBlue(upright->pixel(40, 70)));
}

TEST(JpegMemoryEncoder, RefusesMissingOrEmptyInput)
{
    const uchar one[3] = {1, 2, 3};
    EXPECT_FALSE(JpegMemoryEncoder::encode(nullptr, 8, 8, 75).isOk());
    EXPECT_FALSE(JpegMemoryEncoder::encode(one, 0, 1, 75).isOk());
    EXPECT_FALSE(JpegMemoryEncoder::encode(one, 1, 0, 75).isOk());
    EXPECT_FALSE(JpegMemoryEncoder::encode(one, 70000, 1, 75).isOk());
    EXPECT_TRUE(JpegMemoryEncoder::encode(one, 1, 1, 75).isOk());
}

TEST(JpegThumbnail, QuarterTurnsAndMirror)
{
    // Picture: left half red, right half blue; stored upside down like the photo list.
    QImage picture(80, 40, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QPainter(&picture).fillRect(0, 0, 40, 40, Qt::red);
    const QImage stored = picture.mirrored(false, true).convertToFormat(QImage::Format_RGB888);
    std::vector<uchar> rgb(80 * 40 * 3);
    for (int y = 0; y < 40; ++y)
        std::memcpy(&rgb[size_t(y) * 240], stored.constScanLine(39 - y), 240);
    auto jpeg = JpegMemoryEncoder::encode(rgb.data(), 80, 40, 90);
    ASSERT_TRUE(jpeg.isOk());

    auto turned = JpegThumbnail::orient(*jpeg, 1, false).value();
    EXPECT_EQ(turned.size(), QSize(40, 80));
    const auto none = JpegThumbnail::orient(*jpeg, 0, false).value();
    const auto mirrored = JpegThumbnail::orient(*jpeg, 0, true).value();
    // Mirroring turns the stored picture half way round: left and right swap, so do top and bottom.
    EXPECT_EQ(isRed(none.pixel(10, 20)), isBlue(mirrored.pixel(10, 20)));
    // A clockwise quarter turn puts the picture's left edge at the top.
    EXPECT_EQ(isRed(none.pixel(10, 20)), isRed(turned.pixel(20, 10)));

    QImage target(40, 80, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    EXPECT_TRUE(JpegThumbnail::draw(painter, *jpeg, QRect(0, 0, 40, 80), 1, false));
    EXPECT_FALSE(JpegThumbnail::draw(painter, QByteArray("junk"), QRect(0, 0, 40, 80), 0, false));
}

TEST(PictureBuffers, PhotoThumbnailIsEightyByEightyAndStoredUpsideDown)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("photo.jpg");
    QImage photo(1600, 1200, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    QPainter(&photo).fillRect(0, 0, 1600, 600, Qt::red);
    ASSERT_TRUE(photo.save(path, "JPEG", 92));
    auto jpeg = PictureBuffers::photoThumbnail(path);
    ASSERT_TRUE(jpeg.isOk()) << qPrintable(jpeg.message());
    QImage stored;
    ASSERT_TRUE(stored.loadFromData(*jpeg));
    EXPECT_EQ(stored.size(), QSize(80, 80));
    EXPECT_TRUE(isBlue(stored.pixel(40, 5)));
    EXPECT_TRUE(isRed(stored.pixel(40, 75)));
}

TEST(PictureBuffers, TransparentPixelsBecomeWhiteInThumbnails)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("clear.png");
    QImage clear(40, 40, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ASSERT_TRUE(clear.save(path));
    std::vector<uchar> rgb(80 * 80 * 3);
    ASSERT_TRUE(PictureBuffers::loadPictureRgb(path, rgb.data(), 80, 80));
    EXPECT_EQ(rgb[0], 255);
    EXPECT_EQ(rgb[rgb.size() - 1], 255);
}

TEST(PictureBuffers, LoadPictureBgrIsTopDownBgrAndUsesAMultipleOfFourColumns)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("strip.png");
    // 6 x 2: columns 0-3 red on top / green below; columns 4-5 pure blue (cut off by the rounding).
    QImage picture(6, 2, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    for (int x = 0; x < 4; ++x) {
        picture.setPixel(x, 0, qRgb(255, 0, 0));
        picture.setPixel(x, 1, qRgb(0, 255, 0));
    }
    ASSERT_TRUE(picture.save(path));
    std::vector<uchar> bgr(4 * 2 * 3, 0xEE);
    ASSERT_TRUE(PictureBuffers::loadPictureBgr(path, bgr.data(), 4, 2));
    const std::vector<uchar> expected = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 255,
                                         0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0};
    EXPECT_EQ(bgr, expected);
}
