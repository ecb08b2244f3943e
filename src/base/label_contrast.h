#pragma once

#include <QColor>
#include <QList>

namespace montora {

// Text that stays readable on a coloured background: the contrast ratio of two
// colours by their relative luminance (1 : 1 for equal colours, 21 : 1 for black
// on white; 4.5 : 1 is the usual least for small text).
class LabelContrast {
public:
    static constexpr double kLeastReadable = 4.5;

    static double ratio(const QColor& a, const QColor& b);
    // Black or white, whichever contrasts better with the worst of `backgrounds`
    // (the colours a text crosses, such as both ends of a gradient).
    static QColor textOn(const QList<QColor>& backgrounds);
};

} // namespace montora
