#pragma once

#include <QStringList>

class QApplication;

namespace montora {

// Switches of montora-studio that open one window on its own, to look at and
// try it before the main window uses it:
//   --new-collage-dialog       the "Create New Collage" dialog on the defaults
//   --collage-setting-dialog   the "Collage Setting" dialog; --width N, --height N,
//                              --colour RRGGBB, --picture PATH and
//                              --mode center|tile|stretch give the current settings
//   --crop-dialog PICTURE      the "Crop Photo" dialog on a picture
//   --controls-gallery         skin buttons in their states, scroll bars, a colour picker
//   --canvas-only PROJECT.mcf  the canvas alone on a project: move, resize, rotate,
//                              Delete, Ctrl+Z undo and Ctrl+Y redo
//   --batch-convert-dialog [PICTURES...]
//                              "Batch Convert" with PICTURES listed; --out DIR and
//                              --format NAME set its output folder and format
//   --calendar-dialog          "Add Transparent Month Calender"; --month YYYY-MM sets
//                              the month it opens on
//   --photo-library FOLDER [PICTURES...]
//                              the photo library panel over FOLDER's "srcmedia.cfg", with
//                              Import and Remove buttons; PICTURES are imported at once,
//                              and the photo list is saved back on close
// The dialogs print the answer on standard output and exit 0 on OK, 1 on Cancel.
// Sets *handled when one of them was given; the return value is the exit code.
int runPreviewSwitch(QApplication& app, const QStringList& args, bool* handled);

} // namespace montora
