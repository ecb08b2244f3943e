#pragma once

#include "app/collage_settings_asker.h"

class QWidget;

namespace montora {

class Prompter;

// Asks with the new-collage dialog, run modally over the main window.
class DialogSettingsAsker : public CollageSettingsAsker {
public:
    // The prompter serves the dialog's browse button and its refusals.
    explicit DialogSettingsAsker(Prompter& prompter, QWidget* parent = nullptr)
        : m_prompter(prompter), m_parent(parent)
    {
    }

    std::optional<CanvasSettings> ask(Form form, const CanvasSettings& current) override;

private:
    Prompter& m_prompter;
    QWidget* m_parent;
};

} // namespace montora
