#include "app/collage_output_commands.h"

#include "app/export_options_asker.h"
#include "app/project_commands.h"
#include "canvas/collage_exporter.h"
#include "canvas/collage_project.h"
#include "imaging/picture_saver.h"
#include "platform/prompter.h"
#include "platform/wallpaper.h"

#include <QFileInfo>

namespace montora {

namespace {

// The collage picture's filter, and PDF for printing.
const char* const kSaveFilter = "(*.jpg)|*.jpg|(*.jpeg)|*.jpeg|(*.bmp)|*.bmp|(*.gif)|*.gif|(*.png)|*.png|(*.pcx)|*.pcx|"
                                "(*.pnm)|*.pnm|(*.tif)|*.tif|(*.tiff)|*.tiff|(*.pdf)|*.pdf||";

} // namespace

QString CollageOutputCommands::saveFilter() { return QString::fromLatin1(kSaveFilter); }

QString CollageOutputCommands::saveFailedMessage(const QString& reason)
{
    return QStringLiteral("The collage could not be saved. %1").arg(reason);
}

QString CollageOutputCommands::wallpaperFailedMessage(const QString& reason)
{
    return QStringLiteral("The wallpaper could not be set on this desktop. %1").arg(reason);
}

QString CollageOutputCommands::removeFailedMessage(const QString& reason)
{
    return QStringLiteral("The wallpaper could not be removed on this desktop. %1").arg(reason);
}

QString CollageOutputCommands::undrawnPhotosMessage(const QString& photos)
{
    return QStringLiteral("Some photos are missing from the picture, or drawn only in part:\n%1")
        .arg(photos);
}

CollageOutputCommands::CollageOutputCommands(CollageProject& project, Prompter& prompter, ExportOptionsAsker& asker,
                                             QObject* parent)
    : QObject(parent), m_project(project), m_prompter(prompter), m_asker(asker), m_job(this),
      m_bus(QDBusConnection::sessionBus())
{
    connect(&m_job, &CollageOutputJob::progress, this, &CollageOutputCommands::jobProgress);
    connect(&m_job, &CollageOutputJob::finished, this, &CollageOutputCommands::finish);
}

void CollageOutputCommands::setWallpaperTarget(QDBusConnection bus, const QString& folder)
{
    m_bus = std::move(bus);
    m_wallpaperFolder = folder;
}

std::optional<QString> CollageOutputCommands::askPath()
{
    QString path = m_prompter.saveFile(saveFilter(), defaultName());
    if (path.isEmpty())
        return std::nullopt;
    // A name typed without an extension gets the one the dialog proposed.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".jpg");
    if (!CollageExporter::isPdf(path) && !PictureSaver::canSave(path)) {
        m_prompter.message(saveFailedMessage(QStringLiteral("Pictures cannot be saved as \"%1\".")
                                                 .arg(QFileInfo(path).suffix())),
                           Prompter::Icon::Warning);
        return std::nullopt;
    }
    if (QFileInfo::exists(path)
        && m_prompter.message(ProjectCommands::overwriteQuestion(path), Prompter::Icon::Warning,
                              Prompter::Buttons::YesNo)
               != Prompter::Answer::Yes)
        return std::nullopt;
    return path;
}

bool CollageOutputCommands::saveCollage()
{
    if (isBusy())
        return false;
    const std::optional<QString> path = askPath();
    if (!path)
        return false;
    const std::optional<ExportOptions> options =
        m_asker.ask(CollageExporter::isPdf(*path), m_project.size(), m_options);
    if (!options)
        return false;
    m_options = *options;
    return exportTo(*path, m_options);
}

bool CollageOutputCommands::exportTo(const QString& path, const ExportOptions& options)
{
    const QSize size = m_project.size();
    const qint64 scale = CollageExporter::isPdf(path) ? 1 : options.scale;
    const qint64 pixels = qint64(size.width()) * size.height() * scale * scale;
    auto snapshot = std::make_shared<CollageProject>(CollageExporter::snapshot(m_project));
    return run(Kind::Export, saveCaption(), QFileInfo(path).fileName(), pixels,
               [snapshot, path, options](CollageExporter& exporter) {
                   return exporter.exportTo(*snapshot, path, options);
               });
}

bool CollageOutputCommands::setWallpaper()
{
    const QSize size = m_project.size();
    auto snapshot = std::make_shared<CollageProject>(CollageExporter::snapshot(m_project));
    QDBusConnection bus = m_bus;
    const QString folder = m_wallpaperFolder;
    return run(Kind::SetWallpaper, wallpaperCaption(), Wallpaper::fileName(), qint64(size.width()) * size.height(),
               [snapshot, bus, folder](CollageExporter& exporter) {
                   MONTORA_TRY_ASSIGN(picture, exporter.render(*snapshot, 1.0f));
                   if (exporter.isCancelled())
                       return Status::error(CollageExporter::cancelledMessage());
                   Wallpaper wallpaper(bus, folder);
                   return wallpaper.set(picture);
               });
}

bool CollageOutputCommands::removeWallpaper()
{
    QDBusConnection bus = m_bus;
    const QString folder = m_wallpaperFolder;
    return run(Kind::RemoveWallpaper, wallpaperCaption(), QString(), 0, [bus, folder](CollageExporter&) {
        Wallpaper wallpaper(bus, folder);
        return wallpaper.remove();
    });
}

bool CollageOutputCommands::run(Kind kind, const QString& caption, const QString& fileName, qint64 pixels,
                                CollageOutputJob::Work work)
{
    if (isBusy() || !m_job.start(std::move(work)))
        return false;
    m_kind = kind;
    emit jobStarted(caption, fileName, pixels > kLargePixels);
    return true;
}

void CollageOutputCommands::finish(const Status& status, bool cancelled)
{
    emit jobFinished();
    if (cancelled)
        return;
    if (status) {
        const auto undrawn = m_job.undrawnPhotos();
        if (!undrawn.empty() && m_kind != Kind::RemoveWallpaper)
            m_prompter.message(undrawnPhotosMessage(CollageExporter::undrawnMessage(undrawn)),
                               Prompter::Icon::Warning);
        return;
    }
    switch (m_kind) {
    case Kind::Export: m_prompter.message(saveFailedMessage(status.message()), Prompter::Icon::Warning); break;
    case Kind::SetWallpaper: m_prompter.message(wallpaperFailedMessage(status.message()), Prompter::Icon::Warning); break;
    case Kind::RemoveWallpaper:
        m_prompter.message(removeFailedMessage(status.message()), Prompter::Icon::Warning);
        break;
    }
}

} // namespace montora
