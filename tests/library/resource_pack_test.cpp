// Building and importing resource packs, and the imported-pack list.
#include "library/resource_pack_importer.h"

#include "library/imported_pack_list.h"
#include "library/library_file.h"
#include "library/mask_library.h"
#include "library/mask_pack.h"
#include "library/resource_pack_builder.h"
#include "library_fixtures.h"
#include "support/small_disk.h"

#include <gtest/gtest.h>

#include <set>

using namespace montora;
using namespace montora::test;

namespace {

class ResourcePackTest : public LibraryFolderTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(path("data")));
        ASSERT_TRUE(QDir().mkpath(path("packs")));
    }
    QString data(const QString& name = {}) const { return path("data/") + name; }

    // A pack of `count` pictures of the kind, written into packs/NAME.
    QString pack(ResourceKind kind, int count, const QString& name,
                 std::optional<FrameInsets> insets = FrameInsets{0.1f, 0.1f, 0.9f, 0.9f})
    {
        QStringList pictures;
        for (int i = 0; i < count; ++i) {
            const QString picture = path(QStringLiteral("pic%1.png").arg(i));
            EXPECT_TRUE(patternPicture(30 + i, 20, i).save(picture));
            pictures << picture;
        }
        const QString out = path("packs/") + name;
        const Status built = ResourcePackBuilder::build(kind, pictures, insets, out);
        EXPECT_TRUE(built) << built.message().toStdString();
        return out;
    }
    PackImportResult import(const QString& pack) const { return ResourcePackImporter(data()).import(pack); }
    int count(const QString& name, LibraryLayout layout) const
    {
        return LibraryFile(data(name), layout).count().valueOr(-1);
    }
};

} // namespace

TEST_F(ResourcePackTest, PackLayoutIsKindCountThenThumbnailAndPictureRecords)
{
    auto record = ResourcePackBuilder::recordFor(ResourceKind::Frames, patternPicture(240, 60),
                                                 FrameInsets{0.25f, 0.1f, 0.75f, 0.9f});
    ASSERT_TRUE(record);
    const QByteArray bytes = ResourcePack::encodeHeader(ResourceKind::Frames, 1) +
                             ResourcePack::encodeRecord(ResourceKind::Frames, *record);
    EXPECT_EQ(i32At(bytes, 0), 0);
    EXPECT_EQ(i32At(bytes, 4), 1);
    EXPECT_EQ(i32At(bytes, 8), 120); // thumbnail fitted into 120 x 120
    EXPECT_EQ(i32At(bytes, 12), 30);
    const qsizetype picture = 16 + 120 * 30 * 4;
    EXPECT_EQ(i32At(bytes, picture), 240);
    EXPECT_EQ(i32At(bytes, picture + 4), 60);
    EXPECT_EQ(i32At(bytes, picture + 8), record->picture.payload.size());
    EXPECT_FLOAT_EQ(f32At(bytes, picture + 12), 0.25f);
    EXPECT_FLOAT_EQ(f32At(bytes, picture + 24), 0.9f);
    EXPECT_EQ(bytes.mid(picture + 28, 4), "\x89PNG");
    EXPECT_EQ(bytes.size(), picture + 28 + record->picture.payload.size());
}

TEST_F(ResourcePackTest, ClipartPackRaisesClipartCfgByFiveAndStoresNoPictureFile)
{
    ASSERT_TRUE(LibraryFile(data("clipart.cfg"), LibraryLayout::Thumbnail).append({thumbnailRecord(2, 2, 1)}));
    const PackImportResult result = import(pack(ResourceKind::Cliparts, 5, "cliparts.irs"));
    EXPECT_EQ(result.outcome, PackImportResult::Outcome::Imported) << result.message.toStdString();
    EXPECT_EQ(result.imported, 5);
    EXPECT_EQ(result.refresh, LibraryRefresh::ClipartPanel);
    EXPECT_EQ(count("clipart.cfg", LibraryLayout::Thumbnail), 6);
    qint64 pixels = 0;
    for (int i = 0; i < 5; ++i)
        pixels += 8 + (30 + i) * 20 * 4;
    EXPECT_EQ(QFileInfo(data("clipart.cfg")).size(), 4 + 8 + 16 + pixels);
    EXPECT_EQ(LibraryFile(data("clipart.cfg"), LibraryLayout::Thumbnail).record(5)->width, 34);
}

