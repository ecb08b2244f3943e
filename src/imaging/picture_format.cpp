#include "imaging/picture_format.h"

#include <QHash>

namespace montora {

int PictureFormat::findImageType(const QString& ext)
{
    static const QHash<QString, int> codes = {
        {"bmp", FormatBmp},  {"jpg", FormatJpeg},      {"jpeg", FormatJpeg},     {"gif", FormatGif},
        {"png", FormatPng},  {"ico", FormatIco},       {"tiff", FormatTiff},     {"tif", FormatTiff},
        {"tga", FormatTga},  {"pcx", FormatPcx},       {"wbmp", FormatWbmp},     {"wmf", FormatMetafile},
        {"emf", FormatMetafile}, {"jp2", FormatJp2},   {"j2k", FormatJp2},       {"jpc", FormatJpc},
        {"j2c", FormatJpc},  {"pgx", FormatPgx},       {"ras", FormatRas},       {"pnm", FormatPnm},
        {"pgm", FormatPnm},  {"ppm", FormatPnm},
    };
    return codes.value(ext, FormatUnknown);
}

QString PictureFormat::extensionOf(const QString& path)
{
    const int dot = path.lastIndexOf('.');
    if (dot < 0)
        return QString();
    return path.mid(dot + 1);
}

bool PictureFormat::isMetafile(const QString& path)
{
    const QString ext = extensionOf(path).toUpper();
    return ext == QLatin1String("WMF") || ext == QLatin1String("EMF");
}

bool PictureFormat::isEmf(const QString& path) { return extensionOf(path).toUpper() == QLatin1String("EMF"); }

const QStringList& PictureFormat::pictureExtensions()
{
    static const QStringList list = {".JPG", ".JPEG", ".GIF", ".BMP", ".TIFF", ".TIF",
                                     ".PNG", ".PNM",  ".TGA", ".PCX", ".WMF",  ".EMF"};
    return list;
}

bool PictureFormat::isPictureFile(const QString& path)
{
    const QString ext = extensionOf(path);
    return !ext.isNull() && pictureExtensions().contains('.' + ext.toUpper());
}

QString PictureFormat::addPhotosFilter()
{
    return QStringLiteral(
        "(all picture files)|*.jpg;*.jpeg;*.gif;*.bmp;*.png;*.wmf;*.emf;*.pcx;*.pnm;*.tif;*tiff|(*.jpg)|*.jpg|"
        "(*.jpeg)|*.jpeg|(*.gif)|*.gif|(*.bmp)|*.bmp|(*.png)|*.png|(*.wmf)|*.wmf|(*.emf)|*.emf|(*.pcx)|*.pcx|"
        "(*.pnm)|*.pnm|(*.tif)|*.tif|(*.tiff)|*.tiff||");
}

QString PictureFormat::saveCollageFilter()
{
    return QStringLiteral("(*.jpg)|*.jpg|(*.jpeg)|*.jpeg|(*.bmp)|*.bmp|(*.gif)|*.gif|(*.png)|*.png|(*.pcx)|*.pcx|"
                          "(*.pnm)|*.pnm|(*.tif)|*.tif|(*.tiff)|*.tiff||");
}

QString PictureFormat::customMaskFilter()
{
    return QStringLiteral("(*.jpg;*.bmp;*.png)|*.jpg;*.bmp;*.png|(*.jpg)|*.jpg|(*.bmp)|*.bmp|(*.png)|*.png||");
}

} // namespace montora
