#include "imaging/lzw_encoder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace montora;

namespace {

// TIFF's LZW read back the plain way: a string table rebuilt from the codes, each
// code as wide as the entry it will add needs, so the width grows one code early.
std::string decodeTiffLzw(const QByteArray& stream)
{
    size_t bitPos = 0;
    auto read = [&](unsigned width) {
        unsigned code = 0;
        for (unsigned i = 0; i < width; ++i, ++bitPos) {
            const size_t byte = bitPos / 8;
            const int bit = byte < size_t(stream.size()) ? (uchar(stream[qsizetype(byte)]) >> (7 - bitPos % 8)) & 1 : 0;
            code = code << 1 | unsigned(bit);
        }
        return code;
    };
    std::vector<std::string> table;
    std::string out, previous;
    for (;;) {
        const unsigned next = unsigned(table.size()) + 258 + (previous.empty() ? 0 : 1);
        const unsigned width = next >= 2048 ? 12 : next >= 1024 ? 11 : next >= 512 ? 10 : 9;
        const unsigned code = read(width);
        if (code == 257 || bitPos > size_t(stream.size()) * 8)
            return out;
        if (code == 256) {
            table.clear();
            previous.clear();
            continue;
        }
        std::string entry;
        if (code < 256)
            entry = std::string(1, char(code));
        else if (code - 258 < table.size())
            entry = table[code - 258];
        else if (!previous.empty() && code - 258 == table.size())
            entry = previous + previous[0];
        else
            return out + "<bad code>";
        if (!previous.empty())
            table.push_back(previous + entry[0]);
        out += entry;
        previous = entry;
    }
}

std::string text(const std::vector<uchar>& bytes) { return std::string(bytes.begin(), bytes.end()); }

} // namespace

// Long runs (strings far longer than a byte), noise (the table fills and clears many
// times), tiny and empty strips; two strips at once must give the bytes of one at a time.
TEST(LzwEncoder, StripsDecodeExactlyAloneAndInPairs)
{
    std::mt19937 random(11);
    std::vector<std::vector<uchar>> strips = {{}, {7}, std::vector<uchar>(100000, 0), {}, std::vector<uchar>(70001)};
    for (uchar& b : strips.back())
        b = uchar(random() % 9 == 0 ? random() : random() % 3);
    std::vector<uchar> noise(30000);
    for (uchar& b : noise)
        b = uchar(random());
    strips.push_back(noise);

    for (size_t i = 0; i < strips.size(); ++i) {
        const std::vector<uchar>& a = strips[i];
        const std::vector<uchar>& b = strips[(i + 1) % strips.size()];
        SCOPED_TRACE(testing::Message() << "strips of " << a.size() << " and " << b.size() << " bytes");
        LzwEncoder alone, paired;
        QByteArray one, two, both;
        alone.encodeStrip(a.data(), a.size(), one);
        alone.encodeStrip(b.data(), b.size(), two);
        const qsizetype second = paired.encodeStrips(a.data(), a.size(), b.data(), b.size(), both);
        EXPECT_EQ(second, one.size());
        EXPECT_EQ(both, one + two);
        EXPECT_EQ(decodeTiffLzw(one), text(a));
        EXPECT_EQ(decodeTiffLzw(two), text(b));
    }
}
