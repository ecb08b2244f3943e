#include "library/resource_pack_importer.h"

#include "library/imported_pack_list.h"
#include "library/library_appender.h"
#include "library/library_files.h"
#include "library/mask_library.h"
#include "library/resource_pack_reader.h"
#include "library/thumbnail_alignment.h"
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

PackImportResult ResourcePackImporter::import(const QString& packPath) const { return importAs(packPath, {}); }

PackImportResult ResourcePackImporter::importInto(const QString& packPath, const QString& thumbnailFile) const
{
    if (LibraryFiles::layoutOf(thumbnailFile) != LibraryLayout::Thumbnail)
        return failed({}, QStringLiteral("\"%1\" is not a picture library.").arg(thumbnailFile));
    return importAs(packPath, thumbnailFile);
}

PackImportResult ResourcePackImporter::importAs(const QString& packPath, const QString& thumbnailTarget) const
{
    PackImportResult result;
    if (!QDir().mkpath(m_folder))
        return failed(result, QStringLiteral("Cannot create the folder \"%1\".").arg(m_folder));
    const QString name = QFileInfo(packPath).fileName();
    const ImportedPackList imported(m_folder + LibraryFiles::kImportedPacks);
    auto check = imported.checkAndRecord(name);
    if (!check)
        return failed(result, check.message());
    if (*check == ImportedPackList::Check::AlreadyInLibrary) {
        result.outcome = PackImportResult::Outcome::AlreadyInLibrary;
        result.message = QStringLiteral("Already in the library.");
        return result;
    }
    result = appendRecords(packPath, thumbnailTarget);
    if (result.outcome == PackImportResult::Outcome::Failed) {
        // Nothing of the pack was kept, so a later try must not be taken for a duplicate.
        if (const Status forgotten = imported.forget(name); !forgotten)
            result.message += ' ' + forgotten.message();
    }
    return result;
}

PackImportResult ResourcePackImporter::appendRecords(const QString& packPath, const QString& thumbnailTarget) const
{
    PackImportResult result;
    ResourcePackReader pack;
    if (const Status opened = pack.open(packPath); !opened)
        return failed(result, opened.message());
    const ResourceKind kind = pack.kind();
    result.kind = kind;
    result.declared = pack.declaredCount();
    const bool redirected = !thumbnailTarget.isEmpty();
    if (redirected && ResourcePack::pictureFile(kind))
        return failed(result, QStringLiteral("A %1 pack keeps its pictures; it cannot go into \"%2\".")
                                  .arg(ResourcePack::kindName(kind), thumbnailTarget));
    if (kind == ResourceKind::Masks) {
        // Imported masks are numbered after the built-in ones.
        if (const Status ready = MaskLibrary(m_folder).ensureBuiltInMasks(); !ready)
            return failed(result, ready.message());
    } else if (const auto file = ResourcePack::pictureFile(kind)) {
        // An import cut short between its two commits left pictures without thumbnails.
        if (const auto aligned = ThumbnailAlignment::repair(m_folder + *file, ResourcePack::pictureLayout(kind),
                                                            m_folder + ResourcePack::thumbnailFile(kind), kind);
            !aligned)
            return failed(result, aligned.message());
    }

    LibraryAppender thumbnails(m_folder + (redirected ? thumbnailTarget : ResourcePack::thumbnailFile(kind)),
                               LibraryLayout::Thumbnail);
    std::unique_ptr<LibraryAppender> pictures;
    if (const auto file = ResourcePack::pictureFile(kind))
        pictures = std::make_unique<LibraryAppender>(m_folder + *file, ResourcePack::pictureLayout(kind));
    if (const Status begun = thumbnails.begin(); !begun)
        return failed(result, begun.message());
    if (pictures)
        if (const Status begun = pictures->begin(); !begun)
            return failed(result, begun.message());

    // All or nothing: a pack cut short or a full disk leaves every library file as it was.
    while (!pack.atEnd()) {
        auto record = pack.next(pictures ? ResourcePackReader::Picture::Keep : ResourcePackReader::Picture::Skip);
        if (!record)
            return failed(result, QStringLiteral("%1 Nothing of its %2 records was added.")
                                      .arg(record.message())
                                      .arg(result.declared));
        if (kind == ResourceKind::Masks)
            record->picture.setKey(MaskKey::create());
        Status added = thumbnails.add(record->thumbnail);
        if (added && pictures)
            added = pictures->add(record->picture);
        if (!added)
            return failed(result, added.message());
    }
    // The picture file first: its count is what the thumbnails' indices point into.
    // A crash between the two leaves pictures without thumbnails, which the next
    // append gives theirs (ThumbnailAlignment).
    Status committed = pictures ? pictures->commit() : Status::ok();
    if (committed)
        committed = thumbnails.commit();
    if (!committed) {
        const Status reverted = pictures ? pictures->revertCommit() : Status::ok();
        return failed(result, reverted ? committed.message()
                                       : committed.message() + u' ' + reverted.message());
    }
    result.imported = pack.recordsRead();
    result.refresh = redirected ? LibraryRefresh::None : refreshFor(kind);
    result.outcome = PackImportResult::Outcome::Imported;
    return result;
}

} // namespace montora
