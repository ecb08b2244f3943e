#pragma once

#include "imaging/effect_filter.h"

#include <QObject>
#include <QString>

namespace montora {

class ExportProgressWindow;
class MainFrame;
class Prompter;

// The Edit menu's Filters (11980..11994): asked first, then the whole collage is
// drawn at full size, filtered and put in place of every item (Undo brings them
// back). A large collage shows the progress window, whose Cancel stops the
// filter and leaves the collage alone. It lives as long as the window it serves.
class FilterCommands : public QObject {
    Q_OBJECT
public:
    // From this many pixels on, the progress window shows.
    static constexpr qint64 kLargeCollage = 2'000'000;

    static QString confirmationText(const QString& filterCaption);

    FilterCommands(MainFrame& frame, Prompter& prompter);

    ExportProgressWindow* progressWindow() const { return m_progress; }
    bool isRunning() const { return m_running; }

private:
    void run(const EffectFilter::Entry& filter);

    MainFrame& m_frame;
    Prompter& m_prompter;
    ExportProgressWindow* m_progress;
    bool m_running = false;
    bool m_stopAsked = false;
};

} // namespace montora
