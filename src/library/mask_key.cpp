#include "library/mask_key.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace montora {

MaskKey MaskKey::create() { return fromUuid(QUuid::createUuid()); }

MaskKey MaskKey::fromUuid(const QUuid& uuid)
{
    MaskKey key;
    qToLittleEndian<quint32>(uuid.data1, key.bytes.data());
    qToLittleEndian<quint16>(uuid.data2, key.bytes.data() + 4);
    qToLittleEndian<quint16>(uuid.data3, key.bytes.data() + 6);
    std::copy(std::begin(uuid.data4), std::end(uuid.data4), key.bytes.begin() + 8);
    return key;
}

MaskKey MaskKey::fromBytes(const void* sixteenBytes)
{
    MaskKey key;
    std::memcpy(key.bytes.data(), sixteenBytes, key.bytes.size());
    return key;
}

QUuid MaskKey::toUuid() const
{
    const uchar* b = bytes.data();
    return QUuid(qFromLittleEndian<quint32>(b), qFromLittleEndian<quint16>(b + 4), qFromLittleEndian<quint16>(b + 6),
                 b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15]);
}

QString MaskKey::toString() const { return toUuid().toString(QUuid::WithBraces); }

bool MaskKey::isNull() const
{
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

} // namespace montora
