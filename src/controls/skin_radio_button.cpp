#include "controls/skin_radio_button.h"

#include "controls/skin_art.h"

#include <QPainter>

namespace montora {

namespace {

constexpr int kIconSize = 16;
constexpr int kGap = 5;

} // namespace

SkinRadioButton::SkinRadioButton(int id, const QString& caption, QWidget* parent)
    : SkinStateButton(parent), m_id(id), m_caption(caption)
{
    // Checkable, so that accessibility reports the on state.
    setCheckable(true);
    setAccessibleName(QString(caption).remove(u'&'));
    connect(this, &QAbstractButton::clicked, this, [this] { emit clicked(m_id); });
}

void SkinRadioButton::setOn(bool on)
{
    setChecked(on);
    update();
}

void SkinRadioButton::paintSkin(QPainter& painter, SkinState state)
{
    const bool lit = state == SkinState::Hot || state == SkinState::Pressed;
    const QString icon = QStringLiteral(":/controls/radio_%1%2.svg")
                             .arg(isOn() ? QLatin1String("on") : QLatin1String("off"),
                                  lit ? QLatin1String("_hot") : QLatin1String(""));
    const QRect iconRect(0, (height() - kIconSize) / 2, kIconSize, kIconSize);
    painter.drawPixmap(iconRect.topLeft(), SkinArt::pixmap(icon, iconRect.size(), devicePixelRatioF()));
    painter.setPen(state != SkinState::Disabled ? QColor(60, 60, 60) : QColor(120, 120, 120));
    const QRect text = rect().adjusted(kIconSize + kGap, 0, 0, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_caption);
    if (hasFocus())
        drawFocusFrame(painter, painter.boundingRect(text, Qt::AlignLeft | Qt::AlignVCenter, m_caption)
                                    .adjusted(-2, 0, 1, -1) & rect().adjusted(0, 0, -1, -1));
}

} // namespace montora
