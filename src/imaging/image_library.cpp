#include "imaging/image_library.h"

#include "base/binary_reader.h"

#include "imaging/metafile_reader.h"
#include "imaging/picture_format.h"
#include "imaging/picture_limits.h"

#include <Magick++.h>
#include <emf2svg.h>
#include <tiffio.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>
#include <mutex>
#include <optional>

using namespace MagickLib;

namespace montora {

namespace {

std::once_flag g_initOnce;

// libtiff's error and warning handlers are process-wide, and GraphicsMagick points
// them at its own, which only work while one of its reads or writes runs. Qt's
// TIFF reader shares that libtiff: a damaged TIFF that Qt read after the image
// library had touched any TIFF called them and aborted the program. The handlers
// found at start-up go back after every call into the image library.
struct TiffHandlers {
    TIFFErrorHandler error = nullptr;
    TIFFErrorHandler warning = nullptr;
    TIFFErrorHandlerExt errorExt = nullptr;
    TIFFErrorHandlerExt warningExt = nullptr;

    static TiffHandlers current()
    {
        TiffHandlers handlers;
        handlers.error = TIFFSetErrorHandler(nullptr);
        handlers.warning = TIFFSetWarningHandler(nullptr);
        handlers.errorExt = TIFFSetErrorHandlerExt(nullptr);
        handlers.warningExt = TIFFSetWarningHandlerExt(nullptr);
        handlers.install();
        return handlers;
    }
    void install() const
    {
        TIFFSetErrorHandler(error);
        TIFFSetWarningHandler(warning);
        TIFFSetErrorHandlerExt(errorExt);
        TIFFSetWarningHandlerExt(warningExt);
    }
};
TiffHandlers g_tiffHandlers;

class RestoreTiffHandlers {
public:
    RestoreTiffHandlers() = default;
    RestoreTiffHandlers(const RestoreTiffHandlers&) = delete;
    RestoreTiffHandlers& operator=(const RestoreTiffHandlers&) = delete;
    ~RestoreTiffHandlers() { g_tiffHandlers.install(); }
};

QString describe(const std::exception& error, const QString& name)
{
    return QStringLiteral("The image library cannot read \"%1\": %2").arg(name, QString::fromLocal8Bit(error.what()));
}

void prepareForRead(Magick::Image& image, int code)
{
    image.quiet(true);
    if (code == FormatMetafile)
        image.density(Magick::Geometry(96, 96));
    if (const char* name = ImageLibrary::magickName(code); name[0] != '\0')
        image.magick(name);
}

QImage toQImage(Magick::Image& image)
{
    const int width = int(image.columns());
    const int height = int(image.rows());
    QImage result(width, height, QImage::Format_ARGB32);
    if (result.isNull())
        return result;
    // ARGB32 is B,G,R,A in memory; write row by row since QImage rows are aligned.
    for (int y = 0; y < height; ++y)
        image.write(0, y, width, 1, "BGRA", Magick::CharPixel, result.scanLine(y));
    return result;
}

} // namespace

void ImageLibrary::initialise(const char* programPath)
{
    std::call_once(g_initOnce, [programPath] {
        g_tiffHandlers = TiffHandlers::current();
        ExceptionInfo exception;
        GetExceptionInfo(&exception);
        InitializeMagickEx(programPath, MAGICK_OPT_NO_SIGNAL_HANDER, &exception);
        DestroyExceptionInfo(&exception);
        SetMagickResourceLimit(WidthResource, PictureLimits::kMaxSide);
        SetMagickResourceLimit(HeightResource, PictureLimits::kMaxSide);
        SetMagickResourceLimit(PixelsResource, PictureLimits::kMaxPixels);
        // Our own checks keep pictures within the limits; let Qt allocate up to them.
        QImageReader::setAllocationLimit(int(PictureLimits::kMaxPixels * 4 / (1024 * 1024)) + 64);
    });
}

const char* ImageLibrary::magickName(int code)
{
    switch (code) {
    case FormatBmp: return "BMP";
    case FormatGif: return "GIF";
    case FormatJpeg: return "JPEG";
    case FormatPng: return "PNG";
    case FormatIco: return "ICO";
    case FormatTiff: return "TIFF";
    case FormatTga: return "TGA";
    case FormatPcx: return "PCX";
    case FormatWbmp: return "WBMP";
    case FormatMetafile: return "WMF";
    case FormatJp2: return "JP2";
    case FormatJpc: return "JPC";
    case FormatPnm: return "PNM";
    case FormatRas: return "SUN";
    default: return "";
    }
}

Result<QSize> ImageLibrary::ping(const QByteArray& bytes, int code, const QString& name)
{
    if (bytes.isEmpty())
        return Result<QSize>::error(QStringLiteral("\"%1\" is empty.").arg(name));
    if (MetafileReader::isWmf(bytes, code))
        return MetafileReader::ping(bytes, name);
    return pingHere(bytes, code, name);
}

Result<QImage> ImageLibrary::decode(const QByteArray& bytes, int code, const QString& name)
{
    if (bytes.isEmpty())
        return Result<QImage>::error(QStringLiteral("\"%1\" is empty.").arg(name));
    // The metafile code also covers EMF, which the image library cannot draw.
    if (code == FormatMetafile && MetafileReader::isEmf(bytes))
        return decodeEmf(bytes, name);
    if (MetafileReader::isWmf(bytes, code))
        return MetafileReader::decode(bytes, name);
    return decodeHere(bytes, code, name);
}

Result<QSize> ImageLibrary::pingHere(const QByteArray& bytes, int code, const QString& name)
{
    initialise();
    const RestoreTiffHandlers restore;
    if (bytes.isEmpty())
        return Result<QSize>::error(QStringLiteral("\"%1\" is empty.").arg(name));
    try {
        Magick::Image image;
        prepareForRead(image, code);
        image.ping(Magick::Blob(bytes.constData(), size_t(bytes.size())));
        return QSize(int(qMin<size_t>(image.columns(), INT_MAX)), int(qMin<size_t>(image.rows(), INT_MAX)));
    } catch (const std::exception& error) {
        return Result<QSize>::error(describe(error, name));
    }
}

Result<QImage> ImageLibrary::decodeHere(const QByteArray& bytes, int code, const QString& name)
{
    initialise();
    if (bytes.isEmpty())
        return Result<QImage>::error(QStringLiteral("\"%1\" is empty.").arg(name));
    MONTORA_TRY_ASSIGN(size, pingHere(bytes, code, name));
    MONTORA_TRY(PictureLimits::check(size));
    const RestoreTiffHandlers restore;
    try {
        Magick::Image image;
        prepareForRead(image, code);
        image.read(Magick::Blob(bytes.constData(), size_t(bytes.size())));
        MONTORA_TRY(PictureLimits::check(QSize(int(image.columns()), int(image.rows()))));
        QImage result = toQImage(image);
        if (result.isNull())
            return Result<QImage>::error(QStringLiteral("Not enough memory for \"%1\".").arg(name));
        return result;
    } catch (const std::exception& error) {
        return Result<QImage>::error(describe(error, name));
    }
}

Result<QImage> ImageLibrary::decodeFile(const QString& path, int code)
{
    MONTORA_TRY_ASSIGN(bytes, PictureLimits::readFile(path));
    return decode(bytes, code, path);
}

namespace {

// Width and height of an EMF header's bounds, which include both edges.
std::optional<QSize> emfBoundsSize(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    BinaryReader in(buffer);
    if (!in.skip(8))
        return std::nullopt;
    auto left = in.readI32();
    auto top = left ? in.readI32() : left;
    auto right = top ? in.readI32() : top;
    auto bottom = right ? in.readI32() : right;
    if (!bottom)
        return std::nullopt;
    const qint64 width = qint64(*right) - *left + 1;
    const qint64 height = qint64(*bottom) - *top + 1;
    if (width < 1 || height < 1 || width > INT_MAX || height > INT_MAX)
        return std::nullopt;
    return QSize(int(width), int(height));
}

} // namespace

Result<QImage> ImageLibrary::decodeEmf(const QByteArray& bytes, const QString& name)
{
    generatorOptions options{};
    char emptyNamespace[] = "";
    options.nameSpace = emptyNamespace;
    options.svgDelimiter = true;
    options.emfplus = true;
    char* svg = nullptr;
    size_t svgLength = 0;
    QByteArray input = bytes; // emf2svg wants a writable buffer
    const int converted = emf2svg(input.data(), size_t(input.size()), &svg, &svgLength, &options);
    const QByteArray svgBytes = (converted == 1 && svg) ? QByteArray(svg, qsizetype(svgLength)) : QByteArray();
    std::free(svg);
    if (svgBytes.isEmpty())
        return Result<QImage>::error(QStringLiteral("\"%1\" is not a readable EMF file.").arg(name));
    QSvgRenderer renderer(svgBytes);
    if (!renderer.isValid())
        return Result<QImage>::error(QStringLiteral("\"%1\" is not a readable EMF file.").arg(name));
    // The header's bounds hold their last column and row, which the drawing's own
    // size leaves out: a 200 x 100 picture is 200 x 100, not 199 x 99.
    const QSize drawn = renderer.defaultSize();
    const std::optional<QSize> bounds = emfBoundsSize(bytes);
    const bool sameDrawing = bounds && std::abs(bounds->width() - drawn.width()) <= 1 &&
                             std::abs(bounds->height() - drawn.height()) <= 1;
    const QSize size = sameDrawing ? *bounds : drawn;
    MONTORA_TRY(PictureLimits::check(size));
    QImage image(size, QImage::Format_ARGB32);
    if (image.isNull())
        return Result<QImage>::error(QStringLiteral("Not enough memory for \"%1\".").arg(name));
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(drawn)));
    painter.end();
    return image;
}

