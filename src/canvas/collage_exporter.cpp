#include "canvas/collage_exporter.h"

#include "base/atomic_file.h"
#include "imaging/picture_format.h"
#include "imaging/picture_limits.h"
#include "imaging/picture_saver.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace montora {

namespace {

// Bands of at least this many rows, and no more than kMaxBands of them: enough
// stops for a cancel, few enough that items crossing a band edge are drawn rarely.
constexpr int kMinBandRows = 256;
constexpr int kMaxBands = 8;
// Drawing is most of an export; encoding and writing the rest.
constexpr double kRenderShare = 0.85;

QPageSize::PageSizeId pageSizeId(PdfPage page)
{
    switch (page) {
    case PdfPage::A3: return QPageSize::A3;
    case PdfPage::Letter: return QPageSize::Letter;
    default: return QPageSize::A4;
    }
}

} // namespace

CollageProject CollageExporter::snapshot(const CollageProject& project)
{
    CollageProject copy(project);
    copy.setHistoryListener({});
    copy.history().clear();
    copy.setPreviewMode(false);
    return copy;
}

bool CollageExporter::isPdf(const QString& path)
{
    return PictureFormat::extensionOf(path).compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
}

QSizeF CollageExporter::pageSize(const ExportOptions& options, QSize collage)
{
    if (options.page == PdfPage::Fit) {
        const double inch = 72.0 / std::max(1, options.dpi);
        return QSizeF(std::max(1.0, std::round(collage.width() * inch)),
                      std::max(1.0, std::round(collage.height() * inch)));
    }
    // Whole points, as the page box of the file holds them.
    const QSizeF portrait = QPageSize(pageSizeId(options.page)).sizePoints();
    return options.landscape ? portrait.transposed() : portrait;
}

QRectF CollageExporter::placement(const QSizeF& page, QSize collage)
{
    if (collage.isEmpty() || page.isEmpty())
        return QRectF();
    const double factor = std::min(page.width() / collage.width(), page.height() / collage.height());
    const QSizeF size(collage.width() * factor, collage.height() * factor);
    return QRectF(QPointF((page.width() - size.width()) / 2, (page.height() - size.height()) / 2), size);
}

QString CollageExporter::undrawnMessage(const std::vector<Compositor::UndrawnPhoto>& photos)
{
    using Reason = Compositor::UndrawnPhoto::Reason;
    QStringList lines;
    for (const Compositor::UndrawnPhoto& photo : photos) {
        const QString why = photo.reason == Reason::Missing      ? QStringLiteral("the file is missing")
                            : photo.reason == Reason::CutShort   ? QStringLiteral("the file is cut short; only its first part is drawn")
                                                                 : QStringLiteral("the file cannot be read as a picture");
        lines << QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(photo.path), why);
    }
    return lines.join(u'\n');
}

void CollageExporter::report(double done) const
{
    if (m_progress)
        m_progress(std::clamp(done, 0.0, 1.0));
}

Result<QImage> CollageExporter::render(const CollageProject& project, float zoom)
{
    CollageProject copy = snapshot(project);
    return renderSnapshot(copy, zoom, 1.0);
}

