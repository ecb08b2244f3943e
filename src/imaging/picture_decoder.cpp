#include "imaging/picture_decoder.h"

#include "imaging/bmp_reader.h"
#include "imaging/image_library.h"
#include "imaging/jpeg_completeness.h"
#include "imaging/picture_format.h"
#include "imaging/picture_limits.h"
#include "imaging/png_reader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace montora {

namespace {

bool turnsQuarter(QImageIOHandler::Transformations transformation)
{
    return transformation & QImageIOHandler::TransformationRotate90;
}

QSize upright(const QSize& stored, QImageIOHandler::Transformations transformation)
{
    return turnsQuarter(transformation) ? stored.transposed() : stored;
}

// The largest DCT reduction (1/2, 1/4, 1/8) whose result still covers `want`.
QSize reducedJpegSize(const QSize& stored, const QSize& want)
{
    for (int factor : {8, 4, 2}) {
        const QSize reduced(stored.width() / factor, stored.height() / factor);
        if (reduced.width() >= want.width() && reduced.height() >= want.height() && !reduced.isEmpty())
            return reduced;
    }
    return QSize();
}

Status checkReadable(const QString& path)
{
    QFileInfo info(path);
    if (!info.exists())
        return Status::error(QStringLiteral("\"%1\" does not exist.").arg(path));
    if (!info.isFile() || !info.isReadable())
        return Status::error(QStringLiteral("\"%1\" cannot be read.").arg(path));
    if (info.size() == 0)
        return Status::error(QStringLiteral("\"%1\" is empty.").arg(path));
    return Status::ok();
}

bool qtShouldTry(const QString& path) { return !PictureFormat::isMetafile(path); }

// Qt's readers that may decode a file. Others sniff too eagerly (the ICO and WBMP
// readers take many headerless files, TGA among them, for their own) and are left to
// the image library. TIFF is the image library's as well: both link libtiff, whose
// error handler the image library installs for the whole process.
bool qtReaderAccepted(QImageReader& reader)
{
    static const QList<QByteArray> accepted = {"bmp", "gif", "jpeg", "png", "pbm", "pgm", "ppm", "tga", "webp"};
    return accepted.contains(reader.format()) && reader.canRead();
}

Result<DecodedPicture> decodeWithImageLibrary(const QString& path)
{
    MONTORA_TRY_ASSIGN(image, ImageLibrary::decodeFile(path, PictureFormat::codeForPath(path)));
    const QSize size = image.size();
    return DecodedPicture{std::move(image), DecodePath::ImageLibrary, size};
}

std::optional<QImage> readPlainPng(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return PngReader::readPlain(file.readAll());
}

} // namespace

Result<DecodedPicture> PictureDecoder::decode(const QString& path) { return decodeWith(path, QSize()); }

Result<DecodedPicture> PictureDecoder::decodeReduced(const QString& path, const QSize& atLeast)
{
    return decodeWith(path, atLeast);
}

Result<DecodedPicture> PictureDecoder::decodeWith(const QString& path, const QSize& atLeast)
{
    MONTORA_TRY(checkReadable(path));
    if (qtShouldTry(path)) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        if (qtReaderAccepted(reader)) {
            const QSize stored = reader.size();
            const auto transformation = reader.transformation();
            if (stored.isValid())
                MONTORA_TRY(PictureLimits::check(stored));
            if (atLeast.isValid() && stored.isValid() && reader.format() == "jpeg") {
                const QSize reduced = reducedJpegSize(stored, upright(atLeast, transformation));
                if (reduced.isValid())
                    reader.setScaledSize(reduced);
            }
            if (reader.format() == "bmp")
                if (std::optional<BmpReader::Loaded> loaded = BmpReader::load(path)) {
                    QImage plain = BmpReader::toImage(loaded->picture());
                    if (!plain.isNull()) {
                        const QSize full = plain.size();
                        return DecodedPicture{std::move(plain), DecodePath::Qt, full};
                    }
                }
            if (reader.format() == "png")
                if (std::optional<QImage> plain = readPlainPng(path)) {
                    const QSize full = plain->size();
                    return DecodedPicture{std::move(*plain), DecodePath::Qt, full};
                }
            // A file Qt recognises but cannot decode is damaged; the image library,
            // which shares the codecs, would do no better.
            QImage image;
            if (!reader.read(&image))
                return Result<DecodedPicture>::error(
                    QStringLiteral("\"%1\" cannot be decoded: %2").arg(path, reader.errorString()));
            MONTORA_TRY(PictureLimits::check(image.size()));
            const QSize full = stored.isValid() ? upright(stored, transformation) : image.size();
            return DecodedPicture{std::move(image), DecodePath::Qt, full};
        }
    }
    return decodeWithImageLibrary(path);
}

Result<QSize> PictureDecoder::size(const QString& path)
{
    MONTORA_TRY(checkReadable(path));
    if (qtShouldTry(path)) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        if (qtReaderAccepted(reader)) {
            const QSize stored = reader.size();
            if (stored.isValid()) {
                MONTORA_TRY(PictureLimits::check(stored));
                return upright(stored, reader.transformation());
            }
            // A reader that cannot tell its size from the header: decode to find out.
            QImage image;
            if (reader.read(&image))
                return image.size();
        }
    }
    MONTORA_TRY_ASSIGN(bytes, PictureLimits::readFile(path));
    const int code = PictureFormat::codeForPath(path);
    if (PictureFormat::isEmf(path)) {
        MONTORA_TRY_ASSIGN(image, ImageLibrary::decode(bytes, code, path));
        return image.size();
    }
    MONTORA_TRY_ASSIGN(size, ImageLibrary::ping(bytes, code, path));
    MONTORA_TRY(PictureLimits::check(size));
    return size;
}

bool PictureDecoder::isCutShort(const QString& path) { return JpegCompleteness::isCutFile(path); }

Result<DecodePath> PictureDecoder::pathFor(const QString& path)
{
    MONTORA_TRY(checkReadable(path));
    if (qtShouldTry(path)) {
        QImageReader reader(path);
        if (qtReaderAccepted(reader))
            return DecodePath::Qt;
    }
    return DecodePath::ImageLibrary;
}

} // namespace montora
