// `montora render`: the full-size export picture of a collage project.
#include "cli/cli_command.h"

#include "canvas/collage_project.h"
#include "canvas/compositor.h"
#include "canvas/carried_mask_resources.h"
#include "canvas/library_resources.h"
#include "imaging/picture_saver.h"
#include "project/project_file_reader.h"

#include <cmath>

namespace montora::cli {

namespace {

const char* kRenderUsage =
    "Usage: montora render PROJECT.mcf OUT.EXT [--zoom Z]\n"
    "Renders the whole collage (zoom 1 unless given, never with selection handles) and saves it by\n"
    "the extension: jpg jpeg gif bmp png pcx pnm ppm pgm tif tiff tga (JPEG at quality 90).";

int render(CliContext& context)
{
    if (wantsHelp(context.args)) {
        context.out << kRenderUsage << "\n";
        return kSuccess;
    }
    bool missing = false;
    const QString zoomText = takeOption(context.args, "--zoom", &missing);
    if (missing)
        return usageError(context, "--zoom is missing its value", kRenderUsage);
    if (context.args.size() != 2)
        return usageError(context, "render needs PROJECT.mcf and OUT.EXT", kRenderUsage);
    float zoom = 1.0f;
    if (!zoomText.isNull()) {
        bool ok = false;
        zoom = zoomText.toFloat(&ok);
        if (!ok || !std::isfinite(zoom) || zoom <= 0 || zoom > 16)
            return usageError(context, "--zoom takes a number above 0 and at most 16", kRenderUsage);
    }
    const QString& projectPath = context.args[0];
    const QString& out = context.args[1];
    if (!PictureSaver::canSave(out)) {
        context.err << "montora: " << out << ": cannot save pictures with this extension (use one of "
                    << PictureSaver::writableExtensions().join(' ') << ")\n";
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
    Compositor compositor;
    auto picture = compositor.render(project, zoom);
    if (!picture) {
        context.err << "montora: " << projectPath << ": " << picture.message() << "\n";
        return kFailure;
    }
    const Status saved = PictureSaver::saveByExtension(*picture, out);
    if (!saved) {
        context.err << "montora: " << out << ": " << saved.message() << "\n";
        return kFailure;
    }
    return kSuccess;
}

const CliCommandRegistration registration({"render", "render a collage project to a picture file", render});

} // namespace

} // namespace montora::cli
