#include "tools/ui/crop_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace montora {

namespace {

const QColor kBackground(240, 240, 240);
const QColor kShade(50, 50, 50, 120);
const QColor kHandleFill(150, 200, 255);

QRect toRect(const CropBox& box) { return QRect(box.left, box.top, box.right - box.left, box.bottom - box.top); }

} // namespace

CropView::CropView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CropView::setPreview(CropPreview preview)
{
    m_preview = std::move(preview);
    relayout();
}

void CropView::relayout()
{
    m_laidOutFor = size();
    m_geometry.layout(m_preview.pixels().size(), size());
    const QRect image = toRect(m_geometry.imageRect());
    m_fitted = image.isEmpty() ? QImage()
                               : m_preview.pixels().scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    update();
}

void CropView::startFrom(const CropBox& sourceCrop)
{
    m_geometry.startFrom(sourceCrop, m_preview.sourceSize());
    update();
}

void CropView::setConstraint(float widthTerm, float heightTerm)
{
    m_geometry.setConstraint(widthTerm, heightTerm);
    update();
}

void CropView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A hidden view gets its first resize when shown; that must not undo startFrom.
    if (size() != m_laidOutFor)
        relayout();
}

void CropView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (!m_fitted.isNull())
        painter.drawImage(toRect(m_geometry.imageRect()).topLeft(), m_fitted);
    paintShade(painter);
    const QRect crop = toRect(m_geometry.cropRect());
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    if (!crop.isEmpty())
        painter.drawRect(crop.adjusted(0, 0, -1, -1));
    paintHandles(painter);
}

// Above and below across the image's width, left and right between the crop's top and bottom.
void CropView::paintShade(QPainter& painter) const
{
    const CropBox& i = m_geometry.imageRect();
    const CropBox& c = m_geometry.cropRect();
    for (const CropBox& part : {CropBox{i.left, i.top, i.right, c.top}, CropBox{i.left, c.bottom, i.right, i.bottom},
                                CropBox{i.left, c.top, c.left, c.bottom}, CropBox{c.right, c.top, i.right, c.bottom}})
        if (!part.isEmpty())
            painter.fillRect(toRect(part), kShade);
}

void CropView::paintHandles(QPainter& painter) const
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(kHandleFill);
    for (int handle = 0; handle < CropGeometry::kHandleCount; ++handle)
        if (m_geometry.isHandleActive(handle))
            painter.drawRect(toRect(m_geometry.handleRect(handle)).adjusted(0, 0, -1, -1));
}

void CropView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_geometry.press(event->position().toPoint())) {
        QWidget::mousePressEvent(event);
        return;
    }
    update();
}

void CropView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (m_geometry.dragState() == CropGeometry::Drag::None) {
        setCursor(m_geometry.cursorAt(point));
        return;
    }
    m_geometry.drag(point);
    update();
}

void CropView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_geometry.dragState() != CropGeometry::Drag::None) {
        m_geometry.release();
        update();
    }
}

} // namespace montora
