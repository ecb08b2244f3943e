#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace montora {

// The LZW flavour of TIFF (compression 5): codes written high bit first, 9 to 12 bits
// wide, the width growing one code early as libtiff's reader expects, a Clear code
// opening every strip and whenever the table fills, End of information closing it.
// Every byte waits on the lookup of the string before it, so the table is small and
// cache-resident: 16384 slots of one word, (prefix, byte) and code, at most a
// quarter full before the codes run out, which keeps probe runs short.
class LzwEncoder {
public:
    LzwEncoder();

    // Appends the codes of one strip to `out`.
    void encodeStrip(const uchar* data, size_t size, QByteArray& out);

    // The most bytes one strip of `size` bytes can take.
    static size_t maxEncodedSize(size_t size) { return size + size / 2 + size / 1024 + 16; }

private:
    static constexpr unsigned kSlotBits = 14;
    static constexpr unsigned kSlots = 1u << kSlotBits;
    std::vector<std::uint32_t> m_table; // (prefix << 8 | byte) << 12 | code; 0 when empty
};

} // namespace montora
