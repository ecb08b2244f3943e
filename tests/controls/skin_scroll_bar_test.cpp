#include "controls/skin_scroll_bar.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace montora {
namespace {

class SkinScrollBarTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_window.resize(400, 300);
        m_bar = new SkinScrollBar(Qt::Vertical, &m_window);
        m_bar->setGeometry(10, 10, 17, 200);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    // An owner that answers as panels do: pages of `page`, lines of 10.
    void answerAsOwner(int page)
    {
        QObject::connect(m_bar, &SkinScrollBar::canvasVScroll, m_bar, [this, page](ScrollAction action, int at) {
            const bool paging = action == ScrollAction::PageUp || action == ScrollAction::PageDown;
            m_bar->setPosition(ScrollBarModel::answer(action, m_bar->position(), m_bar->range(), paging ? page : 10, at));
        });
    }

    QWidget m_window;
    SkinScrollBar* m_bar = nullptr;
};

TEST_F(SkinScrollBarTest, RangeZeroIsAnEmptyWhiteBarThatIgnoresPosition)
{
    m_bar->setRange(0);
    m_bar->setPosition(3);
    EXPECT_EQ(m_bar->position(), 0);
    const QImage image = m_bar->grab().toImage();
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(QColor(image.pixel(x, y)), QColor(Qt::white)) << x << "," << y;
    QSignalSpy actions(m_bar, &SkinScrollBar::canvasVScroll);
    QTest::mouseClick(m_bar, Qt::LeftButton, {}, QPoint(8, 5));
    QTest::mouseClick(m_bar, Qt::LeftButton, {}, QPoint(8, 100));
    EXPECT_EQ(actions.count(), 0);
}

TEST_F(SkinScrollBarTest, ThumbLengthsAndPaintedThumb)
{
    m_bar->setSizeFactor(100);
    m_bar->setRange(100);
    EXPECT_EQ(m_bar->model().thumbLength(), 20);
    m_bar->setSizeFactor(1);
    m_bar->setRange(400);
    EXPECT_EQ(m_bar->model().thumbLength(), (200 - 32) - 20 * (200 - 52) / 100);
    // The thumb is painted where the model puts it: not white in its middle.
    const QImage image = m_bar->grab().toImage();
    const int middle = (m_bar->model().thumbStart() + m_bar->model().thumbEnd()) / 2;
    EXPECT_NE(QColor(image.pixel(8, middle)), QColor(Qt::white));
}

TEST_F(SkinScrollBarTest, ArrowsSendLineCodesOncePerPress)
{
    m_bar->setRange(50);
    QSignalSpy actions(m_bar, &SkinScrollBar::canvasVScroll);
    QTest::mouseClick(m_bar, Qt::LeftButton, {}, QPoint(8, 5));
    QTest::mouseClick(m_bar, Qt::LeftButton, {}, QPoint(8, 195));
    ASSERT_EQ(actions.count(), 2);
    EXPECT_EQ(actions[0][0].value<ScrollAction>(), ScrollAction::LineUp);
    EXPECT_EQ(actions[1][0].value<ScrollAction>(), ScrollAction::LineDown);
}

TEST_F(SkinScrollBarTest, DragPastTheEndStopsAtTheLastPosition)
{
    m_bar->setRange(37);
    answerAsOwner(10);
    QSignalSpy actions(m_bar, &SkinScrollBar::canvasVScroll);
    const int grip = m_bar->model().thumbStart() + 5;
    QTest::mousePress(m_bar, Qt::LeftButton, {}, QPoint(8, grip));
    QTest::mouseMove(m_bar, QPoint(8, grip + 40));
    QTest::mouseMove(m_bar, QPoint(8, grip + 500)); // far below the bar
    QTest::mouseRelease(m_bar, Qt::LeftButton, {}, QPoint(8, grip + 500));
    ASSERT_GE(actions.count(), 2);
    EXPECT_EQ(actions.last()[0].value<ScrollAction>(), ScrollAction::ThumbTrack);
    EXPECT_EQ(actions.last()[1].toInt(), 37);
    EXPECT_EQ(m_bar->position(), 37);
    EXPECT_EQ(m_bar->model().thumbEnd(), 200 - 16);
    // A drag is no page, whatever it ends on.
    for (const QList<QVariant>& action : actions)
        EXPECT_EQ(action[0].value<ScrollAction>(), ScrollAction::ThumbTrack);
}

TEST_F(SkinScrollBarTest, TrackBelowThePagesDownOncePerRelease)
{
    m_bar->setRange(1000);
    answerAsOwner(100);
    QSignalSpy actions(m_bar, &SkinScrollBar::canvasVScroll);
    for (int i = 1; i <= 3; ++i) {
        QTest::mousePress(m_bar, Qt::LeftButton, {}, QPoint(8, 170));
        EXPECT_EQ(actions.count(), i - 1) << "nothing on press";
        QTest::mouseRelease(m_bar, Qt::LeftButton, {}, QPoint(8, 170));
        ASSERT_EQ(actions.count(), i);
        EXPECT_EQ(actions.last()[0].value<ScrollAction>(), ScrollAction::PageDown);
        EXPECT_EQ(m_bar->position(), 100 * i);
    }
    QTest::mouseClick(m_bar, Qt::LeftButton, {}, QPoint(8, 20));
    EXPECT_EQ(actions.last()[0].value<ScrollAction>(), ScrollAction::PageUp);
    EXPECT_EQ(m_bar->position(), 200);
}

TEST_F(SkinScrollBarTest, ArrowPressSlidingOntoTheTrackDoesNotPage)
{
    m_bar->setRange(1000);
    QSignalSpy actions(m_bar, &SkinScrollBar::canvasVScroll);
    QTest::mousePress(m_bar, Qt::LeftButton, {}, QPoint(8, 195));
    QTest::mouseMove(m_bar, QPoint(8, 170));
    QTest::mouseRelease(m_bar, Qt::LeftButton, {}, QPoint(8, 170));
    ASSERT_EQ(actions.count(), 1);
    EXPECT_EQ(actions[0][0].value<ScrollAction>(), ScrollAction::LineDown);
}

TEST(SkinHorizontalScrollBarTest, TwinWorksAlongX)
{
    QWidget window;
    window.resize(400, 100);
    SkinScrollBar bar(Qt::Horizontal, &window);
    bar.setGeometry(10, 10, 300, 17);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    bar.setRange(10000); // the shortest thumb, at the left end
    QSignalSpy vertical(&bar, &SkinScrollBar::canvasVScroll);
    QSignalSpy horizontal(&bar, &SkinScrollBar::canvasHScroll);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(295, 8));
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(250, 8));
    const int grip = bar.model().thumbStart() + 2;
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(grip, 8));
    QTest::mouseMove(&bar, QPoint(grip + 1000, 8));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(grip + 1000, 8));
    EXPECT_EQ(vertical.count(), 0);
    ASSERT_EQ(horizontal.count(), 3);
    EXPECT_EQ(horizontal[0][0].value<ScrollAction>(), ScrollAction::LineDown);
    EXPECT_EQ(horizontal[1][0].value<ScrollAction>(), ScrollAction::PageDown);
    EXPECT_EQ(horizontal[2][0].value<ScrollAction>(), ScrollAction::ThumbTrack);
    EXPECT_EQ(horizontal[2][1].toInt(), 10000);
    // The arrows sit at the ends of the long side, painted.
    const QImage image = bar.grab().toImage();
    EXPECT_NE(QColor(image.pixel(8, 8)), QColor(Qt::white));
}

} // namespace
} // namespace montora
