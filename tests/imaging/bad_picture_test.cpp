// Empty, garbage, truncated and oversized pictures of every read format fail
// cleanly: no crash, no giant allocation (the sanitizer build runs these too).
#include "imaging/image_library.h"
#include "imaging/memory_picture_decoder.h"
#include "imaging/picture_buffers.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_limits.h"
#include "imaging/picture_loader.h"

#include "support/metafile_writer.h"
#include "support/test_files.h"

#include "imaging/picture_format.h"
#include "imaging/picture_limits.h"

#include <QRandomGenerator>

#include <sys/resource.h>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <vector>

using namespace montora;
using namespace montora::test;

namespace {

const char* const kReadExtensions[] = {"jpg", "bmp", "gif", "png", "tif", "pcx", "ppm", "tga", "wmf", "emf"};

QByteArray le16(int v) { QByteArray b(2, 0); qToLittleEndian<quint16>(quint16(v), b.data()); return b; }
QByteArray le32(quint32 v) { QByteArray b(4, 0); qToLittleEndian<quint32>(v, b.data()); return b; }
QByteArray be16(int v) { QByteArray b(2, 0); qToBigEndian<quint16>(quint16(v), b.data()); return b; }

QByteArray hugePng() { return forgedPng(100000, 100000); }

QByteArray hugeBmp()
{
    QByteArray bmp("BM");
    bmp += le32(54 + 64) + le32(0) + le32(54);
    bmp += le32(40) + le32(100000) + le32(100000) + le16(1) + le16(24) + le32(0) + le32(0) + le32(2835) + le32(2835) +
           le32(0) + le32(0);
    return bmp + QByteArray(64, '\x7f');
}

QByteArray hugeTga()
{
    QByteArray tga(3, '\0');
    tga[2] = 2; // uncompressed true colour
    tga += QByteArray(5, '\0') + le16(0) + le16(0) + le16(65535) + le16(65535) + QByteArray("\x18\x20", 2);
    return tga + QByteArray(64, '\x10');
}

QByteArray hugePcx()
{
    QByteArray pcx("\x0a\x05\x01\x08", 4);
    pcx += le16(0) + le16(0) + le16(65534) + le16(65534) + le16(96) + le16(96) + QByteArray(48, '\0');
    pcx += QByteArray(1, '\0') + QByteArray(1, '\x03') + le16(65535) + le16(1) + QByteArray(58, '\0');
    return pcx + QByteArray(64, '\xc1');
}

QByteArray hugeGif()
{
    QByteArray gif("GIF89a");
    gif += le16(65535) + le16(65535) + QByteArray("\x80\x00\x00", 3) + QByteArray(6, '\0');
    gif += QByteArray(",") + le16(0) + le16(0) + le16(65535) + le16(65535) + QByteArray(1, '\0');
    return gif + QByteArray("\x02\x02\x44\x01\x00;", 6);
}

QByteArray hugeTiff()
{
    // Little-endian TIFF, one IFD with 8 entries.
    QByteArray tiff("II*\0", 4);
    tiff += le32(8);
    auto entry = [](int tag, int type, quint32 count, quint32 value) {
        return le16(tag) + le16(type) + le32(count) + le32(value);
    };
    QByteArray ifd = le16(8);
    ifd += entry(256, 4, 1, 100000);    // width
    ifd += entry(257, 4, 1, 100000);    // height
    ifd += entry(258, 3, 1, 8);         // bits per sample
    ifd += entry(259, 3, 1, 1);         // no compression
    ifd += entry(262, 3, 1, 1);         // black is zero
    ifd += entry(273, 4, 1, 200);       // strip offset
    ifd += entry(278, 4, 1, 100000);    // rows per strip
    ifd += entry(279, 4, 1, 64);        // strip bytes
    ifd += le32(0);
    tiff += ifd;
    tiff.resize(264, '\0');
    return tiff;
}

QByteArray hugeJpeg()
{
    QByteArray jpeg("\xFF\xD8", 2);
    jpeg += QByteArray("\xFF\xC0", 2) + be16(17) + QByteArray(1, 8) + be16(65500) + be16(65500) + QByteArray(1, 3);
    jpeg += QByteArray("\x01\x11\x00\x02\x11\x00\x03\x11\x00", 9);
    return jpeg + QByteArray(64, '\0') + QByteArray("\xFF\xD9", 2);
}

QByteArray hugeWmf()
{
    // Placeable header: bounding box 32767 x 32767 units at 1 unit per inch.
    QByteArray wmf = le32(0x9AC6CDD7u) + le16(0) + le16(0) + le16(0) + le16(32767) + le16(32767) + le16(1) + le32(0);
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= qFromLittleEndian<quint16>(wmf.constData() + i);
    wmf += le16(checksum);
    wmf += le16(1) + le16(9) + le16(0x300) + le32(12) + le16(0) + le32(3) + le16(0);
    return wmf + le32(3) + le16(0);
}

QByteArray hugeEmf()
{
    QByteArray emf = le32(1) + le32(108);
    emf += le32(0) + le32(0) + le32(2000000) + le32(2000000);       // bounds in device units
    emf += le32(0) + le32(0) + le32(50000000) + le32(50000000);     // frame in 0.01 mm
    emf += QByteArray(" EMF") + le32(0x10000) + le32(108 + 20) + le32(2) + le16(0) + le16(0);
    emf += le32(0) + le32(0) + le32(0) + le32(1920) + le32(1080) + le32(508) + le32(286);
    emf += le32(0) + le32(0) + le32(0) + le32(0) + le32(0);
    emf.resize(108, '\0');
    return emf + le32(14) + le32(20) + le32(0) + le32(16) + le32(20);
}

QByteArray hugePicture(const QString& extension)
{
    if (extension == "png") return hugePng();
    if (extension == "bmp") return hugeBmp();
    if (extension == "tga") return hugeTga();
    if (extension == "pcx") return hugePcx();
    if (extension == "gif") return hugeGif();
    if (extension == "tif") return hugeTiff();
    if (extension == "jpg") return hugeJpeg();
    if (extension == "wmf") return hugeWmf();
    if (extension == "emf") return hugeEmf();
    return QByteArray("P6\n100000 100000\n255\n") + QByteArray(64, '\x20');
}

QByteArray validPicture(const QString& folder, const QString& extension)
{
    const QString path = folder + "/valid." + extension;
    if (extension == "wmf")
        writeTestWmf(path, 64, 48);
    else if (extension == "emf")
        writeTestEmf(path, 64, 48);
    else {
        const QString png = folder + "/valid-source.png";
        seededImage(64, 48, 3).save(png);
        runTool("gm", {"convert", png, path});
    }
    return readFileBytes(path);
}

// Decoding must fail, or (for a cut file some decoders accept) give the full-size
// picture the header announced; it must never crash or allocate for a forged size.
void expectCleanOutcome(const QString& path, bool mayDecodePartially)
{
    auto decoded = PictureDecoder::decode(path);
    if (decoded.isOk()) {
        EXPECT_TRUE(mayDecodePartially) << qPrintable(path);
        EXPECT_LE(decoded->image.width(), 64);
    } else {
        EXPECT_FALSE(decoded.message().isEmpty());
    }
    std::vector<uchar> buffer(80 * 80 * 3);
    const Status thumbnail = PictureBuffers::loadPictureRgb(path, buffer.data(), 80, 80);
    EXPECT_EQ(thumbnail.isOk(), decoded.isOk()) << qPrintable(path);
    PictureLoader loader;
    (void)loader.load(path);
}

class BadPictures : public ::testing::TestWithParam<const char*> {};

TEST_P(BadPictures, EmptyFileFails)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("empty.") + GetParam());
    ASSERT_TRUE(writeFileBytes(path, QByteArray()));
    EXPECT_FALSE(PictureDecoder::decode(path).isOk());
    EXPECT_FALSE(PictureDecoder::size(path).isOk());
}

