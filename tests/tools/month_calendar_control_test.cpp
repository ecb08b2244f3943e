#include "tools/month_calendar_control.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <set>

using namespace montora;

namespace {

MonthCalendarControl calendarOf(int year, int month)
{
    return MonthCalendarControl(MonthCalendarControl::kDialogRequest, QDate(year, month, 1));
}

bool isBlank(const QImage& bitmap, const QRect& rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (bitmap.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

} // namespace

TEST(MonthCalendarControlTest, TheGridStartsOnTheSundayOnOrBeforeTheFirst)
{
    const MonthCalendarControl february = calendarOf(2009, 2);
    EXPECT_EQ(february.size(), QSize(254, 260));
    EXPECT_EQ(february.firstWeekday(), 0);
    EXPECT_EQ(february.cellDay(0), 1);
    EXPECT_EQ(february.cellDay(27), 28);
    EXPECT_FALSE(isBlank(february.bitmap(), february.cellRect(27)));
    for (int cell = 28; cell < MonthCalendarControl::kCellCount; ++cell) {
        EXPECT_EQ(february.cellDay(cell), 0) << cell;
        EXPECT_TRUE(isBlank(february.bitmap(), february.cellRect(cell))) << cell;
    }

    // The 1st on a Friday: the 31st lands in the sixth row.
    const MonthCalendarControl may = calendarOf(2009, 5);
    EXPECT_EQ(may.firstWeekday(), 5);
    EXPECT_EQ(may.cellDay(4), 0);
    EXPECT_EQ(may.cellDay(5), 1);
    EXPECT_EQ(may.cellDay(35), 31);
    EXPECT_GT(may.cellRect(35).top(), may.cellRect(28).top());
    EXPECT_FALSE(isBlank(may.bitmap(), may.cellRect(35)));
}

TEST(MonthCalendarControlTest, SteppingWrapsTheYearAndClearsTheMarks)
{
    MonthCalendarControl calendar = calendarOf(2009, 12);
    EXPECT_EQ(calendar.title(), "December, 2009");
    ASSERT_TRUE(calendar.markCellAt(calendar.cellRect(10).center()));
    EXPECT_TRUE(calendar.isMarked(10));
    calendar.showNextMonth();
    EXPECT_EQ(calendar.title(), "January, 2010");
    EXPECT_FALSE(calendar.isMarked(10));
    calendar.showPreviousMonth();
    EXPECT_EQ(calendar.title(), "December, 2009");
    EXPECT_EQ(calendar.cellDay(calendar.firstWeekday() + 24), 25);
}

TEST(MonthCalendarControlTest, ThePictureIsTransparentBesideTheControlAndHalfOpaqueAtTextEdges)
{
    const QImage picture = calendarOf(2009, 5).picture();
    ASSERT_EQ(picture.size(), QSize(260, 260));
    ASSERT_EQ(picture.format(), QImage::Format_ARGB32);
    for (int y = 0; y < 260; ++y)
        for (int x = 254; x < 260; ++x)
            ASSERT_EQ(qAlpha(picture.pixel(x, y)), 0) << x << "," << y;

    int opaque = 0;
    int edges = 0;
    for (int y = 0; y < 260; ++y) {
        for (int x = 0; x < 254; ++x) {
            const QRgb pixel = picture.pixel(x, y);
            const int sum = qRed(pixel) + qGreen(pixel) + qBlue(pixel);
            const int alpha = qAlpha(pixel);
            if (sum == 765)
                EXPECT_EQ(alpha, 0);
            else if (sum == 30 || sum == 660)
                EXPECT_EQ(alpha, 255);
            else
                EXPECT_EQ(alpha, 128);
            opaque += alpha == 255;
            edges += alpha == 128;
        }
    }
    EXPECT_GT(opaque, 100);
    EXPECT_GT(edges, 100);
}

TEST(MonthCalendarControlTest, AMonthWithAClockChangeShowsEveryDateOnce)
{
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "America/New_York", 1);
    tzset();
    for (int month : {3, 11}) {
        const MonthCalendarControl calendar = calendarOf(2009, month);
        std::multiset<int> days;
        for (int cell = 0; cell < MonthCalendarControl::kCellCount; ++cell)
            if (calendar.cellDay(cell) != 0)
                days.insert(calendar.cellDay(cell));
        const int length = QDate(2009, month, 1).daysInMonth();
        EXPECT_EQ(int(days.size()), length) << month;
        for (int day = 1; day <= length; ++day)
            EXPECT_EQ(days.count(day), 1u) << month << "/" << day;
    }
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}
