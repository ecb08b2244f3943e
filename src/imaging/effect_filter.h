#pragma once

#include "base/status.h"
#include "imaging/pixel_rows.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>

namespace montora {

// The whole-picture effects of the Edit menu's Filters and `montora filter`, on
// 24-bit pictures. Every neighbourhood reaches past the picture's edges as copies of
// the edge pixels, so borders need no case of their own. Kernels are given with
// their first row on the lowest picture row of the window, as pictures of the
// image library are stored from the bottom up (it only matters for Emboss).
// The work is shared by a few threads; the random effects give the same picture
// for the same seed whatever the number of threads.
class EffectFilter {
public:
    enum class Kind {
        Erode,    // per channel the least of the pixel, its left, lower and lower-left neighbours
        Dilate,   // the greatest of the same four
        Noise,    // every channel moved by a uniform whole number in -25..25
        Jitter,   // every pixel taken from up to 2 pixels away in each direction
        Median,   // per channel the median of the 3 x 3 neighbourhood
        Contour,  // 255 - (3 x 3 maximum - the pixel), per channel: dark lines on white
        Emboss,   // upper-left - lower-right + 127
        Edge,     // 255 - (maximum - minimum) of the Erode window, per channel
        Sharpen,  // 15 x the pixel - its 8 neighbours, / 7
        Blur,     // 5 x 5 kernel, / 52
        Gaussian, // 1 2 1 / 2 4 2 / 1 2 1, / 16
        Mean,     // 3 x 3 average
        Soften,   // 8 x the pixel + its 8 neighbours, / 16
    };

    struct Entry {
        Kind kind;
        int commandId;       // the window's command (11980..11994)
        const char* name;    // `montora filter NAME`
        const char* caption; // the Filters menu's
    };

    struct Options {
        std::uint64_t seed = 0x4D6F6E746F7261ULL; // Noise and Jitter
        int threads = 0;                          // 0: one per core, at most 8
        // Called on the calling thread with the share done (0..1); false stops the work.
        std::function<bool(double done)> progress;
    };

    static QString stoppedMessage() { return QStringLiteral("The filter was stopped."); }

    static std::span<const Entry> entries();
    // Null when no effect has that command or name.
    static const Entry* forCommand(int commandId);
    static const Entry* forName(const QString& name);

    // The filtered picture, as large as the given one and of its resolution, in
    // Format_RGB888. Other formats are converted first (alpha is dropped).
    static Result<QImage> apply(Kind kind, const QImage& picture, const Options& options);
    // The same between rows in memory, which may lie in a file's own bytes; `target`
    // is as large as `source` and has its channel order.
    static Status apply(Kind kind, const ConstPixelRows& source, const PixelRows& target, const Options& options);
    static Result<QImage> apply(Kind kind, const QImage& picture) { return apply(kind, picture, Options()); }
};

} // namespace montora
