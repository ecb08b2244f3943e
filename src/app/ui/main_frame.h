#pragma once

#include "app/command_id.h"
#include "app/command_table.h"
#include "app/main_frame_layout.h"
#include "app/menu_model.h"
#include "app/toolbar_state.h"
#include "app/zoom_list.h"
#include "app/ui/frame_surface.h"
#include "app/ui/shell_menu.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;

namespace montora {

class AltShortcuts;
class CollageCanvas;
class ImportProgressWindow;
class LibraryTab;
class MenuBarButton;
class PhotoImport;
class PhotoLibraryPanel;
class Prompter;
class ShellInputFilter;
class SkinButton;
class StartupLibraryFiles;
class StoppableWorker;
class ToolbarButton;

// The program's one top-level window: frameless (it draws its own caption area,
// menu bar and bars), as wide as the available screen and 10 pixels less high.
// It hosts the canvas, the photo library, the library panels, the toolbar and the
// zoom box, and turns every menu choice, button, shortcut and drag into a call on
// them through one command table. It owns the library files behind the photo
// list and the import worker, and on the way out stops the worker and saves the
// photo list.
class MainFrame : public QWidget {
    Q_OBJECT
public:
    static QString windowTitleText() { return QStringLiteral("Montora Studio"); }
    static QString helpAddress() { return QStringLiteral("https://github.com/montora/montora-studio#readme"); }
    static QString selectPhotoToAddMessage() { return QStringLiteral("Please select a photo to add. "); }
    static constexpr int kHeightMargin = 10;
    static constexpr int kCaptionHeight = MainFrameLayout::kCaptionHeight;
    // The slot of the title drawn in the caption area.
    static constexpr int kTitleSlot = 23;
    // The six tabs' panels and the red-eye panel, all in one place.
    static constexpr int kPanelSlots = 7;

    MainFrame(std::unique_ptr<StartupLibraryFiles> libraryFiles, Prompter& prompter, QWidget* parent = nullptr);
    ~MainFrame() override;

    // Icon, frameless style, size and title: the window's first initialisation.
    void initialiseWindow();

    StartupLibraryFiles& libraryFiles() { return *m_libraryFiles; }
    void setPhotoListFolder(const QString& folder) { m_photoListFolder = folder; }
    // The photo list was (re)loaded: the photo library shows it.
    void photoListLoaded();
    // Captions from the language table, once it is loaded.
    void retranslate();

    // The running photo import, if any; stopped and waited for before the window goes.
    void setImportWorker(std::unique_ptr<StoppableWorker> worker);
    // The photo import over the library files' photo entries (none when they keep
    // none, and none once the window has closed). Its progress window is in place.
    PhotoImport* photoImport() const { return m_photoImport; }
    ImportProgressWindow* importProgressWindow() const { return m_importProgress; }

    // A later start asked for this window: show it normally, restored if it was
    // minimised, and bring it to the front.
    void bringForward();

    // Commands. A handler makes its command (and the commands that do the same)
    // enabled; the project commands (New, Open, Save As, Setting) are wired in here
    // by whoever builds them.
    void setHandler(CommandId id, std::function<void()> handler);
    void setProjectCommandHandler(CommandId id, std::function<void()> handler) { setHandler(id, std::move(handler)); }
    // Runs an enabled command; false when it is disabled or unknown.
    bool runCommand(CommandId id);
    const CommandTable& commands() const { return m_commands; }

    // The library panels and the right-hand column, placed by the layout; until
    // set, empty framed places. The panel takes its slot's visibility.
    void setLibraryPanel(int slot, QWidget* panel);
    void setDecorationStrip(QWidget* strip);
    void setEffectKindSelector(QWidget* selector);
    void setColourControl(QWidget* control);

    // Children, for the panels' owners and for tests.
    CollageCanvas* canvas() const { return m_canvas; }
    PhotoLibraryPanel* photoLibraryPanel() const { return m_photoPanel; }
    QWidget* libraryPanel(int slot) const { return m_libraryPanels[size_t(slot)]; }
    QWidget* decorationStrip() const { return m_decorationStrip; }
    QWidget* effectKindSelector() const { return m_effectKindSelector; }
    QWidget* colourControl() const { return m_colourControl; }
    ToolbarButton* toolbarButton(ToolbarSlot slot) const { return m_toolbar[size_t(slot)]; }
    QComboBox* zoomBox() const { return m_zoomBox; }
    MenuBarButton* menuBarButton(int index) const { return m_menuButtons[size_t(index)]; }
    LibraryTab* libraryTab(int index) const { return m_tabs[size_t(index)]; }
    SkinButton* captionButton(CommandId id) const;
    SkinButton* importButton() const { return m_importButton; }
    SkinButton* removeButton() const { return m_removeButton; }
    SkinButton* addToCanvasButton() const { return m_addDecorationButton; }
    // The popup menu open now, if any.
    ShellMenu* openMenu() const { return m_openMenu; }

