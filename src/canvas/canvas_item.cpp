#include "canvas/canvas_item.h"

#include <cstring>

namespace montora {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang before 17).
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

template <typename T>
Result<CanvasItem> itemFrom(const QByteArray& bytes)
{
    if (bytes.size() != qsizetype(sizeof(T)))
        return Result<CanvasItem>::error(
            QStringLiteral("An item record is %1 bytes instead of %2.").arg(bytes.size()).arg(sizeof(T)));
    T record;
    std::memcpy(static_cast<void*>(&record), bytes.constData(), sizeof(T));
    CanvasItem item(record);
    item.clearRuntime();
    return item;
}

} // namespace

Result<CanvasItem> CanvasItem::fromBytes(std::int32_t kindCode, const QByteArray& bytes)
{
    switch (kindCode) {
    case std::int32_t(ItemKind::Clipart): return itemFrom<ClipartItem>(bytes);
    case std::int32_t(ItemKind::Brush): return itemFrom<BrushItem>(bytes);
    case std::int32_t(ItemKind::Text): return itemFrom<TextStyleRecord>(bytes);
    case std::int32_t(ItemKind::Photo): return itemFrom<PhotoItem>(bytes);
    default:
        return Result<CanvasItem>::error(QStringLiteral("Unknown item kind %1.").arg(kindCode));
    }
}

QByteArray CanvasItem::recordBytes() const
{
    CanvasItem copy = *this;
    copy.clearRuntime();
    return std::visit(
        [](const auto& record) {
            return QByteArray(reinterpret_cast<const char*>(&record), qsizetype(sizeof(record)));
        },
        copy.m_record);
}

ItemKind CanvasItem::kind() const
{
    return std::visit(Overloaded{
                          [](const ClipartItem&) { return ItemKind::Clipart; },
                          [](const BrushItem&) { return ItemKind::Brush; },
                          [](const TextStyleRecord&) { return ItemKind::Text; },
                          [](const PhotoItem&) { return ItemKind::Photo; },
                      },
                      m_record);
}

// Every record names these fields alike.
bool CanvasItem::isSelected() const
{
    return std::visit([](const auto& r) { return r.selected != 0; }, m_record);
}

void CanvasItem::setSelected(bool selected)
{
    std::visit([&](auto& r) { r.selected = selected ? 1 : 0; }, m_record);
}

QPoint CanvasItem::position() const
{
    return std::visit([](const auto& r) { return QPoint(r.left, r.top); }, m_record);
}

void CanvasItem::setPosition(QPoint position)
{
    std::visit(
        [&](auto& r) {
            r.left = position.x();
            r.top = position.y();
        },
        m_record);
}

float CanvasItem::angle() const
{
    return std::visit([](const auto& r) { return float(r.angle); }, m_record);
}

void CanvasItem::setAngle(float degrees)
{
    std::visit([&](auto& r) { r.angle = degrees; }, m_record);
}

float CanvasItem::scale() const
{
    return std::visit([](const auto& r) { return float(r.scale); }, m_record);
}

void CanvasItem::setScale(float scale)
{
    std::visit([&](auto& r) { r.scale = scale; }, m_record);
}

int CanvasItem::regionIndex() const
{
    return std::visit([](const auto& r) { return int(r.regionIndex); }, m_record);
}

void CanvasItem::setRegionIndex(int index)
{
    std::visit([&](auto& r) { r.regionIndex = index; }, m_record);
}

// The text record calls its saved position the drag position.
QPoint CanvasItem::savedPosition() const
{
    return std::visit(Overloaded{[](const TextStyleRecord& r) { return QPoint(r.dragLeft, r.dragTop); },
                                 [](const auto& r) { return QPoint(r.savedLeft, r.savedTop); }},
                      m_record);
}

void CanvasItem::savePosition()
{
    std::visit(Overloaded{[](TextStyleRecord& r) {
                              r.dragLeft = r.left;
                              r.dragTop = r.top;
                          },
                          [](auto& r) {
                              r.savedLeft = r.left;
                              r.savedTop = r.top;
                          }},
               m_record);
}

QSize CanvasItem::boxSize() const
{
    return std::visit(Overloaded{
                          [](const PhotoItem& r) { return QSize(r.boxWidth, r.boxHeight); },
                          [](const auto& r) { return QSize(r.width, r.height); },
                      },
                      m_record);
}

void CanvasItem::clearRuntime()
{
    std::visit(Overloaded{[](TextStyleRecord& r) { r.hitRegion = 0; }, [](auto& r) { r.clearRuntime(); }}, m_record);
    m_runtime.clear();
}

} // namespace montora
