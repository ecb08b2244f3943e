#pragma once

#include "base/status.h"

#include <QSize>

namespace montora {

// The largest picture the program agrees to decode; checked against the header
// before anything is allocated.
class PictureLimits {
public:
    static constexpr int kMaxSide = 20000;
    static constexpr qint64 kMaxPixels = 400'000'000;

    static Status check(const QSize& size);
};

} // namespace montora
