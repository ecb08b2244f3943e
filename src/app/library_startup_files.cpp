#include "app/library_startup_files.h"

#include "library/mask_pack.h"
#include "library/starter_packs.h"

#include <QDebug>

namespace montora {

LibraryStartupFiles::LibraryStartupFiles() : LibraryStartupFiles(StarterPacks::folder()) {}

LibraryStartupFiles::LibraryStartupFiles(QString starterPackFolder) : m_starterPackFolder(std::move(starterPackFolder)) {}

Status LibraryStartupFiles::installMaskPack(const QString& folder) { return MaskPack::installBuiltIn(folder); }

void LibraryStartupFiles::installStarterPacks(const QString& folder)
{
    // Not fatal: the program works with empty libraries, and the next start tries again.
    for (const QString& failure : StarterPacks::install(folder, m_starterPackFolder).failures)
        qWarning().noquote() << "montora-studio: starter content:" << failure;
}

void LibraryStartupFiles::loadPhotoList(const QString& folder) { m_lastLoad = m_photoList.load(folder); }

Status LibraryStartupFiles::savePhotoList(const QString& folder) { return m_photoList.save(folder); }

} // namespace montora
