#include "app/library_startup_files.h"
#include "app/photo_import.h"
#include "app/startup_library_files.h"
#include "app/ui/import_progress_window.h"
#include "app/stoppable_worker.h"
#include "app/ui/main_frame.h"
#include "app/ui/shell_menu.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"
#include "tools/ui/photo_library_panel.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <atomic>
#include <thread>

using namespace montora;

namespace {

// Shared log of what shutdown did, in order.
struct Journal {
    QStringList events;
};

class JournalLibraryFiles : public StartupLibraryFiles {
public:
    explicit JournalLibraryFiles(Journal& journal, Status saveResult = Status::ok())
        : m_journal(journal), m_saveResult(std::move(saveResult))
    {
    }
    Status installMaskPack(const QString&) override { return Status::ok(); }
    void loadPhotoList(const QString&) override {}
    Status savePhotoList(const QString& folder) override
    {
        m_journal.events << "save " + folder;
        return m_saveResult;
    }

private:
    Journal& m_journal;
    Status m_saveResult;
};

// A real thread that runs until asked to stop.
class ThreadWorker : public StoppableWorker {
public:
    explicit ThreadWorker(Journal& journal) : m_journal(journal)
    {
        m_thread = std::thread([this] {
            while (!m_stop)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        });
    }
    ~ThreadWorker() override
    {
        if (m_thread.joinable()) {
            m_stop = true;
            m_thread.join();
        }
    }
    bool isRunning() const override { return m_thread.joinable(); }
    void requestStop() override
    {
        m_journal.events << "stop";
        m_stop = true;
    }
    void join() override
    {
        m_thread.join();
        m_journal.events << "joined";
    }

private:
    Journal& m_journal;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace

TEST(MainFrame, IsOneFramelessWindowSizedToTheAvailableScreen)
{
    Journal journal;
    test::ScriptedPrompter prompter;
    MainFrame frame(std::make_unique<JournalLibraryFiles>(journal), prompter);
    frame.initialiseWindow();

    EXPECT_TRUE(frame.isWindow());
    EXPECT_TRUE(frame.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(frame.windowTitle(), "Montora Studio");
    EXPECT_FALSE(frame.windowIcon().isNull());
    EXPECT_FALSE(frame.windowIcon().pixmap(32, 32).isNull());
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(frame.geometry(), QRect(available.x(), available.y(), available.width(), available.height() - 10));
}

TEST(MainFrame, AltShortcutsReachTheWindowWhateverHasTheFocus)
{
    Journal journal;
    test::ScriptedPrompter prompter;
    MainFrame frame(std::make_unique<JournalLibraryFiles>(journal), prompter);
    frame.initialiseWindow();
    auto* layout = new QVBoxLayout(&frame);
    auto* field = new QLineEdit(&frame);
    layout->addWidget(field);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    field->setFocus();
    ASSERT_TRUE(field->hasFocus());

    QSignalSpy commands(&frame, &MainFrame::commandRequested);
    // Each shortcut opens its menu; it is closed again before the next key.
    const auto closeMenu = [&] {
        ASSERT_NE(frame.openMenu(), nullptr);
        frame.openMenu()->close();
        field->setFocus();
    };
    QTest::keyClick(field, Qt::Key_F, Qt::AltModifier);
    closeMenu();
    QTest::keyClick(field, Qt::Key_E, Qt::AltModifier);
    closeMenu();
    QTest::keyClick(&frame, Qt::Key_N, Qt::AltModifier);
    closeMenu();
    QTest::keyClick(field, Qt::Key_H, Qt::AltModifier);
    closeMenu();
    QTest::keyClick(field, Qt::Key_F);

    ASSERT_EQ(commands.size(), 4);
    EXPECT_EQ(commands[0][0].value<CommandId>(), CommandId::OpenFileMenu);
    EXPECT_EQ(commands[1][0].value<CommandId>(), CommandId::OpenEditMenu);
    EXPECT_EQ(commands[2][0].value<CommandId>(), CommandId::OpenPanelMenu);
    EXPECT_EQ(commands[3][0].value<CommandId>(), CommandId::OpenHelpMenu);
    EXPECT_EQ(int(CommandId::OpenHelpMenu), 11011);
    EXPECT_EQ(field->text(), "f") << "the shortcuts typed nothing; a plain key still types";
}

TEST(MainFrame, BringForwardRestoresAMinimisedWindow)
{
    Journal journal;
    test::ScriptedPrompter prompter;
    MainFrame frame(std::make_unique<JournalLibraryFiles>(journal), prompter);
    frame.initialiseWindow();
    frame.showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(frame.windowState() & Qt::WindowMinimized); }, 2000));

