#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QString>

namespace montora {

class CollageProject;

// Writes a collage as a project file: the 280-byte header (size, background path,
// colour, fill mode, item count), then each item's kind and record bytes in layer
// order; a photo using a custom mask also carries that mask (width, height, length,
// data) so the project opens where the mask library lacks it.
class ProjectFileWriter {
public:
    static constexpr int kHeaderSize = 280;
    static constexpr int kPathSize = 260;

    // Replaces the file through a temporary file, so a failed save leaves the old
    // one as it was. Clears the modified flag once the file is written.
    static Status save(CollageProject& project, const QString& path);
    // The file's bytes. A photo whose custom mask is no longer in the custom-mask
    // library is written without the custom flag and mask number.
    static Result<QByteArray> encode(const CollageProject& project);
};

} // namespace montora
