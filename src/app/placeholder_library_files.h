#pragma once

#include "app/startup_library_files.h"

namespace montora {

// Stands in for the library files until the mask pack and the photo list file are
// available: writes the mask library and its thumbnails as empty libraries (a
// record count of zero) and keeps an empty photo list.
class PlaceholderLibraryFiles : public StartupLibraryFiles {
public:
    Status installMaskPack(const QString& folder) override;
    void loadPhotoList(const QString& folder) override;
    Status savePhotoList(const QString& folder) override;
};

} // namespace montora
