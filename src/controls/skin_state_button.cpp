#include "controls/skin_state_button.h"

#include "controls/skin_art.h"

#include <QMouseEvent>
#include <QPainter>

namespace montora {

SkinStateButton::SkinStateButton(QWidget* parent) : QAbstractButton(parent)
{
    SkinArt::ensureLoaded();
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
}

SkinState SkinStateButton::skinState() const
{
    if (!isEnabled())
        return SkinState::Disabled;
    if (isDown())
        return SkinState::Pressed;
    return m_hot ? SkinState::Hot : SkinState::Normal;
}

void SkinStateButton::drawFocusFrame(QPainter& painter, const QRect& frame)
{
    painter.save();
    painter.setPen(QPen(QColor(0x6C, 0x9B, 0xD2), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    painter.restore();
}

void SkinStateButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintSkin(painter, skinState());
}

void SkinStateButton::setHot(bool hot)
{
    if (m_hot == hot)
        return;
    m_hot = hot;
    update();
}

void SkinStateButton::enterEvent(QEnterEvent* event)
{
    setHot(true);
    QAbstractButton::enterEvent(event);
}

void SkinStateButton::leaveEvent(QEvent* event)
{
    setHot(false);
    QAbstractButton::leaveEvent(event);
}

// While held the button keeps the pointer, so leaving it is read from the position.
void SkinStateButton::mouseMoveEvent(QMouseEvent* event)
{
    setHot(rect().contains(event->position().toPoint()));
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
}

void SkinStateButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        // Enabled again, it shows normal until the pointer moves.
        m_hot = false;
        if (!isEnabled())
            setDown(false);
        update();
    }
    QAbstractButton::changeEvent(event);
}

} // namespace montora
