#pragma once

#include "canvas/canvas_resources.h"

#include <QMutex>

#include <utility>
#include <vector>

namespace montora {

// Custom masks held in memory by key, for resources that cannot or must not put a
// project's carried masks into the custom-mask library. Pictures are built on
// several threads, so every call locks.
class CustomMaskStore {
public:
    void add(const MaskKeyBytes& key, const CustomMaskBlock& block);
    std::optional<CustomMaskBlock> find(const MaskKeyBytes& key) const;
    // The mask's picture as ARGB32; null when the key is not held.
    QImage picture(const MaskKeyBytes& key) const;

private:
    mutable QMutex m_mutex;
    std::vector<std::pair<MaskKeyBytes, CustomMaskBlock>> m_masks;
};

} // namespace montora
