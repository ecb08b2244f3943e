#include "base/binary_writer.h"

#include <QtEndian>

#include <cstring>

namespace montora {

void BinaryWriter::writeU32(std::uint32_t value)
{
    uchar raw[4];
    qToLittleEndian<quint32>(value, raw);
    writeRaw(raw, 4);
}

void BinaryWriter::writeF32(float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    writeU32(bits);
}

void BinaryWriter::writeRaw(const void* data, qint64 count)
{
    if (m_failed || count <= 0)
        return;
    if (m_bytes) {
        m_bytes->append(static_cast<const char*>(data), count);
        return;
    }
    if (m_device->write(static_cast<const char*>(data), count) != count)
        m_failed = true;
}

Status BinaryWriter::status() const
{
    if (!m_failed)
        return Status::ok();
    return Status::error(QStringLiteral("Cannot write: %1").arg(m_device ? m_device->errorString() : QString()));
}

} // namespace montora
