#pragma once

#include "base/status.h"

#include <QString>

namespace montora {

class BinaryReader;
class CollageProject;

// Opens a project file into a collage. Every read is checked: a file that ends
// early, an item kind no project holds, or a count or size that cannot fit in the
// file ends reading with a failure that says where. A file is read into a collage
// of its own, so a failure never leaves the open one half replaced. Custom masks
// carried by photos are added to the local custom-mask library; as that library is
// only a copy, failing to add one does not make the file damaged.
class ProjectFileReader {
public:
    // What a damaged file still held: the items before the damage.
    struct Salvage {
        Status status;
        int itemsRead = 0;
        int itemsAnnounced = -1; // the header's count; -1 when the header is damaged
        bool replaced = false;   // the collage now holds the items read
        // Why a custom mask the file carries could not join the mask library (a full
        // disk): the collage still has it, but other collages will not find it.
        Status masksKept;
    };

    // Replaces the collage's contents by a file read whole; on success the modified
    // flag is cleared. Any failure leaves the collage exactly as it was.
    static Status open(CollageProject& project, const QString& path);
    // As open(), but a file damaged after its first intact items still replaces the
    // collage by those items (marked modified, since the collage is not the file).
    static Salvage openIntactItems(CollageProject& project, const QString& path);

    // Stream reads into the given collage, which is emptied first: on failure it
    // holds what was read before the damage.
    static Status read(CollageProject& project, BinaryReader& in);
    // Header and items only, as files without pixel pictures are read: whatever
    // follows the items is left unread.
    static Status readItems(CollageProject& project, BinaryReader& in);

private:
    static Salvage readFile(CollageProject& fresh, const QString& path);
    static Status readItems(CollageProject& project, BinaryReader& in, Salvage* salvage);
    static Status read(CollageProject& project, BinaryReader& in, Salvage* salvage);
    static Status readItem(CollageProject& project, BinaryReader& in, int entry, Salvage* salvage);
};

} // namespace montora
