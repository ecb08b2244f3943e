#include "canvas/canvas_viewport.h"

#include <algorithm>

namespace montora {

int CanvasViewport::range(int content, int client, int margin, int barThickness)
{
    const int needed = content + 2 * margin;
    return needed <= client ? 0 : needed - client + barThickness;
}

int CanvasViewport::origin(int content, int room, int position, int range, int margin)
{
    if (range < 1)
        return -(room - content) / 2;
    return std::clamp(position, 0, range) - margin;
}

int CanvasViewport::positionFor(int origin, int range, int margin)
{
    return range < 1 ? 0 : std::clamp(origin + margin, 0, range);
}

float CanvasViewport::fitZoom(QSize collage, QSize view, int margin)
{
    if (collage.isEmpty())
        return 1.0f;
    const double across = double(view.width() - 2 * margin) / collage.width();
    const double down = double(view.height() - 2 * margin) / collage.height();
    return float(std::max(0.01, std::min(across, down)));
}

} // namespace montora
