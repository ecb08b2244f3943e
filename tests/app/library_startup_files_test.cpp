// Start-up on the real library files: the built-in mask pack and the photo list.
#include "app/library_startup_files.h"
#include "app/startup_sequence.h"
#include "base/atomic_file.h"
#include "library/mask_pack.h"
#include "platform/data_folder.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

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

    Status start()
    {
        StartupSequence::Options options;
        options.settleMs = 0;
        StartupSequence startup(m_files, options);
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
