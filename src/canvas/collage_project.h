#pragma once

#include "base/status.h"
#include "canvas/brush_settings.h"
#include "canvas/canvas_item.h"
#include "canvas/canvas_resources.h"
#include "canvas/edit_history.h"
#include "canvas/hit_region_list.h"
#include "canvas/pixel_store.h"
#include "canvas/view_point.h"
#include "library/library_drop.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QTransform>

#include <functional>
#include <vector>

namespace montora {

enum class FillMode : std::int32_t { Centre = 0, Tile = 1, Stretch = 2 };

// The collage document and the state that editing it needs: size, background,
// the items in layer order (index 0 at the bottom), the pixel store, the base hit
// regions, the edit history, the brush settings, the current effect tint and text
// style. Operations report the program's messages through their Status; the
// window shows them.
class CollageProject {
public:
    static constexpr ColorRef kDefaultTint = 0x787878;
    static constexpr int kDefaultWidth = 1024;
    static constexpr int kDefaultHeight = 768;
    static constexpr int kMaxSide = 20000;

    static const QString kSelectPhotoMessage;
    static const QString kSelectPhotoOrClipartMessage;

    CollageProject();

    // Where library pictures, frames and masks come from; null means none exist.
    void setResources(CanvasResources* resources) { m_resources = resources; }
    CanvasResources* resources() const { return m_resources; }

    // Size and background.
    QSize size() const { return m_size; }
    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    // Rounds both down to multiples of 4; refuses sizes outside 4 .. kMaxSide.
    Status setSize(int width, int height);
    // The size exactly as a project file holds it (checked, not rounded).
    Status setStoredSize(int width, int height);
    const QString& backgroundPath() const { return m_backgroundPath; }
    // Keeps the path; loads the picture when the file exists and can be read.
    Status setBackgroundPicture(const QString& path);
    const QImage& backgroundPicture() const { return m_backgroundPicture; }
    ColorRef backgroundColour() const { return m_backgroundColour; }
    void setBackgroundColour(ColorRef colour) { m_backgroundColour = colour & 0xFFFFFF; }
    // Any stored value is kept, so that a file round-trips; one outside the enum
    // draws no background picture.
    FillMode fillMode() const { return m_fillMode; }
    void setFillMode(FillMode mode) { m_fillMode = mode; }

    // View state kept for the window.
    float zoom() const { return m_zoom; }
    // Resets the scroll position.
    void setZoom(float zoom);
    // The surface point at the window's top-left corner; negative while centred.
    QPoint scroll() const { return m_scroll; }
    void setScroll(QPoint scroll) { m_scroll = scroll; }
    ViewPoint viewPoint(QPoint windowPoint) const { return ViewPoint{windowPoint, m_zoom, m_scroll}; }
    bool previewMode() const { return m_preview; }
    void setPreviewMode(bool preview) { m_preview = preview; }
    // The transform the last selection handles were drawn with (hit-testing them).
    const QTransform& selectionTransform() const { return m_selectionTransform; }
    void setSelectionTransform(const QTransform& transform) { m_selectionTransform = transform; }

    // Items.
    int itemCount() const { return int(m_items.size()); }
    CanvasItem& item(int index) { return m_items[size_t(index)]; }
    const CanvasItem& item(int index) const { return m_items[size_t(index)]; }
    std::vector<CanvasItem>& items() { return m_items; }
    const std::vector<CanvasItem>& items() const { return m_items; }
    // The lowest index whose selected flag is set, -1 when none.
    int firstSelectedIndex() const;
    // The first selected photo, -1 when none.
    int selectedPhotoIndex() const;
    void deselectAll();
    // Appends an item read from a file or made elsewhere and builds its base region.
    void appendItem(CanvasItem item);

    // Creation operations. Each puts the new item on top and selects it (brush
    // stamps excepted), builds its base region and marks the collage modified.
    Status addPhoto(const QString& path, QSize pictureSize, const ViewPoint& at);
    // Reads the picture's size from its header first.
    Status addPhoto(const QString& path, const ViewPoint& at);
    Status addClipart(int libraryId, const ViewPoint& at);
    // A pixel picture (a month calendar): copied into the pixel store, placed at the
    // origin; no undo step. Returns the new item's index.
    Result<int> addPixelPicture(const QImage& pixels);
    // Pixels read back from a project file for the pixel-picture item at the index:
    // a new store entry, and a hit region from its alpha.
    Status attachPixelPicture(int itemIndex, const QImage& pixels);
    // Every pixel-picture item names no store entry (until pixels are attached), so
    // an index from a file cannot show another picture of this session.
    void forgetPixelPictures();
    // One stamp of the chosen brush centred on the point, unselected; no undo step.
    Status addBrushStamp(const ViewPoint& at);
    // A text item from the current text style: measured, selected, its top-left
    // corner at half its measured size.
    Status addText();
    // The typed text: becomes the current style's text (cut at 999 bytes) and the
    // first selected text item's, which is measured again. True when that item changed.
    bool setText(const QString& text);
    // A new current style: the first selected text item takes its face, effect,
    // colours and transparency, keeping its text, size, place, scale and angle.
    // True when that item changed.
    bool setTextStyle(const TextStyleRecord& style);
    // Text and style edits are not recorded one by one (that would be a step per
    // key): the window records them when the typing pauses. Undo, redo and adding
    // text record a pending one first, so it stays a step of its own.
    bool hasUnrecordedTextEdit() const { return m_unrecordedTextEdit; }
    void recordTextEdit();

