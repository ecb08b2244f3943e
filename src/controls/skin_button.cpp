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

SkinButton::SkinButton(int id, QWidget* parent) : SkinStateButton(parent), m_id(id), m_skin(defaultSkin())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(this, &QAbstractButton::clicked, this, [this] { emit clicked(m_id); });
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
    // Not setText(): an "&" there would become a shortcut of its own.
    setAccessibleName(QString(caption).remove(u'&'));
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

SkinState SkinButton::skinState() const
{
    const SkinState state = SkinStateButton::skinState();
    if (state == SkinState::Pressed && m_leftWhileHeld)
        return SkinState::Hot;
    if (state == SkinState::Hot && m_released)
        return SkinState::Normal;
    return state;
}

SkinButton::State SkinButton::state() const
{
    switch (skinState()) {
    case SkinState::Hot: return State::Hot;
    case SkinState::Pressed: return State::Pressed;
    case SkinState::Disabled: return State::Disabled;
    case SkinState::Normal: break;
    }
    return State::Normal;
}

QString SkinButton::skinFor(SkinState state) const
{
    switch (state) {
    case SkinState::Hot: return m_skin.hot;
    case SkinState::Pressed: return m_skin.pressed;
    case SkinState::Disabled: return m_skin.disabled;
    case SkinState::Normal: break;
    }
    return m_skin.normal;
}

void SkinButton::paintSkin(QPainter& painter, SkinState state)
{
    if (m_background.isValid())
        painter.fillRect(rect(), m_background);
    const QString skin = skinFor(state);
    if (m_threeSlice)
        SkinArt::drawThreeSlice(painter, rect(), skin, kSkinWidth, kButtonSlices);
    else
        painter.drawPixmap(0, 0, SkinArt::pixmap(skin, size(), devicePixelRatioF()));

    const bool disabled = state == SkinState::Disabled;
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
    if (hasFocus())
        drawFocusFrame(painter, rect().adjusted(3, 3, -4, -4));
}

// Hot comes from the pointer's moves only, so a dialog that opens under a resting
// pointer shows its buttons normal.
void SkinButton::enterEvent(QEnterEvent* event) { QAbstractButton::enterEvent(event); }

void SkinButton::mouseMoveEvent(QMouseEvent* event)
{
    m_released = false;
    const bool wasDown = isDown();
    SkinStateButton::mouseMoveEvent(event);
    if (wasDown && !isDown())
        m_leftWhileHeld = true;
    update();
}

void SkinButton::mousePressEvent(QMouseEvent* event)
{
    m_leftWhileHeld = false;
    m_released = false;
    SkinStateButton::mousePressEvent(event);
}

void SkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    m_leftWhileHeld = false;
    m_released = event->button() == Qt::LeftButton;
    SkinStateButton::mouseReleaseEvent(event);
    update();
}

} // namespace montora
