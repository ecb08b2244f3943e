// `montora mask-pack DIR`: the built-in mask pack as the program installs it.
#include "cli/cli_command.h"

#include "library/mask_pack.h"

namespace montora::cli {

namespace {

const char* kMaskPackUsage =
    "Usage: montora mask-pack DIR\n"
    "Writes the built-in \"mask.cfg\" and \"tbmask.cfg\" into DIR (created when missing), replacing both.";

int run(CliContext& context)
{
    if (wantsHelp(context.args)) {
        context.out << kMaskPackUsage << "\n";
        return kSuccess;
    }
    if (context.args.size() != 1)
        return usageError(context, "mask-pack needs one DIR", kMaskPackUsage);
    if (const Status installed = MaskPack::installBuiltIn(context.args.first()); !installed) {
        context.err << "montora: " << installed.message() << "\n";
        return kFailure;
    }
    return kSuccess;
}

const CliCommandRegistration registration({"mask-pack", "write the built-in mask pack into a folder", run});

} // namespace

} // namespace montora::cli
