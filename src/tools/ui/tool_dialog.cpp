#include "tools/ui/tool_dialog.h"

#include "controls/skin_art.h"
#include "controls/skin_button.h"
#include "controls_model/three_slice.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>

namespace montora {

namespace {

const QColor kBackground(221, 221, 221);
const QColor kFrame(10, 10, 10);
constexpr int kCorner = 16; // the corner ellipse's width and height
constexpr int kStripSkinWidth = 100;
constexpr ThreeSlice kStripSlices{30, 30, 40, 70, 30};

QRect availableScreen(const QPoint& at)
{
    QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

ToolDialog::ToolDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_closeButton(new SkinButton(kCloseButtonId, this))
{
    SkinArt::ensureLoaded();
    setModal(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans")});
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    m_closeButton->setSkin(SkinButton::closeSkin());
    m_closeButton->setThreeSlice(false);
    m_closeButton->setToolTip(tr("Close"));
    connect(m_closeButton, &SkinButton::clicked, this, &QDialog::reject);
}

void ToolDialog::setCaption(const QString& caption)
{
    m_caption = caption;
    setWindowTitle(caption);
    update();
}

QRegion ToolDialog::roundedRegion(QSize size)
{
    const int w = size.width();
    const int h = size.height();
    if (w < kCorner || h < kCorner)
        return QRegion(QRect(QPoint(0, 0), size));
    const int r = kCorner / 2;
    QRegion region(r, 0, w - kCorner, h);
    region += QRegion(0, r, w, h - kCorner);
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - kCorner, 0), QPoint(0, h - kCorner),
                                QPoint(w - kCorner, h - kCorner)})
        region += QRegion(QRect(corner, QSize(kCorner, kCorner)), QRegion::Ellipse);
    return region;
}

QPoint ToolDialog::centredOn(const QRect& owner, QSize size, const QRect& screen)
{
    QPoint corner = owner.topLeft() + QPoint((owner.width() - size.width()) / 2, (owner.height() - size.height()) / 2);
    if (!screen.isEmpty()) {
        corner.setX(std::clamp(corner.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width())));
        corner.setY(std::clamp(corner.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height())));
    }
    return corner;
}

void ToolDialog::centreOnOwner()
{
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QRect area;
    if (owner && owner->isVisible())
        area = owner->frameGeometry();
    else
        area = availableScreen(QCursor::pos());
    move(centredOn(area, size(), availableScreen(area.center())));
}

void ToolDialog::paintContent(QPainter&) {}

void ToolDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    SkinArt::drawThreeSlice(painter, QRect(0, 0, width(), kStripHeight), QStringLiteral(":/tools/dialog_strip.svg"),
                            kStripSkinWidth, kStripSlices);
    // The frame follows the rounded region, so the corners keep their border.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCorner / 2.0, kCorner / 2.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kFrame, 1));
    painter.drawPath(outline);
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.setFont(font());
    const QRect captionArea(19, 6, width() - 60, kStripHeight - 6);
    painter.setPen(Qt::white);
    painter.drawText(captionArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_caption);
    painter.setPen(Qt::black);
    painter.drawText(captionArea.translated(-1, -1), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_caption);
    paintContent(painter);
}

void ToolDialog::resizeEvent(QResizeEvent* event)
{
    setMask(roundedRegion(size()));
    m_closeButton->setGeometry(QRect(QPoint(width() - 43, 8), QPoint(width() - 19 - 1, 22 - 1)));
    QDialog::resizeEvent(event);
}

void ToolDialog::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        centreOnOwner();
        m_centred = true;
    }
    QDialog::showEvent(event);
}

void ToolDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < kDragHeight) {
        m_dragging = true;
        // From the press itself, not pos(): a window manager that framed the dialog
        // late can leave pos() at the screen's corner, and the first move would jump there.
        m_dragOffset = event->position().toPoint();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void ToolDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void ToolDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

} // namespace montora
