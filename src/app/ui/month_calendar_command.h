#pragma once

#include <QObject>

namespace montora {

class MainFrame;
class SharedPictureBuffer;

// The add-calendar command (10998): a fresh shared picture buffer, the month
// calendar dialog, and on OK the picture placed on the canvas as a pixel
// picture. It lives as long as the window it serves.
class MonthCalendarCommand : public QObject {
    Q_OBJECT
public:
    MonthCalendarCommand(MainFrame& frame, SharedPictureBuffer& buffer);

    void run();

private:
    MainFrame& m_frame;
    SharedPictureBuffer& m_buffer;
};

} // namespace montora
