#include "tools/photo_name_text.h"

#include <algorithm>

namespace montora {

int PhotoNameText::fit(int stripWidth, int widthOfT)
{
    return widthOfT > 0 ? std::max(0, stripWidth / widthOfT) : 0;
}

QString PhotoNameText::cut(const QString& name, int fit)
{
    if (name.size() <= fit)
        return name;
    if (name.size() < 4)
        return QStringLiteral("...");
    // A strip narrower than four "T"s keeps no letters at all, just the dots.
    qsizetype keep = std::max(0, fit - 4);
    if (keep > 0 && name.at(keep - 1).isHighSurrogate())
        --keep; // never split a character in two
    return name.left(keep) + QStringLiteral("... ");
}

QString PhotoNameText::elide(const QString& name, int stripWidth, const std::function<int(const QString&)>& measure)
{
    if (measure(name) <= stripWidth)
        return name;
    const QString dots = QStringLiteral("...");
    // Widths grow with the characters kept: the longest start that fits is found by halving.
    qsizetype low = 0;
    qsizetype high = name.size() - 1;
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (measure(name.left(middle) + dots) <= stripWidth)
            low = middle;
        else
            high = middle - 1;
    }
    if (low > 0 && name.at(low - 1).isHighSurrogate())
        --low; // never split a character in two
    return name.left(low) + dots;
}

} // namespace montora
