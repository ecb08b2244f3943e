#include "text/text_lines.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>

namespace montora {

namespace {

QString withoutTrailingSpaces(const QString& line)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1).isSpace())
        --end;
    return line.left(end);
}

} // namespace

QStringList TextLines::split(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n|\r"));
    return text.split(breaks);
}

QSizeF TextLines::measure(const QFont& font, qreal emPixels, const QStringList& lines)
{
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(withoutTrailingSpaces(line)));
    const qsizetype count = std::max<qsizetype>(lines.size(), 1);
    return {widest + 2 * padding(emPixels), metrics.lineSpacing() * qreal(count)};
}

QPainterPath TextLines::path(const QFont& font, const QStringList& lines, const QPointF& origin)
{
    const QFontMetricsF metrics(font);
    QPainterPath path;
    QPointF baseline(origin.x() + padding(font.pixelSize()), origin.y() + metrics.ascent());
    for (const QString& line : lines) {
        if (!line.isEmpty())
            path.addText(baseline, font, line);
        baseline.ry() += metrics.lineSpacing();
    }
    return path;
}

void TextLines::draw(QPainter& painter, const QFont& font, const QStringList& lines, const QPointF& origin)
{
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    QPointF baseline(origin.x() + padding(font.pixelSize()), origin.y() + metrics.ascent());
    for (const QString& line : lines) {
        if (!line.isEmpty())
            painter.drawText(baseline, line);
        baseline.ry() += metrics.lineSpacing();
    }
}

} // namespace montora
