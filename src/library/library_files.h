#pragma once

#include "library/library_record.h"

#include <QString>

#include <optional>

namespace montora {

// The names of the library files in the data folder and which layout each has.
class LibraryFiles {
public:
    static inline const QString kClipart = QStringLiteral("clipart.cfg");
    static inline const QString kBrushes = QStringLiteral("brushs");
    static inline const QString kMaskThumbnails = QStringLiteral("tbmask.cfg");
    static inline const QString kMasks = QStringLiteral("mask.cfg");
    static inline const QString kCustomMasks = QStringLiteral("cusmask.cfg");
    static inline const QString kFrameThumbnails = QStringLiteral("tbframe.cfg");
    static inline const QString kFrames = QStringLiteral("frame.cfg");
    static inline const QString kDecorationThumbnails = QStringLiteral("decorate_t");
    static inline const QString kDecorations = QStringLiteral("decorate");
    static inline const QString kPhotoList = QStringLiteral("srcmedia.cfg");
    static inline const QString kImportedPacks = QStringLiteral("Res_Info");

    // Item ids of library pictures: id div 1000 selects the file, id mod 1000 the record.
    static constexpr int kIdsPerFile = 1000;
    static constexpr int kStyleCount = 6; // decoration styles 1 to 6

    // Style 0 is the clipart file, styles 1 to 6 the decoration styles
    // ("chrome_p.cfg", "ca_p.cfg", "emboss_p.cfg", "cloth_p.cfg", "glow_p.cfg",
    // "neon_p.cfg"); any other number names no file.
    static std::optional<QString> styleFile(int style);
    static std::optional<QString> fileForItemId(int itemId);
    static int recordForItemId(int itemId) { return itemId % kIdsPerFile; }

    // A folder as the library classes keep it: ending in '/', or empty when there
    // is none (then every file in it fails to open rather than landing elsewhere).
    static QString folderPath(const QString& folder);

    // The layout of a library file known by name (the photo list and the
    // imported-pack list are not library files).
    static std::optional<LibraryLayout> layoutOf(const QString& fileName);
};

} // namespace montora
