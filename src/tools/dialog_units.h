#pragma once

#include <QPoint>
#include <QRect>

namespace montora {

// Tool dialogs are laid out in dialog units of their 8-point font: 4 units across
// a 6-pixel average character, 8 units down a 13-pixel line.
class DialogUnits {
public:
    static constexpr int kBaseUnitX = 6;
    static constexpr int kBaseUnitY = 13;

    // Rounded, as the dialog manager does.
    static constexpr int toX(int units) { return (units * kBaseUnitX * 2 + 4) / 8; }
    static constexpr int toY(int units) { return (units * kBaseUnitY * 2 + 8) / 16; }

    // A rectangle given by its edges, right and bottom one past it.
    static QRect fromEdges(int left, int top, int right, int bottom)
    {
        return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    }
};

} // namespace montora
