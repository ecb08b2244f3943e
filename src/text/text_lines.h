#pragma once

#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>
#include <QStringList>

class QPainter;

namespace montora {

// Multi-line text laid out as an unbounded string: lines one line spacing apart,
// left-aligned, each with a sixth of the em as padding on the left (and, when
// measuring, on the right).
class TextLines {
public:
    // Splits at CR LF, LF or a lone CR. An empty text is one empty line.
    static QStringList split(const QString& text);

    // The bounding size; spaces at the end of a line do not count.
    static QSizeF measure(const QFont& font, qreal emPixels, const QStringList& lines);

    // `origin` is the top-left corner of the layout; `font` has a pixel size.
    static QPainterPath path(const QFont& font, const QStringList& lines, const QPointF& origin);
    // Drawn with the painter's pen (whose brush may be a gradient).
    static void draw(QPainter& painter, const QFont& font, const QStringList& lines, const QPointF& origin);

    static qreal padding(qreal emPixels) { return emPixels / 6.0; }
};

} // namespace montora
