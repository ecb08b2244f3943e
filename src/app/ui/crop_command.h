#pragma once

#include <QObject>

namespace montora {

class MainFrame;

// The main window's "Crop Photo" (menu, context menu and toolbar): opens the crop
// dialog on the selected photo's picture, starting from its current crop, and on
// "Crop" gives the photo the new rectangle as one undo step.
class CropCommand : public QObject {
    Q_OBJECT

public:
    explicit CropCommand(MainFrame& frame);

    // Does nothing without a selected photo.
    void run();

private:
    MainFrame& m_frame;
};

} // namespace montora
