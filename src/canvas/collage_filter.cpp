#include "canvas/collage_filter.h"

#include "canvas/collage_exporter.h"

namespace montora {

namespace {

// Drawing a collage is quick beside most filters.
constexpr double kRenderShare = 0.25;

} // namespace

Result<QImage> CollageFilter::filteredPicture(const CollageProject& project, EffectFilter::Kind kind,
                                              const Progress& progress)
{
    CollageExporter exporter;
    exporter.setProgress([&](double done) {
        if (progress && !progress(done * kRenderShare))
            exporter.cancel();
    });
    Result<QImage> rendered = exporter.render(project, 1.0f);
    if (!rendered)
        return exporter.isCancelled() ? Result<QImage>::error(EffectFilter::stoppedMessage()) : rendered;
    EffectFilter::Options options;
    if (progress)
        options.progress = [&](double done) { return progress(kRenderShare + done * (1 - kRenderShare)); };
    return EffectFilter::apply(kind, *rendered, options);
}

Status CollageFilter::replaceItems(CollageProject& project, const QImage& picture)
{
    if (picture.isNull())
        return Status::error(QStringLiteral("The filtered picture has no pixels."));
    // Undo has to find the items as they are now, also when no step recorded them
    // (a collage just opened, a calendar just placed, a new selection).
    EditHistory& history = project.history();
    const HistorySnapshot* current = history.at(history.currentIndex());
    if (current ? !current->matches(project.items()) : !project.items().empty())
        project.pushHistory();
    ClipartItem clipart = ClipartItem::forPixels(project.pixelStore().append(picture), picture.size());
    clipart.selected = 0;
    project.items().clear();
    project.appendItem(CanvasItem(clipart));
    project.pushHistory();
    project.setModified(true);
    return Status::ok();
}

} // namespace montora
