#include "tools/ui/text_style_gallery.h"

#include "controls/skin_scroll_bar.h"
#include "text/styled_text.h"
#include "text/text_style_presets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace montora {

namespace {

constexpr int kCellWidth = TextStylePresets::kCellWidth;
constexpr int kCellHeight = TextStylePresets::kCellHeight;
const QColor kBackground(240, 240, 240);
const QColor kSelectionFrame(200, 200, 200);

} // namespace

TextStyleGallery::TextStyleGallery(QWidget* parent)
    : QWidget(parent), m_verticalBar(new SkinScrollBar(Qt::Vertical, this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_verticalBar->setSizeFactor(kSizeFactor);
    m_verticalBar->hide();
    connect(m_verticalBar, &SkinScrollBar::canvasVScroll, this, [this](ScrollAction action, int position) {
        scrollTo(ScrollBarModel::answer(action, m_scroll, scrollRange(), kWheelStep, position));
    });
}

int TextStyleGallery::cellCount() const { return StyledText::kStyleCount; }

int TextStyleGallery::scrollRange() const
{
    return std::max(0, (cellCount() + 1) * kCellHeight - height());
}

QRect TextStyleGallery::cellRect(int index) const
{
    return QRect(0, index * kCellHeight - m_scroll, kCellWidth, kCellHeight);
}

void TextStyleGallery::select(int index)
{
    if (index < 0 || index >= cellCount() || index == m_selected)
        return;
    m_selected = index;
    scrollToShow(index);
    update();
    emit gallerySelected(index);
}

void TextStyleGallery::updateScrollBar()
{
    const int range = scrollRange();
    m_verticalBar->setGeometry(width() - ScrollBarModel::kThickness, 0, ScrollBarModel::kThickness, height());
    m_verticalBar->setRange(range);
    m_verticalBar->setVisible(range > 0);
    m_scroll = std::clamp(m_scroll, 0, range);
    m_verticalBar->setPosition(m_scroll);
}

void TextStyleGallery::scrollTo(int position)
{
    m_scroll = std::clamp(position, 0, scrollRange());
    m_verticalBar->setPosition(m_scroll);
    update();
}

void TextStyleGallery::scrollToShow(int index)
{
    const QRect cell = cellRect(index);
    if (cell.top() < 0)
        scrollTo(m_scroll + cell.top());
    else if (cell.bottom() >= height())
        scrollTo(m_scroll + cell.bottom() + 1 - height());
}

const QImage& TextStyleGallery::samples()
{
    const qreal ratio = devicePixelRatioF();
    if (m_samples.isNull() || m_samples.devicePixelRatio() != ratio) {
        const QSize size(kCellWidth, cellCount() * kCellHeight);
        m_samples = QImage(size * ratio, QImage::Format_ARGB32_Premultiplied);
        m_samples.setDevicePixelRatio(ratio);
        m_samples.fill(kBackground);
        QPainter painter(&m_samples);
        for (int i = 0; i < cellCount(); ++i)
            TextStylePresets::drawCell(painter, i, QRect(0, i * kCellHeight, kCellWidth, kCellHeight));
    }
    return m_samples;
}

void TextStyleGallery::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int barWidth = m_verticalBar->isVisible() ? ScrollBarModel::kThickness : 0;
    const QRect client(0, 0, width() - barWidth, height());
    painter.fillRect(client, kBackground);
    painter.setClipRect(client);
    painter.drawImage(QPoint(0, -m_scroll), samples());
    const QRect selected = cellRect(m_selected);
    painter.setPen(kSelectionFrame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(selected.adjusted(0, 0, -1, -1));
    painter.drawRect(selected.adjusted(-1, -1, -2, -2));
}

void TextStyleGallery::resizeEvent(QResizeEvent*) { updateScrollBar(); }

void TextStyleGallery::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    if (point.x() < 0 || point.x() >= kCellWidth)
        return;
    const int index = (point.y() + m_scroll) / kCellHeight;
    if (point.y() >= 0 && index < cellCount())
        select(index);
}

void TextStyleGallery::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up: select(m_selected - 1); break;
    case Qt::Key_Down: select(m_selected + 1); break;
    case Qt::Key_Left:
    case Qt::Key_Right: break; // one column: nothing to move to
    default: return QWidget::keyPressEvent(event);
    }
    event->accept();
}

void TextStyleGallery::wheelEvent(QWheelEvent* event)
{
    event->accept();
    // Notches add up, so a touchpad's small steps scroll once per notch's worth.
    m_wheelRest += event->angleDelta().y();
    const int notches = m_wheelRest / 120;
    m_wheelRest -= notches * 120;
    if (notches != 0)
        scrollTo(m_scroll - notches * kWheelStep);
}

} // namespace montora
