#include "imaging/effect_filter.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

namespace montora {

namespace {

using Byte = std::uint8_t;

constexpr EffectFilter::Entry kEntries[] = {
    {EffectFilter::Kind::Erode, 11980, "erode", "Erode"},
    {EffectFilter::Kind::Dilate, 11981, "dilate", "Dilate"},
    {EffectFilter::Kind::Noise, 11982, "noise", "Noise"},
    {EffectFilter::Kind::Jitter, 11984, "jitter", "Jitter"},
    {EffectFilter::Kind::Median, 11985, "median", "Median"},
    {EffectFilter::Kind::Contour, 11986, "contour", "Contour"},
    {EffectFilter::Kind::Emboss, 11988, "emboss", "Emboss"},
    {EffectFilter::Kind::Edge, 11989, "edge", "Edge"},
    {EffectFilter::Kind::Sharpen, 11990, "sharpen", "Sharpen"},
    {EffectFilter::Kind::Blur, 11991, "blur-5", "Blur"},
    {EffectFilter::Kind::Gaussian, 11992, "gaussian", "Gaussian Blur"},
    {EffectFilter::Kind::Mean, 11993, "mean", "Mean"},
    {EffectFilter::Kind::Soften, 11994, "soften", "Soften"},
};

constexpr int kChunkRows = 16;
constexpr int kMaxThreads = 8;

// Picture rows with `radius` copies of the edge pixel at each end, filled on first
// use. A window of 2 x radius + 1 consecutive rows never needs two rows in one slot.
class PaddedRows {
public:
    PaddedRows(const ConstPixelRows& source, int radius)
        : m_source(source), m_radius(radius), m_width(source.width), m_rows(size_t(2 * radius + 1)),
          m_rowOf(size_t(2 * radius + 1), -1)
    {
        for (std::vector<Byte>& row : m_rows)
            row.resize(size_t(m_width + 2 * radius) * 3);
    }

    // Pixel 0 of row y, y clamped into the picture; pixels -radius..width+radius-1 can be read.
    const Byte* row(int y)
    {
        y = std::clamp(y, 0, m_source.height - 1);
        const size_t slot = size_t(y) % m_rows.size();
        if (m_rowOf[slot] != y)
            fill(slot, y);
        return m_rows[slot].data() + 3 * m_radius;
    }

private:
    void fill(size_t slot, int y)
    {
        Byte* out = m_rows[slot].data();
        const Byte* in = m_source.row(y);
        const Byte* last = in + 3 * (m_width - 1);
        for (int i = 0; i < m_radius; ++i) {
            std::memcpy(out + 3 * i, in, 3);
            std::memcpy(out + 3 * (m_radius + m_width + i), last, 3);
        }
        std::memcpy(out + 3 * m_radius, in, size_t(m_width) * 3);
        m_rowOf[slot] = y;
    }

