#include "tools/ui/red_eye_panel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace montora {

namespace {

constexpr int kLeft = 40;
constexpr int kGap = 6;
constexpr int kTextIndent = 20;
constexpr QSize kBannerArt{198, 20};

} // namespace

QString RedEyePanel::instructionText()
{
    return QStringLiteral(
        "To take the red out of eyes: zoom in until the eyes are large on the canvas. Choose a round, soft brush "
        "in a very dark colour, make it as wide as a pupil and switch brush mode on. Click once on each red "
        "pupil; every click lays one dab over the photo, and Undo takes the last one back. Lower the brush's "
        "opacity when the eye should keep its shine.");
}

// The eye stands below the banner (not above the panel's top in a low panel), and
// the text beside it, so that the two never overlap.
QRect RedEyePanel::pictureRect(QSize panel)
{
    const int top = std::max(kBannerHeight + kGap, panel.height() / 3 - kPictureSize.height());
    return QRect(QPoint(kLeft, top), kPictureSize);
}

QRect RedEyePanel::textRect(QSize panel)
{
    const QRect picture = pictureRect(panel);
    const int left = picture.right() + 1 + kTextIndent;
    return QRect(QPoint(left, picture.top()), QPoint(std::max(left, panel.width() - kTextIndent), panel.height() - kGap));
}

RedEyePanel::RedEyePanel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPixmap RedEyePanel::banner()
{
    QPixmap art(kBannerArt);
    QPainter painter(&art);
    QLinearGradient shade(0, 0, 0, kBannerArt.height());
    shade.setColorAt(0, QColor(0x8A, 0x1E, 0x1E));
    shade.setColorAt(1, QColor(0x5A, 0x10, 0x10));
    painter.fillRect(art.rect(), shade);
    painter.setPen(QColor(0xFF, 0xF0, 0xE8));
    painter.drawText(art.rect().adjusted(8, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Red-Eye Removal"));
    return art;
}

QPixmap RedEyePanel::eyePicture()
{
    QPixmap art(kPictureSize);
    art.fill(QColor::fromRgba(kBackground));
    QPainter painter(&art);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF eye(5, 15, 80, 40);
    QPainterPath lids;
    lids.moveTo(eye.left(), eye.center().y());
    lids.quadTo(eye.center().x(), eye.top() - 14, eye.right(), eye.center().y());
    lids.quadTo(eye.center().x(), eye.bottom() + 14, eye.left(), eye.center().y());
    painter.setPen(QPen(QColor(0x40, 0x30, 0x28), 2));
    painter.setBrush(Qt::white);
    painter.drawPath(lids);
    QRadialGradient iris(eye.center(), 17);
    iris.setColorAt(0, QColor(0x6A, 0x8C, 0x4A));
    iris.setColorAt(1, QColor(0x3A, 0x52, 0x2A));
    painter.setPen(Qt::NoPen);
    painter.setBrush(iris);
    painter.drawEllipse(eye.center(), 17, 17);
    // Half of the pupil still red, half covered by the dark dab.
    painter.setBrush(QColor(0xD0, 0x20, 0x18));
    painter.drawEllipse(eye.center(), 8, 8);
    painter.setBrush(QColor(0x10, 0x10, 0x10));
    painter.drawPie(QRectF(eye.center() - QPointF(8, 8), QSizeF(16, 16)), 90 * 16, 180 * 16);
    painter.setBrush(Qt::white);
    painter.drawEllipse(eye.center() + QPointF(-4, -4), 2, 2);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(eye.center(), 11, 11);
    return art;
}

void RedEyePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgba(kBackground));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(0, 0, width(), kBannerHeight), banner());
    painter.drawPixmap(pictureRect(size()).topLeft(), eyePicture());
    painter.setPen(Qt::black);
    painter.drawText(textRect(size()), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, instructionText());
}

} // namespace montora
