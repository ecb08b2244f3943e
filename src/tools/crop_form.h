#pragma once

#include <QRect>
#include <QSize>
#include <QString>

namespace montora {

// Where the crop dialog's parts sit, in client pixels.
class CropForm {
public:
    static QString caption() { return QStringLiteral("Crop Photo"); }
    static constexpr int kAspectRowWidth = 120;
    static constexpr int kAspectRowHeight = 20;

    static QSize clientSize();
    static QRect viewRect(QSize client = clientSize());
    static QRect aspectPanelRect(QSize client = clientSize());
    static QRect cropButtonRect(QSize client = clientSize());
    static QRect cancelButtonRect(QSize client = clientSize());
    // Row `row` of the aspect panel, in the panel's own pixels.
    static QRect aspectRowRect(int row, int panelHeight);
};

} // namespace montora
