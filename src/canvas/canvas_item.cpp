#include "canvas/canvas_item.h"

#include <cstring>

namespace montora {

namespace to = text_offsets;

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

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
    case std::int32_t(ItemKind::Text): return itemFrom<TextItemRecord>(bytes);
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
                          [](const TextItemRecord&) { return ItemKind::Text; },
                          [](const PhotoItem&) { return ItemKind::Photo; },
                      },
                      m_record);
}

bool CanvasItem::isSelected() const
{
    if (const auto* text = asText())
        return text->field<std::int32_t>(to::kSelected) != 0;
    return std::visit(Overloaded{[](const TextItemRecord&) { return false; },
                                 [](const auto& r) { return r.selected != 0; }},
                      m_record);
}

void CanvasItem::setSelected(bool selected)
{
    if (auto* text = asText())
        return text->setField<std::int32_t>(to::kSelected, selected ? 1 : 0);
    std::visit(Overloaded{[](TextItemRecord&) {}, [&](auto& r) { r.selected = selected ? 1 : 0; }}, m_record);
}

QPoint CanvasItem::position() const
{
    if (const auto* text = asText())
        return QPoint(text->field<std::int32_t>(to::kLeft), text->field<std::int32_t>(to::kTop));
    return std::visit(Overloaded{[](const TextItemRecord&) { return QPoint(); },
                                 [](const auto& r) { return QPoint(r.left, r.top); }},
                      m_record);
}

void CanvasItem::setPosition(QPoint position)
{
    if (auto* text = asText()) {
        text->setField<std::int32_t>(to::kLeft, position.x());
        return text->setField<std::int32_t>(to::kTop, position.y());
    }
    std::visit(Overloaded{[](TextItemRecord&) {},
                          [&](auto& r) {
                              r.left = position.x();
                              r.top = position.y();
                          }},
               m_record);
}

QPoint CanvasItem::savedPosition() const
{
    if (const auto* text = asText())
        return QPoint(text->field<std::int32_t>(to::kDragLeft), text->field<std::int32_t>(to::kDragTop));
    return std::visit(Overloaded{[](const TextItemRecord&) { return QPoint(); },
                                 [](const auto& r) { return QPoint(r.savedLeft, r.savedTop); }},
                      m_record);
}

void CanvasItem::savePosition()
{
    const QPoint now = position();
    if (auto* text = asText()) {
        text->setField<std::int32_t>(to::kDragLeft, now.x());
        return text->setField<std::int32_t>(to::kDragTop, now.y());
    }
    std::visit(Overloaded{[](TextItemRecord&) {},
                          [&](auto& r) {
                              r.savedLeft = now.x();
                              r.savedTop = now.y();
                          }},
               m_record);
}

float CanvasItem::angle() const
{
    if (const auto* text = asText())
        return text->field<float>(to::kAngle);
    return std::visit(Overloaded{[](const TextItemRecord&) { return 0.0f; }, [](const auto& r) { return r.angle; }},
                      m_record);
}

void CanvasItem::setAngle(float degrees)
{
    if (auto* text = asText())
        return text->setField<float>(to::kAngle, degrees);
    std::visit(Overloaded{[](TextItemRecord&) {}, [&](auto& r) { r.angle = degrees; }}, m_record);
}

float CanvasItem::scale() const
{
    if (const auto* text = asText())
        return text->field<float>(to::kScale);
    return std::visit(Overloaded{[](const TextItemRecord&) { return 0.0f; }, [](const auto& r) { return r.scale; }},
                      m_record);
}

void CanvasItem::setScale(float scale)
{
    if (auto* text = asText())
        return text->setField<float>(to::kScale, scale);
    std::visit(Overloaded{[](TextItemRecord&) {}, [&](auto& r) { r.scale = scale; }}, m_record);
}

QSize CanvasItem::boxSize() const
{
    return std::visit(Overloaded{
                          [](const PhotoItem& r) { return QSize(r.boxWidth, r.boxHeight); },
                          [](const TextItemRecord& r) {
                              return QSize(r.field<std::int32_t>(to::kWidth), r.field<std::int32_t>(to::kHeight));
                          },
                          [](const auto& r) { return QSize(r.width, r.height); },
                      },
                      m_record);
}

int CanvasItem::regionIndex() const
{
    if (const auto* text = asText())
        return text->field<std::int32_t>(to::kRegionIndex);
    return std::visit(
        Overloaded{[](const TextItemRecord&) { return -1; }, [](const auto& r) { return int(r.regionIndex); }},
        m_record);
}

void CanvasItem::setRegionIndex(int index)
{
    if (auto* text = asText())
        return text->setField<std::int32_t>(to::kRegionIndex, index);
    std::visit(Overloaded{[](TextItemRecord&) {}, [&](auto& r) { r.regionIndex = index; }}, m_record);
}

void CanvasItem::clearRuntime()
{
    std::visit(Overloaded{[](TextItemRecord& r) { r.setField<std::uint32_t>(to::kHitRegion, 0); },
                          [](auto& r) { r.clearRuntime(); }},
               m_record);
    m_runtime.clear();
}

} // namespace montora
