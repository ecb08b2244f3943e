#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace montora {

// The LZW flavour of TIFF (compression 5): codes written high bit first, 9 to 12 bits
// wide, the width growing one code early as libtiff's reader expects, a Clear code
// opening every strip and whenever the table fills, End of information closing it.
//
// Every byte waits on the lookup of the string before it, so the lookup is one load
// with no branch: a dense table indexed by (byte, prefix), whose empty entries hold
// their own byte, gives the next prefix whether the string is known or not. The codes
// are gathered first and packed into bits afterwards, off that chain. Two strips
// encoded together interleave two such chains, so their loads overlap.
class LzwEncoder {
public:
    LzwEncoder();
    ~LzwEncoder();
    LzwEncoder(const LzwEncoder&) = delete;
    LzwEncoder& operator=(const LzwEncoder&) = delete;

    // Appends the codes of one strip to `out`.
    void encodeStrip(const uchar* data, size_t size, QByteArray& out);
    // Appends the codes of `first`, then those of `second`, the same bytes as two
    // calls of encodeStrip; returns where `second`'s begin in `out`.
    qsizetype encodeStrips(const uchar* first, size_t firstSize, const uchar* second, size_t secondSize,
                           QByteArray& out);

    // The most bytes one strip of `size` bytes can take.
    static size_t maxEncodedSize(size_t size) { return size + size / 2 + size / 1024 + 16; }

    struct Lane;

private:
    Lane& lane(int index);

    std::unique_ptr<Lane> m_lanes[2];
};

} // namespace montora
