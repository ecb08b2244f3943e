#include "canvas/carried_mask_resources.h"

namespace montora {

QImage CarriedMaskResources::customMaskPicture(const MaskKeyBytes& key)
{
    if (m_carried.find(key))
        return m_carried.picture(key);
    return m_library.customMaskPicture(key);
}

std::optional<CustomMaskBlock> CarriedMaskResources::customMaskBlock(const MaskKeyBytes& key)
{
    if (auto block = m_carried.find(key))
        return block;
    return m_library.customMaskBlock(key);
}

Status CarriedMaskResources::addCustomMask(const MaskKeyBytes& key, const CustomMaskBlock& block)
{
    m_carried.add(key, block);
    return Status::ok();
}

} // namespace montora
