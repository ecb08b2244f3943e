#include "canvas/custom_mask_store.h"

namespace montora {

void CustomMaskStore::add(const MaskKeyBytes& key, const CustomMaskBlock& block)
{
    QMutexLocker lock(&m_mutex);
    m_masks.emplace_back(key, block);
}

std::optional<CustomMaskBlock> CustomMaskStore::find(const MaskKeyBytes& key) const
{
    QMutexLocker lock(&m_mutex);
    for (const auto& [heldKey, block] : m_masks)
        if (heldKey == key)
            return block;
    return std::nullopt;
}

QImage CustomMaskStore::picture(const MaskKeyBytes& key) const
{
    const std::optional<CustomMaskBlock> block = find(key);
    return block ? QImage::fromData(block->data).convertToFormat(QImage::Format_ARGB32) : QImage();
}

} // namespace montora
