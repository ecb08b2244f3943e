#pragma once

#include <QSize>

namespace montora {

// Where the zoomed collage sits in the canvas window, one axis at a time. A
// collage that fits the window is centred in it; a larger one scrolls, with a
// strip of workspace (the margin) beyond each edge so that the handles of an item
// at the edge stay in sight. The view origin is the surface point at the window's
// top-left corner: negative while the collage is centred or the bar is at its start.
class CanvasViewport {
public:
    // Room for the rotation circles, which reach 16 pixels beyond an item.
    static constexpr int kMargin = 16;

    // The scroll bar's range; 0 when the collage and its margins fit the window.
    // A scrolling view adds the thickness of the bar across the other axis.
    static int range(int content, int client, int margin, int barThickness);
    // `room` is the window's length less the bar across, when that is shown.
    static int origin(int content, int room, int position, int range, int margin);
    // The bar position that puts `origin` at the window's edge, within the range.
    static int positionFor(int origin, int range, int margin);

    // The zoom at which the collage and its margins fill the view in its narrower
    // direction.
    static float fitZoom(QSize collage, QSize view, int margin = kMargin);
};

} // namespace montora
