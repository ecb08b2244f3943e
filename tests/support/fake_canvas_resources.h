#pragma once

#include "canvas/canvas_resources.h"

#include <QHash>
#include <QMap>

#include <vector>

namespace montora::test {

// Library pictures, frames and masks handed in by a test. Records every custom
// mask a project adds.
class FakeCanvasResources : public CanvasResources {
public:
    QMap<int, QImage> libraryPictures;
    QMap<int, QImage> brushes;
    QMap<int, QImage> frames;
    QMap<int, FrameWindow> frameWindows;
    QMap<int, QImage> masks;
    QMap<int, MaskKeyBytes> maskKeys;
    std::vector<std::pair<MaskKeyBytes, CustomMaskBlock>> customMasks;
    std::vector<std::pair<MaskKeyBytes, CustomMaskBlock>> added;
    int libraryCalls = 0;

    QImage libraryPicture(int id, ColorRef tint, bool tinted) override;
    QImage brushPicture(int index) override { return brushes.value(index); }
    QImage framePicture(int index) override { return frames.value(index); }
    std::optional<FrameWindow> frameWindow(int index) override;
    QImage maskPicture(int index) override { return masks.value(index); }
    std::optional<MaskKeyBytes> maskKey(int index) override;
    QImage customMaskPicture(const MaskKeyBytes& key) override;
    std::optional<CustomMaskBlock> customMaskBlock(const MaskKeyBytes& key) override;
    Status addCustomMask(const MaskKeyBytes& key, const CustomMaskBlock& block) override;
};

MaskKeyBytes keyOf(std::uint8_t seed);

} // namespace montora::test