Result<QByteArray> ImageLibrary::encode(const QImage& source, int code, int jpegQuality)
{
    if (magickName(code)[0] == '\0' || code == FormatMetafile)
        return Result<QByteArray>::error(QStringLiteral("The image library cannot write format %1.").arg(code));
    return encodeAs(source, magickName(code), jpegQuality);
}

Result<QByteArray> ImageLibrary::encodeAs(const QImage& source, const char* name, int jpegQuality)
{
    initialise();
    if (source.isNull())
        return Result<QByteArray>::error(QStringLiteral("There is no picture to write."));
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    // Rows of four-byte pixels have no padding unless the pixels belong to someone
    // else's buffer; only then is a packed copy needed.
    if (image.bytesPerLine() != qsizetype(image.width()) * 4)
        image = image.copy();
    const RestoreTiffHandlers restore;
    try {
        Magick::Image picture;
        picture.read(image.width(), image.height(), "BGRA", Magick::CharPixel, image.constBits());
        if (!image.hasAlphaChannel())
            picture.matte(false);
        picture.magick(name);
        if (qstrcmp(name, "TIFF") == 0)
            picture.compressType(Magick::LZWCompression);
        if (qstrcmp(name, "JPEG") == 0)
            picture.quality(size_t(jpegQuality));
        Magick::Blob blob;
        picture.write(&blob);
        return QByteArray(static_cast<const char*>(blob.data()), qsizetype(blob.length()));
    } catch (const std::exception& error) {
        return Result<QByteArray>::error(
            QStringLiteral("The image library cannot write the picture: %1").arg(QString::fromLocal8Bit(error.what())));
    }
}

} // namespace montora
