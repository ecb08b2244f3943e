#include "app/ui/library_tab.h"

#include "app/ui/shell_art.h"

#include <QMouseEvent>
#include <QPainter>

namespace montora {

LibraryTab::LibraryTab(CommandId command, const QString& caption, QWidget* parent)
    : QWidget(parent), m_command(command), m_caption(caption)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void LibraryTab::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void LibraryTab::setCurrent(bool current)
{
    if (m_current == current)
        return;
    m_current = current;
    update();
}

void LibraryTab::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QString art = m_current ? QStringLiteral("tab_active") : QStringLiteral("tab");
    painter.drawPixmap(0, 0, ShellArt::pixmap(art, size(), devicePixelRatioF()));
    painter.setPen(QColor(0xDC, 0xDC, 0xDC));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_caption);
}

void LibraryTab::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    emit clicked(m_command);
}

} // namespace montora
