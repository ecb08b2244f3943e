#include "imaging/jpeg_completeness.h"

#include "imaging/picture_limits.h"

#include <QFile>

namespace montora {

namespace {

constexpr char kStartOfImage[] = "\xFF\xD8";
constexpr char kStartOfScan[] = "\xFF\xDA";
constexpr char kEndOfImage[] = "\xFF\xD9";

} // namespace

bool JpegCompleteness::isCut(QByteArrayView bytes)
{
    if (!bytes.startsWith(QByteArrayView(kStartOfImage, 2)))
        return false;
    // Inside a scan 0xFF is always followed by 0x00 or a restart marker, so the
    // last start-of-scan marker is the main picture's last scan (an EXIF
    // thumbnail's come before it), and its end-of-image marker must follow.
    const qsizetype scan = bytes.lastIndexOf(QByteArrayView(kStartOfScan, 2));
    if (scan < 0)
        return true;
    return bytes.indexOf(QByteArrayView(kEndOfImage, 2), scan + 2) < 0;
}

bool JpegCompleteness::isCutFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 2)
        return false;
    // Read rather than mapped: a mapped file cut or removed while it is scanned
    // would kill the program. One too large to be decoded is not judged.
    if (file.size() > PictureLimits::kMaxFileBytes)
        return false;
    return isCut(file.readAll());
}

} // namespace montora
