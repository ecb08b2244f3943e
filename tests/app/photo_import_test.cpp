// Photo import: the worker thread, the acceptance rules and stopping.
#include "app/imported_photo.h"
#include "app/photo_import.h"

#include "imaging/picture_format.h"
#include "support/metafile_writer.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <functional>
#include <memory>

using namespace montora;
using namespace montora::test;
using End = ImportWorker::End;

namespace {

class PhotoImportTest : public testing::Test {
protected:
    void SetUp() override
    {
        import = std::make_unique<PhotoImport>(entries);
        import->setPause(std::chrono::milliseconds(0));
        QObject::connect(import.get(), &PhotoImport::importFinished,
                         [this](End end, const QString& missing) {
                             ends.push_back(end);
                             missingPath = missing;
                         });
    }

    QString picture(const QString& name, int width, int height)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(quadrantImage(width, height).save(path));
        return path;
    }
    static bool waitUntil(const std::function<bool()>& done, int ms = 20000)
    {
        QDeadlineTimer deadline(ms);
        while (!done() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(1);
        }
        return done();
    }
    // Runs one import to its end.
    void importAll(const QStringList& paths)
    {
        const size_t before = ends.size();
        ASSERT_TRUE(import->start(paths));
        ASSERT_TRUE(waitUntil([&] { return ends.size() > before; }));
        EXPECT_FALSE(import->isBusy());
    }
    QStringList paths() const
    {
        QStringList list;
        for (const PhotoListEntry& entry : entries)
            list << entry.record.path();
        return list;
    }

    QTemporaryDir m_dir;
    std::vector<PhotoListEntry> entries;
    std::unique_ptr<PhotoImport> import;
    std::vector<End> ends;
    QString missingPath;
};

} // namespace

TEST_F(PhotoImportTest, AcceptedPhotoHasItsSizePositionAndAnUpsideDownThumbnail)
{
    entries.push_back({PhotoListRecord::forPath("/old/one.jpg").value(), {}});
    entries.push_back({PhotoListRecord::forPath("/old/two.jpg").value(), {}});
    entries[1].record.removed = 1;
    const QString path = picture("Beach.JPG", 400, 300);
    importAll({path});
    ASSERT_EQ(entries.size(), 3u);
    const PhotoListRecord& record = entries[2].record;
    EXPECT_EQ(record.path(), path);
    EXPECT_EQ(record.name(), "Beach.jpg"); // the extension is lower-cased
    EXPECT_EQ(record.width, 400);
    EXPECT_EQ(record.height, 300);
    EXPECT_EQ(record.position, 2); // the count of entries, removed ones included
    EXPECT_EQ(record.state, 0);
    EXPECT_EQ(record.removed, 0);
    EXPECT_EQ(ends, std::vector<End>{End::Done});

    QImage thumbnail;
    ASSERT_TRUE(thumbnail.loadFromData(entries[2].thumbnail, "JPEG"));
    EXPECT_EQ(thumbnail.size(), QSize(80, 80));
    // Stored bottom row first: the picture's blue bottom-left quadrant comes first.
    const QColor topLeft = thumbnail.pixelColor(10, 10);
    EXPECT_GT(topLeft.blue(), 200);
    EXPECT_LT(topLeft.red(), 60);
}

TEST_F(PhotoImportTest, PicturesAlreadyInTheLibraryOrOfFiveByFiveAddNothing)
{
    const QString present = picture("present.png", 50, 40);
    const QString wasRemoved = picture("removed.png", 50, 40);
    entries.push_back({PhotoListRecord::forPath(present).value(), {}});
    entries.push_back({PhotoListRecord::forPath(wasRemoved).value(), {}});
    entries[1].record.removed = 1; // a removed entry does not count as present
    importAll({present, picture("tiny.png", 5, 5), picture("flat.png", 6, 5), picture("tall.png", 5, 6),
               picture("small.png", 6, 6), wasRemoved});
    EXPECT_EQ(paths(), QStringList({present, wasRemoved, m_dir.filePath("small.png"), wasRemoved}));
    EXPECT_EQ(entries[2].record.width, 6);
}

TEST_F(PhotoImportTest, UnreadablePicturesAreDroppedAndTheImportGoesOn)
{
    const QString garbage = m_dir.filePath("garbage.jpg");
    ASSERT_TRUE(writeFileBytes(garbage, QByteArray("\xFF\xD8\xFF\xE0 not really a JPEG", 22)));
    const QString empty = m_dir.filePath("empty.png");
    ASSERT_TRUE(writeFileBytes(empty, QByteArray()));
    const QString good = picture("good.bmp", 30, 20);
    importAll({garbage, empty, m_dir.path(), good});
    EXPECT_EQ(paths(), QStringList({good}));
    EXPECT_EQ(ends, std::vector<End>{End::Done});
}

