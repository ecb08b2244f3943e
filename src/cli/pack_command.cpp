// `montora pack build|import`: resource packs (".irs") made from pictures and imported into the data folder.
#include "cli/cli_command.h"

#include "library/resource_pack_builder.h"
#include "library/resource_pack_importer.h"
#include "library/starter_packs.h"
#include "platform/data_folder.h"

#include <QFileInfo>

namespace montora::cli {

namespace {

const char* kPackUsage =
    "Usage: montora pack build --kind frame|mask|clipart|decoration|brush --out PACK.irs [--insets L,T,R,B] PICTURE...\n"
    "       montora pack import PACK.irs\n"
    "       montora pack starter\n"
    "build: one record per picture, stored as PNG with its thumbnail (the picture itself for cliparts and\n"
    "brushes, fitted into 120 x 120 otherwise). Frames take --insets (fractions of the picture's width and\n"
    "height of the opening the photo fills), or else the box of their transparent pixels.\n"
    "import: appends the pack's records to the library files of the data folder, once per pack file name\n"
    "(\"Already in the library.\" and exit 1 when a pack of that name was imported before).\n"
    "starter: imports the starter packs installed with the program that the data folder has not had yet\n"
    "(the window does this at every start).";

std::optional<FrameInsets> parseInsets(const QString& text)
{
    const QStringList parts = text.split(',');
    if (parts.size() != 4)
        return std::nullopt;
    float values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toFloat(&ok);
        if (!ok)
            return std::nullopt;
    }
    FrameInsets insets{values[0], values[1], values[2], values[3]};
    if (!insets.isValid())
        return std::nullopt;
    return insets;
}

int build(CliContext& context)
{
    bool missing = false;
    const QString kindText = takeOption(context.args, "--kind", &missing);
    const QString out = takeOption(context.args, "--out", &missing);
    const QString insetsText = takeOption(context.args, "--insets", &missing);
    if (missing)
        return usageError(context, "an option is missing its value", kPackUsage);
    if (kindText.isNull() || out.isNull())
        return usageError(context, "pack build needs --kind and --out", kPackUsage);
    const auto kind = ResourcePack::kindFromName(kindText);
    if (!kind)
        return usageError(context, "unknown kind \"" + kindText + "\"", kPackUsage);
    std::optional<FrameInsets> insets;
    if (!insetsText.isNull()) {
        if (*kind != ResourceKind::Frames)
            return usageError(context, "--insets is for frames only", kPackUsage);
        insets = parseInsets(insetsText);
        if (!insets)
            return usageError(context, "--insets takes L,T,R,B between 0 and 1, left below right and top below bottom",
                              kPackUsage);
    }
    if (context.args.isEmpty())
        return usageError(context, "pack build needs at least one PICTURE", kPackUsage);
    if (const Status built = ResourcePackBuilder::build(*kind, context.args, insets, out); !built) {
        context.err << "montora: " << built.message() << "\n";
        return kFailure;
    }
    context.out << "wrote " << out << ": " << context.args.size() << " " << kindText << " record(s)\n";
    return kSuccess;
}

QString panelName(LibraryRefresh refresh)
{
    switch (refresh) {
    case LibraryRefresh::FramePanel:
        return "frames";
    case LibraryRefresh::MaskPanel:
        return "masks";
    case LibraryRefresh::ClipartPanel:
        return "cliparts";
    case LibraryRefresh::BrushPanel:
        return "brushes";
    case LibraryRefresh::None:
        break;
    }
    return "none";
}

int import(CliContext& context)
{
    if (context.args.size() != 1)
        return usageError(context, "pack import needs one PACK.irs", kPackUsage);
    // The import dialog only offers files that exist; a name is recorded only for those.
    if (!QFileInfo(context.args.first()).isFile()) {
        context.err << "montora: " << context.args.first() << ": no such file\n";
        return kFailure;
    }
    if (const Status ready = DataFolder::prepare(); !ready) {
        context.err << "montora: " << ready.message() << "\n";
        return kFailure;
    }
    const PackImportResult result = ResourcePackImporter().import(context.args.first());
    if (result.outcome == PackImportResult::Outcome::AlreadyInLibrary) {
        context.err << result.message << "\n";
        return kFailure;
    }
    if (result.kind)
        context.out << "kind\t" << ResourcePack::kindName(*result.kind) << "\nimported\t" << result.imported << " of "
                    << result.declared << "\nrefresh\t" << panelName(result.refresh) << "\n";
    if (result.outcome == PackImportResult::Outcome::Failed) {
        context.out.flush();
        context.err << "montora: " << result.message << "\n";
        return kFailure;
    }
    return kSuccess;
}

int starter(CliContext& context)
{
    if (!context.args.isEmpty())
        return usageError(context, "pack starter takes no arguments", kPackUsage);
    const QString packs = StarterPacks::folder();
    if (packs.isEmpty()) {
        context.err << "montora: the starter packs are not installed beside the program\n";
        return kFailure;
    }
    if (const Status ready = DataFolder::prepare(); !ready) {
        context.err << "montora: " << ready.message() << "\n";
        return kFailure;
    }
    const StarterPacks::Summary summary = StarterPacks::install(DataFolder::path(), packs);
    context.out << "packs\t" << packs << "\nimported\t" << summary.packsImported << " pack(s), "
                << summary.recordsImported << " record(s)\n";
    for (const QString& failure : summary.failures)
        context.err << "montora: " << failure << "\n";
    return summary.failures.isEmpty() ? kSuccess : kFailure;
}

int run(CliContext& context)
{
    if (context.args.isEmpty() || wantsHelp(context.args)) {
        (context.args.isEmpty() ? context.err : context.out) << kPackUsage << "\n";
        return context.args.isEmpty() ? kUsage : kSuccess;
    }
    const QString sub = context.args.takeFirst();
    if (sub == "build")
        return build(context);
    if (sub == "import")
        return import(context);
    if (sub == "starter")
        return starter(context);
    return usageError(context, "unknown pack command \"" + sub + "\"", kPackUsage);
}

const CliCommandRegistration registration({"pack", "build resource packs and import them into the data folder", run});

} // namespace

} // namespace montora::cli
