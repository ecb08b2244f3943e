// Library files of encoded pictures, in the three layouts the first byte chooses:
// plain (imported decorations), with mask keys (masks and the custom-mask copy)
// and with frame insets (frames). Each record is decoded as the panels and the
// canvas decode it, and an append must leave the count equal to the records.
#include "fuzz_support.h"

#include "library/library_appender.h"
#include "library/library_files.h"
#include "library/library_reader.h"
#include "library/mask_library.h"
#include "library/picture_library_file.h"

MONTORA_FUZZ_INITIALISE

using namespace montora;

namespace {

struct Variant {
    LibraryLayout layout;
    const QString& fileName;
};

void appendOne(const QString& path, LibraryLayout layout)
{
    LibraryRecord record;
    record.width = 1;
    record.height = 1;
    record.payload = QByteArray("not a picture");
    const LibraryListing before = LibraryFile(path, layout).list();
    LibraryAppender appender(path, layout);
    if (!appender.begin() || !appender.add(record) || !appender.commit())
        return;
    const LibraryListing after = LibraryFile(path, layout).list();
    if (!after.damage)
        fuzz::fail("an append left a damaged file:", after.damage.message());
    if (after.count != before.count + 1 && after.count != 1)
        fuzz::fail("an append did not add exactly one record");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Variant variants[] = {{LibraryLayout::Picture, LibraryFiles::kDecorations},
                                       {LibraryLayout::PictureWithKey, LibraryFiles::kMasks},
                                       {LibraryLayout::PictureWithInsets, LibraryFiles::kFrames}};
    const fuzz::Split input = fuzz::splitFirstByte(data, size, 3);
    const Variant& variant = variants[input.choice];
    fuzz::clearScratch();
    const QString path = fuzz::writeScratch(variant.fileName, input.rest);
    const PictureLibraryFile file(path, variant.layout);
    const LibraryListing listing = file.list();
    const int records = int(listing.headers.size());
    for (int i = 0; i < records && i < 3; ++i)
        (void)file.picture(i);

    const LibraryReader reader(fuzz::scratchFolder());
    const MaskLibrary masks(fuzz::scratchFolder());
    switch (variant.layout) {
    case LibraryLayout::PictureWithInsets:
        for (int i = 0; i < records && i < 3; ++i) {
            (void)reader.frameInsets(i);
            (void)reader.framePicture(i);
        }
        break;
    case LibraryLayout::PictureWithKey:
        fuzz::writeScratch(LibraryFiles::kCustomMasks, input.rest);
        for (int i = 0; i < records && i < 3; ++i) {
            (void)masks.maskPixels(i);
            (void)masks.maskReference(i);
            (void)masks.customMaskPixels(listing.headers[size_t(i)].key());
        }
        (void)masks.rebuildCustomCopy();
        break;
    default:
        break;
    }
    appendOne(path, variant.layout);
    return 0;
}
