#pragma once

#include "app/collage_autosave.h"
#include "app/project_commands.h"
#include "app/recent_projects.h"

#include <QObject>

#include <functional>

namespace montora {

class CollageCanvas;
class MainFrame;
class Prompter;

// Keeps the user's work safe around the main window's project commands: the
// question before the window closes, plain Save (Ctrl+S), the title with the
// project's name and a mark for unsaved changes, the recent projects of the file
// menu, the recovery copy written while there are unsaved changes and, at start,
// the offer to restore the copy a crash left behind.
class ProjectSession : public QObject {
    Q_OBJECT
public:
    // Runs a project command and redraws what it asks for (the window's panels).
    using CommandRunner = std::function<void(std::function<ProjectCommands::Outcome()>)>;

    static QString keptAsideMessage(const QString& path);

    ProjectSession(MainFrame& frame, CollageCanvas& canvas, ProjectCommands& commands, Prompter& prompter,
                   const QString& dataFolder, CommandRunner runner);
    ~ProjectSession() override;

    RecentProjects& recentProjects() { return m_recent; }
    CollageAutosave& autosave() { return m_autosave; }

    // At start: a recovery file left by a crash is offered. Yes restores it; No
    // moves it aside, says where, and it is not offered again. True when restored.
    bool offerRecovery();
    // After every project command: the title, and the recovery copy follows the
    // collage (gone once saved or replaced by a file).
    void afterCommand(ProjectCommands::Outcome outcome);

private:
    void registerCommands();
    bool confirmClose();
    void refreshTitle();
    void followCanvasChange();

    MainFrame& m_frame;
    CollageCanvas& m_canvas;
    ProjectCommands& m_commands;
    Prompter& m_prompter;
    CommandRunner m_runner;
    RecentProjects m_recent;
    CollageAutosave m_autosave;
    // The history as last seen: a change is one edit for the autosave.
    int m_historySize = 0;
    int m_historyIndex = -1;
};

} // namespace montora
