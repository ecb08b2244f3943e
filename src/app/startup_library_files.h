#pragma once

#include "base/status.h"
#include "library/photo_list.h"

#include <QString>

namespace montora {

// What start-up and shutdown need from the library files: the built-in mask pack
// and the photo list. The main window owns the photo list entries behind it.
class StartupLibraryFiles {
public:
    virtual ~StartupLibraryFiles() = default;

    // Writes the built-in mask pack into `folder`: the mask library ("mask.cfg")
    // and its thumbnails ("tbmask.cfg"), the thumbnails first, so that a failure
    // never leaves a "mask.cfg" that a later start would take as installed.
    virtual Status installMaskPack(const QString& folder) = 0;
    // Imports the starter packs the data folder has not had yet (cliparts, frames,
    // brushes, decorations); a pack that fails is tried again at the next start.
    virtual void installStarterPacks(const QString& folder) {}

    // Loads the photo list ("srcmedia.cfg" in `folder`). A file that ends early
    // keeps the complete entries read before the damage and is deleted; a missing
    // file gives an empty list.
    virtual void loadPhotoList(const QString& folder) = 0;
    virtual Status savePhotoList(const QString& folder) = 0;
    // The loaded photo list's entries, which the photo import and the photo library
    // panel work on; none when these files keep no entries.
    virtual std::vector<PhotoListEntry>* photoEntries() { return nullptr; }
};

} // namespace montora
