// Walking, reading and appending library files, and what damaged files do.
#include "library/library_file.h"

#include "library/library_appender.h"
#include "library/library_file_encoder.h"
#include "library_fixtures.h"
#include "support/small_disk.h"

#include <gtest/gtest.h>

using namespace montora;
using namespace montora::test;

namespace {

class LibraryFileTest : public LibraryFolderTest {
protected:
    // Three thumbnails of different sizes, so a walk that skips wrongly lands on garbage.
    QString threeThumbnails()
    {
        const QString file = path("clipart.cfg");
        EXPECT_TRUE(LibraryFile(file, LibraryLayout::Thumbnail)
                        .append({thumbnailRecord(3, 2, 1), thumbnailRecord(1, 5, 2), thumbnailRecord(4, 4, 3)}));
        return file;
    }
};

} // namespace

TEST_F(LibraryFileTest, AppendCreatesThenRaisesTheCountAndRecordsReadBackByIndex)
{
    const QString file = threeThumbnails();
    const LibraryFile library(file, LibraryLayout::Thumbnail);
    ASSERT_TRUE(library.append({thumbnailRecord(2, 2, 4)}));
    EXPECT_EQ(library.count().valueOr(-1), 4);
    EXPECT_EQ(readAll(file).size(), 4 + (8 + 24) + (8 + 20) + (8 + 64) + (8 + 16));
    for (int i = 0; i < 4; ++i) {
        auto record = library.record(i);
        ASSERT_TRUE(record) << record.message().toStdString();
        EXPECT_EQ(record->payload.at(0), char(i + 1));
    }
    EXPECT_EQ(library.record(2)->width, 4);
    EXPECT_EQ(library.header(1)->height, 5);
}

TEST_F(LibraryFileTest, IndexAtOrBeyondTheCountIsRefused)
{
    const LibraryFile library(threeThumbnails(), LibraryLayout::Thumbnail);
    EXPECT_FALSE(library.record(3));
    EXPECT_FALSE(library.record(-1));
    EXPECT_FALSE(library.header(1000));
    EXPECT_FALSE(LibraryFile(path("missing.cfg"), LibraryLayout::Thumbnail).record(0));
}

TEST_F(LibraryFileTest, TruncatedFileKeepsTheRecordsBeforeTheDamage)
{
    const QString file = threeThumbnails();
    cutTo(file, 4 + 32 + 10); // inside the second record's pixels
    const LibraryFile library(file, LibraryLayout::Thumbnail);
    EXPECT_TRUE(library.record(0));
    EXPECT_FALSE(library.record(1));
    EXPECT_FALSE(library.record(2));

    const LibraryListing listing = library.list();
    EXPECT_EQ(listing.count, 3);
    EXPECT_EQ(listing.headers.size(), 1u);
    EXPECT_FALSE(listing.damage);
    EXPECT_EQ(listing.damageOffset, 36);
    const LibraryContents contents = library.readAll();
    EXPECT_EQ(contents.records.size(), 1u);
    EXPECT_FALSE(contents.damage);
}

TEST_F(LibraryFileTest, SizesThatCannotFitInTheFileAreCorruptionNotAllocations)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        LibraryLayout layout;
    };
    const std::vector<Case> cases = {
        {"huge count", le32(0x7FFFFFFF) + le32(1) + le32(1) + QByteArray(4, 'x'), LibraryLayout::Thumbnail},
        {"huge picture", le32(1) + le32(100000) + le32(100000) + QByteArray(64, 'x'), LibraryLayout::Thumbnail},
        {"overflowing picture", le32(1) + le32(0x7FFFFFFF) + le32(0x7FFFFFFF), LibraryLayout::Thumbnail},
        {"negative size", le32(1) + le32(-4) + le32(-4), LibraryLayout::Thumbnail},
        {"negative count", le32(-1), LibraryLayout::Thumbnail},
        {"huge length", le32(1) + le32(2) + le32(2) + le32(0x7FFFFFF0) + QByteArray(16, 'k'), LibraryLayout::PictureWithKey},
        {"negative length", le32(1) + le32(2) + le32(2) + le32(-9) + QByteArray(16, 'k'), LibraryLayout::PictureWithKey},
        {"garbage", QByteArray::fromHex("deadbeefcafebabe0102030405060708090a0b0c0d0e0f"), LibraryLayout::PictureWithInsets},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = path("bad.cfg");
        writeAll(file, c.bytes);
        const LibraryFile library(file, c.layout);
        EXPECT_FALSE(library.record(1));
        EXPECT_FALSE(library.findByKey(MaskKey::create()));
        EXPECT_FALSE(library.list().damage);
        // Nothing is added to a damaged file, and it stays as it was.
        EXPECT_FALSE(library.append({pictureRecord("x", 1, 1)}));
        EXPECT_EQ(readAll(file), c.bytes);
    }
}

TEST_F(LibraryFileTest, AppendWritesOverWhatACrashedAppendLeftBehind)
{
    // A file created but never given its count holds no records.
    writeAll(path("empty.cfg"), QByteArray("\x01\x00", 2));
    EXPECT_FALSE(LibraryFile(path("empty.cfg"), LibraryLayout::Thumbnail).record(0));
    ASSERT_TRUE(LibraryFile(path("empty.cfg"), LibraryLayout::Thumbnail).append({thumbnailRecord(1, 1, 1)}));
    EXPECT_EQ(readAll(path("empty.cfg")).size(), 4 + 12);

    const QString file = threeThumbnails();
    const QByteArray before = readAll(file);
    writeAll(file, before + QByteArray(100, '\xEE')); // record bytes whose count was never written
    const LibraryFile library(file, LibraryLayout::Thumbnail);
    ASSERT_TRUE(library.append({thumbnailRecord(1, 1, 9)}));
    EXPECT_EQ(library.count().valueOr(-1), 4);
    EXPECT_EQ(readAll(file).size(), before.size() + 12);
    EXPECT_EQ(library.record(3)->payload, QByteArray(4, char(9)));
    EXPECT_TRUE(library.list().damage);
}

