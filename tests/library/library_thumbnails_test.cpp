#include "library/library_thumbnails.h"

#include "library/library_file_encoder.h"
#include "library_fixtures.h"

namespace montora {
namespace {

using test::LibraryFolderTest;

class LibraryThumbnailsTest : public LibraryFolderTest {
protected:
    void writeLibrary(const QString& name, const std::vector<QImage>& pictures)
    {
        std::vector<LibraryRecord> records;
        for (const QImage& picture : pictures)
            records.push_back(LibraryFileEncoder::thumbnailRecord(picture));
        writeAll(path(name), LibraryFileEncoder::file(LibraryLayout::Thumbnail, records));
    }
    LibraryThumbnails m_thumbnails;
};

TEST_F(LibraryThumbnailsTest, RecordsAreFittedIntoTheBoxKeepingTheirPixels)
{
    QImage wide(232, 116, QImage::Format_ARGB32);
    wide.fill(qRgba(200, 30, 10, 255));
    QImage small = test::patternPicture(20, 10, 7);
    writeLibrary(QStringLiteral("clipart.cfg"), {wide, small});
    ASSERT_TRUE(m_thumbnails.load(path(QStringLiteral("clipart.cfg")), QSize(58, 58)).isOk());
    ASSERT_EQ(m_thumbnails.count(), 2);
    EXPECT_EQ(m_thumbnails.at(0).recordSize, QSize(232, 116));
    EXPECT_EQ(m_thumbnails.at(0).picture.size(), QSize(58, 29));
    EXPECT_EQ(QColor(m_thumbnails.at(0).picture.pixel(20, 10)), QColor(200, 30, 10));
    EXPECT_EQ(m_thumbnails.at(1).picture.size(), QSize(20, 10)) << "small pictures are not enlarged";
    EXPECT_EQ(m_thumbnails.at(1).picture.pixel(13, 4), small.pixel(13, 4));
}

TEST_F(LibraryThumbnailsTest, MissingEmptyAndDamagedFiles)
{
    EXPECT_FALSE(m_thumbnails.load(path(QStringLiteral("clipart.cfg")), QSize(58, 58)).isOk());
    EXPECT_EQ(m_thumbnails.count(), 0);

    writeAll(path(QStringLiteral("empty.cfg")), QByteArray());
    EXPECT_FALSE(m_thumbnails.load(path(QStringLiteral("empty.cfg")), QSize(58, 58)).isOk());
    EXPECT_EQ(m_thumbnails.count(), 0);

    writeAll(path(QStringLiteral("none.cfg")), test::le32(0));
    EXPECT_TRUE(m_thumbnails.load(path(QStringLiteral("none.cfg")), QSize(58, 58)).isOk());
    EXPECT_EQ(m_thumbnails.count(), 0);

    // Three records, the file cut inside the third one's pixels.
    writeLibrary(QStringLiteral("neon_p.cfg"), {test::patternPicture(30, 30, 1), test::patternPicture(40, 20, 2),
                                                test::patternPicture(50, 50, 3)});
    const QString neon = path(QStringLiteral("neon_p.cfg"));
    cutTo(neon, 4 + (8 + 30 * 30 * 4) + (8 + 40 * 20 * 4) + 8 + 100);
    EXPECT_FALSE(m_thumbnails.load(neon, QSize(58, 58)).isOk());
    ASSERT_EQ(m_thumbnails.count(), 2);
    EXPECT_EQ(m_thumbnails.at(1).recordSize, QSize(40, 20));

    // A count that promises more than the file holds, and a forged size.
    QByteArray forged = test::le32(1000) + test::le32(2) + test::le32(1) + QByteArray(8, '\x7f');
    forged += test::le32(0x7fffffff) + test::le32(0x7fffffff);
    writeAll(neon, forged);
    EXPECT_FALSE(m_thumbnails.load(neon, QSize(58, 58)).isOk());
    EXPECT_EQ(m_thumbnails.count(), 1);
}

} // namespace
} // namespace montora
