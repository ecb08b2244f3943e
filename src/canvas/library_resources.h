#pragma once

#include "canvas/canvas_resources.h"

namespace montora {

// The canvas's resources read from the library files in the data folder.
// SEAM (library files pending): until the library readers land, every library
// picture, frame and mask is reported missing, so such items draw nothing and
// custom masks carried by projects cannot be added.
class LibraryResources : public CanvasResources {
public:
    QImage libraryPicture(int id, ColorRef tint, bool tinted) override;
    QImage brushPicture(int index) override;
    QImage framePicture(int index) override;
    std::optional<FrameWindow> frameWindow(int index) override;
    QImage maskPicture(int index) override;
    std::optional<MaskKeyBytes> maskKey(int index) override;
    QImage customMaskPicture(const MaskKeyBytes& key) override;
    std::optional<CustomMaskBlock> customMaskBlock(const MaskKeyBytes& key) override;
    Status addCustomMask(const MaskKeyBytes& key, const CustomMaskBlock& block) override;
};

} // namespace montora
