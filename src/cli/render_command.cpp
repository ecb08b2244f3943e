// `montora render`: the full-size export picture of a collage project, or a PDF page.
#include "cli/cli_command.h"

#include "canvas/carried_mask_resources.h"
#include "canvas/collage_exporter.h"
#include "canvas/collage_project.h"
#include "canvas/library_resources.h"
#include "imaging/picture_saver.h"
#include "project/project_file_reader.h"

#include <cmath>

namespace montora::cli {

namespace {

const char* kRenderUsage =
    "Usage: montora render PROJECT.mcf OUT.EXT [--scale 1|2|3] [--zoom Z]\n"
    "       montora render PROJECT.mcf OUT.pdf [--page A4|A3|Letter|fit] [--dpi N] [--landscape]\n"
    "Renders the whole collage (never with selection handles) and saves it by the extension:\n"
    "jpg jpeg gif bmp png pcx pnm ppm pgm tif tiff tga (JPEG at quality 90, TIFF with LZW).\n"
    "--scale makes the picture 2 or 3 times the collage, photos drawn from their files at that size;\n"
    "--zoom draws it at any other factor. A PDF holds one page (A4 unless given) with the collage as\n"
    "large as fits, centred, at N dots per inch (300 unless given); a fit page has the collage's shape\n"
    "and prints it at N dots per inch.";

struct RenderRequest {
    ExportOptions options;
    float zoom = 0; // 0: use the scale
};

// Parses the options; an empty message means they are fine.
QString takeOptions(QStringList& args, RenderRequest& request)
{
    bool missing = false;
    const QString zoomText = takeOption(args, "--zoom", &missing);
    const QString scaleText = takeOption(args, "--scale", &missing);
    const QString pageText = takeOption(args, "--page", &missing);
    const QString dpiText = takeOption(args, "--dpi", &missing);
    request.options.landscape = takeFlag(args, "--landscape");
    if (missing)
        return QStringLiteral("an option is missing its value");
    bool ok = true;
    if (!zoomText.isNull()) {
        request.zoom = zoomText.toFloat(&ok);
        if (!ok || !std::isfinite(request.zoom) || request.zoom <= 0 || request.zoom > 16)
            return QStringLiteral("--zoom takes a number above 0 and at most 16");
    }
    if (!scaleText.isNull()) {
        request.options.scale = scaleText.toInt(&ok);
        if (!ok || request.options.scale < 1 || request.options.scale > ExportOptions::kMaxScale)
            return QStringLiteral("--scale takes 1, 2 or 3");
        if (!zoomText.isNull())
            return QStringLiteral("give --scale or --zoom, not both");
    }
    if (!pageText.isNull() && !ExportOptions::parsePage(pageText, &request.options.page))
        return QStringLiteral("--page takes %1").arg(ExportOptions::pageNames().join('|'));
    if (!dpiText.isNull()) {
        request.options.dpi = dpiText.toInt(&ok);
        if (!ok || request.options.dpi < ExportOptions::kMinDpi || request.options.dpi > ExportOptions::kMaxDpi)
            return QStringLiteral("--dpi takes %1 to %2").arg(ExportOptions::kMinDpi).arg(ExportOptions::kMaxDpi);
    }
    return QString();
}

Status renderProject(CollageExporter& exporter, CollageProject& project, const QString& out,
                     const RenderRequest& request)
{
    if (request.zoom <= 0 || CollageExporter::isPdf(out))
        return exporter.exportTo(project, out, request.options);
    auto picture = exporter.render(project, request.zoom);
    if (!picture)
        return picture.status();
    return PictureSaver::saveByExtension(*picture, out);
}

int render(CliContext& context)
{
    if (wantsHelp(context.args)) {
        context.out << kRenderUsage << "\n";
        return kSuccess;
    }
    RenderRequest request;
    const QString bad = takeOptions(context.args, request);
    if (!bad.isEmpty())
        return usageError(context, bad, kRenderUsage);
    if (context.args.size() != 2)
        return usageError(context, "render needs PROJECT.mcf and OUT.EXT", kRenderUsage);
    const QString& projectPath = context.args[0];
    const QString& out = context.args[1];
    const bool pdf = CollageExporter::isPdf(out);
    if (pdf && request.zoom > 0)
        return usageError(context, "a PDF takes --page, --dpi and --landscape, not --zoom", kRenderUsage);
    if (!pdf && !PictureSaver::canSave(out)) {
        context.err << "montora: " << out << ": cannot save pictures with this extension (use one of "
                    << PictureSaver::writableExtensions().join(' ') << " or pdf)\n";
        return kFailure;
    }
    // Masks the project carries serve this run only; the data folder is left alone.
    LibraryResources library;
    CarriedMaskResources resources(library);
    CollageProject project;
    project.setResources(&resources);
    const Status opened = ProjectFileReader::open(project, projectPath);
    if (!opened) {
        context.err << "montora: " << projectPath << ": " << opened.message() << "\n";
        return kFailure;
    }
    CollageExporter exporter;
    const Status saved = renderProject(exporter, project, out, request);
    if (!saved) {
        context.err << "montora: " << out << ": " << saved.message() << "\n";
        return kFailure;
    }
    // The picture is written, but it is not the collage: a script must not take it for one.
    const auto& undrawn = exporter.undrawnPhotos();
    if (!undrawn.empty()) {
        context.err << "montora: " << out << ": saved, but " << undrawn.size()
                    << (undrawn.size() == 1 ? " photo" : " photos") << " could not be drawn whole:\n"
                    << CollageExporter::undrawnMessage(undrawn) << "\n";
        return kFailure;
    }
    return kSuccess;
}

const CliCommandRegistration registration({"render", "render a collage project to a picture file or a PDF", render});

} // namespace

} // namespace montora::cli
