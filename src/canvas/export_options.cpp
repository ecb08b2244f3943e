#include "canvas/export_options.h"

#include <array>

namespace montora {

namespace {

constexpr std::array<PdfPage, 4> kPages{PdfPage::A4, PdfPage::A3, PdfPage::Letter, PdfPage::Fit};

} // namespace

Status ExportOptions::check() const
{
    if (scale < 1 || scale > kMaxScale)
        return Status::error(QStringLiteral("The export size is 1, 2 or 3 times the collage, not %1.").arg(scale));
    if (dpi < kMinDpi || dpi > kMaxDpi)
        return Status::error(
            QStringLiteral("The resolution is %1 to %2 dots per inch, not %3.").arg(kMinDpi).arg(kMaxDpi).arg(dpi));
    return Status::ok();
}

Result<int> ExportOptions::parseDpi(const QString& text)
{
    bool ok = false;
    const int dpi = text.trimmed().toInt(&ok);
    if (!ok || dpi < kMinDpi || dpi > kMaxDpi)
        return Result<int>::error(
            QStringLiteral("Please enter a resolution from %1 to %2 dots per inch.").arg(kMinDpi).arg(kMaxDpi));
    return dpi;
}

QString ExportOptions::pageName(PdfPage page)
{
    switch (page) {
    case PdfPage::A4: return QStringLiteral("A4");
    case PdfPage::A3: return QStringLiteral("A3");
    case PdfPage::Letter: return QStringLiteral("Letter");
    case PdfPage::Fit: return QStringLiteral("fit");
    }
    return QString();
}

bool ExportOptions::parsePage(const QString& name, PdfPage* page)
{
    for (PdfPage candidate : kPages) {
        if (name.compare(pageName(candidate), Qt::CaseInsensitive) == 0) {
            *page = candidate;
            return true;
        }
    }
    return false;
}

QStringList ExportOptions::pageNames()
{
    QStringList names;
    for (PdfPage page : kPages)
        names << pageName(page);
    return names;
}

} // namespace montora
