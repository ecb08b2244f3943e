#pragma once

#include "app/export_options_asker.h"

class QWidget;

namespace montora {

class Prompter;

// Asks with the export dialog, run modally over the main window.
class DialogExportAsker : public ExportOptionsAsker {
public:
    explicit DialogExportAsker(Prompter& prompter, QWidget* parent = nullptr) : m_prompter(prompter), m_parent(parent) {}

    std::optional<ExportOptions> ask(bool pdf, QSize collage, const ExportOptions& current) override;

private:
    Prompter& m_prompter;
    QWidget* m_parent;
};

} // namespace montora