TEST_F(PhotoImportTest, MetafilesAreSizedByTheImageLibrary)
{
    const QString wmf = m_dir.filePath("drawing.wmf");
    const QString emf = m_dir.filePath("drawing.emf");
    ASSERT_TRUE(writeTestWmf(wmf, 300, 200));
    ASSERT_TRUE(writeTestEmf(emf, 300, 200));
    importAll({wmf, emf});
    ASSERT_EQ(paths(), QStringList({wmf, emf}));
    for (const PhotoListEntry& entry : entries) {
        EXPECT_GT(entry.record.width, 5);
        EXPECT_GT(entry.record.height, 5);
        EXPECT_GT(entry.record.width, entry.record.height) << qPrintable(entry.record.path());
        QImage thumbnail;
        EXPECT_TRUE(thumbnail.loadFromData(entry.thumbnail, "JPEG"));
    }
}

TEST_F(PhotoImportTest, StoppingKeepsTheEntriesAlreadyAdded)
{
    QStringList files;
    for (int i = 0; i < 6; ++i)
        files << picture(QStringLiteral("p%1.png").arg(i), 40, 30);
    QObject::connect(import.get(), &PhotoImport::photoImported, import.get(), &PhotoImport::requestStop);
    importAll(files);
    EXPECT_EQ(paths(), QStringList({files[0]}));
    EXPECT_EQ(ends, std::vector<End>{End::Stopped});
}

TEST_F(PhotoImportTest, ImportEndsAtTheFirstPickedFileThatNoLongerExists)
{
    const QStringList files{picture("a.png", 40, 30), picture("b.png", 40, 30), picture("c.png", 40, 30)};
    ASSERT_TRUE(QFile::remove(files[1]));
    importAll(files);
    EXPECT_EQ(paths(), QStringList({files[0]}));
    EXPECT_EQ(ends, std::vector<End>{End::Missing});
    EXPECT_EQ(missingPath, files[1]);
}

TEST_F(PhotoImportTest, ASecondImportWhileOneRunsDoesNothing)
{
    const QStringList first{picture("a.png", 40, 30), picture("b.png", 40, 30)};
    const QStringList second{picture("c.png", 40, 30)};
    ScriptedPrompter prompter;
    prompter.openFileAnswers.push_back(second);
    ASSERT_TRUE(import->start(first));
    EXPECT_TRUE(import->isBusy());
    EXPECT_FALSE(import->start(second));
    EXPECT_FALSE(import->importPhotos(prompter));
    EXPECT_TRUE(prompter.asked.isEmpty()); // not even asked for files
    EXPECT_EQ(import->pickedPaths(), first);
    ASSERT_TRUE(waitUntil([&] { return !ends.empty(); }));
    EXPECT_EQ(paths(), first);
    // Once it has ended the next import runs.
    EXPECT_TRUE(import->importPhotos(prompter));
    ASSERT_TRUE(waitUntil([&] { return ends.size() == 2; }));
    EXPECT_EQ(paths(), first + second);
}

TEST_F(PhotoImportTest, ImportCommandAsksForPicturesWithThePictureFilter)
{
    ScriptedPrompter prompter;
    EXPECT_FALSE(import->importPhotos(prompter)); // cancelled
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].kind, ScriptedPrompter::Asked::Kind::OpenFiles);
    EXPECT_EQ(prompter.asked[0].text, PictureFormat::addPhotosFilter());
    EXPECT_FALSE(import->isBusy());
}

// The worker waits for the user-interface thread to take each entry; a shutdown
// that stops and joins it from that thread must not wait forever in return.
TEST_F(PhotoImportTest, StopAndJoinWhileTheWorkerWaitsForTheHandOver)
{
    QStringList files;
    for (int i = 0; i < 3; ++i)
        files << picture(QStringLiteral("p%1.png").arg(i), 40, 30);
    ASSERT_TRUE(import->start(files));
    // No events run here, so the worker stays in its first hand-over.
    ASSERT_TRUE(import->waitUntilHandingOver(std::chrono::seconds(20)));
    import->requestStop();
    import->join();
    EXPECT_FALSE(import->isRunning());
    EXPECT_TRUE(entries.empty());
    // The abandoned hand-over is still queued: it must not add the entry late.
    ASSERT_TRUE(waitUntil([&] { return !ends.empty(); }));
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(ends, std::vector<End>{End::Stopped});
}

TEST_F(PhotoImportTest, DestroyingTheImportMidRunLeavesTheEntriesAlone)
{
    QStringList files;
    for (int i = 0; i < 20; ++i)
        files << picture(QStringLiteral("p%1.png").arg(i), 60, 40);
    ASSERT_TRUE(import->start(files));
    ASSERT_TRUE(waitUntil([&] { return entries.size() >= 2; }));
    import.reset();
    const size_t kept = entries.size();
    QCoreApplication::processEvents();
    EXPECT_EQ(entries.size(), kept);
    EXPECT_LT(kept, 20u);
}

TEST(ImportedPhoto, RefusesPathsTooLongForTheRecord)
{
    const QString longPath = "/" + QString(300, 'x') + ".jpg";
    EXPECT_FALSE(ImportedPhoto::prepare(longPath));
}
