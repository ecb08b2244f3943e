#include "app/ui/collage_app.h"

#include "app/startup_library_files.h"
#include "app/startup_sequence.h"
#include "app/ui/external_drops.h"
#include "app/ui/filter_commands.h"
#include "app/ui/main_frame.h"
#include "app/ui/main_frame_output.h"
#include "app/ui/main_frame_panels.h"
#include "app/ui/main_frame_tuning.h"
#include "app/ui/month_calendar_command.h"
#include "app/ui/project_session.h"
#include "imaging/image_library.h"
#include "platform/prompter.h"
#include "platform/single_instance.h"

#include <QApplication>
#include <QFileInfo>

#include <iterator>

namespace montora {

namespace {
CollageApp* g_instance = nullptr;
}

CollageApp::CollageApp(Prompter& prompter, LibraryFilesFactory libraryFiles, QObject* parent)
    : QObject(parent), m_folderPrompter(prompter), m_prompter(m_folderPrompter), m_libraryFiles(std::move(libraryFiles))
{
    g_instance = this;
}

CollageApp::~CollageApp()
{
    stop();
    if (g_instance == this)
        g_instance = nullptr;
}

CollageApp* CollageApp::instance() { return g_instance; }

bool CollageApp::start()
{
    // Tests run their own instances beside a program the user may have open.
    const QString identity = qEnvironmentVariable("MONTORA_INSTANCE_ID", SingleInstance::defaultIdentity());
    m_singleInstance = std::make_unique<SingleInstance>(identity);
    // A project named on the command line goes to the running window, if there is one.
    const QStringList handedFiles =
        m_projectAtStart.isEmpty() ? QStringList() : QStringList{QFileInfo(m_projectAtStart).absoluteFilePath()};
    if (m_singleInstance->claim(handedFiles) == SingleInstance::Role::HandedOver) {
        m_startExitCode = 0;
        return false;
    }
    ImageLibrary::initialise(QCoreApplication::applicationFilePath().toLocal8Bit().constData());

    m_mainFrame = std::make_unique<MainFrame>(m_libraryFiles(), m_prompter);
    m_mainFrame->initialiseWindow();
    connect(m_singleInstance.get(), &SingleInstance::activationRequested, m_mainFrame.get(), &MainFrame::bringForward);

    StartupSequence startup(m_mainFrame->libraryFiles());
    const Status started = startup.run();
    if (!started) {
        m_mainFrame.reset();
        m_prompter.message(QStringLiteral("Montora Studio cannot start. %1").arg(started.message()),
                           Prompter::Icon::Error);
        m_startExitCode = 1;
        return false;
    }
    m_languageTable = startup.takeLanguageTable();
    LanguageTable::setCurrent(&m_languageTable);
    m_mainFrame->retranslate();
    m_mainFrame->setPhotoListFolder(startup.photoListFolder());
    m_mainFrame->photoListLoaded();
    // The library strips, the decoration column and the project commands, over the
    // data folder the start-up prepared (owned by the window).
    // Save Collage and the wallpaper; made first so that it goes (and waits for a running
    // export) before the panels' resources the export draws from.
    new MainFrameOutput(*m_mainFrame, m_prompter);
    new MonthCalendarCommand(*m_mainFrame, m_sharedPicture);
    new MainFrameTuning(*m_mainFrame, m_prompter);
    new FilterCommands(*m_mainFrame, m_prompter);
    auto* panels = new MainFramePanels(*m_mainFrame, m_prompter, startup.photoListFolder());
    m_folderPrompter.setMemoryFile(startup.photoListFolder() + StartFolderPrompter::fileName());
    m_folderPrompter.setProjectPath([panels] { return panels->projectCommands().currentPath(); });
    const auto openAsked = [panels](const QString& path) { panels->openProjectFileAsked(path); };
    new ExternalDrops(*m_mainFrame, m_prompter, startup.photoListFolder(), openAsked);
    connect(m_singleInstance.get(), &SingleInstance::openRequested, panels, openAsked);
    static constexpr CommandId kTabs[] = {CommandId::TabFrame, CommandId::TabMask, CommandId::TabClipart,
                                          CommandId::TabTuning, CommandId::TabText, CommandId::TabBrush};
    if (m_panelAtStart >= 0 && m_panelAtStart < int(std::size(kTabs)))
        m_mainFrame->runCommand(kTabs[m_panelAtStart]);
    m_mainFrame->show();
    // Asked over the window. The collage a crash interrupted comes first; restored,
    // it stays in front of a project named on the command line.
    if (!panels->session().offerRecovery() && !m_projectAtStart.isEmpty())
        panels->openProjectFile(m_projectAtStart);
    return true;
}

void CollageApp::stop()
{
    // The window goes first: it stops the import and owns the photo list.
    m_mainFrame.reset();
    m_sharedPicture.release();
    if (LanguageTable::current() == &m_languageTable)
        LanguageTable::setCurrent(nullptr);
    m_languageTable = LanguageTable();
    m_singleInstance.reset();
}

int CollageApp::run()
{
    if (!start())
        return m_startExitCode;
    const int code = QApplication::exec();
    stop();
    return code;
}

} // namespace montora
