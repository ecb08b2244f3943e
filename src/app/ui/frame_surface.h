#pragma once

#include <QPixmap>
#include <QString>

namespace montora {

struct MainFrameLayout;

// The main window's frame art drawn once per size into one off-screen picture:
// background, border, caption bar, tab bar, toolbar bar and the shadowed title.
// Painting copies it, so resizing and repainting do not flicker.
class FrameSurface {
public:
    static const QColor& background();
    static const QColor& border();
    static const QColor& titleColour();

    // Redraws when the size, title or pixel ratio changed since the last call.
    const QPixmap& picture(const MainFrameLayout& layout, const QString& title, qreal pixelRatio);

    static QPixmap draw(const MainFrameLayout& layout, const QString& title, qreal pixelRatio);

private:
    QPixmap m_picture;
    QString m_title;
};

} // namespace montora
