#pragma once

#include "app/collage_settings_asker.h"
#include "base/status.h"
#include "tools/canvas_settings.h"

#include <QString>

namespace montora {

class CollageProject;
class Prompter;

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
    static QString openFilter() { return QStringLiteral("collage files (*.mcf)|*.mcf||"); }
    static QString saveFilter() { return QStringLiteral("(*.mcf)|*.mcf||"); }
    static QString proposedName() { return QStringLiteral("untitled"); }
    static QString overwriteQuestion(const QString& path);
    static QString saveFailedMessage(const QString& reason);
    static QString openFailedMessage(const QString& reason);

    // `dataFolder` holds the custom-mask library that masks carried by an opened
    // project join, when the collage has no resources of its own.
    ProjectCommands(CollageProject& project, Prompter& prompter, CollageSettingsAsker& asker, QString dataFolder);

    // After the question about unsaved changes, an empty collage with the
    // settings asked for; the modified flag stays as it was.
    Outcome newProject();
    // After the question about unsaved changes, replaces the collage by a file's.
    // A file that cannot be read is reported and leaves the collage as it was.
    Outcome openProject();
    // Open of a file already chosen (dropped, or handed over by a later start).
    Outcome openProjectAt(const QString& path);
    // Saves under a name asked for; ".mcf" is added to a name without extension
    // and an existing file is replaced only when the user agrees. A failed save is
    // reported, keeps the old file and leaves the collage marked modified.
    Outcome saveProjectAs();
    // Changes size and background of the collage; the items stay.
    Outcome collageSettings();

    // The file side of Open and Save As, without questions or messages.
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
    // Reads the file into a scratch collage: whether opening it would succeed.
    static Status checkFile(const QString& path);
    Status readFile(const QString& path);
    Outcome openChosen(const QString& path);
    void offerToSave(const QString& question);
    void report(const QString& message);

    CollageProject& m_project;
    Prompter& m_prompter;
    CollageSettingsAsker& m_asker;
    QString m_dataFolder;
};

} // namespace montora
