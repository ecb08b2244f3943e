#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

namespace montora {

// A quick reader for the plain PNGs most files are: 8-bit RGB or RGBA, not
// interlaced, with no colour information (profile, gamma, chromaticities,
// transparency key) and nothing but resolution and Latin-1 text beside the pixels.
// libdeflate inflates them in about half zlib's time. Gives RGB32 or ARGB32, as
// Qt's reader would; for every other file, and for any damage, it gives nothing and
// Qt's reader takes over, with its own error messages.
class PngReader {
public:
    static std::optional<QImage> readPlain(const QByteArray& bytes);
};

} // namespace montora
