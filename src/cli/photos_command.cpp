// `montora photos list|add`: the photo library of the data folder ("srcmedia.cfg")
// without a window: what it holds, and pictures added by the same rules as an
// import in the main window.
#include "cli/cli_command.h"

#include "app/imported_photo.h"
#include "library/photo_list.h"
#include "platform/data_folder.h"

#include <QFileInfo>

namespace montora::cli {

namespace {

const char* kPhotosUsage =
    "Usage: montora photos list\n"
    "       montora photos add PICTURE...\n"
    "list: each entry's index, picture width and height, and full path. A damaged list is named on\n"
    "stderr (exit 1) with the complete entries it still holds; it is kept as \"srcmedia.cfg.damaged\".\n"
    "add: appends the pictures as an import does (a path already listed is skipped, pictures of\n"
    "5 x 5 pixels or less and unreadable files are refused and named) and saves the list.";

// False only when the list could not be read at all; a damaged list is named on
// stderr and its complete entries are used.
bool loadList(PhotoList& list, CliContext& context, PhotoList::LoadState* state = nullptr)
{
    const PhotoList::LoadResult loaded = list.load(DataFolder::path());
    if (state)
        *state = loaded.state;
    if (loaded.state == PhotoList::LoadState::Loaded || loaded.state == PhotoList::LoadState::Missing)
        return true;
    context.err << "montora: " << loaded.message << "\n";
    return loaded.state == PhotoList::LoadState::Damaged;
}

int listPhotos(CliContext& context)
{
    PhotoList list;
    PhotoList::LoadState state;
    if (!loadList(list, context, &state))
        return kFailure;
    for (const PhotoListEntry& entry : list.entries()) {
        const int width = entry.record.width;
        const int height = entry.record.height;
        context.out << entry.record.position << "\t" << width << "\t" << height << "\t" << entry.record.path()
                    << "\n";
    }
    return state == PhotoList::LoadState::Damaged ? kFailure : kSuccess;
}

int addPhotos(CliContext& context)
{
    if (context.args.isEmpty())
        return usageError(context, "photos add needs at least one PICTURE", kPhotosUsage);
    PhotoList list;
    if (!loadList(list, context))
        return kFailure;
    int refused = 0;
    QStringList added;
    for (const QString& name : context.args) {
        const QString path = QFileInfo(name).absoluteFilePath();
        if (ImportedPhoto::isAlreadyIn(list.entries(), path)) {
            context.out << "already listed\t" << path << "\n";
            continue;
        }
        Result<PhotoListEntry> entry = ImportedPhoto::prepare(path);
        if (!entry) {
            context.err << "montora: " << path << ": " << entry.status().message() << "\n";
            ++refused;
            continue;
        }
        entry->record.position = int(list.entries().size());
        list.entries().push_back(std::move(entry).value());
        added.append(path);
    }
    if (const Status saved = list.save(DataFolder::path()); !saved) {
        context.err << "montora: " << saved.message() << "; no photo was added.\n";
        return kFailure;
    }
    for (const QString& path : added) // only now are they in the library
        context.out << "added\t" << path << "\n";
    return refused == 0 ? kSuccess : kFailure;
}

int runPhotos(CliContext& context)
{
    if (wantsHelp(context.args) || context.args.isEmpty())
        return context.args.isEmpty() ? usageError(context, "photos needs list or add", kPhotosUsage)
                                      : (context.out << kPhotosUsage << "\n", kSuccess);
    const QString action = context.args.takeFirst();
    if (action == "list")
        return listPhotos(context);
    if (action == "add")
        return addPhotos(context);
    return usageError(context, "unknown photos action \"" + action + "\"", kPhotosUsage);
}

const CliCommandRegistration kPhotos({"photos", "list or add to the photo library of the data folder", runPhotos});

} // namespace

} // namespace montora::cli
