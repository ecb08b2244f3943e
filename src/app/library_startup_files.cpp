#include "app/library_startup_files.h"

#include "library/mask_pack.h"

namespace montora {

Status LibraryStartupFiles::installMaskPack(const QString& folder) { return MaskPack::installBuiltIn(folder); }

void LibraryStartupFiles::loadPhotoList(const QString& folder) { m_lastLoad = m_photoList.load(folder); }

Status LibraryStartupFiles::savePhotoList(const QString& folder) { return m_photoList.save(folder); }

} // namespace montora
