#include "controls/c_fac_colour_picker.h"

#include "controls/c_fac_colour_popup.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

namespace montora {
namespace {

using L = ColourPopupLayout;

constexpr ColorRef kNotInTable = 0x00123456;

class ColourPickerTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_window.setGeometry(100, 100, 300, 80);
        m_picker = new CFacColourPicker(&m_window);
        m_picker->setGeometry(20, 20, 145, 18);
        m_picker->setColourMode(CFacColourPicker::ColourMode::Swatch);
        m_picker->setDefaultCaption(QStringLiteral("Color"));
        m_picker->setCustomCaption(QStringLiteral("Costom Color"));
        m_picker->setPrompter(&m_prompter);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    void TearDown() override
    {
        if (m_picker->popup())
            m_picker->popup()->cancel();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CFacColourPopup* open(ColorRef colour)
    {
        m_picker->setColour(colour);
        QTest::mouseClick(m_picker, Qt::LeftButton);
        CFacColourPopup* popup = m_picker->popup();
        EXPECT_NE(popup, nullptr);
        EXPECT_TRUE(popup && popup->isVisible());
        return popup;
    }

    // Points the mouse at an entry the way a held button does.
    static void pointAt(CFacColourPopup* popup, int entry)
    {
        QTest::mouseMove(popup, popup->layout().entryRect(entry).center());
    }

    test::ScriptedPrompter m_prompter;
    QWidget m_window;
    CFacColourPicker* m_picker = nullptr;
};

TEST_F(ColourPickerTest, ClickDropsDownUnderTheButtonOnItsColour)
{
    QSignalSpy dropDown(m_picker, &CFacColourPicker::colourDropDown);
    CFacColourPopup* popup = open(ColourTable::colour(13));
    ASSERT_TRUE(popup);
    EXPECT_TRUE(m_picker->isPopupOpen());
    ASSERT_EQ(dropDown.count(), 1);
    EXPECT_EQ(dropDown[0][0].value<ColorRef>(), ColourTable::colour(13));
    EXPECT_EQ(popup->geometry().topLeft(), m_picker->mapToGlobal(QPoint(0, m_picker->height())));
    EXPECT_EQ(popup->markedEntry(), 13);
    // The grid is painted in table order: box 13 shows blue, box 26 yellow.
    const QImage image = popup->grab().toImage();
    EXPECT_EQ(QColor(image.pixel(popup->layout().boxRect(13).center())), QColor(0, 0, 255));
    EXPECT_EQ(QColor(image.pixel(popup->layout().boxRect(26).center())), QColor(255, 255, 0));
    // A second click while open does not open another.
    QTest::mouseClick(m_picker, Qt::LeftButton);
    EXPECT_EQ(dropDown.count(), 1);
}

TEST_F(ColourPickerTest, ColourNotInTheTableMarksTheCustomEntry)
{
    CFacColourPopup* popup = open(kNotInTable);
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup->markedEntry(), L::kCustomEntry);
}

TEST_F(ColourPickerTest, DefaultEntryYieldsTheDefaultValue)
{
    QSignalSpy closeUp(m_picker, &CFacColourPicker::colourCloseUp);
    QSignalSpy chosen(m_picker, &CFacColourPicker::colourSelEndOk);
    CFacColourPopup* popup = open(ColourTable::colour(5));
    ASSERT_TRUE(popup);
    const QPoint entry = popup->layout().defaultRect().center();
    QTest::mousePress(popup, Qt::LeftButton, {}, entry);
    QTest::mouseMove(popup, entry);
    QTest::mouseRelease(popup, Qt::LeftButton, {}, entry);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].value<ColorRef>(), 0xFF000000u);
    ASSERT_EQ(closeUp.count(), 1);
    EXPECT_EQ(closeUp[0][0].value<ColorRef>(), 0xFF000000u);
    EXPECT_EQ(m_picker->colour(), 0xFF000000u);
    EXPECT_FALSE(m_picker->isPopupOpen());
    // Read as a COLORREF it is black, and so is the swatch.
    EXPECT_EQ(ColourTable::toQColor(m_picker->colour()), QColor(0, 0, 0));
}

