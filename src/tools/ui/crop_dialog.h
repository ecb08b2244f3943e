#pragma once

#include "canvas/item_picture_builder.h"
#include "tools/ui/tool_dialog.h"

#include <optional>

namespace montora {

class CropAspectPanel;
class CropView;
class SkinButton;

// "Crop Photo": the picture with a crop rectangle and the aspect options. After
// exec() returns Accepted the rectangle, in the picture's own pixels, is in cropResult().
class CropDialog : public ToolDialog {
    Q_OBJECT

public:
    static constexpr int kCropId = 1;   // the dialog's OK
    static constexpr int kCancelId = 2;

    explicit CropDialog(QWidget* parent = nullptr);

    // Shows the picture at `path` as the canvas draws it (EXIF orientation applied).
    Status openPicture(const QString& path);
    // An earlier crop to start from, in the picture's own pixels.
    void startFrom(const CropBox& sourceCrop);
    std::optional<CropBox> cropResult() const { return m_result; }

    CropView* view() const { return m_view; }
    CropAspectPanel* aspectPanel() const { return m_panel; }
    SkinButton* cropButton() const { return m_crop; }
    SkinButton* cancelButton() const { return m_cancel; }

    void accept() override;

private:
    SkinButton* makeButton(int id, const QString& caption, const QRect& place);

    CropView* m_view;
    CropAspectPanel* m_panel;
    SkinButton* m_crop;
    SkinButton* m_cancel;
    std::optional<CropBox> m_result;
};

} // namespace montora