    ConstPixelRows m_source;
    int m_radius;
    int m_width;
    std::vector<std::vector<Byte>> m_rows;
    std::vector<int> m_rowOf;
};

inline Byte clampByte(int value) { return Byte(std::clamp(value, 0, 255)); }
inline Byte min3(Byte a, Byte b, Byte c) { return std::min(std::min(a, b), c); }
inline Byte max3(Byte a, Byte b, Byte c) { return std::max(std::max(a, b), c); }
inline Byte med3(Byte a, Byte b, Byte c) { return std::max(std::min(a, b), std::min(std::max(a, b), c)); }

// Window rows of one output row, top row first.
template <int K>
struct Window {
    std::array<const Byte*, K> rows;
};

template <int K>
Window<K> windowAt(PaddedRows& padded, int y)
{
    Window<K> window;
    for (int k = 0; k < K; ++k)
        window.rows[size_t(k)] = padded.row(y - K / 2 + k);
    return window;
}

template <int K>
using Kernel = std::array<int, K * K>;

// The kernel is a constant, so its zero taps cost nothing and the division is a
// multiplication; the loop runs across the whole row, every channel alike.
// Sums stay within 16 bits (52 x 255 at most), so eight or more channels go at once.
template <int K, Kernel<K> kKernel, int kDivisor, int kOffset>
void convolveRow(const Window<K>& window, Byte* out, int n)
{
    constexpr int r0 = K / 2;
    std::array<const Byte*, K> rows;
    for (int r = 0; r < K; ++r)
        rows[size_t(r)] = window.rows[size_t(K - 1 - r)]; // kernel row 0 on the lowest row
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC ivdep
#endif
    for (int i = 0; i < n; ++i) {
        std::int16_t sum = 0;
        for (int r = 0; r < K; ++r)
            for (int c = 0; c < K; ++c)
                sum = std::int16_t(sum + kKernel[size_t(r * K + c)] * rows[size_t(r)][i + 3 * (c - r0)]);
        if constexpr (kDivisor != 0)
            sum = std::int16_t(sum / kDivisor);
        out[i] = clampByte(sum + kOffset);
    }
}

// The pixel, its left neighbour and the two below them.
template <bool kGreatest>
void extremeRow(const Window<3>& window, Byte* out, int n)
{
    const Byte* a = window.rows[1];
    const Byte* b = window.rows[2];
    for (int i = 0; i < n; ++i)
        out[i] = kGreatest ? std::max(std::max(a[i - 3], a[i]), std::max(b[i - 3], b[i]))
                           : std::min(std::min(a[i - 3], a[i]), std::min(b[i - 3], b[i]));
}

void edgeRow(const Window<3>& window, Byte* out, int n)
{
    const Byte* a = window.rows[1];
    const Byte* b = window.rows[2];
    for (int i = 0; i < n; ++i) {
        const Byte high = std::max(std::max(a[i - 3], a[i]), std::max(b[i - 3], b[i]));
        const Byte low = std::min(std::min(a[i - 3], a[i]), std::min(b[i - 3], b[i]));
        out[i] = Byte(255 - (high - low));
    }
}

void contourRow(const Window<3>& window, Byte* out, int n)
{
    const Byte* a = window.rows[0];
    const Byte* b = window.rows[1];
    const Byte* c = window.rows[2];
    for (int i = 0; i < n; ++i) {
        const Byte high = max3(max3(a[i - 3], a[i], a[i + 3]), max3(b[i - 3], b[i], b[i + 3]),
                               max3(c[i - 3], c[i], c[i + 3]));
        out[i] = Byte(255 - (high - b[i]));
    }
}

// Each column of three sorted once; the median of the nine is then the median of
// the greatest low, the middle middle and the least high of three adjacent columns.
class MedianRows {
public:
    explicit MedianRows(int n) : m_low(size_t(n + 6)), m_mid(size_t(n + 6)), m_high(size_t(n + 6)) {}

    void operator()(const Window<3>& window, Byte* out, int n)
    {
        const Byte* a = window.rows[0] - 3;
        const Byte* b = window.rows[1] - 3;
        const Byte* c = window.rows[2] - 3;
        Byte* low = m_low.data();
        Byte* mid = m_mid.data();
        Byte* high = m_high.data();
        for (int i = 0; i < n + 6; ++i) {
            low[i] = min3(a[i], b[i], c[i]);
            mid[i] = med3(a[i], b[i], c[i]);
            high[i] = max3(a[i], b[i], c[i]);
        }
        for (int i = 0; i < n; ++i)
            out[i] = med3(max3(low[i], low[i + 3], low[i + 6]), med3(mid[i], mid[i + 3], mid[i + 6]),
                          min3(high[i], high[i + 3], high[i + 6]));
    }

private:
    std::vector<Byte> m_low, m_mid, m_high;
};

// Random numbers that depend only on the seed and the row, so any split of the
// rows among threads gives the same picture.
class RowRandom {
public:
    RowRandom(std::uint64_t seed, int y) : m_state(seed ^ (std::uint64_t(y) * 0xD1B54A32D192ED03ULL)) { next(); }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t m_state;
};

// A byte of randomness to a whole number in 0..count-1, all but evenly.
inline int pick(std::uint64_t bits, int count) { return int(((bits & 0xFF) * unsigned(count)) >> 8); }

// A row's worth of random bytes at a time, so the arithmetic after it runs on
// many channels at once.
class RandomBytes {
public:
    explicit RandomBytes(int n) : m_bytes(size_t(n + 8)) {}

