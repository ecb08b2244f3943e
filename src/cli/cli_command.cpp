#include "cli/cli_command.h"

#include "canvas/carried_mask_resources.h"
#include "canvas/collage_project.h"
#include "canvas/library_resources.h"
#include "project/project_file_reader.h"
#include "project/project_file_writer.h"

namespace montora::cli {

std::vector<CliCommand>& CliCommandRegistry::commands()
{
    static std::vector<CliCommand> list;
    return list;
}

const CliCommand* CliCommandRegistry::find(const QString& name)
{
    for (const CliCommand& command : commands())
        if (command.name == name)
            return &command;
    return nullptr;
}

bool wantsHelp(const QStringList& args) { return args.contains("--help") || args.contains("-h"); }

QString takeOption(QStringList& args, const QString& name, bool* missing)
{
    const int index = args.indexOf(name);
    if (index < 0)
        return QString();
    if (index + 1 >= args.size()) {
        if (missing)
            *missing = true;
        args.removeAt(index);
        return QString();
    }
    const QString value = args.at(index + 1);
    args.remove(index, 2);
    return value.isNull() ? QString("") : value;
}

bool takeFlag(QStringList& args, const QString& name) { return args.removeAll(name) > 0; }

bool parsePoint(const QString& text, QPoint* point)
{
    const QStringList parts = text.split(',');
    if (parts.size() != 2)
        return false;
    bool okX = false;
    bool okY = false;
    point->setX(parts[0].toInt(&okX));
    point->setY(parts[1].toInt(&okY));
    return okX && okY;
}

int usageError(CliContext& context, const QString& message, const QString& usage)
{
    context.err << "montora: " << message << "\n" << usage << "\n";
    context.err.flush();
    return kUsage;
}

int fail(CliContext& context, const QString& what, const QString& message)
{
    context.err << "montora: " << what << ": " << message << "\n";
    return kFailure;
}

int editProject(CliContext& context, const QString& projectPath, const std::function<int(CollageProject&)>& edit)
{
    LibraryResources library;
    CarriedMaskResources resources(library);
    CollageProject project;
    project.setResources(&resources);
    const Status opened = ProjectFileReader::open(project, projectPath);
    if (!opened)
        return fail(context, projectPath, opened.message());
    if (const int edited = edit(project); edited != kSuccess)
        return edited;
    const Status saved = ProjectFileWriter::save(project, projectPath);
    return saved ? kSuccess : fail(context, projectPath, saved.message());
}

} // namespace montora::cli
