#include "tools/ui/month_calendar_dialog.h"

#include "controls/skin_button.h"
#include "tools/ui/month_calendar_view.h"

namespace montora {

namespace {

// 191 x 214 dialog units of the 8-point font.
constexpr QSize kClientSize(287, 348);
const QRect kCalendarPlace(16, 40, 260, 260);

QRect fromEdges(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

} // namespace

MonthCalendarDialog::MonthCalendarDialog(QDate today, QWidget* parent) : ToolDialog(parent)
{
    setFixedSize(kClientSize);
    setCaption(QStringLiteral("Add Transparent Month Calender"));
    m_view = new MonthCalendarView(kCalendarPlace, today, this);
    const int right = kClientSize.width();
    const int bottom = kClientSize.height();
    const QRect cancelPlace = fromEdges(right - 115, bottom - 40, right - 45, bottom - 20);
    m_cancel = makeButton(kCancelId, cancelPlace, QStringLiteral("Cancel"));
    m_ok = makeButton(kOkId, cancelPlace.translated(-120, 0), QStringLiteral("OK"));
    connect(m_ok, &SkinButton::clicked, this, &MonthCalendarDialog::accept);
    connect(m_cancel, &SkinButton::clicked, this, &MonthCalendarDialog::reject);
}

SkinButton* MonthCalendarDialog::makeButton(int id, const QRect& place, const QString& caption)
{
    auto* button = new SkinButton(id, this);
    button->setGeometry(place);
    button->setCaption(caption);
    return button;
}

void MonthCalendarDialog::accept()
{
    m_picture = m_view->control().picture();
    ToolDialog::accept();
}

} // namespace montora
