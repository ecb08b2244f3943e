#pragma once

#include <QtGlobal>

namespace montora {

enum class ChannelOrder { Rgb, Bgr };

// Rows of 24-bit pixels somewhere in memory: row y (0 the top) starts at
// top + y * stride, so a file stored from the bottom up has a negative stride.
template <typename Byte>
struct BasicPixelRows {
    Byte* top = nullptr;
    qsizetype stride = 0;
    int width = 0;
    int height = 0;
    ChannelOrder order = ChannelOrder::Rgb;

    Byte* row(int y) const { return top + y * stride; }
};

using PixelRows = BasicPixelRows<uchar>;
using ConstPixelRows = BasicPixelRows<const uchar>;

} // namespace montora
