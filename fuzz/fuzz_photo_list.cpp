// The photo list ("srcmedia.cfg"): what loads, damaged or not, must save and load
// back to the same entries (positions are renumbered on load).
#include "fuzz_support.h"

#include "library/library_files.h"
#include "library/photo_list.h"

#include <QFile>

MONTORA_FUZZ_INITIALISE

using namespace montora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::clearScratch();
    fuzz::writeScratch(LibraryFiles::kPhotoList, fuzz::bytesOf(data, size));
    PhotoList list;
    const PhotoList::LoadResult loaded = list.load(fuzz::scratchFolder());
    if (loaded.state == PhotoList::LoadState::Unreadable)
        return 0;
    const QByteArray saved = list.encode();
    fuzz::writeScratch(LibraryFiles::kPhotoList, saved);
    PhotoList again;
    const PhotoList::LoadResult reloaded = again.load(fuzz::scratchFolder());
    if (!reloaded.isOk())
        fuzz::fail("a saved photo list does not load again:", reloaded.message);
    std::size_t kept = 0;
    for (const PhotoListEntry& entry : list.entries()) {
        if (entry.record.isRemoved())
            continue;
        const PhotoListEntry* back = kept < again.entries().size() ? &again.entries()[kept] : nullptr;
        if (!back || back->record.path() != entry.record.path() || back->thumbnail != entry.thumbnail)
            fuzz::fail("a saved photo list loads back to other entries");
        ++kept;
    }
    if (kept != again.entries().size())
        fuzz::fail("a saved photo list loads back with another count");
    return 0;
}
