#pragma once

#include "base/status.h"

#include <QString>
#include <QStringList>

namespace montora {

// Paper of a PDF export. Fit is a page of the collage's own shape on which the
// collage prints at the chosen resolution.
enum class PdfPage { A4, A3, Letter, Fit };

// What a collage export makes besides the file name: the size of a picture (1, 2
// or 3 times the collage) or the page of a PDF.
struct ExportOptions {
    static constexpr int kMaxScale = 3;
    static constexpr int kMinDpi = 72;
    static constexpr int kMaxDpi = 1200;

    int scale = 1;
    PdfPage page = PdfPage::A4;
    bool landscape = false;
    int dpi = 300;

    Status check() const;

    static QString pageName(PdfPage page);
    // "A4", "a3", "Letter", "fit"...; false for anything else.
    static bool parsePage(const QString& name, PdfPage* page);
    static QStringList pageNames();
    // Dots per inch as typed: a whole number from kMinDpi to kMaxDpi.
    static Result<int> parseDpi(const QString& text);

    friend bool operator==(const ExportOptions&, const ExportOptions&) = default;
};

} // namespace montora
