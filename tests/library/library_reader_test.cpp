// Reading library pictures by item id, frames and their insets.
#include "library/library_reader.h"

#include "imaging/tint_picture.h"
#include "library/library_file_encoder.h"
#include "library/library_files.h"
#include "library/thumbnail_library_file.h"
#include "library_fixtures.h"

#include <gtest/gtest.h>

using namespace montora;
using namespace montora::test;

namespace {

class LibraryReaderTest : public LibraryFolderTest {
protected:
    // `count` records whose pixels tell their index in the blue byte.
    void writeStyle(const QString& name, int count)
    {
        std::vector<LibraryRecord> records;
        for (int i = 0; i < count; ++i)
            records.push_back(LibraryFileEncoder::thumbnailRecord(patternPicture(4, 3, i, 128)));
        ASSERT_TRUE(LibraryFile(path(name), LibraryLayout::Thumbnail).append(records));
    }
    void writeFrame(const QImage& picture, const FrameInsets& insets, QByteArray payload = {})
    {
        LibraryRecord record = pictureRecord(payload.isEmpty() ? pngOf(picture) : payload, picture.width(),
                                             picture.height());
        record.setInsets(insets);
        ASSERT_TRUE(LibraryFile(path(LibraryFiles::kFrames), LibraryLayout::PictureWithInsets).append({record}));
    }
};

} // namespace

TEST_F(LibraryReaderTest, ItemIdSelectsFileAndRecord)
{
    writeStyle("clipart.cfg", 2);
    writeStyle("emboss_p.cfg", 9);
    const LibraryReader reader(folder());
    auto picture = reader.libraryPicture(3007);
    ASSERT_TRUE(picture) << picture.message().toStdString();
    EXPECT_EQ(qBlue(picture->pixel(0, 0)), 7);
    EXPECT_EQ(picture->pixel(3, 2), qRgba(3, 2, 7, 128));
    EXPECT_EQ(qBlue(reader.libraryPicture(1)->pixel(0, 0)), 1);
    EXPECT_FALSE(reader.libraryPicture(7005)); // names no file
    EXPECT_FALSE(reader.libraryPicture(-3));
    EXPECT_FALSE(reader.libraryPicture(2)); // beyond the count of clipart.cfg
    EXPECT_FALSE(reader.libraryPicture(1000)); // chrome_p.cfg is missing
    EXPECT_EQ(LibraryFiles::fileForItemId(6999).value_or(""), "neon_p.cfg");
    EXPECT_EQ(LibraryFiles::fileForItemId(1000).value_or(""), "chrome_p.cfg");
}

TEST_F(LibraryReaderTest, TintedRecordsAreRecolouredAlphaKept)
{
    writeStyle("glow_p.cfg", 1);
    const LibraryReader reader(folder());
    auto plain = reader.libraryPicture(5000);
    auto tinted = reader.libraryPicture(5000, 0xFFFFFF);
    ASSERT_TRUE(plain && tinted);
    EXPECT_EQ(*tinted, TintPicture::applied(*plain, 0xFFFFFF));
    EXPECT_EQ(qAlpha(tinted->pixel(2, 1)), 128);
    EXPECT_EQ(qRed(tinted->pixel(2, 1)), qBlue(tinted->pixel(2, 1)));
}

TEST_F(LibraryReaderTest, FramesDecodeAtTheirSizeWithTheirInsets)
{
    const QImage first = patternPicture(40, 30, 1);
    const QImage second = patternPicture(20, 10, 2);
    writeFrame(first, {0.1f, 0.1f, 0.9f, 0.9f});
    writeFrame(second, {0.25f, 0.2f, 0.75f, 0.8f});
    const LibraryReader reader(folder());
    auto frame = reader.framePicture(1);
    ASSERT_TRUE(frame) << frame.message().toStdString();
    EXPECT_EQ(*frame, second);
    auto insets = reader.frameInsets(0);
    ASSERT_TRUE(insets);
    EXPECT_EQ(insets->frameBox(QSize(400, 300)), QSize(500, 375));
    EXPECT_FALSE(reader.framePicture(2));
    EXPECT_FALSE(reader.frameInsets(2));
}

TEST_F(LibraryReaderTest, BadFrameRecordsAreRefused)
{
    const QImage picture = patternPicture(8, 8);
    writeFrame(picture, {0.1f, 0.1f, 0.9f, 0.9f}, pngOf(patternPicture(9, 8))); // size differs from the record
    writeFrame(picture, {0.1f, 0.1f, 0.9f, 0.9f}, QByteArray(300, '\x5A'));      // not a picture
    writeFrame(picture, {0.9f, 0.1f, 0.1f, 0.9f});                              // no opening
    const LibraryReader reader(folder());
    EXPECT_FALSE(reader.framePicture(0));
    EXPECT_FALSE(reader.framePicture(1));
    EXPECT_TRUE(reader.framePicture(2));
    EXPECT_FALSE(reader.frameInsets(2));
}

TEST_F(LibraryReaderTest, PanelContentsStopAtTheDamage)
{
    writeStyle("brushs", 3);
    cutTo(path("brushs"), 4 + 2 * (8 + 48) + 5);
    const LibraryContents contents = LibraryReader(folder()).thumbnails("brushs");
    EXPECT_EQ(contents.records.size(), 2u);
    EXPECT_FALSE(contents.damage);
    EXPECT_TRUE(LibraryReader(folder()).thumbnails("missing").records.empty());
}
