// The built-in mask pack, custom masks, the custom copy and the mask readers.
#include "library/mask_library.h"

#include "library/library_file.h"
#include "library/library_files.h"
#include "library/mask_pack.h"
#include "library_fixtures.h"

#include <QFile>

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace montora;
using namespace montora::test;

namespace {

class MaskLibraryTest : public LibraryFolderTest {
protected:
    void SetUp() override { ASSERT_TRUE(MaskPack::installBuiltIn(folder())); }

    int countOf(const QString& name, LibraryLayout layout) const
    {
        return LibraryFile(path(name), layout).count().valueOr(-1);
    }
    int masks() const { return countOf(LibraryFiles::kMasks, LibraryLayout::PictureWithKey); }
    int thumbnails() const { return countOf(LibraryFiles::kMaskThumbnails, LibraryLayout::Thumbnail); }
    int customs() const { return countOf(LibraryFiles::kCustomMasks, LibraryLayout::PictureWithKey); }

    MaskLibrary library{folder()};
};

// A colour picture whose blue channel differs from its other channels.
QImage colourPhoto()
{
    QImage picture(30, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            picture.setPixel(x, y, qRgb(200, 90, x * 8));
    return picture;
}

} // namespace

TEST_F(MaskLibraryTest, BuiltInPackHolds28DistinctGreyMasksWithThumbnails)
{
    ASSERT_EQ(masks(), BUILTIN_MASK_COUNT);
    ASSERT_EQ(thumbnails(), BUILTIN_MASK_COUNT);
    const LibraryListing thumbs = LibraryFile(path("tbmask.cfg"), LibraryLayout::Thumbnail).list();
    std::set<QByteArray> keys;
    std::set<quint64> shapes;
    for (int i = 0; i < BUILTIN_MASK_COUNT; ++i) {
        SCOPED_TRACE(i);
        auto mask = library.maskPixels(i);
        ASSERT_TRUE(mask) << mask.message().toStdString();
        keys.insert(QByteArray(reinterpret_cast<const char*>(mask->key.bytes.data()), 16));
        const QImage& p = mask->pixels;
        // White all round the border (no shape cut by it), a black shape, grey only
        // at the soft edge, alpha opaque.
        int darkestBorder = 255;
        for (int x = 0; x < p.width(); ++x)
            darkestBorder = std::min({darkestBorder, qBlue(p.pixel(x, 0)), qBlue(p.pixel(x, p.height() - 1))});
        for (int y = 0; y < p.height(); ++y)
            darkestBorder = std::min({darkestBorder, qBlue(p.pixel(0, y)), qBlue(p.pixel(p.width() - 1, y))});
        EXPECT_GE(darkestBorder, 253);
        qint64 black = 0;
        quint64 signature = 0; // wraps, as meant
        for (int y = 0; y < p.height(); y += 4)
            for (int x = 0; x < p.width(); x += 4) {
                const QRgb px = p.pixel(x, y);
                ASSERT_EQ(qAlpha(px), 255);
                ASSERT_TRUE(qRed(px) == qBlue(px) && qGreen(px) == qBlue(px));
                black += qBlue(px) <= 2;
                signature = signature * 31 + quint64(qBlue(px));
            }
        EXPECT_GT(black * 16, qint64(p.width()) * p.height() / 10) << "too little shape";
        shapes.insert(signature);
        EXPECT_EQ(thumbs.headers[std::size_t(i)].width, 120);
    }
    EXPECT_EQ(keys.size(), std::size_t(BUILTIN_MASK_COUNT));
    EXPECT_EQ(shapes.size(), std::size_t(BUILTIN_MASK_COUNT));
}

TEST_F(MaskLibraryTest, StartUpInstallsOnlyWhenMaskCfgIsMissing)
{
    QFile::remove(path("tbmask.cfg"));
    EXPECT_FALSE(*MaskPack::installIfMissing(folder())); // mask.cfg present: nothing written
    EXPECT_FALSE(QFile::exists(path("tbmask.cfg")));
    QFile::remove(path("mask.cfg"));
    EXPECT_TRUE(*MaskPack::installIfMissing(folder()));
    EXPECT_EQ(masks(), 28);
    EXPECT_EQ(thumbnails(), 28);
}

TEST_F(MaskLibraryTest, CustomMasksFollowTheBuiltInOnesAndResetRemovesThem)
{
    auto first = library.addCustomMask(colourPhoto());
    auto second = library.addCustomMask(patternPicture(7, 5));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(masks(), 30);
    EXPECT_EQ(thumbnails(), 30);
    EXPECT_EQ(customs(), 2);

    auto reference = library.maskReference(28);
    ASSERT_TRUE(reference);
    EXPECT_EQ(reference->number, 29);
    EXPECT_TRUE(reference->custom);
    EXPECT_EQ(reference->key, *first);
    auto builtIn = library.maskReference(4);
    EXPECT_EQ(builtIn->number, 5);
    EXPECT_FALSE(builtIn->custom);
    EXPECT_FALSE(library.maskReference(30));

    // The thumbnail of a custom mask is the whole picture.
    EXPECT_EQ(LibraryFile(path("tbmask.cfg"), LibraryLayout::Thumbnail).header(29)->width, 7);
    auto bytes = library.customMaskBytes(*second);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(QSize(bytes->width, bytes->height), QSize(7, 5));
    EXPECT_TRUE(bytes->bytes.startsWith("\x89PNG"));

    ASSERT_TRUE(library.reset());
    EXPECT_EQ(masks(), 28);
    EXPECT_EQ(customs(), 2); // follows at the next rebuild
    EXPECT_EQ(*library.refreshCustomCopy(), MaskLibrary::CustomCopy::NoCustomMasks);
    EXPECT_FALSE(QFile::exists(path("cusmask.cfg")));
    EXPECT_FALSE(library.customMaskPixels(*first));
}

// A crash between the two commits: "mask.cfg" counts the mask, "tbmask.cfg" does
// not. The next add gives it its thumbnail, so later masks keep their own.
TEST_F(MaskLibraryTest, AMaskLeftWithoutItsThumbnailGetsItBeforeTheNextAdd)
{
    ASSERT_TRUE(library.addCustomMask(patternPicture(5, 4)));
    ASSERT_TRUE(library.addCustomMask(patternPicture(7, 6)));
    QFile thumbnailFile(path(LibraryFiles::kMaskThumbnails));
    ASSERT_TRUE(thumbnailFile.open(QIODevice::ReadWrite));
    ASSERT_EQ(thumbnailFile.write(QByteArray("\x1d\0\0\0", 4)), 4); // 29 of the 30
    thumbnailFile.close();
    ASSERT_EQ(thumbnails(), 29);

    ASSERT_TRUE(library.addCustomMask(patternPicture(9, 8)));
    EXPECT_EQ(masks(), 31);
    ASSERT_EQ(thumbnails(), 31);
    const LibraryFile thumbnailsFile(path(LibraryFiles::kMaskThumbnails), LibraryLayout::Thumbnail);
    for (const auto& [index, width] : {std::pair{28, 5}, std::pair{29, 7}, std::pair{30, 9}}) {
        EXPECT_EQ(thumbnailsFile.header(index)->width, width) << index;
        EXPECT_EQ(library.maskPixels(index)->pixels.width(), width) << index;
    }
}

// "tbmask.cfg" created but cut off before its count (a crash, a power cut) is as
// good as empty to the appender; the repair must not refuse every later add for it.
TEST_F(MaskLibraryTest, AThumbnailFileTooShortForItsCountIsRebuiltNotRefused)
{
    ASSERT_TRUE(library.addCustomMask(patternPicture(5, 4)));
    const int counted = masks();
    ASSERT_TRUE(QFile::resize(path(LibraryFiles::kMaskThumbnails), 2));

    ASSERT_TRUE(library.addCustomMask(patternPicture(9, 8)));
    EXPECT_EQ(masks(), counted + 1);
    EXPECT_EQ(thumbnails(), counted + 1);
    EXPECT_EQ(LibraryFile(path(LibraryFiles::kMaskThumbnails), LibraryLayout::Thumbnail).header(counted)->width, 9);
}

TEST_F(MaskLibraryTest, ColourPhotoMasksByItsBlueChannel)
{
    auto key = library.addCustomMask(colourPhoto());
    ASSERT_TRUE(key);
    auto byIndex = library.maskPixels(28);
    auto byKey = library.customMaskPixels(*key);
    ASSERT_TRUE(byIndex && byKey);
    EXPECT_EQ(byIndex->key, *key);
    EXPECT_EQ(byIndex->pixels, *byKey);
    for (int x = 0; x < 30; x += 7)
        EXPECT_EQ(qBlue(byKey->pixel(x, 3)), x * 8);
}

TEST_F(MaskLibraryTest, RebuildCopiesEveryCustomRecordOfMaskCfg)
{
    auto added = library.addCustomMask(patternPicture(6, 6, 1));
    // A mask that reached mask.cfg some other way (a pack) is not in the copy yet.
    LibraryRecord imported = pictureRecord(pngOf(patternPicture(5, 4, 2)), 5, 4);
    const MaskKey importedKey = MaskKey::create();
    imported.setKey(importedKey);
    ASSERT_TRUE(LibraryFile(path("mask.cfg"), LibraryLayout::PictureWithKey).append({imported}));
    ASSERT_TRUE(LibraryFile(path("tbmask.cfg"), LibraryLayout::Thumbnail).append({thumbnailRecord(5, 4, 0)}));
    EXPECT_FALSE(library.customMaskPixels(importedKey));

    EXPECT_EQ(*library.rebuildCustomCopy(), MaskLibrary::CustomCopy::Rebuilt);
    EXPECT_EQ(customs(), 2);
    EXPECT_TRUE(library.customMaskPixels(*added));
    EXPECT_EQ(library.customMaskPixels(importedKey)->size(), QSize(5, 4));
}

TEST_F(MaskLibraryTest, DamagedMaskCfgLeavesTheCopyAsItWas)
{
    ASSERT_TRUE(library.addCustomMask(patternPicture(6, 6, 1)));
    const QByteArray copy = readAll(path("cusmask.cfg"));
    const qint64 size = QFileInfo(path("mask.cfg")).size();
    cutTo(path("mask.cfg"), size - 10);
    EXPECT_FALSE(library.refreshCustomCopy());
    EXPECT_EQ(readAll(path("cusmask.cfg")), copy);
    QFile::remove(path("mask.cfg"));
    EXPECT_FALSE(library.refreshCustomCopy());
    EXPECT_EQ(readAll(path("cusmask.cfg")), copy);
}

TEST_F(MaskLibraryTest, MaskFromACollageGoesToTheCopyOnly)
{
    const MaskKey key = MaskKey::create();
    ASSERT_TRUE(library.appendToCustomCopy(key, EncodedMask{3, 3, pngOf(patternPicture(3, 3))}));
    ASSERT_TRUE(library.appendToCustomCopy(key, EncodedMask{3, 3, pngOf(patternPicture(3, 3))}));
    EXPECT_EQ(customs(), 2);
    EXPECT_EQ(masks(), 28);
    EXPECT_EQ(library.customMaskPixels(key)->size(), QSize(3, 3));
}

TEST_F(MaskLibraryTest, CustomMaskWithoutMaskCfgInstallsThePackFirst)
{
    QFile::remove(path("mask.cfg"));
    QFile::remove(path("tbmask.cfg"));
    auto key = library.addCustomMask(patternPicture(4, 4));
    ASSERT_TRUE(key);
    EXPECT_EQ(masks(), 29);
    EXPECT_EQ(thumbnails(), 29);
    EXPECT_EQ(*library.maskKey(28), *key);
    EXPECT_FALSE(library.addCustomMask(path("no-such-picture.png")));
    EXPECT_EQ(masks(), 29);
}
