// Picture files as the photo library and the canvas open them: by path, Qt's
// readers first and the image library after, the EXIF orientation, the header
// sizes and the reduced decoding of large JPEGs. The first byte chooses the
// file's extension, which decides the path a file takes.
#include "fuzz_support.h"

#include "imaging/picture_decoder.h"

MONTORA_FUZZ_INITIALISE

using namespace montora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const char* const extensions[] = {"jpg", "png", "bmp", "gif", "tif", "tga", "pcx", "ico",
                                             "wbmp", "pnm", "ras", "wmf", "emf", "jp2", "webp", "dat"};
    const fuzz::Split input = fuzz::splitFirstByte(data, size, int(std::size(extensions)));
    fuzz::clearScratch();
    const QString path =
        fuzz::writeScratch(QStringLiteral("in.") + QLatin1String(extensions[input.choice]), input.rest);
    (void)PictureDecoder::pathFor(path);
    (void)PictureDecoder::size(path);
    (void)PictureDecoder::decode(path);
    (void)PictureDecoder::decodeReduced(path, QSize(16, 16));
    return 0;
}
