#pragma once

#include <QByteArrayView>
#include <QString>

namespace montora {

// Whether a JPEG file holds its whole picture. The JPEG decoder fills the rows
// of a cut file with grey and calls it a success, so a picture cut off in a
// download or a copy would pass for a whole one without this check.
class JpegCompleteness {
public:
    // True for JPEG data with no end-of-image marker after its last scan (or
    // with no scan at all); false for anything else, JPEG or not.
    static bool isCut(QByteArrayView bytes);
    // The same for a file; false when it cannot be read.
    static bool isCutFile(const QString& path);
};

} // namespace montora
