#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace montora {

// The image library (GraphicsMagick, and libemf2svg with Qt SVG for EMF): the
// formats Qt cannot read or write, and the metafiles. All of its exceptions stop
// here and become a Result.
class ImageLibrary {
public:
    // Starts the library once per process, without its signal handlers. Safe to call again.
    static void initialise(const char* programPath = nullptr);

    // Header only: the size of a picture held in `bytes`, read as format `code`
    // (0: probe the content).
    static Result<QSize> ping(const QByteArray& bytes, int code, const QString& nameForErrors);
    // Decodes to ARGB32; refuses pictures over the size limits before decoding.
    static Result<QImage> decode(const QByteArray& bytes, int code, const QString& nameForErrors);
    static Result<QImage> decodeFile(const QString& path, int code);
    // The same reads in this process, WMF included, whose libwmf prints to stdout
    // and stderr: only for the metafile reader's helper and the fuzzers (ping() and
    // decode() send a WMF to the helper).
    static Result<QSize> pingHere(const QByteArray& bytes, int code, const QString& nameForErrors);
    static Result<QImage> decodeHere(const QByteArray& bytes, int code, const QString& nameForErrors);
    // Encodes an image as `code` (BMP, GIF, JPEG, PNG, TIFF with LZW, TGA, PCX, PNM).
    static Result<QByteArray> encode(const QImage& image, int code, int jpegQuality = 90);
    // Encodes with a GraphicsMagick format name ("PCX", "PPM", "PGM", "TIFF", ...).
    static Result<QByteArray> encodeAs(const QImage& image, const char* magick, int jpegQuality = 90);

    // The GraphicsMagick format name for a code, empty for "probe".
    static const char* magickName(int code);

private:
    static Result<QImage> decodeEmf(const QByteArray& bytes, const QString& nameForErrors);
};

} // namespace montora
