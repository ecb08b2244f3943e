#include "app/ui/toolbar_button.h"

#include "app/ui/shell_art.h"

#include <QPainter>

namespace montora {

ToolbarButton::ToolbarButton(CommandId command, const QString& art, const QString& tooltip, QWidget* parent)
    : SkinStateButton(parent), m_command(command), m_art(art)
{
    setToolTip(tooltip);
    setAccessibleName(tooltip);
    resize(sizeHint());
    connect(this, &QAbstractButton::clicked, this, [this] { emit clicked(m_command); });
}

void ToolbarButton::paintSkin(QPainter& painter, SkinState state)
{
    const qreal ratio = devicePixelRatioF();
    if (state == SkinState::Pressed || state == SkinState::Hot) {
        const QString background = state == SkinState::Pressed ? QStringLiteral("tool_pressed")
                                                                : QStringLiteral("tool_hot");
        painter.drawPixmap(0, 0, ShellArt::pixmap(background, size(), ratio));
    }
    const QString icon = state != SkinState::Disabled ? m_art : m_art + QStringLiteral("_disabled");
    painter.drawPixmap(0, 0, ShellArt::pixmap(icon, size(), ratio));
    if (hasFocus())
        drawFocusFrame(painter, rect().adjusted(1, 1, -2, -2));
}

} // namespace montora
