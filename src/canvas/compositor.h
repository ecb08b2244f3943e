#pragma once

#include "base/status.h"
#include "canvas/collage_project.h"
#include "canvas/item_picture_cache.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <vector>

class QPainter;

namespace montora {

// Draws a collage into a surface at a zoom: workspace, background, every item
// bottom layer first, the selection handles; and refreshes what hit-testing needs
// (each item's hit region in surface coordinates, the selection transform). It
// composes only the requested part of the surface and keeps the pictures it drew
// from, so redraws after a move or a selection change only draw small cached
// pictures. A view and an export each use their own compositor, so neither
// spoils the other's cache.
class Compositor {
public:
    static constexpr QRgb kWorkspace = 0xFFDDDDDD;

    // A photo the last compose could not draw whole, where it was in sight.
    struct UndrawnPhoto {
        enum class Reason { Missing, Unreadable, CutShort }; // cut short: only its first part is drawn
        int index = -1;
        QString path;
        Reason reason = Reason::Missing;
        bool operator==(const UndrawnPhoto&) const = default;
    };

    struct Options {
        float zoom = 1.0f;
        QRect area{};            // the part of the surface to compose; empty means all of it
        bool drawHandles = true; // off in preview and export
        // The surface point the picture's top-left pixel shows, so that a window
        // can keep a picture of only its visible part.
        QPoint origin{};
        // A photo whose picture file is missing shows as a box with its file name.
        // Off for pictures that leave the program (export).
        bool drawPlaceholders = true;
    };

    // max(collage x zoom, client) in each direction, products truncated.
    static QSize surfaceSize(QSize collage, float zoom, QSize client);
    // (0, 0) to (trunc(width x zoom), trunc(height x zoom)).
    static QRect collageRect(QSize collage, float zoom);

    void compose(CollageProject& project, QImage& surface, const Options& options);
    // The whole collage at a zoom without handles, as an opaque 32-bit picture.
    Result<QImage> render(CollageProject& project, float zoom = 1.0f);

    // What the last compose or render left out; the view ignores it, outputs report it.
    const std::vector<UndrawnPhoto>& undrawnPhotos() const { return m_undrawn; }

    void dropCaches();
    ItemPictureCache& cache() { return m_cache; }
    const PictureWork& work() { return m_cache.work(); }

private:
    struct ItemPlan {
        QSize display;
        QTransform world;
        bool drawable = true;
        bool visible = false;
        bool fileExists = true;
        bool unreadable = false; // the file is there but holds no picture we can decode
        bool cutShort = false;
        QString pictureKey; // empty: nothing to draw from
        QString frameKey;
        ToneMatrix tone;
    };

    ItemPlan planItem(CollageProject& project, CanvasItem& item, float zoom, const QRect& area,
                      std::vector<ItemPictureCache::Request>& requests);
    void planPhoto(CollageProject& project, PhotoItem& photo, ItemPlan& plan, std::vector<ItemPictureCache::Request>& requests);
    void planClipart(CollageProject& project, const ClipartItem& clipart, ItemPlan& plan,
                     std::vector<ItemPictureCache::Request>& requests);
    void planBrush(CollageProject& project, const BrushItem& brush, ItemPlan& plan,
                   std::vector<ItemPictureCache::Request>& requests);
    void request(const QString& key, std::function<QImage()> build, const ToneMatrix& tone, bool visible,
                 std::vector<ItemPictureCache::Request>& requests);

    void drawBackground(QPainter& painter, const CollageProject& project, float zoom);
    void drawItem(QPainter& painter, CollageProject& project, int index, const ItemPlan& plan, float zoom,
                  const Options& options);
    // False when the picture could not be built.
    bool drawPicture(QPainter& painter, const ItemPlan& plan, const QRectF& target);
    void drawPhoto(QPainter& painter, int index, const PhotoItem& photo, const ItemPlan& plan, const Options& options);
    void drawHandles(QPainter& painter, CollageProject& project, float zoom);
    static void drawMissingPhoto(QPainter& painter, const QRectF& box, const QString& path);
    void updateHitRegion(const CollageProject& project, CanvasItem& item, float zoom);

    ItemPictureCache m_cache;
    std::vector<UndrawnPhoto> m_undrawn;
    struct ScaledBackground {
        qint64 sourceKey = 0;
        QSize size;
        QImage picture;
    } m_background;
};

} // namespace montora
