#include "imaging/lzw_encoder.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <vector>

namespace montora {

namespace {

constexpr unsigned kClear = 256;
constexpr unsigned kEnd = 257;
constexpr unsigned kFirstFree = 258;
constexpr unsigned kTableFull = 4094; // libtiff clears here, before a 13-bit code is due
constexpr unsigned kMinWidth = 9;
constexpr unsigned kMaxWidth = 12;

constexpr unsigned kPrefixBits = 12;
constexpr std::uint16_t kEmpty = 0x8000; // | the entry's byte
constexpr unsigned kCodeMask = (1u << kPrefixBits) - 1;

// The width of the code sent while the table's next free code is `nextCode`.
unsigned widthFor(unsigned nextCode)
{
    return unsigned(32 - __builtin_clz(nextCode));
}

// High bit first. Every put stores eight bytes and keeps what is complete, so the
// buffer needs eight bytes of room past the last code (maxEncodedSize leaves them).
struct BitPacker {
    uchar* out;
    std::uint64_t bits = 0;
    unsigned count = 0;

    void put(unsigned code, unsigned width)
    {
        bits = bits << width | code;
        count += width;
        const std::uint64_t word = qToBigEndian(bits << (64 - count));
        std::memcpy(out, &word, sizeof word);
        out += count >> 3;
        count &= 7;
    }
    void flush()
    {
        if (count > 0)
            *out++ = uchar(bits << (8 - count));
    }
};

} // namespace

// The dictionary of one strip being encoded, and its codes before they are packed.
// Byte-major, so the few byte values that differenced pictures are made of keep
// their columns of the table in cache.
struct LzwEncoder::Lane {
    std::vector<std::uint16_t> table; // [byte << 12 | prefix]: a code, or kEmpty | byte
    std::vector<std::uint32_t> keys;  // the table index each code was given for
    std::vector<std::uint16_t> codes;

    Lane() : table(size_t(256) << kPrefixBits), keys(kTableFull)
    {
        for (unsigned byte = 0; byte < 256; ++byte)
            std::fill_n(table.begin() + (byte << kPrefixBits), 1u << kPrefixBits, std::uint16_t(kEmpty | byte));
    }

    void forget(unsigned nextCode)
    {
        for (unsigned code = kFirstFree; code < nextCode; ++code)
            table[keys[code]] = std::uint16_t(kEmpty | keys[code] >> kPrefixBits);
    }
};

namespace {

// The running state of one lane, kept in locals while the loop runs.
struct Scan {
    LzwEncoder::Lane& lane;
    const uchar* data;
    size_t size;
    std::uint16_t* table;
    std::uint32_t* keys;
    std::uint16_t* code = nullptr;
    unsigned prefix;
    unsigned nextCode = kFirstFree;

    Scan(LzwEncoder::Lane& l, const uchar* d, size_t n)
        : lane(l), data(d), size(n), table(l.table.data()), keys(l.keys.data()), prefix(n > 0 ? d[0] : 0)
    {
        lane.codes.resize(std::max<size_t>(n, 1)); // a strip has at most one code per byte
        code = lane.codes.data();
    }

    // Known string: the entry is its code. Unknown: the entry holds `byte` with the
    // empty flag, the prefix's code is kept and the entry gets the next code. Both
    // done by masks, since which one it is cannot be predicted.
    inline __attribute__((always_inline)) void step(size_t i)
    {
        const unsigned key = unsigned(data[i]) << kPrefixBits | prefix;
        const unsigned entry = table[key];
        const unsigned miss = entry >> 15;
        const unsigned missMask = 0u - miss;
        *code = std::uint16_t(prefix);
        code += miss;
        table[key] = std::uint16_t(entry ^ ((entry ^ nextCode) & missMask));
        keys[nextCode] = key;
        nextCode += miss;
        prefix = entry & kCodeMask;
        if (nextCode == kTableFull) [[unlikely]] {
            lane.forget(nextCode);
            nextCode = kFirstFree;
        }
    }

    // The codes gathered, the table left empty for the next strip.
    size_t finish()
    {
        if (size > 0)
            *code++ = std::uint16_t(prefix);
        lane.forget(nextCode);
        return size_t(code - lane.codes.data());
    }
};

// Clear, the codes at the widths the reader will expect, a Clear wherever the
// reader's table fills, End of information. The reader adds an entry after every
// code, so End already takes the width the last entry brings.
size_t pack(const std::uint16_t* codes, size_t count, uchar* out)
{
    BitPacker packer{out};
    packer.put(kClear, kMinWidth);
    unsigned nextCode = kFirstFree;
    for (size_t i = 0; i < count; ++i) {
        packer.put(codes[i], widthFor(nextCode));
        if (++nextCode == kTableFull) {
            packer.put(kClear, kMaxWidth);
            nextCode = kFirstFree;
        }
    }
    packer.put(kEnd, widthFor(nextCode));
    packer.flush();
    return size_t(packer.out - out);
}

} // namespace

LzwEncoder::LzwEncoder() = default;
LzwEncoder::~LzwEncoder() = default;

LzwEncoder::Lane& LzwEncoder::lane(int index)
{
    if (!m_lanes[index])
        m_lanes[index] = std::make_unique<Lane>();
    return *m_lanes[index];
}

void LzwEncoder::encodeStrip(const uchar* data, size_t size, QByteArray& out)
{
    Scan scan(lane(0), data, size);
    for (size_t i = 1; i < size; ++i)
        scan.step(i);
    const size_t codes = scan.finish();
    const qsizetype start = out.size();
    out.resize(start + qsizetype(maxEncodedSize(size))); // QByteArray leaves the new bytes as they are
    const size_t written = pack(lane(0).codes.data(), codes, reinterpret_cast<uchar*>(out.data()) + start);
    out.resize(start + qsizetype(written));
}

qsizetype LzwEncoder::encodeStrips(const uchar* first, size_t firstSize, const uchar* second, size_t secondSize,
                                   QByteArray& out)
{
    Scan a(lane(0), first, firstSize);
    Scan b(lane(1), second, secondSize);
    const size_t common = std::min(firstSize, secondSize);
    size_t i = 1;
    for (; i < common; ++i) {
        a.step(i);
        b.step(i);
    }
    for (size_t j = i; j < firstSize; ++j)
        a.step(j);
    for (size_t j = i; j < secondSize; ++j)
        b.step(j);
    const size_t codesA = a.finish();
    const size_t codesB = b.finish();

    const qsizetype start = out.size();
    out.resize(start + qsizetype(maxEncodedSize(firstSize) + maxEncodedSize(secondSize)));
    uchar* const base = reinterpret_cast<uchar*>(out.data()) + start;
    const size_t writtenA = pack(lane(0).codes.data(), codesA, base);
    const size_t writtenB = pack(lane(1).codes.data(), codesB, base + writtenA);
    out.resize(start + qsizetype(writtenA + writtenB));
    return start + qsizetype(writtenA);
}

} // namespace montora
