#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QImage>
#include <QRect>

class QPainter;

namespace montora {

// Photo-list thumbnails are stored upside down (bottom-up rows compressed top
// first); these undo that and apply the entry's quarter turns and mirror flag.
class JpegThumbnail {
public:
    // The upright picture: flipped vertically (or turned 180 degrees when mirrored),
    // then turned clockwise by quarterTurns (0-3).
    static Result<QImage> orient(const QByteArray& jpeg, int quarterTurns, bool mirror);
    static Status draw(QPainter& painter, const QByteArray& jpeg, const QRect& target, int quarterTurns, bool mirror);
};

} // namespace montora
