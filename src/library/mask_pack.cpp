#include "library/mask_pack.h"

#include "base/atomic_file.h"
#include "library/library_files.h"
#include "platform/resource_extractor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

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
    // The two files hold the same masks in the same order. The old thumbnails keep
    // a second name (which takes no room on the disk) until the masks are in, so
    // that a reset that fails half-way puts them back.
    const QString thumbnails = inFolder(folder, LibraryFiles::kMaskThumbnails);
    const QString oldThumbnails = thumbnails + QLatin1String(AtomicFile::kTemporarySuffix) + QStringLiteral("old");
    QFile::remove(oldThumbnails);
    const bool hadThumbnails = QFileInfo::exists(thumbnails);
    const bool kept = hadThumbnails
                      && ::link(QFile::encodeName(thumbnails).constData(), QFile::encodeName(oldThumbnails).constData()) == 0;
    Status installed = ResourceExtractor::extractToFile(kThumbnailResource, thumbnails);
    if (installed)
        installed = ResourceExtractor::extractToFile(kMaskResource, inFolder(folder, LibraryFiles::kMasks));
    if (!installed && kept)
        ::rename(QFile::encodeName(oldThumbnails).constData(), QFile::encodeName(thumbnails).constData());
    else if (!installed && !hadThumbnails)
        QFile::remove(thumbnails);
    QFile::remove(oldThumbnails);
    return installed;
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
