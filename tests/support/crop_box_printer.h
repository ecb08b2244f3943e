#pragma once

#include "canvas/item_picture_builder.h"

#include <ostream>

namespace montora {

// Failures show rectangles as edges instead of bytes.
inline void PrintTo(const CropBox& box, std::ostream* out)
{
    *out << "(" << box.left << ", " << box.top << ", " << box.right << ", " << box.bottom << ")";
}

} // namespace montora
