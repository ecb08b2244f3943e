#pragma once

#include "app/collage_output_commands.h"
#include "app/ui/dialog_export_asker.h"

#include <QObject>

namespace montora {

class ExportProgressWindow;
class MainFrame;
class Prompter;

// Connects the main window to the collage output: "Save Collage" (10902,
// 10557), the wallpaper commands (10951 set, 10950 remove, 10952 nothing), and
// the progress window of a large job. It lives as long as the window it serves.
class MainFrameOutput : public QObject {
    Q_OBJECT
public:
    MainFrameOutput(MainFrame& frame, Prompter& prompter);

    CollageOutputCommands& commands() { return m_commands; }
    ExportProgressWindow* progressWindow() const { return m_progress; }

private:
    void begin(const QString& caption, const QString& fileName, bool large);
    void end();

    MainFrame& m_frame;
    DialogExportAsker m_asker;
    CollageOutputCommands m_commands;
    ExportProgressWindow* m_progress;
    bool m_waitCursor = false;
};

} // namespace montora
