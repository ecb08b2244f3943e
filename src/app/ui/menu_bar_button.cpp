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
    : QWidget(parent), m_command(command), m_caption(caption)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void MenuBarButton::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void MenuBarButton::setOpen(bool open)
{
    m_open = open;
    update();
}

void MenuBarButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QString state = QStringLiteral("menubar_normal");
    if (!isEnabled())
        state = QStringLiteral("menubar_disabled");
    else if (m_open)
        state = QStringLiteral("menubar_pressed");
    else if (m_hot)
        state = QStringLiteral("menubar_hot");
    SkinArt::drawThreeSlice(painter, rect(), ShellArt::path(state), kSkinWidth, kSlices);
    painter.setPen(isEnabled() ? kCaption : kDisabledCaption);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, m_caption);
}

void MenuBarButton::enterEvent(QEnterEvent*)
{
    m_hot = true;
    update();
}

void MenuBarButton::leaveEvent(QEvent*)
{
    m_hot = false;
    update();
}

void MenuBarButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    emit clicked(m_command);
}

} // namespace montora
