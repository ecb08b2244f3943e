#pragma once

#include "base/status.h"

#include <QString>

namespace montora {

// What start-up and shutdown need from the library files: the built-in mask pack
// and the photo list. The main window owns the photo list entries behind it.
class StartupLibraryFiles {
public:
    virtual ~StartupLibraryFiles() = default;

    // The built-in mask pack's library ("mask.cfg") and its thumbnails ("tbmask.cfg").
    virtual Status writeMaskLibrary(const QString& path) = 0;
    virtual Status writeMaskThumbnails(const QString& path) = 0;

    // Loads the photo list. A file that ends early keeps the complete entries read
    // before the damage and is deleted; a missing file gives an empty list.
    virtual void loadPhotoList(const QString& path) = 0;
    virtual Status savePhotoList(const QString& path) = 0;
};

} // namespace montora
