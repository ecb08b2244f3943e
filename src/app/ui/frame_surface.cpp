#include "app/ui/frame_surface.h"

#include "app/main_frame_layout.h"
#include "app/ui/shell_art.h"
#include "controls/skin_art.h"
#include "controls_model/three_slice.h"

#include <QPainter>

namespace montora {

namespace {

constexpr int kBarArtWidth = 300;
// 30-pixel ends around a stretched middle.
constexpr ThreeSlice kBarSlices{30, 30, 240, 270, 30};

} // namespace

const QColor& FrameSurface::background()
{
    static const QColor colour(0xAC, 0xAC, 0xAC);
    return colour;
}

const QColor& FrameSurface::border()
{
    static const QColor colour(0x0A, 0x0A, 0x0A);
    return colour;
}

const QColor& FrameSurface::titleColour()
{
    static const QColor colour(0xFF, 0xFF, 0xF5);
    return colour;
}

const QPixmap& FrameSurface::picture(const MainFrameLayout& layout, const QString& title, qreal pixelRatio)
{
    if (m_picture.isNull() || m_picture.deviceIndependentSize().toSize() != layout.client ||
        m_picture.devicePixelRatio() != pixelRatio || m_title != title) {
        m_picture = draw(layout, title, pixelRatio);
        m_title = title;
    }
    return m_picture;
}

QPixmap FrameSurface::draw(const MainFrameLayout& layout, const QString& title, qreal pixelRatio)
{
    QPixmap picture(layout.client * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(background());
    QPainter painter(&picture);
    painter.setPen(border());
    painter.drawRect(QRect(QPoint(0, 0), layout.client).adjusted(0, 0, -1, -1));

    SkinArt::drawThreeSlice(painter, layout.captionBar, ShellArt::path(QStringLiteral("caption_bar")), kBarArtWidth,
                            kBarSlices);
    SkinArt::drawThreeSlice(painter, layout.tabBar, ShellArt::path(QStringLiteral("tab_bar")), kBarArtWidth,
                            kBarSlices);
    SkinArt::drawThreeSlice(painter, layout.toolbarBar, ShellArt::path(QStringLiteral("toolbar_bar")), kBarArtWidth,
                            kBarSlices);

    // The title's shadow is the same text in black, one pixel right and one up.
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    const QRect titleBox(layout.titleOrigin, QSize(400, 20));
    painter.setPen(Qt::black);
    painter.drawText(titleBox.translated(1, -1), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title);
    painter.setPen(titleColour());
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title);
    return picture;
}

} // namespace montora
