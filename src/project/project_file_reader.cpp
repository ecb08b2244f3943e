#include "project/project_file_reader.h"

#include "base/binary_reader.h"
#include "base/fixed_text.h"
#include "canvas/collage_project.h"
#include "project/pixel_picture_block.h"
#include "project/project_file_writer.h"

#include <QFile>

namespace montora {

namespace {

// The smallest entry: a kind and the smallest record.
constexpr qint64 kSmallestEntry = 4 + 100;

Status withContext(const Status& status, const QString& context)
{
    return Status::error(context + u' ' + status.message());
}

} // namespace

ProjectFileReader::Salvage ProjectFileReader::readFile(CollageProject& fresh, const QString& path)
{
    Salvage salvage;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        salvage.status = Status::error(QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString()));
        return salvage;
    }
    BinaryReader in(file);
    const Status status = read(fresh, in, &salvage);
    salvage.itemsRead = fresh.itemCount();
    if (!status)
        salvage.status = Status::error(QStringLiteral("\"%1\" is damaged: %2").arg(path, status.message()));
    return salvage;
}

Status ProjectFileReader::open(CollageProject& project, const QString& path)
{
    CollageProject fresh;
    fresh.setResources(project.resources());
    const Salvage salvage = readFile(fresh, path);
    if (!salvage.status)
        return salvage.status;
    fresh.setResources(nullptr);
    fresh.setModified(false);
    project.replaceDocument(std::move(fresh));
    return Status::ok();
}

ProjectFileReader::Salvage ProjectFileReader::openIntactItems(CollageProject& project, const QString& path)
{
    CollageProject fresh;
    fresh.setResources(project.resources());
    Salvage salvage = readFile(fresh, path);
    if (!salvage.status && salvage.itemsRead == 0)
        return salvage;
    fresh.setResources(nullptr);
    fresh.setModified(!salvage.status);
    project.replaceDocument(std::move(fresh));
    salvage.replaced = true;
    return salvage;
}

Status ProjectFileReader::read(CollageProject& project, BinaryReader& in) { return read(project, in, nullptr); }

Status ProjectFileReader::read(CollageProject& project, BinaryReader& in, Salvage* salvage)
{
    const Status items = readItems(project, in, salvage);
    project.forgetPixelPictures();
    const Status status = items ? PixelPictureBlock::read(project, in) : items;
    project.startHistoryHere();
    return status;
}

Status ProjectFileReader::readItems(CollageProject& project, BinaryReader& in)
{
    return readItems(project, in, nullptr);
}

Status ProjectFileReader::readItems(CollageProject& project, BinaryReader& in, Salvage* salvage)
{
    project.clear();

    auto width = in.readI32();
    auto height = in.readI32();
    if (!width || !height)
        return withContext(!width ? width.status() : height.status(), QStringLiteral("In the header:"));
    auto pathField = in.readBytes(ProjectFileWriter::kPathSize);
    auto colour = pathField ? in.readU32() : Result<std::uint32_t>(pathField.status());
    auto mode = colour ? in.readI32() : Result<std::int32_t>(colour.status());
    auto count = mode ? in.readI32() : Result<std::int32_t>(mode.status());
    if (!count)
        return withContext(count.status(), QStringLiteral("In the header:"));
    if (salvage)
        salvage->itemsAnnounced = *count;
    MONTORA_TRY(project.setStoredSize(*width, *height));
    project.setBackgroundColour(*colour);
    project.setFillMode(FillMode(*mode));
    // A background that cannot be loaded leaves the collage without one, as a
    // missing file does.
    (void)project.setBackgroundPicture(FixedText::decode(*pathField));

    if (*count < 0)
        return Status::error(QStringLiteral("The item count %1 is negative.").arg(*count));
    MONTORA_TRY(in.checkFits(*count, kSmallestEntry, "items"));
    project.items().reserve(size_t(*count));
    for (int entry = 0; entry < *count; ++entry)
        MONTORA_TRY(readItem(project, in, entry, salvage));
    return Status::ok();
}

Status ProjectFileReader::readItem(CollageProject& project, BinaryReader& in, int entry, Salvage* salvage)
{
    const QString where = QStringLiteral("In item %1:").arg(entry + 1);
    auto kind = in.readI32();
    if (!kind)
        return withContext(kind.status(), where);
    const std::optional<int> size = recordSizeOf(*kind);
    if (!size)
        return Status::error(QStringLiteral("%1 unknown item kind %2.").arg(where).arg(*kind));
    auto bytes = in.readBytes(*size);
    if (!bytes)
        return withContext(bytes.status(), where);
    auto item = CanvasItem::fromBytes(*kind, *bytes);
    if (!item)
        return withContext(item.status(), where);
    project.appendItem(std::move(*item));

    const PhotoItem* photo = project.items().back().asPhoto();
    if (!photo || photo->customMask == 0)
        return Status::ok();
    auto maskWidth = in.readI32();
    auto maskHeight = maskWidth ? in.readI32() : maskWidth;
    auto length = maskHeight ? in.readI32() : maskHeight;
    if (!length)
        return withContext(length.status(), where + QStringLiteral(" its custom mask:"));
    if (*length < 0)
        return Status::error(QStringLiteral("%1 its custom mask claims %2 bytes.").arg(where).arg(*length));
    auto data = in.readBytes(*length);
    if (!data)
        return withContext(data.status(), where + QStringLiteral(" its custom mask:"));
    if (CanvasResources* resources = project.resources()) {
        MaskKeyBytes key;
        std::copy(std::begin(photo->customMaskKey), std::end(photo->customMaskKey), key.begin());
        const Status added = resources->addCustomMask(key, CustomMaskBlock{*maskWidth, *maskHeight, *data});
        if (!added && salvage && salvage->masksKept)
            salvage->masksKept = added;
    }
    return Status::ok();
}

} // namespace montora
