#include "imaging/lzw_encoder.h"

#include <algorithm>

namespace montora {

namespace {

constexpr unsigned kClear = 256;
constexpr unsigned kEnd = 257;
constexpr unsigned kFirstFree = 258;
constexpr unsigned kTableFull = 4094; // libtiff clears here, before a 13-bit code is due
constexpr unsigned kMinWidth = 9;

// The codes go out high bit first. Kept in locals: the byte stores could alias
// members, which would force every field back to memory after each one.
struct BitSink {
    uchar* out;
    std::uint64_t bits = 0;
    unsigned count = 0;

    void put(unsigned code, unsigned width)
    {
        bits = (bits << width) | code;
        count += width;
        while (count >= 8) {
            count -= 8;
            *out++ = uchar(bits >> count);
        }
    }
    void flush()
    {
        if (count > 0)
            *out++ = uchar(bits << (8 - count));
    }
};

} // namespace

LzwEncoder::LzwEncoder() : m_table(kSlots, 0) {}

void LzwEncoder::encodeStrip(const uchar* data, size_t size, QByteArray& out)
{
    const qsizetype start = out.size();
    out.resize(start + qsizetype(maxEncodedSize(size))); // QByteArray leaves the new bytes as they are
    uchar* const base = reinterpret_cast<uchar*>(out.data());
    BitSink sink{base + start};
    std::uint32_t* const table = m_table.data();
    unsigned nextCode = kFirstFree;
    unsigned width = kMinWidth;
    unsigned widthLimit = (1u << kMinWidth) - 1; // the last code that fits in `width` bits
    auto reset = [&] {
        std::fill(m_table.begin(), m_table.end(), 0);
        nextCode = kFirstFree;
        width = kMinWidth;
        widthLimit = (1u << kMinWidth) - 1;
    };
    reset();
    sink.put(kClear, width);
    if (size > 0) {
        unsigned prefix = data[0];
        for (size_t i = 1; i < size; ++i) {
            const unsigned byte = data[i];
            const std::uint32_t key = prefix << 8 | byte;
            // New codes are consecutive: scatter them, or they fill one run of slots
            // that every probe then walks.
            unsigned slot = (key * 0x9E3779B1u) >> (32 - kSlotBits);
            std::uint32_t entry;
            while ((entry = table[slot]) != 0 && entry >> 12 != key)
                slot = (slot + 1) & (kSlots - 1);
            if (entry != 0) {
                prefix = entry & 0xFFF;
                continue;
            }
            sink.put(prefix, width);
            prefix = byte;
            table[slot] = key << 12 | nextCode++;
            if (nextCode == kTableFull) {
                sink.put(kClear, width);
                reset();
            } else if (nextCode > widthLimit) {
                ++width;
                widthLimit = (1u << width) - 1;
            }
        }
        sink.put(prefix, width);
        // The reader adds an entry for that last code before it reads the next one,
        // so End of information already takes the width that entry brings.
        if (++nextCode == kTableFull)
            sink.put(kClear, width), width = kMinWidth;
        else if (nextCode > widthLimit)
            ++width;
    }
    sink.put(kEnd, width);
    sink.flush();
    out.resize(sink.out - base);
}

} // namespace montora
