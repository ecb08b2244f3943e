#include "app/ui/main_frame.h"

#include "app/language_table.h"
#include "app/photo_import.h"
#include "app/startup_library_files.h"
#include "app/stoppable_worker.h"
#include "app/ui/alt_shortcuts.h"
#include "app/ui/import_progress_window.h"
#include "platform/prompter.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

// The widget library's resources live in a static library: register them before use.
static void registerWindowResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(app);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace montora {

MainFrame::MainFrame(std::unique_ptr<StartupLibraryFiles> libraryFiles, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_libraryFiles(std::move(libraryFiles)), m_prompter(prompter)
{
    m_shortcuts = new AltShortcuts(this);
    connect(m_shortcuts, &AltShortcuts::commandTriggered, this, &MainFrame::commandRequested);
    if (std::vector<PhotoListEntry>* entries = m_libraryFiles->photoEntries()) {
        auto import = std::make_unique<PhotoImport>(*entries);
        m_photoImport = import.get();
        m_importWorker = std::move(import);
        m_importProgress = new ImportProgressWindow(this);
        m_importProgress->follow(m_photoImport);
    }
}

MainFrame::~MainFrame() { stopImportWorker(); }

void MainFrame::initialiseWindow()
{
    registerWindowResources();
    setWindowIcon(QIcon(QStringLiteral(":/icons/montora.svg")));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    setGeometry(available.x(), available.y(), available.width(), available.height() - kHeightMargin);
    setWindowTitle(windowTitleText());
}

void MainFrame::setImportWorker(std::unique_ptr<StoppableWorker> worker)
{
    stopImportWorker();
    m_importWorker = std::move(worker);
}

void MainFrame::bringForward()
{
    showNormal();
    raise();
    activateWindow();
}

// Every way of closing saves the photo list: the close button and "Exit", but also
// the window manager's close (Alt+F4, the window menu), so photos imported in this
// session are never lost with the window. The import stops first, so that the
// entries it delivered up to its end are in the saved list.
void MainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        m_closed = true;
        stopImportWorker();
        savePhotoList();
    }
    event->accept();
}

void MainFrame::savePhotoList()
{
    if (m_photoListFolder.isEmpty())
        return;
    const Status saved = m_libraryFiles->savePhotoList(m_photoListFolder);
    if (!saved)
        m_prompter.message(QStringLiteral("The photo list could not be saved. %1").arg(saved.message()),
                           Prompter::Icon::Warning);
}

void MainFrame::stopImportWorker()
{
    if (!m_importWorker)
        return;
    if (m_importWorker->isRunning())
        m_importWorker->requestStop();
    m_importWorker->join();
    m_importWorker.reset();
    m_photoImport = nullptr;
}

// The caption area until the panels, toolbar and canvas take their places.
void MainFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xDD, 0xDD, 0xDD));
    const QRect caption(0, 0, width(), kCaptionHeight);
    QLinearGradient band(caption.topLeft(), caption.bottomLeft());
    band.setColorAt(0, QColor(0x2F, 0x3A, 0x45));
    band.setColorAt(1, QColor(0x3C, 0x48, 0x56));
    painter.fillRect(caption, band);
    windowIcon().paint(&painter, QRect(6, 5, 20, 20));
    painter.setPen(QColor(0xF0, 0xF0, 0xF0));
    painter.drawText(caption.adjusted(32, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, LangString(kTitleSlot));
    painter.setPen(QColor(0x0A, 0x0A, 0x0A));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace montora