Result<QImage> CollageExporter::renderSnapshot(CollageProject& snapshot, float zoom, double share)
{
    m_undrawn.clear();
    const QRect rect = Compositor::collageRect(snapshot.size(), zoom > 0 ? zoom : 1.0f);
    if (rect.isEmpty())
        return Result<QImage>::error(QStringLiteral("The collage has no pixels at zoom %1.").arg(double(zoom)));
    MONTORA_TRY(PictureLimits::check(rect.size()));
    QImage surface(rect.size(), QImage::Format_RGB32);
    if (surface.isNull())
        return Result<QImage>::error(QStringLiteral("There is not enough memory for a %1 x %2 picture of the collage.")
                                         .arg(rect.width())
                                         .arg(rect.height()));
    const int height = rect.height();
    const int bandRows = std::max(kMinBandRows, (height + kMaxBands - 1) / kMaxBands);
    const qsizetype stride = surface.bytesPerLine();
    uchar* bits = surface.bits();
    for (int top = 0; top < height && !m_cancelled; top += bandRows) {
        const int rows = std::min(bandRows, height - top);
        // A view on the band's rows: the compositor draws straight into the picture.
        QImage band(bits + top * stride, rect.width(), rows, stride, QImage::Format_RGB32);
        Compositor::Options options;
        options.zoom = zoom;
        options.drawHandles = false;
        options.drawPlaceholders = false; // the box with a missing photo's name is the view's only
        options.origin = QPoint(0, top);
        m_compositor.compose(snapshot, band, options);
        // A photo crossing a band edge is reported by both bands.
        for (const Compositor::UndrawnPhoto& photo : m_compositor.undrawnPhotos())
            if (std::find(m_undrawn.begin(), m_undrawn.end(), photo) == m_undrawn.end())
                m_undrawn.push_back(photo);
        report(share * (top + rows) / height);
    }
    // The pictures served this export only.
    m_compositor.dropCaches();
    std::sort(m_undrawn.begin(), m_undrawn.end(),
              [](const Compositor::UndrawnPhoto& a, const Compositor::UndrawnPhoto& b) { return a.index < b.index; });
    if (m_cancelled)
        return Result<QImage>::error(cancelledMessage());
    return surface;
}

Status CollageExporter::exportTo(const CollageProject& project, const QString& path, const ExportOptions& options)
{
    MONTORA_TRY(options.check());
    CollageProject copy = snapshot(project);
    const Status exported = isPdf(path) ? exportPdf(copy, path, options) : exportPicture(copy, path, options);
    if (exported)
        report(1.0);
    return exported;
}

Status CollageExporter::exportPicture(CollageProject& snapshot, const QString& path, const ExportOptions& options)
{
    if (!PictureSaver::canSave(path))
        return Status::error(QStringLiteral("Cannot save \"%1\": use one of the extensions %2 or pdf.")
                                 .arg(path, PictureSaver::writableExtensions().join(QStringLiteral(", "))));
    MONTORA_TRY_ASSIGN(picture, renderSnapshot(snapshot, float(options.scale), kRenderShare));
    if (m_cancelled)
        return Status::error(cancelledMessage());
    return PictureSaver::saveByExtension(picture, path);
}

Status CollageExporter::exportPdf(CollageProject& snapshot, const QString& path, const ExportOptions& options)
{
    const QSize collage = snapshot.size();
    const QSizeF page = pageSize(options, collage);
    const QRectF place = placement(page, collage);
    if (place.isEmpty())
        return Status::error(QStringLiteral("The collage has no pixels to print."));
    const double dotsPerPoint = options.dpi / 72.0;
    // The picture has as many pixels as the printer has dots where it goes.
    const float zoom = options.page == PdfPage::Fit ? 1.0f
                                                    : float(place.width() * dotsPerPoint / collage.width());
    MONTORA_TRY_ASSIGN(picture, renderSnapshot(snapshot, zoom, kRenderShare));
    if (m_cancelled)
        return Status::error(cancelledMessage());
    return AtomicFile::write(path, [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setCreator(QStringLiteral("Montora Studio"));
        writer.setResolution(options.dpi);
        writer.setPageLayout(QPageLayout(QPageSize(page, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                         QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer))
            return Status::error(QStringLiteral("Cannot start a PDF page."));
        const QRectF target(place.x() * dotsPerPoint, place.y() * dotsPerPoint, place.width() * dotsPerPoint,
                            place.height() * dotsPerPoint);
        painter.drawImage(target, picture);
        if (!painter.end())
            return Status::error(QStringLiteral("Cannot finish the PDF page."));
        if (m_cancelled)
            return Status::error(cancelledMessage());
        return Status::ok();
    });
}

} // namespace montora
