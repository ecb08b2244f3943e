#include "app/placeholder_library_files.h"

#include "app/startup_sequence.h"
#include "base/atomic_file.h"

namespace montora {

namespace {
const QByteArray kEmptyLibrary(4, '\0');
}

Status PlaceholderLibraryFiles::installMaskPack(const QString& folder)
{
    MONTORA_TRY(AtomicFile::write(folder + StartupSequence::kMaskThumbnails, kEmptyLibrary));
    return AtomicFile::write(folder + StartupSequence::kMaskLibrary, kEmptyLibrary);
}

void PlaceholderLibraryFiles::loadPhotoList(const QString&) {}

Status PlaceholderLibraryFiles::savePhotoList(const QString&) { return Status::ok(); }

} // namespace montora
