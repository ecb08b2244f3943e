#include "canvas/brush_settings.h"

namespace montora {

void BrushSettings::setLibrary(std::vector<QImage> libraryPictures)
{
    pictures = std::move(libraryPictures);
    sizes.clear();
    sizes.reserve(pictures.size());
    for (QImage& picture : pictures) {
        if (!picture.isNull() && picture.format() != QImage::Format_ARGB32)
            picture = picture.convertToFormat(QImage::Format_ARGB32);
        sizes.push_back(picture.size());
    }
    if (!hasBrush()) {
        brushIndex = -1;
        brushMode = false;
    }
}

} // namespace montora
