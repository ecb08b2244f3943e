#include "base/binary_reader.h"

#include <QBuffer>
#include <QtEndian>

namespace montora {

BinaryReader::BinaryReader(QIODevice& device) : m_device(&device), m_size(device.size()) {}

BinaryReader::BinaryReader(const QByteArray& bytes)
    : m_ownedBuffer(std::make_unique<QBuffer>()), m_device(m_ownedBuffer.get()), m_size(bytes.size())
{
    m_ownedBuffer->setData(bytes);
    m_ownedBuffer->open(QIODevice::ReadOnly);
}

BinaryReader::~BinaryReader() = default;

qint64 BinaryReader::position() const { return m_device->pos(); }

Status BinaryReader::truncated(qint64 wanted) const
{
    return Status::error(QStringLiteral("The file ends early: %1 bytes wanted at offset %2, %3 left.")
                             .arg(wanted)
                             .arg(position())
                             .arg(qMax<qint64>(0, bytesLeft())));
}

Status BinaryReader::seek(qint64 offset)
{
    if (offset < 0 || offset > m_size)
        return Status::error(QStringLiteral("Offset %1 lies outside the file (%2 bytes).").arg(offset).arg(m_size));
    if (!m_device->seek(offset))
        return Status::error(QStringLiteral("Cannot seek to offset %1.").arg(offset));
    return Status::ok();
}

Status BinaryReader::skip(qint64 count)
{
    if (count < 0 || count > bytesLeft())
        return truncated(count);
    return seek(position() + count);
}

Status BinaryReader::readInto(void* destination, qint64 count)
{
    if (count < 0 || count > bytesLeft())
        return truncated(count);
    if (count == 0)
        return Status::ok();
    if (m_device->read(static_cast<char*>(destination), count) != count)
        return Status::error(QStringLiteral("Read error at offset %1.").arg(position()));
    return Status::ok();
}

Result<QByteArray> BinaryReader::readBytes(qint64 count)
{
    if (count < 0 || count > bytesLeft())
        return truncated(count);
    QByteArray bytes(count, Qt::Uninitialized);
    MONTORA_TRY(readInto(bytes.data(), count));
    return bytes;
}

Result<std::uint32_t> BinaryReader::readU32()
{
    uchar raw[4];
    MONTORA_TRY(readInto(raw, 4));
    return qFromLittleEndian<quint32>(raw);
}

Result<std::int32_t> BinaryReader::readI32()
{
    uchar raw[4];
    MONTORA_TRY(readInto(raw, 4));
    return qFromLittleEndian<qint32>(raw);
}

Result<float> BinaryReader::readF32()
{
    MONTORA_TRY_ASSIGN(bits, readU32());
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

Result<std::uint8_t> BinaryReader::readU8()
{
    std::uint8_t value;
    MONTORA_TRY(readInto(&value, 1));
    return value;
}

Status BinaryReader::checkFits(qint64 count, qint64 itemSize, const char* what) const
{
    if (count < 0 || itemSize < 0)
        return Status::error(QStringLiteral("Negative %1 count in the file.").arg(QLatin1String(what)));
    // 64-bit arithmetic; a count that cannot fit is corruption, never an allocation.
    if (itemSize > 0 && count > bytesLeft() / itemSize)
        return Status::error(QStringLiteral("The file claims %1 %2 of %3 bytes, but only %4 bytes are left.")
                                 .arg(count)
                                 .arg(QLatin1String(what))
                                 .arg(itemSize)
                                 .arg(bytesLeft()));
    return Status::ok();
}

} // namespace montora
