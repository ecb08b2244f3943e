#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QSize>
#include <QString>

namespace montora {

// The largest picture the program agrees to decode; checked against the header
// before anything is allocated.
class PictureLimits {
public:
    static constexpr int kMaxSide = 20000;
    static constexpr qint64 kMaxPixels = 400'000'000;
    // The largest picture file read whole into memory: the largest picture at four
    // bytes a pixel, with room for headers and palettes.
    static constexpr qint64 kMaxFileBytes = kMaxPixels * 4 + (64 << 20);

    static Status check(const QSize& size);
    // The file's bytes, refusing a file larger than kMaxFileBytes before reading it.
    static Result<QByteArray> readFile(const QString& path, qint64 maxBytes = kMaxFileBytes);
};

} // namespace montora