    const ToolbarState& toolbarState() const { return m_toolbarState; }
    const ZoomList& zoom() const { return m_zoom; }
    LibraryPanelSlot currentPanel() const { return m_currentPanel; }
    bool isPreviewing() const { return m_previewing; }
    bool isMaximisedByCaption() const { return m_maximised; }
    MainFrameLayout frameLayout() const { return MainFrameLayout(size()); }

    // Asked before the window closes by any way (caption button, Exit, Alt+F4, the
    // window manager); false keeps the window open.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    // The title in the caption area and the window system's title.
    void setTitle(const QString& title);
    // The recent projects the file menu lists when it opens.
    void setRecentProjectsSource(std::function<QStringList()> source) { m_recentProjects = std::move(source); }

    // The toolbar update (after a canvas change, undo and redo).
    void updateToolbar();
    void showCanvasContextMenu(const QPoint& globalPosition);
    void showPhotoLibraryContextMenu(const QPoint& globalPosition);

signals:
    // A command identifier reached the window (shortcut, menu, toolbar).
    void commandRequested(montora::CommandId id);
    // The toolbar followed a change of the canvas (after CANVAS_CHANGED, undo, redo
    // and the panels' edits): the place to follow the canvas state.
    void toolbarUpdated();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Building (main_frame.cpp).
    void createCaption();
    void createToolbar();
    void createLibraryArea();
    void createCanvas();
    QWidget* createPlaceholder();
    void applyLayout();
    void placeRightColumn(const MainFrameLayout& layout);
    void refreshToolbarButtons();

    // Commands (main_frame_commands.cpp).
    void registerCommands();
    void registerEditCommands();
    void registerWindowCommands();
    void registerPhotoCommands();
    bool isMenuItemEnabled(const MenuItem& item) const;
    void openMenu(MenuKind kind, QWidget* anchor, const QPoint& globalPosition);
    void openMenuBarMenu(int index);
    void showPanel(LibraryPanelSlot slot);
    void applyZoom(int index);
    void zoomByWheel(int steps, QPoint canvasPoint);
    void toggleMaximised();
    void enterPreview();
    void leavePreview();
    void importPhotos();
    void removePhoto();
    void addAnchorPhotoToCanvas();
    bool addAnchorPhotoAt(const QPoint& canvasPoint);
    void followPhotoDrag(const QPoint& globalPosition);
    void endPhotoDrag(const QPoint& globalPosition);
    void showAbout();

    void savePhotoList();
    void stopImportWorker();

    std::unique_ptr<StartupLibraryFiles> m_libraryFiles;
    Prompter& m_prompter;
    std::unique_ptr<StoppableWorker> m_importWorker;
    PhotoImport* m_photoImport = nullptr; // owned as m_importWorker
    ImportProgressWindow* m_importProgress = nullptr;
    AltShortcuts* m_shortcuts = nullptr;
    QString m_photoListFolder;
    bool m_closed = false;
    std::function<bool()> m_closeGuard;
    std::function<QStringList()> m_recentProjects;
    QString m_title; // empty: the language table's title

    CommandTable m_commands;
    ToolbarState m_toolbarState;
    ZoomList m_zoom;
    FrameSurface m_surface;
    ShellInputFilter* m_inputFilter = nullptr;

    SkinButton* m_captionClose = nullptr;
    SkinButton* m_captionMaximise = nullptr;
    SkinButton* m_captionMinimise = nullptr;
    std::array<MenuBarButton*, MainFrameLayout::kMenuBarButtons> m_menuButtons{};
    std::array<LibraryTab*, MainFrameLayout::kLibraryTabs> m_tabs{};
    std::array<QWidget*, kPanelSlots> m_libraryPanels{};
    std::array<ToolbarButton*, ToolbarTable::kCount> m_toolbar{};
    QComboBox* m_zoomBox = nullptr;
    CollageCanvas* m_canvas = nullptr;
    PhotoLibraryPanel* m_photoPanel = nullptr;
    SkinButton* m_importButton = nullptr;
    SkinButton* m_removeButton = nullptr;
    SkinButton* m_addDecorationButton = nullptr;
    QWidget* m_decorationStrip = nullptr;
    QWidget* m_effectKindSelector = nullptr;
    QWidget* m_colourControl = nullptr;
    QPointer<ShellMenu> m_openMenu;
    // What the preview hid, shown again when it ends.
    QList<QPointer<QWidget>> m_hiddenForPreview;

    LibraryPanelSlot m_currentPanel = LibraryPanelSlot::Frame;
    bool m_maximised = false;
    // Where a press on the caption began, until it turns into a move or ends.
    std::optional<QPoint> m_captionPress;
    bool m_previewing = false;
    bool m_dropCursorShown = false;
};

} // namespace montora
