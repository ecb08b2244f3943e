#pragma once

#include "app/collage_settings_asker.h"
#include "base/status.h"
#include "project/project_file_reader.h"
#include "tools/canvas_settings.h"

#include <QString>

namespace montora {

class CollageProject;
class Prompter;
class RecentProjects;

// The file menu's project commands and the collage-settings command: the
// questions and dialogs around reading, writing and resetting a collage. Each
// command tells the window what it has to redraw.
class ProjectCommands {
public:
    enum class Outcome {
        Unchanged,        // nothing to redraw
        Saved,            // the collage went to a file; nothing to redraw
        ContentsReplaced, // drop cached pictures, reset the scroll, recompose
        SettingsChanged,  // size or background changed: recompose
    };

    static QString newProjectQuestion() { return QStringLiteral("Project has been modified, Do you want to save it?"); }
    static QString openProjectQuestion()
    {
        return QStringLiteral("Current project has been modified, Do you want to save it?");
    }
    static QString closeQuestion() { return QStringLiteral("Save changes to the collage before closing?"); }
    static QString restoreQuestion() { return QStringLiteral("Restore the collage you were working on?"); }
    static QString untitledName() { return QStringLiteral("untitled"); }
    static QString openFilter() { return QStringLiteral("collage files (*.mcf)|*.mcf||"); }
    static QString saveFilter() { return QStringLiteral("(*.mcf)|*.mcf||"); }
    static QString proposedName() { return QStringLiteral("untitled"); }
    static QString overwriteQuestion(const QString& path);
    static QString saveFailedMessage(const QString& reason);
    static QString openFailedMessage(const QString& reason);
    static QString damagedMessage(const QString& path, int read, int announced, const QString& reason);
    static QString maskNotKeptMessage(const QString& reason);
    // "name* - Montora Studio": the file's name (or "untitled") and a mark while
    // there are unsaved changes.
    static QString windowTitle(const QString& currentPath, bool modified);

    // `dataFolder` holds the custom-mask library that masks carried by an opened
    // project join, when the collage has no resources of its own.
    ProjectCommands(CollageProject& project, Prompter& prompter, CollageSettingsAsker& asker, QString dataFolder);

    // The recent-projects list that opened and saved files join; may be null.
    void setRecentProjects(RecentProjects* recent) { m_recent = recent; }
    // The file Save writes to: the one last opened or saved; empty for a new collage.
    const QString& currentPath() const { return m_currentPath; }
    QString windowTitle() const;
    // What Save As proposes: the current file's name, or "untitled".
    QString saveAsName() const;
    // The current file's folder; empty for a new collage.
    QString currentFolder() const;

    // Every question about unsaved changes offers Cancel, and a save that does not
    // happen (its dialog cancelled, or failed) cancels the command too.
    //
    // After the question, an empty collage with the settings asked for; the
    // modified flag stays as it was.
    Outcome newProject();
    // After the question, replaces the collage by a file's (openPath).
    Outcome openProject();
    // After the question, opens a file of the recent-projects list.
    Outcome openRecent(const QString& path);
    // Replaces the collage by a file's, without a question. A file read whole
    // becomes the current file. A damaged one whose first items are intact opens
    // as far as it is: those items are shown, the user is told what was lost, and
    // the collage has no current file and is marked modified, so that nothing
    // overwrites the damaged file but a Save As the user agrees to. Anything else
    // is reported and leaves the collage as it was.
    Outcome openPath(const QString& path);
    // Saves to the current file, or asks for one as Save As does.
    Outcome saveProject();
    // Saves under a name asked for; ".mcf" is added to a name without extension
    // and an existing file is replaced only when the user agrees. A failed save is
    // reported, keeps the old file and leaves the collage marked modified.
    Outcome saveProjectAs();
    // Changes size and background of the collage; the items stay.
    Outcome collageSettings();
    // Closing: "Save", "Don't Save" or "Cancel" for a modified collage. True when
    // the window may close.
    bool confirmClose();
    // The collage a crash left in a recovery file: it has no current file and
    // stays marked modified until it is saved.
    Outcome restoreRecovery(const QString& recoveryPath);
    // Asks to look for missing photos in a folder; true when some were found. The
    // window asks it once an opened collage is on screen.
    bool offerToRelinkMissingPhotos();

    // The file side of Open and Save As, without questions or messages. A damaged
    // file opens as far as it is intact (and the failure is returned), unless not
    // even one item is.
    Status openFile(const QString& path);
    Status saveFile(const QString& path);

    // The name as saved: `name` with ".mcf" when it has no extension.
    static QString withProjectExtension(const QString& name);
    static CanvasSettings settingsOf(const CollageProject& project);
    // The size limits of the dialog and the path field of the project file.
    static Status checkSettings(const CanvasSettings& settings);
    // Size, fill mode, colour and background picture (reloaded); the items stay.
    static Status applySettings(CollageProject& project, const CanvasSettings& settings);

private:
    using Opened = ProjectFileReader::Salvage;
    // Takes over a file whole, or the intact items of a damaged one.
    Opened readFile(const QString& path);
    // False when the command must not go on.
    bool offerToSave(const QString& question);
    bool saved(Outcome outcome) const { return outcome == Outcome::Saved; }
    void remember(const QString& path);
    void report(const QString& message);

    CollageProject& m_project;
    Prompter& m_prompter;
    CollageSettingsAsker& m_asker;
    QString m_dataFolder;
    QString m_currentPath;
    RecentProjects* m_recent = nullptr;
};

} // namespace montora
