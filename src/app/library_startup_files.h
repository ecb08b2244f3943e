#pragma once

#include "app/startup_library_files.h"
#include "library/photo_list.h"

namespace montora {

// Start-up and shutdown on the real library files: the built-in mask pack and the
// photo list "srcmedia.cfg", whose entries the main window keeps here.
class LibraryStartupFiles : public StartupLibraryFiles {
public:
    // The starter packs come from `starterPackFolder` (none when empty).
    LibraryStartupFiles();
    explicit LibraryStartupFiles(QString starterPackFolder);

    Status installMaskPack(const QString& folder) override;
    void installStarterPacks(const QString& folder) override;
    void loadPhotoList(const QString& folder) override;
    Status savePhotoList(const QString& folder) override;
    std::vector<PhotoListEntry>* photoEntries() override { return &m_photoList.entries(); }

    PhotoList& photoList() { return m_photoList; }
    const PhotoList& photoList() const { return m_photoList; }
    // How the last load went (a damaged file has been deleted by then).
    const PhotoList::LoadResult& lastLoad() const { return m_lastLoad; }

private:
    QString m_starterPackFolder;
    PhotoList m_photoList;
    PhotoList::LoadResult m_lastLoad;
};

} // namespace montora