    frame.bringForward();
    EXPECT_FALSE(frame.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
}

TEST(MainFrame, ClosingStopsAndJoinsTheImportThenSavesThePhotoList)
{
    Journal journal;
    test::ScriptedPrompter prompter;
    auto frame = std::make_unique<MainFrame>(std::make_unique<JournalLibraryFiles>(journal), prompter);
    frame->initialiseWindow();
    frame->setPhotoListFolder("/data/");
    frame->setImportWorker(std::make_unique<ThreadWorker>(journal));
    frame->show();

    EXPECT_TRUE(frame->close());
    frame.reset();
    EXPECT_EQ(journal.events, QStringList({"stop", "joined", "save /data/"}));
    EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST(MainFrame, PhotoListThatCannotBeSavedIsSaid)
{
    Journal journal;
    test::ScriptedPrompter prompter;
    MainFrame frame(std::make_unique<JournalLibraryFiles>(journal, Status::error("The disk is full.")), prompter);
    frame.initialiseWindow();
    frame.setPhotoListFolder("/data/");
    frame.show();
    frame.close();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains("The disk is full.")) << prompter.messages()[0].toStdString();
}

TEST(MainFrame, DestroyingWithoutCloseStillStopsTheImport)
{
    Journal journal;
    test::ScriptedPrompter prompter;
    {
        MainFrame frame(std::make_unique<JournalLibraryFiles>(journal), prompter);
        frame.setImportWorker(std::make_unique<ThreadWorker>(journal));
    }
    EXPECT_EQ(journal.events, QStringList({"stop", "joined"}));
}

TEST(MainFrame, ClosingDuringAPhotoImportSavesTheEntriesThatArrived)
{
    QTemporaryDir data;
    QTemporaryDir pictures;
    QStringList picked;
    for (int i = 0; i < 30; ++i) {
        picked << pictures.filePath(QStringLiteral("p%1.png").arg(i));
        QImage picture(60, 40, QImage::Format_RGB32);
        picture.fill(QColor(20 * (i % 10), 90, 160));
        ASSERT_TRUE(picture.save(picked.last()));
    }
    test::ScriptedPrompter prompter;
    prompter.openFileAnswers.push_back(picked);
    auto files = std::make_unique<LibraryStartupFiles>();
    const std::vector<PhotoListEntry>& entries = files->photoList().entries();
    MainFrame frame(std::move(files), prompter);
    frame.setPhotoListFolder(data.path());
    frame.show();
    ASSERT_NE(frame.photoImport(), nullptr);
    ASSERT_TRUE(frame.photoImport()->importPhotos(prompter));
    EXPECT_TRUE(frame.importProgressWindow()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return entries.size() >= 2; }, 20000));

    EXPECT_TRUE(frame.close());
    EXPECT_EQ(frame.photoImport(), nullptr);
    const size_t kept = entries.size();
    EXPECT_LT(kept, 30u);
    // The worker is joined, so a hand-over it gave up on is already posted: deliver
    // everything posted and check that none of it adds an entry late.
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(entries.size(), kept);
    PhotoList saved;
    ASSERT_TRUE(saved.load(data.path()).isOk());
    EXPECT_EQ(saved.entries().size(), kept);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST(MainFrame, AnImportThatLeftFilesOutSaysWhichAndWhyOnceAtItsEnd)
{
    QTemporaryDir data;
    QTemporaryDir pictures;
    const auto file = [&](const QString& name, const QByteArray& bytes) {
        EXPECT_TRUE(test::writeFileBytes(pictures.filePath(name), bytes));
        return pictures.filePath(name);
    };
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(test::seededImage(320, 240, 7).save(&buffer, "JPEG", 90));
    QByteArray png;
    QBuffer pngBuffer(&png);
    pngBuffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(test::quadrantImage(40, 30).save(&pngBuffer, "PNG"));
    const QStringList picked{file("whole.png", png), file("notes.jpg", "shopping list\n"),
                             file("cut.jpg", jpeg.left(jpeg.size() / 2)), file("wide.png", test::forgedPng(25000, 800)),
                             file("huge.png", test::forgedPng(30000, 30000))};

    test::ScriptedPrompter prompter;
    prompter.openFileAnswers.push_back(picked);
    auto files = std::make_unique<LibraryStartupFiles>();
    const std::vector<PhotoListEntry>& entries = files->photoList().entries();
    MainFrame frame(std::move(files), prompter);
    frame.setPhotoListFolder(data.path());
    frame.show();
    ASSERT_TRUE(frame.photoImport()->importPhotos(prompter));
    // The run's end, its entries and its summary come in one call on this thread.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frame.photoImport()->isBusy(); }, 20000));

    ASSERT_EQ(entries.size(), 2u);
    EXPECT_FALSE(entries[0].partial);
    EXPECT_TRUE(entries[1].partial) << "the cut JPEG comes in with a grey lower half";
    EXPECT_FALSE(frame.photoLibraryPanel()->showsPartialMark(0));
    EXPECT_TRUE(frame.photoLibraryPanel()->showsPartialMark(1));
    ASSERT_EQ(prompter.messages().size(), 1) << prompter.messages().join("\n---\n").toStdString();
    const QString summary = prompter.messages()[0];
    EXPECT_TRUE(summary.startsWith("2 of 5 files were added")) << summary.toStdString();
    for (const char* name : {"notes.jpg: ", "wide.png: The picture is too large", "huge.png: The picture is too large"})
        EXPECT_TRUE(summary.contains(name)) << name << "\n" << summary.toStdString();
    EXPECT_FALSE(summary.contains("whole.png"));
    EXPECT_TRUE(summary.contains("cut short") && summary.contains("\ncut.jpg"));
    EXPECT_FALSE(summary.contains(pictures.path())) << "names, not full paths";
    frame.close();
}
