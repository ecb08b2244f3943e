#pragma once

#include "library/library_file.h"

#include <QImage>

#include <cstdint>
#include <optional>

namespace montora {

// A library file of raw pictures: clipart, decoration styles, brushes and the
// thumbnails of masks, frames and imported decorations.
class ThumbnailLibraryFile : public LibraryFile {
public:
    explicit ThumbnailLibraryFile(QString path) : LibraryFile(std::move(path), LibraryLayout::Thumbnail) {}

    // Record `index` as an ARGB32 picture holding the record's bytes as they are,
    // recoloured by TintPicture when a tint colour (0x00BBGGRR) is given.
    Result<QImage> image(int index, std::optional<std::uint32_t> tint = std::nullopt) const;

    static Result<QImage> toImage(const LibraryRecord& record, std::optional<std::uint32_t> tint = std::nullopt);
    static LibraryRecord fromImage(const QImage& image);
};

} // namespace montora
