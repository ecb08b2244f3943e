#include "tools/ui/crop_aspect_panel.h"

#include "controls/skin_radio_button.h"
#include "tools/crop_form.h"

namespace montora {

CropAspectPanel::CropAspectPanel(QWidget* parent) : QWidget(parent)
{
    const auto& options = CropAspectOptions::rows();
    for (int index = 0; index < CropAspectOptions::kCount; ++index) {
        const CropAspectOption& option = options[std::size_t(index)];
        auto* button = new SkinRadioButton(option.id, QString::fromLatin1(option.caption), this);
        connect(button, &SkinRadioButton::clicked, this, [this, index] { choose(index); });
        m_rows[std::size_t(index)] = button;
    }
    m_rows[0]->setOn(true);
}

void CropAspectPanel::choose(int index)
{
    if (index < 0 || index >= CropAspectOptions::kCount)
        return;
    m_chosen = index;
    for (int other = 0; other < CropAspectOptions::kCount; ++other)
        m_rows[std::size_t(other)]->setOn(other == index);
    const CropAspectOption& option = CropAspectOptions::rows()[std::size_t(index)];
    emit aspectChosen(int(option.widthTerm), int(option.heightTerm));
}

void CropAspectPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (int index = 0; index < CropAspectOptions::kCount; ++index)
        m_rows[std::size_t(index)]->setGeometry(CropForm::aspectRowRect(index, height()));
}

} // namespace montora
