#include "support/test_files.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QtEndian>

namespace montora::test {

ToolRun runTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    ToolRun run;
    if (!process.waitForStarted(10000))
        return run;
    process.closeWriteChannel();
    process.waitForFinished(60000);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

ToolRun runCli(const QStringList& args) { return runTool(QStringLiteral(MONTORA_CLI_PATH), args); }

QImage seededImage(int width, int height, quint32 seed, bool withAlpha)
{
    QImage image(width, height, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const quint32 value = random.generate();
            line[x] = withAlpha ? value : (value | 0xFF000000u);
        }
    }
    return image;
}

namespace {

QByteArray be32(quint32 v)
{
    QByteArray b(4, 0);
    qToBigEndian<quint32>(v, b.data());
    return b;
}

quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

} // namespace

QByteArray forgedPng(quint32 width, quint32 height)
{
    const QByteArray ihdr = QByteArray("IHDR") + be32(width) + be32(height) + QByteArray("\x08\x02\x00\x00\x00", 5);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += be32(13) + ihdr + be32(crc32(ihdr));
    const QByteArray idat = QByteArray("IDAT") + QByteArray(64, '\0');
    return png + be32(64) + idat + be32(crc32(idat));
}

QImage quadrantImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            QRgb colour = !bottom ? (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0)) : (right ? qRgb(255, 255, 255) : qRgb(0, 0, 255));
            image.setPixel(x, y, colour);
        }
    return image;
}

QByteArray withExifOrientation(const QByteArray& jpeg, quint16 orientation)
{
    QByteArray tiff("II*\0", 4);
    auto le16 = [](quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; };
    auto le32 = [](quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; };
    tiff += le32(8) + le16(1) + le16(0x0112) + le16(3) + le32(1) + le16(orientation) + le16(0) + le32(0);
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    QByteArray length(2, 0);
    qToBigEndian<quint16>(quint16(payload.size() + 2), length.data());
    segment += length + payload;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

namespace {

// Reads the next whitespace-separated number of a netpbm header, skipping comments.
int headerNumber(const QByteArray& bytes, int& pos)
{
    while (pos < bytes.size()) {
        if (bytes[pos] == '#') {
            while (pos < bytes.size() && bytes[pos] != '\n')
                ++pos;
        } else if (QChar(bytes[pos]).isSpace()) {
            ++pos;
        } else {
            break;
        }
    }
    int value = 0;
    while (pos < bytes.size() && bytes[pos] >= '0' && bytes[pos] <= '9')
        value = value * 10 + (bytes[pos++] - '0');
    return value;
}

} // namespace

QImage readNetpbm(const QByteArray& bytes)
{
    if (bytes.size() < 2 || bytes[0] != 'P' || (bytes[1] != '6' && bytes[1] != '5'))
        return QImage();
    const bool colour = bytes[1] == '6';
    int pos = 2;
    const int width = headerNumber(bytes, pos);
    const int height = headerNumber(bytes, pos);
    const int maxval = headerNumber(bytes, pos);
    ++pos; // the single whitespace after maxval
    const int channels = colour ? 3 : 1;
    if (maxval != 255 || width <= 0 || height <= 0 || bytes.size() - pos < qsizetype(width) * height * channels)
        return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData()) + pos;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, data += channels)
            image.setPixel(x, y, colour ? qRgb(data[0], data[1], data[2]) : qRgb(data[0], data[0], data[0]));
    return image;
}

QImage decodeWithGm(const QString& path)
{
    const ToolRun run = runTool("gm", {"convert", path + "[0]", "-depth", "8", "ppm:-"});
    return run.exitCode == 0 ? readNetpbm(run.out) : QImage();
}

int maxChannelDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

} // namespace montora::test
