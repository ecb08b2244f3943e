#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QIODevice>

#include <cstdint>
#include <type_traits>

namespace montora {

// Little-endian writer onto a device or a growing byte array. Write failures are
// remembered, so a caller can write a whole record and check once.
class BinaryWriter {
public:
    explicit BinaryWriter(QIODevice& device) : m_device(&device) {}
    explicit BinaryWriter(QByteArray& bytes) : m_bytes(&bytes) {}

    void writeU32(std::uint32_t value);
    void writeI32(std::int32_t value) { writeU32(static_cast<std::uint32_t>(value)); }
    void writeF32(float value);
    void writeU8(std::uint8_t value) { writeRaw(&value, 1); }
    void writeBytes(const QByteArray& bytes) { writeRaw(bytes.constData(), bytes.size()); }
    void writeRaw(const void* data, qint64 count);

    template <typename T>
    void writeRecord(const T& record)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        writeRaw(&record, sizeof(T));
    }

    Status status() const;

private:
    QIODevice* m_device = nullptr;
    QByteArray* m_bytes = nullptr;
    bool m_failed = false;
};

} // namespace montora
