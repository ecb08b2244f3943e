#include "app/project_commands.h"

#include "canvas/collage_project.h"
#include "canvas/library_resources.h"
#include "platform/prompter.h"
#include "project/project_file_reader.h"
#include "project/project_file_writer.h"
#include "tools/new_collage_form.h"

#include <QFileInfo>

#include <optional>

namespace montora {

namespace {

// Lends a collage without resources the data folder's libraries for one file
// operation, so that the custom masks a project carries are written and kept.
class LentResources {
public:
    LentResources(CollageProject& project, const QString& folder) : m_project(project)
    {
        if (project.resources() || folder.isEmpty())
            return;
        m_library.emplace(folder);
        project.setResources(&*m_library);
    }
    ~LentResources()
    {
        if (m_library)
            m_project.setResources(nullptr);
    }
    LentResources(const LentResources&) = delete;
    LentResources& operator=(const LentResources&) = delete;

private:
    CollageProject& m_project;
    std::optional<LibraryResources> m_library;
};

} // namespace

QString ProjectCommands::overwriteQuestion(const QString& path)
{
    return QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName());
}

QString ProjectCommands::saveFailedMessage(const QString& reason)
{
    return QStringLiteral("The project could not be saved.\n%1").arg(reason);
}

QString ProjectCommands::openFailedMessage(const QString& reason)
{
    return QStringLiteral("The project could not be opened.\n%1").arg(reason);
}

ProjectCommands::ProjectCommands(CollageProject& project, Prompter& prompter, CollageSettingsAsker& asker,
                                 QString dataFolder)
    : m_project(project), m_prompter(prompter), m_asker(asker), m_dataFolder(std::move(dataFolder))
{
}

ProjectCommands::Outcome ProjectCommands::newProject()
{
    offerToSave(newProjectQuestion());
    const std::optional<CanvasSettings> settings = m_asker.ask(CollageSettingsAsker::Form::NewCollage, {});
    if (!settings)
        return Outcome::Unchanged;
    // Checked before emptying, so that refused settings cost the user nothing.
    const Status valid = checkSettings(*settings);
    if (!valid) {
        report(valid.message());
        return Outcome::Unchanged;
    }
    m_project.clear();
    (void)applySettings(m_project, *settings);
    return Outcome::ContentsReplaced;
}

ProjectCommands::Outcome ProjectCommands::openProject()
{
    offerToSave(openProjectQuestion());
    const QStringList chosen = m_prompter.openFiles(openFilter(), Prompter::Selection::Single);
    if (chosen.isEmpty())
        return Outcome::Unchanged;
    return openChosen(chosen.front());
}

ProjectCommands::Outcome ProjectCommands::openProjectAt(const QString& path)
{
    offerToSave(openProjectQuestion());
    return openChosen(path);
}

ProjectCommands::Outcome ProjectCommands::openChosen(const QString& path)
{
    const Status readable = checkFile(path);
    if (!readable) {
        report(openFailedMessage(readable.message()));
        return Outcome::Unchanged;
    }
    // Only a file changed since the trial read fails here, with the collage
    // already emptied.
    const Status opened = readFile(path);
    if (!opened)
        report(openFailedMessage(opened.message()));
    return Outcome::ContentsReplaced;
}

ProjectCommands::Outcome ProjectCommands::saveProjectAs()
{
    const QString answer = m_prompter.saveFile(saveFilter(), proposedName());
    if (answer.isEmpty())
        return Outcome::Unchanged;
    // The extension is added here, so the question has to be asked here too: the
    // file dialog only saw the name as typed.
    const QString path = withProjectExtension(answer);
    if (QFileInfo::exists(path)
        && m_prompter.message(overwriteQuestion(path), Prompter::Icon::Warning, Prompter::Buttons::YesNo)
               != Prompter::Answer::Yes)
        return Outcome::Unchanged;
    const Status saved = saveFile(path);
    if (!saved) {
        report(saveFailedMessage(saved.message()));
        return Outcome::Unchanged;
    }
    return Outcome::Saved;
}

ProjectCommands::Outcome ProjectCommands::collageSettings()
{
    const CanvasSettings before = settingsOf(m_project);
    const std::optional<CanvasSettings> settings = m_asker.ask(CollageSettingsAsker::Form::Setting, before);
    if (!settings)
        return Outcome::Unchanged;
    const Status applied = applySettings(m_project, *settings);
    if (!applied) {
        report(applied.message());
        return Outcome::Unchanged;
    }
    // Size and background are saved with the collage: a change must not be lost
    // silently by the next New or Open.
    if (settingsOf(m_project) != before)
        m_project.setModified(true);
    return Outcome::SettingsChanged;
}

Status ProjectCommands::openFile(const QString& path)
{
    MONTORA_TRY(checkFile(path));
    return readFile(path);
}

Status ProjectCommands::checkFile(const QString& path)
{
    // The reader empties the collage before it knows whether the file is whole,
    // so a file is read once into a scratch collage first. Without resources
    // that read leaves the custom-mask library alone.
    CollageProject trial;
    return ProjectFileReader::open(trial, path);
}

Status ProjectCommands::readFile(const QString& path)
{
    LentResources lent(m_project, m_dataFolder);
    return ProjectFileReader::open(m_project, path);
}

Status ProjectCommands::saveFile(const QString& path)
{
    LentResources lent(m_project, m_dataFolder);
    return ProjectFileWriter::save(m_project, path);
}

QString ProjectCommands::withProjectExtension(const QString& name)
{
    if (name.endsWith(u'.'))
        return name + QStringLiteral("mcf");
    if (QFileInfo(name).suffix().isEmpty())
        return name + QStringLiteral(".mcf");
    return name;
}

CanvasSettings ProjectCommands::settingsOf(const CollageProject& project)
{
    CanvasSettings settings;
    settings.width = project.width();
    settings.height = project.height();
    settings.backgroundColour = project.backgroundColour();
    settings.picturePath = project.backgroundPath();
    settings.pictureMode = project.fillMode();
    return settings;
}

Status ProjectCommands::checkSettings(const CanvasSettings& settings)
{
    const auto inRange = [](int side) { return side >= CanvasSettings::kMinSize && side <= CanvasSettings::kMaxSize; };
    if (!inRange(settings.width) || !inRange(settings.height))
        return Status::error(NewCollageForm::sizePrompt());
    return NewCollageForm::checkPicturePath(settings.picturePath);
}

Status ProjectCommands::applySettings(CollageProject& project, const CanvasSettings& settings)
{
    MONTORA_TRY(checkSettings(settings));
    MONTORA_TRY(project.setSize(settings.width, settings.height));
    project.setFillMode(settings.pictureMode);
    project.setBackgroundColour(settings.backgroundColour);
    // A path that names no readable picture is kept; the collage shows its colour.
    (void)project.setBackgroundPicture(settings.picturePath);
    return Status::ok();
}

void ProjectCommands::offerToSave(const QString& question)
{
    if (!m_project.isModified())
        return;
    // Whatever happens in the save dialog, the command goes on.
    if (m_prompter.message(question, Prompter::Icon::Question, Prompter::Buttons::YesNo) == Prompter::Answer::Yes)
        (void)saveProjectAs();
}

void ProjectCommands::report(const QString& message)
{
    m_prompter.message(message, Prompter::Icon::Warning);
}

} // namespace montora
