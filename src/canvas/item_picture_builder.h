#pragma once

#include "canvas/canvas_resources.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <atomic>

namespace montora {

// A crop rectangle as the photo record keeps it: right and bottom one past the edge.
struct CropBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool isEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const CropBox&, const CropBox&) = default;
};

// How often the expensive steps ran; tests use them to show that a redraw that only
// moves or selects items does none.
struct PictureWork {
    std::atomic<int> decodes{0};
    std::atomic<int> rescales{0};
    std::atomic<int> masks{0};
    std::atomic<int> tones{0};
    std::atomic<int> frames{0};
};

struct PhotoPictureRequest {
    QString path;
    QSize fullSize;   // the picture's upright size
    CropBox crop;     // already clamped to fullSize
    QSize display;    // display size at the current zoom
    int maskNumber = 0;
    bool customMask = false;
    MaskKeyBytes maskKey{};
};

// Builds the pictures items are drawn from: cropped, reduced to their display size
// (never enlarged), masked. Safe to call from several threads at once as long as
// the resources are.
class ItemPictureBuilder {
public:
    // A left or top outside the picture becomes 0, a right or bottom outside it the
    // picture's width or height.
    static CropBox clampCrop(const CropBox& crop, QSize picture);

    // Null when the file cannot be decoded or the crop is empty. 32-bit ARGB.
    static QImage photo(const PhotoPictureRequest& request, CanvasResources* resources, PictureWork& work);
    // A library or pixel picture reduced to the display size when that is smaller.
    static QImage reduced(const QImage& source, QSize display, PictureWork& work);
    // The brush picture with its red, green and blue replaced by the colour (alpha kept),
    // then reduced.
    static QImage brush(const QImage& source, ColorRef colour, QSize display, PictureWork& work);
    // The frame picture sized for the display size when that is smaller.
    static QImage frame(const QImage& source, QSize display, PictureWork& work);
    // Alpha of each pixel = 255 - first byte of the mask resampled to the picture's size.
    static void applyMask(QImage& argb32, const QImage& mask);

    // The size the picture must at least be decoded at so that the crop still covers
    // the display size (an invalid size when the full picture is needed).
    static QSize decodeSizeFor(const PhotoPictureRequest& request);
};

} // namespace montora