TEST_F(LibraryFileTest, UncommittedAppendsLeaveNoTrace)
{
    const QString existing = threeThumbnails();
    const QByteArray before = readAll(existing);
    {
        LibraryAppender old(existing, LibraryLayout::Thumbnail);
        LibraryAppender fresh(path("new.cfg"), LibraryLayout::Thumbnail);
        ASSERT_TRUE(old.begin());
        ASSERT_TRUE(fresh.begin());
        ASSERT_TRUE(old.add(thumbnailRecord(8, 8, 1)));
        ASSERT_TRUE(fresh.add(thumbnailRecord(8, 8, 1)));
        // Readers still see the old count while records are being added.
        EXPECT_EQ(LibraryFile(existing, LibraryLayout::Thumbnail).count().valueOr(-1), 3);
    }
    EXPECT_EQ(readAll(existing), before);
    EXPECT_FALSE(QFile::exists(path("new.cfg")));
}

TEST_F(LibraryFileTest, FindByKeyVisitsRecordsInOrder)
{
    const QString file = path("cusmask.cfg");
    std::vector<LibraryRecord> records;
    std::vector<MaskKey> keys;
    for (int i = 0; i < 3; ++i) {
        records.push_back(pictureRecord(QByteArray(5 + i, char('a' + i))));
        keys.push_back(MaskKey::create());
        records.back().setKey(keys.back());
    }
    const LibraryFile library(file, LibraryLayout::PictureWithKey);
    ASSERT_TRUE(library.append(records));
    EXPECT_EQ(library.findByKey(keys[2])->payload, QByteArray(7, 'c'));
    EXPECT_EQ(library.findByKey(keys[0])->payload, QByteArray(5, 'a'));
    EXPECT_FALSE(library.findByKey(MaskKey::create()));
    writeAll(file, le32(0)); // a copy with count 0 finds nothing
    EXPECT_FALSE(library.findByKey(keys[0]));
}

// A full disk mid-record, with and without bytes a crashed append left behind:
// the file goes back to its counted records, with no dead bytes after them.
TEST_F(LibraryFileTest, AppendOnAFullDiskLeavesTheFileAsItWas)
{
    for (const qint64 deadBytes : {0, 5000}) {
        SCOPED_TRACE(deadBytes);
        SmallDisk disk;
        MONTORA_NEED_SMALL_DISK(disk);
        const QString file = disk.path("clipart.cfg");
        ASSERT_TRUE(LibraryFile(file, LibraryLayout::Thumbnail).append({thumbnailRecord(3, 2, 1)}));
        writeAll(file, readAll(file) + QByteArray(deadBytes, '\xEE'));
        const QByteArray before = readAll(file);
        disk.fill(8192);
        const Status failed = LibraryFile(file, LibraryLayout::Thumbnail).append({thumbnailRecord(80, 80, 2)});
        EXPECT_TRUE(failed.message().contains("No space left on device")) << failed.message().toStdString();
        EXPECT_EQ(readAll(file), before.left(before.size() - deadBytes));
    }
}

TEST_F(LibraryFileTest, AFileTakesRecordsZeroTo999AndRefusesThe1001st)
{
    const QString file = path("clipart.cfg");
    const LibraryFile library(file, LibraryLayout::Thumbnail);
    ASSERT_TRUE(library.append(std::vector<LibraryRecord>(999, thumbnailRecord(1, 1, 1))));
    ASSERT_TRUE(library.append({thumbnailRecord(1, 1, 2)}));
    const QByteArray full = readAll(file);
    const Status refused = library.append({thumbnailRecord(1, 1, 3)});
    EXPECT_TRUE(refused.message().contains("already holds 1000 records")) << refused.message().toStdString();
    EXPECT_EQ(readAll(file), full);
    EXPECT_EQ(library.record(999)->payload, QByteArray(4, char(2)));
}

// Found by fuzzing: a project whose custom-mask block claimed a negative size had
// it appended to "cusmask.cfg", which every later append then refused as damaged.
TEST_F(LibraryFileTest, ARecordItsReadersWouldCallDamagedIsNeverAppended)
{
    const QString masks = path("cusmask.cfg");
    const LibraryFile custom(masks, LibraryLayout::PictureWithKey);
    LibraryRecord negative;
    negative.width = -83886080;
    negative.height = 16777215;
    negative.payload = "PNG";
    EXPECT_FALSE(custom.append({negative}));
    LibraryRecord short_ = thumbnailRecord(3, 2, 1);
    short_.payload.chop(1); // a thumbnail's pixels must fill its size, or the walk lands in them
    EXPECT_FALSE(LibraryFile(path("clipart.cfg"), LibraryLayout::Thumbnail).append({short_}));
    LibraryRecord huge = thumbnailRecord(1, 1, 1);
    huge.width = huge.height = 0x7fffffff; // four bytes a pixel would overflow 64 bits
    EXPECT_FALSE(LibraryFile(path("clipart.cfg"), LibraryLayout::Thumbnail).append({huge}));

    LibraryRecord mask;
    mask.width = 4;
    mask.height = 3;
    mask.payload = "PNG";
    ASSERT_TRUE(custom.append({mask}));
    EXPECT_TRUE(custom.list().damage.isOk());
    EXPECT_EQ(custom.count().valueOr(-1), 1);
}
