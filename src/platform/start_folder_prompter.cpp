#include "platform/start_folder_prompter.h"

#include "base/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace montora {

namespace {

// The longest folder the memory file is trusted with; anything longer is not a folder name.
constexpr qint64 kLongestFolder = 4096 * 4;

bool isFolder(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

} // namespace

void StartFolderPrompter::setMemoryFile(const QString& path)
{
    m_memoryFile = path;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > kLongestFolder)
        return;
    const QString folder = QString::fromUtf8(file.readAll()).trimmed();
    if (isFolder(folder))
        m_lastFolder = folder;
}

QString StartFolderPrompter::startFolder() const
{
    const QString project = m_projectPath ? m_projectPath() : QString();
    if (!project.isEmpty()) {
        const QString folder = QFileInfo(project).absolutePath();
        if (isFolder(folder))
            return folder;
    }
    return isFolder(m_lastFolder) ? m_lastFolder : QString();
}

QString StartFolderPrompter::chosenStart(const QString& asked) const
{
    return asked.isEmpty() ? startFolder() : asked;
}

void StartFolderPrompter::remember(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    if (!isFolder(clean) || clean == m_lastFolder)
        return;
    m_lastFolder = clean;
    // Losing the folder only costs the user a few clicks next time: a failed write is let be.
    if (!m_memoryFile.isEmpty())
        (void)AtomicFile::write(m_memoryFile, clean.toUtf8() + '\n');
}

Prompter::Answer StartFolderPrompter::message(const QString& text, Icon icon, Buttons buttons, const QString& caption)
{
    return m_inner.message(text, icon, buttons, caption);
}

QStringList StartFolderPrompter::openFiles(const QString& filter, Selection selection, const QString& startFolder)
{
    const QStringList files = m_inner.openFiles(filter, selection, chosenStart(startFolder));
    if (!files.isEmpty())
        remember(QFileInfo(files.first()).absolutePath());
    return files;
}

QString StartFolderPrompter::saveFile(const QString& filter, const QString& defaultName, const QString& startFolder)
{
    const QString file = m_inner.saveFile(filter, defaultName, chosenStart(startFolder));
    if (!file.isEmpty())
        remember(QFileInfo(file).absolutePath());
    return file;
}

QString StartFolderPrompter::chooseFolder(const QString& title, const QString& startFolder)
{
    const QString folder = m_inner.chooseFolder(title, chosenStart(startFolder));
    if (!folder.isEmpty())
        remember(folder);
    return folder;
}

std::optional<QColor> StartFolderPrompter::chooseColour(const QColor& initial)
{
    return m_inner.chooseColour(initial);
}

} // namespace montora
