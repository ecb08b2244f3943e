// Library files of raw pictures (clipart, brushes, decoration styles and the
// thumbnails of the picture libraries): the walk, each picture, the tint, and an
// append, after which the count must still equal the records.
#include "fuzz_support.h"

#include "library/library_appender.h"
#include "library/library_files.h"
#include "library/library_reader.h"
#include "library/thumbnail_library_file.h"

#include <QImage>

MONTORA_FUZZ_INITIALISE

using namespace montora;

namespace {

void appendOne(const QString& path, LibraryLayout layout, const LibraryRecord& record)
{
    const int before = LibraryFile(path, layout).list().count;
    LibraryAppender appender(path, layout);
    if (!appender.begin() || !appender.add(record) || !appender.commit())
        return; // a damaged file is refused as it is
    const LibraryListing after = LibraryFile(path, layout).list();
    if (!after.damage)
        fuzz::fail("an append left a damaged file:", after.damage.message());
    if (after.count != qMax(before, 0) + 1 && after.count != 1)
        fuzz::fail("an append did not add exactly one record");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::clearScratch();
    const QString path = fuzz::writeScratch(LibraryFiles::kClipart, fuzz::bytesOf(data, size));
    const ThumbnailLibraryFile file(path);
    const LibraryListing listing = file.list();
    const LibraryReader reader(fuzz::scratchFolder());
    const LibraryContents all = reader.thumbnails(LibraryFiles::kClipart);
    if (all.records.size() != listing.headers.size())
        fuzz::fail("the walk and the full read disagree on the records");
    for (int i = 0; i < int(listing.headers.size()) && i < 4; ++i) {
        (void)file.image(i);
        (void)reader.libraryPicture(i, 0x203040);
    }
    (void)file.record(listing.count); // one past the end must be refused
    LibraryRecord record;
    record.width = 2;
    record.height = 1;
    record.payload = QByteArray(8, '\x7f');
    appendOne(path, LibraryLayout::Thumbnail, record);
    return 0;
}