    Byte* fill(RowRandom random, int n)
    {
        for (int i = 0; i < n; i += 8) {
            const std::uint64_t bits = random.next();
            std::memcpy(m_bytes.data() + i, &bits, 8);
        }
        return m_bytes.data();
    }

private:
    std::vector<Byte> m_bytes;
};

void noiseRow(const Byte* in, Byte* out, int n, const Byte* random)
{
    for (int i = 0; i < n; ++i)
        out[i] = clampByte(in[i] + ((random[i] * 51) >> 8) - 25);
}

// The random bytes go to the channels in red, green, blue order, so the same seed
// moves a picture alike however its channels lie in memory.
void toBgr(Byte* random, int width)
{
    for (int x = 0; x < width; ++x)
        std::swap(random[3 * x], random[3 * x + 2]);
}

// Two random bytes per pixel, one for each direction; a move that leaves the
// picture keeps the pixel where it is.
class JitterRows {
public:
    explicit JitterRows(int width) : m_moves(size_t(width)) {}

    void operator()(const ConstPixelRows& source, int y, Byte* out, const Byte* random)
    {
        const int width = source.width;
        Byte* moves = m_moves.data();
        for (int x = 0; x < width; ++x)
            moves[x] = Byte(pick(random[2 * x + 1], 5) * 5 + pick(random[2 * x], 5));
        const Byte* own = source.row(y);
        const auto slow = [&](int x) {
            const int sx = x + moves[x] % 5 - 2;
            const int sy = y + moves[x] / 5 - 2;
            const bool inside = sx >= 0 && sx < width && sy >= 0 && sy < source.height;
            std::memcpy(out + 3 * x, inside ? source.row(sy) + 3 * sx : own + 3 * x, 3);
        };
        int x = 0;
        if (y >= 2 && y + 2 < source.height && width > 6) {
            // Away from the edges every move stays inside: one of 25 fixed offsets. Four
            // bytes go at once while the fourth is still a pixel's; the next pixel
            // overwrites it.
            std::array<qsizetype, 25> offset{};
            for (int move = 0; move < 25; ++move)
                offset[size_t(move)] = (move / 5 - 2) * source.stride + 3 * (move % 5 - 2);
            for (; x < 2; ++x)
                slow(x);
            for (; x < width - 4; ++x)
                std::memcpy(out + 3 * x, own + 3 * x + offset[moves[x]], 4);
            for (; x < width - 2; ++x)
                std::memcpy(out + 3 * x, own + 3 * x + offset[moves[x]], 3);
        }
        for (; x < width; ++x)
            slow(x);
    }

private:
    std::vector<Byte> m_moves;
};

// Shares the rows out in chunks; every thread makes its own row worker. The calling
// thread reports progress, and a progress that says stop ends every thread at its
// next chunk. True when all rows were done.
template <typename MakeWorker>
bool forEachRow(const PixelRows& target, int threads, const std::function<bool(double)>& progress,
                MakeWorker makeWorker)
{
    const int height = target.height;
    const int chunks = (height + kChunkRows - 1) / kChunkRows;
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::atomic<bool> stop{false};
    const auto loop = [&](bool reports) {
        auto work = makeWorker();
        while (!stop.load(std::memory_order_relaxed)) {
            const int chunk = next++;
            if (chunk >= chunks)
                break;
            const int end = std::min(height, (chunk + 1) * kChunkRows);
            for (int y = chunk * kChunkRows; y < end; ++y)
                work(y, target.row(y));
            const int finished = ++done;
            if (reports && progress && !progress(double(finished) / chunks))
                stop = true;
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (int k = 1; k < std::min(threads, chunks); ++k)
            helpers.emplace_back(loop, false);
        loop(true);
    }
    return done == chunks;
}

template <int K, typename RowFunction>
auto windowed(const ConstPixelRows& source, RowFunction rowFunction)
{
    return [&source, rowFunction] {
        return [padded = PaddedRows(source, K / 2), rowFunction, n = source.width * 3](int y, Byte* out) mutable {
            rowFunction(windowAt<K>(padded, y), out, n);
        };
    };
}

constexpr Kernel<3> kEmbossKernel{0, 0, -1, 0, 0, 0, 1, 0, 0};
constexpr Kernel<3> kSharpenKernel{-1, -1, -1, -1, 15, -1, -1, -1, -1};
constexpr Kernel<5> kBlurKernel{0, 1, 2, 1, 0, 1, 3, 4, 3, 1, 2, 4, 8, 4, 2, 1, 3, 4, 3, 1, 0, 1, 2, 1, 0};
constexpr Kernel<3> kGaussianKernel{1, 2, 1, 2, 4, 2, 1, 2, 1};
constexpr Kernel<3> kMeanKernel{1, 1, 1, 1, 1, 1, 1, 1, 1};
constexpr Kernel<3> kSoftenKernel{1, 1, 1, 1, 8, 1, 1, 1, 1};

bool run(EffectFilter::Kind kind, const ConstPixelRows& source, const PixelRows& target, int threads,
         const EffectFilter::Options& options)
{
    using Kind = EffectFilter::Kind;
    const auto each = [&](auto makeWorker) { return forEachRow(target, threads, options.progress, makeWorker); };
    const int width = source.width;
    const int n = width * 3;
    const bool bgr = source.order == ChannelOrder::Bgr;
    switch (kind) {
    case Kind::Erode: return each(windowed<3>(source, extremeRow<false>));
    case Kind::Dilate: return each(windowed<3>(source, extremeRow<true>));
    case Kind::Edge: return each(windowed<3>(source, edgeRow));
    case Kind::Contour: return each(windowed<3>(source, contourRow));
    case Kind::Median: return each(windowed<3>(source, MedianRows(n)));
    case Kind::Emboss: return each(windowed<3>(source, convolveRow<3, kEmbossKernel, 0, 127>));
    case Kind::Sharpen: return each(windowed<3>(source, convolveRow<3, kSharpenKernel, 7, 0>));
    case Kind::Blur: return each(windowed<5>(source, convolveRow<5, kBlurKernel, 52, 0>));
    case Kind::Gaussian: return each(windowed<3>(source, convolveRow<3, kGaussianKernel, 16, 0>));
    case Kind::Mean: return each(windowed<3>(source, convolveRow<3, kMeanKernel, 9, 0>));
    case Kind::Soften: return each(windowed<3>(source, convolveRow<3, kSoftenKernel, 16, 0>));
    case Kind::Noise:
        return each([&] {
            return [&, random = RandomBytes(n)](int y, Byte* out) mutable {
                Byte* bytes = random.fill(RowRandom(options.seed, y), n);
                if (bgr)
                    toBgr(bytes, width);
                noiseRow(source.row(y), out, n, bytes);
            };
        });
    case Kind::Jitter:
        return each([&] {
            return [&, random = RandomBytes(2 * width), jitter = JitterRows(width)](int y, Byte* out) mutable {
                jitter(source, y, out, random.fill(RowRandom(options.seed, y), 2 * width));
            };
        });
    }
    return false;
}

} // namespace

std::span<const EffectFilter::Entry> EffectFilter::entries() { return kEntries; }

const EffectFilter::Entry* EffectFilter::forCommand(int commandId)
{
    for (const Entry& entry : kEntries)
        if (entry.commandId == commandId)
            return &entry;
    return nullptr;
}

const EffectFilter::Entry* EffectFilter::forName(const QString& name)
{
    for (const Entry& entry : kEntries)
        if (name == QLatin1String(entry.name))
            return &entry;
    return nullptr;
}

Result<QImage> EffectFilter::apply(Kind kind, const QImage& picture, const Options& options)
{
    if (picture.isNull())
        return Result<QImage>::error(QStringLiteral("The picture to filter has no pixels."));
    const QImage source =
        picture.format() == QImage::Format_RGB888 ? picture : picture.convertToFormat(QImage::Format_RGB888);
    QImage target(source.size(), QImage::Format_RGB888);
    if (source.isNull() || target.isNull())
        return Result<QImage>::error(QStringLiteral("There is not enough memory to filter a %1 x %2 picture.")
                                         .arg(picture.width())
                                         .arg(picture.height()));
    target.setDotsPerMeterX(picture.dotsPerMeterX());
    target.setDotsPerMeterY(picture.dotsPerMeterY());
    const ConstPixelRows from{source.constBits(), source.bytesPerLine(), source.width(), source.height(),
                              ChannelOrder::Rgb};
    const PixelRows to{target.bits(), target.bytesPerLine(), target.width(), target.height(), ChannelOrder::Rgb};
    MONTORA_TRY(apply(kind, from, to, options));
    return target;
}

Status EffectFilter::apply(Kind kind, const ConstPixelRows& source, const PixelRows& target, const Options& options)
{
    if (source.width <= 0 || source.height <= 0)
        return Status::error(QStringLiteral("The picture to filter has no pixels."));
    if (source.width != target.width || source.height != target.height || source.order != target.order)
        return Status::error(QStringLiteral("The filtered picture must have the size and channel order of its source."));
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    const int threads = std::clamp(options.threads > 0 ? options.threads : cores, 1, kMaxThreads);
    if (!run(kind, source, target, threads, options))
        return Status::error(stoppedMessage());
    return Status::ok();
}

} // namespace montora
