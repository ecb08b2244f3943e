// The quick PNG reader must give what Qt's reader gives, or nothing.
#include "imaging/png_reader.h"

#include "support/test_files.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>

#include <gtest/gtest.h>

using namespace montora;
using namespace montora::test;

namespace {

QByteArray pngWithQt(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    EXPECT_TRUE(writer.write(image));
    return bytes;
}

QImage readWithQt(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "png").read();
}

} // namespace

// libpng picks each row's filter, so noise beside gradients brings every filter type.
TEST(PngReader, GivesWhatQtsReaderGivesForPlainFiles)
{
    for (bool alpha : {false, true}) {
        SCOPED_TRACE(alpha ? "RGBA" : "RGB");
        QImage picture = seededImage(203, 61, 11, alpha);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 100; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgba(x, y * 4, (x * y) % 256, alpha ? x : 255));
        picture.setDotsPerMeterX(5905);
        picture.setDotsPerMeterY(2835);
        picture.setText("Description", QString::fromLatin1("caf\xe9 au lait"));
        const QByteArray bytes = pngWithQt(picture);
        const QImage expected = readWithQt(bytes);
        const std::optional<QImage> read = PngReader::readPlain(bytes);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->format(), expected.format());
        EXPECT_TRUE(*read == expected);
        EXPECT_EQ(read->dotsPerMeterX(), expected.dotsPerMeterX());
        EXPECT_EQ(read->dotsPerMeterY(), expected.dotsPerMeterY());
        EXPECT_EQ(read->text("Description"), expected.text("Description"));

        QByteArray damaged = bytes;
        damaged[damaged.size() / 2] = char(damaged[damaged.size() / 2] ^ 0x40);
        EXPECT_FALSE(PngReader::readPlain(damaged).has_value()) << "damage is left to Qt's reader";
    }
    // A colour profile would be lost: such files are Qt's.
    QImage profiled = seededImage(16, 16, 3);
    profiled.setColorSpace(QColorSpace(QColorSpace::AdobeRgb));
    EXPECT_FALSE(PngReader::readPlain(pngWithQt(profiled)).has_value());
}
