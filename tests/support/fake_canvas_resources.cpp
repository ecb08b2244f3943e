#include "support/fake_canvas_resources.h"

namespace montora::test {

QImage FakeCanvasResources::libraryPicture(int id, ColorRef tint, bool tinted)
{
    ++libraryCalls;
    QImage picture = libraryPictures.value(id);
    if (tinted && !picture.isNull()) {
        // A stand-in tint: the tint colour wherever the picture is not transparent.
        picture = picture.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y);
                picture.setPixel(x, y, qRgba(int(tint & 0xFF), int(tint >> 8 & 0xFF), int(tint >> 16 & 0xFF), qAlpha(p)));
            }
    }
    return picture;
}

std::optional<FrameWindow> FakeCanvasResources::frameWindow(int index)
{
    if (!frameWindows.contains(index))
        return std::nullopt;
    return frameWindows.value(index);
}

std::optional<MaskKeyBytes> FakeCanvasResources::maskKey(int index)
{
    if (!maskKeys.contains(index))
        return std::nullopt;
    return maskKeys.value(index);
}

QImage FakeCanvasResources::customMaskPicture(const MaskKeyBytes& key)
{
    for (const auto& [k, block] : customMasks)
        if (k == key)
            return QImage::fromData(block.data);
    return QImage();
}

std::optional<CustomMaskBlock> FakeCanvasResources::customMaskBlock(const MaskKeyBytes& key)
{
    for (const auto& [k, block] : customMasks)
        if (k == key)
            return block;
    return std::nullopt;
}

Status FakeCanvasResources::addCustomMask(const MaskKeyBytes& key, const CustomMaskBlock& block)
{
    added.emplace_back(key, block);
    return Status::ok();
}

MaskKeyBytes keyOf(std::uint8_t seed)
{
    MaskKeyBytes key;
    for (int i = 0; i < 16; ++i)
        key[size_t(i)] = std::uint8_t(seed + i * 7);
    return key;
}

} // namespace montora::test
