#include "imaging/file_filter.h"

#include "base/atomic_file.h"
#include "imaging/bmp_writer.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_format.h"
#include "imaging/picture_saver.h"

namespace montora {

namespace {

// What the picture would have after Qt's reader: the file's, else a new picture's.
QSize resolutionOf(const BmpReader::Plain& plain)
{
    const QImage fresh(1, 1, QImage::Format_RGB32);
    return {plain.dotsPerMeter.width() > 0 ? plain.dotsPerMeter.width() : fresh.dotsPerMeterX(),
            plain.dotsPerMeter.height() > 0 ? plain.dotsPerMeter.height() : fresh.dotsPerMeterY()};
}

} // namespace

Result<FileFilter> FileFilter::open(const QString& path)
{
    FileFilter source;
    if (!PictureFormat::isMetafile(path))
        source.m_loaded = BmpReader::load(path);
    if (!source.m_loaded) {
        MONTORA_TRY_ASSIGN(decoded, PictureDecoder::decode(path));
        source.m_decoded = std::move(decoded.image);
    }
    return source;
}

Status FileFilter::saveFiltered(EffectFilter::Kind kind, const QString& path, const EffectFilter::Options& options) const
{
    if (!m_loaded) {
        MONTORA_TRY_ASSIGN(filtered, EffectFilter::apply(kind, m_decoded, options));
        return PictureSaver::saveByExtension(filtered, path);
    }
    const BmpReader::Plain& plain = m_loaded->picture();
    const QSize size(plain.rows.width, plain.rows.height);
    const QSize resolution = resolutionOf(plain);
    if (PictureFormat::extensionOf(path).toLower() == QLatin1String("bmp")) {
        MONTORA_TRY_ASSIGN(blank, BmpWriter::blank(size, resolution));
        MONTORA_TRY(EffectFilter::apply(kind, plain.rows, blank.rows, options));
        return AtomicFile::write(path, blank.bytes);
    }
    QImage filtered(size, QImage::Format_BGR888);
    if (filtered.isNull())
        return Status::error(
            QStringLiteral("There is not enough memory to filter a %1 x %2 picture.").arg(size.width()).arg(size.height()));
    filtered.setDotsPerMeterX(resolution.width());
    filtered.setDotsPerMeterY(resolution.height());
    const PixelRows rows{filtered.bits(), filtered.bytesPerLine(), size.width(), size.height(), ChannelOrder::Bgr};
    MONTORA_TRY(EffectFilter::apply(kind, plain.rows, rows, options));
    return PictureSaver::saveByExtension(filtered.convertToFormat(QImage::Format_RGB888), path);
}

} // namespace montora
