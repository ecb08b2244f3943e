#include "tools/ui/crop_dialog.h"

#include "controls/skin_button.h"
#include "tools/crop_form.h"
#include "tools/ui/crop_aspect_panel.h"
#include "tools/ui/crop_view.h"

namespace montora {

CropDialog::CropDialog(QWidget* parent)
    : ToolDialog(parent), m_view(new CropView(this)), m_panel(new CropAspectPanel(this))
{
    setFixedSize(CropForm::clientSize());
    setCaption(CropForm::caption());
    m_view->setGeometry(CropForm::viewRect());
    m_panel->setGeometry(CropForm::aspectPanelRect());
    connect(m_panel, &CropAspectPanel::aspectChosen, m_view,
            [this](int widthTerm, int heightTerm) { m_view->setConstraint(float(widthTerm), float(heightTerm)); });
    m_crop = makeButton(kCropId, QStringLiteral("Crop"), CropForm::cropButtonRect());
    connect(m_crop, &SkinButton::clicked, this, &CropDialog::accept);
    m_cancel = makeButton(kCancelId, QStringLiteral("Cancel"), CropForm::cancelButtonRect());
    connect(m_cancel, &SkinButton::clicked, this, &CropDialog::reject);
}

SkinButton* CropDialog::makeButton(int id, const QString& caption, const QRect& place)
{
    auto* button = new SkinButton(id, this);
    button->setGeometry(place);
    button->setCaption(caption);
    return button;
}

Status CropDialog::openPicture(const QString& path)
{
    auto preview = CropPreview::load(path);
    if (!preview) {
        m_view->setPreview(CropPreview());
        return preview.status();
    }
    m_view->setPreview(std::move(preview).value());
    return Status::ok();
}

void CropDialog::startFrom(const CropBox& sourceCrop) { m_view->startFrom(sourceCrop); }

void CropDialog::accept()
{
    m_result = m_view->result();
    ToolDialog::accept();
}

} // namespace montora
