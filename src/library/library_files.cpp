#include "library/library_files.h"

#include <QStringList>

namespace montora {

std::optional<QString> LibraryFiles::styleFile(int style)
{
    static const QStringList files = {kClipart,
                                      QStringLiteral("chrome_p.cfg"),
                                      QStringLiteral("ca_p.cfg"),
                                      QStringLiteral("emboss_p.cfg"),
                                      QStringLiteral("cloth_p.cfg"),
                                      QStringLiteral("glow_p.cfg"),
                                      QStringLiteral("neon_p.cfg")};
    if (style < 0 || style >= files.size())
        return std::nullopt;
    return files.at(style);
}

std::optional<QString> LibraryFiles::fileForItemId(int itemId)
{
    if (itemId < 0)
        return std::nullopt;
    return styleFile(itemId / kIdsPerFile);
}

QString LibraryFiles::folderPath(const QString& folder)
{
    return folder.isEmpty() || folder.endsWith('/') ? folder : folder + '/';
}

std::optional<LibraryLayout> LibraryFiles::layoutOf(const QString& fileName)
{
    if (fileName == kMasks || fileName == kCustomMasks)
        return LibraryLayout::PictureWithKey;
    if (fileName == kFrames)
        return LibraryLayout::PictureWithInsets;
    if (fileName == kDecorations)
        return LibraryLayout::Picture;
    if (fileName == kBrushes || fileName == kMaskThumbnails || fileName == kFrameThumbnails ||
        fileName == kDecorationThumbnails)
        return LibraryLayout::Thumbnail;
    for (int style = 0; style <= kStyleCount; ++style)
        if (fileName == *styleFile(style))
            return LibraryLayout::Thumbnail;
    return std::nullopt;
}

} // namespace montora
