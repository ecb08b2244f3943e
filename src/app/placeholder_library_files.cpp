#include "app/placeholder_library_files.h"

#include "base/atomic_file.h"

namespace montora {

namespace {
const QByteArray kEmptyLibrary(4, '\0');
}

Status PlaceholderLibraryFiles::writeMaskLibrary(const QString& path) { return AtomicFile::write(path, kEmptyLibrary); }

Status PlaceholderLibraryFiles::writeMaskThumbnails(const QString& path)
{
    return AtomicFile::write(path, kEmptyLibrary);
}

void PlaceholderLibraryFiles::loadPhotoList(const QString&) {}

Status PlaceholderLibraryFiles::savePhotoList(const QString&) { return Status::ok(); }

} // namespace montora
