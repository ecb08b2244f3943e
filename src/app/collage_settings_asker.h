#pragma once

#include "tools/canvas_settings.h"

#include <optional>

namespace montora {

// Asks the user for the size and background of a collage. The program answers
// with the new-collage dialog; tests answer from a script.
class CollageSettingsAsker {
public:
    enum class Form {
        NewCollage, // "Create New Collage": starts an empty collage
        Setting,    // "Collage Setting": changes the open collage
    };

    virtual ~CollageSettingsAsker() = default;

    // The settings the user accepted, or nothing when the form was cancelled.
    // `current` fills the form.
    virtual std::optional<CanvasSettings> ask(Form form, const CanvasSettings& current) = 0;
};

} // namespace montora
