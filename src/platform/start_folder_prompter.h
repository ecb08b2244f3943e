#pragma once

#include "platform/prompter.h"

#include <functional>

namespace montora {

// Passes every question on to another Prompter, and starts each file and folder
// dialog that names no folder of its own in the current project's folder, or,
// without a project file, in the folder last used. That folder is kept in a file
// (in the data folder) so that it outlives the program.
class StartFolderPrompter : public Prompter {
public:
    static QString fileName() { return QStringLiteral("lastfolder.txt"); }

    explicit StartFolderPrompter(Prompter& inner) : m_inner(inner) {}

    // The file that keeps the last folder; empty keeps it for this run only.
    void setMemoryFile(const QString& path);
    // The current project's file, or empty while the collage has none.
    void setProjectPath(std::function<QString()> projectPath) { m_projectPath = std::move(projectPath); }

    // Where a dialog with no folder of its own starts; empty for the system's choice.
    QString startFolder() const;
    QString lastFolder() const { return m_lastFolder; }

    Answer message(const QString& text, Icon icon, Buttons buttons, const QString& caption) override;
    QStringList openFiles(const QString& filter, Selection selection, const QString& startFolder) override;
    QString saveFile(const QString& filter, const QString& defaultName, const QString& startFolder) override;
    QString chooseFolder(const QString& title, const QString& startFolder) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;

private:
    QString chosenStart(const QString& asked) const;
    void remember(const QString& folder);

    Prompter& m_inner;
    std::function<QString()> m_projectPath;
    QString m_memoryFile;
    QString m_lastFolder;
};

} // namespace montora
