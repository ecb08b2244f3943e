#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace montora {

// The content a new data folder starts with: cliparts, frames, brushes and the six
// decoration styles, as resource packs installed with the program. They go in
// through the pack import, so "Res_Info" lists them and a later start, or a user
// importing the same file by hand, adds nothing.
class StarterPacks {
public:
    struct Pack {
        QString fileName;
        // Empty: the library of the pack's kind. Otherwise the picture library the
        // records go to (the decoration styles, which no pack kind names).
        QString library;
    };

    struct Summary {
        int packsImported = 0;
        int recordsImported = 0;
        QStringList failures; // one line per pack that could not be imported
    };

    static const std::vector<Pack>& packs();

    // Where the packs are: "packs" beside the program in a build tree, else
    // "../share/montora-studio/packs" from the program's folder. Empty when
    // neither holds them.
    static QString folder();
    static QString folderFrom(const QString& programFolder);

    // Imports every pack of `packFolder` not yet imported into `dataFolder`. A
    // missing pack is skipped; a pack that fails adds nothing and is tried again
    // at the next start.
    static Summary install(const QString& dataFolder, const QString& packFolder);
};

} // namespace montora
