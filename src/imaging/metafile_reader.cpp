#include "imaging/metafile_reader.h"

#include "imaging/image_library.h"
#include "imaging/picture_format.h"
#include "imaging/picture_limits.h"
#include "imaging/wmf_font_map.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace montora {

namespace {

std::atomic<bool> g_inProcess{false};

// The helper's answer: the tag, a kind byte, then for a size two int32, for a
// picture two int32 and its ARGB32 rows top first, for an error a uint32 length
// and the message in UTF-8. Little-endian throughout.
constexpr char kTag[4] = {'M', 'W', 'R', '1'};
constexpr char kSize = 'S';
constexpr char kPicture = 'P';
constexpr char kError = 'E';
constexpr int kHeaderBytes = 5;
constexpr quint32 kMaxMessageBytes = 64 * 1024;
constexpr qint64 kExitGraceMs = 5000;

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray answerHeader(char kind) { return QByteArray(kTag, 4) + kind; }

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(qMin<qint64>(size, 1 << 20)));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool writeAll(int fd, const QByteArray& bytes) { return writeAll(fd, bytes.constData(), bytes.size()); }

Result<QByteArray> readAllOf(int fd, qint64 maxBytes)
{
    QByteArray bytes;
    char chunk[64 * 1024];
    while (true) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Result<QByteArray>::error(QStringLiteral("Cannot read the metafile: %1").arg(qt_error_string(errno)));
        if (got == 0)
            return bytes;
        if (bytes.size() + got > maxBytes)
            return Result<QByteArray>::error(QStringLiteral("The metafile is too large."));
        bytes.append(chunk, got);
    }
}

bool answerError(int fd, const QString& message)
{
    const QByteArray text = message.toUtf8().left(kMaxMessageBytes);
    return writeAll(fd, answerHeader(kError) + le32(quint32(text.size())) + text);
}

bool answerSize(int fd, QSize size)
{
    return writeAll(fd, answerHeader(kSize) + le32(quint32(size.width())) + le32(quint32(size.height())));
}

bool answerPicture(int fd, const QImage& image)
{
    if (!writeAll(fd, answerHeader(kPicture) + le32(quint32(image.width())) + le32(quint32(image.height()))))
        return false;
    for (int y = 0; y < image.height(); ++y)
        if (!writeAll(fd, reinterpret_cast<const char*>(image.constScanLine(y)), qint64(image.width()) * 4))
            return false;
    return true;
}

// One run of the helper, read as its answer arrives.
class HelperRun {
public:
    explicit HelperRun(const QString& name) : m_name(name), m_deadline(MetafileReader::kTimeoutMs) {}

    Status start(const char* mode, const QByteArray& bytes, int code)
    {
        const QString helper = MetafileReader::helperPath();
        if (helper.isEmpty())
            return Status::error(QStringLiteral("\"%1\" cannot be read: the metafile reader \"%2\" is not installed "
                                                "beside the program.")
                                     .arg(m_name, MetafileReader::kHelperName));
        m_process.setProgram(helper);
        m_process.setArguments({QString::fromLatin1(mode), QString::number(code), m_name});
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start();
        if (!m_process.waitForStarted(int(m_deadline.remainingTime())))
            return Status::error(QStringLiteral("\"%1\" cannot be read: the metafile reader \"%2\" does not start (%3).")
                                     .arg(m_name, helper, m_process.errorString()));
        m_process.write(bytes);
        m_process.closeWriteChannel();
        return Status::ok();
    }

    // The next `size` bytes of the answer into `into`.
    Status read(char* into, qint64 size)
    {
        qint64 got = 0;
        while (got < size) {
            const qint64 now = m_process.read(into + got, size - got);
            if (now > 0) {
                got += now;
                continue;
            }
            if (now < 0 || !m_process.waitForReadyRead(int(m_deadline.remainingTime())))
                if (m_process.bytesAvailable() == 0)
                    return stopped();
        }
        return Status::ok();
    }

    Result<quint32> read32()
    {
        char bytes[4];
        MONTORA_TRY(read(bytes, 4));
        return qFromLittleEndian<quint32>(bytes);
    }

    Result<char> readKind()
    {
        char header[kHeaderBytes];
        MONTORA_TRY(read(header, kHeaderBytes));
        if (std::memcmp(header, kTag, 4) != 0)
            return Result<char>::error(QStringLiteral("The metafile reader gave no answer for \"%1\".").arg(m_name));
        return header[4];
    }

    Result<QSize> readSize()
    {
        MONTORA_TRY_ASSIGN(width, read32());
        MONTORA_TRY_ASSIGN(height, read32());
        if (width > quint32(INT_MAX) || height > quint32(INT_MAX))
            return Result<QSize>::error(QStringLiteral("The metafile reader gave a broken size for \"%1\".").arg(m_name));
        return QSize(int(width), int(height));
    }

    Status readError()
    {
        MONTORA_TRY_ASSIGN(length, read32());
        if (length > kMaxMessageBytes)
            return Status::error(QStringLiteral("The metafile reader gave a broken answer for \"%1\".").arg(m_name));
        QByteArray text(qsizetype(length), '\0');
        MONTORA_TRY(read(text.data(), text.size()));
        return Status::error(QString::fromUtf8(text));
    }

    // After a whole answer: how the helper ends (a fault while it tidies up, a leak
    // report under a sanitizer) does not spoil what it sent, and one that does not
    // end soon is stopped rather than waited for until the deadline.
    void finish() { m_process.waitForFinished(int(qMin<qint64>(m_deadline.remainingTime(), kExitGraceMs))); }

