#pragma once

#include <QString>
#include <QUuid>

#include <array>
#include <cstdint>

namespace montora {

// Identifies a mask for ever, so a collage finds its custom mask after the mask
// library has changed. Kept as the 16 bytes of a GUID in the platform layout:
// the first three fields little-endian, then the last 8 bytes as they are.
struct MaskKey {
    std::array<std::uint8_t, 16> bytes{};

    static MaskKey create();
    static MaskKey fromUuid(const QUuid& uuid);
    static MaskKey fromBytes(const void* sixteenBytes);
    QUuid toUuid() const;
    // "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}"
    QString toString() const;
    bool isNull() const;

    friend bool operator==(const MaskKey&, const MaskKey&) = default;
};
static_assert(sizeof(MaskKey) == 16);

} // namespace montora
