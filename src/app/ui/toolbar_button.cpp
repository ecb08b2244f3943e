#include "app/ui/toolbar_button.h"

#include "app/ui/shell_art.h"

#include <QMouseEvent>
#include <QPainter>

namespace montora {

ToolbarButton::ToolbarButton(CommandId command, const QString& art, const QString& tooltip, QWidget* parent)
    : QWidget(parent), m_command(command), m_art(art)
{
    setToolTip(tooltip);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
}

void ToolbarButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (isEnabled() && (m_pressed || m_hot)) {
        const QString background = m_pressed && m_hot ? QStringLiteral("tool_pressed") : QStringLiteral("tool_hot");
        painter.drawPixmap(0, 0, ShellArt::pixmap(background, size(), ratio));
    }
    const QString icon = isEnabled() ? m_art : m_art + QStringLiteral("_disabled");
    painter.drawPixmap(0, 0, ShellArt::pixmap(icon, size(), ratio));
}

void ToolbarButton::enterEvent(QEnterEvent*)
{
    m_hot = true;
    update();
}

void ToolbarButton::leaveEvent(QEvent*)
{
    m_hot = false;
    update();
}

void ToolbarButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressed = true;
    update();
}

// While held the button keeps the pointer, so leaving it is read from the position.
void ToolbarButton::mouseMoveEvent(QMouseEvent* event)
{
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != m_hot) {
        m_hot = inside;
        update();
    }
}

void ToolbarButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return QWidget::mouseReleaseEvent(event);
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit clicked(m_command);
}

void ToolbarButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_pressed = false;
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace montora
