// The import's progress window: shown for a run, Stop ends the run and keeps its photos.
#include "app/ui/import_progress_window.h"

#include "app/photo_import.h"
#include "controls/skin_button.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace montora;

TEST(ImportProgressWindow, ShowsTheRunCentredAndStopKeepsWhatWasAdded)
{
    QTemporaryDir pictures;
    QStringList picked;
    for (int i = 0; i < 40; ++i) {
        picked << pictures.filePath(QStringLiteral("photo%1.png").arg(i));
        QImage picture(90, 60, QImage::Format_RGB32);
        picture.fill(QColor(200, 40 + i * 4, 40));
        ASSERT_TRUE(picture.save(picked.last()));
    }
    QWidget owner;
    owner.resize(800, 600);
    std::vector<PhotoListEntry> entries;
    PhotoImport import(entries);
    ImportProgressWindow progress(&owner);
    progress.follow(&import);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    EXPECT_FALSE(progress.isVisible());

    ASSERT_TRUE(import.start(picked));
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.geometry().center(), owner.rect().center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress.acceptedCount() >= 3; }, 20000));
    EXPECT_FALSE(progress.currentFile().isEmpty());

    QTest::mouseClick(progress.stopButton(), Qt::LeftButton);
    EXPECT_FALSE(progress.isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !import.isBusy(); }, 20000));
    const size_t kept = entries.size();
    EXPECT_GE(kept, 3u);
    EXPECT_LT(kept, 40u);
    EXPECT_EQ(int(kept), progress.acceptedCount());

    // A run that ends by itself hides the window too.
    ASSERT_TRUE(import.start({picked.first()}));
    EXPECT_TRUE(progress.isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !import.isBusy(); }, 20000));
    EXPECT_FALSE(progress.isVisible());
}
