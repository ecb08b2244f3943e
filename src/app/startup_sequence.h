#pragma once

#include "language/language_table.h"
#include "base/status.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace montora {

class StartupLibraryFiles;

// The start-up work on the data folder, in order: the folder prepared; "lang.mfd"
// written from the built-in language resource at every start; the mask pack
// installed when "mask.cfg" is missing; the starter packs not imported yet;
// "lang.mfd" read and deciphered into the
// language table; the photo list loaded.
//
// Every wait for a file is bounded: a data folder that cannot be written is one
// clear failure naming the folder, and the program ends instead of polling forever.
class StartupSequence {
public:
    struct Options {
        QString languageResource = QStringLiteral(":/lang/english.mfd");
        int fileWaitMs = 2000;
        int pollMs = 10;
        int settleMs = 50;
    };

    static const QString kLanguageFile;     // "lang.mfd"
    static const QString kMaskLibrary;      // "mask.cfg"
    static const QString kMaskThumbnails;   // "tbmask.cfg"
    static const QString kPhotoList;        // "srcmedia.cfg"

    explicit StartupSequence(StartupLibraryFiles& library);
    StartupSequence(StartupLibraryFiles& library, Options options);

    // Fails only when the data folder cannot be written; a language file that
    // cannot be deciphered leaves the table empty.
    Status run();

    const LanguageTable& languageTable() const { return m_languageTable; }
    LanguageTable takeLanguageTable() { return std::move(m_languageTable); }
    // The folder of the photo list, remembered for the save at shutdown.
    const QString& photoListFolder() const { return m_photoListFolder; }

private:
    using Writer = std::function<Status()>;
    Status writeAndWait(const QString& folder, const QStringList& names, const Writer& writer);

    StartupLibraryFiles& m_library;
    Options m_options;
    LanguageTable m_languageTable;
    QString m_photoListFolder;
};

} // namespace montora
