// Pictures held in memory, as library records and packs carry them: through Qt's
// readers and the image library (MemoryPictureDecoder), with and without a size
// the record promises, and straight through the image library with the format
// code the first byte chooses.
#include "fuzz_support.h"

#include "imaging/image_library.h"
#include "imaging/memory_picture_decoder.h"
#include "imaging/picture_format.h"

#include <QImage>

MONTORA_FUZZ_INITIALISE

using namespace montora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::Split input = fuzz::splitFirstByte(data, size, FormatRas + 1);
    const QString name = QStringLiteral("fuzzed record");
    auto picture = MemoryPictureDecoder::decode(input.rest, name);
    if (picture && picture->format() != QImage::Format_ARGB32)
        fuzz::fail("a decoded record is not ARGB32");
    if (picture) // a damaged file's header may disagree with its pixels: refused, not read past
        (void)MemoryPictureDecoder::decode(input.rest, name, picture->size());
    if (input.choice != FormatMetafile) { // metafiles take the EMF path below
        auto pinged = ImageLibrary::ping(input.rest, input.choice, name);
        (void)pinged;
        (void)ImageLibrary::decode(input.rest, input.choice, name);
    }
    return 0;
}
