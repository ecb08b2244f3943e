#include "canvas/carried_mask_resources.h"

namespace montora {

std::optional<CustomMaskBlock> CarriedMaskResources::carried(const MaskKeyBytes& key) const
{
    QMutexLocker lock(&m_mutex);
    for (const auto& [carriedKey, block] : m_masks)
        if (carriedKey == key)
            return block;
    return std::nullopt;
}

QImage CarriedMaskResources::customMaskPicture(const MaskKeyBytes& key)
{
    if (const auto block = carried(key))
        return QImage::fromData(block->data).convertToFormat(QImage::Format_ARGB32);
    return m_library.customMaskPicture(key);
}

std::optional<CustomMaskBlock> CarriedMaskResources::customMaskBlock(const MaskKeyBytes& key)
{
    if (auto block = carried(key))
        return block;
    return m_library.customMaskBlock(key);
}

Status CarriedMaskResources::addCustomMask(const MaskKeyBytes& key, const CustomMaskBlock& block)
{
    QMutexLocker lock(&m_mutex);
    m_masks.emplace_back(key, block);
    return Status::ok();
}

} // namespace montora
