#include "library/starter_packs.h"

#include "library/library_files.h"
#include "library/resource_pack_importer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace montora {

const std::vector<StarterPacks::Pack>& StarterPacks::packs()
{
    static const std::vector<Pack> list = [] {
        std::vector<Pack> packs{{QStringLiteral("montora-starter-cliparts.irs"), {}},
                                {QStringLiteral("montora-starter-frames.irs"), {}},
                                {QStringLiteral("montora-starter-brushes.irs"), {}}};
        static const char* const styles[] = {"chrome", "ca", "emboss", "cloth", "glow", "neon"};
        for (int style = 1; style <= LibraryFiles::kStyleCount; ++style)
            packs.push_back({QStringLiteral("montora-starter-%1.irs").arg(QLatin1String(styles[style - 1])),
                             *LibraryFiles::styleFile(style)});
        return packs;
    }();
    return list;
}

QString StarterPacks::folderFrom(const QString& programFolder)
{
    if (programFolder.isEmpty())
        return {};
    const QDir program(programFolder);
    for (const QString& candidate : {program.filePath(QStringLiteral("packs")),
                                     program.filePath(QStringLiteral("../share/montora-studio/packs"))}) {
        if (QFileInfo::exists(candidate + '/' + packs().front().fileName))
            return QDir::cleanPath(candidate);
    }
    return {};
}

QString StarterPacks::folder()
{
    // Without an application there is no program folder, and the working folder is no substitute.
    return QCoreApplication::instance() ? folderFrom(QCoreApplication::applicationDirPath()) : QString();
}

StarterPacks::Summary StarterPacks::install(const QString& dataFolder, const QString& packFolder)
{
    Summary summary;
    if (packFolder.isEmpty())
        return summary;
    const ResourcePackImporter importer(dataFolder);
    for (const Pack& pack : packs()) {
        const QString path = QDir(packFolder).filePath(pack.fileName);
        if (!QFileInfo(path).isFile())
            continue;
        const PackImportResult result =
            pack.library.isEmpty() ? importer.import(path) : importer.importInto(path, pack.library);
        switch (result.outcome) {
        case PackImportResult::Outcome::Imported:
            ++summary.packsImported;
            summary.recordsImported += result.imported;
            break;
        case PackImportResult::Outcome::AlreadyInLibrary: break;
        case PackImportResult::Outcome::Failed: summary.failures << pack.fileName + ": " + result.message; break;
        }
    }
    return summary;
}

} // namespace montora
