#include "library/picture_library_file.h"

#include "imaging/memory_picture_decoder.h"

namespace montora {

PictureLibraryFile::PictureLibraryFile(QString path, LibraryLayout layout) : LibraryFile(std::move(path), layout)
{
    Q_ASSERT(layout != LibraryLayout::Thumbnail);
}

Result<QImage> PictureLibraryFile::picture(int index) const
{
    MONTORA_TRY_ASSIGN(record, this->record(index));
    return decode(record, QStringLiteral("\"%1\" record %2").arg(path()).arg(index));
}

Result<QImage> PictureLibraryFile::decode(const LibraryRecord& record, const QString& nameForErrors)
{
    return MemoryPictureDecoder::decode(record.payload, nameForErrors, QSize(record.width, record.height));
}

} // namespace montora
