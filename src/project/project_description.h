#pragma once

#include <QJsonObject>

namespace montora {

class CollageProject;
class CanvasItem;

// A collage as JSON, for `montora info` and for people reading a project: size,
// background, and every item in layer order with its kind and fields.
class ProjectDescription {
public:
    static QJsonObject describe(const CollageProject& project);
    static QJsonObject describe(const CanvasItem& item);
    // "RRGGBB" of a COLORREF (0x00BBGGRR).
    static QString colourText(std::uint32_t colorRef);
    // Parses "RRGGBB" (optionally with a leading '#') into a COLORREF; false when malformed.
    static bool parseColour(const QString& text, std::uint32_t* colorRef);
    static QString fillModeName(int mode);
};

} // namespace montora