TEST_F(ResourcePackTest, MaskPackGivesEachMaskANewKeyAfterTheBuiltInOnes)
{
    ASSERT_TRUE(MaskPack::installBuiltIn(data()));
    const PackImportResult result = import(pack(ResourceKind::Masks, 3, "masks.irs"));
    EXPECT_EQ(result.outcome, PackImportResult::Outcome::Imported) << result.message.toStdString();
    EXPECT_EQ(result.refresh, LibraryRefresh::MaskPanel);
    EXPECT_EQ(count("mask.cfg", LibraryLayout::PictureWithKey), 31);
    EXPECT_EQ(count("tbmask.cfg", LibraryLayout::Thumbnail), 31);
    const MaskLibrary masks(data());
    std::set<QString> keys;
    for (int i = 0; i < 31; ++i)
        keys.insert(masks.maskKey(i)->toString());
    EXPECT_EQ(keys.size(), 31u);
    EXPECT_EQ(masks.maskPixels(30)->pixels.size(), QSize(32, 20));
    // Found by key only once the custom copy is rebuilt.
    const MaskKey key = *masks.maskKey(29);
    EXPECT_FALSE(masks.customMaskPixels(key));
    ASSERT_TRUE(masks.rebuildCustomCopy());
    EXPECT_TRUE(masks.customMaskPixels(key));
}

TEST_F(ResourcePackTest, FrameAndDecorationPacksFillTheirTwoFiles)
{
    EXPECT_EQ(import(pack(ResourceKind::Frames, 2, "frames.irs")).refresh, LibraryRefresh::FramePanel);
    EXPECT_EQ(count("tbframe.cfg", LibraryLayout::Thumbnail), 2);
    auto header = LibraryFile(data("frame.cfg"), LibraryLayout::PictureWithInsets).header(1);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->insets(), (FrameInsets{0.1f, 0.1f, 0.9f, 0.9f}));

    const PackImportResult decorations = import(pack(ResourceKind::Decorations, 2, "deco.irs"));
    EXPECT_EQ(decorations.outcome, PackImportResult::Outcome::Imported);
    EXPECT_EQ(decorations.refresh, LibraryRefresh::None);
    EXPECT_EQ(count("decorate_t", LibraryLayout::Thumbnail), 2);
    EXPECT_EQ(count("decorate", LibraryLayout::Picture), 2);
    EXPECT_EQ(import(pack(ResourceKind::Brushes, 1, "brush.irs")).refresh, LibraryRefresh::BrushPanel);
    EXPECT_EQ(count("brushs", LibraryLayout::Thumbnail), 1);
    QDir dir(data());
    EXPECT_EQ(dir.entryList(QDir::Files).size(), 6); // Res_Info and the five files above
}

TEST_F(ResourcePackTest, SamePackNameIsImportedOnceButAFailedImportCanBeRetried)
{
    const QString good = pack(ResourceKind::Brushes, 2, "set.irs");
    EXPECT_EQ(import(good).outcome, PackImportResult::Outcome::Imported);
    EXPECT_EQ(import(good).outcome, PackImportResult::Outcome::AlreadyInLibrary);
    ASSERT_TRUE(QDir().mkpath(path("other")));
    ASSERT_TRUE(QFile::copy(good, path("other/set.irs")));
    EXPECT_EQ(import(path("other/set.irs")).outcome, PackImportResult::Outcome::AlreadyInLibrary);
    EXPECT_EQ(count("brushs", LibraryLayout::Thumbnail), 2);

    const QString broken = path("packs/broken.irs");
    writeAll(broken, le32(9) + le32(1));
    EXPECT_EQ(import(broken).outcome, PackImportResult::Outcome::Failed);
    EXPECT_EQ(import(broken).outcome, PackImportResult::Outcome::Failed);
    EXPECT_EQ(*ImportedPackList(data("Res_Info")).names(), QStringList({"set.irs"}));
    ASSERT_TRUE(QFile::remove(broken));
    ASSERT_TRUE(QFile::copy(pack(ResourceKind::Brushes, 1, "fixed.irs"), broken));
    EXPECT_EQ(import(broken).outcome, PackImportResult::Outcome::Imported);
    EXPECT_EQ(*ImportedPackList(data("Res_Info")).names(), QStringList({"set.irs", "broken.irs"}));
}

