#pragma once

#include "base/status.h"
#include "library/frame_insets.h"
#include "library/library_file.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>

namespace montora {

// Reads library pictures from one folder (by default the data folder). Each call
// opens, walks and closes its file; nothing is kept open.
class LibraryReader {
public:
    LibraryReader();
    explicit LibraryReader(const QString& folder);

    const QString& folder() const { return m_folder; }
    QString filePath(const QString& fileName) const { return m_folder.isEmpty() ? QString() : m_folder + fileName; }

    // Record `index` of a thumbnail-layout file as ARGB32, optionally tinted with a
    // colour 0x00BBGGRR.
    Result<QImage> thumbnail(const QString& fileName, int index,
                             std::optional<std::uint32_t> tint = std::nullopt) const;
    // The clipart (ids below 1000) or decoration picture of an item id: file
    // id div 1000, record id mod 1000. Ids of 7000 and more name no file.
    Result<QImage> libraryPicture(int itemId, std::optional<std::uint32_t> tint = std::nullopt) const;
    Result<QImage> brushPicture(int index) const;
    // Frame `index` decoded at its natural size.
    Result<QImage> framePicture(int index) const;
    Result<FrameInsets> frameInsets(int index) const;

    // Every complete record of a thumbnail-layout file, for a panel; a damaged
    // file gives the records before the damage and says where it is.
    LibraryContents thumbnails(const QString& fileName) const;

private:
    QString m_folder;
};

} // namespace montora
