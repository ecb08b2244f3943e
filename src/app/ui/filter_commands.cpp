#include "app/ui/filter_commands.h"

#include "app/command_id.h"
#include "app/ui/export_progress_window.h"
#include "app/ui/main_frame.h"
#include "canvas/collage_filter.h"
#include "canvas/ui/collage_canvas.h"
#include "platform/prompter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>

namespace montora {

namespace {

// How often the progress window is brought up to date while the filter runs.
constexpr int kRefreshMilliseconds = 50;

} // namespace

QString FilterCommands::confirmationText(const QString& filterCaption)
{
    return QStringLiteral("The filter \"%1\" turns the whole collage into one picture; its photos, cliparts and "
                          "texts can no longer be edited one by one (Undo brings them back). Apply it?")
        .arg(filterCaption);
}

FilterCommands::FilterCommands(MainFrame& frame, Prompter& prompter)
    : QObject(&frame), m_frame(frame), m_prompter(prompter), m_progress(new ExportProgressWindow(&frame))
{
    for (const EffectFilter::Entry& filter : EffectFilter::entries())
        frame.setHandler(CommandId(filter.commandId), [this, &filter] { run(filter); });
    connect(m_progress, &ExportProgressWindow::cancelRequested, this, [this] { m_stopAsked = true; });
}

void FilterCommands::run(const EffectFilter::Entry& filter)
{
    if (m_running)
        return;
    const QString caption = QString::fromLatin1(filter.caption);
    if (m_prompter.message(confirmationText(caption), Prompter::Icon::Question, Prompter::Buttons::YesNo) !=
        Prompter::Answer::Yes)
        return;
    CollageCanvas& canvas = *m_frame.canvas();
    CollageProject& project = canvas.project();
    const bool large = qint64(project.width()) * project.height() >= kLargeCollage;
    m_running = true;
    m_stopAsked = false;
    // The window keeps painting the progress; the canvas takes no edit meanwhile.
    canvas.setEnabled(false);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    if (large)
        m_progress->begin(QStringLiteral("Applying a filter"), caption);
    QElapsedTimer clock;
    clock.start();
    const auto progress = [&](double done) {
        if (large && clock.elapsed() >= kRefreshMilliseconds) {
            m_progress->setDone(done);
            QCoreApplication::processEvents();
            clock.restart();
        }
        return !m_stopAsked;
    };
    Result<QImage> picture = CollageFilter::filteredPicture(project, filter.kind, progress);
    m_progress->hide();
    QGuiApplication::restoreOverrideCursor();
    canvas.setEnabled(true);
    m_running = false;
    if (!picture) {
        if (picture.message() != EffectFilter::stoppedMessage())
            m_prompter.message(QStringLiteral("The filter could not be applied. %1").arg(picture.message()),
                               Prompter::Icon::Warning);
        return;
    }
    const Status replaced = CollageFilter::replaceItems(project, *picture);
    canvas.recompose();
    m_frame.updateToolbar();
    if (!replaced)
        m_prompter.message(replaced.message(), Prompter::Icon::Warning);
}

} // namespace montora
