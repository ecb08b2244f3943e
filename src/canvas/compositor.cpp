#include "canvas/compositor.h"

#include "canvas/item_geometry.h"
#include "canvas/selection_handles.h"
#include "text/text_item_painter.h"
#include "imaging/picture_limits.h"
#include "imaging/resampler.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace montora {

namespace {

QColor colourOf(ColorRef colour)
{
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

QString sizeKey(QSize size) { return QString::number(size.width()) + u'x' + QString::number(size.height()); }

QImage scaledSmooth(const QImage& picture, QSize size)
{
    if (picture.size() == size)
        return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QSize Compositor::surfaceSize(QSize collage, float zoom, QSize client)
{
    const QRect rect = collageRect(collage, zoom);
    return QSize(std::max(rect.width(), client.width()), std::max(rect.height(), client.height()));
}

QRect Compositor::collageRect(QSize collage, float zoom)
{
    return QRect(0, 0, int(std::trunc(collage.width() * zoom)), int(std::trunc(collage.height() * zoom)));
}

void Compositor::dropCaches()
{
    m_cache.clear();
    m_background = {};
}

void Compositor::request(const QString& key, std::function<QImage()> build, const ToneMatrix& tone, bool visible,
                         std::vector<ItemPictureCache::Request>& requests)
{
    // Marks what is kept as used; a picture out of sight is built once it is
    // scrolled into view.
    if (m_cache.has(key, tone) || !visible)
        return;
    requests.push_back(ItemPictureCache::Request{key, std::move(build), tone});
}

void Compositor::planPhoto(CollageProject& project, PhotoItem& photo, ItemPlan& plan,
                           std::vector<ItemPictureCache::Request>& requests)
{
    const QString path = photo.picturePath();
    const QFileInfo file(path);
    plan.fileExists = !path.isEmpty() && file.isFile();
    plan.tone = ToneMatrix::forItem(photo.opacity, photo.tone);
    if (photo.frameNumber > 0 && !plan.display.isEmpty()) {
        const int frameIndex = photo.frameNumber - 1;
        const QSize display = plan.display;
        CanvasResources* resources = project.resources();
        plan.frameKey = QStringLiteral("frame|%1|%2").arg(frameIndex).arg(sizeKey(display));
        PictureWork& work = m_cache.work();
        request(
            plan.frameKey,
            [resources, frameIndex, display, &work] {
                return resources ? ItemPictureBuilder::frame(resources->framePicture(frameIndex), display, work)
                                 : QImage();
            },
            ToneMatrix(), plan.visible, requests);
    }
    if (!plan.fileExists || plan.display.isEmpty())
        return;
    const QSize fullSize = m_cache.pictureSize(path, file.lastModified(), file.size());
    if (fullSize.isEmpty()) {
        plan.unreadable = true;
        return;
    }
    plan.cutShort = m_cache.isCutShort(path, file.lastModified(), file.size());
    const CropBox crop = ItemPictureBuilder::clampCrop(
        CropBox{photo.cropLeft, photo.cropTop, photo.cropRight, photo.cropBottom}, fullSize);
    photo.cropLeft = crop.left;
    photo.cropTop = crop.top;
    photo.cropRight = crop.right;
    photo.cropBottom = crop.bottom;
    if (crop.isEmpty())
        return;

    PhotoPictureRequest source{path, fullSize, crop, plan.display, photo.maskNumber, photo.customMask != 0, {}};
    std::copy(std::begin(photo.customMaskKey), std::end(photo.customMaskKey), source.maskKey.begin());
    plan.pictureKey = QStringLiteral("photo|%1|%2|%3|%4,%5,%6,%7|%8|%9")
                          .arg(path)
                          .arg(file.lastModified().toMSecsSinceEpoch())
                          .arg(file.size())
                          .arg(crop.left)
                          .arg(crop.top)
                          .arg(crop.right)
                          .arg(crop.bottom)
                          .arg(sizeKey(plan.display))
                          .arg(photo.maskNumber > 0
                                   ? QStringLiteral("mask%1/%2/%3")
                                         .arg(photo.maskNumber)
                                         .arg(photo.customMask)
                                         .arg(QString::fromLatin1(
                                             QByteArray(reinterpret_cast<const char*>(photo.customMaskKey), 16).toHex()))
                                   : QStringLiteral("nomask"));
    CanvasResources* resources = project.resources();
    PictureWork& work = m_cache.work();
    request(
        plan.pictureKey, [source, resources, &work] { return ItemPictureBuilder::photo(source, resources, work); },
        plan.tone, plan.visible, requests);
}

void Compositor::planClipart(CollageProject& project, const ClipartItem& clipart, ItemPlan& plan,
                             std::vector<ItemPictureCache::Request>& requests)
{
    plan.tone = ToneMatrix::forItem(clipart.opacity, clipart.tone);
    if (plan.display.isEmpty())
        return;
    const QSize display = plan.display;
    PictureWork& work = m_cache.work();
    if (clipart.isPixelPicture()) {
        const QImage* pixels = project.pixelStore().at(clipart.pictureId);
        if (!pixels) // a calendar from an earlier session: its pixels were never saved
            return;
        const QImage source = *pixels;
        plan.pictureKey = QStringLiteral("pixels|%1|%2").arg(clipart.pictureId).arg(sizeKey(display));
        request(
            plan.pictureKey, [source, display, &work] { return ItemPictureBuilder::reduced(source, display, work); },
            plan.tone, plan.visible, requests);
        return;
    }
    const int id = clipart.pictureId;
    const bool tinted = clipart.tinted != 0;
    const ColorRef tint = clipart.tintColour;
    CanvasResources* resources = project.resources();
    plan.pictureKey =
        QStringLiteral("library|%1|%2|%3|%4").arg(id).arg(tinted ? 1 : 0).arg(tint).arg(sizeKey(display));
    request(
        plan.pictureKey,
        [resources, id, tinted, tint, display, &work] {
            return resources ? ItemPictureBuilder::reduced(resources->libraryPicture(id, tint, tinted), display, work)
                             : QImage();
        },
        plan.tone, plan.visible, requests);
}

void Compositor::planBrush(CollageProject& project, const BrushItem& brush, ItemPlan& plan,
                           std::vector<ItemPictureCache::Request>& requests)
{
    plan.tone = ToneMatrix::forItem(brush.opacity, brush.tone);
    if (plan.display.isEmpty())
        return;
    const BrushSettings& settings = project.brushSettings();
    QImage source;
    if (brush.brushIndex >= 0 && brush.brushIndex < int(settings.pictures.size()))
        source = settings.pictures[size_t(brush.brushIndex)];
    CanvasResources* resources = project.resources();
    const int index = brush.brushIndex;
    const ColorRef colour = brush.colour;
    const QSize display = plan.display;
    PictureWork& work = m_cache.work();
    plan.pictureKey = QStringLiteral("brush|%1|%2|%3").arg(index).arg(colour).arg(sizeKey(display));
    request(
        plan.pictureKey,
        [source, resources, index, colour, display, &work] {
            const QImage picture = !source.isNull() ? source : resources ? resources->brushPicture(index) : QImage();
            return ItemPictureBuilder::brush(picture, colour, display, work);
        },
        plan.tone, plan.visible, requests);
}

Compositor::ItemPlan Compositor::planItem(CollageProject& project, CanvasItem& item, float zoom, const QRect& area,
                                          std::vector<ItemPictureCache::Request>& requests)
{
    ItemPlan plan;
    if (!ItemGeometry::isDrawable(item, zoom)) {
        plan.drawable = false;
        plan.visible = false;
        return plan;
    }
    plan.display = ItemGeometry::displaySize(item, zoom);
    plan.world = ItemGeometry::worldTransform(item, zoom);
    plan.visible = ItemGeometry::surfaceBounds(item, zoom).intersects(area);
    if (auto* photo = item.asPhoto())
        planPhoto(project, *photo, plan, requests);
    else if (const auto* clipart = item.asClipart())
        planClipart(project, *clipart, plan, requests);
    else if (const auto* brush = item.asBrush())
        planBrush(project, *brush, plan, requests);
    return plan;
}

void Compositor::compose(CollageProject& project, QImage& surface, const Options& options)
{
    if (surface.isNull())
        return;
    const float zoom = options.zoom > 0 ? options.zoom : 1.0f;
    const QRect covered(options.origin, surface.size());
    const QRect area = options.area.isEmpty() ? covered : options.area & covered;
    const QRect collage = collageRect(project.size(), zoom);

    m_cache.beginPass();
    m_undrawn.clear();
    std::vector<ItemPictureCache::Request> requests;
    std::vector<ItemPlan> plans;
    plans.reserve(project.items().size());
    for (CanvasItem& item : project.items())
        plans.push_back(planItem(project, item, zoom, area, requests));
    m_cache.run(requests);

    QPainter painter(&surface);
    // Window and viewport stay apart from the world transforms the items set.
    painter.setWindow(covered);
    painter.setViewport(surface.rect());
    painter.setClipRect(area);
    painter.fillRect(area & collage, colourOf(project.backgroundColour()));
    drawBackground(painter, project, zoom);
    for (size_t i = 0; i < plans.size(); ++i)
        drawItem(painter, project, int(i), plans[i], zoom, options);

    // Items reaching beyond the collage are covered by the workspace.
    painter.setWorldTransform(QTransform());
    painter.setOpacity(1.0);
    QRegion workspace = QRegion(area).subtracted(QRegion(collage));
    for (const QRect& rect : workspace)
        painter.fillRect(rect, QColor::fromRgba(kWorkspace));
    // Last, so that no item above the selected one and no edge of the collage hides them.
    if (options.drawHandles && !project.previewMode())
        drawHandles(painter, project, zoom);
    painter.end();
    m_cache.endPass();
}

Result<QImage> Compositor::render(CollageProject& project, float zoom)
{
    const QRect rect = collageRect(project.size(), zoom > 0 ? zoom : 1.0f);
    if (rect.isEmpty())
        return Result<QImage>::error(QStringLiteral("The collage has no pixels at zoom %1.").arg(double(zoom)));
    MONTORA_TRY(PictureLimits::check(rect.size()));
    QImage surface(rect.size(), QImage::Format_RGB32);
    if (surface.isNull())
        return Result<QImage>::error(
            QStringLiteral("Not enough memory for a %1 x %2 picture.").arg(rect.width()).arg(rect.height()));
    compose(project, surface, Options{zoom, QRect(), false, QPoint(), false});
    return surface;
}

void Compositor::drawBackground(QPainter& painter, const CollageProject& project, float zoom)
{
    const QImage& picture = project.backgroundPicture();
    if (picture.isNull())
        return;
    const QRect collage = collageRect(project.size(), zoom);
    const FillMode mode = project.fillMode();
    QSize size;
    QPoint at;
    if (mode == FillMode::Centre) {
        size = Resampler::fitSize(int(std::trunc(picture.width() * zoom)), int(std::trunc(picture.height() * zoom)),
                                  collage.width(), collage.height());
        at = QPoint((collage.width() - size.width()) / 2, (collage.height() - size.height()) / 2);
    } else if (mode == FillMode::Stretch) {
        size = collage.size();
    } else if (mode == FillMode::Tile) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom != 1.0f);
        painter.setTransform(QTransform::fromScale(zoom, zoom));
        painter.fillRect(QRectF(0, 0, project.width(), project.height()), QBrush(picture));
        painter.restore();
        return;
    } else {
        return;
    }
    if (size.isEmpty())
        return;
    if (m_background.sourceKey != picture.cacheKey() || m_background.size != size) {
        m_background = {picture.cacheKey(), size, scaledSmooth(picture, size)};
    }
    painter.drawImage(at, m_background.picture);
}

bool Compositor::drawPicture(QPainter& painter, const ItemPlan& plan, const QRectF& target)
{
    if (plan.pictureKey.isEmpty())
        return true; // nothing to draw from: an empty crop or size
    const QImage* picture = m_cache.drawable(plan.pictureKey, plan.tone);
    if (!picture || picture->isNull())
        return false;
    const bool plain = plan.tone.onlyScalesAlpha();
    painter.setOpacity(plain ? std::clamp(plan.tone.alphaScale(), 0.0f, 1.0f) : 1.0);
    painter.drawImage(target, *picture, QRectF(picture->rect()));
    painter.setOpacity(1.0);
    return true;
}

// Where the photo would be: a light box, a dashed edge and the picture's file name,
// so a photo whose file moved can be seen, picked and found again.
void Compositor::drawMissingPhoto(QPainter& painter, const QRectF& box, const QString& path)
{
    if (box.width() < 2 || box.height() < 2)
        return;
    painter.save();
    painter.fillRect(box, QColor(0xEE, 0xEE, 0xEE));
    QPen edge(QColor(0x90, 0x90, 0x90), 0, Qt::DashLine);
    painter.setPen(edge);
    painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    QFont font = painter.font();
    font.setPixelSize(int(std::clamp(box.height() / 8, 9.0, 16.0)));
    painter.setFont(font);
    painter.setPen(QColor(0x50, 0x50, 0x50));
    const QRectF text = box.adjusted(4, 4, -4, -4);
    const QString name = QFontMetrics(font).elidedText(QFileInfo(path).fileName(), Qt::ElideMiddle, int(text.width()));
    painter.drawText(text, Qt::AlignCenter, QStringLiteral("%1\n(missing)").arg(name));
    painter.restore();
}

void Compositor::drawItem(QPainter& painter, CollageProject& project, int index, const ItemPlan& plan, float zoom,
                          const Options& options)
{
    CanvasItem& item = project.item(index);
    if (!plan.drawable) {
        item.runtime().transformedRegion.reset();
        return;
    }
    painter.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
    painter.setTransform(plan.world);
    const QRectF box(0, 0, plan.display.width(), plan.display.height());
    if (const PhotoItem* photo = item.asPhoto()) {
        if (plan.visible)
            drawPhoto(painter, index, *photo, plan, options);
    } else if (TextStyleRecord* text = item.asText()) {
        if (plan.visible) {
            // Not resetTransform(): that would drop the window too, and a scrolled view or
            // a band of an export would get the text at its unscrolled place.
            painter.setWorldTransform(QTransform());
            TextItemPainter::paint(painter, *text, zoom);
        }
        text->screenBox = TextItemPainter::screenBox(*text, zoom);
    } else if (plan.visible) {
        drawPicture(painter, plan, box);
    }
    painter.setWorldTransform(QTransform());
    updateHitRegion(project, item, zoom);
}

void Compositor::drawPhoto(QPainter& painter, int index, const PhotoItem& photo, const ItemPlan& plan,
                           const Options& options)
{
    const QRectF box(0, 0, plan.display.width(), plan.display.height());
    bool drawn = plan.fileExists && !plan.unreadable;
    if (!plan.fileExists && options.drawPlaceholders)
        drawMissingPhoto(painter, box, photo.picturePath());
    if (drawn) {
        if (photo.frameNumber > 0) {
            const double w = plan.display.width();
            const double h = plan.display.height();
            const QRectF window(std::trunc(w * (photo.frameLeft - 0.01)), std::trunc(h * (photo.frameTop - 0.01)),
                                std::trunc(w * (photo.frameRight - photo.frameLeft + 0.02)),
                                std::trunc(h * (photo.frameBottom - photo.frameTop + 0.02)));
            drawn = drawPicture(painter, plan, window);
        } else {
            drawn = drawPicture(painter, plan, box);
        }
    }
    using Reason = UndrawnPhoto::Reason;
    if (!drawn || plan.cutShort)
        m_undrawn.push_back(UndrawnPhoto{index, photo.picturePath(),
                                         !plan.fileExists ? Reason::Missing
                                         : drawn          ? Reason::CutShort
                                                          : Reason::Unreadable});
    const QImage* frame = plan.frameKey.isEmpty() ? nullptr : m_cache.drawable(plan.frameKey, ToneMatrix());
    if (frame && !frame->isNull()) {
        painter.setOpacity(std::clamp(photo.opacity, 0.0f, 1.0f));
        painter.drawImage(box, *frame, QRectF(frame->rect()));
        painter.setOpacity(1.0);
    }
}

void Compositor::drawHandles(QPainter& painter, CollageProject& project, float zoom)
{
    for (CanvasItem& item : project.items()) {
        if (!item.isSelected() || !ItemGeometry::isDrawable(item, zoom))
            continue;
        const QTransform selection = ItemGeometry::selectionTransform(item, zoom);
        project.setSelectionTransform(selection);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(selection);
        SelectionHandles::draw(painter, SelectionHandles::layout(ItemGeometry::handleRect(item, zoom)));
        painter.setWorldTransform(QTransform());
    }
}

void Compositor::updateHitRegion(const CollageProject& project, CanvasItem& item, float zoom)
{
    const QPainterPath* base = project.hitRegions().at(item.regionIndex());
    if (!base) {
        item.runtime().transformedRegion.reset();
        return;
    }
    item.runtime().transformedRegion = ItemGeometry::regionTransform(item, zoom).map(*base);
}

} // namespace montora
