#pragma once

#include "base/status.h"
#include "library/library_record.h"
#include "library/resource_pack.h"

#include <QString>

namespace montora {

// A picture file and its thumbnail file ("mask.cfg" and "tbmask.cfg", ...) are
// matched record by record. An append commits the pictures first and their
// thumbnails after, so that no thumbnail stands for a missing picture; a crash
// between the two commits leaves pictures at the end without thumbnails, and the
// next append would then put its thumbnails beside the wrong pictures. Run before
// every append, this gives those pictures their thumbnails again, made from the
// pictures as a pack makes them: no picture is dropped, so a pack recorded as
// imported keeps its records.
class ThumbnailAlignment {
public:
    // How many thumbnails it made (0 when the files were in step or there are no
    // pictures; a missing thumbnail file is made whole). Thumbnails beyond the pictures are left alone: nothing reads
    // them, and what they belonged to is unknown.
    static Result<int> repair(const QString& picturePath, LibraryLayout pictureLayout, const QString& thumbnailPath,
                              ResourceKind kind);
};

} // namespace montora
