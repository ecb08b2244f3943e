#include "app/ui/menu_bar_button.h"

#include "app/ui/shell_art.h"
#include "controls/skin_art.h"
#include "controls_model/three_slice.h"

#include <QMouseEvent>
#include <QPainter>

namespace montora {

namespace {
constexpr int kSkinWidth = 118;
constexpr ThreeSlice kSlices{12, 12, 94, 106, 12};
const QColor kCaption(0xF5, 0xF5, 0xF5);
const QColor kDisabledCaption(0x90, 0x90, 0x90);
} // namespace

MenuBarButton::MenuBarButton(CommandId command, const QString& caption, QWidget* parent)
    : SkinStateButton(parent), m_command(command)
{
    setCaption(caption);
    connect(this, &QAbstractButton::clicked, this, [this] { emit clicked(m_command); });
}

void MenuBarButton::setCaption(const QString& caption)
{
    m_caption = caption;
    // Not setText(): the window's own Alt+letter shortcuts open the menus.
    setAccessibleName(QString(caption).remove(u'&'));
    update();
}

void MenuBarButton::setOpen(bool open)
{
    m_open = open;
    update();
}

void MenuBarButton::paintSkin(QPainter& painter, SkinState state)
{
    QString skin = QStringLiteral("menubar_normal");
    if (state == SkinState::Disabled)
        skin = QStringLiteral("menubar_disabled");
    else if (m_open || state == SkinState::Pressed)
        skin = QStringLiteral("menubar_pressed");
    else if (state == SkinState::Hot)
        skin = QStringLiteral("menubar_hot");
    SkinArt::drawThreeSlice(painter, rect(), ShellArt::path(skin), kSkinWidth, kSlices);
    painter.setPen(state != SkinState::Disabled ? kCaption : kDisabledCaption);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, m_caption);
    if (hasFocus())
        drawFocusFrame(painter, rect().adjusted(3, 3, -4, -4));
}

void MenuBarButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return SkinStateButton::mousePressEvent(event);
    emit clicked(m_command);
}

} // namespace montora
