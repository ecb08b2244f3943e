#include "imaging/picture_saver.h"

#include "base/atomic_file.h"
#include "imaging/image_encoder.h"
#include "imaging/image_library.h"
#include "imaging/picture_format.h"

#include <QHash>

namespace montora {

namespace {

bool goesToEncoder(const QString& ext)
{
    static const QStringList list = {"jpg", "jpeg", "gif", "bmp", "png"};
    return list.contains(ext);
}

const char* imageLibraryFormat(const QString& ext)
{
    static const QHash<QString, const char*> formats = {
        {"pcx", "PCX"}, {"pnm", "PNM"}, {"ppm", "PPM"}, {"pgm", "PGM"},
        {"tif", "TIFF"}, {"tiff", "TIFF"}, {"tga", "TGA"},
    };
    return formats.value(ext, nullptr);
}

} // namespace

QStringList PictureSaver::writableExtensions()
{
    return {"jpg", "jpeg", "gif", "bmp", "png", "pcx", "pnm", "ppm", "pgm", "tif", "tiff", "tga"};
}

bool PictureSaver::canSave(const QString& path)
{
    const QString ext = PictureFormat::extensionOf(path).toLower();
    return goesToEncoder(ext) || imageLibraryFormat(ext);
}

Status PictureSaver::saveByExtension(const QImage& image, const QString& path)
{
    const QString ext = PictureFormat::extensionOf(path).toLower();
    if (goesToEncoder(ext)) {
        ImageEncoder encoder(path);
        encoder.setQuality(90);
        return encoder.save(image, path);
    }
    const char* format = imageLibraryFormat(ext);
    if (!format)
        return Status::error(QStringLiteral("Cannot save \"%1\": the extension \"%2\" names no picture format that "
                                            "can be written.")
                                 .arg(path, ext));
    MONTORA_TRY_ASSIGN(bytes, ImageLibrary::encodeAs(image, format));
    return AtomicFile::write(path, bytes);
}

} // namespace montora
