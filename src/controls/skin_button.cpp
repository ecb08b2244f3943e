#include "controls/skin_button.h"

#include "controls/skin_art.h"
#include "controls_model/three_slice.h"

#include <QMouseEvent>
#include <QPainter>

namespace montora {

namespace {

constexpr int kSkinWidth = 118;
constexpr ThreeSlice kButtonSlices{12, 12, 94, 106, 12};
const QColor kDisabledCaption(120, 120, 120);

} // namespace

SkinButton::Skin SkinButton::defaultSkin()
{
    return {QStringLiteral(":/controls/button_normal.svg"), QStringLiteral(":/controls/button_hot.svg"),
            QStringLiteral(":/controls/button_pressed.svg"), QStringLiteral(":/controls/button_normal.svg")};
}

SkinButton::Skin SkinButton::closeSkin()
{
    return {QStringLiteral(":/controls/close_normal.svg"), QStringLiteral(":/controls/close_hot.svg"),
            QStringLiteral(":/controls/close_pressed.svg"), QStringLiteral(":/controls/close_disabled.svg")};
}

SkinButton::SkinButton(int id, QWidget* parent) : QWidget(parent), m_id(id), m_skin(defaultSkin())
{
    SkinArt::ensureLoaded();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void SkinButton::setSkin(const Skin& skin)
{
    m_skin = skin;
    update();
}

void SkinButton::setThreeSlice(bool on)
{
    m_threeSlice = on;
    update();
}

void SkinButton::setBackground(const QColor& colour)
{
    m_background = colour;
    setAttribute(Qt::WA_OpaquePaintEvent, colour.isValid());
    update();
}

void SkinButton::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void SkinButton::setCaptionColour(const QColor& colour)
{
    m_captionColour = colour;
    update();
}

void SkinButton::setCaptionOffset(QPoint offset)
{
    m_captionOffset = offset;
    update();
}

void SkinButton::setIcons(const QString& normal, const QString& disabled)
{
    m_icon = normal;
    m_disabledIcon = disabled;
    update();
}

QSize SkinButton::sizeHint() const
{
    return QSize(65, 21);
}

void SkinButton::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    update();
}

QString SkinButton::skinFor(State state) const
{
    switch (state) {
    case State::Hot: return m_skin.hot;
    case State::Pressed: return m_skin.pressed;
    case State::Disabled: return m_skin.disabled;
    case State::Normal: break;
    }
    return m_skin.normal;
}

void SkinButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_background.isValid())
        painter.fillRect(rect(), m_background);
    const QString skin = skinFor(m_state);
    if (m_threeSlice)
        SkinArt::drawThreeSlice(painter, rect(), skin, kSkinWidth, kButtonSlices);
    else
        painter.drawPixmap(0, 0, SkinArt::pixmap(skin, size(), devicePixelRatioF()));

    const bool disabled = m_state == State::Disabled;
    const QString icon = disabled && !m_disabledIcon.isEmpty() ? m_disabledIcon : m_icon;
    if (!icon.isEmpty()) {
        const QRect iconRect(QPoint(0, 0), QSize(16, 16));
        painter.drawPixmap(iconRect.translated(rect().center() - iconRect.center()).topLeft(),
                           SkinArt::pixmap(icon, iconRect.size(), devicePixelRatioF()));
    }
    if (!m_caption.isEmpty()) {
        painter.setPen(disabled ? kDisabledCaption : m_captionColour);
        painter.drawText(rect().translated(m_captionOffset), Qt::AlignCenter | Qt::TextSingleLine, m_caption);
    }
}

void SkinButton::mouseMoveEvent(QMouseEvent* event)
{
    if (m_state == State::Disabled)
        return;
    // While the button is held the pointer is still reported here when it
    // leaves, so leaving and coming back is worked out from the position.
    if (!rect().contains(event->position().toPoint()))
        setState(State::Normal);
    else if (m_state != State::Pressed)
        setState(State::Hot);
}

void SkinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_state == State::Disabled)
        return;
    setState(State::Pressed);
}

void SkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_state == State::Disabled)
        return;
    setState(State::Normal);
    if (rect().contains(event->position().toPoint()))
        emit clicked(m_id);
}

void SkinButton::leaveEvent(QEvent*)
{
    if (m_state != State::Disabled)
        setState(State::Normal);
}

void SkinButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        setState(isEnabled() ? State::Normal : State::Disabled);
    QWidget::changeEvent(event);
}

} // namespace montora
