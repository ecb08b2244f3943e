#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

namespace montora {
class CollageProject;
}

namespace montora::cli {

// Exit codes of every subcommand.
enum ExitCode { kSuccess = 0, kFailure = 1, kUsage = 2 };

struct CliContext {
    QStringList args; // the words after the command's name
    QTextStream& out;
    QTextStream& err;
};

// A top-level subcommand of `montora`. Each command file registers its own with
// a static CliCommandRegistration, so adding one touches no other file.
struct CliCommand {
    QString name;
    QString summary; // one line for `montora --help`
    std::function<int(CliContext&)> run;
    // False when these arguments need no fonts, screens or drawing, so a quicker
    // application will do; none given: always needed.
    std::function<bool(const QStringList& args)> needsGui = {};
};

class CliCommandRegistry {
public:
    static std::vector<CliCommand>& commands();
    static const CliCommand* find(const QString& name);
};

struct CliCommandRegistration {
    explicit CliCommandRegistration(CliCommand command) { CliCommandRegistry::commands().push_back(std::move(command)); }
};

// Small helpers shared by the commands.
bool wantsHelp(const QStringList& args);
// Removes "--name VALUE" from args; returns VALUE (null when absent). Sets `missing`
// when the option is present without a value.
QString takeOption(QStringList& args, const QString& name, bool* missing = nullptr);
bool takeFlag(QStringList& args, const QString& name);
// "X,Y" in whole numbers.
bool parsePoint(const QString& text, QPoint* point);
int usageError(CliContext& context, const QString& message, const QString& usage);
// "montora: WHAT: MESSAGE" on stderr; returns kFailure.
int fail(CliContext& context, const QString& what, const QString& message);
// Opens the project (masks it carries serve this run only; the data folder is left
// alone), runs `edit`, and saves the project when `edit` returned kSuccess.
int editProject(CliContext& context, const QString& projectPath, const std::function<int(CollageProject&)>& edit);

} // namespace montora::cli
