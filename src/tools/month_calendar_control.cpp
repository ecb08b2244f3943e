#include "tools/month_calendar_control.h"

#include "text/text_fonts.h"
#include "text/text_style_record.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace montora {

namespace {

const QColor kBackground(255, 255, 255);
const QColor kDark(10, 10, 10);
const QColor kLight(220, 220, 220);
constexpr int kTitleFontHeight = 24;
constexpr int kHeaderFontHeight = 16;
constexpr int kDayFontHeight = 24;
constexpr int kRows = 6;
constexpr int kColumns = 7;

QRect fromEdges(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

int exclusiveRight(const QRect& rect) { return rect.left() + rect.width(); }

} // namespace

QString MonthCalendarControl::monthName(int month)
{
    static const char* const kNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? QString::fromLatin1(kNames[month - 1]) : QString();
}

QString MonthCalendarControl::weekdayLabel(int column)
{
    static const char* const kLabels[] = {"SUN", "MON", "TUE", "WON", "THU", "FRI", "SAT"};
    return column >= 1 && column <= kColumns ? QString::fromLatin1(kLabels[column - 1]) : QString();
}

MonthCalendarControl::MonthCalendarControl(QSize requested, QDate today)
    : m_todayDay(today.isValid() ? today.day() : 1),
      m_bitmap(std::max(reducedWidth(requested.width()), 2), std::max(requested.height(), 1), QImage::Format_RGB32)
{
    if (!today.isValid())
        today = QDate(2000, 1, 1);
    showMonth(today.year(), today.month());
}

QImage MonthCalendarControl::monthPicture(int year, int month)
{
    MonthCalendarControl control(kDialogRequest, QDate(year, month, 1));
    return control.picture();
}

QString MonthCalendarControl::title() const
{
    return QString::asprintf("%s, %04d", monthName(m_month).toLatin1().constData(), m_year);
}

void MonthCalendarControl::showMonth(int year, int month)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return;
    m_year = year;
    m_month = month;
    // Whole days from QDate: a change of clock time inside the month moves no date.
    m_firstWeekday = first.dayOfWeek() % 7;
    m_marks.fill(0);
    paint();
}

void MonthCalendarControl::showNextMonth()
{
    if (m_month == 12)
        showMonth(m_year + 1, 1);
    else
        showMonth(m_year, m_month + 1);
}

void MonthCalendarControl::showPreviousMonth()
{
    if (m_month == 1)
        showMonth(m_year - 1, 12);
    else
        showMonth(m_year, m_month - 1);
}

QRect MonthCalendarControl::titleRect() const { return fromEdges(0, 0, size().width(), kTitleBottom); }

QRect MonthCalendarControl::headerRect(int column) const
{
    const double columnWidth = double(size().width()) / kColumns;
    const int left = int(columnWidth * column);
    return fromEdges(left, kTitleBottom, int(columnWidth + left), kHeaderBottom);
}

QRect MonthCalendarControl::cellRect(int cell) const
{
    const double columnWidth = double(size().width()) / kColumns;
    const double gridTop = kHeaderBottom;
    const double rowHeight = (size().height() - gridTop) / kRows;
    const int top = int(gridTop + rowHeight * (cell / kColumns));
    const int left = int(columnWidth * (cell % kColumns));
    return fromEdges(left, top, int(columnWidth + left), int(rowHeight + top));
}

QDate MonthCalendarControl::cellDate(int cell) const
{
    return QDate(m_year, m_month, 1).addDays(cell - m_firstWeekday);
}

int MonthCalendarControl::cellDay(int cell) const
{
    const QDate date = cellDate(cell);
    return date.month() == m_month && date.year() == m_year ? date.day() : 0;
}

QRect MonthCalendarControl::previousButtonRect() const { return fromEdges(10, 2, 40, 22); }

QRect MonthCalendarControl::nextButtonRect() const
{
    return fromEdges(size().width() - 40, 2, size().width() - 10, 22);
}

bool MonthCalendarControl::markCellAt(QPoint point)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (cellRect(cell).contains(point)) {
            m_marks[size_t(cell)] = 1;
            return true;
        }
    }
    return false;
}

QFont MonthCalendarControl::textFont(int cellHeight)
{
    FontRecord record;
    (void)record.setFaceName(QStringLiteral("Arial Black"));
    record.lfHeight = cellHeight;
    record.lfWeight = 700;
    return TextFonts::plainFont(record);
}

void MonthCalendarControl::drawShadowed(QPainter& painter, const QFont& font, int x, int y, const QString& text)
{
    painter.setFont(font);
    const int baseline = QFontMetrics(font).ascent();
    painter.setPen(kDark);
    painter.drawText(QPointF(x, y + baseline), text);
    painter.setPen(kLight);
    painter.drawText(QPointF(x + 1, y + 1 + baseline), text);
}

void MonthCalendarControl::paint()
{
    m_bitmap.fill(kBackground);
    QPainter painter(&m_bitmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);

    const QRect strip = titleRect();
    painter.fillRect(strip, kBackground);
    const QFont titleFont = textFont(kTitleFontHeight);
    const QString caption = title();
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(caption);
    drawShadowed(painter, titleFont, strip.left() + (strip.width() - titleWidth) / 2, strip.top() + 2, caption);

    painter.fillRect(fromEdges(0, kTitleBottom, size().width(), kHeaderBottom), kBackground);
    const QFont headerFont = textFont(kHeaderFontHeight);
    for (int column = 1; column <= kColumns; ++column) {
        const QRect cell = headerRect(column - 1);
        const QString label = weekdayLabel(column);
        const int width = QFontMetrics(headerFont).horizontalAdvance(label);
        drawShadowed(painter, headerFont, exclusiveRight(cell) + 5 - width - 10, cell.top() + 2, label);
    }

    const QFont dayFont = textFont(kDayFontHeight);
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int day = cellDay(cell);
        if (day == 0)
            continue;
        const QRect grown = cellRect(cell).adjusted(-1, -1, 1, 1);
        const QString number = QString::number(day);
        const int width = QFontMetrics(dayFont).horizontalAdvance(number);
        drawShadowed(painter, dayFont, exclusiveRight(grown) - width - 10, grown.top() + 2, number);
    }
}

std::uint8_t MonthCalendarControl::alphaOf(QRgb colour)
{
    const int sum = qRed(colour) + qGreen(colour) + qBlue(colour);
    if (sum == 660 || sum == 30)
        return 255;
    return sum == 765 ? 0 : 128;
}

QImage MonthCalendarControl::picture() const
{
    QImage picture(kPictureSide, kPictureSide, QImage::Format_ARGB32);
    const QRgb white = kBackground.rgb();
    for (int y = 0; y < kPictureSide; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const bool rowInside = y < m_bitmap.height();
        const auto* source = rowInside ? reinterpret_cast<const QRgb*>(m_bitmap.constScanLine(y)) : nullptr;
        for (int x = 0; x < kPictureSide; ++x) {
            const QRgb colour = rowInside && x < m_bitmap.width() ? source[x] : white;
            row[x] = qRgba(qRed(colour), qGreen(colour), qBlue(colour), alphaOf(colour));
        }
    }
    return picture;
}

} // namespace montora
