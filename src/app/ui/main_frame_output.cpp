#include "app/ui/main_frame_output.h"

#include "app/ui/export_progress_window.h"
#include "app/ui/main_frame.h"
#include "canvas/ui/collage_canvas.h"

#include <QGuiApplication>

namespace montora {

MainFrameOutput::MainFrameOutput(MainFrame& frame, Prompter& prompter)
    : QObject(&frame), m_frame(frame), m_asker(prompter, &frame),
      m_commands(frame.canvas()->project(), prompter, m_asker, this), m_progress(new ExportProgressWindow(&frame))
{
    frame.setHandler(CommandId::SaveCollage, [this] { m_commands.saveCollage(); });
    frame.setHandler(CommandId::WallpaperMode0, [this] { m_commands.setWallpaper(); });
    frame.setHandler(CommandId::WallpaperMode1, [this] { m_commands.removeWallpaper(); });
    frame.setHandler(CommandId::WallpaperMode2, [] {});
    connect(&m_commands, &CollageOutputCommands::jobStarted, this, &MainFrameOutput::begin);
    connect(&m_commands, &CollageOutputCommands::jobProgress, m_progress, &ExportProgressWindow::setDone);
    connect(&m_commands, &CollageOutputCommands::jobFinished, this, &MainFrameOutput::end);
    connect(m_progress, &ExportProgressWindow::cancelRequested, &m_commands.job(), &CollageOutputJob::cancel);
}

void MainFrameOutput::begin(const QString& caption, const QString& fileName, bool large)
{
    if (large) {
        m_progress->begin(caption, fileName);
        return;
    }
    // A small collage is done in a moment: the busy cursor says so, the window stays usable.
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    m_waitCursor = true;
}

void MainFrameOutput::end()
{
    m_progress->hide();
    if (m_waitCursor) {
        QGuiApplication::restoreOverrideCursor();
        m_waitCursor = false;
    }
}

} // namespace montora
