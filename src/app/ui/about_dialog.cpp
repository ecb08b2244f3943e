#include "app/ui/about_dialog.h"

#include "app/ui/shell_art.h"
#include "controls/skin_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>

namespace montora {

namespace {
constexpr QSize kSize(340, 200);
constexpr int kDragStrip = 25;
} // namespace

QString AboutDialog::notice()
{
    return QStringLiteral("A photo-collage editor: photos, masks, frames, cliparts and text on one canvas.\n"
                          "Copyright (c) the Montora Studio developers.");
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(title());
    setFixedSize(kSize);
    m_close = new SkinButton(10010, this);
    m_close->setSkin(SkinButton::closeSkin());
    m_close->setThreeSlice(false);
    m_close->setGeometry(kSize.width() - 30, 6, 20, 18);
    connect(m_close, &SkinButton::clicked, this, &QDialog::reject);
}

void AboutDialog::showEvent(QShowEvent* event)
{
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->window()->geometry();
        move(area.center() - rect().center());
    }
    QDialog::showEvent(event);
}

void AboutDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xAC, 0xAC, 0xAC));
    painter.fillRect(QRect(0, 0, width(), 30), QColor(0x3C, 0x48, 0x56));
    painter.setPen(QColor(0x0A, 0x0A, 0x0A));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    // The caption in white over its black shadow one pixel up and left.
    QFont captionFont = font();
    captionFont.setBold(true);
    painter.setFont(captionFont);
    painter.setPen(Qt::black);
    painter.drawText(QRect(11, 5, 200, 20), Qt::AlignLeft | Qt::AlignVCenter, title());
    painter.setPen(Qt::white);
    painter.drawText(QRect(12, 6, 200, 20), Qt::AlignLeft | Qt::AlignVCenter, title());

    painter.drawPixmap(20, 50, ShellArt::pixmap(QStringLiteral("about_logo"), QSize(64, 64), devicePixelRatioF()));
    QFont nameFont = font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.4);
    nameFont.setBold(true);
    painter.setFont(nameFont);
    painter.setPen(QColor(0x10, 0x10, 0x10));
    painter.drawText(QRect(100, 50, 220, 28), Qt::AlignLeft | Qt::AlignVCenter, programName());
    painter.setFont(font());
    painter.drawText(QRect(100, 80, 220, 20), Qt::AlignLeft | Qt::AlignVCenter, version());
    painter.drawText(QRect(20, 125, width() - 40, 60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, notice());
}

void AboutDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < kDragStrip && windowHandle()) {
        windowHandle()->startSystemMove();
        return;
    }
    QDialog::mousePressEvent(event);
}

} // namespace montora
