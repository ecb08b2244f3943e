#include "tools/batch_converter.h"

#include "base/atomic_file.h"
#include "imaging/image_encoder.h"
#include "imaging/image_library.h"
#include "imaging/picture_decoder.h"
#include "imaging/picture_format.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <thread>

namespace montora {

namespace {

constexpr int kJpegQuality = 90;

// The converter writes 24-bit pictures; what was transparent lands on white.
QImage opaquePicture(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    if (flat.isNull())
        return flat;
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat;
}

// A source that would be replaced by its own output is refused: converting a
// folder's JPEGs to JPG into that same folder must not re-encode the originals.
bool replacesItself(const QString& source, const QString& output)
{
    const QString target = QFileInfo(output).canonicalFilePath();
    return !target.isEmpty() && target == QFileInfo(source).canonicalFilePath();
}

} // namespace

const QStringList& BatchConverter::formats()
{
    static const QStringList list = {"JPG", "BMP", "GIF", "PNG", "PNM", "TGA", "TIF", "PCX"};
    return list;
}

bool BatchConverter::isFormat(const QString& name)
{
    return formats().contains(name, Qt::CaseInsensitive);
}

QString BatchConverter::outputPath(const QString& source, const QString& folder, const QString& format)
{
    QString name = QFileInfo(source).fileName();
    // Only the name's own dot counts, so "photos.2024/beach" gives "beach.png"; a
    // leading dot belongs to a hidden file's name.
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        name.truncate(dot);
    return QDir(folder).filePath(name + QLatin1Char('.') + format.toLower());
}

Result<QByteArray> BatchConverter::encodeFile(const QString& source, const QString& output)
{
    if (replacesItself(source, output))
        return Result<QByteArray>::error(
            QStringLiteral("\"%1\" would be replaced by its own conversion.").arg(source));
    MONTORA_TRY_ASSIGN(decoded, PictureDecoder::decode(source));
    const QImage picture = opaquePicture(decoded.image);
    if (picture.isNull())
        return Result<QByteArray>::error(QStringLiteral("Not enough memory to convert \"%1\".").arg(source));
    ImageEncoder encoder(output);
    if (!encoder.found())
        return ImageLibrary::encode(picture, PictureFormat::codeForPath(output), kJpegQuality);
    encoder.setQuality(kJpegQuality);
    return encoder.encode(picture);
}

BatchConverter::BatchConverter(QStringList sources, QString format, QString folder)
    : m_sources(std::move(sources)), m_format(std::move(format)), m_folder(std::move(folder))
{
}

BatchConverter::Summary BatchConverter::run()
{
    Summary summary;
    summary.total = int(m_sources.size());
    if (m_sources.isEmpty())
        return summary;
    QDir().mkpath(m_folder); // a folder that cannot be made fails every file by name
    {
        std::jthread helper;
        if (m_filesInHand > 1 && m_sources.size() > 1)
            helper = std::jthread([this, &summary] { work(summary); });
        work(summary);
    }
    // A stop that came after the last file changed nothing.
    summary.stopped = summary.written + summary.failures.size() < summary.total;
    return summary;
}

void BatchConverter::work(Summary& summary)
{
    int index = 0;
    while (takeNext(&index)) {
        if (m_callbacks.started)
            m_callbacks.started(index);
        const QString output = outputPath(m_sources[index], m_folder, m_format);
        const Result<QByteArray> bytes = encodeFile(m_sources[index], output);
        waitForTurn(index);
        if (!droppedByStop(index))
            commit(index, output, bytes, summary);
        endTurn();
    }
}

bool BatchConverter::takeNext(int* index)
{
    std::lock_guard lock(m_mutex);
    if (m_stop.load() || m_next >= m_sources.size())
        return false;
    *index = m_next++;
    return true;
}

void BatchConverter::waitForTurn(int index)
{
    std::unique_lock lock(m_mutex);
    m_turnChanged.wait(lock, [this, index] { return m_head == index; });
}

void BatchConverter::endTurn()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_head;
    }
    m_turnChanged.notify_all();
}

// Called in turn: the first file to reach its turn after a stop is the one that
// was being converted, and is written; every later one is dropped.
bool BatchConverter::droppedByStop(int index)
{
    if (!m_stop.load())
        return false;
    std::lock_guard lock(m_mutex);
    if (m_stopAt < 0)
        m_stopAt = index;
    return index > m_stopAt;
}

void BatchConverter::commit(int index, const QString& output, const Result<QByteArray>& bytes, Summary& summary)
{
    const Status status = bytes ? AtomicFile::write(output, *bytes) : bytes.status();
    if (status)
        ++summary.written;
    else
        summary.failures.append({m_sources[index], status.message()});
    if (m_callbacks.finished)
        m_callbacks.finished(FileResult{index, m_sources[index], output, status, summary.written,
                                        int(m_sources.size())});
}

} // namespace montora
