#pragma once

#include "base/status.h"
#include "imaging/pixel_rows.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <optional>

namespace montora {

// The plain BMPs most files are: 24 bits a pixel, uncompressed, with the 40-byte
// header, stored from the bottom up or the top down. Their pixels are used where
// they lie in the file. Every other BMP, and any damage, gives nothing, and Qt's
// reader takes over with its own messages.
class BmpReader {
public:
    struct Plain {
        ConstPixelRows rows; // in the bytes given
        QSize dotsPerMeter;  // as stored; 0 where the file gives none
    };
    static std::optional<Plain> plain(const QByteArray& bytes);

    // A plain BMP file read into memory. It is read, not mapped: a file cut short or
    // removed while a mapping is read would kill the program instead of failing.
    class Loaded {
    public:
        const Plain& picture() const { return m_picture; }

    private:
        friend class BmpReader;
        QByteArray m_bytes;
        Plain m_picture;
    };
    static std::optional<Loaded> load(const QString& path);

    // As Qt's reader gives a 24-bit BMP: RGB32 with the file's resolution.
    static QImage toImage(const Plain& picture);
};

} // namespace montora
