#pragma once

#include "canvas/item_picture_builder.h"

#include <QPoint>
#include <QSize>
#include <Qt>

#include <optional>

namespace montora {

// The crop dialog's rectangle, window-free: the preview fitted and centred in the
// view, the crop rectangle over it (both in view pixels, right and bottom one past
// the edge), its eight handles, the optional aspect constraint, the pointer drags
// and the conversion back to the picture's own pixels.
class CropGeometry {
public:
    enum class Drag { None, Resize, Move };
    static constexpr int kHandleCount = 8;
    static constexpr int kHandleSize = 8;
    static constexpr int kNoHandle = -1;

    // The preview fitted into the view (never enlarged), integer arithmetic.
    static QSize fittedSize(QSize preview, QSize view);

    // Fits and centres the preview in a view of `view` pixels; the crop rectangle
    // starts inset by an eighth of the fitted size on every side. Constraint off.
    void layout(QSize preview, QSize view);
    // Places the crop rectangle over an earlier crop given in pixels of a picture of
    // `source` pixels; result() gives that crop back as long as the rectangle stays.
    void startFrom(const CropBox& sourceCrop, QSize source);

    const CropBox& imageRect() const { return m_image; }
    const CropBox& cropRect() const { return m_crop; }
    void setCropRect(const CropBox& crop) { m_crop = crop; }

    // Terms of a ratio, width : height; either zero switches the constraint off and
    // leaves the rectangle alone.
    void setConstraint(float widthTerm, float heightTerm);
    bool isConstrained() const { return m_constrained; }

    // Handles: 0 top-left, 1 left, 2 bottom-left, 3 bottom, 4 bottom-right, 5 right,
    // 6 top-right, 7 top; all outside the rectangle. Edge handles are inactive while
    // a constraint is on.
    CropBox handleRect(int handle) const;
    bool isHandleActive(int handle) const;
    int handleAt(QPoint point) const;
    bool isInsideCrop(QPoint point) const;
    Qt::CursorShape cursorAt(QPoint point) const;

    // Pointer: press starts resizing (on an active handle) or moving (inside the
    // rectangle); false when it starts nothing.
    bool press(QPoint point);
    void drag(QPoint point);
    void release() { m_drag = Drag::None; }
    Drag dragState() const { return m_drag; }
    int dragHandle() const { return m_handle; }

    // The rectangle in pixels of a picture of `source` pixels; none while no
    // picture is shown.
    std::optional<CropBox> result(QSize source) const;

private:
    void resizeTo(QPoint point);
    void moveTo(QPoint point);
    void fitToConstraint(CropBox& box) const;
    int clampX(int x) const;
    int clampY(int y) const;

    CropBox m_image;
    CropBox m_crop;
    bool m_constrained = false;
    float m_widthTerm = 0;
    float m_heightTerm = 0;

    Drag m_drag = Drag::None;
    int m_handle = kNoHandle;
    CropBox m_dragStart;
    QPoint m_pressedAt;

    // An earlier crop the rectangle was placed over, and where it was placed.
    std::optional<CropBox> m_earlierSource;
    CropBox m_earlierView;
};

} // namespace montora
