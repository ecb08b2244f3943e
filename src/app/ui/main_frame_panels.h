#pragma once

#include "app/project_commands.h"
#include "app/ui/dialog_settings_asker.h"
#include "canvas/library_resources.h"
#include "library/resource_pack_importer.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

namespace montora {

class BrushPanel;
class CollageCanvas;
class DecorationColumn;
class LibraryPanel;
class MainFrame;
class Prompter;
class ProjectSession;

// Fills the main window's library places over a data folder and connects them to
// the canvas: the frame, mask and clipart strips with their Apply requests, the
// decoration column (strip, effect kinds, tint colour, "Add to Canvas"), drags from
// any strip that end over the canvas, and the project commands (New, Open, Save As,
// Setting). It lives as long as the window it serves.
class MainFramePanels : public QObject {
    Q_OBJECT
public:
    // The Apply requests of the strips.
    enum ApplyCode { AddClipart = 0, AddDecoration = 1, SetMask = 2, SetFrame = 3 };

    MainFramePanels(MainFrame& frame, Prompter& prompter, const QString& dataFolder);
    ~MainFramePanels() override;

    LibraryPanel* framePanel() const { return m_strips[0]; }
    LibraryPanel* maskPanel() const { return m_strips[1]; }
    LibraryPanel* clipartPanel() const { return m_strips[2]; }
    DecorationColumn* decorationColumn() const { return m_decorations; }
    // Reload it with loadBrushes() after the brush library changed.
    BrushPanel* brushPanel() const { return m_brushes; }
    ProjectCommands& projectCommands() { return m_commands; }
    ProjectSession& session() { return *m_session; }

    // Opens a project file without questions (a file named on the command line);
    // a failure is reported and leaves the collage as it was.
    void openProjectFile(const QString& path);
    // Runs a project command and redraws what its outcome asks for.
    void runProjectCommand(const std::function<ProjectCommands::Outcome()>& command);
    // Open of a dropped or handed-over file, asking about unsaved changes first.
    void openProjectFileAsked(const QString& path);
    // 0x473: what a strip's Apply asks for, on the canvas.
    void apply(int code, int index);
    // The library drop: the pending strip drag released at a canvas point.
    void dropOnCanvas(QPoint canvasPoint);
    // 10904: asks for a resource pack, imports it into the data folder and reloads
    // the strip of its kind; a duplicate or a refused pack is reported.
    void importResourcePack();

signals:
    // A pack was imported; `refresh` names the library that grew (the brush panel
    // reloads on BrushPanel).
    void resourcePackImported(montora::LibraryRefresh refresh);

private:
    void createStrips(const QString& dataFolder);
    void reloadAfterImport(LibraryRefresh refresh);
    void createDecorations(const QString& dataFolder);
    void createBrushPanel(const QString& dataFolder);
    void connectDrags(QObject* source);
    void registerProjectCommands();
    void followDrag(const QPoint& globalPosition);
    void endDrag(const QPoint& globalPosition);
    void setDropCursor(bool shown);
    // The window point of new cliparts: a tenth of the zoomed collage's size.
    QPoint clipartPoint() const;
    void afterCanvasEdit(const Status& status);

    MainFrame& m_frame;
    CollageCanvas& m_canvas;
    // The window's children go in the order they were made, the canvas before
    // this object: the destructor asks whether it is still there.
    QPointer<CollageCanvas> m_canvasAlive;
    Prompter& m_prompter;
    QString m_dataFolder;
    LibraryResources m_resources;
    DialogSettingsAsker m_asker;
    ProjectCommands m_commands;
    ProjectSession* m_session = nullptr; // a child of the window
    std::array<LibraryPanel*, 3> m_strips{};
    DecorationColumn* m_decorations = nullptr;
    BrushPanel* m_brushes = nullptr;

    int m_pendingKind = -1;
    QList<int> m_pendingIds;
    bool m_dropCursorShown = false;
};

} // namespace montora
