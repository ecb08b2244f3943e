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

} // namespace montora
