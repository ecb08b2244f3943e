// Resource packs: the reader record by record, then a whole import into an empty
// library, which must add every record or none and record the pack's name only
// when it added them.
#include "fuzz_support.h"

#include "library/imported_pack_list.h"
#include "library/library_file.h"
#include "library/library_files.h"
#include "library/mask_library.h"
#include "library/resource_pack.h"
#include "library/resource_pack_importer.h"
#include "library/resource_pack_reader.h"

#include <QFile>
#include <QFileInfo>

MONTORA_FUZZ_INITIALISE

using namespace montora;

namespace {

int countOf(const QString& path, LibraryLayout layout)
{
    if (!QFileInfo::exists(path))
        return 0;
    const LibraryListing listing = LibraryFile(path, layout).list();
    if (!listing.damage)
        fuzz::fail("an import left a damaged library file:", path + ' ' + listing.damage.message());
    return listing.count;
}

// The built-in masks, installed once and put back before each input.
const QByteArray& builtIn(const QString& fileName)
{
    static const bool installed = MaskLibrary(fuzz::scratchFolder()).ensureBuiltInMasks().isOk();
    static QByteArray masks, thumbnails;
    if (masks.isEmpty() && installed) {
        QFile m(fuzz::scratchFolder() + LibraryFiles::kMasks), t(fuzz::scratchFolder() + LibraryFiles::kMaskThumbnails);
        if (m.open(QIODevice::ReadOnly))
            masks = m.readAll();
        if (t.open(QIODevice::ReadOnly))
            thumbnails = t.readAll();
    }
    return fileName == LibraryFiles::kMasks ? masks : thumbnails;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::clearScratch();
    const QString path = fuzz::writeScratch(QStringLiteral("pack.irs"), fuzz::bytesOf(data, size));
    ResourcePackReader reader;
    if (!reader.open(path))
        return 0;
    const ResourceKind kind = reader.kind();
    while (!reader.atEnd() && reader.next())
        ;

    if (kind == ResourceKind::Masks) {
        fuzz::writeScratch(LibraryFiles::kMasks, builtIn(LibraryFiles::kMasks));
        fuzz::writeScratch(LibraryFiles::kMaskThumbnails, builtIn(LibraryFiles::kMaskThumbnails));
    }
    const QString folder = fuzz::scratchFolder();
    const QString thumbnails = folder + ResourcePack::thumbnailFile(kind);
    const auto pictureFile = ResourcePack::pictureFile(kind);
    const QString pictures = pictureFile ? folder + *pictureFile : QString();
    const LibraryLayout pictureLayout = ResourcePack::pictureLayout(kind);
    const int thumbnailsBefore = countOf(thumbnails, LibraryLayout::Thumbnail);
    const int picturesBefore = pictureFile ? countOf(pictures, pictureLayout) : 0;

    const PackImportResult result = ResourcePackImporter(folder).import(path);
    const int added = countOf(thumbnails, LibraryLayout::Thumbnail) - thumbnailsBefore;
    if (pictureFile && countOf(pictures, pictureLayout) - picturesBefore != added)
        fuzz::fail("an import left the thumbnails and the pictures out of step");
    const auto names = ImportedPackList(folder + LibraryFiles::kImportedPacks).names();
    const bool recorded = names && names->contains(QStringLiteral("pack.irs"));
    if (result.outcome == PackImportResult::Outcome::Imported) {
        if (added != result.declared || !recorded)
            fuzz::fail("an import said it added the pack but did not");
    } else if (added != 0 || recorded) {
        fuzz::fail("a failed import kept records or the pack's name:", result.message);
    }
    return 0;
}
