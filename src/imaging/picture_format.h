#pragma once

#include <QString>
#include <QStringList>

namespace montora {

// Image-library format codes, chosen from a file's extension.
enum FormatCode : int {
    FormatUnknown = 0,
    FormatBmp = 1,
    FormatGif = 2,
    FormatJpeg = 3,
    FormatPng = 4,
    FormatIco = 5,
    FormatTiff = 6,
    FormatTga = 7,
    FormatPcx = 8,
    FormatWbmp = 9,
    FormatMetafile = 10,
    FormatJp2 = 11,
    FormatJpc = 12,
    FormatPgx = 13,
    FormatPnm = 14,
    FormatRas = 15,
};

class PictureFormat {
public:
    // Exact match of the lower-case extension (no dot); anything else is FormatUnknown.
    static int findImageType(const QString& lowerExtension);
    // The text after the last '.', or a null string when the path has none.
    static QString extensionOf(const QString& path);
    static int codeForPath(const QString& path) { return findImageType(extensionOf(path).toLower()); }
    // ".WMF" and ".EMF" always take the image-library path.
    static bool isMetafile(const QString& path);
    static bool isEmf(const QString& path);

    // The upper-case extensions recognised as pictures, in the design's order.
    static const QStringList& pictureExtensions();
    static bool isPictureFile(const QString& path);

    // File-dialog filters in the "label|patterns|...||" form.
    static QString addPhotosFilter();
    static QString saveCollageFilter();
    static QString customMaskFilter();
};

} // namespace montora
