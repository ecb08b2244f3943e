// The library panel driven by real mouse, wheel and button events over library
// files written in a temporary folder.
#include "library/ui/library_panel.h"

#include "controls/skin_button.h"
#include "controls/skin_scroll_bar.h"
#include "library/library_file.h"
#include "library/library_file_encoder.h"
#include "library/library_files.h"
#include "library/library_panel_rules.h"
#include "library/mask_library.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

namespace montora {
namespace {

using Rules = LibraryPanelRules;
const QColor kSelectedFill(204, 224, 248);

QImage flatPicture(QSize size, QColor colour)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture;
}

class LibraryPanelTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString folder() const { return m_dir.path() + QLatin1Char('/'); }

    // A thumbnail library of `count` flat pictures (120 x 80, a different red each).
    void writeLibrary(const QString& name, int count)
    {
        std::vector<LibraryRecord> records;
        for (int i = 0; i < count; ++i)
            records.push_back(LibraryFileEncoder::thumbnailRecord(flatPicture(QSize(120, 80), QColor(20 + i, 90, 40))));
        QFile file(folder() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(LibraryFileEncoder::file(LibraryLayout::Thumbnail, records));
    }

    // A panel as the main window builds it, 600 x 123, shown.
    std::unique_ptr<LibraryPanel> makePanel(int panel, int mode, const QString& file = LibraryFiles::kClipart)
    {
        auto made = std::make_unique<LibraryPanel>(panel, mode);
        made->setFolder(folder());
        made->setPrompter(&m_prompter);
        made->resize(600, 123);
        made->load(file, false);
        made->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(made.get()));
        return made;
    }

    static QPoint centre(const LibraryPanel& panel, int k) { return panel.gridLayout().pictureBox(k).center(); }

    QTemporaryDir m_dir;
    test::ScriptedPrompter m_prompter;
};

