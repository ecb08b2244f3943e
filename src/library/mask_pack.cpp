#include "library/mask_pack.h"

#include "library/library_files.h"
#include "platform/resource_extractor.h"

#include <QDir>
#include <QFileInfo>

#include <mutex>

// The pack lives in a static library; naming its initialiser keeps the linker from
// dropping it.
static void initialiseMaskPackResource() { Q_INIT_RESOURCE(mask_pack); }

namespace montora {

namespace {

QString inFolder(const QString& folder, const QString& name) { return QDir(folder).filePath(name); }

} // namespace

Status MaskPack::installBuiltIn(const QString& folder)
{
    static std::once_flag once;
    std::call_once(once, initialiseMaskPackResource);
    if (!QDir().mkpath(folder))
        return Status::error(QStringLiteral("Cannot create the folder \"%1\".").arg(folder));
    MONTORA_TRY(ResourceExtractor::extractToFile(kThumbnailResource, inFolder(folder, LibraryFiles::kMaskThumbnails)));
    return ResourceExtractor::extractToFile(kMaskResource, inFolder(folder, LibraryFiles::kMasks));
}

bool MaskPack::isInstalled(const QString& folder) { return QFileInfo::exists(inFolder(folder, LibraryFiles::kMasks)); }

Result<bool> MaskPack::installIfMissing(const QString& folder)
{
    if (isInstalled(folder))
        return false;
    MONTORA_TRY(installBuiltIn(folder));
    return true;
}

} // namespace montora
