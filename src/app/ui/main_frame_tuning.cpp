#include "app/ui/main_frame_tuning.h"

#include "app/ui/main_frame.h"
#include "canvas/canvas_viewport.h"
#include "canvas/item_geometry.h"
#include "canvas/ui/collage_canvas.h"
#include "platform/prompter.h"
#include "tools/ui/red_eye_panel.h"
#include "tools/ui/tuning_panel.h"

namespace montora {

MainFrameTuning::MainFrameTuning(MainFrame& frame, Prompter& prompter)
    : QObject(&frame), m_frame(frame), m_prompter(prompter), m_panel(new TuningPanel), m_redEye(new RedEyePanel)
{
    frame.setLibraryPanel(int(LibraryPanelSlot::Tuning), m_panel);
    frame.setLibraryPanel(int(LibraryPanelSlot::RedEye), m_redEye);
    connect(m_panel, &TuningPanel::tuningChanged, this, &MainFrameTuning::apply);
    connect(m_panel, &TuningPanel::dragFinished, this, &MainFrameTuning::finishDrag);
}

void MainFrameTuning::apply(int reset)
{
    if (reset != 0 && reset != 1)
        return;
    CollageCanvas& canvas = *m_frame.canvas();
    CollageProject& project = canvas.project();
    const bool dragging = reset == 0 && m_panel->isDragging();
    const Status tuned = project.setTuning(m_panel->settings(reset == 0), reset == 1,
                                           dragging ? CollageProject::HistoryStep::Defer
                                                    : CollageProject::HistoryStep::Record);
    if (!tuned) {
        // Once per drag, not at every step of it.
        if (!(dragging && m_warnedThisDrag))
            m_prompter.message(tuned.message(), Prompter::Icon::Information);
        m_warnedThisDrag = dragging;
        return;
    }
    m_stepPending = m_stepPending || dragging;
    // Tuning moves nothing: only the tuned items are drawn again.
    canvas.recompose(tunedArea());
    if (!dragging)
        m_frame.updateToolbar();
}

void MainFrameTuning::finishDrag()
{
    m_warnedThisDrag = false;
    if (!m_stepPending)
        return;
    m_stepPending = false;
    m_frame.canvas()->project().pushHistory();
    m_frame.updateToolbar();
}

QRect MainFrameTuning::tunedArea() const
{
    const CollageProject& project = m_frame.canvas()->project();
    QRect area;
    for (const CanvasItem& item : project.items()) {
        if (!item.isSelected() || !(item.asPhoto() || item.asClipart()) || !ItemGeometry::isDrawable(item, project.zoom()))
            continue;
        area |= ItemGeometry::surfaceBounds(item, project.zoom());
    }
    const int margin = 2 * CanvasViewport::kMargin;
    return area.isEmpty() ? area : area.adjusted(-margin, -margin, margin, margin);
}

} // namespace montora
