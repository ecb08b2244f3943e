#include "cli/cli_command.h"
#include "imaging/image_library.h"
#include "platform/data_folder.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <memory>

using namespace montora;
using namespace montora::cli;

namespace {

void printHelp(QTextStream& out)
{
    out << "Usage: montora [--data-dir DIR] COMMAND [ARGS...]\n"
           "       montora --version | --help\n\n"
           "The Montora Studio engine without a window. Commands:\n";
    auto commands = CliCommandRegistry::commands();
    std::sort(commands.begin(), commands.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const CliCommand& command : commands)
        out << "  " << command.name.leftJustified(12) << " " << command.summary << "\n";
    out << "\nOptions:\n"
           "  --data-dir DIR  use DIR as the data folder (default: $MONTORA_DATA_DIR, else Data/ beside the\n"
           "                  program, else Data/ in the user's application-data folder)\n"
           "Run 'montora COMMAND --help' for a command's arguments.\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));

    bool missingValue = false;
    const QString dataDir = takeOption(args, "--data-dir", &missingValue);
    if (missingValue) {
        err << "montora: --data-dir needs a folder\n";
        return kUsage;
    }
    if (!dataDir.isNull())
        DataFolder::setOverride(dataDir);

    if (args.isEmpty()) {
        printHelp(err);
        return kUsage;
    }
    const QString name = args.takeFirst();
    if (name == "--help" || name == "-h" || name == "help") {
        printHelp(out);
        return kSuccess;
    }
    if (name == "--version") {
        out << "montora " << MONTORA_VERSION << "\n";
        return kSuccess;
    }
    const CliCommand* command = CliCommandRegistry::find(name);
    if (!command) {
        err << "montora: unknown command \"" << name << "\"; see 'montora --help'\n";
        return kUsage;
    }
    // Qt takes some options out of argv for itself ("-style" and "--style" among them),
    // so it gets only the program name and every argument stays ours. A command that
    // draws nothing starts without the platform plugin and the fonts.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!command->needsGui || command->needsGui(args))
        app = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
    else
        app = std::make_unique<QCoreApplication>(qtArgc, qtArgv);
    QCoreApplication::setApplicationName(QStringLiteral("Montora Studio"));
    ImageLibrary::initialise(argv[0]);

    CliContext context{args, out, err};
    const int code = command->run(context);
    out.flush();
    err.flush();
    return code;
}
