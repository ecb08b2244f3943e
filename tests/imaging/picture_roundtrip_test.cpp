// Every read format decoded from files made by other writers (GraphicsMagick's
// command-line tool, libUEMF), and every written format read back by GraphicsMagick.
#include "imaging/image_library.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_format.h"
#include "imaging/picture_saver.h"

#include "support/metafile_writer.h"
#include "support/test_files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace montora;
using namespace montora::test;

namespace {

struct ReadCase {
    const char* extension;
    const char* gmFormat;
    int tolerance;
    DecodePath expectedPath;
};

// Lossy codecs ring at the quadrant borders; compare the flat centres of the quadrants.
int quadrantCentreDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int worst = 0;
    for (int qy : {1, 3})
        for (int qx : {1, 3}) {
            const QPoint p(a.width() * qx / 4, a.height() * qy / 4);
            const QRgb x = a.pixel(p);
            const QRgb y = b.pixel(p);
            worst = std::max({worst, std::abs(qRed(x) - qRed(y)), std::abs(qGreen(x) - qGreen(y)),
                              std::abs(qBlue(x) - qBlue(y))});
        }
    return worst;
}

int compare(const QImage& a, const QImage& b, int tolerance)
{
    return tolerance == 0 ? maxChannelDifference(a, b) : quadrantCentreDifference(a, b);
}

class ReadFormats : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadFormats, DecodesFilesWrittenByGraphicsMagick)
{
    const ReadCase& c = GetParam();
    QTemporaryDir folder;
    const QString sourcePng = folder.filePath("source.png");
    const QImage original = quadrantImage(64, 48);
    ASSERT_TRUE(original.save(sourcePng));
    const QString path = folder.filePath(QStringLiteral("picture.") + c.extension);
    const ToolRun made = runTool("gm", {"convert", sourcePng, QString::fromLatin1(c.gmFormat) + ":" + path});
    ASSERT_EQ(made.exitCode, 0) << made.err.constData();

    auto size = PictureDecoder::size(path);
    ASSERT_TRUE(size.isOk()) << qPrintable(size.message());
    EXPECT_EQ(*size, QSize(64, 48));
    auto decoded = PictureDecoder::decode(path);
    ASSERT_TRUE(decoded.isOk()) << qPrintable(decoded.message());
    EXPECT_EQ(decoded->path, c.expectedPath);
    EXPECT_LE(compare(decoded->image, original, c.tolerance), c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Picture, ReadFormats,
                         ::testing::Values(ReadCase{"jpg", "JPEG", 40, DecodePath::Qt},
                                           ReadCase{"bmp", "BMP", 0, DecodePath::Qt},
                                           ReadCase{"gif", "GIF", 0, DecodePath::Qt},
                                           ReadCase{"png", "PNG", 0, DecodePath::Qt},
                                           ReadCase{"tif", "TIFF", 0, DecodePath::ImageLibrary},
                                           ReadCase{"pcx", "PCX", 0, DecodePath::ImageLibrary},
                                           ReadCase{"ppm", "PPM", 0, DecodePath::Qt},
                                           ReadCase{"pnm", "PNM", 0, DecodePath::Qt},
                                           ReadCase{"tga", "TGA", 0, DecodePath::ImageLibrary}),
                         [](const auto& info) { return std::string(info.param.extension); });

void expectRedRectangleOnWhite(const QImage& image)
{
    const QPoint centre(image.width() / 2, image.height() / 2);
    EXPECT_EQ(image.pixelColor(centre).rgb() & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixelColor(2, 2).rgb() & 0xFFFFFF, 0xFFFFFFu);
}

TEST(Metafiles, EmfDecodesThroughTheImageLibraryPath)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("drawing.emf");
    ASSERT_TRUE(writeTestEmf(path, 200, 100));
    auto decoded = PictureDecoder::decode(path);
    ASSERT_TRUE(decoded.isOk()) << qPrintable(decoded.message());
    EXPECT_EQ(decoded->path, DecodePath::ImageLibrary);
    // The header's bounds hold both edges: exactly 200 x 100, not 199 x 99.
    EXPECT_EQ(decoded->image.size(), QSize(200, 100));
    expectRedRectangleOnWhite(decoded->image);
    EXPECT_EQ(PictureDecoder::size(path).value(), decoded->image.size());
}

