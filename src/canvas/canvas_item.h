#pragma once

#include "base/status.h"
#include "canvas/brush_item.h"
#include "canvas/clipart_item.h"
#include "canvas/item_kind.h"
#include "canvas/item_runtime.h"
#include "canvas/photo_item.h"
#include "text/text_style_record.h"

#include <QByteArray>
#include <QPoint>
#include <QSize>

#include <variant>

namespace montora {

// One item of the collage: its kind, its fixed-size record and its runtime state.
// Keeping the three together means the kind list and the item list cannot differ
// in length.
class CanvasItem {
public:
    using Record = std::variant<ClipartItem, BrushItem, TextStyleRecord, PhotoItem>;

    explicit CanvasItem(const PhotoItem& record) : m_record(record) {}
    explicit CanvasItem(const ClipartItem& record) : m_record(record) {}
    explicit CanvasItem(const BrushItem& record) : m_record(record) {}
    explicit CanvasItem(const TextStyleRecord& record) : m_record(record) {}

    // An item from its record bytes (a project file or a history snapshot); the
    // runtime slots are cleared. Fails for a kind no project holds or a wrong size.
    static Result<CanvasItem> fromBytes(std::int32_t kindCode, const QByteArray& bytes);
    // The record's bytes as stored, runtime slots zero.
    QByteArray recordBytes() const;

    ItemKind kind() const;
    const Record& record() const { return m_record; }

    PhotoItem* asPhoto() { return std::get_if<PhotoItem>(&m_record); }
    const PhotoItem* asPhoto() const { return std::get_if<PhotoItem>(&m_record); }
    ClipartItem* asClipart() { return std::get_if<ClipartItem>(&m_record); }
    const ClipartItem* asClipart() const { return std::get_if<ClipartItem>(&m_record); }
    BrushItem* asBrush() { return std::get_if<BrushItem>(&m_record); }
    const BrushItem* asBrush() const { return std::get_if<BrushItem>(&m_record); }
    TextStyleRecord* asText() { return std::get_if<TextStyleRecord>(&m_record); }
    const TextStyleRecord* asText() const { return std::get_if<TextStyleRecord>(&m_record); }

    // Fields every kind has, wherever its record keeps them.
    bool isSelected() const;
    void setSelected(bool selected);
    QPoint position() const; // left, top in collage pixels
    void setPosition(QPoint position);
    QPoint savedPosition() const;
    void savePosition();
    float angle() const;
    void setAngle(float degrees);
    float scale() const;
    void setScale(float scale);
    // Photo box size, clipart and brush source size, measured text size.
    QSize boxSize() const;
    int regionIndex() const;
    void setRegionIndex(int index);

    ItemRuntime& runtime() { return m_runtime; }
    const ItemRuntime& runtime() const { return m_runtime; }
    // Zeroes the record's runtime slots and forgets the runtime state.
    void clearRuntime();

private:
    Record m_record;
    ItemRuntime m_runtime;
};

} // namespace montora