TEST_P(BadPictures, GarbageFails)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("garbage.") + GetParam());
    QByteArray garbage(4096, '\0');
    QRandomGenerator random(99);
    for (char& c : garbage)
        c = char(random.generate());
    ASSERT_TRUE(writeFileBytes(path, garbage));
    expectCleanOutcome(path, false);
}

TEST_P(BadPictures, TruncatedFilesFailOrKeepTheirSize)
{
    QTemporaryDir folder;
    const QByteArray valid = validPicture(folder.path(), GetParam());
    ASSERT_GT(valid.size(), 40);
    for (qsizetype cut : {qsizetype(8), qsizetype(30), valid.size() / 2, valid.size() - 3}) {
        const QString path = folder.filePath(QStringLiteral("cut%1.").arg(cut) + GetParam());
        ASSERT_TRUE(writeFileBytes(path, valid.left(cut)));
        expectCleanOutcome(path, cut >= valid.size() / 2);
    }
}

TEST_P(BadPictures, HeaderClaimingAHugePictureIsRefusedBeforeAllocating)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("huge.") + GetParam());
    ASSERT_TRUE(writeFileBytes(path, hugePicture(GetParam())));
    auto decoded = PictureDecoder::decode(path);
    EXPECT_FALSE(decoded.isOk()) << "decoded " << decoded->image.width() << "x" << decoded->image.height();
    EXPECT_FALSE(PictureDecoder::size(path).isOk() && PictureDecoder::size(path)->width() > 20000);
}

INSTANTIATE_TEST_SUITE_P(Picture, BadPictures, ::testing::ValuesIn(kReadExtensions),
                         [](const auto& info) { return std::string(info.param); });

