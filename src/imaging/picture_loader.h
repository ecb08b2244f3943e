#pragma once

#include "base/status.h"

#include <QImage>
#include <QString>

namespace montora {

// Holds at most one picture decoded by the image library. Each successful load
// replaces it; a failed load leaves the loader empty, except that a path without
// an extension fails at once and keeps the current picture.
class PictureLoader {
public:
    Status load(const QString& path);
    // A picture from packed bottom-up B,G,R rows of width * 3 bytes.
    Status fromRaw24(const uchar* bits, int width, int height);
    void release() { m_image = QImage(); }

    bool isEmpty() const { return m_image.isNull(); }
    const QImage& image() const { return m_image; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    // The image library's fast nearest-pixel resampling.
    void resampleNearest(int width, int height);
    // Writes the picture as `code` by the image library.
    Status save(const QString& path, int code) const;

private:
    QImage m_image;
};

} // namespace montora
