#pragma once

#include <cstdint>

namespace montora {

// Windows COLORREF as stored in records and files: 0x00BBGGRR.
using ColorRef = std::uint32_t;

constexpr ColorRef colorRef(int red, int green, int blue)
{
    return ColorRef(red & 0xFF) | ColorRef(green & 0xFF) << 8 | ColorRef(blue & 0xFF) << 16;
}

} // namespace montora
