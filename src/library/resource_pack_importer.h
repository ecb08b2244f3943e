#pragma once

#include "library/resource_pack.h"

#include <QString>

#include <optional>

namespace montora {

// The library panel that must reload after an import.
enum class LibraryRefresh { None, FramePanel, MaskPanel, ClipartPanel, BrushPanel };

struct PackImportResult {
    enum class Outcome {
        Imported,         // every record was added
        AlreadyInLibrary, // a pack of that file name was imported before: nothing changed
        Failed,           // see `message`; nothing was added and the name is not recorded
    };
    Outcome outcome = Outcome::Failed;
    std::optional<ResourceKind> kind;
    int declared = 0; // records the pack says it holds
    int imported = 0; // records added to the libraries
    LibraryRefresh refresh = LibraryRefresh::None;
    QString message;
};

// Imports resource packs into one folder (by default the data folder). The pack's
// file name is recorded in "Res_Info" before the pack is read and taken out again
// when the import fails, so a pack is imported once but can be tried again after
// a failure (a full disk, a pack cut short). An import adds all of a pack's
// records or none: every file's count equals the records it holds, and a retry
// cannot duplicate records an earlier try left behind.
class ResourcePackImporter {
public:
    ResourcePackImporter();
    explicit ResourcePackImporter(const QString& folder);

    PackImportResult import(const QString& packPath) const;
    // The same, with the records of a clipart or brush pack going into another
    // library of that layout instead (the starter decorations go into the style
    // files, which no pack kind names). Refreshes no panel.
    PackImportResult importInto(const QString& packPath, const QString& thumbnailFile) const;

    static LibraryRefresh refreshFor(ResourceKind kind);

private:
    PackImportResult importAs(const QString& packPath, const QString& thumbnailTarget) const;
    PackImportResult appendRecords(const QString& packPath, const QString& thumbnailTarget) const;

    QString m_folder;
};

} // namespace montora