    // Operations on the selected photo.
    Status setFrame(int frameIndex);
    Status setMask(int maskIndex);
    Status setCrop(int left, int top, int right, int bottom);
    // Tuning of every selected photo and clipart; `reset` stores the values disabled.
    // A slider drag defers its history step to the drag's end (pushHistory()).
    enum class HistoryStep { Record, Defer };
    Status setTuning(const ToneSettings& values, bool reset, HistoryStep step = HistoryStep::Record);
    void setEffectTintColour(ColorRef colour);
    ColorRef effectTintColour() const { return m_effectTint; }
    // Entries dropped from a library strip: a frame or mask for the selected photo,
    // or clipart (a decoration too) at the point. Only the first entry counts.
    Status applyLibrarySelection(LibraryDrop drop, const std::vector<int>& ids, const ViewPoint& mousePoint);

    // Empties items, base regions and history; the pixel store stays.
    void clear();

    bool isModified() const { return m_modified; }
    // Tells the modified listener when the flag changes (the window's title).
    void setModified(bool modified);
    void setModifiedListener(std::function<void()> listener) { m_modifiedListener = std::move(listener); }
    // Takes size, background, items, hit regions, history and modified flag of a
    // collage read elsewhere; the view, the pixel store, the resources, the brush,
    // the current tint and text style stay this collage's.
    void replaceDocument(CollageProject&& opened);

    PixelStore& pixelStore() { return m_pixelStore; }
    const PixelStore& pixelStore() const { return m_pixelStore; }
    HitRegionList& hitRegions() { return m_regions; }
    const HitRegionList& hitRegions() const { return m_regions; }
    EditHistory& history() { return m_history; }
    const EditHistory& history() const { return m_history; }
    // Records the items as they are now as the newest history step and tells the
    // history listener (the window refreshes its buttons).
    void pushHistory();
    void setHistoryListener(std::function<void()> listener) { m_historyListener = std::move(listener); }
    // An empty history whose oldest undo returns to the items as they are now (an
    // opened collage), not to an empty collage.
    void startHistoryHere();
    bool canUndo() const { return m_history.currentIndex() >= 0; }
    bool canRedo() const { return m_history.currentIndex() < m_history.size() - 1; }
    // Each returns false when it had nothing to do. Both mark the collage modified.
    bool undo();
    bool redo();

    // Layer commands on the selected item; false (and no history step) when the
    // item cannot move that way. They leave the modified flag alone.
    bool bringForward();
    bool sendBackward();
    bool bringToFront();
    bool sendToBack();
    // Removes the first selected item, records the step and marks the collage
    // modified; false with nothing selected.
    bool deleteSelected();

    BrushSettings& brushSettings() { return m_brush; }
    const BrushSettings& brushSettings() const { return m_brush; }
    int firstSelectedTextIndex() const;
    TextStyleRecord& textStyle() { return m_textStyle; }
    const TextStyleRecord& textStyle() const { return m_textStyle; }

private:
    void restoreSnapshot(int index);
    bool moveSelected(int to);
    void appendCreated(CanvasItem item, QPainterPath baseRegion);
    QPainterPath baseRegionOf(const CanvasItem& item) const;
    Status noPhotoSelected();

    QSize m_size{kDefaultWidth, kDefaultHeight};
    QString m_backgroundPath;
    QImage m_backgroundPicture;
    ColorRef m_backgroundColour = 0xFFFFFF;
    FillMode m_fillMode = FillMode::Centre;
    std::vector<CanvasItem> m_items;
    bool m_modified = false;

    float m_zoom = 1.0f;
    QPoint m_scroll;
    bool m_preview = false;
    QTransform m_selectionTransform;

    PixelStore m_pixelStore;
    HitRegionList m_regions;
    EditHistory m_history;
    BrushSettings m_brush;
    ColorRef m_effectTint = kDefaultTint;
    TextStyleRecord m_textStyle;
    bool m_unrecordedTextEdit = false;
    CanvasResources* m_resources = nullptr;
    std::function<void()> m_historyListener;
    std::function<void()> m_modifiedListener;
};

} // namespace montora
