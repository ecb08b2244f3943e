#pragma once

#include "app/collage_output_job.h"
#include "canvas/export_options.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <optional>

namespace montora {

class CollageProject;
class ExportOptionsAsker;
class Prompter;

// The window's collage output commands: "Save Collage" (the file, the size or
// page, then the export), setting and removing the wallpaper. The collage is
// copied when a command starts and drawn on another thread, so editing goes on;
// the window shows a progress window for large collages while a job runs.
// Failures are reported, and so are photos the picture had to leave out; a
// cancel is not.
class CollageOutputCommands : public QObject {
    Q_OBJECT
public:
    // Above this many pixels a job shows its progress window.
    static constexpr qint64 kLargePixels = 0xC0000;

    static QString saveFilter();
    static QString defaultName() { return QStringLiteral("*.jpg"); }
    static QString saveCaption() { return QStringLiteral("Saving Collage"); }
    static QString wallpaperCaption() { return QStringLiteral("Setting Wallpaper"); }
    static QString saveFailedMessage(const QString& reason);
    static QString wallpaperFailedMessage(const QString& reason);
    static QString removeFailedMessage(const QString& reason);
    // A picture that was made, but without some photos.
    static QString undrawnPhotosMessage(const QString& photos);

    CollageOutputCommands(CollageProject& project, Prompter& prompter, ExportOptionsAsker& asker,
                          QObject* parent = nullptr);

    // Where the wallpaper service looks (a private bus and folder in tests).
    void setWallpaperTarget(QDBusConnection bus, const QString& folder);

    // 10902, 10557. Each returns whether a job started; nothing starts while one runs.
    bool saveCollage();
    bool exportTo(const QString& path, const ExportOptions& options);
    // 10951 (mode 0) and 10950 (mode 1).
    bool setWallpaper();
    bool removeWallpaper();

    // What the options form shows next, the last accepted choice of this session.
    const ExportOptions& lastOptions() const { return m_options; }
    CollageOutputJob& job() { return m_job; }
    bool isBusy() const { return m_job.isRunning(); }

signals:
    // A job began; `large` asks for the progress window.
    void jobStarted(const QString& caption, const QString& fileName, bool large);
    void jobProgress(double done);
    void jobFinished();

private:
    enum class Kind { Export, SetWallpaper, RemoveWallpaper };

    bool run(Kind kind, const QString& caption, const QString& fileName, qint64 pixels, CollageOutputJob::Work work);
    void finish(const Status& status, bool cancelled);
    std::optional<QString> askPath();

    CollageProject& m_project;
    Prompter& m_prompter;
    ExportOptionsAsker& m_asker;
    ExportOptions m_options;
    CollageOutputJob m_job;
    Kind m_kind = Kind::Export;
    QDBusConnection m_bus;
    QString m_wallpaperFolder;
};

} // namespace montora
