// The own BMP writer and reader must give what Qt's give, and a BMP filtered where
// it lies in its file must come out as the same picture decoded and filtered does.
#include "imaging/bmp_reader.h"
#include "imaging/bmp_writer.h"
#include "imaging/file_filter.h"
#include "imaging/picture_decoder.h"

#include "support/test_files.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace montora;
using namespace montora::test;

namespace {

QByteArray bmpWithQt(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(QImageWriter(&buffer, "bmp").write(image));
    return bytes;
}

QImage readWithQt(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "bmp").read();
}

// The same picture stored from the top down: rows reversed, height negative.
QByteArray topDown(const QByteArray& bottomUp, int width, int height)
{
    QByteArray bytes = bottomUp.left(54);
    const qint32 negative = -height;
    std::memcpy(bytes.data() + 22, &negative, 4);
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    for (int y = height - 1; y >= 0; --y)
        bytes += bottomUp.mid(54 + y * rowBytes, rowBytes);
    return bytes;
}

} // namespace

TEST(BmpWriter, WritesTheBytesQtsWriterWrites)
{
    // 7 pixels make rows of 21 bytes, padded to 24.
    QImage picture = seededImage(7, 5, 3, true);
    picture.setDotsPerMeterX(1234);
    picture.setDotsPerMeterY(4321);
    for (QImage::Format format :
         {QImage::Format_RGB888, QImage::Format_BGR888, QImage::Format_RGB32, QImage::Format_ARGB32}) {
        const QImage image = picture.convertToFormat(format);
        ASSERT_TRUE(BmpWriter::handles(format));
        Result<QByteArray> bytes = BmpWriter::encode(image);
        ASSERT_TRUE(bytes);
        EXPECT_EQ(*bytes, bmpWithQt(image)) << format;
    }
    EXPECT_FALSE(BmpWriter::handles(QImage::Format_Indexed8));
}

TEST(BmpReader, GivesWhatQtsReaderGivesOrNothing)
{
    QImage picture = seededImage(7, 5, 4);
    picture.setDotsPerMeterX(2000);
    const QByteArray bottomUp = bmpWithQt(picture);
    for (const QByteArray& bytes : {bottomUp, topDown(bottomUp, 7, 5)}) {
        const std::optional<BmpReader::Plain> plain = BmpReader::plain(bytes);
        ASSERT_TRUE(plain);
        const QImage image = BmpReader::toImage(*plain);
        const QImage qt = readWithQt(bytes);
        EXPECT_EQ(image, qt);
        EXPECT_EQ(image.format(), qt.format());
        EXPECT_EQ(image.dotsPerMeterX(), 2000);
    }
    // A row short, and 32 bits a pixel: Qt's reader decides.
    EXPECT_FALSE(BmpReader::plain(bottomUp.chopped(2)));
    EXPECT_FALSE(BmpReader::plain(bmpWithQt(picture.convertToFormat(QImage::Format_Indexed8))));
    QByteArray deeper = bottomUp;
    deeper[28] = 32;
    EXPECT_FALSE(BmpReader::plain(deeper));
}

TEST(FileFilter, ABmpFilteredInItsFileGivesWhatTheDecodedPictureGives)
{
    QTemporaryDir folder;
    const QImage picture = seededImage(37, 23, 5);
    const QString bmp = folder.filePath("in.bmp");
    const QString png = folder.filePath("in.png");
    ASSERT_TRUE(picture.save(bmp) && picture.save(png));
    EffectFilter::Options options;
    options.seed = 99;
    for (const EffectFilter::Entry& entry : EffectFilter::entries()) {
        const QImage expected = EffectFilter::apply(entry.kind, picture, options)->convertToFormat(QImage::Format_RGB32);
        for (const auto& [in, out] : {std::pair{bmp, "direct.bmp"}, {bmp, "out.png"}, {png, "out.bmp"}}) {
            Result<FileFilter> source = FileFilter::open(in);
            ASSERT_TRUE(source);
            ASSERT_TRUE(source->saveFiltered(entry.kind, folder.filePath(out), options));
            EXPECT_EQ(QImage(folder.filePath(out)).convertToFormat(QImage::Format_RGB32), expected)
                << entry.name << " " << out;
        }
    }
    // The command, which starts without the window system, reads through Qt's plugins.
    const QString jpeg = folder.filePath("in.jpg");
    ASSERT_TRUE(picture.save(jpeg, "JPEG"));
    const ToolRun run = runCli({"filter", "--seed", "99", "noise", jpeg, folder.filePath("cli.png")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QImage decoded = PictureDecoder::decode(jpeg)->image;
    EXPECT_EQ(QImage(folder.filePath("cli.png")).convertToFormat(QImage::Format_RGB32),
              EffectFilter::apply(EffectFilter::Kind::Noise, decoded, options)->convertToFormat(QImage::Format_RGB32));
}
