#pragma once

#include "base/status.h"
#include "canvas/collage_project.h"
#include "canvas/compositor.h"
#include "canvas/export_options.h"

#include <QImage>
#include <QRectF>
#include <QSizeF>

#include <atomic>
#include <functional>

namespace montora {

// The collage leaving the program as a file: drawn at full size (or 2 or 3 times
// it) without handles by a compositor of its own, so the view's zoom, caches and
// hit regions stay as they were, and saved by the file's extension, or placed on
// a PDF page. The picture is drawn in bands, which lets a cancel or a progress
// report come between them. Nothing is written unless the whole file could be:
// a failure leaves any old file at the path as it was.
class CollageExporter {
public:
    using Progress = std::function<void(double done)>; // 0..1, from the exporting thread

    static QString cancelledMessage() { return QStringLiteral("The export was cancelled."); }
    // One line per photo left out: its path and why.
    static QString undrawnMessage(const std::vector<Compositor::UndrawnPhoto>& photos);

    // What a collage draws from, without edit history or listeners: the copy may be
    // drawn on another thread while the window goes on editing the original.
    static CollageProject snapshot(const CollageProject& project);
    static bool isPdf(const QString& path);
    // The page in points, turned when asked (a Fit page has the collage's shape
    // whatever the orientation).
    static QSizeF pageSize(const ExportOptions& options, QSize collage);
    // The collage as large as it fits on the page, centred.
    static QRectF placement(const QSizeF& page, QSize collage);

    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // May be called from any thread; the running export stops at the next band.
    void cancel() { m_cancelled = true; }
    bool isCancelled() const { return m_cancelled; }

    // The whole collage at a zoom, drawn from the project's own copy.
    Result<QImage> render(const CollageProject& project, float zoom);
    // A picture (by the lower-cased extension) or a PDF (".pdf").
    Status exportTo(const CollageProject& project, const QString& path, const ExportOptions& options);
    // The photos the last render or export had to leave out, in layer order. The
    // picture is still made (a collage with one lost photo is worth having), so
    // the caller decides how to warn.
    const std::vector<Compositor::UndrawnPhoto>& undrawnPhotos() const { return m_undrawn; }

private:
    Result<QImage> renderSnapshot(CollageProject& snapshot, float zoom, double share);
    Status exportPicture(CollageProject& snapshot, const QString& path, const ExportOptions& options);
    Status exportPdf(CollageProject& snapshot, const QString& path, const ExportOptions& options);
    void report(double done) const;

    Compositor m_compositor;
    std::vector<Compositor::UndrawnPhoto> m_undrawn;
    std::atomic<bool> m_cancelled{false};
    Progress m_progress;
};

} // namespace montora