TEST(Metafiles, WmfDecodesThroughTheImageLibraryPath)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("drawing.WMF");
    ASSERT_TRUE(writeTestWmf(path, 120, 80));
    auto decoded = PictureDecoder::decode(path);
    ASSERT_TRUE(decoded.isOk()) << qPrintable(decoded.message());
    EXPECT_EQ(decoded->path, DecodePath::ImageLibrary);
    EXPECT_NEAR(decoded->image.width(), 120, 2);
    EXPECT_NEAR(decoded->image.height(), 80, 2);
    // libwmf scales the drawing to the placeable header's box; only the fill is certain.
    EXPECT_EQ(decoded->image.pixelColor(60, 40).rgb() & 0xFFFFFF, 0xFF0000u);
}

// The image library's own font map names font files that Debian no longer ships.
TEST(Metafiles, AWmfWithTextIsDrawnWithItsText)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("lettered.wmf");
    ASSERT_TRUE(writeTestWmfWithText(path, 120, 80));
    auto decoded = PictureDecoder::decode(path);
    ASSERT_TRUE(decoded.isOk()) << qPrintable(decoded.message());
    int dark = 0;
    for (int y = 12; y < 40; ++y)
        for (int x = 14; x < 80; ++x)
            dark += qGray(decoded->image.pixel(x, y)) < 60;
    EXPECT_GT(dark, 40) << "the letters are drawn on the red";
}

TEST(Metafiles, TheReaderProcessGivesTheImageLibrarysOwnPicture)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("drawing.wmf");
    ASSERT_TRUE(writeTestWmf(path, 90, 70));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto here = ImageLibrary::decodeHere(bytes, FormatMetafile, path);
    ASSERT_TRUE(here.isOk()) << qPrintable(here.message());
    for (const int code : {int(FormatMetafile), int(FormatUnknown)}) {
        const auto helped = ImageLibrary::decode(bytes, code, path);
        ASSERT_TRUE(helped.isOk()) << qPrintable(helped.message());
        EXPECT_EQ(*helped, *here) << code;
        EXPECT_EQ(ImageLibrary::ping(bytes, code, path).value(), here->size()) << code;
    }
}

TEST(Metafiles, AMissingOrFailingReaderIsAClearError)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("drawing.wmf");
    ASSERT_TRUE(writeTestWmf(path, 40, 30));
    const QByteArray saved = qgetenv("MONTORA_WMF_READER");
    qputenv("MONTORA_WMF_READER", QFile::encodeName(folder.filePath("no-such-reader")));
    const auto missing = PictureDecoder::decode(path);
    qputenv("MONTORA_WMF_READER", "/bin/true"); // ends without an answer
    const auto silent = PictureDecoder::size(path);
    qputenv("MONTORA_WMF_READER", saved);
    ASSERT_FALSE(missing.isOk());
    EXPECT_TRUE(missing.message().contains(path) && missing.message().contains("not installed"))
        << qPrintable(missing.message());
    ASSERT_FALSE(silent.isOk());
    EXPECT_TRUE(silent.message().contains(path) && silent.message().contains("stopped")) << qPrintable(silent.message());
}

