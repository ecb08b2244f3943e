#pragma once

#include "app/startup_library_files.h"

namespace montora {

// Stands in for the library files until the mask pack and the photo list file are
// available: writes the mask library and its thumbnails as empty libraries (a
// record count of zero) and keeps an empty photo list.
class PlaceholderLibraryFiles : public StartupLibraryFiles {
public:
    Status writeMaskLibrary(const QString& path) override;
    Status writeMaskThumbnails(const QString& path) override;
    void loadPhotoList(const QString& path) override;
    Status savePhotoList(const QString& path) override;
};

} // namespace montora
