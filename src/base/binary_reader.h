#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QIODevice>

#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>

class QBuffer;

namespace montora {

// Checked little-endian reader over a file or a byte array. Every read checks the
// bytes left first, so a short file is an error and never zeros, and a size read
// from the file cannot cause an allocation larger than what the file still holds.
class BinaryReader {
public:
    explicit BinaryReader(QIODevice& device);
    explicit BinaryReader(const QByteArray& bytes);
    ~BinaryReader();
    BinaryReader(const BinaryReader&) = delete;
    BinaryReader& operator=(const BinaryReader&) = delete;

    qint64 position() const;
    qint64 size() const { return m_size; }
    qint64 bytesLeft() const { return m_size - position(); }
    bool atEnd() const { return bytesLeft() <= 0; }

    Status seek(qint64 offset);
    Status skip(qint64 count);

    Result<std::uint32_t> readU32();
    Result<std::int32_t> readI32();
    Result<float> readF32();
    Result<std::uint8_t> readU8();

    // Reads `count` bytes; fails without allocating when fewer are left.
    Result<QByteArray> readBytes(qint64 count);
    Status readInto(void* destination, qint64 count);

    // Reads a packed, trivially copyable record of exactly sizeof(T) bytes.
    template <typename T>
    Status readRecord(T& record)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        return readInto(&record, sizeof(T));
    }

    // Fails unless `count` items of `itemSize` bytes each fit in what is left.
    Status checkFits(qint64 count, qint64 itemSize, const char* what) const;

    Status truncated(qint64 wanted) const;

private:
    std::unique_ptr<QBuffer> m_ownedBuffer;
    QIODevice* m_device;
    qint64 m_size;
};

} // namespace montora