TEST_F(ResourcePackTest, PackEndingEarlyAddsNothingAndCanBeImportedWhole)
{
    ASSERT_TRUE(MaskPack::installBuiltIn(data()));
    const QString file = pack(ResourceKind::Masks, 3, "cut.irs");
    const QByteArray whole = readAll(file);
    const QByteArray masks = readAll(data("mask.cfg"));
    const QByteArray thumbs = readAll(data("tbmask.cfg"));
    writeAll(file, whole.left(whole.size() - 30));
    const PackImportResult result = import(file);
    EXPECT_EQ(result.outcome, PackImportResult::Outcome::Failed);
    EXPECT_EQ(result.imported, 0);
    EXPECT_EQ(result.declared, 3);
    EXPECT_EQ(result.refresh, LibraryRefresh::None);
    EXPECT_TRUE(result.message.contains("Nothing of its 3 records was added")) << result.message.toStdString();
    EXPECT_EQ(readAll(data("mask.cfg")), masks);
    EXPECT_EQ(readAll(data("tbmask.cfg")), thumbs);
    EXPECT_FALSE(QFile::exists(data("Res_Info")));

    writeAll(file, whole);
    EXPECT_EQ(import(file).outcome, PackImportResult::Outcome::Imported);
    EXPECT_EQ(count("mask.cfg", LibraryLayout::PictureWithKey), 31);
    EXPECT_EQ(count("tbmask.cfg", LibraryLayout::Thumbnail), 31);
}

TEST_F(ResourcePackTest, ImportThatFailedOnAFullDiskSucceedsOnceSpaceIsFreed)
{
    SmallDisk disk;
    MONTORA_NEED_SMALL_DISK(disk);
    const ResourcePackImporter importer(disk.path());
    ASSERT_EQ(importer.import(pack(ResourceKind::Cliparts, 1, "first.irs")).outcome,
              PackImportResult::Outcome::Imported);
    const QByteArray cliparts = readAll(disk.path("clipart.cfg"));
    const QByteArray names = readAll(disk.path("Res_Info"));
    const QString art = pack(ResourceKind::Cliparts, 3, "art.irs");
    disk.fill();
    const PackImportResult failed = importer.import(art);
    EXPECT_EQ(failed.outcome, PackImportResult::Outcome::Failed);
    EXPECT_TRUE(failed.message.contains("No space left on device")) << failed.message.toStdString();
    EXPECT_EQ(readAll(disk.path("clipart.cfg")), cliparts);
    EXPECT_EQ(readAll(disk.path("Res_Info")), names);
    EXPECT_EQ(disk.leftovers(), QStringList());

    disk.release();
    EXPECT_EQ(importer.import(art).outcome, PackImportResult::Outcome::Imported);
    EXPECT_EQ(LibraryFile(disk.path("clipart.cfg"), LibraryLayout::Thumbnail).count().valueOr(-1), 4);
    EXPECT_EQ(importer.import(art).outcome, PackImportResult::Outcome::AlreadyInLibrary);
}

TEST_F(ResourcePackTest, PackThatWouldTakeAFilePast1000RecordsAddsNothing)
{
    ASSERT_TRUE(LibraryFile(data("clipart.cfg"), LibraryLayout::Thumbnail)
                    .append(std::vector<LibraryRecord>(999, thumbnailRecord(1, 1, 1))));
    const PackImportResult result = import(pack(ResourceKind::Cliparts, 2, "two.irs"));
    EXPECT_EQ(result.outcome, PackImportResult::Outcome::Failed);
    EXPECT_TRUE(result.message.contains("already holds 1000 records")) << result.message.toStdString();
    EXPECT_EQ(count("clipart.cfg", LibraryLayout::Thumbnail), 999);
    EXPECT_FALSE(QFile::exists(data("Res_Info")));
}

