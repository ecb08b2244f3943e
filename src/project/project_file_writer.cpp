#include "project/project_file_writer.h"

#include "base/atomic_file.h"
#include "base/binary_writer.h"
#include "base/fixed_text.h"
#include "canvas/collage_project.h"
#include "project/pixel_picture_block.h"

#include <algorithm>

namespace montora {

namespace {

std::optional<CustomMaskBlock> customMaskOf(const CollageProject& project, const PhotoItem& photo)
{
    if (!project.resources())
        return std::nullopt;
    MaskKeyBytes key;
    std::copy(std::begin(photo.customMaskKey), std::end(photo.customMaskKey), key.begin());
    return project.resources()->customMaskBlock(key);
}

} // namespace

Result<QByteArray> ProjectFileWriter::encode(const CollageProject& project)
{
    auto pathField = FixedText::encode(project.backgroundPath(), kPathSize, FixedText::Overflow::Refuse);
    if (!pathField)
        return Result<QByteArray>::error(
            QStringLiteral("The background picture path is too long for a project file: %1").arg(pathField.message()));

    QByteArray bytes;
    BinaryWriter out(bytes);
    out.writeI32(project.width());
    out.writeI32(project.height());
    out.writeBytes(*pathField);
    out.writeU32(project.backgroundColour());
    out.writeI32(std::int32_t(project.fillMode()));
    out.writeI32(project.itemCount());

    for (const CanvasItem& item : project.items()) {
        out.writeI32(std::int32_t(item.kind()));
        const PhotoItem* photo = item.asPhoto();
        if (!photo || photo->customMask == 0) {
            out.writeBytes(item.recordBytes());
            continue;
        }
        const std::optional<CustomMaskBlock> block = customMaskOf(project, *photo);
        if (!block) {
            // Without its mask the flag would promise a block that is not there.
            CanvasItem copy = item;
            copy.asPhoto()->customMask = 0;
            copy.asPhoto()->maskNumber = 0;
            out.writeBytes(copy.recordBytes());
            continue;
        }
        out.writeBytes(item.recordBytes());
        out.writeI32(block->width);
        out.writeI32(block->height);
        out.writeI32(std::int32_t(block->data.size()));
        out.writeBytes(block->data);
    }
    MONTORA_TRY(PixelPictureBlock::write(project, out));
    MONTORA_TRY(out.status());
    return bytes;
}

Status ProjectFileWriter::save(CollageProject& project, const QString& path)
{
    MONTORA_TRY_ASSIGN(bytes, encode(project));
    MONTORA_TRY(AtomicFile::write(path, bytes));
    project.setModified(false);
    return Status::ok();
}

} // namespace montora
