// Start-up on the real library files: the built-in mask pack, the starter packs
// and the photo list.
#include "app/library_startup_files.h"
#include "app/startup_sequence.h"
#include "base/atomic_file.h"
#include "library/imported_pack_list.h"
#include "library/library_file.h"
#include "library/library_files.h"
#include "library/mask_pack.h"
#include "library/resource_pack_builder.h"
#include "library/starter_packs.h"
#include "platform/data_folder.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace montora;
using namespace montora::test;

namespace {

class LibraryStartupFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = m_root.filePath("Data") + "/";
        DataFolder::setOverride(m_folder);
    }
    void TearDown() override { DataFolder::setOverride(QString()); }

    Status start() { return start(m_files); }
    static Status start(LibraryStartupFiles& files)
    {
        StartupSequence::Options options;
        options.settleMs = 0;
        StartupSequence startup(files, options);
        return startup.run();
    }

    static QByteArray resource(const QString& name)
    {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_root;
    QString m_folder;
    LibraryStartupFiles m_files;
};

PhotoListEntry photo(const QString& path, QByteArray thumbnail)
{
    return PhotoListEntry{PhotoListRecord::forPath(path).value(), std::move(thumbnail)};
}

} // namespace

TEST_F(LibraryStartupFilesTest, MissingMaskLibraryInstallsTheBuiltInPack)
{
    ASSERT_TRUE(start().isOk());
    EXPECT_FALSE(resource(MaskPack::kMaskResource).isEmpty());
    EXPECT_EQ(readFileBytes(m_folder + "mask.cfg"), resource(MaskPack::kMaskResource));
    EXPECT_EQ(readFileBytes(m_folder + "tbmask.cfg"), resource(MaskPack::kThumbnailResource));
    EXPECT_EQ(m_files.lastLoad().state, PhotoList::LoadState::Missing);
    EXPECT_TRUE(m_files.photoList().entries().empty());
}

TEST_F(LibraryStartupFilesTest, PresentMaskLibraryIsLeftAloneEvenWithoutThumbnails)
{
    ASSERT_TRUE(DataFolder::prepare().isOk());
    ASSERT_TRUE(writeFileBytes(m_folder + "mask.cfg", "the user's masks"));
    ASSERT_TRUE(start().isOk());
    EXPECT_EQ(readFileBytes(m_folder + "mask.cfg"), "the user's masks");
    EXPECT_FALSE(QFileInfo::exists(m_folder + "tbmask.cfg"));
}

TEST_F(LibraryStartupFilesTest, TruncatedPhotoListGivesItsCompleteEntriesAndIsSetAside)
{
    ASSERT_TRUE(DataFolder::prepare().isOk());
    ASSERT_TRUE(MaskPack::installBuiltIn(m_folder).isOk());
    PhotoList saved;
    saved.entries() = {photo("/photos/a.jpg", "JPEG-A"), photo("/photos/b.png", "JPEG-BB"),
                       photo("/photos/c.gif", "JPEG-CCC")};
    ASSERT_TRUE(saved.save(m_folder).isOk());
    // Count, three records, the first thumbnail whole and the second cut short.
    const QByteArray whole = readFileBytes(m_folder + "srcmedia.cfg");
    ASSERT_TRUE(writeFileBytes(m_folder + "srcmedia.cfg", whole.left(4 + 3 * 1104 + (4 + 6) + (4 + 3))));

    ASSERT_TRUE(start().isOk());
    EXPECT_EQ(m_files.lastLoad().state, PhotoList::LoadState::Damaged);
    ASSERT_EQ(m_files.photoList().entries().size(), 1u);
    EXPECT_EQ(m_files.photoList().entries()[0].record.path(), "/photos/a.jpg");
    EXPECT_EQ(m_files.photoList().entries()[0].thumbnail, "JPEG-A");
    EXPECT_FALSE(QFileInfo::exists(m_folder + "srcmedia.cfg"));
    EXPECT_TRUE(QFileInfo::exists(m_folder + "srcmedia.cfg.damaged"));

    // The save on the way out writes what was kept.
    ASSERT_TRUE(m_files.savePhotoList(m_folder).isOk());
    PhotoList reloaded;
    ASSERT_TRUE(reloaded.load(m_folder).isOk());
    ASSERT_EQ(reloaded.entries().size(), 1u);
    EXPECT_EQ(reloaded.entries()[0].record.path(), "/photos/a.jpg");
}

TEST_F(LibraryStartupFilesTest, AFreshDataFolderGetsTheStarterPacksOnce)
{
    // Every starter pack, each with its own number of records.
    const QString packs = m_root.filePath("packs");
    ASSERT_TRUE(QDir().mkpath(packs));
    int records = 1;
    for (const StarterPacks::Pack& pack : StarterPacks::packs()) {
        const ResourceKind kind = pack.fileName.contains("frames")    ? ResourceKind::Frames
                                  : pack.fileName.contains("brushes") ? ResourceKind::Brushes
                                                                      : ResourceKind::Cliparts;
        QByteArray bytes = ResourcePack::encodeHeader(kind, records);
        for (int i = 0; i < records; ++i) {
            QImage picture(20 + i, 16, QImage::Format_ARGB32);
            picture.fill(qRgba(200, 40 * i, 90, 120));
            bytes += ResourcePack::encodeRecord(kind, ResourcePackBuilder::recordFor(kind, picture, FrameInsets{0.2f, 0.2f, 0.8f, 0.8f}).value());
        }
        ASSERT_TRUE(writeFileBytes(packs + "/" + pack.fileName, bytes));
        ++records;
    }
    ASSERT_EQ(StarterPacks::folderFrom(m_root.path()), QDir::cleanPath(packs));

    const auto count = [&](const QString& file) {
        return LibraryFile(m_folder + file, *LibraryFiles::layoutOf(file)).count().valueOr(-1);
    };
    const auto expectStarterContent = [&] {
        EXPECT_EQ(count(LibraryFiles::kClipart), 1);
        EXPECT_EQ(count(LibraryFiles::kFrameThumbnails), 2);
        EXPECT_EQ(count(LibraryFiles::kFrames), 2);
        EXPECT_EQ(count(LibraryFiles::kBrushes), 3);
        for (int style = 1; style <= LibraryFiles::kStyleCount; ++style)
            EXPECT_EQ(count(*LibraryFiles::styleFile(style)), 3 + style) << style;
        // The decorations go to their styles only, never to the clipart strip or the pack-only files.
        EXPECT_FALSE(QFileInfo::exists(m_folder + LibraryFiles::kDecorationThumbnails));
    };
    LibraryStartupFiles first(packs);
    ASSERT_TRUE(start(first).isOk());
    expectStarterContent();
    EXPECT_EQ(count(LibraryFiles::kMaskThumbnails), 28);

    LibraryStartupFiles second(packs);
    ASSERT_TRUE(start(second).isOk());
    expectStarterContent();
    EXPECT_EQ(ImportedPackList(m_folder + LibraryFiles::kImportedPacks).names().value().size(),
              qsizetype(StarterPacks::packs().size()));
}