TEST_F(ColourPickerTest, DraggingOutAndReleasingCancelsAndRestoresTheOpeningColour)
{
    m_picker->setTrackSelection(true);
    QSignalSpy changes(m_picker, &CFacColourPicker::colourSelChange);
    QSignalSpy cancelled(m_picker, &CFacColourPicker::colourSelEndCancel);
    QSignalSpy chosen(m_picker, &CFacColourPicker::colourSelEndOk);
    const ColorRef opening = ColourTable::colour(20);
    CFacColourPopup* popup = open(opening);
    ASSERT_TRUE(popup);
    QTest::mousePress(popup, Qt::LeftButton, {}, popup->layout().boxRect(0).center());
    pointAt(popup, 9);
    pointAt(popup, 16);
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes[1][0].value<ColorRef>(), ColourTable::colour(16));
    EXPECT_EQ(m_picker->colour(), ColourTable::colour(16)) << "tracking shows the hot colour";
    const QPoint outside(popup->width() + 30, popup->height() / 2);
    QTest::mouseMove(popup, outside);
    EXPECT_EQ(popup->hotEntry(), 16) << "outside the entries the hot entry stays";
    QTest::mouseRelease(popup, Qt::LeftButton, {}, outside);
    EXPECT_EQ(chosen.count(), 0);
    ASSERT_EQ(cancelled.count(), 1);
    EXPECT_EQ(cancelled[0][0].value<ColorRef>(), opening);
    EXPECT_EQ(m_picker->colour(), opening);
}

TEST_F(ColourPickerTest, KeyboardWalksToTheTextEntriesAndBack)
{
    QSignalSpy changes(m_picker, &CFacColourPicker::colourSelChange);
    CFacColourPopup* popup = open(ColourTable::colour(3));
    ASSERT_TRUE(popup);
    QTest::keyClick(popup, Qt::Key_Down); // first key: the marked entry
    EXPECT_EQ(popup->hotEntry(), 3);
    QTest::keyClick(popup, Qt::Key_Up);
    EXPECT_EQ(popup->hotEntry(), L::kDefaultEntry);
    EXPECT_EQ(changes.last()[0].value<ColorRef>(), 0xFF000000u);
    QTest::keyClick(popup, Qt::Key_Up);
    EXPECT_EQ(popup->hotEntry(), L::kCustomEntry);
    EXPECT_EQ(changes.last()[0].value<ColorRef>(), ColourTable::colour(3));
    QTest::keyClick(popup, Qt::Key_Up);
    EXPECT_EQ(popup->hotEntry(), 32);
    QTest::keyClick(popup, Qt::Key_Left);
    EXPECT_EQ(popup->hotEntry(), 31);
    QSignalSpy chosen(m_picker, &CFacColourPicker::colourSelEndOk);
    QTest::keyClick(popup, Qt::Key_Return);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].value<ColorRef>(), ColourTable::colour(31));
}

TEST_F(ColourPickerTest, EscapeCancels)
{
    QSignalSpy cancelled(m_picker, &CFacColourPicker::colourSelEndCancel);
    CFacColourPopup* popup = open(ColourTable::colour(3));
    ASSERT_TRUE(popup);
    QTest::keyClick(popup, Qt::Key_Right);
    QTest::keyClick(popup, Qt::Key_Right);
    QTest::keyClick(popup, Qt::Key_Escape);
    ASSERT_EQ(cancelled.count(), 1);
    EXPECT_EQ(m_picker->colour(), ColourTable::colour(3));
}

TEST_F(ColourPickerTest, AnotherApplicationBecomingActiveCancels)
{
    QSignalSpy cancelled(m_picker, &CFacColourPicker::colourSelEndCancel);
    CFacColourPopup* popup = open(ColourTable::colour(3));
    ASSERT_TRUE(popup);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_FALSE(m_picker->isPopupOpen());
}

