#include "app/ui/month_calendar_command.h"

#include "app/command_id.h"
#include "app/shared_picture_buffer.h"
#include "app/ui/main_frame.h"
#include "canvas/ui/collage_canvas.h"
#include "tools/ui/month_calendar_dialog.h"

#include <QPainter>

namespace montora {

MonthCalendarCommand::MonthCalendarCommand(MainFrame& frame, SharedPictureBuffer& buffer)
    : QObject(&frame), m_frame(frame), m_buffer(buffer)
{
    frame.setHandler(CommandId::Calendar, [this] { run(); });
}

void MonthCalendarCommand::run()
{
    QImage& target = m_buffer.replace();
    MonthCalendarDialog dialog(QDate::currentDate(), &m_frame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    {
        QPainter painter(&target);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, dialog.picture());
    }
    CollageCanvas* canvas = m_frame.canvas();
    (void)canvas->project().addPixelPicture(m_buffer.picture());
    canvas->recompose();
    m_frame.updateToolbar();
}

} // namespace montora
