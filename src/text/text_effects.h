#pragma once

#include "text/text_style_record.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPainterPath>
#include <QRectF>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;

namespace montora {

enum class PathTextSize;
enum class HatchStyle;

// Draws one text in one of the eight effects (or the fallback) into a box of a
// painter whose transform already places the box. Used through StyledText.
class TextEffects {
public:
    TextEffects(QPainter& painter, const QString& text, const FontRecord& font, const QRectF& box, ColorRef colour1,
                ColorRef colour2, int alpha, PathTextSize size);

    void draw(int style);

    // Off-screen pictures of a soft copy larger than this are not made.
    static constexpr qint64 kMaxSoftCopyPixels = 4096LL * 4096LL;

private:
    using Content = std::function<void(QPainter&)>;

    void drawStyle0();
    void drawStyle1();
    void drawStyle2();
    void drawStyle3();
    void drawStyle4();
    void drawStyle5();
    void drawStyle6();
    void drawStyle7();
    void drawFallback();

    // A copy of `content` drawn at k times its size into a box-sized picture, shifted
    // right by d picture pixels, then drawn back enlarged by 1 / k: a blurred copy.
    void drawSoftCopy(qreal k, qreal d, const Content& content);
    QRectF visibleBoxArea() const;
    static QImage enlarged(const QImage& image, qreal factor);

    using Groups = std::vector<QPainterPath>;
    QPainterPath pathText() const;
    Groups pathGroups(const QPainter& painter);
    static Groups outlinesOf(const Groups& groups);
    static Groups flattenedEach(const Groups& groups);
    static void fillEach(QPainter& painter, const Groups& groups, const QBrush& brush);
    static void strokeEach(QPainter& painter, const Groups& groups, const QPen& pen);
    QBrush hatch(HatchStyle style) const;
    void drawPlainText(QPainter& painter, const QPen& pen) const;
    QLinearGradient verticalGradient(const QColor& top, const QColor& bottom) const;
    void drawBevelEdges(const QPainterPath& outline);

    QPainter& m_painter;
    QStringList m_lines;
    QRectF m_box;
    QColor m_colour1;
    QColor m_colour2;
    QColor m_grey; // effect 2's outline
    QFont m_plainFont;
    QFont m_pathFont;
    QPainterPath m_path; // the path text, made on first use
};

} // namespace montora
