// The photo library panel driven by real mouse, key and wheel events.
#include "tools/ui/photo_library_panel.h"

#include "controls/skin_button.h"
#include "controls/skin_scroll_bar.h"
#include "imaging/picture_buffers.h"
#include "tools/photo_name_text.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

namespace montora {
namespace {

const QColor kBackground(240, 240, 240);

class PhotoLibraryPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_panel.resize(154, 300);
        m_panel.setEntries(&m_entries);
        m_panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_panel));
    }

    // A shown window's new size, and its relayout, come back from the window system.
    void resizePanel(int width, int height)
    {
        m_panel.resize(width, height);
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_panel.size() == QSize(width, height); }));
    }

    // A photo of one flat colour, on disk, with its real thumbnail.
    void addPhoto(const QString& name, QSize size = QSize(400, 300), QColor colour = QColor(0, 160, 0))
    {
        const QString path = m_dir.filePath(name);
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(path, "PNG"));
        PhotoListEntry entry{PhotoListRecord::forPath(path).value(), PictureBuffers::photoThumbnail(path).value()};
        entry.record.width = size.width();
        entry.record.height = size.height();
        entry.record.position = int(m_entries.size());
        m_entries.push_back(entry);
        m_panel.entriesChanged();
    }
    void addPhotos(int count)
    {
        for (int i = 0; i < count; ++i)
            addPhoto(QStringLiteral("photo%1.png").arg(i));
    }
    QPoint cellCentre(int k) const { return m_panel.gridLayout().pictureBox(k).center(); }
    void click(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(&m_panel, Qt::LeftButton, modifiers, cellCentre(k));
    }
    QList<int> selected() const { return m_panel.selection().selectedIds(); }
    static QList<int> lastList(const QSignalSpy& spy) { return spy.last().at(0).value<QList<int>>(); }

    QTemporaryDir m_dir;
    std::vector<PhotoListEntry> m_entries;
    PhotoLibraryPanel m_panel;
};

bool near(QColor a, QColor b, int tolerance = 24)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

TEST_F(PhotoLibraryPanelTest, EmptyLibraryShowsTheBackgroundAndButtonAndClickSendsAnEmptyList)
{
    QSignalSpy lists(&m_panel, &PhotoLibraryPanel::photoSelectionList);
    QSignalSpy changes(&m_panel, &PhotoLibraryPanel::photoSelectionChanged);
    const QImage shot = m_panel.grab().toImage();
    EXPECT_EQ(shot.pixelColor(30, 30), kBackground);
    EXPECT_EQ(shot.pixelColor(100, 200), kBackground);
    EXPECT_FALSE(m_panel.verticalBar()->isVisible());
    EXPECT_TRUE(m_panel.addToCanvasButton()->isVisible());
    EXPECT_EQ(m_panel.addToCanvasButton()->geometry(), QRect(0, 274, 154, 25));

    QTest::mouseClick(&m_panel, Qt::LeftButton, {}, QPoint(40, 40));
    ASSERT_EQ(lists.count(), 1);
    EXPECT_TRUE(lastList(lists).isEmpty());
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(m_panel.anchor(), -1);
}

