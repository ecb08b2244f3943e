#include "canvas/library_resources.h"

#include "library/library_file.h"
#include "library/library_files.h"
#include "library/library_reader.h"
#include "library/mask_library.h"
#include "library/picture_library_file.h"

namespace montora {

namespace {

MaskKey toMaskKey(const MaskKeyBytes& bytes) { return MaskKey::fromBytes(bytes.data()); }

QImage argb32(const Result<QImage>& picture)
{
    return picture ? picture->convertToFormat(QImage::Format_ARGB32) : QImage();
}

} // namespace

// The readers are made per call so that a data folder chosen later (a command-line
// option) is the one used.
LibraryReader LibraryResources::reader() const { return m_folder.isEmpty() ? LibraryReader() : LibraryReader(m_folder); }
MaskLibrary LibraryResources::masks() const { return m_folder.isEmpty() ? MaskLibrary() : MaskLibrary(m_folder); }

QImage LibraryResources::libraryPicture(int id, ColorRef tint, bool tinted)
{
    return argb32(reader().libraryPicture(id, tinted ? std::optional<std::uint32_t>(tint) : std::nullopt));
}

QImage LibraryResources::brushPicture(int index) { return argb32(reader().brushPicture(index)); }

QImage LibraryResources::framePicture(int index) { return argb32(reader().framePicture(index)); }

std::optional<FrameWindow> LibraryResources::frameWindow(int index)
{
    const auto insets = reader().frameInsets(index);
    if (!insets || !insets->isValid())
        return std::nullopt;
    return FrameWindow{insets->left, insets->top, insets->right, insets->bottom};
}

QImage LibraryResources::maskPicture(int index)
{
    const auto mask = masks().maskPixels(index);
    return mask ? mask->pixels.convertToFormat(QImage::Format_ARGB32) : QImage();
}

std::optional<MaskKeyBytes> LibraryResources::maskKey(int index)
{
    const auto key = masks().maskKey(index);
    if (!key)
        return std::nullopt;
    return key->bytes;
}

// The custom copy is rebuilt only now and then: a mask imported from a pack, or one
// made before the last reset, may be in "mask.cfg" alone. Found there by its key, it
// is still drawn and still carried by a saved project.
Result<LibraryRecord> LibraryResources::maskLibraryRecord(const MaskKeyBytes& key) const
{
    const MaskLibrary library = masks();
    return LibraryFile(library.filePath(LibraryFiles::kMasks), LibraryLayout::PictureWithKey).findByKey(toMaskKey(key));
}

QImage LibraryResources::customMaskPicture(const MaskKeyBytes& key)
{
    if (auto copied = masks().customMaskPixels(toMaskKey(key)))
        return argb32(copied);
    if (const auto record = maskLibraryRecord(key))
        return argb32(PictureLibraryFile::decode(*record, QStringLiteral("custom mask")));
    return m_unkept.picture(key);
}

std::optional<CustomMaskBlock> LibraryResources::customMaskBlock(const MaskKeyBytes& key)
{
    if (const auto mask = masks().customMaskBytes(toMaskKey(key)))
        return CustomMaskBlock{mask->width, mask->height, mask->bytes};
    if (const auto record = maskLibraryRecord(key))
        return CustomMaskBlock{record->width, record->height, record->payload};
    return m_unkept.find(key);
}

Status LibraryResources::addCustomMask(const MaskKeyBytes& key, const CustomMaskBlock& block)
{
    const Status appended = masks().appendToCustomCopy(toMaskKey(key), EncodedMask{block.width, block.height, block.data});
    if (!appended)
        m_unkept.add(key, block);
    return appended;
}

} // namespace montora