TEST(BadPictures, MissingFileIsAClearError)
{
    auto decoded = PictureDecoder::decode("/no/such/folder/photo.jpg");
    ASSERT_FALSE(decoded.isOk());
    EXPECT_TRUE(decoded.message().contains("does not exist"));
}

TEST(BadPictures, AFileLargerThanTheLimitIsRefusedUnread)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("big.tga");
    ASSERT_TRUE(writeFileBytes(path, QByteArray(11, 'x')));
    EXPECT_EQ(PictureLimits::readFile(path, 11).valueOr(QByteArray()).size(), 11);
    const auto refused = PictureLimits::readFile(path, 10);
    ASSERT_FALSE(refused.isOk());
    EXPECT_TRUE(refused.message().contains("too large")) << refused.message().toStdString();
}

} // namespace

// A TIFF written by the image library with one bit changed (found by fuzzing):
// Qt's reader failed on it through libtiff's error handler, which the image
// library had pointed at its own, and that aborted the program.
TEST(BadPictures, ADamagedTiffAfterTheImageLibraryWroteOneFailsCleanly)
{
    ASSERT_TRUE(ImageLibrary::encode(quadrantImage(7, 5), FormatTiff).isOk());
    const QByteArray damaged = QByteArray::fromHex(
        "49492a006a000000800020400660cc320a7d82008448186a06e602be1f8bc1a335cef664100361c003f406aa00bfc001"
        "681c9400ff00801d40001bf4acc91e078bd033f49a6d370020a331b8ec7e43239c4a2552c974970b0784c2c040000865"
        "fd2773c4627158bc04be1000000103000100000007000000010103000100000005000000020103000400000030010000"
        "0301030001000000050000000601030001000000020000000d0102000100000000000000110104000100000008000000"
        "1501030001000000040000001601030001000000050000001701040001000000610000001c0103000100000001000000"
        "2901030002000000000001003101020044000000400100003d0103000100000002000000520103000100000000000000"
        "530103000400000038010000000000000800080008000800010001000100010047726170686963734d616769636b2031"
        "2e332e343020323032332d30312d31342051313620687474703a2f2f7777772e47726170686963734d616769636b2e6f"
        "72672f00");
    (void)MemoryPictureDecoder::decode(damaged, "damaged.tif");
    (void)ImageLibrary::decode(damaged, FormatTiff, "damaged.tif");
    EXPECT_TRUE(MemoryPictureDecoder::decode(ImageLibrary::encode(quadrantImage(7, 5), FormatTiff).valueOr({}), "whole.tif"));
}

namespace {

qint64 peakMemoryMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

// A custom mask carried by a project (found by fuzzing): an animation whose frame
// header, further in than the size Qt checks first, announces 33554432 x 16
// pixels. Qt's reader filled a 2 GB picture before failing.
TEST(BadPictures, APictureCannotAllocateMoreThanItsHeaderAnnounced)
{
    const QByteArray mask = QByteArray::fromHex(
        "8a4d4e470d0a1a0a0000000d49484452020000000000001008060000000c24bf95000000097048597300000ec400000e"
        "c401952b0e1b0000017649444154388db5d4314b9b511487f1e77fdeb72038b848a495164450b0850eb61a8d9b935340"
        "05675dbbeb67a8bbdfa1201632397589b5349406c4569050c41a2c4d264141e8fbdee3d03608c6044cf28c77f89d0b97"
        "7b448b1c549a1fc9e84f784ed050f07400c0145d60fedb1fd9f7e90f273581df67a8d9e197dcc878b064c95d0b82c76d"
        "2ef14bf25d0bf1ceebfd93e396030e664733d7966c80e75ba1f7a74212e2b7b94f3f6a77067c9e7b3609da123ef830bc"
        "41d6837833b3775a6e0c28cd0d8f39f1b6f0fecef0bf39bac2d2e56cb15a3107b9a2cd6ee100c2fb15a24d07a9947bfa"
        "0ae95db7f0db39ac18d2442ff07f4d580f71000cf7a31efa4736b57ff61574d87d5b87d31f7f964de06ee9baa3ab6ed1"
        "8e2eddd275811b40b658adb85805d53be75577b1962d562b008d479ed93b2d2721ce830a1de08524c4f9ffbf185a2cbb"
        "d4d245390bc09336eab98bdd2844ef1f2ebb661dcc8e66aee3e4857bc8286800c0cd2f24abf525f1b797b7165bb36e00"
        "f9cb8dcd3e4dc3740000000049454e44ae426082");
    const qint64 before = peakMemoryMb();
    auto decoded = MemoryPictureDecoder::decode(mask, "custom mask");
    EXPECT_FALSE(decoded.isOk() && decoded->width() > PictureLimits::kMaxSide);
    EXPECT_LT(peakMemoryMb() - before, 512);
}
