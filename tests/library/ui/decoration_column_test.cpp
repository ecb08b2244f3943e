// The decoration column: effect kinds switch the strip and the tint, "Add to
// Canvas" and drags report decoration ids, the colour control reports picks.
#include "library/ui/decoration_column.h"

#include "controls/c_fac_colour_picker.h"
#include "controls/c_fac_colour_popup.h"
#include "controls/skin_button.h"
#include "library/effect_kinds.h"
#include "library/library_file_encoder.h"
#include "library/library_files.h"
#include "library/ui/effect_kind_selector.h"
#include "library/ui/library_panel.h"
#include "library/ui/tint_colour_control.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace montora {
namespace {

class DecorationColumnTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // Style s holds s + 1 pictures, so each file is told apart by its count.
        for (int style = 1; style <= 6; ++style) {
            std::vector<LibraryRecord> records;
            for (int i = 0; i <= style; ++i) {
                QImage picture(50, 50, QImage::Format_ARGB32);
                picture.fill(QColor(40 * style, 10 * i, 100));
                records.push_back(LibraryFileEncoder::thumbnailRecord(picture));
            }
            QFile file(m_dir.path() + '/' + *LibraryFiles::styleFile(style));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(LibraryFileEncoder::file(LibraryLayout::Thumbnail, records));
        }
        m_column.setPrompter(&m_prompter);
        m_column.setFolder(m_dir.path());
        m_column.resize(132, 560); // a 900-pixel-high main window
        m_column.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_column));
    }
    void TearDown() override
    {
        if (CFacColourPopup* popup = m_column.colourControl()->picker()->popup())
            popup->cancel();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void clickKind(int kind)
    {
        EffectKindSelector* selector = m_column.selector();
        QTest::mouseClick(selector, Qt::LeftButton, {}, selector->tileRect(kind).center());
    }
    void clickEntry(int k)
    {
        LibraryPanel* strip = m_column.strip();
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->gridLayout().pictureBox(k).center());
    }

    QTemporaryDir m_dir;
    test::ScriptedPrompter m_prompter;
    DecorationColumn m_column;
};

