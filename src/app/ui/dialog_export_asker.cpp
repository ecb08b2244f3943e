#include "app/ui/dialog_export_asker.h"

#include "app/ui/export_dialog.h"

namespace montora {

std::optional<ExportOptions> DialogExportAsker::ask(bool pdf, QSize collage, const ExportOptions& current)
{
    ExportDialog dialog(m_prompter, pdf, collage, m_parent);
    dialog.setOptions(current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.options();
}

} // namespace montora
