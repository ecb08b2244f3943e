#pragma once

#include "library/library_record.h"

#include <QByteArray>

#include <vector>

namespace montora {

// The bytes of library records and whole library files. Kept free of file access
// so the build-time mask pack generator writes its files with the same code.
class LibraryFileEncoder {
public:
    static QByteArray record(LibraryLayout layout, const LibraryRecord& record);
    static QByteArray file(LibraryLayout layout, const std::vector<LibraryRecord>& records);
    // A thumbnail record holding a copy of the picture's pixels (converted to ARGB32).
    static LibraryRecord thumbnailRecord(const class QImage& image);
};

} // namespace montora
