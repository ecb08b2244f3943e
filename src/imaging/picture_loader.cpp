#include "imaging/picture_loader.h"

#include "base/atomic_file.h"
#include "imaging/image_library.h"
#include "imaging/picture_format.h"
#include "imaging/picture_limits.h"

namespace montora {

Status PictureLoader::load(const QString& path)
{
    const QString extension = PictureFormat::extensionOf(path);
    if (extension.isNull())
        return Status::error(QStringLiteral("\"%1\" has no extension.").arg(path));
    const int code = PictureFormat::findImageType(extension.toLower());
    release();
    MONTORA_TRY_ASSIGN(image, ImageLibrary::decodeFile(path, code));
    m_image = std::move(image);
    return Status::ok();
}

Status PictureLoader::fromRaw24(const uchar* bits, int width, int height)
{
    release();
    if (!bits || width <= 0 || height <= 0)
        return Status::error(QStringLiteral("There is no picture to take."));
    MONTORA_TRY(PictureLimits::check(QSize(width, height)));
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return Status::error(QStringLiteral("Not enough memory for a %1 x %2 picture.").arg(width).arg(height));
    // Rows are packed (width * 3 bytes); the bottom row comes first.
    const qsizetype rowBytes = qsizetype(width) * 3;
    for (int row = 0; row < height; ++row) {
        const uchar* source = bits + qsizetype(height - 1 - row) * rowBytes;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int x = 0; x < width; ++x, source += 3)
            target[x] = qRgb(source[2], source[1], source[0]);
    }
    m_image = std::move(image);
    return Status::ok();
}

void PictureLoader::resampleNearest(int width, int height)
{
    if (!m_image.isNull() && width > 0 && height > 0)
        m_image = m_image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

Status PictureLoader::save(const QString& path, int code) const
{
    if (m_image.isNull())
        return Status::error(QStringLiteral("There is no picture to save."));
    MONTORA_TRY_ASSIGN(bytes, ImageLibrary::encode(m_image, code));
    return AtomicFile::write(path, bytes);
}

} // namespace montora
