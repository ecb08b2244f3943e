#include "project/pixel_picture_block.h"

#include "base/binary_reader.h"
#include "base/binary_writer.h"
#include "canvas/collage_project.h"

#include <QBuffer>

#include <vector>

namespace montora {

namespace {

struct StoredPicture {
    int itemIndex;
    const QImage* pixels;
};

std::vector<StoredPicture> storedPictures(const CollageProject& project)
{
    std::vector<StoredPicture> pictures;
    for (int index = 0; index < project.itemCount(); ++index) {
        const ClipartItem* clipart = project.item(index).asClipart();
        if (!clipart || !clipart->isPixelPicture())
            continue;
        if (const QImage* pixels = project.pixelStore().at(clipart->pictureId))
            pictures.push_back({index, pixels});
    }
    return pictures;
}

Result<QByteArray> encodePng(const QImage& pixels)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!pixels.save(&buffer, "PNG"))
        return Result<QByteArray>::error(QStringLiteral("A pixel picture could not be encoded as PNG."));
    return png;
}

Status readEntry(CollageProject& project, BinaryReader& in, int entry)
{
    const QString where = QStringLiteral("In pixel picture %1:").arg(entry + 1);
    PixelPictureEntryHeader header;
    if (Status status = in.readRecord(header); !status)
        return Status::error(where + u' ' + status.message());
    if (header.pngLength < 0)
        return Status::error(QStringLiteral("%1 it claims %2 bytes.").arg(where).arg(header.pngLength));
    auto png = in.readBytes(header.pngLength);
    if (!png)
        return Status::error(where + u' ' + png.status().message());
    const QImage pixels = QImage::fromData(*png, "PNG");
    if (pixels.isNull() || pixels.width() != header.width || pixels.height() != header.height)
        return Status::error(QStringLiteral("%1 the picture is not a %2 x %3 PNG.")
                                 .arg(where)
                                 .arg(header.width)
                                 .arg(header.height));
    const Status attached = project.attachPixelPicture(header.itemIndex, pixels);
    return attached ? attached : Status::error(where + u' ' + attached.message());
}

} // namespace

Status PixelPictureBlock::write(const CollageProject& project, BinaryWriter& out)
{
    const std::vector<StoredPicture> pictures = storedPictures(project);
    if (pictures.empty())
        return Status::ok();
    PixelPictureBlockHeader block;
    block.count = std::int32_t(pictures.size());
    out.writeRecord(block);
    for (const StoredPicture& picture : pictures) {
        MONTORA_TRY_ASSIGN(png, encodePng(*picture.pixels));
        PixelPictureEntryHeader header;
        header.itemIndex = picture.itemIndex;
        header.width = picture.pixels->width();
        header.height = picture.pixels->height();
        header.pngLength = std::int32_t(png.size());
        out.writeRecord(header);
        out.writeBytes(png);
    }
    return out.status();
}

Status PixelPictureBlock::read(CollageProject& project, BinaryReader& in)
{
    if (in.bytesLeft() < qint64(sizeof(PixelPictureBlockHeader)))
        return Status::ok();
    const qint64 start = in.position();
    PixelPictureBlockHeader block;
    MONTORA_TRY(in.readRecord(block));
    if (block.tag != PixelPictureBlockHeader::kTag)
        return in.seek(start); // not ours: left for whoever wrote it
    if (block.count < 0)
        return Status::error(QStringLiteral("The pixel picture count %1 is negative.").arg(block.count));
    MONTORA_TRY(in.checkFits(block.count, sizeof(PixelPictureEntryHeader), "pixel pictures"));
    for (int entry = 0; entry < block.count; ++entry)
        MONTORA_TRY(readEntry(project, in, entry));
    return Status::ok();
}

} // namespace montora
