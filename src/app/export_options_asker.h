#pragma once

#include "canvas/export_options.h"

#include <QSize>

#include <optional>

namespace montora {

// Asks how a collage is exported: the size of a picture, or the page of a PDF.
// The program answers with the export dialog; tests answer from a script.
class ExportOptionsAsker {
public:
    virtual ~ExportOptionsAsker() = default;

    // The options accepted, or nothing when the user cancelled. `current` fills the form.
    virtual std::optional<ExportOptions> ask(bool pdf, QSize collage, const ExportOptions& current) = 0;
};

} // namespace montora
