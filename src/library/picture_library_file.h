#pragma once

#include "library/library_file.h"

#include <QImage>

namespace montora {

// A library file of encoded pictures: masks (with keys), frames (with insets) and
// imported decoration pictures.
class PictureLibraryFile : public LibraryFile {
public:
    PictureLibraryFile(QString path, LibraryLayout layout);

    // Record `index` decoded to ARGB32 at the record's width and height.
    Result<QImage> picture(int index) const;

    // A record's encoded bytes decoded; a picture whose size differs from the
    // record's is refused.
    static Result<QImage> decode(const LibraryRecord& record, const QString& nameForErrors);
};

} // namespace montora
