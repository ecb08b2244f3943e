#include "canvas/collage_project.h"

#include "imaging/picture_decoder.h"
#include "text/styled_text.h"
#include "text/text_style_presets.h"

#include <QFileInfo>

#include <cmath>
#include <cstring>
#include <iterator>

namespace montora {

const QString CollageProject::kSelectPhotoMessage = QStringLiteral("Please select a photo on the canvas.");
const QString CollageProject::kSelectPhotoOrClipartMessage =
    QStringLiteral("Please select a photo or clipart on the canvas.");

CollageProject::CollageProject()
{
    // The text panel's starting style until the window hands over its own.
    m_textStyle.font.lfHeight = 48;
    (void)m_textStyle.font.setFaceName(QStringLiteral("Liberation Sans"));
    const TextStylePresets::Colours colours = TextStylePresets::colours(0);
    m_textStyle.colour1 = colours.colour1;
    m_textStyle.colour2 = colours.colour2;
}

namespace {

int roundDownTo4(int value) { return value - value % 4; }

} // namespace

Status CollageProject::setSize(int width, int height)
{
    if (width < 4 || height < 4 || width > kMaxSide || height > kMaxSide)
        return Status::error(QStringLiteral("A collage is 4 to %1 pixels wide and high, not %2 x %3.")
                                 .arg(kMaxSide)
                                 .arg(width)
                                 .arg(height));
    m_size = QSize(roundDownTo4(width), roundDownTo4(height));
    return Status::ok();
}

Status CollageProject::setStoredSize(int width, int height)
{
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        return Status::error(
            QStringLiteral("The collage size %1 x %2 is not a possible one.").arg(width).arg(height));
    m_size = QSize(width, height);
    return Status::ok();
}

Status CollageProject::setBackgroundPicture(const QString& path)
{
    m_backgroundPath = path;
    m_backgroundPicture = QImage();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return Status::ok();
    MONTORA_TRY_ASSIGN(decoded, PictureDecoder::decode(path));
    m_backgroundPicture = decoded.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return Status::ok();
}

void CollageProject::setZoom(float zoom)
{
    m_zoom = zoom > 0 ? zoom : 1.0f;
    m_scroll = QPoint();
}

int CollageProject::firstSelectedIndex() const
{
    for (int i = 0; i < itemCount(); ++i)
        if (m_items[size_t(i)].isSelected())
            return i;
    return -1;
}

int CollageProject::selectedPhotoIndex() const
{
    for (int i = 0; i < itemCount(); ++i)
        if (m_items[size_t(i)].kind() == ItemKind::Photo && m_items[size_t(i)].isSelected())
            return i;
    return -1;
}

void CollageProject::deselectAll()
{
    for (CanvasItem& item : m_items)
        item.setSelected(false);
}

QPainterPath CollageProject::baseRegionOf(const CanvasItem& item) const
{
    const QSize box = item.boxSize();
    if (item.kind() == ItemKind::Text)
        return HitRegionList::rectangle(box.width(), box.height());
    float baseScale = 1.0f;
    if (const auto* photo = item.asPhoto())
        baseScale = photo->baseScale;
    else if (const auto* clipart = item.asClipart())
        baseScale = clipart->baseScale;
    else if (const auto* brush = item.asBrush())
        baseScale = brush->baseScale;
    return HitRegionList::rectangle(double(box.width()) * baseScale, double(box.height()) * baseScale);
}

void CollageProject::appendItem(CanvasItem item)
{
    item.clearRuntime();
    item.setRegionIndex(m_regions.append(baseRegionOf(item)));
    m_items.push_back(std::move(item));
}

void CollageProject::appendCreated(CanvasItem item, QPainterPath baseRegion)
{
    item.setRegionIndex(m_regions.append(std::move(baseRegion)));
    m_items.push_back(std::move(item));
    setModified(true);
}

void CollageProject::pushHistory()
{
    m_unrecordedTextEdit = false; // the step holds it
    m_history.push(HistorySnapshot::capture(m_items));
    if (m_historyListener)
        m_historyListener();
}

void CollageProject::startHistoryHere()
{
    m_unrecordedTextEdit = false;
    m_history.clear();
    m_history.setBase(HistorySnapshot::capture(m_items));
}

void CollageProject::restoreSnapshot(int index)
{
    const HistorySnapshot* snapshot = index >= 0 ? m_history.at(index) : &m_history.base();
    m_items = snapshot ? snapshot->restore() : std::vector<CanvasItem>();
    // A crop or frame changes a photo's box after its region was made, so the
    // region is made again from the box the step recorded.
    for (const CanvasItem& item : m_items)
        if (const PhotoItem* photo = item.asPhoto())
            m_regions.replace(photo->regionIndex,
                              HitRegionList::rectangle(std::trunc(photo->boxWidth * photo->baseScale),
                                                       std::trunc(photo->boxHeight * photo->baseScale)));
}

bool CollageProject::undo()
{
    recordTextEdit();
    const int index = m_history.currentIndex();
    if (index < 0)
        return false;
    restoreSnapshot(index - 1);
    m_history.setCurrentIndex(index - 1);
    setModified(true);
    return true;
}

bool CollageProject::redo()
{
    // A pending edit is newer than the redo steps and discards them, as any edit does.
    recordTextEdit();
    if (!canRedo())
        return false;
    const int index = m_history.currentIndex() + 1;
    restoreSnapshot(index);
    m_history.setCurrentIndex(index);
    setModified(true);
    return true;
}

bool CollageProject::moveSelected(int to)
{
    const int from = firstSelectedIndex();
    if (from < 0 || to < 0 || to >= itemCount() || to == from)
        return false;
    CanvasItem moved = std::move(m_items[size_t(from)]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + to, std::move(moved));
    pushHistory();
    return true;
}

bool CollageProject::bringForward() { return moveSelected(firstSelectedIndex() + 1); }

bool CollageProject::sendBackward()
{
    const int index = firstSelectedIndex();
    return index >= 1 && moveSelected(index - 1);
}

bool CollageProject::bringToFront() { return moveSelected(itemCount() - 1); }

bool CollageProject::sendToBack()
{
    return firstSelectedIndex() >= 1 && moveSelected(0);
}

bool CollageProject::deleteSelected()
{
    const int index = firstSelectedIndex();
    if (index < 0)
        return false;
    m_items.erase(m_items.begin() + index);
    pushHistory();
    // The item is gone from what a save writes: the collage differs from its file.
    setModified(true);
    return true;
}

Status CollageProject::addPhoto(const QString& path, QSize pictureSize, const ViewPoint& at)
{
    const QPoint point = at.collagePoint();
    MONTORA_TRY_ASSIGN(photo, PhotoItem::create(path, pictureSize, m_size, point.x(), point.y(), itemCount() - 1));
    deselectAll();
    CanvasItem item(photo);
    QPainterPath region = HitRegionList::rectangle(double(photo.boxWidth) * photo.scale,
                                                   double(photo.boxHeight) * photo.scale);
    appendCreated(std::move(item), std::move(region));
    pushHistory();
    m_brush.brushMode = false;
    return Status::ok();
}

Status CollageProject::addPhoto(const QString& path, const ViewPoint& at)
{
    MONTORA_TRY_ASSIGN(pictureSize, PictureDecoder::size(path));
    return addPhoto(path, pictureSize, at);
}

Status CollageProject::addClipart(int libraryId, const ViewPoint& at)
{
    const bool tinted = libraryId >= ClipartItem::kFirstTintedId;
    const QImage picture = m_resources ? m_resources->libraryPicture(libraryId, m_effectTint, tinted) : QImage();
    if (picture.isNull())
        return Status::error(QStringLiteral("The libraries hold no picture for item %1.").arg(libraryId));
    const QPoint point = at.collagePoint();
    const ClipartItem clipart = ClipartItem::forLibrary(libraryId, picture.size(), point.x(), point.y(), m_effectTint);
    deselectAll();
    appendCreated(CanvasItem(clipart), HitRegionList::rectangle(clipart.width, clipart.height));
    pushHistory();
    m_brush.brushMode = false;
    return Status::ok();
}

Result<int> CollageProject::addPixelPicture(const QImage& pixels)
{
    if (pixels.isNull())
        return Result<int>::error(QStringLiteral("The picture to place has no pixels."));
    const int storeIndex = m_pixelStore.append(pixels);
    const ClipartItem clipart = ClipartItem::forPixels(storeIndex, pixels.size());
    deselectAll();
    appendCreated(CanvasItem(clipart), HitRegionList::fromAlpha(*m_pixelStore.at(storeIndex)));
    m_brush.brushMode = false;
    return itemCount() - 1;
}

Status CollageProject::attachPixelPicture(int itemIndex, const QImage& pixels)
{
    ClipartItem* clipart = itemIndex >= 0 && itemIndex < itemCount() ? item(itemIndex).asClipart() : nullptr;
    if (!clipart || !clipart->isPixelPicture())
        return Status::error(QStringLiteral("item %1 is no pixel picture.").arg(itemIndex + 1));
    if (pixels.isNull())
        return Status::error(QStringLiteral("the picture has no pixels."));
    clipart->pictureId = m_pixelStore.append(pixels);
    const QImage* stored = m_pixelStore.at(clipart->pictureId);
    const QTransform base = QTransform::fromScale(clipart->baseScale, clipart->baseScale);
    m_regions.replace(clipart->regionIndex, base.map(HitRegionList::fromAlpha(*stored)));
    item(itemIndex).runtime().clear();
    return Status::ok();
}

void CollageProject::forgetPixelPictures()
{
    for (CanvasItem& each : m_items) {
        if (ClipartItem* clipart = each.asClipart(); clipart && clipart->isPixelPicture())
            clipart->pictureId = -1;
    }
}

Status CollageProject::addBrushStamp(const ViewPoint& at)
{
    if (!m_brush.hasBrush())
        return Status::error(QStringLiteral("No brush is chosen."));
    const QSize pictureSize = m_brush.sizes[size_t(m_brush.brushIndex)];
    if (pictureSize.width() <= 0 || pictureSize.height() <= 0)
        return Status::error(QStringLiteral("The chosen brush has no pixels."));
    BrushItem brush;
    brush.brushIndex = m_brush.brushIndex;
    brush.width = pictureSize.width();
    brush.height = pictureSize.height();
    brush.angle = float(m_brush.angle);
    brush.opacity = float(m_brush.opacity / 255.0);
    brush.scale = float(double(m_brush.size) / brush.width);
    brush.baseScale = brush.scale;
    brush.colour = m_brush.colour & 0xFFFFFF;
    brush.selected = 0;
    const double zoom = at.zoom > 0 ? at.zoom : 1.0;
    brush.left = int(std::trunc((at.point.x() + at.scroll.x()) / zoom - brush.width * brush.scale * 0.5));
    brush.top = int(std::trunc((at.point.y() + at.scroll.y()) / zoom - brush.height * brush.scale * 0.5));
    deselectAll();
    appendCreated(CanvasItem(brush), HitRegionList::rectangle(std::trunc(brush.width * brush.scale),
                                                              std::trunc(brush.height * brush.scale)));
    return Status::ok();
}

Status CollageProject::addText()
{
    recordTextEdit();
    TextStyleRecord text{};
    text.font.lfHeight = m_textStyle.font.lfHeight;
    std::memcpy(text.font.lfFaceName, m_textStyle.font.lfFaceName, sizeof(text.font.lfFaceName));
    text.font.lfWidth = 0;
    text.scale = 1.0f;
    text.regionIndex = -1;
    text.creationOrdinal = itemCount() - 1;
    text.style = m_textStyle.style;
    text.transparency = m_textStyle.transparency;
    text.colour1 = m_textStyle.colour1;
    text.colour2 = m_textStyle.colour2;
    std::memcpy(text.textBytes, m_textStyle.textBytes, sizeof(text.textBytes));
    text.textBytes[sizeof(text.textBytes) - 1] = '\0';
    const QSize measured = StyledText::measureText(text.font, text.text());
    text.width = measured.width();
    text.height = measured.height();
    text.left = text.width / 2;
    text.top = text.height / 2;
    deselectAll();
    text.selected = 1;
    appendCreated(CanvasItem(text), HitRegionList::rectangle(text.width, text.height));
    pushHistory();
    m_brush.brushMode = false;
    return Status::ok();
}

int CollageProject::firstSelectedTextIndex() const
{
    for (int i = 0; i < itemCount(); ++i)
        if (m_items[size_t(i)].kind() == ItemKind::Text && m_items[size_t(i)].isSelected())
            return i;
    return -1;
}

bool CollageProject::setText(const QString& text)
{
    m_textStyle.setText(text);
    const int index = firstSelectedTextIndex();
    if (index < 0)
        return false;
    TextStyleRecord& item = *m_items[size_t(index)].asText();
    if (std::memcmp(item.textBytes, m_textStyle.textBytes, sizeof(item.textBytes)) == 0)
        return false;
    std::memcpy(item.textBytes, m_textStyle.textBytes, sizeof(item.textBytes));
    const QSize measured = StyledText::measureText(item.font, item.text());
    item.width = measured.width();
    item.height = measured.height();
    m_regions.replace(item.regionIndex, HitRegionList::rectangle(item.width, item.height));
    m_items[size_t(index)].runtime().clear();
    m_unrecordedTextEdit = true;
    setModified(true);
    return true;
}

bool CollageProject::setTextStyle(const TextStyleRecord& style)
{
    m_textStyle = style;
    const int index = firstSelectedTextIndex();
    if (index < 0)
        return false;
    TextStyleRecord* text = m_items[size_t(index)].asText();
    if (!text)
        return false;
    TextStyleRecord& item = *text;
    const TextStyleRecord before = item;
    std::memcpy(item.font.lfFaceName, style.font.lfFaceName, sizeof(item.font.lfFaceName));
    item.font.lfWidth = 0;
    item.style = style.style;
    item.colour1 = style.colour1;
    item.colour2 = style.colour2;
    item.transparency = style.transparency;
    if (std::memcmp(&before, &item, sizeof(item)) == 0)
        return false;
    m_unrecordedTextEdit = true;
    setModified(true);
    return true;
}

void CollageProject::recordTextEdit()
{
    if (m_unrecordedTextEdit)
        pushHistory();
}

Status CollageProject::noPhotoSelected()
{
    m_brush.brushMode = false;
    return Status::error(kSelectPhotoMessage);
}

Status CollageProject::setFrame(int frameIndex)
{
    const int index = selectedPhotoIndex();
    if (index < 0)
        return noPhotoSelected();
    const std::optional<FrameWindow> window = m_resources ? m_resources->frameWindow(frameIndex) : std::nullopt;
    if (!window || !(window->right > window->left) || !(window->bottom > window->top))
        return Status::error(QStringLiteral("The frame library has no usable frame %1.").arg(frameIndex + 1));
    CanvasItem& item = m_items[size_t(index)];
    PhotoItem& photo = *item.asPhoto();
    photo.frameNumber = frameIndex + 1;
    photo.maskNumber = 0; // the custom-mask flag and key stay, as a saved project carries them
    photo.frameLeft = window->left;
    photo.frameTop = window->top;
    photo.frameRight = window->right;
    photo.frameBottom = window->bottom;
    photo.boxWidth = int(photo.sourceWidth / double(window->right - window->left));
    photo.boxHeight = int(photo.sourceHeight / double(window->bottom - window->top));
    item.runtime().clear();
    m_regions.replace(photo.regionIndex, baseRegionOf(item));
    pushHistory();
    setModified(true);
    m_brush.brushMode = false;
    return Status::ok();
}

Status CollageProject::setMask(int maskIndex)
{
    const int index = selectedPhotoIndex();
    if (index < 0)
        return noPhotoSelected();
    if (maskIndex < 0)
        return Status::error(QStringLiteral("There is no mask %1.").arg(maskIndex + 1));
    std::optional<MaskKeyBytes> key;
    const bool custom = maskIndex + 1 > PhotoItem::kBuiltinMaskCount;
    if (custom) {
        key = m_resources ? m_resources->maskKey(maskIndex) : std::nullopt;
        if (!key)
            return Status::error(QStringLiteral("The mask library has no mask %1.").arg(maskIndex + 1));
    }
    CanvasItem& item = m_items[size_t(index)];
    PhotoItem& photo = *item.asPhoto();
    photo.maskNumber = maskIndex + 1;
    photo.customMask = custom ? 1 : 0;
    if (key)
        std::copy(key->begin(), key->end(), photo.customMaskKey);
    photo.frameNumber = 0;
    item.runtime().clear();
    pushHistory();
    setModified(true);
    m_brush.brushMode = false;
    return Status::ok();
}

Status CollageProject::setCrop(int left, int top, int right, int bottom)
{
    const int index = selectedPhotoIndex();
    if (index < 0)
        return noPhotoSelected();
    if (right <= left || bottom <= top)
        return Status::error(QStringLiteral("The crop rectangle (%1, %2, %3, %4) is empty.")
                                 .arg(left)
                                 .arg(top)
                                 .arg(right)
                                 .arg(bottom));
    CanvasItem& item = m_items[size_t(index)];
    PhotoItem& photo = *item.asPhoto();
    photo.cropLeft = left;
    photo.cropTop = top;
    photo.cropRight = right;
    photo.cropBottom = bottom;
    photo.boxWidth = right - left;
    photo.boxHeight = bottom - top;
    item.runtime().clear();
    m_regions.replace(photo.regionIndex, baseRegionOf(item));
    setModified(true);
    pushHistory();
    return Status::ok();
}

Status CollageProject::setTuning(const ToneSettings& values, bool reset, HistoryStep step)
{
    ToneSettings tone = values;
    tone.enabled = reset ? 0 : 1;
    bool any = false;
    for (CanvasItem& item : m_items) {
        if (!item.isSelected())
            continue;
        if (auto* photo = item.asPhoto()) {
            photo->tone = tone;
            any = true;
        } else if (auto* clipart = item.asClipart()) {
            clipart->tone = tone;
            any = true;
        }
    }
    if (!any) {
        m_brush.brushMode = false;
        return Status::error(kSelectPhotoOrClipartMessage);
    }
    if (step == HistoryStep::Record)
        pushHistory();
    setModified(true);
    return Status::ok();
}

void CollageProject::setEffectTintColour(ColorRef colour)
{
    m_effectTint = colour & 0xFFFFFF;
    for (CanvasItem& item : m_items) {
        auto* clipart = item.asClipart();
        if (!clipart || !item.isSelected() || clipart->isPixelPicture() || !clipart->isDecoration())
            continue;
        clipart->tintColour = m_effectTint;
        item.runtime().clear();
        pushHistory();
        setModified(true);
    }
}

Status CollageProject::applyLibrarySelection(LibraryDrop drop, const std::vector<int>& ids, const ViewPoint& mousePoint)
{
    if (ids.empty())
        return Status::ok();
    const int id = ids.front();
    switch (drop) {
    case LibraryDrop::Frame: return setFrame(id);
    case LibraryDrop::Mask: return setMask(id);
    case LibraryDrop::Clipart:
    case LibraryDrop::Decoration: return addClipart(id, mousePoint);
    }
    return Status::ok();
}

void CollageProject::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    if (m_modifiedListener)
        m_modifiedListener();
}

void CollageProject::replaceDocument(CollageProject&& opened)
{
    m_size = opened.m_size;
    m_backgroundPath = std::move(opened.m_backgroundPath);
    m_backgroundPicture = std::move(opened.m_backgroundPicture);
    m_backgroundColour = opened.m_backgroundColour;
    m_fillMode = opened.m_fillMode;
    m_items = std::move(opened.m_items);
    // The opened pictures join this store, which outlives documents.
    for (CanvasItem& each : m_items) {
        ClipartItem* clipart = each.asClipart();
        if (!clipart || !clipart->isPixelPicture())
            continue;
        const QImage* pixels = opened.m_pixelStore.at(clipart->pictureId);
        clipart->pictureId = pixels ? m_pixelStore.share(*pixels) : -1;
    }
    m_regions = std::move(opened.m_regions);
    startHistoryHere();
    m_scroll = QPoint();
    const bool wasModified = m_modified;
    m_modified = opened.m_modified;
    if (m_modifiedListener && wasModified != m_modified)
        m_modifiedListener();
}

void CollageProject::clear()
{
    m_unrecordedTextEdit = false;
    m_history.clear();
    m_items.clear();
    m_regions.clear();
}

} // namespace montora
