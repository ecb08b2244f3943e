#pragma once

#include "base/status.h"

#include <QString>

namespace montora {

class BinaryReader;
class CollageProject;

// Opens a project file into a collage. Every read is checked: a file that ends
// early keeps the items read before the damage and reports the failure; an item
// kind no project holds, or a count or size that cannot fit in the file, ends
// reading the same way. Custom masks carried by photos are added to the local
// custom-mask library.
class ProjectFileReader {
public:
    // Replaces the collage's contents. A file that cannot be opened leaves the
    // collage as it was. On success the modified flag is cleared.
    static Status open(CollageProject& project, const QString& path);
    static Status read(CollageProject& project, BinaryReader& in);
    // Header and items only, as files without pixel pictures are read: whatever
    // follows the items is left unread.
    static Status readItems(CollageProject& project, BinaryReader& in);

private:
    static Status readItem(CollageProject& project, BinaryReader& in, int entry);
};

} // namespace montora
