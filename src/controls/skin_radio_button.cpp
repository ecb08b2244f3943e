#include "controls/skin_radio_button.h"

#include "controls/skin_art.h"

#include <QMouseEvent>
#include <QPainter>

namespace montora {

namespace {

constexpr int kIconSize = 16;
constexpr int kGap = 5;

} // namespace

SkinRadioButton::SkinRadioButton(int id, const QString& caption, QWidget* parent)
    : QWidget(parent), m_id(id), m_caption(caption)
{
    SkinArt::ensureLoaded();
    setFocusPolicy(Qt::NoFocus);
}

void SkinRadioButton::setOn(bool on)
{
    if (m_on == on)
        return;
    m_on = on;
    update();
}

void SkinRadioButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void SkinRadioButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked(m_id);
}

void SkinRadioButton::enterEvent(QEnterEvent*)
{
    m_hot = true;
    update();
}

void SkinRadioButton::leaveEvent(QEvent*)
{
    m_hot = false;
    update();
}

void SkinRadioButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QString icon = QStringLiteral(":/controls/radio_%1%2.svg")
                             .arg(m_on ? QLatin1String("on") : QLatin1String("off"),
                                  m_hot && isEnabled() ? QLatin1String("_hot") : QLatin1String(""));
    const QRect iconRect(0, (height() - kIconSize) / 2, kIconSize, kIconSize);
    painter.drawPixmap(iconRect.topLeft(), SkinArt::pixmap(icon, iconRect.size(), devicePixelRatioF()));
    painter.setPen(isEnabled() ? QColor(60, 60, 60) : QColor(120, 120, 120));
    painter.drawText(rect().adjusted(kIconSize + kGap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     m_caption);
}

} // namespace montora
