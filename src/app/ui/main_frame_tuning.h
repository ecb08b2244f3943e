#pragma once

#include <QObject>
#include <QRect>

namespace montora {

class MainFrame;
class Prompter;
class RedEyePanel;
class TuningPanel;

// Puts the tuning panel and the red-eye panel in the window's panel place and
// turns the sliders into tuning of the selected photos and cliparts. A drag of a
// slider redraws only the tuned items at each step and is one undo step when it
// ends; any other change (a click on the track, a key, "Reset") is one step at once.
// It lives as long as the window it serves.
class MainFrameTuning : public QObject {
    Q_OBJECT
public:
    MainFrameTuning(MainFrame& frame, Prompter& prompter);

    TuningPanel* panel() const { return m_panel; }
    RedEyePanel* redEyePanel() const { return m_redEye; }

private:
    // 0x479 from the panel: 0 a slider moved, 1 "Reset".
    void apply(int reset);
    void finishDrag();
    // The surface area the selected photos and cliparts can touch.
    QRect tunedArea() const;

    MainFrame& m_frame;
    Prompter& m_prompter;
    TuningPanel* m_panel;
    RedEyePanel* m_redEye;
    bool m_stepPending = false;
    bool m_warnedThisDrag = false;
};

} // namespace montora
