#include "app/ui/dialog_settings_asker.h"

#include "tools/new_collage_form.h"
#include "tools/ui/new_collage_dialog.h"

namespace montora {

std::optional<CanvasSettings> DialogSettingsAsker::ask(Form form, const CanvasSettings& current)
{
    NewCollageDialog dialog(m_prompter, m_parent);
    dialog.setCaption(form == Form::Setting ? NewCollageForm::settingCaption() : QString());
    dialog.setSettings(current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.settings();
}

} // namespace montora
