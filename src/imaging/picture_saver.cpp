#include "imaging/picture_saver.h"

#include "base/atomic_file.h"
#include "imaging/image_encoder.h"
#include "imaging/image_library.h"
#include "imaging/picture_format.h"
#include "imaging/tiff_writer.h"

#include <QHash>

namespace montora {

namespace {

bool goesToEncoder(const QString& ext)
{
    static const QStringList list = {"jpg", "jpeg", "gif", "bmp", "png"};
    return list.contains(ext);
}

bool isTiff(const QString& ext) { return ext == QLatin1String("tif") || ext == QLatin1String("tiff"); }

const char* imageLibraryFormat(const QString& ext)
{
    static const QHash<QString, const char*> formats = {
        {"pcx", "PCX"}, {"pnm", "PNM"}, {"ppm", "PPM"}, {"pgm", "PGM"},
        {"tga", "TGA"},
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
    return goesToEncoder(ext) || isTiff(ext) || imageLibraryFormat(ext);
}

Status PictureSaver::saveByExtension(const QImage& image, const QString& path)
{
    MONTORA_TRY_ASSIGN(bytes, encodeByExtension(image, path));
    return AtomicFile::write(path, bytes);
}

Result<QByteArray> PictureSaver::encodeByExtension(const QImage& image, const QString& path)
{
    const QString ext = PictureFormat::extensionOf(path).toLower();
    if (image.isNull())
        return Result<QByteArray>::error(QStringLiteral("There is no picture to write to \"%1\".").arg(path));
    if (goesToEncoder(ext)) {
        ImageEncoder encoder(path);
        encoder.setQuality(90);
        return encoder.encode(image);
    }
    if (isTiff(ext))
        return TiffWriter::encode(image);
    const char* format = imageLibraryFormat(ext);
    if (!format)
        return Result<QByteArray>::error(QStringLiteral("Cannot save \"%1\": the extension \"%2\" names no picture format that "
                                                        "can be written.")
                                             .arg(path, ext));
    return ImageLibrary::encodeAs(image, format);
}

} // namespace montora
