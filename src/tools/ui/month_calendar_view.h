#pragma once

#include "tools/month_calendar_control.h"

#include <QWidget>

namespace montora {

class SkinButton;

// Shows a MonthCalendarControl's bitmap with its "<<" and ">>" buttons in the
// title strip; a click on a day cell marks it.
class MonthCalendarView : public QWidget {
    Q_OBJECT

public:
    // The control takes the requested rectangle's place, its width reduced.
    MonthCalendarView(const QRect& requested, QDate today, QWidget* parent = nullptr);

    MonthCalendarControl& control() { return m_control; }
    SkinButton* previousButton() const { return m_previous; }
    SkinButton* nextButton() const { return m_next; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    SkinButton* makeButton(int id, const QRect& place, const QString& caption);

    MonthCalendarControl m_control;
    SkinButton* m_previous;
    SkinButton* m_next;
};

} // namespace montora