TEST_F(LibraryPanelTest, MissingOrEmptyClipartLeavesThePanelEmptyAndApplyAsksForASelection)
{
    auto panel = makePanel(Rules::kClipartPanel, Rules::kModeAdd);
    EXPECT_EQ(panel->count(), 0);
    EXPECT_FALSE(panel->load(LibraryFiles::kClipart, false));
    ASSERT_NE(panel->applyButton(), nullptr);
    EXPECT_EQ(panel->applyButton()->caption(), QStringLiteral("Add"));
    EXPECT_EQ(panel->applyButton()->id(), 10014);
    EXPECT_EQ(panel->applyButton()->geometry(), QRect(2, 101, 76, 20));
    EXPECT_EQ(panel->importButton(), nullptr);

    QSignalSpy requests(panel.get(), &LibraryPanel::applyRequested);
    QTest::mouseClick(panel.get(), Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseClick(panel->applyButton(), Qt::LeftButton);
    EXPECT_EQ(requests.count(), 0);
    ASSERT_EQ(m_prompter.asked.size(), 1);
    EXPECT_EQ(m_prompter.asked[0].text, QStringLiteral("Please Select a object to operate."));
    EXPECT_EQ(m_prompter.asked[0].caption, QStringLiteral("Montora Studio"));
    EXPECT_EQ(m_prompter.asked[0].icon, Prompter::Icon::Information);

    writeLibrary(LibraryFiles::kClipart, 0);
    EXPECT_TRUE(panel->load(LibraryFiles::kClipart, false));
    EXPECT_EQ(panel->count(), 0);
    QTest::mouseClick(panel->applyButton(), Qt::LeftButton);
    EXPECT_EQ(m_prompter.asked.size(), 2);
    EXPECT_EQ(requests.count(), 0);
}

TEST_F(LibraryPanelTest, ClickSelectsOneEntryAndAClickBesideThePicturesLetsGo)
{
    writeLibrary(LibraryFiles::kClipart, 5);
    auto panel = makePanel(Rules::kClipartPanel, Rules::kModeAdd);
    ASSERT_EQ(panel->count(), 5);
    EXPECT_EQ(panel->selectedIndex(), -1);
    QSignalSpy changes(panel.get(), &LibraryPanel::selectionChanged);

    QTest::mouseClick(panel.get(), Qt::LeftButton, {}, centre(*panel, 3));
    EXPECT_EQ(panel->selectedIndex(), 3);
    QImage shot = panel->grab().toImage();
    const QRect box = panel->gridLayout().pictureBox(3);
    EXPECT_EQ(shot.pixelColor(box.left() + 3, box.top() + 3), kSelectedFill) << "the selected cell is highlighted";
    EXPECT_EQ(shot.pixelColor(centre(*panel, 3)), QColor(23, 90, 40)) << "its picture drawn over it";
    const QRect other = panel->gridLayout().pictureBox(1);
    EXPECT_NE(shot.pixelColor(other.left() + 3, other.top() + 3), kSelectedFill);

    QTest::mouseClick(panel.get(), Qt::LeftButton, {}, centre(*panel, 1));
    EXPECT_EQ(panel->selectedIndex(), 1) << "one selection at a time";

    // The button strip is not part of the pictures: the selection stays.
    QTest::mouseClick(panel.get(), Qt::LeftButton, {}, QPoint(300, 110));
    EXPECT_EQ(panel->selectedIndex(), 1);
    // Past the last picture, in the cell area.
    QTest::mouseClick(panel.get(), Qt::LeftButton, {}, centre(*panel, 7));
    EXPECT_EQ(panel->selectedIndex(), -1);
    ASSERT_EQ(changes.count(), 3);
    EXPECT_EQ(changes[2][0].toInt(), -1);

    // A reload that keeps the selection keeps it; one that does not clears it.
    QTest::mouseClick(panel.get(), Qt::LeftButton, {}, centre(*panel, 4));
    panel->load(LibraryFiles::kClipart, true);
    EXPECT_EQ(panel->selectedIndex(), 4);
    writeLibrary(LibraryFiles::kClipart, 2);
    panel->load(LibraryFiles::kClipart, true);
    EXPECT_EQ(panel->selectedIndex(), -1) << "an index the file no longer has is not kept";
}

TEST_F(LibraryPanelTest, ApplySendsTheRequestCodeOfThePanelNumber)
{
    writeLibrary(LibraryFiles::kClipart, 3);
    const std::pair<int, int> expected[] = {{0, 0}, {1, 2}, {2, 9}, {3, 3}, {4, 0}, {5, 1}};
    for (auto [panelNumber, code] : expected) {
        auto panel = makePanel(panelNumber, Rules::kModeApply);
        QSignalSpy requests(panel.get(), &LibraryPanel::applyRequested);
        QTest::mouseClick(panel.get(), Qt::LeftButton, {}, centre(*panel, 2));
        QTest::mouseClick(panel->applyButton(), Qt::LeftButton);
        ASSERT_EQ(requests.count(), 1) << "panel " << panelNumber;
        EXPECT_EQ(requests[0][0].toInt(), code) << "panel " << panelNumber;
        EXPECT_EQ(requests[0][1].toInt(), 2);
    }
    auto unknown = makePanel(6, Rules::kModeApply);
    QSignalSpy requests(unknown.get(), &LibraryPanel::applyRequested);
    QTest::mouseClick(unknown.get(), Qt::LeftButton, {}, centre(*unknown, 0));
    QTest::mouseClick(unknown->applyButton(), Qt::LeftButton);
    EXPECT_EQ(requests.count(), 0);
    EXPECT_TRUE(m_prompter.asked.isEmpty());
}

TEST_F(LibraryPanelTest, DragStartsOnlyPastTheThresholdAndCarriesTheDropKind)
{
    writeLibrary(LibraryFiles::kFrameThumbnails, 4);
    auto panel = makePanel(Rules::kFramePanel, Rules::kModeApply, LibraryFiles::kFrameThumbnails);
    QSignalSpy started(panel.get(), &LibraryPanel::dragStarted);
    QSignalSpy moved(panel.get(), &LibraryPanel::dragMoved);
    QSignalSpy ended(panel.get(), &LibraryPanel::dragEnded);
    const QPoint press = centre(*panel, 2);

    QTest::mousePress(panel.get(), Qt::LeftButton, {}, press);
    QTest::mouseMove(panel.get(), press + QPoint(2, 2));
    QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, press + QPoint(2, 2));
    EXPECT_EQ(started.count(), 0) << "a click that wobbles is no drag";
    EXPECT_EQ(ended.count(), 0);
    EXPECT_EQ(panel->selectedIndex(), 2);

    QTest::mousePress(panel.get(), Qt::LeftButton, {}, press);
    QTest::mouseMove(panel.get(), press + QPoint(20, 5));
    QTest::mouseMove(panel.get(), press + QPoint(200, 300));
    ASSERT_EQ(started.count(), 1);
    EXPECT_EQ(started[0][0].toInt(), Rules::kDropFrame);
    EXPECT_EQ(started[0][1].value<QList<int>>(), QList<int>{2});
    ASSERT_EQ(moved.count(), 2);
    EXPECT_EQ(moved[1][0].toPoint(), panel->mapToGlobal(press + QPoint(200, 300)));
    QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, press + QPoint(200, 300));
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended[0][0].toPoint(), panel->mapToGlobal(press + QPoint(200, 300)));

    // A press beside the pictures drags nothing.
    const QPoint beside = centre(*panel, 6);
    QTest::mousePress(panel.get(), Qt::LeftButton, {}, beside);
    QTest::mouseMove(panel.get(), beside + QPoint(0, 60));
    QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, beside + QPoint(0, 60));
    EXPECT_EQ(started.count(), 1);

    // The mask strip drops masks; a panel without a drop kind starts no drag.
    writeLibrary(LibraryFiles::kMaskThumbnails, 2);
    auto masks = makePanel(Rules::kMaskPanel, Rules::kModeMask, LibraryFiles::kMaskThumbnails);
    QSignalSpy maskDrag(masks.get(), &LibraryPanel::dragStarted);
    QTest::mousePress(masks.get(), Qt::LeftButton, {}, centre(*masks, 1));
    QTest::mouseMove(masks.get(), centre(*masks, 1) + QPoint(0, 40));
    QTest::mouseRelease(masks.get(), Qt::LeftButton, {}, centre(*masks, 1) + QPoint(0, 40));
    ASSERT_EQ(maskDrag.count(), 1);
    EXPECT_EQ(maskDrag[0][0].toInt(), Rules::kDropMask);
    auto noDrops = makePanel(2, Rules::kModeApply);
    writeLibrary(LibraryFiles::kClipart, 2);
    noDrops->load(LibraryFiles::kClipart, false);
    QSignalSpy none(noDrops.get(), &LibraryPanel::dragStarted);
    QTest::mousePress(noDrops.get(), Qt::LeftButton, {}, centre(*noDrops, 0));
    QTest::mouseMove(noDrops.get(), centre(*noDrops, 0) + QPoint(0, 40));
    QTest::mouseRelease(noDrops.get(), Qt::LeftButton, {}, centre(*noDrops, 0) + QPoint(0, 40));
    EXPECT_EQ(none.count(), 0);
}

