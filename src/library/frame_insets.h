#pragma once

#include "base/status.h"

#include <QImage>
#include <QSize>

#include <cstddef>

namespace montora {

// The opening of a frame that the photo fills, as fractions (0 to 1) of the frame
// picture's width and height. Stored as four little-endian floats in this order.
struct FrameInsets {
    float left = 0;
    float top = 0;
    float right = 1;
    float bottom = 1;

    // The opening is a proper part of the picture: 0 <= left < right <= 1, same vertically.
    bool isValid() const;
    Status check() const;

    // The frame picture's size around a photo: photo width / (right - left) by
    // photo height / (bottom - top), divided in single precision and truncated.
    // Invalid insets give an empty size.
    QSize frameBox(const QSize& photoSize) const;

    // The bounding box of the picture's see-through pixels (alpha below 128): the
    // opening of a frame drawn with a transparent window. Fails when nothing is transparent.
    static Result<FrameInsets> fromTransparentOpening(const QImage& frame);

    friend bool operator==(const FrameInsets&, const FrameInsets&) = default;
};
static_assert(sizeof(FrameInsets) == 16);
static_assert(offsetof(FrameInsets, left) == 0 && offsetof(FrameInsets, top) == 4);
static_assert(offsetof(FrameInsets, right) == 8 && offsetof(FrameInsets, bottom) == 12);

} // namespace montora
