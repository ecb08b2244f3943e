#pragma once

#include "language/language_table.h"
#include "app/shared_picture_buffer.h"
#include "platform/start_folder_prompter.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace montora {

class MainFrame;
class Prompter;
class SingleInstance;
class StartupLibraryFiles;

// The application object: the single-instance check, the start-up of the main
// window and the shutdown. It owns the language table and the shared picture
// buffer; the main window owns everything it shows.
class CollageApp : public QObject {
    Q_OBJECT
public:
    using LibraryFilesFactory = std::function<std::unique_ptr<StartupLibraryFiles>()>;

    CollageApp(Prompter& prompter, LibraryFilesFactory libraryFiles, QObject* parent = nullptr);
    ~CollageApp() override;

    static CollageApp* instance();

    // Start-up: returns false when this process has nothing (more) to do: another
    // instance took over, or the data folder cannot be written (after saying so).
    bool start();
    // The exit status once start() returned false.
    int startExitCode() const { return m_startExitCode; }
    // Releases, in order, the shared picture buffer and the language table.
    void stop();

    MainFrame* mainFrame() const { return m_mainFrame.get(); }
    SharedPictureBuffer& sharedPicture() { return m_sharedPicture; }
    const LanguageTable& languageTable() const { return m_languageTable; }

    // A project file named on the command line, opened once the window is up.
    void setProjectAtStart(const QString& path) { m_projectAtStart = path; }
    // The library panel shown at start (0 frames ... 4 text), for screenshots.
    void setPanelAtStart(int slot) { m_panelAtStart = slot; }

    // start(), the main loop, stop(): the whole life of the program.
    int run();

private:
    // Every dialog of the window goes through it, so file dialogs start in a useful folder.
    StartFolderPrompter m_folderPrompter;
    Prompter& m_prompter;
    LibraryFilesFactory m_libraryFiles;
    std::unique_ptr<SingleInstance> m_singleInstance;
    std::unique_ptr<MainFrame> m_mainFrame;
    LanguageTable m_languageTable;
    SharedPictureBuffer m_sharedPicture;
    int m_startExitCode = 0;
    QString m_projectAtStart;
    int m_panelAtStart = -1;
};

} // namespace montora
