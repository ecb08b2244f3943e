#pragma once

#include "base/status.h"
#include "library/photo_list.h"

#include <QSize>
#include <QString>

#include <vector>

namespace montora {

// The rules a picked picture file must pass to join the photo library, and the
// entry made from it: its record with the picture's size, and the 80 x 80
// thumbnail.
class ImportedPhoto {
public:
    // Pictures must be larger than this in both directions.
    static QSize minimumSize() { return QSize(5, 5); }

    // Whether an entry not marked removed already has this full path.
    static bool isAlreadyIn(const std::vector<PhotoListEntry>& entries, const QString& path);

    // Reads the picture's size (the image library's path for metafiles and for
    // whatever Qt cannot read), refuses pictures not larger than `minimum`, and
    // makes the thumbnail; a picture that decodes only in part is marked partial.
    // Safe to call from a worker thread.
    static Result<PhotoListEntry> prepare(const QString& path, QSize minimum = minimumSize());
};

} // namespace montora