    ~HelperRun()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

private:
    Status stopped()
    {
        if (m_deadline.hasExpired()) {
            m_process.kill();
            return Status::error(QStringLiteral("Reading \"%1\" took longer than %2 seconds and was stopped.")
                                     .arg(m_name)
                                     .arg(MetafileReader::kTimeoutMs / 1000));
        }
        m_process.waitForFinished(int(m_deadline.remainingTime()));
        return Status::error(
            QStringLiteral("The metafile reader stopped while reading \"%1\"; the file may be damaged.").arg(m_name));
    }

    QString m_name;
    QDeadlineTimer m_deadline;
    QProcess m_process;
};

template <typename T>
Result<T> unexpected(char kind, const QString& name)
{
    return Result<T>::error(
        QStringLiteral("The metafile reader gave a broken answer for \"%1\" (kind %2).").arg(name).arg(int(kind)));
}

} // namespace

bool MetafileReader::isEmf(const QByteArray& bytes)
{
    return bytes.size() >= 44 && bytes.mid(40, 4) == QByteArray(" EMF");
}

bool MetafileReader::isWmf(const QByteArray& bytes, int code)
{
    if (code == FormatMetafile)
        return !isEmf(bytes);
    if (code != FormatUnknown || bytes.size() < 4)
        return false;
    // A placeable header's key, or a plain header in memory or on disk (type 1 or 2, nine words).
    const quint32 first = qFromLittleEndian<quint32>(bytes.constData());
    return first == 0x9AC6CDD7u || first == 0x00090001u || first == 0x00090002u;
}

QString MetafileReader::helperPath()
{
    const QString chosen = qEnvironmentVariable("MONTORA_WMF_READER");
    if (!chosen.isEmpty())
        return QFileInfo(chosen).isExecutable() ? chosen : QString();
    // The running program's own folder, whether or not a Qt application exists.
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QString folder = QFileInfo(program).absolutePath();
    for (const QString& candidate : {folder + u'/' + kHelperName, folder + QStringLiteral("/../libexec/montora/") + kHelperName}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
            return info.canonicalFilePath();
    }
    return QString();
}

Result<QSize> MetafileReader::ping(const QByteArray& bytes, const QString& name)
{
    if (readsInProcess())
        return ImageLibrary::pingHere(bytes, FormatMetafile, name);
    HelperRun run(name);
    MONTORA_TRY(run.start("ping", bytes, FormatMetafile));
    MONTORA_TRY_ASSIGN(kind, run.readKind());
    if (kind == kError)
        return Result<QSize>(run.readError());
    if (kind != kSize)
        return unexpected<QSize>(kind, name);
    MONTORA_TRY_ASSIGN(size, run.readSize());
    run.finish();
    return size;
}

Result<QImage> MetafileReader::decode(const QByteArray& bytes, const QString& name)
{
    if (readsInProcess())
        return ImageLibrary::decodeHere(bytes, FormatMetafile, name);
    HelperRun run(name);
    MONTORA_TRY(run.start("decode", bytes, FormatMetafile));
    MONTORA_TRY_ASSIGN(kind, run.readKind());
    if (kind == kError)
        return Result<QImage>(run.readError());
    if (kind != kPicture)
        return unexpected<QImage>(kind, name);
    MONTORA_TRY_ASSIGN(size, run.readSize());
    MONTORA_TRY(PictureLimits::check(size));
    QImage image(size, QImage::Format_ARGB32);
    if (image.isNull())
        return Result<QImage>::error(QStringLiteral("Not enough memory for \"%1\".").arg(name));
    for (int y = 0; y < image.height(); ++y)
        MONTORA_TRY(run.read(reinterpret_cast<char*>(image.scanLine(y)), qint64(image.width()) * 4));
    run.finish();
    return image;
}

int MetafileReader::serve(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    const QByteArray mode(argv[1]);
    const int code = QByteArray(argv[2]).toInt();
    const QString name = QString::fromLocal8Bit(argv[3]);
    // The answer goes to the pipe we were given as stdout; whatever libwmf prints
    // goes nowhere.
    const int answer = ::dup(STDOUT_FILENO);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (answer < 0 || null < 0)
        return 2;
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    ::close(null);

    auto bytes = readAllOf(STDIN_FILENO, PictureLimits::kMaxFileBytes);
    if (!bytes)
        return answerError(answer, QStringLiteral("\"%1\": %2").arg(name, bytes.message())) ? 0 : 1;
    // The fonts of a WMF's text, for this process only; without them text fails as before.
    const QTemporaryDir config;
    if (config.isValid())
        (void)WmfFontMap::install(config.path());
    ImageLibrary::initialise(argv[0]);
    bool answered = false;
    if (mode == "ping") {
        const auto size = ImageLibrary::pingHere(*bytes, code, name);
        answered = size ? answerSize(answer, *size) : answerError(answer, size.message());
    } else if (mode == "decode") {
        const auto image = ImageLibrary::decodeHere(*bytes, code, name);
        answered = image ? answerPicture(answer, *image) : answerError(answer, image.message());
    } else {
        return 2;
    }
    return answered ? 0 : 1;
}

void MetafileReader::setReadInProcess(bool inProcess) { g_inProcess = inProcess; }

bool MetafileReader::readsInProcess() { return g_inProcess; }

} // namespace montora
