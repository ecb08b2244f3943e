#include "app/project_commands.h"

#include "app/missing_photos.h"
#include "app/recent_projects.h"
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

QString ProjectCommands::damagedMessage(const QString& path, int read, int announced, const QString& reason)
{
    const QString counted = announced > read ? QStringLiteral("%1 of its %2 items").arg(read).arg(announced)
                                             : QStringLiteral("%1 items").arg(read);
    return QStringLiteral("\"%1\" is damaged: only %2 could be read, the rest is lost.\n%3\n"
                          "The file is left as it is; save the collage to keep what was read.")
        .arg(QFileInfo(path).fileName(), counted, reason);
}

QString ProjectCommands::maskNotKeptMessage(const QString& reason)
{
    return QStringLiteral("A custom mask of this collage could not be added to the mask library, so other "
                          "collages will not find it.\n%1\nThis collage still shows the mask and keeps it when saved.")
        .arg(reason);
}

QString ProjectCommands::windowTitle(const QString& currentPath, bool modified)
{
    const QString name = currentPath.isEmpty() ? untitledName() : QFileInfo(currentPath).completeBaseName();
    return QStringLiteral("%1%2 - Montora Studio").arg(name, modified ? QStringLiteral("*") : QString());
}

QString ProjectCommands::saveAsName() const
{
    return m_currentPath.isEmpty() ? proposedName() : QFileInfo(m_currentPath).fileName();
}

QString ProjectCommands::currentFolder() const
{
    return m_currentPath.isEmpty() ? QString() : QFileInfo(m_currentPath).absolutePath();
}

QString ProjectCommands::windowTitle() const { return windowTitle(m_currentPath, m_project.isModified()); }

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
    if (!offerToSave(newProjectQuestion()))
        return Outcome::Unchanged;
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
    m_currentPath.clear();
    return Outcome::ContentsReplaced;
}

ProjectCommands::Outcome ProjectCommands::openProject()
{
    if (!offerToSave(openProjectQuestion()))
        return Outcome::Unchanged;
    const QStringList chosen = m_prompter.openFiles(openFilter(), Prompter::Selection::Single, currentFolder());
    if (chosen.isEmpty())
        return Outcome::Unchanged;
    return openPath(chosen.front());
}

ProjectCommands::Outcome ProjectCommands::openRecent(const QString& path)
{
    if (!offerToSave(openProjectQuestion()))
        return Outcome::Unchanged;
    return openPath(path);
}

ProjectCommands::Outcome ProjectCommands::openPath(const QString& path)
{
    const Opened opened = readFile(path);
    if (!opened.replaced) {
        report(openFailedMessage(opened.status.message()));
        if (m_recent && !QFileInfo::exists(path))
            (void)m_recent->remove(path);
        return Outcome::Unchanged;
    }
    if (!opened.status)
        report(damagedMessage(path, opened.itemsRead, opened.itemsAnnounced, opened.status.message()));
    else
        remember(path);
    if (!opened.masksKept)
        report(maskNotKeptMessage(opened.masksKept.message()));
    return Outcome::ContentsReplaced;
}

ProjectCommands::Outcome ProjectCommands::saveProject()
{
    if (m_currentPath.isEmpty())
        return saveProjectAs();
    const Status written = saveFile(m_currentPath);
    if (!written) {
        report(saveFailedMessage(written.message()));
        return Outcome::Unchanged;
    }
    remember(m_currentPath);
    return Outcome::Saved;
}

ProjectCommands::Outcome ProjectCommands::saveProjectAs()
{
    const QString answer = m_prompter.saveFile(saveFilter(), saveAsName(), currentFolder());
    if (answer.isEmpty())
        return Outcome::Unchanged;
    // The extension is added here, so the question has to be asked here too: the
    // file dialog only saw the name as typed.
    const QString path = withProjectExtension(answer);
    if (QFileInfo::exists(path)
        && m_prompter.message(overwriteQuestion(path), Prompter::Icon::Warning, Prompter::Buttons::YesNo)
               != Prompter::Answer::Yes)
        return Outcome::Unchanged;
    const Status written = saveFile(path);
    if (!written) {
        report(saveFailedMessage(written.message()));
        return Outcome::Unchanged;
    }
    remember(path);
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

bool ProjectCommands::confirmClose()
{
    if (!m_project.isModified())
        return true;
    switch (m_prompter.message(closeQuestion(), Prompter::Icon::Question, Prompter::Buttons::SaveDontSaveCancel)) {
    case Prompter::Answer::Save: return saved(saveProject());
    case Prompter::Answer::DontSave: return true;
    default: return false;
    }
}

ProjectCommands::Outcome ProjectCommands::restoreRecovery(const QString& recoveryPath)
{
    const Opened opened = readFile(recoveryPath);
    if (!opened.replaced) {
        report(openFailedMessage(opened.status.message()));
        return Outcome::Unchanged;
    }
    m_currentPath.clear();
    m_project.setModified(true);
    if (!opened.status)
        report(damagedMessage(recoveryPath, opened.itemsRead, opened.itemsAnnounced, opened.status.message()));
    if (!opened.masksKept)
        report(maskNotKeptMessage(opened.masksKept.message()));
    return Outcome::ContentsReplaced;
}

bool ProjectCommands::offerToRelinkMissingPhotos()
{
    const QStringList missing = MissingPhotos::find(m_project);
    if (missing.isEmpty()
        || m_prompter.message(MissingPhotos::missingMessage(missing), Prompter::Icon::Question,
                              Prompter::Buttons::YesNo)
               != Prompter::Answer::Yes)
        return false;
    const QString folder = m_prompter.chooseFolder(MissingPhotos::chooseFolderTitle());
    if (folder.isEmpty())
        return false;
    const MissingPhotos::Relinked relinked = MissingPhotos::relink(m_project, folder);
    if (relinked.missing > 0)
        m_prompter.message(MissingPhotos::notAllFoundMessage(relinked), Prompter::Icon::Information);
    return relinked.found > 0;
}

Status ProjectCommands::openFile(const QString& path)
{
    const Opened opened = readFile(path);
    if (opened.replaced && opened.status)
        m_currentPath = path;
    return opened.status;
}

ProjectCommands::Opened ProjectCommands::readFile(const QString& path)
{
    LentResources lent(m_project, m_dataFolder);
    const ProjectFileReader::Salvage opened = ProjectFileReader::openIntactItems(m_project, path);
    if (opened.replaced) {
        // A damaged file's items differ from the file: Save must ask for a name.
        if (opened.status)
            m_currentPath = path;
        else
            m_currentPath.clear();
    }
    return opened;
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
    settings.pictureMode = int(project.fillMode());
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
    project.setFillMode(FillMode(settings.pictureMode));
    project.setBackgroundColour(settings.backgroundColour);
    // A path that names no readable picture is kept; the collage shows its colour.
    (void)project.setBackgroundPicture(settings.picturePath);
    return Status::ok();
}

bool ProjectCommands::offerToSave(const QString& question)
{
    if (!m_project.isModified())
        return true;
    switch (m_prompter.message(question, Prompter::Icon::Question, Prompter::Buttons::YesNoCancel)) {
    case Prompter::Answer::Yes: return saved(saveProject());
    case Prompter::Answer::No: return true;
    default: return false;
    }
}

void ProjectCommands::remember(const QString& path)
{
    m_currentPath = path;
    // The list is a convenience: a data folder that cannot take it costs nothing else.
    if (m_recent)
        (void)m_recent->add(path);
}

void ProjectCommands::report(const QString& message)
{
    m_prompter.message(message, Prompter::Icon::Warning);
}

} // namespace montora
