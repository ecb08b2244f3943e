#include "app/ui/shell_art.h"
#include "controls/skin_button.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace montora {
namespace {

using State = SkinButton::State;

class SkinButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_window.resize(300, 100);
        m_button = new SkinButton(42, &m_window);
        m_button->setGeometry(10, 10, 80, 21);
        m_button->setCaption(QStringLiteral("OK"));
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    QWidget m_window;
    SkinButton* m_button = nullptr;
};

// The darkest pixel of a grabbed button, as a grey level: the caption's ink.
int darkestGrey(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

TEST_F(SkinButtonTest, ClickIsSentOnReleaseWithTheIdentifier)
{
    QSignalSpy clicks(m_button, &SkinButton::clicked);
    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(m_button->state(), State::Pressed);
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(40, 10));
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 42);
    EXPECT_EQ(m_button->state(), State::Normal);
}

TEST_F(SkinButtonTest, HoverMakesItHotAndLeavingMakesItNormal)
{
    // A window system may deliver the pointer's moves a little later.
    QTest::mouseMove(m_button, QPoint(40, 10));
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_button->state() == State::Hot; }, 2000));
    QTest::mouseMove(&m_window, QPoint(250, 80));
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_button->state() == State::Normal; }, 2000));
}

TEST_F(SkinButtonTest, OutAndBackWhileHeldShowsHotThenReleaseClicks)
{
    QSignalSpy clicks(m_button, &SkinButton::clicked);
    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseMove(m_button, QPoint(45, 12)); // a jitter keeps it pressed
    EXPECT_EQ(m_button->state(), State::Pressed);
    QTest::mouseMove(m_button, QPoint(200, 60));
    EXPECT_EQ(m_button->state(), State::Normal);
    QTest::mouseMove(m_button, QPoint(40, 10));
    EXPECT_EQ(m_button->state(), State::Hot);
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(SkinButtonTest, ReleaseAwayFromTheButtonIsNoClick)
{
    QSignalSpy clicks(m_button, &SkinButton::clicked);
    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseMove(m_button, QPoint(200, 60));
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(200, 60));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(m_button->state(), State::Normal);
}

TEST_F(SkinButtonTest, DisabledButtonIgnoresPressesAndHasGreyCaption)
{
    const int enabledInk = darkestGrey(m_button);
    QSignalSpy clicks(m_button, &SkinButton::clicked);
    m_button->setEnabled(false);
    EXPECT_EQ(m_button->state(), State::Disabled);
    QTest::mouseClick(m_button, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseMove(m_button, QPoint(41, 11));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(m_button->state(), State::Disabled);
    // Caption ink (60, 60, 60) when enabled, (120, 120, 120) when disabled; the
    // artwork itself is lighter than both.
    EXPECT_LE(enabledInk, 75);
    const int disabledInk = darkestGrey(m_button);
    EXPECT_GE(disabledInk, 110);
    EXPECT_LE(disabledInk, 135);

    m_button->setEnabled(true);
    EXPECT_EQ(m_button->state(), State::Normal);
}

TEST_F(SkinButtonTest, NarrowThreeSliceButtonShowsItsTwoEnds)
{
    // The ends carry the left and right borders; the stretched middle has none.
    m_button->setCaption(QString());
    auto borderAt = [](const QImage& image, int x) { return qGray(image.pixel(x, image.height() / 2)) < 190; };

    m_button->resize(100, 21);
    const QImage wide = m_button->grab().toImage();
    EXPECT_TRUE(borderAt(wide, 0));
    EXPECT_TRUE(borderAt(wide, 99));
    EXPECT_FALSE(borderAt(wide, 19));
    EXPECT_FALSE(borderAt(wide, 50));

    m_button->resize(20, 21);
    const QImage narrow = m_button->grab().toImage();
    EXPECT_TRUE(borderAt(narrow, 0));
    EXPECT_TRUE(borderAt(narrow, 19)); // the right end at the right edge
    EXPECT_FALSE(borderAt(narrow, 10));
}

TEST_F(SkinButtonTest, EachStateDrawsItsOwnArtwork)
{
    m_button->setCaption(QString());
    auto faceAt = [this] { return m_button->grab().toImage().pixel(40, 10); };
    const QRgb normal = faceAt();
    QTest::mouseMove(m_button, QPoint(40, 10));
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_button->state() == State::Hot; }, 2000));
    const QRgb hot = faceAt();
    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(40, 10));
    const QRgb pressed = faceAt();
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_NE(normal, hot);
    EXPECT_NE(normal, pressed);
    EXPECT_NE(hot, pressed);
    // Pressed is the flat #D0D6DE face.
    EXPECT_EQ(QColor(pressed), QColor(0xD0, 0xD6, 0xDE));
}

} // namespace
} // namespace montora

TEST(SkinButton, WithoutABackgroundThePaintedParentShowsAroundRoundedCorners)
{
    QWidget bar;
    bar.setAutoFillBackground(true);
    QPalette palette = bar.palette();
    palette.setColor(QPalette::Window, QColor(200, 0, 0));
    bar.setPalette(palette);
    bar.resize(80, 40);
    const QString art = montora::ShellArt::path(QStringLiteral("caption_close_normal"));
    auto* filled = new montora::SkinButton(10010, &bar);
    auto* clear = new montora::SkinButton(10010, &bar);
    for (montora::SkinButton* button : {filled, clear}) {
        button->setSkin({art, art, art, art});
        button->setThreeSlice(false);
    }
    clear->setBackground(QColor());
    filled->setGeometry(4, 4, 24, 14);
    clear->setGeometry(40, 4, 24, 14);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    const QImage shot = bar.grab().toImage();
    // The corner pixel lies outside the skin's rounding (but may catch a little of its edge).
    const QColor grey = shot.pixelColor(4, 4);
    EXPECT_GT(grey.green(), 150) << "the buttons' own grey by default";
    const QColor red = shot.pixelColor(40, 4);
    EXPECT_GT(red.red(), 120);
    EXPECT_LT(red.green(), 60) << "the bar shows through";
}
