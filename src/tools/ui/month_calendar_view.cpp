#include "tools/ui/month_calendar_view.h"

#include "controls/skin_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace montora {

MonthCalendarView::MonthCalendarView(const QRect& requested, QDate today, QWidget* parent)
    : QWidget(parent), m_control(requested.size(), today)
{
    setGeometry(QRect(requested.topLeft(), m_control.size()));
    m_previous = makeButton(MonthCalendarControl::kPreviousButtonId, m_control.previousButtonRect(), "<<");
    m_next = makeButton(MonthCalendarControl::kNextButtonId, m_control.nextButtonRect(), ">>");
    connect(m_previous, &SkinButton::clicked, this, [this] {
        m_control.showPreviousMonth();
        update();
    });
    connect(m_next, &SkinButton::clicked, this, [this] {
        m_control.showNextMonth();
        update();
    });
}

SkinButton* MonthCalendarView::makeButton(int id, const QRect& place, const QString& caption)
{
    auto* button = new SkinButton(id, this);
    button->setGeometry(place);
    button->setBackground(Qt::white);
    button->setCaption(caption);
    return button;
}

void MonthCalendarView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_control.bitmap());
}

void MonthCalendarView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_control.markCellAt(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

} // namespace montora
