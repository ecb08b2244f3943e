#include "imaging/lzw_encoder.h"

#include <algorithm>

namespace montora {

namespace {

constexpr unsigned kClear = 256;
constexpr unsigned kEnd = 257;
constexpr unsigned kFirstFree = 258;
constexpr unsigned kTableFull = 4094; // libtiff clears here, before a 13-bit code is due
constexpr unsigned kMinWidth = 9;

} // namespace

LzwEncoder::LzwEncoder() : m_table(kSlots, 0) {}

void LzwEncoder::resetTable()
{
    std::fill(m_table.begin(), m_table.end(), 0);
    m_nextCode = kFirstFree;
    m_width = kMinWidth;
    m_widthLimit = (1u << kMinWidth) - 1;
}

inline void LzwEncoder::put(unsigned code)
{
    m_bits = (m_bits << m_width) | code;
    m_bitCount += m_width;
    while (m_bitCount >= 8) {
        m_bitCount -= 8;
        *m_out++ = uchar(m_bits >> m_bitCount);
    }
}

void LzwEncoder::encodeStrip(const uchar* data, size_t size, std::vector<uchar>& out)
{
    const size_t start = out.size();
    out.resize(start + maxEncodedSize(size));
    m_out = out.data() + start;
    m_bits = 0;
    m_bitCount = 0;
    resetTable();
    put(kClear);
    if (size > 0) {
        unsigned prefix = data[0];
        for (size_t i = 1; i < size; ++i) {
            const unsigned byte = data[i];
            const std::uint32_t key = prefix << 8 | byte;
            // New codes are consecutive: scatter them, or they fill one run of slots
            // that every probe then walks.
            unsigned slot = (key * 0x9E3779B1u) >> (32 - kSlotBits);
            std::uint32_t entry;
            while ((entry = m_table[slot]) != 0 && entry >> 12 != key)
                slot = (slot + 1) & (kSlots - 1);
            if (entry != 0) {
                prefix = entry & 0xFFF;
                continue;
            }
            put(prefix);
            prefix = byte;
            m_table[slot] = key << 12 | m_nextCode++;
            if (m_nextCode == kTableFull) {
                put(kClear);
                resetTable();
            } else if (m_nextCode > m_widthLimit) {
                ++m_width;
                m_widthLimit = (1u << m_width) - 1;
            }
        }
        put(prefix);
        // The reader adds an entry for that last code before it reads the next one,
        // so End of information already takes the width that entry brings.
        if (++m_nextCode == kTableFull) {
            put(kClear);
            m_width = kMinWidth;
        } else if (m_nextCode > m_widthLimit) {
            ++m_width;
        }
    }
    put(kEnd);
    if (m_bitCount > 0)
        *m_out++ = uchar(m_bits << (8 - m_bitCount));
    out.resize(size_t(m_out - out.data()));
}

} // namespace montora
