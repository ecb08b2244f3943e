#pragma once

#include <QDate>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>

class QPainter;

namespace montora {

// One month drawn as the calendar item shows it: a title strip with the month and
// year, a header of weekday labels (the week starts on Sunday) and 42 day cells,
// every text drawn dark and then light one pixel lower right. Window-free: the
// dialog shows bitmap() and forwards clicks; picture() is what lands on the canvas.
class MonthCalendarControl {
public:
    static constexpr int kCellCount = 42;
    static constexpr int kTitleBottom = 24;
    static constexpr int kHeaderBottom = 44;
    static constexpr int kPictureSide = 260;
    static constexpr int kPreviousButtonId = 11101;
    static constexpr int kNextButtonId = 11100;

    // The width less 2 becomes a multiple of 7, so the seven columns share it evenly.
    static int reducedWidth(int width) { return (width - 2) / 7 * 7 + 2; }
    static QString monthName(int month);
    static QString weekdayLabel(int column);

    // The rectangle the dialog asks for; the control comes out 254 x 260.
    static constexpr QSize kDialogRequest{260, 260};
    // The picture of one month as the dialog's control draws it.
    static QImage monthPicture(int year, int month);

    // Shows the month of `today`.
    explicit MonthCalendarControl(QSize requested, QDate today = QDate::currentDate());

    QSize size() const { return m_bitmap.size(); }
    int year() const { return m_year; }
    int month() const { return m_month; }
    int todayDay() const { return m_todayDay; }
    // 0 = Sunday .. 6 = Saturday.
    int firstWeekday() const { return m_firstWeekday; }
    QString title() const;

    void showMonth(int year, int month);
    void showNextMonth();
    void showPreviousMonth();

    QRect titleRect() const;
    QRect headerRect(int column) const;
    QRect cellRect(int cell) const;
    QDate cellDate(int cell) const;
    // The day number a cell shows; 0 for a date outside the displayed month.
    int cellDay(int cell) const;
    // Where the two control buttons sit, in control coordinates.
    QRect previousButtonRect() const;
    QRect nextButtonRect() const;

    // Marks the cell under the point; false when the point hits none.
    bool markCellAt(QPoint point);
    bool isMarked(int cell) const { return m_marks[size_t(cell)] != 0; }

    // The month as drawn, size() large.
    const QImage& bitmap() const { return m_bitmap; }
    // kPictureSide square, unpremultiplied ARGB: white is transparent, the two text
    // colours are opaque and everything between (anti-aliased edges) half opaque.
    QImage picture() const;
    static std::uint8_t alphaOf(QRgb colour);

private:
    void paint();
    static void drawShadowed(QPainter& painter, const QFont& font, int x, int y, const QString& text);
    static QFont textFont(int cellHeight);

    int m_year = 2000;
    int m_month = 1;
    int m_todayDay = 1;
    int m_firstWeekday = 0;
    std::array<std::uint8_t, kCellCount> m_marks{};
    QImage m_bitmap;
};

} // namespace montora
