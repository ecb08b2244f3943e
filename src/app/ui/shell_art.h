#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace montora {

// The main window's own artwork (caption, bars, tabs, toolbar and menu icons).
class ShellArt {
public:
    // ":/shell/<name>.svg"; registers the resource file on first use.
    static QString path(const QString& name);
    // The picture rendered crisp at the device pixel ratio, `size` in logical pixels
    // (the SVG's own size when empty). Cached.
    static QPixmap pixmap(const QString& name, QSize size = QSize(), qreal devicePixelRatio = 1.0);
};

} // namespace montora
