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
        Failed,           // see `message`; `imported` records may have been added before it stopped
    };
    Outcome outcome = Outcome::Failed;
    std::optional<ResourceKind> kind;
    int declared = 0; // records the pack says it holds
    int imported = 0; // records added to the libraries
    LibraryRefresh refresh = LibraryRefresh::None;
    QString message;
};

// Imports resource packs into one folder (by default the data folder). The pack's
// file name is recorded in "Res_Info" before the pack is read, so a pack that
// fails half-way still counts as imported. Records are appended whole: a record's
// thumbnail and picture reach their two files together or not at all, and every
// file's count equals the records it holds, also when a pack ends early.
class ResourcePackImporter {
public:
    ResourcePackImporter();
    explicit ResourcePackImporter(const QString& folder);

    PackImportResult import(const QString& packPath) const;

    static LibraryRefresh refreshFor(ResourceKind kind);

private:
    PackImportResult appendRecords(const QString& packPath) const;

    QString m_folder;
};

} // namespace montora
