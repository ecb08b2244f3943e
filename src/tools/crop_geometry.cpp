#include "tools/crop_geometry.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace montora {

namespace {

int widthOf(const CropBox& box) { return box.right - box.left; }
int heightOf(const CropBox& box) { return box.bottom - box.top; }

CropBox spanning(int x1, int y1, int x2, int y2)
{
    return CropBox{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

CropBox shifted(const CropBox& box, int dx, int dy)
{
    return CropBox{box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

bool contains(const CropBox& box, QPoint point)
{
    return point.x() >= box.left && point.x() < box.right && point.y() >= box.top && point.y() < box.bottom;
}

// Shrinks by `by` on every side, never past the centre.
CropBox deflated(const CropBox& box, int by)
{
    const int dx = std::min(by, widthOf(box) / 2);
    const int dy = std::min(by, heightOf(box) / 2);
    return CropBox{box.left + dx, box.top + dy, box.right - dx, box.bottom - dy};
}

// Source to view and back: x * to / from, exact in 64 bits.
int scaled(int value, int to, int from) { return int(std::int64_t(value) * to / from); }
int scaledRounded(int value, int to, int from) { return int((2 * std::int64_t(value) * to + from) / (2 * std::int64_t(from))); }

bool isCorner(int handle) { return handle % 2 == 0; }

} // namespace

QSize CropGeometry::fittedSize(QSize preview, QSize view)
{
    const qint64 pw = preview.width();
    const qint64 ph = preview.height();
    const qint64 vw = view.width();
    const qint64 vh = view.height();
    if (pw <= 0 || ph <= 0 || vw <= 0 || vh <= 0)
        return QSize(0, 0);
    if (pw <= vw && ph <= vh)
        return preview;
    // vw / vh < pw / ph, compared exactly.
    if (vw * ph < pw * vh)
        return QSize(int(vw), int(ph * vw / pw));
    return QSize(int(pw * vh / ph), int(vh));
}

void CropGeometry::layout(QSize preview, QSize view)
{
    const QSize fitted = fittedSize(preview, view);
    const int left = (view.width() - fitted.width()) / 2;
    const int top = (view.height() - fitted.height()) / 2;
    m_image = CropBox{left, top, left + fitted.width(), top + fitted.height()};
    const int dx = fitted.width() / 8;
    const int dy = fitted.height() / 8;
    m_crop = CropBox{m_image.left + dx, m_image.top + dy, m_image.right - dx, m_image.bottom - dy};
    m_constrained = false;
    m_drag = Drag::None;
    m_earlierSource.reset();
}

void CropGeometry::startFrom(const CropBox& sourceCrop, QSize source)
{
    const CropBox clamped = ItemPictureBuilder::clampCrop(sourceCrop, source);
    const CropBox whole{0, 0, source.width(), source.height()};
    if (clamped.isEmpty() || clamped == whole || m_image.isEmpty())
        return;
    const int iw = widthOf(m_image);
    const int ih = heightOf(m_image);
    m_crop = CropBox{m_image.left + scaledRounded(clamped.left, iw, source.width()),
                     m_image.top + scaledRounded(clamped.top, ih, source.height()),
                     m_image.left + scaledRounded(clamped.right, iw, source.width()),
                     m_image.top + scaledRounded(clamped.bottom, ih, source.height())};
    m_earlierSource = clamped;
    m_earlierView = m_crop;
}

void CropGeometry::setConstraint(float widthTerm, float heightTerm)
{
    if (widthTerm == 0 || heightTerm == 0) {
        m_constrained = false;
        return;
    }
    m_widthTerm = widthTerm;
    m_heightTerm = heightTerm;
    m_constrained = true;
    const int iw = widthOf(m_image);
    const int ih = heightOf(m_image);
    if (iw + ih <= 0)
        return;
    // A rectangle of the image's shape about one and a half times the crop's size.
    const double s = 1.5 * (widthOf(m_crop) + heightOf(m_crop)) / double(iw + ih);
    CropBox candidate{m_image.left, m_image.top, m_image.left + int(s * iw), m_image.top + int(s * ih)};
    if (widthOf(candidate) > iw || heightOf(candidate) > ih)
        candidate = m_image;
    else
        candidate = shifted(candidate, (iw - widthOf(candidate)) / 2, (ih - heightOf(candidate)) / 2);
    candidate = deflated(candidate, 8);

    const float w = float(widthOf(candidate));
    const float h = float(heightOf(candidate));
    if (w / h >= widthTerm / heightTerm) {
        const int inset = int((w - widthTerm * h / heightTerm) * 0.5f);
        candidate.left += inset;
        candidate.right -= inset;
    } else {
        const int inset = int((h - heightTerm * w / widthTerm) * 0.5f);
        candidate.top += inset;
        candidate.bottom -= inset;
    }
    m_crop = candidate;
}

CropBox CropGeometry::handleRect(int handle) const
{
    constexpr int s = kHandleSize;
    const int l = m_crop.left;
    const int t = m_crop.top;
    const int r = m_crop.right;
    const int b = m_crop.bottom;
    const int cx = (l + r) / 2;
    const int cy = (t + b) / 2;
    switch (handle) {
    case 0: return CropBox{l - s, t - s, l, t};
    case 1: return CropBox{l - s, cy - s / 2, l, cy + s / 2};
    case 2: return CropBox{l - s, b, l, b + s};
    case 3: return CropBox{cx - s / 2, b, cx + s / 2, b + s};
    case 4: return CropBox{r, b, r + s, b + s};
    case 5: return CropBox{r, cy - s / 2, r + s, cy + s / 2};
    case 6: return CropBox{r, t - s, r + s, t};
    case 7: return CropBox{cx - s / 2, t - s, cx + s / 2, t};
    default: return CropBox{};
    }
}

bool CropGeometry::isHandleActive(int handle) const
{
    return handle >= 0 && handle < kHandleCount && (!m_constrained || isCorner(handle));
}

int CropGeometry::handleAt(QPoint point) const
{
    for (int handle = 0; handle < kHandleCount; ++handle)
        if (isHandleActive(handle) && contains(handleRect(handle), point))
            return handle;
    return kNoHandle;
}

bool CropGeometry::isInsideCrop(QPoint point) const { return contains(m_crop, point); }

Qt::CursorShape CropGeometry::cursorAt(QPoint point) const
{
    static constexpr std::array<Qt::CursorShape, 4> byPair{Qt::SizeFDiagCursor, Qt::SizeHorCursor,
                                                           Qt::SizeBDiagCursor, Qt::SizeVerCursor};
    const int handle = handleAt(point);
    if (handle != kNoHandle)
        return byPair[std::size_t(handle % 4)];
    return isInsideCrop(point) ? Qt::SizeAllCursor : Qt::ArrowCursor;
}

bool CropGeometry::press(QPoint point)
{
    m_handle = handleAt(point);
    if (m_handle != kNoHandle)
        m_drag = Drag::Resize;
    else if (isInsideCrop(point))
        m_drag = Drag::Move;
    else
        return false;
    m_dragStart = m_crop;
    m_pressedAt = point;
    return true;
}

void CropGeometry::drag(QPoint point)
{
    if (m_drag == Drag::Resize)
        resizeTo(point);
    else if (m_drag == Drag::Move)
        moveTo(point);
}

int CropGeometry::clampX(int x) const { return std::clamp(x, m_image.left, std::max(m_image.left, m_image.right)); }
int CropGeometry::clampY(int y) const { return std::clamp(y, m_image.top, std::max(m_image.top, m_image.bottom)); }

void CropGeometry::resizeTo(QPoint point)
{
    const int x = clampX(point.x());
    const int y = clampY(point.y());
    const CropBox& s = m_dragStart;
    CropBox box;
    switch (m_handle) {
    case 0: box = spanning(x, y, s.right, s.bottom); break;
    case 1: box = spanning(x, s.top, s.right, s.bottom); break;
    case 2: box = spanning(x, y, s.right, s.top); break;
    case 3: box = spanning(s.left, y, s.right, s.top); break;
    case 4: box = spanning(x, y, s.left, s.top); break;
    case 5: box = spanning(x, s.top, s.left, s.bottom); break;
    case 6: box = spanning(x, y, s.left, s.bottom); break;
    case 7: box = spanning(s.left, y, s.right, s.bottom); break;
    default: return;
    }
    if (m_constrained && isCorner(m_handle))
        fitToConstraint(box);
    m_crop = box;
}

// The rectangle takes the ratio and stays attached to the corner opposite the
// dragged one, on whichever side of it the pointer now is.
void CropGeometry::fitToConstraint(CropBox& box) const
{
    int w = widthOf(box);
    int h = heightOf(box);
    if (m_widthTerm / m_heightTerm >= float(w) / float(h))
        h = int(float(w) * m_heightTerm / m_widthTerm);
    else
        w = int(float(h) * m_widthTerm / m_heightTerm);

    const CropBox& s = m_dragStart;
    const bool topHandle = m_handle == 0 || m_handle == 6;
    const bool leftHandle = m_handle == 0 || m_handle == 2;
    if (topHandle) {
        if (box.top < s.bottom)
            box.top = box.bottom - h;
        else
            box.bottom = box.top + h;
    } else {
        if (box.bottom > s.top)
            box.bottom = box.top + h;
        else
            box.top = box.bottom - h;
    }
    if (leftHandle) {
        if (box.left < s.right)
            box.left = box.right - w;
        else
            box.right = box.left + w;
    } else {
        if (box.right > s.left)
            box.right = box.left + w;
        else
            box.left = box.right - w;
    }
}

void CropGeometry::moveTo(QPoint point)
{
    const QPoint travel = point - m_pressedAt;
    CropBox box = shifted(m_dragStart, travel.x(), travel.y());
    if (box.left < m_image.left)
        box = shifted(box, m_image.left - box.left, 0);
    if (box.right > m_image.right)
        box = shifted(box, m_image.right - box.right, 0);
    if (box.bottom > m_image.bottom)
        box = shifted(box, 0, m_image.bottom - box.bottom);
    if (box.top < m_image.top)
        box = shifted(box, 0, m_image.top - box.top);
    m_crop = box;
}

std::optional<CropBox> CropGeometry::result(QSize source) const
{
    const int iw = widthOf(m_image);
    const int ih = heightOf(m_image);
    if (iw <= 0 || ih <= 0)
        return std::nullopt;
    if (m_earlierSource && m_crop == m_earlierView)
        return m_earlierSource;
    return CropBox{scaled(m_crop.left - m_image.left, source.width(), iw),
                   scaled(m_crop.top - m_image.top, source.height(), ih),
                   scaled(m_crop.right - m_image.left, source.width(), iw),
                   scaled(m_crop.bottom - m_image.top, source.height(), ih)};
}

} // namespace montora
