#include "cli/cli_command.h"

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

} // namespace montora::cli
