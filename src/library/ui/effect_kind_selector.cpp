#include "library/ui/effect_kind_selector.h"

#include "controls/skin_art.h"
#include "controls_model/colour_table.h"
#include "library/effect_kinds.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QHelpEvent>
#include <QToolTip>

namespace montora {

namespace {

const QColor kBackground(245, 245, 245);
const QColor kTitle(60, 60, 60);
const QColor kChosenFrame(52, 112, 196);
const QColor kHotFrame(150, 180, 220);
const QString kRadioOn = QStringLiteral(":/controls/radio_on.svg");
const QString kRadioOff = QStringLiteral(":/controls/radio_off.svg");
constexpr int kGap = 3;
constexpr int kRadioSide = 12;

} // namespace

EffectKindSelector::EffectKindSelector(QWidget* parent) : QWidget(parent)
{
    SkinArt::ensureLoaded();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void EffectKindSelector::setKind(int kind)
{
    if (!EffectKinds::isValid(kind) || kind == m_kind)
        return;
    m_kind = kind;
    update();
}

QRect EffectKindSelector::tileRect(int kind) const
{
    const int rows = (EffectKinds::kCount + kColumns - 1) / kColumns;
    const int tileWidth = (width() - kGap * (kColumns + 1)) / kColumns;
    const int tileHeight = (height() - kTitleHeight - kGap * (rows + 1)) / rows;
    const int column = kind % kColumns;
    const int row = kind / kColumns;
    return QRect(kGap + column * (tileWidth + kGap), kTitleHeight + kGap + row * (tileHeight + kGap), tileWidth,
                 tileHeight);
}

int EffectKindSelector::kindAt(QPoint point) const
{
    for (int k = 0; k < EffectKinds::kCount; ++k) {
        if (tileRect(k).contains(point))
            return k;
    }
    return -1;
}

void EffectKindSelector::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(kTitle);
    painter.drawText(QRect(kGap, 0, width() - 2 * kGap, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Effect"));
    for (int k = 0; k < EffectKinds::kCount; ++k)
        paintTile(painter, k);
}

void EffectKindSelector::paintTile(QPainter& painter, int kind)
{
    const QRectF tile = QRectF(tileRect(kind)).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor colour = ColourTable::toQColor(EffectKinds::colour(kind));
    QLinearGradient shade(tile.topLeft(), tile.bottomLeft());
    shade.setColorAt(0, EffectKinds::tileTop(kind));
    shade.setColorAt(1, EffectKinds::tileBottom(kind));
    QPainterPath outline;
    outline.addRoundedRect(tile, 4, 4);
    painter.fillPath(outline, shade);
    const bool chosen = kind == m_kind;
    painter.setPen(QPen(chosen ? kChosenFrame : kind == m_hot ? kHotFrame : colour.darker(140), chosen ? 2 : 1));
    painter.drawPath(outline);

    const qreal ratio = devicePixelRatioF();
    const int radioTop = int(tile.top() + (tile.height() - kRadioSide) / 2);
    const QRect radio(int(tile.left()) + 3, radioTop, kRadioSide, kRadioSide);
    painter.drawPixmap(radio, SkinArt::pixmap(chosen ? kRadioOn : kRadioOff, radio.size(), ratio));

    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    painter.setFont(small);
    painter.setPen(EffectKinds::labelColour(kind));
    const QRectF text = tile.adjusted(radio.width() + 6, 0, -1, 0);
    const QString name = QFontMetrics(small).elidedText(EffectKinds::name(kind), Qt::ElideRight, int(text.width()));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, name);
    painter.setFont(font());
}

bool EffectKindSelector::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int kind = kindAt(help->pos());
        if (kind >= 0)
            QToolTip::showText(help->globalPos(), EffectKinds::toolTip(kind), this, tileRect(kind));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void EffectKindSelector::choose(int kind)
{
    if (!EffectKinds::isValid(kind))
        return;
    m_kind = kind;
    update();
    emit effectKindChosen(kind);
}

void EffectKindSelector::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        choose(kindAt(event->position().toPoint()));
}

void EffectKindSelector::mouseMoveEvent(QMouseEvent* event)
{
    const int hot = kindAt(event->position().toPoint());
    if (hot != m_hot) {
        m_hot = hot;
        update();
    }
}

void EffectKindSelector::leaveEvent(QEvent*)
{
    m_hot = -1;
    update();
}

void EffectKindSelector::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: choose(m_kind - 1); break;
    case Qt::Key_Right: choose(m_kind + 1); break;
    case Qt::Key_Up: choose(m_kind - kColumns); break;
    case Qt::Key_Down: choose(m_kind + kColumns); break;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace montora