TEST_F(ColourPickerTest, CustomEntryAsksForAColourStartingFromTheOpeningOne)
{
    QSignalSpy chosen(m_picker, &CFacColourPicker::colourSelEndOk);
    QSignalSpy cancelled(m_picker, &CFacColourPicker::colourSelEndCancel);
    m_prompter.colourAnswers = {QColor(0x12, 0x34, 0x56), std::nullopt};

    CFacColourPopup* popup = open(ColourTable::colour(7));
    ASSERT_TRUE(popup);
    QTest::mousePress(popup, Qt::LeftButton, {}, popup->layout().customRect().center());
    pointAt(popup, L::kCustomEntry);
    QTest::mouseRelease(popup, Qt::LeftButton, {}, popup->layout().customRect().center());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].value<ColorRef>(), 0x00563412u);
    ASSERT_EQ(m_prompter.asked.size(), 1);
    EXPECT_EQ(m_prompter.asked[0].kind, test::ScriptedPrompter::Asked::Kind::Colour);

    // Cancelling the colour dialog cancels the choice.
    popup = open(ColourTable::colour(7));
    ASSERT_TRUE(popup);
    QTest::keyClick(popup, Qt::Key_Down); // marked 7
    QTest::keyClick(popup, Qt::Key_Left);
    QTest::keyClick(popup, Qt::Key_Left);
    QTest::keyClick(popup, Qt::Key_Left);
    QTest::keyClick(popup, Qt::Key_Left);
    QTest::keyClick(popup, Qt::Key_Left);
    QTest::keyClick(popup, Qt::Key_Left);
    QTest::keyClick(popup, Qt::Key_Left); // 0
    QTest::keyClick(popup, Qt::Key_Left); // default
    QTest::keyClick(popup, Qt::Key_Left); // custom
    ASSERT_EQ(popup->hotEntry(), L::kCustomEntry);
    QTest::keyClick(popup, Qt::Key_Space);
    ASSERT_EQ(cancelled.count(), 1);
    EXPECT_EQ(cancelled[0][0].value<ColorRef>(), ColourTable::colour(7));
    EXPECT_EQ(m_picker->colour(), ColourTable::colour(7));
}

TEST_F(ColourPickerTest, TooltipNamesTheColourUnderThePointer)
{
    CFacColourPopup* popup = open(ColourTable::colour(0));
    ASSERT_TRUE(popup);
    const QPoint at = popup->layout().boxRect(9).center();
    QHelpEvent help(QEvent::ToolTip, at, popup->mapToGlobal(at));
    QCoreApplication::sendEvent(popup, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Orange"));
    QToolTip::hideText();
}

TEST_F(ColourPickerTest, PickerNearTheRightEdgeOpensFullyVisible)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    m_window.move(screen.right() + 1 - m_window.width(), screen.top() + 100);
    m_picker->setGeometry(m_window.width() - 60, 20, 60, 18);
    CFacColourPopup* popup = open(ColourTable::colour(0));
    ASSERT_TRUE(popup);
    EXPECT_TRUE(screen.contains(popup->geometry())) << popup->geometry().x() << "," << popup->geometry().width();
    EXPECT_EQ(popup->geometry().right(), screen.right());
    EXPECT_EQ(popup->geometry().top(), m_picker->mapToGlobal(QPoint(0, 18)).y());
}

TEST_F(ColourPickerTest, PickerNearTheBottomOpensAboveTheButton)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    m_window.move(screen.left() + 50, screen.bottom() + 1 - m_window.height());
    CFacColourPopup* popup = open(ColourTable::colour(0));
    ASSERT_TRUE(popup);
    EXPECT_TRUE(screen.contains(popup->geometry()));
    EXPECT_EQ(popup->geometry().bottom() + 1, m_picker->mapToGlobal(QPoint(0, 0)).y());
}

} // namespace
} // namespace montora