TEST_F(LibraryPanelTest, WheelAndScrollBarScrollTheRows)
{
    writeLibrary(LibraryFiles::kClipart, 40); // 9 columns, 5 rows
    auto panel = makePanel(Rules::kClipartPanel, Rules::kModeAdd);
    const int range = panel->gridLayout().verticalRange();
    ASSERT_GT(range, 0);
    EXPECT_TRUE(panel->verticalBar()->isVisible());
    EXPECT_EQ(panel->verticalBar()->range(), range);

    QWheelEvent down(QPointF(30, 30), panel->mapToGlobal(QPointF(30, 30)), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(panel.get(), &down);
    EXPECT_EQ(panel->gridLayout().scroll(), 60);
    EXPECT_EQ(panel->verticalBar()->position(), 60);
    const int columns = panel->gridLayout().columns();
    QTest::mouseClick(panel.get(), Qt::LeftButton, {}, QPoint(panel->gridLayout().originX() + 2, 30));
    EXPECT_EQ(panel->selectedIndex(), columns) << "the click lands on the scrolled row";
    for (int i = 0; i < 10; ++i)
        QApplication::sendEvent(panel.get(), &down);
    EXPECT_EQ(panel->gridLayout().scroll(), range) << "clamped to the range";

    QWheelEvent up(QPointF(30, 30), panel->mapToGlobal(QPointF(30, 30)), QPoint(), QPoint(0, 120 * 20), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(panel.get(), &up);
    EXPECT_EQ(panel->gridLayout().scroll(), 0);
}

TEST_F(LibraryPanelTest, TruncatedLibraryListsTheRecordsBeforeTheDamage)
{
    writeLibrary(LibraryFiles::kClipart, 4);
    const qint64 record = 8 + 120 * 80 * 4;
    ASSERT_TRUE(QFile::resize(folder() + LibraryFiles::kClipart, 4 + 2 * record + 8 + 1000));
    auto panel = makePanel(Rules::kClipartPanel, Rules::kModeAdd);
    EXPECT_FALSE(panel->load(LibraryFiles::kClipart, false));
    EXPECT_EQ(panel->count(), 2);
    QTest::mouseClick(panel.get(), Qt::LeftButton, {}, centre(*panel, 2));
    EXPECT_EQ(panel->selectedIndex(), -1) << "nothing is listed after the damage";
    EXPECT_TRUE(m_prompter.asked.isEmpty()) << "damaged library files are not reported";
}

TEST_F(LibraryPanelTest, SelectStyleShowsThatFileAndMayKeepTheSelection)
{
    writeLibrary(QStringLiteral("chrome_p.cfg"), 3);
    writeLibrary(QStringLiteral("neon_p.cfg"), 6);
    auto panel = makePanel(Rules::kDecorationPanel, Rules::kModeNoButton);
    EXPECT_EQ(panel->applyButton(), nullptr);
    panel->selectStyle(1, false);
    EXPECT_EQ(panel->fileName(), QStringLiteral("chrome_p.cfg"));
    EXPECT_EQ(panel->count(), 3);
    QTest::mouseClick(panel.get(), Qt::LeftButton, {}, centre(*panel, 2));
    panel->selectStyle(6, true);
    EXPECT_EQ(panel->style(), 6);
    EXPECT_EQ(panel->count(), 6);
    EXPECT_EQ(panel->selectedIndex(), 2);
    panel->selectStyle(9, false);
    EXPECT_EQ(panel->style(), 6) << "an unknown style changes nothing";
    EXPECT_EQ(panel->fileName(), QStringLiteral("neon_p.cfg"));
    EXPECT_EQ(panel->selectedIndex(), 2);
    panel->selectStyle(0, false);
    EXPECT_EQ(panel->fileName(), QStringLiteral("clipart.cfg"));
    EXPECT_EQ(panel->selectedIndex(), -1);
}

// -- the mask panel's Import and Reset -----------------------------------------

class MaskPanelTest : public LibraryPanelTest {
protected:
    void SetUp() override
    {
        LibraryPanelTest::SetUp();
        ASSERT_TRUE(MaskLibrary(folder()).ensureBuiltInMasks().isOk());
        m_panel = makePanel(Rules::kMaskPanel, Rules::kModeMask, LibraryFiles::kMaskThumbnails);
        ASSERT_EQ(m_panel->count(), 28);
    }
    QString picture(const QString& name, QColor colour)
    {
        const QString path = folder() + name;
        EXPECT_TRUE(flatPicture(QSize(90, 70), colour).save(path, "PNG"));
        return path;
    }
    int recordsIn(const QString& name) const
    {
        return LibraryFile(folder() + name, *LibraryFiles::layoutOf(name)).count().value();
    }
    std::unique_ptr<LibraryPanel> m_panel;
};

TEST_F(MaskPanelTest, ImportAddsThePickedPictureAsACustomMask)
{
    ASSERT_NE(m_panel->importButton(), nullptr);
    EXPECT_EQ(m_panel->importButton()->id(), 10016);
    EXPECT_EQ(m_panel->resetButton()->id(), 10017);
    EXPECT_EQ(m_panel->importButton()->geometry().left(), m_panel->applyButton()->geometry().left() + 76);
    EXPECT_EQ(m_panel->resetButton()->geometry().left(), m_panel->applyButton()->geometry().left() + 152);
    QSignalSpy changed(m_panel.get(), &LibraryPanel::libraryChanged);

    m_prompter.openFileAnswers.push_back({picture(QStringLiteral("heart.png"), QColor(0, 0, 0))});
    QTest::mouseClick(m_panel->importButton(), Qt::LeftButton);
    ASSERT_EQ(m_prompter.asked.size(), 1);
    EXPECT_EQ(m_prompter.asked[0].kind, test::ScriptedPrompter::Asked::Kind::OpenFiles);
    EXPECT_EQ(m_prompter.asked[0].text, Rules::customMaskFilter());
    EXPECT_EQ(m_panel->count(), 29);
    EXPECT_EQ(m_panel->selectedIndex(), 28) << "the new mask is selected";
    EXPECT_EQ(recordsIn(LibraryFiles::kMasks), 29);
    EXPECT_EQ(recordsIn(LibraryFiles::kCustomMasks), 1);
    EXPECT_EQ(changed.count(), 1);

    // Cancelling the dialog changes nothing.
    QTest::mouseClick(m_panel->importButton(), Qt::LeftButton);
    EXPECT_EQ(m_panel->count(), 29);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(MaskPanelTest, AFileThatIsNoPictureIsReportedAndAddsNothing)
{
    const QString bogus = folder() + QStringLiteral("notes.png");
    QFile file(bogus);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture at all");
    file.close();
    m_prompter.openFileAnswers.push_back({bogus});
    QTest::mouseClick(m_panel->importButton(), Qt::LeftButton);
    ASSERT_EQ(m_prompter.messages().size(), 1);
    EXPECT_TRUE(m_prompter.messages()[0].startsWith(QStringLiteral("The picture could not be added as a mask.")));
    EXPECT_EQ(m_panel->count(), 28);
    EXPECT_EQ(recordsIn(LibraryFiles::kMasks), 28);
    EXPECT_FALSE(QFile::exists(folder() + LibraryFiles::kCustomMasks));
}

TEST_F(MaskPanelTest, ResetAsksAndOnlyOkPutsTheBuiltInMasksBack)
{
    m_prompter.openFileAnswers.push_back({picture(QStringLiteral("a.png"), QColor(10, 20, 30))});
    m_prompter.openFileAnswers.push_back({picture(QStringLiteral("b.png"), QColor(200, 20, 30))});
    m_panel->importCustomMask();
    m_panel->importCustomMask();
    ASSERT_EQ(m_panel->count(), 30);
    m_prompter.asked.clear();

    m_prompter.answers.push_back(Prompter::Answer::Cancel);
    QTest::mouseClick(m_panel->resetButton(), Qt::LeftButton);
    ASSERT_EQ(m_prompter.asked.size(), 1);
    EXPECT_EQ(m_prompter.asked[0].text, MaskLibrary::kResetQuestion);
    EXPECT_EQ(m_prompter.asked[0].caption, QStringLiteral("Montora Studio"));
    EXPECT_EQ(m_prompter.asked[0].buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(m_prompter.asked[0].icon, Prompter::Icon::Warning);
    EXPECT_EQ(m_panel->count(), 30);
    EXPECT_EQ(recordsIn(LibraryFiles::kMasks), 30);

    m_prompter.answers.push_back(Prompter::Answer::Ok);
    QTest::mouseClick(m_panel->resetButton(), Qt::LeftButton);
    EXPECT_EQ(m_panel->count(), 28);
    EXPECT_EQ(recordsIn(LibraryFiles::kMasks), 28);
    EXPECT_EQ(recordsIn(LibraryFiles::kMaskThumbnails), 28);
    EXPECT_EQ(recordsIn(LibraryFiles::kCustomMasks), 2) << "the copy follows at the next rebuild";
}

} // namespace
} // namespace montora
