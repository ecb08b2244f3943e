#pragma once

#include <QByteArray>
#include <QString>

namespace montora {

// GraphicsMagick draws a WMF's text in the standard PostScript fonts, which its
// type map looks for under their old Ghostscript file names (n021003l.pfb, ...).
// Debian ships the same URW fonts renamed (fonts-urw-base35), so every WMF with
// text failed with "Unable to read font". The metafile reader's process gets a
// type map of its own that names the files as they are now.
class WmfFontMap {
public:
    static inline const QString kUrwFolder = QStringLiteral("/usr/share/fonts/type1/urw-base35");

    // The type map of the fonts found in `fontFolder`; empty when none is there.
    static QByteArray typeMap(const QString& fontFolder = kUrwFolder);
    // Writes the type map into `configFolder` and puts that folder first in the
    // image library's search for its configuration; to be run before it starts.
    // False when there is nothing to map or the file cannot be written.
    static bool install(const QString& configFolder, const QString& fontFolder = kUrwFolder);
};

} // namespace montora
