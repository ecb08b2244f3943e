#pragma once

#include <QStringList>

class QApplication;

namespace montora {

// Switches of montora-studio that show the collage output's windows on their own:
//   --export-dialog [--pdf] [--width N --height N]
//                              the "Save Collage" options for a picture or a PDF of a
//                              collage of that size; prints the answer
//                              (scale=… page=… landscape=0|1 dpi=…), exit 0 on OK, 1 on Cancel
//   --export-progress PROJECT.mcf OUT [--scale N]
//                              the export of a project with its progress window over an
//                              empty window; exit 0 when saved, 1 on a failure or Cancel
// Sets *handled when one of them was given; the return value is the exit code.
int runExportPreview(QApplication& app, const QStringList& args, bool* handled);

} // namespace montora
