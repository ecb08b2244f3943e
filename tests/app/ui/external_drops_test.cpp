// Files from outside the window: drops from a file manager, the clipboard, and a
// later start handing over a project.
#include "app/external_files.h"
#include "app/library_startup_files.h"
#include "app/photo_import.h"
#include "app/ui/collage_app.h"
#include "app/ui/external_drops.h"
#include "app/ui/main_frame.h"
#include "canvas/collage_project.h"
#include "canvas/ui/collage_canvas.h"
#include "platform/data_folder.h"
#include "platform/single_instance.h"
#include "project/project_file_writer.h"
#include "support/scripted_prompter.h"
#include "tools/ui/photo_library_panel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QUuid>

using namespace montora;

namespace {

class ExternalDropsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_identity = "test-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
        qputenv("MONTORA_INSTANCE_ID", m_identity.toUtf8());
        DataFolder::setOverride(m_root.filePath("Data"));
        m_app = std::make_unique<CollageApp>(m_prompter, [] { return std::make_unique<LibraryStartupFiles>(); });
        ASSERT_TRUE(m_app->start());
        m_app->mainFrame()->resize(1280, 800);
    }
    void TearDown() override
    {
        m_app.reset();
        DataFolder::setOverride(QString());
        qunsetenv("MONTORA_INSTANCE_ID");
    }

    QString picture(const QString& name, QColor colour = Qt::darkCyan)
    {
        QImage image(120, 80, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = m_root.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }

    // What a file manager sends: enter, move and drop with the files' addresses.
    static bool dropFiles(QWidget* target, const QStringList& paths, QPoint at)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }

    CollageCanvas& canvas() { return *m_app->mainFrame()->canvas(); }
    CollageProject& project() { return canvas().project(); }

    QTemporaryDir m_root;
    QString m_identity;
    test::ScriptedPrompter m_prompter;
    std::unique_ptr<CollageApp> m_app;
};

} // namespace

TEST(ExternalFiles, SortsProjectsPicturesAndTheRest)
{
    QTemporaryDir dir;
    for (const char* name : {"trip.MCF", "beach.jpg", "notes.txt"})
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    const ExternalFiles::Sorted sorted = ExternalFiles::sort(
        {QUrl::fromLocalFile(dir.filePath("trip.MCF")), QUrl::fromLocalFile(dir.filePath("beach.jpg")),
         QUrl::fromLocalFile(dir.filePath("notes.txt")), QUrl::fromLocalFile(dir.path()),
         QUrl::fromLocalFile(dir.filePath("gone.png")), QUrl("https://example.org/a.jpg")});
    EXPECT_EQ(sorted.projects, QStringList{dir.filePath("trip.MCF")});
    EXPECT_EQ(sorted.pictures, QStringList{dir.filePath("beach.jpg")});
    EXPECT_EQ(sorted.ignored.size(), 4) << sorted.ignored.join(", ").toStdString();
}

TEST_F(ExternalDropsTest, PicturesDroppedOnTheCanvasLandWhereLetGoAndJoinThePhotoLibrary)
{
    const QString first = picture("first.png"), second = picture("second.jpg");
    const QString text = m_root.filePath("readme.txt");
    QFile(text).open(QIODevice::WriteOnly);
    ASSERT_TRUE(dropFiles(&canvas(), {first, text, second}, QPoint(300, 200)));

    ASSERT_EQ(project().itemCount(), 2);
    EXPECT_TRUE(project().isModified());
    const PhotoItem* placed = project().item(0).asPhoto();
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->picturePath(), first);
    EXPECT_EQ(QPoint(placed->left, placed->top), QPoint(300, 200) + project().scroll())
        << "at zoom 1 the photo sits where it was let go";
    EXPECT_EQ(project().item(1).asPhoto()->picturePath(), second);
    PhotoImport* import = m_app->mainFrame()->photoImport();
    ASSERT_NE(import, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !import->isBusy(); }, 10000));
    EXPECT_EQ(import->entries().size(), 2u) << "both pictures were imported, the text file was not";
}

TEST_F(ExternalDropsTest, PicturesDroppedOnThePhotoLibraryAreImportedOnly)
{
    ASSERT_TRUE(dropFiles(m_app->mainFrame()->photoLibraryPanel(), {picture("a.png"), picture("b.bmp")}, QPoint(30, 30)));
    PhotoImport* import = m_app->mainFrame()->photoImport();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !import->isBusy(); }, 10000));
    EXPECT_EQ(import->entries().size(), 2u);
    EXPECT_EQ(project().itemCount(), 0);
}

TEST_F(ExternalDropsTest, ADroppedProjectOpensAndAnUnsavedCollageIsAskedAboutFirst)
{
    CollageProject saved;
    ASSERT_TRUE(saved.addPhoto(picture("p.png"), ViewPoint::atCollage(QPoint(10, 10))).isOk());
    ASSERT_TRUE(saved.addPhoto(picture("q.png"), ViewPoint::atCollage(QPoint(90, 90))).isOk());
    const QString path = m_root.filePath("trip.mcf");
    ASSERT_TRUE(ProjectFileWriter::save(saved, path).isOk());

    ASSERT_TRUE(project().addPhoto(picture("unsaved.png"), ViewPoint::atCollage(QPoint(5, 5))).isOk());
    m_prompter.answers.push_back(Prompter::Answer::No);
    ASSERT_TRUE(dropFiles(&canvas(), {path}, QPoint(100, 100)));
    ASSERT_FALSE(m_prompter.asked.isEmpty());
    EXPECT_EQ(m_prompter.asked[0].kind, test::ScriptedPrompter::Asked::Kind::Message) << "asked about the unsaved collage";
    EXPECT_EQ(project().itemCount(), 2);
}

TEST_F(ExternalDropsTest, PasteAddsAClipboardPictureKeptInTheDataFolder)
{
    QImage copied(64, 48, QImage::Format_RGB32);
    copied.fill(Qt::magenta);
    QApplication::clipboard()->setImage(copied);
    m_app->mainFrame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_app->mainFrame()));
    QTest::keyClick(m_app->mainFrame(), Qt::Key_V, Qt::ControlModifier);

    ASSERT_EQ(project().itemCount(), 1) << m_prompter.messages().join("; ").toStdString();
    const QString kept = project().item(0).asPhoto()->picturePath();
    EXPECT_TRUE(kept.startsWith(ExternalFiles::pastedPicturesFolder(DataFolder::path()))) << kept.toStdString();
    EXPECT_EQ(QImage(kept).pixelColor(10, 10), QColor(Qt::magenta));

    QApplication::clipboard()->clear();
    QTest::keyClick(m_app->mainFrame(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_prompter.messages().value(0), ExternalDrops::nothingToPasteMessage());
}

TEST_F(ExternalDropsTest, ALaterStartWithAProjectMakesThisWindowOpenIt)
{
    CollageProject saved;
    ASSERT_TRUE(saved.addPhoto(picture("r.png"), ViewPoint::atCollage(QPoint(10, 10))).isOk());
    const QString path = m_root.filePath("handed.mcf");
    ASSERT_TRUE(ProjectFileWriter::save(saved, path).isOk());

    SingleInstance later(m_identity);
    ASSERT_EQ(later.claim({path}), SingleInstance::Role::HandedOver);
    EXPECT_TRUE(QTest::qWaitFor([&] { return project().itemCount() == 1; }, 5000));
    EXPECT_EQ(project().item(0).asPhoto()->picturePath(), m_root.filePath("r.png"));
}
