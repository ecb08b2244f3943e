#include "app/ui/project_session.h"

#include "app/ui/main_frame.h"
#include "canvas/ui/collage_canvas.h"
#include "platform/prompter.h"

#include <QDir>
#include <QKeySequence>
#include <QShortcut>

namespace montora {

QString ProjectSession::keptAsideMessage(const QString& path)
{
    return QStringLiteral("The collage was not restored. It is kept in\n%1\nand can be opened from there.")
        .arg(QDir::toNativeSeparators(path));
}

ProjectSession::ProjectSession(MainFrame& frame, CollageCanvas& canvas, ProjectCommands& commands,
                               Prompter& prompter, const QString& dataFolder, CommandRunner runner)
    : QObject(&frame), m_frame(frame), m_canvas(canvas), m_commands(commands), m_prompter(prompter),
      m_runner(std::move(runner)), m_recent(dataFolder),
      m_autosave(canvas.project(), RecoveryFile(dataFolder), CollageAutosave::intervalFromEnvironment())
{
    m_recent.load();
    m_commands.setRecentProjects(&m_recent);
    m_frame.setRecentProjectsSource([this] { return m_recent.paths(); });
    m_frame.setCloseGuard([this] { return confirmClose(); });
    m_canvas.project().setModifiedListener([this] { refreshTitle(); });
    connect(&m_canvas, &CollageCanvas::canvasChanged, this, &ProjectSession::followCanvasChange);
    auto* save = new QShortcut(QKeySequence::Save, &m_frame);
    save->setContext(Qt::WindowShortcut);
    connect(save, &QShortcut::activated, this, [this] { m_frame.runCommand(CommandId::SaveProject); });
    registerCommands();
    refreshTitle();
}

// The window deletes its children after its own members, the canvas and the panels
// before this: nothing of theirs may be touched here.
ProjectSession::~ProjectSession() = default;

void ProjectSession::registerCommands()
{
    for (int id = int(CommandId::RecentProjectFirst); id <= int(CommandId::RecentProjectLast); ++id) {
        const int index = id - int(CommandId::RecentProjectFirst);
        m_frame.setHandler(CommandId(id), [this, index] {
            if (index >= m_recent.paths().size())
                return;
            const QString path = m_recent.paths()[index];
            m_runner([this, path] { return m_commands.openRecent(path); });
        });
    }
}

bool ProjectSession::confirmClose()
{
    if (!m_commands.confirmClose())
        return false;
    // Saved, or the changes given up: nothing is left to recover.
    m_autosave.discard();
    return true;
}

bool ProjectSession::offerRecovery()
{
    const RecoveryFile& file = m_autosave.file();
    if (!file.exists())
        return false;
    if (m_prompter.message(ProjectCommands::restoreQuestion(), Prompter::Icon::Question, Prompter::Buttons::YesNo)
        == Prompter::Answer::Yes) {
        bool restored = false;
        m_runner([this, &file, &restored] {
            const ProjectCommands::Outcome outcome = m_commands.restoreRecovery(file.path());
            restored = outcome == ProjectCommands::Outcome::ContentsReplaced;
            return outcome;
        });
        if (restored)
            return true;
    }
    const Result<QString> aside = file.setAside();
    m_prompter.message(aside ? keptAsideMessage(*aside) : aside.message(),
                       aside ? Prompter::Icon::Information : Prompter::Icon::Warning);
    return false;
}

void ProjectSession::afterCommand(ProjectCommands::Outcome outcome)
{
    switch (outcome) {
    case ProjectCommands::Outcome::Saved: m_autosave.discard(); break;
    case ProjectCommands::Outcome::ContentsReplaced:
        if (m_canvas.project().isModified())
            m_autosave.writeNow(); // a restored or partly read collage: its copy replaces the old one
        else
            m_autosave.discard();
        break;
    case ProjectCommands::Outcome::Unchanged:
    case ProjectCommands::Outcome::SettingsChanged: break;
    }
    m_historySize = m_canvas.project().history().size();
    m_historyIndex = m_canvas.project().history().currentIndex();
    refreshTitle();
}

void ProjectSession::refreshTitle() { m_frame.setTitle(m_commands.windowTitle()); }

void ProjectSession::followCanvasChange()
{
    const EditHistory& history = m_canvas.project().history();
    if (history.size() == m_historySize && history.currentIndex() == m_historyIndex)
        return;
    m_historySize = history.size();
    m_historyIndex = history.currentIndex();
    m_autosave.noteEdit();
}

} // namespace montora