// A helper that has sent its whole answer but does not end (stuck while it tidies
// up) must not hold every read of a WMF until the reader's two-minute deadline.
TEST(Metafiles, AReaderThatDoesNotEndAfterItsAnswerIsNotWaitedFor)
{
    QTemporaryDir folder;
    const QString helper = folder.filePath("lingering-reader");
    QFile script(helper);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\ncat > /dev/null\nprintf 'MWR1S\\005\\000\\000\\000\\007\\000\\000\\000'\nexec sleep 100\n");
    script.close();
    ASSERT_TRUE(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QString path = folder.filePath("drawing.wmf");
    ASSERT_TRUE(writeTestWmf(path, 40, 30));
    const QByteArray saved = qgetenv("MONTORA_WMF_READER");
    qputenv("MONTORA_WMF_READER", QFile::encodeName(helper));
    QElapsedTimer clock;
    clock.start();
    const auto size = PictureDecoder::size(path);
    const qint64 took = clock.elapsed();
    qputenv("MONTORA_WMF_READER", saved);
    ASSERT_TRUE(size.isOk()) << qPrintable(size.message());
    EXPECT_EQ(*size, QSize(5, 7));
    EXPECT_LT(took, 60'000);
}

struct WriteCase {
    const char* extension;
    int tolerance;
};

class WriteFormats : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteFormats, SavedFileIsReadBackByGraphicsMagick)
{
    const WriteCase& c = GetParam();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.") + c.extension);
    // Awkward size: rows not a multiple of 4 bytes.
    const QImage original = c.tolerance == 0 ? seededImage(301, 7, 42) : quadrantImage(301, 7 * 8);
    ASSERT_TRUE(PictureSaver::saveByExtension(original, path));
    const QImage readBack = decodeWithGm(path);
    ASSERT_FALSE(readBack.isNull());
    EXPECT_EQ(readBack.size(), original.size());
    EXPECT_LE(compare(readBack, original, c.tolerance), c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Picture, WriteFormats,
                         ::testing::Values(WriteCase{"jpg", 40}, WriteCase{"bmp", 0}, WriteCase{"png", 0},
                                           WriteCase{"pcx", 0}, WriteCase{"pnm", 0}, WriteCase{"ppm", 0},
                                           WriteCase{"tif", 0}, WriteCase{"tiff", 0}, WriteCase{"tga", 0}),
                         [](const auto& info) { return std::string(info.param.extension); });

TEST(WriteFormats, GifKeepsAFewColoursExactly)
{
    // GIF holds at most 256 colours: flat quadrants survive unchanged.
    QTemporaryDir folder;
    const QString path = folder.filePath("out.gif");
    const QImage original = quadrantImage(33, 17);
    ASSERT_TRUE(PictureSaver::saveByExtension(original, path));
    const QImage readBack = decodeWithGm(path);
    EXPECT_EQ(maxChannelDifference(readBack, original), 0);
}

TEST(WriteFormats, TiffIsLzwCompressed)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("out.TIF");
    ASSERT_TRUE(PictureSaver::saveByExtension(quadrantImage(40, 40), path));
    const ToolRun identify = runTool("gm", {"identify", "-format", "%C", path});
    EXPECT_EQ(identify.out.trimmed(), QByteArray("LZW"));
}

// Large enough for several TIFF strips and PNG data chunks, with noise (a code per
// byte, so the LZW table fills and restarts) beside flat and graded areas (long
// strings), and alpha of every value, which must come back unchanged.
TEST(WriteFormats, LargePicturesWithAlphaComeBackExactly)
{
    QImage original = seededImage(400, 260, 7, true);
    for (int y = 0; y < original.height(); ++y)
        for (int x = 200; x < original.width(); ++x)
            original.setPixel(x, y, y < 130 ? qRgba(x - 200, y, 90, 255) : qRgba(20, 200, 40, x % 256));
    QTemporaryDir folder;
    for (const char* extension : {"png", "tif"}) {
        SCOPED_TRACE(extension);
        const QString path = folder.filePath(QStringLiteral("big.") + extension);
        ASSERT_TRUE(PictureSaver::saveByExtension(original, path));
        auto decoded = PictureDecoder::decode(path);
        ASSERT_TRUE(decoded.isOk()) << qPrintable(decoded.message());
        EXPECT_EQ(decoded->image.convertToFormat(QImage::Format_ARGB32), original);
    }
}

TEST(WriteFormats, UnknownExtensionWritesNothing)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("out.xyz");
    const Status saved = PictureSaver::saveByExtension(quadrantImage(8, 8), path);
    EXPECT_FALSE(saved);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