TEST_F(PhotoLibraryPanelTest, ClicksSelectAndTellTheParent)
{
    addPhotos(5);
    QSignalSpy lists(&m_panel, &PhotoLibraryPanel::photoSelectionList);
    QSignalSpy changes(&m_panel, &PhotoLibraryPanel::photoSelectionChanged);
    click(1);
    EXPECT_EQ(lastList(lists), QList<int>({1}));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(m_panel.anchor(), 1);
    click(3, Qt::ControlModifier);
    EXPECT_EQ(lastList(lists), QList<int>({1, 3}));
    // A click that changes nothing sends nothing.
    click(3, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(lists.count(), 2);
    // A click beside the cells clears everything.
    QTest::mouseClick(&m_panel, Qt::LeftButton, {}, QPoint(66, 5));
    EXPECT_TRUE(lastList(lists).isEmpty());
    EXPECT_EQ(m_panel.anchor(), -1);
}

TEST_F(PhotoLibraryPanelTest, ShiftClickFromTheFirstEntrySelectsTheRange)
{
    addPhotos(6);
    QSignalSpy lists(&m_panel, &PhotoLibraryPanel::photoSelectionList);
    click(0);
    click(4, Qt::ShiftModifier);
    EXPECT_EQ(lastList(lists), QList<int>({0, 1, 2, 3, 4}));
    EXPECT_EQ(m_panel.anchor(), 0);
}

TEST_F(PhotoLibraryPanelTest, SelectedPhotosGetTheGreyAndWhiteFrame)
{
    addPhoto("a.png");
    click(0);
    const QRect fitted = m_panel.fittedRect(0);
    const QImage shot = m_panel.grab().toImage();
    const int y = fitted.center().y();
    EXPECT_EQ(shot.pixelColor(fitted.left(), y), QColor(100, 100, 100));
    EXPECT_EQ(shot.pixelColor(fitted.left() + 1, y), QColor(100, 100, 100));
    EXPECT_EQ(shot.pixelColor(fitted.left() + 2, y), QColor(Qt::white));
    EXPECT_TRUE(near(shot.pixelColor(fitted.left() + 3, y), QColor(0, 160, 0)));
}

TEST_F(PhotoLibraryPanelTest, NamesAreCutToWhatFitsTheStrip)
{
    addPhoto("a.b");
    addPhoto("IMG_20240101_123456.png");
    addPhoto("x.png");
    const QFontMetrics metrics(m_panel.font());
    const int strip = m_panel.gridLayout().nameStrip(0).width();
    EXPECT_EQ(m_panel.shownName(0), "a.b");
    EXPECT_EQ(m_panel.shownName(2), "x.png");
    // As many letters as the strip holds: one more would not fit beside the dots.
    const QString cut = m_panel.shownName(1);
    ASSERT_TRUE(cut.endsWith("..."));
    const QString kept = cut.chopped(3);
    EXPECT_TRUE(QString("IMG_20240101_123456.png").startsWith(kept));
    EXPECT_LE(metrics.horizontalAdvance(cut), strip);
    EXPECT_GT(metrics.horizontalAdvance(QString("IMG_20240101_123456.png").left(kept.size() + 1) + "..."), strip);
    EXPECT_GT(kept.size(), PhotoNameText::fit(strip, metrics.horizontalAdvance('T')) - 4);

    // A font so large that not even one letter fits beside the dots.
    QFont huge = m_panel.font();
    huge.setPixelSize(40);
    m_panel.setFont(huge);
    EXPECT_EQ(m_panel.shownName(2), "...");
}

TEST_F(PhotoLibraryPanelTest, DeletedFileKeepsItsThumbnailUnderTheMissingFileIcon)
{
    addPhoto("kept.png");
    addPhoto("deleted.png");
    ASSERT_TRUE(QFile::remove(m_dir.filePath("deleted.png")));
    EXPECT_FALSE(m_panel.showsMissingIcon(0));
    EXPECT_TRUE(m_panel.showsMissingIcon(1));
    m_panel.update();
    const QImage shot = m_panel.grab().toImage();
    for (int k : {0, 1}) {
        const QRect fitted = m_panel.fittedRect(k);
        // Still the photo near its corner, outside the icon.
        EXPECT_TRUE(near(shot.pixelColor(fitted.left() + 2, fitted.top() + 2), QColor(0, 160, 0))) << k;
        // Inside the icon's round badge, left of its picture: the badge's white.
        const QPoint badge(fitted.left() + (fitted.width() - 32) / 2 + 6, fitted.top() + (fitted.height() - 32) / 2 + 16);
        EXPECT_EQ(near(shot.pixelColor(badge), QColor(Qt::white), 40), k == 1) << k;
    }
}

TEST_F(PhotoLibraryPanelTest, PanelNarrowerThanEightyFivePixelsShowsNoThumbnails)
{
    addPhotos(3);
    resizePanel(84, 300);
    EXPECT_EQ(m_panel.gridLayout().columns(), 0);
    const QImage shot = m_panel.grab().toImage();
    for (int y = 0; y < 270; y += 3)
        for (int x = 0; x < 84 - 17; x += 3)
            ASSERT_EQ(shot.pixelColor(x, y), kBackground) << x << "," << y;
    QSignalSpy lists(&m_panel, &PhotoLibraryPanel::photoSelectionList);
    QTest::mouseClick(&m_panel, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_TRUE(lastList(lists).isEmpty());

    resizePanel(85, 300);
    EXPECT_EQ(m_panel.gridLayout().columns(), 1);
    EXPECT_TRUE(near(m_panel.grab().toImage().pixelColor(m_panel.fittedRect(0).center()), QColor(0, 160, 0)));
}

TEST_F(PhotoLibraryPanelTest, DragStartsOnlyAfterMoreThanTwentyFivePixels)
{
    addPhotos(2);
    QSignalSpy started(&m_panel, &PhotoLibraryPanel::photoDragStarted);
    QSignalSpy ended(&m_panel, &PhotoLibraryPanel::photoDragEnded);
    const QPoint press = cellCentre(0);
    QTest::mousePress(&m_panel, Qt::LeftButton, {}, press);
    QTest::mouseMove(&m_panel, press + QPoint(20, 5));
    EXPECT_EQ(started.count(), 0);
    EXPECT_FALSE(m_panel.dragStarted());
    QTest::mouseMove(&m_panel, press + QPoint(20, 6));
    EXPECT_EQ(started.count(), 1);
    EXPECT_TRUE(m_panel.dragStarted());
    QTest::mouseRelease(&m_panel, Qt::LeftButton, {}, press + QPoint(200, 6));
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended[0][0].toPoint(), m_panel.mapToGlobal(press + QPoint(200, 6)));
    EXPECT_FALSE(m_panel.dragStarted());
    // A press beside the thumbnails never drags.
    QTest::mousePress(&m_panel, Qt::LeftButton, {}, QPoint(66, 5));
    QTest::mouseMove(&m_panel, QPoint(120, 80));
    QTest::mouseRelease(&m_panel, Qt::LeftButton, {}, QPoint(120, 80));
    EXPECT_EQ(started.count(), 1);
}

TEST_F(PhotoLibraryPanelTest, RubberBandSelectsWhatItCoversAndScrollsAtTheEdge)
{
    addPhotos(12); // 6 rows of 2: 441 pixels, more than the 300 of the panel
    QSignalSpy lists(&m_panel, &PhotoLibraryPanel::photoSelectionList);
    QTest::mousePress(&m_panel, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(m_panel.isBanding());
    QTest::mouseMove(&m_panel, QPoint(135, 130)); // covers rows 0 and 1
    EXPECT_EQ(lastList(lists), QList<int>({0, 1, 2, 3}));
    EXPECT_EQ(m_panel.anchor(), 3);
    QTest::mouseMove(&m_panel, QPoint(66, 130)); // only the first column
    EXPECT_EQ(lastList(lists), QList<int>({0, 2}));
    // Below the panel: one row down per move; the band still starts at the top.
    QTest::mouseMove(&m_panel, QPoint(135, 320));
    EXPECT_EQ(m_panel.gridLayout().scroll(), 68);
    EXPECT_EQ(lastList(lists), QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    QTest::mouseMove(&m_panel, QPoint(135, 330));
    EXPECT_EQ(m_panel.gridLayout().scroll(), 136);
    EXPECT_EQ(m_panel.verticalBar()->position(), 136);
    EXPECT_EQ(lastList(lists).size(), 12);
    QTest::mouseRelease(&m_panel, Qt::LeftButton, {}, QPoint(135, 330));
    EXPECT_FALSE(m_panel.isBanding());
    EXPECT_EQ(selected().size(), 12);
}

TEST_F(PhotoLibraryPanelTest, ArrowKeysAndCtrlAMoveAndExtendTheSelection)
{
    addPhotos(12);
    QSignalSpy lists(&m_panel, &PhotoLibraryPanel::photoSelectionList);
    QSignalSpy changes(&m_panel, &PhotoLibraryPanel::photoSelectionChanged);
    QTest::keyClick(&m_panel, Qt::Key_Down); // no anchor: the first photo
    EXPECT_EQ(lastList(lists), QList<int>({0}));
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(&m_panel, Qt::Key_Down);
    QTest::keyClick(&m_panel, Qt::Key_Right);
    EXPECT_EQ(lastList(lists), QList<int>({11}));
    EXPECT_EQ(changes.count(), 7);
    // The last row is scrolled into view.
    const QRect box = m_panel.gridLayout().pictureBox(11);
    EXPECT_GE(box.top(), 0);
    EXPECT_LE(box.bottom(), 300 - 26);
    QTest::keyClick(&m_panel, Qt::Key_Right); // no cell there: nothing moves, still sent
    EXPECT_EQ(lastList(lists), QList<int>({11}));
    EXPECT_EQ(changes.count(), 8);
    QTest::keyClick(&m_panel, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(lastList(lists).size(), 12);
    EXPECT_EQ(changes.count(), 8);
    EXPECT_EQ(m_panel.anchor(), 11);
}

TEST_F(PhotoLibraryPanelTest, WheelAndScrollBarMoveTheView)
{
    addPhotos(12);
    ASSERT_TRUE(m_panel.verticalBar()->isVisible());
    const int range = 6 * 68 - 300 + 33;
    EXPECT_EQ(m_panel.verticalBar()->range(), range);
    const QPoint at(60, 60);
    QWheelEvent down(at, m_panel.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(&m_panel, &down);
    EXPECT_EQ(m_panel.gridLayout().scroll(), 120);
    QApplication::sendEvent(&m_panel, &down);
    EXPECT_EQ(m_panel.gridLayout().scroll(), range);
    // The bar's up arrow: one row.
    QTest::mouseClick(m_panel.verticalBar(), Qt::LeftButton, {}, QPoint(8, 5));
    EXPECT_EQ(m_panel.gridLayout().scroll(), range - 68);
    EXPECT_EQ(m_panel.verticalBar()->position(), range - 68);
    // Growing the panel until all fits hides the bar and scrolls back to the top.
    resizePanel(154, 500);
    EXPECT_FALSE(m_panel.verticalBar()->isVisible());
    EXPECT_EQ(m_panel.gridLayout().scroll(), 0);
}

TEST_F(PhotoLibraryPanelTest, DoubleClickButtonAndRightButtonTellTheMainWindow)
{
    addPhotos(4);
    QSignalSpy adds(&m_panel, &PhotoLibraryPanel::photoAddToCanvas);
    QSignalSpy menus(&m_panel, &PhotoLibraryPanel::canvasContextMenu);
    QTest::mouseDClick(&m_panel, Qt::LeftButton, {}, cellCentre(2));
    EXPECT_EQ(adds.count(), 1);
    QTest::mouseClick(m_panel.addToCanvasButton(), Qt::LeftButton);
    EXPECT_EQ(adds.count(), 2);

    click(0);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, cellCentre(3), m_panel.mapToGlobal(cellCentre(3)),
                           Qt::ShiftModifier);
    QApplication::sendEvent(&m_panel, &menu);
    ASSERT_EQ(menus.count(), 1);
    EXPECT_EQ(menus[0][0].toInt(), 1);
    EXPECT_EQ(selected(), QList<int>({0, 1, 2, 3})); // selected as a shift-click would
}

TEST_F(PhotoLibraryPanelTest, RemoveSelectedHidesThemAndReportsTheEmptySelection)
{
    addPhotos(4);
    QSignalSpy lists(&m_panel, &PhotoLibraryPanel::photoSelectionList);
    EXPECT_FALSE(m_panel.removeSelected());
    click(1);
    click(2, Qt::ControlModifier);
    EXPECT_TRUE(m_panel.removeSelected());
    EXPECT_EQ(m_panel.selection().visibleCount(), 2);
    EXPECT_EQ(m_entries[1].record.removed, 1);
    EXPECT_EQ(m_entries[2].record.removed, 1);
    EXPECT_TRUE(lastList(lists).isEmpty());
    EXPECT_EQ(m_panel.anchor(), -1);
    // Cell 1 is now the fourth photo.
    click(1);
    EXPECT_EQ(lastList(lists), QList<int>({3}));
}

} // namespace
} // namespace montora