TEST_F(DecorationColumnTest, PartsSitWhereTheMainWindowsColumnHasThem)
{
    EXPECT_EQ(m_column.strip()->geometry(), QRect(0, 0, 132, 560 - 221));
    EXPECT_EQ(m_column.addButton()->geometry(), QRect(5, 560 - 216, 122, 20));
    EXPECT_EQ(m_column.selector()->geometry(), QRect(0, 560 - 191, 132, 90));
    EXPECT_EQ(m_column.colourControl()->geometry(), QRect(0, 560 - 100, 132, 100));
    EXPECT_EQ(m_column.addButton()->id(), 10015);
    EXPECT_EQ(m_column.addButton()->caption(), QStringLiteral("Add to Canvas"));
    EXPECT_EQ(m_column.addButton()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(m_column.strip()->panelNumber(), 5);
    EXPECT_EQ(m_column.strip()->applyButton(), nullptr);
    // It starts on kind 0: the first style in grey.
    EXPECT_EQ(m_column.kind(), 0);
    EXPECT_EQ(m_column.style(), 1);
    EXPECT_EQ(m_column.strip()->count(), 2);
    EXPECT_EQ(m_column.tint(), 0x7F7F7Fu);
}

TEST_F(DecorationColumnTest, EachKindShowsTheNextStyleAndSetsItsColour)
{
    QSignalSpy kinds(&m_column, &DecorationColumn::effectKindChosen);
    QSignalSpy tints(&m_column, &DecorationColumn::tintChanged);
    const ColorRef colours[] = {0x7F7F7F, 0x3C78C8, 0x00B4E0, 0x7F7F7F, 0x0096FF, 0xC8C800};
    for (int kind : {4, 1, 5, 0, 3, 2}) {
        clickKind(kind);
        EXPECT_EQ(m_column.kind(), kind);
        EXPECT_EQ(m_column.style(), kind + 1);
        EXPECT_EQ(m_column.strip()->fileName(), *LibraryFiles::styleFile(kind + 1));
        EXPECT_EQ(m_column.strip()->count(), kind + 2);
        EXPECT_EQ(m_column.tint(), colours[kind]);
        EXPECT_EQ(m_column.colourControl()->picker()->colour(), colours[kind]);
        ASSERT_FALSE(kinds.isEmpty());
        EXPECT_EQ(kinds.last()[0].toInt(), kind);
        EXPECT_EQ(tints.last()[0].value<ColorRef>(), colours[kind]);
    }
    EXPECT_EQ(kinds.count(), 6);
    // The swatch shows the colour, red first: 0x0096FF is orange.
    clickKind(4);
    const TintColourControl* control = m_column.colourControl();
    const QImage shot = const_cast<TintColourControl*>(control)->grab().toImage();
    EXPECT_EQ(shot.pixelColor(control->swatchRect().topLeft() + QPoint(3, 3)), QColor(0xFF, 0x96, 0x00));
    // A click beside the tiles chooses nothing.
    clickKind(2);
    QTest::mouseClick(m_column.selector(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(m_column.kind(), 2);
}

TEST_F(DecorationColumnTest, AddToCanvasSendsTheSelectedDecorationsId)
{
    QSignalSpy adds(&m_column, &DecorationColumn::addDecorationRequested);
    QTest::mouseClick(m_column.addButton(), Qt::LeftButton);
    EXPECT_EQ(adds.count(), 0);
    EXPECT_EQ(m_prompter.messages(), QStringList{QStringLiteral("Please Select a object to operate.")});

    clickKind(2); // style 3, "emboss_p.cfg"
    clickEntry(3);
    QTest::mouseClick(m_column.addButton(), Qt::LeftButton);
    ASSERT_EQ(adds.count(), 1);
    EXPECT_EQ(adds[0][0].toInt(), 3003);

    clickKind(5); // another kind lists another file: the selection goes
    EXPECT_EQ(m_column.strip()->selectedIndex(), -1);
    clickEntry(4);
    QTest::mouseClick(m_column.addButton(), Qt::LeftButton);
    ASSERT_EQ(adds.count(), 2);
    EXPECT_EQ(adds[1][0].toInt(), 6004);
    // The last entry lies below the strip's view: selecting it scrolls it in.
    m_column.strip()->setSelectedIndex(6);
    EXPECT_GT(m_column.strip()->gridLayout().scroll(), 0);
    QTest::mouseClick(m_column.addButton(), Qt::LeftButton);
    ASSERT_EQ(adds.count(), 3);
    EXPECT_EQ(adds[2][0].toInt(), 6006);
}

TEST_F(DecorationColumnTest, DragFromTheStripIsADecorationDrop)
{
    QSignalSpy started(&m_column, &DecorationColumn::dragStarted);
    QSignalSpy ended(&m_column, &DecorationColumn::dragEnded);
    LibraryPanel* strip = m_column.strip();
    const QPoint press = strip->gridLayout().pictureBox(1).center();
    QTest::mousePress(strip, Qt::LeftButton, {}, press);
    QTest::mouseMove(strip, press - QPoint(60, 0));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, press - QPoint(60, 0));
    ASSERT_EQ(started.count(), 1);
    EXPECT_EQ(started[0][0].toInt(), 4);
    EXPECT_EQ(started[0][1].value<QList<int>>(), QList<int>{1});
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(DecorationColumnTest, PickingAColourInThePaletteSetsTheTint)
{
    QSignalSpy chosen(&m_column, &DecorationColumn::colourChosen);
    QSignalSpy tints(&m_column, &DecorationColumn::tintChanged);
    TintColourControl* control = m_column.colourControl();
    QTest::mouseClick(control, Qt::LeftButton, {}, control->swatchRect().center());
    CFacColourPopup* popup = control->picker()->popup();
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(popup->isVisible());
    const QPoint entry = popup->layout().boxRect(13).center();
    QTest::mousePress(popup, Qt::LeftButton, {}, entry);
    QTest::mouseMove(popup, entry);
    QTest::mouseRelease(popup, Qt::LeftButton, {}, entry);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].value<ColorRef>(), ColourTable::colour(13));
    EXPECT_EQ(tints.last()[0].value<ColorRef>(), ColourTable::colour(13));
    EXPECT_EQ(m_column.tint(), ColourTable::colour(13));

    // Choosing a kind again puts the kind's own colour back.
    clickKind(0);
    EXPECT_EQ(m_column.tint(), 0x7F7F7Fu);
}

} // namespace
} // namespace montora