TEST_F(ResourcePackTest, BadPacksFailCleanlyWithoutTouchingTheLibraries)
{
    ASSERT_TRUE(MaskPack::installBuiltIn(data()));
    const QByteArray masks = readAll(data("mask.cfg"));
    const QByteArray thumbs = readAll(data("tbmask.cfg"));
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"unknown kind", le32(5) + le32(1)},
        {"negative count", le32(1) + le32(-1)},
        {"header only", le32(1)},
        {"huge count", le32(1) + le32(0x7FFFFFFF)},
        {"huge thumbnail", le32(1) + le32(1) + le32(60000) + le32(60000) + QByteArray(100, 'p')},
        {"negative length", le32(1) + le32(1) + le32(1) + le32(1) + "BGRA" + le32(1) + le32(1) + le32(-7)},
        {"garbage", QByteArray(3000, '\x7F')},
    };
    int n = 0;
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const QString file = path(QStringLiteral("packs/bad%1.irs").arg(n++));
        writeAll(file, bytes);
        const PackImportResult result = import(file);
        EXPECT_EQ(result.outcome, PackImportResult::Outcome::Failed);
        EXPECT_EQ(result.imported, 0);
        EXPECT_EQ(readAll(data("mask.cfg")), masks);
        EXPECT_EQ(readAll(data("tbmask.cfg")), thumbs);
    }
    EXPECT_FALSE(import(path("packs/missing.irs")).imported);
}

TEST_F(ResourcePackTest, UnreadableImportListStopsTheImport)
{
    const QString good = pack(ResourceKind::Cliparts, 1, "one.irs");
    for (const QByteArray& list : {le32(0), le32(-2), le32(3) + QByteArray(260, '\0'), QByteArray("\x01", 1)}) {
        writeAll(data("Res_Info"), list);
        EXPECT_EQ(import(good).outcome, PackImportResult::Outcome::Failed);
        EXPECT_EQ(readAll(data("Res_Info")), list);
        EXPECT_FALSE(QFile::exists(data("clipart.cfg")));
    }
}

TEST_F(ResourcePackTest, ImportListLayout)
{
    const ImportedPackList list(data("Res_Info"));
    ASSERT_TRUE(list.checkAndRecord("first.irs"));
    ASSERT_TRUE(list.checkAndRecord("Second.irs"));
    EXPECT_EQ(*list.checkAndRecord("second.irs"), ImportedPackList::Check::Recorded); // case counts
    EXPECT_EQ(*list.checkAndRecord("first.irs"), ImportedPackList::Check::AlreadyInLibrary);
    const QByteArray bytes = readAll(data("Res_Info"));
    ASSERT_EQ(bytes.size(), 4 + 3 * 260);
    EXPECT_EQ(i32At(bytes, 0), 3);
    EXPECT_EQ(bytes.mid(4 + 260, 11), QByteArrayLiteral("Second.irs\0"));
    EXPECT_FALSE(list.checkAndRecord(QString(300, 'n')));
}

TEST_F(ResourcePackTest, FramesWithoutInsetsUseTheirTransparentOpening)
{
    QImage frame(50, 40, QImage::Format_ARGB32);
    frame.fill(qRgba(10, 20, 30, 255));
    for (int y = 4; y < 36; ++y)
        for (int x = 5; x < 45; ++x)
            frame.setPixel(x, y, 0);
    auto record = ResourcePackBuilder::recordFor(ResourceKind::Frames, frame);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->picture.insets(), (FrameInsets{0.1f, 0.1f, 0.9f, 0.9f}));
    frame.fill(Qt::blue);
    EXPECT_FALSE(ResourcePackBuilder::recordFor(ResourceKind::Frames, frame));
    EXPECT_TRUE(ResourcePackBuilder::recordFor(ResourceKind::Masks, frame));
}
