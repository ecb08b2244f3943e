#include "library/mask_library.h"

#include "base/atomic_file.h"
#include "base/binary_reader.h"
#include "base/binary_writer.h"
#include "imaging/image_encoder.h"
#include "imaging/memory_picture_decoder.h"
#include "imaging/picture_decoder.h"
#include "library/library_appender.h"
#include "library/library_file_encoder.h"
#include "library/library_files.h"
#include "library/mask_pack.h"
#include "library/picture_library_file.h"
#include "library/thumbnail_alignment.h"
#include "platform/data_folder.h"

#include <QDir>
#include <QFile>

namespace montora {

namespace {

// Copies the records after the built-in ones from an open "mask.cfg".
Status copyCustomRecords(BinaryReader& reader, std::int32_t customCount, QIODevice& out)
{
    BinaryWriter writer(out);
    writer.writeI32(customCount);
    for (std::int32_t i = 0; i < customCount; ++i) {
        MONTORA_TRY_ASSIGN(header, LibraryFile::readHeader(reader, LibraryLayout::PictureWithKey));
        MONTORA_TRY_ASSIGN(payload, reader.readBytes(header.payloadSize));
        LibraryRecord record{header.width, header.height, header.extra, payload};
        writer.writeBytes(LibraryFileEncoder::record(LibraryLayout::PictureWithKey, record));
        MONTORA_TRY(writer.status());
    }
    return Status::ok();
}

} // namespace

MaskLibrary::MaskLibrary() : m_folder(DataFolder::path()) {}

MaskLibrary::MaskLibrary(const QString& folder) : m_folder(LibraryFiles::folderPath(folder)) {}

Result<int> MaskLibrary::count() const
{
    return LibraryFile(filePath(LibraryFiles::kMasks), LibraryLayout::PictureWithKey).count();
}

Result<MaskPicture> MaskLibrary::maskPixels(int index) const
{
    const PictureLibraryFile masks(filePath(LibraryFiles::kMasks), LibraryLayout::PictureWithKey);
    MONTORA_TRY_ASSIGN(record, masks.record(index));
    MONTORA_TRY_ASSIGN(pixels, PictureLibraryFile::decode(record, QStringLiteral("mask %1").arg(index + 1)));
    return MaskPicture{std::move(pixels), record.key()};
}

Result<MaskKey> MaskLibrary::maskKey(int index) const
{
    const LibraryFile masks(filePath(LibraryFiles::kMasks), LibraryLayout::PictureWithKey);
    MONTORA_TRY_ASSIGN(header, masks.header(index));
    return header.key();
}

Result<QImage> MaskLibrary::customMaskPixels(const MaskKey& key) const
{
    const LibraryFile copy(filePath(LibraryFiles::kCustomMasks), LibraryLayout::PictureWithKey);
    MONTORA_TRY_ASSIGN(record, copy.findByKey(key));
    return PictureLibraryFile::decode(record, QStringLiteral("custom mask %1").arg(key.toString()));
}

Result<EncodedMask> MaskLibrary::customMaskBytes(const MaskKey& key) const
{
    const LibraryFile copy(filePath(LibraryFiles::kCustomMasks), LibraryLayout::PictureWithKey);
    MONTORA_TRY_ASSIGN(record, copy.findByKey(key));
    return EncodedMask{record.width, record.height, record.payload};
}

Result<MaskReference> MaskLibrary::maskReference(int index) const
{
    if (index < 0)
        return Result<MaskReference>::error(QStringLiteral("There is no mask %1.").arg(index + 1));
    MaskReference reference;
    reference.number = index + 1;
    if (reference.number > BUILTIN_MASK_COUNT) {
        MONTORA_TRY_ASSIGN(key, maskKey(index));
        reference.custom = true;
        reference.key = key;
    }
    return reference;
}

Status MaskLibrary::reset() const { return MaskPack::installBuiltIn(m_folder); }

Status MaskLibrary::ensureBuiltInMasks() const
{
    MONTORA_TRY(MaskPack::installIfMissing(m_folder));
    MONTORA_TRY(ThumbnailAlignment::repair(filePath(LibraryFiles::kMasks), LibraryLayout::PictureWithKey,
                                           filePath(LibraryFiles::kMaskThumbnails), ResourceKind::Masks));
    return Status::ok();
}

Result<MaskKey> MaskLibrary::addCustomMask(const QString& picturePath) const
{
    MONTORA_TRY_ASSIGN(decoded, PictureDecoder::decode(picturePath));
    return addCustomMask(decoded.image);
}

Result<MaskKey> MaskLibrary::addCustomMask(const QImage& picture) const
{
    if (picture.isNull())
        return Result<MaskKey>::error(QStringLiteral("The mask picture is empty."));
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    ImageEncoder png(QStringLiteral("png"));
    LibraryRecord mask;
    mask.width = argb.width();
    mask.height = argb.height();
    MONTORA_TRY_ASSIGN(payload, png.encode(argb));
    mask.payload = std::move(payload);
    const MaskKey key = MaskKey::create();
    mask.setKey(key);

    if (!QDir().mkpath(m_folder))
        return Result<MaskKey>::error(QStringLiteral("Cannot create the folder \"%1\".").arg(m_folder));
    MONTORA_TRY(ensureBuiltInMasks());
    // "mask.cfg" and "tbmask.cfg" share their indices: both take the record or neither.
    LibraryAppender masks(filePath(LibraryFiles::kMasks), LibraryLayout::PictureWithKey);
    LibraryAppender thumbnails(filePath(LibraryFiles::kMaskThumbnails), LibraryLayout::Thumbnail);
    MONTORA_TRY(masks.begin());
    MONTORA_TRY(thumbnails.begin());
    MONTORA_TRY(masks.add(mask));
    MONTORA_TRY(thumbnails.add(LibraryFileEncoder::thumbnailRecord(argb)));
    MONTORA_TRY(masks.commit());
    if (const Status committed = thumbnails.commit(); !committed) {
        const Status reverted = masks.revertCommit();
        return Result<MaskKey>(reverted ? committed
                                        : Status::error(committed.message() + u' ' + reverted.message()));
    }
    // The copy is only a cache of "mask.cfg": the next rebuild restores it if this fails.
    (void)LibraryFile(filePath(LibraryFiles::kCustomMasks), LibraryLayout::PictureWithKey).append({mask});
    return key;
}

Result<MaskLibrary::CustomCopy> MaskLibrary::rebuildCustomCopy() const
{
    const QString masksPath = filePath(LibraryFiles::kMasks);
    QFile masks(masksPath);
    if (!masks.open(QIODevice::ReadOnly))
        return Result<CustomCopy>::error(QStringLiteral("Cannot open \"%1\": %2").arg(masksPath, masks.errorString()));
    BinaryReader reader(masks);
    // Over the built-in masks to the first custom one.
    const LibraryFile::Walk walked = LibraryFile::walk(
        reader, LibraryLayout::PictureWithKey,
        [](const LibraryRecordHeader& header, int index, std::int32_t, BinaryReader& in) -> Result<bool> {
            MONTORA_TRY(in.skip(header.payloadSize));
            return index + 1 < BUILTIN_MASK_COUNT;
        });
    if (!walked.damage && walked.damageIndex < 0)
        return Result<CustomCopy>::error(
            QStringLiteral("\"%1\" is damaged: %2").arg(masksPath, walked.damage.message()));
    if (walked.count <= BUILTIN_MASK_COUNT)
        return CustomCopy::NoCustomMasks;
    if (!walked.damage)
        return Result<CustomCopy>::error(QStringLiteral("\"%1\" is damaged at record %2: %3")
                                             .arg(masksPath)
                                             .arg(walked.damageIndex)
                                             .arg(walked.damage.message()));
    const std::int32_t customCount = walked.count - BUILTIN_MASK_COUNT;
    const Status written = AtomicFile::write(filePath(LibraryFiles::kCustomMasks), [&](QIODevice& out) {
        return copyCustomRecords(reader, customCount, out);
    });
    if (!written)
        return Result<CustomCopy>::error(
            QStringLiteral("\"%1\" was not rebuilt: %2").arg(LibraryFiles::kCustomMasks, written.message()));
    return CustomCopy::Rebuilt;
}

Result<MaskLibrary::CustomCopy> MaskLibrary::refreshCustomCopy() const
{
    auto rebuilt = rebuildCustomCopy();
    if (rebuilt && *rebuilt == CustomCopy::NoCustomMasks) {
        const QString copy = filePath(LibraryFiles::kCustomMasks);
        if (QFile::exists(copy) && !QFile::remove(copy))
            return Result<CustomCopy>::error(QStringLiteral("Cannot delete \"%1\".").arg(copy));
    }
    return rebuilt;
}

Status MaskLibrary::appendToCustomCopy(const MaskKey& key, const EncodedMask& mask) const
{
    LibraryRecord record;
    record.width = mask.width;
    record.height = mask.height;
    record.payload = mask.bytes;
    record.setKey(key);
    return LibraryFile(filePath(LibraryFiles::kCustomMasks), LibraryLayout::PictureWithKey).append({record});
}

} // namespace montora
