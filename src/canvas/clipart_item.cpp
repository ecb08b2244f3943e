#include "canvas/clipart_item.h"


namespace montora {

ClipartItem ClipartItem::forLibrary(int id, QSize pictureSize, int left, int top, ColorRef effectTint)
{
    ClipartItem item;
    item.pictureId = id;
    item.width = pictureSize.width();
    item.height = pictureSize.height();
    item.left = left;
    item.top = top;
    if (id >= kFirstTintedId) {
        item.tinted = 1;
        item.tintColour = effectTint;
    }
    return item;
}

ClipartItem ClipartItem::forPixels(int storeIndex, QSize pictureSize)
{
    ClipartItem item;
    item.pictureId = storeIndex;
    item.width = pictureSize.width();
    item.height = pictureSize.height();
    item.pixelStore = 1;
    item.tone = ToneSettings{0, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    return item;
}

void ClipartItem::clearRuntime()
{
    runtimeRegion = 0;
    runtimePicture = 0;
}

} // namespace montora
