#include "app/ui/crop_command.h"

#include "app/ui/main_frame.h"
#include "canvas/ui/collage_canvas.h"
#include "tools/ui/crop_dialog.h"

namespace montora {

CropCommand::CropCommand(MainFrame& frame) : QObject(&frame), m_frame(frame)
{
    frame.setHandler(CommandId::Crop, [this] { run(); });
}

void CropCommand::run()
{
    CollageCanvas& canvas = *m_frame.canvas();
    CollageProject& project = canvas.project();
    const int index = project.selectedPhotoIndex();
    if (index < 0)
        return;
    const PhotoItem& photo = *project.item(index).asPhoto();
    const CropBox current{photo.cropLeft, photo.cropTop, photo.cropRight, photo.cropBottom};
    CropDialog dialog(&m_frame);
    // A picture that cannot be read shows an empty view, and "Crop" then changes nothing.
    if (dialog.openPicture(photo.picturePath()))
        dialog.startFrom(current);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::optional<CropBox> crop = dialog.cropResult();
    // A rectangle dragged to nothing would leave the photo without pixels: it keeps its crop.
    if (!crop || crop->isEmpty() || *crop == current)
        return;
    if (project.setCrop(crop->left, crop->top, crop->right, crop->bottom)) {
        canvas.recompose();
        m_frame.updateToolbar();
    }
}

} // namespace montora
