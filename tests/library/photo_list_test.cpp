// The photo list file: its layout, save, load and damaged files.
#include "library/photo_list.h"

#include "library/library_files.h"
#include "library/mask_pack.h"
#include "library_fixtures.h"

#include <gtest/gtest.h>

using namespace montora;
using namespace montora::test;

namespace {

PhotoListEntry entry(const QString& path, int width, QByteArray thumbnail)
{
    PhotoListEntry e{PhotoListRecord::forPath(path).value(), std::move(thumbnail)};
    e.record.width = width;
    e.record.height = width / 2;
    e.record.quarterTurns = 3;
    e.record.state = 1;
    e.record.position = 99;
    return e;
}

class PhotoListTest : public LibraryFolderTest {
protected:
    void SetUp() override
    {
        list.entries() = {entry("/photos/a.jpg", 640, "JPEG-A"), entry("/photos/b.png", 800, "JPEG-BB"),
                          entry("/photos/c.gif", 100, "JPEG-CCC")};
    }
    QString file() const { return path("srcmedia.cfg"); }

    PhotoList list;
};

} // namespace

TEST(PhotoListRecord, SplitsThePathIntoItsFields)
{
    auto record = PhotoListRecord::forPath("/home/ann/Pictures/Beach Day.JPG");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->path(), "/home/ann/Pictures/Beach Day.JPG");
    EXPECT_STREQ(record->drive, "");
    EXPECT_STREQ(record->directory, "/home/ann/Pictures/");
    EXPECT_STREQ(record->fileName, "Beach Day");
    EXPECT_STREQ(record->extension, ".jpg");
    EXPECT_EQ(record->name(), "Beach Day.jpg");
    EXPECT_EQ(record->removed, 0);
    EXPECT_FALSE(PhotoListRecord::forPath("/" + QString(300, 'x') + ".jpg")); // refused, never cut
}

TEST_F(PhotoListTest, SaveWritesCountRecordsThenThumbnailsSkippingRemovedEntries)
{
    list.entries()[1].record.removed = 1;
    ASSERT_TRUE(list.save(folder()));
    const QByteArray bytes = readAll(file());
    ASSERT_EQ(bytes.size(), 4 + 2 * 1104 + (4 + 6) + (4 + 8));
    EXPECT_EQ(i32At(bytes, 0), 2);
    EXPECT_EQ(bytes.mid(4, 14), QByteArrayLiteral("/photos/a.jpg\0"));
    EXPECT_EQ(bytes.mid(4 + 263, 9), QByteArrayLiteral("/photos/\0"));
    EXPECT_EQ(bytes.mid(4 + 519, 2), QByteArrayLiteral("a\0"));
    EXPECT_EQ(bytes.mid(4 + 775, 5), QByteArrayLiteral(".jpg\0"));
    EXPECT_EQ(i32At(bytes, 4 + 1076), 640);
    EXPECT_EQ(i32At(bytes, 4 + 1084), 3);
    EXPECT_EQ(bytes.mid(4 + 1104, 14), QByteArrayLiteral("/photos/c.gif\0"));
    const qsizetype thumbs = 4 + 2 * 1104;
    EXPECT_EQ(i32At(bytes, thumbs), 6);
    EXPECT_EQ(bytes.mid(thumbs + 4, 6), "JPEG-A");
    EXPECT_EQ(i32At(bytes, thumbs + 10), 8);
    EXPECT_EQ(bytes.mid(thumbs + 14), "JPEG-CCC");
}

TEST_F(PhotoListTest, LoadRenumbersAndClearsTheStateFlag)
{
    ASSERT_TRUE(list.save(folder()));
    PhotoList loaded;
    ASSERT_TRUE(loaded.load(folder()).isOk());
    ASSERT_EQ(loaded.entries().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(loaded.entries()[i].record.position, i);
        EXPECT_EQ(loaded.entries()[i].record.state, 0);
        EXPECT_EQ(loaded.entries()[i].record.quarterTurns, 3);
    }
    EXPECT_EQ(loaded.entries()[2].thumbnail, "JPEG-CCC");
    EXPECT_EQ(loaded.entries()[1].record.name(), "b.png");
}

TEST_F(PhotoListTest, EntryWithoutThumbnailKeepsTheOthersInStep)
{
    list.entries()[0].thumbnail.clear();
    ASSERT_TRUE(list.save(folder()));
    PhotoList loaded;
    ASSERT_TRUE(loaded.load(folder()).isOk());
    ASSERT_EQ(loaded.entries().size(), 3u);
    EXPECT_TRUE(loaded.entries()[0].thumbnail.isEmpty());
    EXPECT_EQ(loaded.entries()[1].thumbnail, "JPEG-BB");
}

TEST_F(PhotoListTest, ListCutInItsThumbnailsKeepsCompleteEntriesAndIsSetAsideUntilTheNextSave)
{
    ASSERT_TRUE(list.save(folder()));
    cutTo(file(), 4 + 3 * 1104 + (4 + 6) + (4 + 3));
    const QByteArray damaged = readAll(file());
    for (int read = 0; read < 2; ++read) {
        SCOPED_TRACE(read);
        PhotoList loaded;
        const auto result = loaded.load(folder());
        EXPECT_EQ(result.state, PhotoList::LoadState::Damaged);
        ASSERT_EQ(loaded.entries().size(), 1u);
        EXPECT_EQ(loaded.entries()[0].thumbnail, "JPEG-A");
        EXPECT_FALSE(QFile::exists(file()));
        EXPECT_EQ(readAll(file() + ".damaged"), damaged);
        EXPECT_TRUE(result.message.contains("srcmedia.cfg.damaged")) << result.message.toStdString();
    }
    PhotoList loaded;
    loaded.load(folder());
    ASSERT_TRUE(loaded.save(folder()));
    EXPECT_EQ(loaded.load(folder()).state, PhotoList::LoadState::Loaded);
    EXPECT_EQ(loaded.entries().size(), 1u);
}

TEST_F(PhotoListTest, GarbageListsAreSetAsideAndNothingElseIsTouched)
{
    ASSERT_TRUE(MaskPack::installBuiltIn(folder()));
    const QByteArray masks = readAll(path("mask.cfg"));
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"huge count", le32(0x7FFFFFFF) + QByteArray(2000, 'r')},
        {"negative count", le32(-5)},
        {"huge thumbnail", le32(1) + QByteArray(1104, '\0') + le32(0x7FFFFFFF) + "xx"},
        {"negative thumbnail", le32(1) + QByteArray(1104, '\0') + le32(-1)},
        {"short", QByteArray("\x02", 1)},
        {"garbage", QByteArray(5000, '\xA5')},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        writeAll(file(), bytes);
        PhotoList loaded;
        EXPECT_EQ(loaded.load(folder()).state, PhotoList::LoadState::Damaged);
        EXPECT_TRUE(loaded.entries().empty());
        EXPECT_FALSE(QFile::exists(file()));
        EXPECT_EQ(readAll(file() + ".damaged"), bytes); // the newest damaged copy replaces an older one
    }
    EXPECT_EQ(readAll(path("mask.cfg")), masks);
}

TEST_F(PhotoListTest, SaveRebuildsTheCustomMaskCopyFirst)
{
    ASSERT_TRUE(MaskPack::installBuiltIn(folder()));
    writeAll(path("cusmask.cfg"), le32(0)); // left over from before a reset
    ASSERT_TRUE(list.save(folder()));
    EXPECT_FALSE(QFile::exists(path("cusmask.cfg")));
    EXPECT_TRUE(QFile::exists(file()));
}
