#pragma once

#include "canvas/canvas_resources.h"
#include "canvas/custom_mask_store.h"

namespace montora {

// Resources that keep the custom masks a project brings along in memory instead of
// adding them to the custom-mask library, and find them there first. For tools that
// render or edit a project without touching the data folder (the CLI).
class CarriedMaskResources : public CanvasResources {
public:
    explicit CarriedMaskResources(CanvasResources& library) : m_library(library) {}

    QImage libraryPicture(int id, ColorRef tint, bool tinted) override
    {
        return m_library.libraryPicture(id, tint, tinted);
    }
    QImage brushPicture(int index) override { return m_library.brushPicture(index); }
    QImage framePicture(int index) override { return m_library.framePicture(index); }
    std::optional<FrameWindow> frameWindow(int index) override { return m_library.frameWindow(index); }
    QImage maskPicture(int index) override { return m_library.maskPicture(index); }
    std::optional<MaskKeyBytes> maskKey(int index) override { return m_library.maskKey(index); }
    QImage customMaskPicture(const MaskKeyBytes& key) override;
    std::optional<CustomMaskBlock> customMaskBlock(const MaskKeyBytes& key) override;
    Status addCustomMask(const MaskKeyBytes& key, const CustomMaskBlock& block) override;

private:
    CanvasResources& m_library;
    CustomMaskStore m_carried;
};

} // namespace montora
