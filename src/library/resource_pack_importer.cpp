#include "library/resource_pack_importer.h"

#include "library/imported_pack_list.h"
#include "library/library_appender.h"
#include "library/library_files.h"
#include "library/mask_library.h"
#include "library/resource_pack_reader.h"
#include "platform/data_folder.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace montora {

namespace {

PackImportResult failed(PackImportResult result, const QString& message)
{
    result.outcome = PackImportResult::Outcome::Failed;
    result.message = message;
    return result;
}

} // namespace

ResourcePackImporter::ResourcePackImporter() : m_folder(DataFolder::path()) {}

ResourcePackImporter::ResourcePackImporter(const QString& folder) : m_folder(LibraryFiles::folderPath(folder)) {}

LibraryRefresh ResourcePackImporter::refreshFor(ResourceKind kind)
{
    switch (kind) {
    case ResourceKind::Frames:
        return LibraryRefresh::FramePanel;
    case ResourceKind::Masks:
        return LibraryRefresh::MaskPanel;
    case ResourceKind::Cliparts:
        return LibraryRefresh::ClipartPanel;
    case ResourceKind::Brushes:
        return LibraryRefresh::BrushPanel;
    case ResourceKind::Decorations:
        return LibraryRefresh::None;
    }
    return LibraryRefresh::None;
}

PackImportResult ResourcePackImporter::import(const QString& packPath) const
{
    PackImportResult result;
    if (!QDir().mkpath(m_folder))
        return failed(result, QStringLiteral("Cannot create the folder \"%1\".").arg(m_folder));
    const QString name = QFileInfo(packPath).fileName();
    auto check = ImportedPackList(m_folder + LibraryFiles::kImportedPacks).checkAndRecord(name);
    if (!check)
        return failed(result, check.message());
    if (*check == ImportedPackList::Check::AlreadyInLibrary) {
        result.outcome = PackImportResult::Outcome::AlreadyInLibrary;
        result.message = QStringLiteral("Already in the library.");
        return result;
    }
    return appendRecords(packPath);
}

PackImportResult ResourcePackImporter::appendRecords(const QString& packPath) const
{
    PackImportResult result;
    ResourcePackReader pack;
    if (const Status opened = pack.open(packPath); !opened)
        return failed(result, opened.message());
    const ResourceKind kind = pack.kind();
    result.kind = kind;
    result.declared = pack.declaredCount();
    if (kind == ResourceKind::Masks) {
        // Imported masks are numbered after the built-in ones.
        if (const Status ready = MaskLibrary(m_folder).ensureBuiltInMasks(); !ready)
            return failed(result, ready.message());
    }

    LibraryAppender thumbnails(m_folder + ResourcePack::thumbnailFile(kind), LibraryLayout::Thumbnail);
    std::unique_ptr<LibraryAppender> pictures;
    if (const auto file = ResourcePack::pictureFile(kind))
        pictures = std::make_unique<LibraryAppender>(m_folder + *file, ResourcePack::pictureLayout(kind));
    if (const Status begun = thumbnails.begin(); !begun)
        return failed(result, begun.message());
    if (pictures)
        if (const Status begun = pictures->begin(); !begun)
            return failed(result, begun.message());

    Status stoppedBy;
    while (!pack.atEnd()) {
        auto record = pack.next(pictures ? ResourcePackReader::Picture::Keep : ResourcePackReader::Picture::Skip);
        if (!record) {
            stoppedBy = record.status(); // keep the whole records read so far
            break;
        }
        if (kind == ResourceKind::Masks)
            record->picture.setKey(MaskKey::create());
        Status added = thumbnails.add(record->thumbnail);
        if (added && pictures)
            added = pictures->add(record->picture);
        if (!added) {
            thumbnails.rollback();
            if (pictures)
                pictures->rollback();
            return failed(result, added.message());
        }
    }
    Status committed = thumbnails.commit();
    if (committed && pictures)
        committed = pictures->commit();
    if (!committed)
        return failed(result, committed.message());
    result.imported = pack.recordsRead();
    const bool changed = result.imported > 0 || stoppedBy.isOk();
    result.refresh = changed ? refreshFor(kind) : LibraryRefresh::None;
    if (!stoppedBy)
        return failed(result, QStringLiteral("%1 Only %2 of its %3 records were added.")
                                  .arg(stoppedBy.message())
                                  .arg(result.imported)
                                  .arg(result.declared));
    result.outcome = PackImportResult::Outcome::Imported;
    return result;
}

} // namespace montora
