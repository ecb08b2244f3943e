#include "base/label_contrast.h"

#include <algorithm>
#include <cmath>

namespace montora {

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

double worstRatio(const QColor& text, const QList<QColor>& backgrounds)
{
    double worst = 21.0;
    for (const QColor& background : backgrounds)
        worst = std::min(worst, LabelContrast::ratio(text, background));
    return worst;
}

} // namespace

double LabelContrast::ratio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LabelContrast::textOn(const QList<QColor>& backgrounds)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return worstRatio(black, backgrounds) >= worstRatio(white, backgrounds) ? black : white;
}

} // namespace montora
