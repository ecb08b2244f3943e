// `montora library list|extract`: the library files of the data folder, record by record.
#include "cli/cli_command.h"

#include "imaging/picture_saver.h"
#include "imaging/tint_picture.h"
#include "library/library_file.h"
#include "library/library_files.h"
#include "library/picture_library_file.h"
#include "library/thumbnail_library_file.h"
#include "platform/data_folder.h"

#include <QFileInfo>

#include <optional>

namespace montora::cli {

namespace {

const char* kLibraryUsage =
    "Usage: montora library list FILE [--layout thumbnail|picture|mask|frame]\n"
    "       montora library extract FILE INDEX OUT.png [--tint RRGGBB] [--layout ...]\n"
    "FILE is a library file: a bare name (clipart.cfg, mask.cfg, brushs, ...) is taken from the data\n"
    "folder, anything with a '/' as a path. Its layout follows from its name; --layout names it for\n"
    "other files.\n"
    "list: the layout, the count and each record's index, width and height (and length and key or\n"
    "insets for picture layouts); a damaged file reports where the damage starts and exits 1.\n"
    "extract: the record's picture (decoded for picture layouts), tinted with the colour RRGGBB if given.";

QString resolve(const QString& file) { return file.contains('/') ? file : DataFolder::file(file); }

std::optional<LibraryLayout> layoutFromOption(const QString& name)
{
    if (name == "thumbnail")
        return LibraryLayout::Thumbnail;
    if (name == "picture")
        return LibraryLayout::Picture;
    if (name == "mask")
        return LibraryLayout::PictureWithKey;
    if (name == "frame")
        return LibraryLayout::PictureWithInsets;
    return std::nullopt;
}

// Takes --layout from the arguments: `forced` is set when it names a layout.
bool takeLayout(CliContext& context, std::optional<LibraryLayout>& forced, QString& error)
{
    bool missing = false;
    const QString option = takeOption(context.args, "--layout", &missing);
    if (missing) {
        error = "--layout needs a value";
        return false;
    }
    if (option.isNull())
        return true;
    forced = layoutFromOption(option);
    if (!forced)
        error = "unknown layout \"" + option + "\"";
    return forced.has_value();
}

// The layout by --layout, else by the file's name.
std::optional<LibraryLayout> layoutFor(const QString& path, std::optional<LibraryLayout> forced, QString& error)
{
    if (forced)
        return forced;
    auto layout = LibraryFiles::layoutOf(QFileInfo(path).fileName());
    if (!layout)
        error = "\"" + QFileInfo(path).fileName() + "\" is not a library file name; give --layout";
    return layout;
}

QString extraText(LibraryLayout layout, const LibraryRecordHeader& header)
{
    if (layout == LibraryLayout::PictureWithKey)
        return "\t" + header.key().toString();
    if (layout == LibraryLayout::PictureWithInsets) {
        const FrameInsets i = header.insets();
        return QStringLiteral("\t%1,%2,%3,%4").arg(i.left).arg(i.top).arg(i.right).arg(i.bottom);
    }
    return QString();
}

int list(CliContext& context)
{
    QString error;
    std::optional<LibraryLayout> forced;
    if (!takeLayout(context, forced, error))
        return usageError(context, error, kLibraryUsage);
    if (context.args.size() != 1)
        return usageError(context, "library list needs one FILE", kLibraryUsage);
    const QString path = resolve(context.args.first());
    const auto layout = layoutFor(path, forced, error);
    if (!layout)
        return usageError(context, error, kLibraryUsage);
    const LibraryListing listing = LibraryFile(path, *layout).list();
    if (listing.damageOffset < 0 && !listing.damage) {
        context.err << "montora: " << listing.damage.message() << "\n";
        return kFailure;
    }
    context.out << "file\t" << path << "\nlayout\t" << layoutName(*layout) << "\ncount\t" << listing.count << "\n";
    for (std::size_t i = 0; i < listing.headers.size(); ++i) {
        const LibraryRecordHeader& h = listing.headers[i];
        context.out << i << "\t" << h.width << "\t" << h.height;
        if (*layout != LibraryLayout::Thumbnail)
            context.out << "\t" << h.length << extraText(*layout, h);
        context.out << "\n";
    }
    if (!listing.damage) {
        context.out.flush();
        context.err << "montora: " << listing.damage.message() << "\n";
        return kFailure;
    }
    return kSuccess;
}

std::optional<std::uint32_t> parseTint(const QString& text)
{
    bool ok = false;
    const uint rgb = text.toUInt(&ok, 16);
    if (!ok || text.size() != 6)
        return std::nullopt;
    // RRGGBB as written, stored the way records keep colours (0x00BBGGRR).
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

Result<QImage> recordPicture(const QString& path, LibraryLayout layout, int index, std::optional<std::uint32_t> tint)
{
    if (layout == LibraryLayout::Thumbnail)
        return ThumbnailLibraryFile(path).image(index, tint);
    MONTORA_TRY_ASSIGN(picture, PictureLibraryFile(path, layout).picture(index));
    return tint ? TintPicture::applied(picture, *tint) : picture;
}

int extract(CliContext& context)
{
    bool missing = false;
    const QString tintText = takeOption(context.args, "--tint", &missing);
    if (missing)
        return usageError(context, "--tint needs a colour RRGGBB", kLibraryUsage);
    std::optional<std::uint32_t> tint;
    if (!tintText.isNull() && !(tint = parseTint(tintText)))
        return usageError(context, "--tint takes six hexadecimal digits RRGGBB", kLibraryUsage);
    QString error;
    std::optional<LibraryLayout> forced;
    if (!takeLayout(context, forced, error))
        return usageError(context, error, kLibraryUsage);
    if (context.args.size() != 3)
        return usageError(context, "library extract needs FILE INDEX OUT.png", kLibraryUsage);
    const QString path = resolve(context.args.first());
    const auto layout = layoutFor(path, forced, error);
    if (!layout)
        return usageError(context, error, kLibraryUsage);
    bool ok = false;
    const int index = context.args[1].toInt(&ok);
    if (!ok || index < 0)
        return usageError(context, "INDEX must be a number from 0", kLibraryUsage);
    const QString out = context.args[2];
    if (!PictureSaver::canSave(out))
        return usageError(context, "cannot save pictures as \"" + out + "\"", kLibraryUsage);
    auto picture = recordPicture(path, *layout, index, tint);
    if (!picture) {
        context.err << "montora: " << picture.message() << "\n";
        return kFailure;
    }
    if (const Status saved = PictureSaver::saveByExtension(*picture, out); !saved) {
        context.err << "montora: " << out << ": " << saved.message() << "\n";
        return kFailure;
    }
    return kSuccess;
}

int run(CliContext& context)
{
    if (context.args.isEmpty() || wantsHelp(context.args)) {
        (context.args.isEmpty() ? context.err : context.out) << kLibraryUsage << "\n";
        return context.args.isEmpty() ? kUsage : kSuccess;
    }
    const QString sub = context.args.takeFirst();
    if (sub == "list")
        return list(context);
    if (sub == "extract")
        return extract(context);
    return usageError(context, "unknown library command \"" + sub + "\"", kLibraryUsage);
}

const CliCommandRegistration registration({"library", "list and extract the records of library files", run});

} // namespace

} // namespace montora::cli
