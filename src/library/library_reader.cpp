#include "library/library_reader.h"

#include "library/library_files.h"
#include "library/picture_library_file.h"
#include "library/thumbnail_library_file.h"
#include "platform/data_folder.h"

namespace montora {

LibraryReader::LibraryReader() : m_folder(DataFolder::path()) {}

LibraryReader::LibraryReader(const QString& folder) : m_folder(LibraryFiles::folderPath(folder)) {}

Result<QImage> LibraryReader::thumbnail(const QString& fileName, int index, std::optional<std::uint32_t> tint) const
{
    return ThumbnailLibraryFile(filePath(fileName)).image(index, tint);
}

Result<QImage> LibraryReader::libraryPicture(int itemId, std::optional<std::uint32_t> tint) const
{
    const auto file = LibraryFiles::fileForItemId(itemId);
    if (!file)
        return Result<QImage>::error(QStringLiteral("Item id %1 names no library file.").arg(itemId));
    return thumbnail(*file, LibraryFiles::recordForItemId(itemId), tint);
}

Result<QImage> LibraryReader::brushPicture(int index) const { return thumbnail(LibraryFiles::kBrushes, index); }

Result<QImage> LibraryReader::framePicture(int index) const
{
    return PictureLibraryFile(filePath(LibraryFiles::kFrames), LibraryLayout::PictureWithInsets).picture(index);
}

Result<FrameInsets> LibraryReader::frameInsets(int index) const
{
    const LibraryFile frames(filePath(LibraryFiles::kFrames), LibraryLayout::PictureWithInsets);
    MONTORA_TRY_ASSIGN(header, frames.header(index));
    const FrameInsets insets = header.insets();
    const Status valid = insets.check();
    if (!valid)
        return Result<FrameInsets>::error(
            QStringLiteral("\"%1\" record %2: %3").arg(frames.path()).arg(index).arg(valid.message()));
    return insets;
}

LibraryContents LibraryReader::thumbnails(const QString& fileName) const
{
    return ThumbnailLibraryFile(filePath(fileName)).readAll();
}

} // namespace montora
