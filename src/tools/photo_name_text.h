#pragma once

#include <QString>

#include <functional>

namespace montora {

// The name under a photo library thumbnail: the file name and extension, cut
// to a character count that is worked out from the width of "T" rather than
// measured, so a cut name keeps the same look whatever the letters.
class PhotoNameText {
public:
    // Characters that fit a strip: its width divided by the width of "T".
    static int fit(int stripWidth, int widthOfT);
    // The name as shown: unchanged when it fits; else "..." for a name of fewer
    // than 4 characters, or its first (fit - 4) characters and "... ".
    static QString cut(const QString& name, int fit);
    // The name as shown in a strip `stripWidth` wide, by the width `measure` gives
    // each text: unchanged when it fits, else as many of its first characters as
    // fit beside "...", or just "..." when none does.
    static QString elide(const QString& name, int stripWidth, const std::function<int(const QString&)>& measure);
};

} // namespace montora
