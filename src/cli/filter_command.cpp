// `montora filter NAME IN OUT`: the Edit menu's picture filters on any picture file.
#include "cli/cli_command.h"

#include "imaging/effect_filter.h"
#include "imaging/file_filter.h"
#include "imaging/picture_format.h"
#include "imaging/picture_saver.h"

namespace montora::cli {

namespace {

const char* kFilterUsage =
    "Usage: montora filter [--seed N] NAME IN OUT\n"
    "       montora filter --list\n"
    "Filters IN with the named filter (see --list) and saves OUT by its extension.\n"
    "--seed: the random numbers of noise and jitter (the same seed gives the same picture).";

int list(CliContext& context)
{
    for (const EffectFilter::Entry& entry : EffectFilter::entries())
        context.out << entry.name << "\t" << entry.caption << "\n";
    return kSuccess;
}

int run(CliContext& context)
{
    if (context.args.isEmpty() || wantsHelp(context.args)) {
        (context.args.isEmpty() ? context.err : context.out) << kFilterUsage << "\n";
        return context.args.isEmpty() ? kUsage : kSuccess;
    }
    if (takeFlag(context.args, "--list"))
        return list(context);
    bool missing = false;
    const QString seedText = takeOption(context.args, "--seed", &missing);
    if (missing)
        return usageError(context, "--seed needs a number", kFilterUsage);
    EffectFilter::Options options;
    if (!seedText.isNull()) {
        bool ok = false;
        options.seed = seedText.toULongLong(&ok);
        if (!ok)
            return usageError(context, "--seed takes a whole number", kFilterUsage);
    }
    if (context.args.size() != 3)
        return usageError(context, "filter needs NAME, IN and OUT", kFilterUsage);
    const EffectFilter::Entry* entry = EffectFilter::forName(context.args[0]);
    if (!entry)
        return usageError(context, "no filter is called \"" + context.args[0] + "\" (see montora filter --list)",
                          kFilterUsage);
    const QString& in = context.args[1];
    const QString& out = context.args[2];
    if (!PictureSaver::canSave(out))
        return fail(context, out,
                    "cannot save pictures with this extension (use one of " +
                        PictureSaver::writableExtensions().join(' ') + ")");
    auto source = FileFilter::open(in);
    if (!source)
        return fail(context, in, source.message());
    const Status saved = source->saveFiltered(entry->kind, out, options);
    if (!saved)
        return fail(context, out, saved.message());
    return kSuccess;
}

// Only a metafile is drawn, and drawing needs the fonts.
bool needsGui(const QStringList& args)
{
    return std::any_of(args.begin(), args.end(), [](const QString& arg) { return PictureFormat::isMetafile(arg); });
}

const CliCommandRegistration registration({"filter", "apply one of the picture filters to a picture file", run,
                                           needsGui});

} // namespace

} // namespace montora::cli
