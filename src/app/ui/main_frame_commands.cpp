// The main window's command table: what every command identifier does.
#include "app/ui/main_frame.h"

#include "app/photo_import.h"
#include "app/startup_library_files.h"
#include "app/ui/about_dialog.h"
#include "app/ui/crop_command.h"
#include "app/ui/library_tab.h"
#include "app/ui/menu_bar_button.h"
#include "app/ui/shell_art.h"
#include "app/ui/shell_menu.h"
#include "app/ui/toolbar_button.h"
#include "canvas/canvas_viewport.h"
#include "canvas/ui/collage_canvas.h"
#include "controls/skin_button.h"
#include "platform/prompter.h"
#include "tools/ui/photo_library_panel.h"

#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMetaObject>
#include <QUrl>

namespace montora {

namespace {

struct PanelCommand {
    CommandId tab;
    LibraryPanelSlot panel;
};
constexpr PanelCommand kPanelCommands[] = {
    {CommandId::TabFrame, LibraryPanelSlot::Frame},     {CommandId::TabMask, LibraryPanelSlot::Mask},
    {CommandId::TabClipart, LibraryPanelSlot::Clipart}, {CommandId::TabTuning, LibraryPanelSlot::Tuning},
    {CommandId::TabText, LibraryPanelSlot::Text},       {CommandId::TabBrush, LibraryPanelSlot::Brush},
    {CommandId::PanelRedEye, LibraryPanelSlot::RedEye},
};

struct MenuOpener {
    CommandId command;
    MenuKind kind;
    int button;
};
constexpr MenuOpener kMenuOpeners[] = {
    {CommandId::FileMenuButton, MenuKind::File, 0},
    {CommandId::PanelMenuButton, MenuKind::Panel, 1},
    {CommandId::EditMenuButton, MenuKind::Edit, 2},
    {CommandId::HelpMenuButton, MenuKind::Help, 3},
};

QCursor dropCursor()
{
    return QCursor(ShellArt::pixmap(QStringLiteral("cursor_drop"), QSize(32, 32)), 6, 6);
}

} // namespace

void MainFrame::setHandler(CommandId id, std::function<void()> handler)
{
    for (CommandId same : sameCommandIds(id))
        m_commands.setHandler(same, handler);
    refreshToolbarButtons();
}

bool MainFrame::runCommand(CommandId id)
{
    emit commandRequested(id);
    return m_commands.run(id);
}

void MainFrame::registerCommands()
{
    for (CommandId id : allCommandIds())
        m_commands.addDisabled(id);
    registerEditCommands();
    registerWindowCommands();
    registerPhotoCommands();
}

void MainFrame::registerEditCommands()
{
    setHandler(CommandId::Undo, [this] {
        m_canvas->undo();
        updateToolbar();
    });
    setHandler(CommandId::Redo, [this] {
        m_canvas->redo();
        updateToolbar();
    });
    setHandler(CommandId::Delete, [this] { m_canvas->deleteSelected(); });
    setHandler(CommandId::MoveForward, [this] { m_canvas->bringForward(); });
    setHandler(CommandId::MoveBackward, [this] { m_canvas->sendBackward(); });
    setHandler(CommandId::MoveToFront, [this] { m_canvas->bringToFront(); });
    setHandler(CommandId::MoveToBack, [this] { m_canvas->sendToBack(); });
    new CropCommand(*this);
    setHandler(CommandId::ZoomIn, [this] {
        if (m_zoom.zoomIn())
            applyZoom(m_zoom.index());
    });
    setHandler(CommandId::ZoomOut, [this] {
        if (m_zoom.zoomOut())
            applyZoom(m_zoom.index());
    });
    setHandler(CommandId::ZoomBox, [this] { applyZoom(m_zoomBox->currentIndex()); });
    setHandler(CommandId::Preview, [this] { enterPreview(); });
}

void MainFrame::registerWindowCommands()
{
    // Posted, as the close button's command is: the click finishes before the window goes.
    setHandler(CommandId::Exit, [this] { QMetaObject::invokeMethod(this, [this] { close(); }, Qt::QueuedConnection); });
    setHandler(CommandId::CaptionMinimise, [this] { showMinimized(); });
    setHandler(CommandId::CaptionMaximise, [this] { toggleMaximised(); });
    for (const PanelCommand& command : kPanelCommands) {
        const LibraryPanelSlot panel = command.panel;
        setHandler(command.tab, [this, panel] { showPanel(panel); });
    }
    for (const MenuOpener& opener : kMenuOpeners) {
        const int button = opener.button;
        setHandler(opener.command, [this, button] { openMenuBarMenu(button); });
    }
    setHandler(CommandId::OnlineHelp, [] { QDesktopServices::openUrl(QUrl(helpAddress())); });
    setHandler(CommandId::About, [this] { showAbout(); });
}

void MainFrame::registerPhotoCommands()
{
    setHandler(CommandId::ImportPhoto, [this] { importPhotos(); });
    setHandler(CommandId::LibraryRemovePhoto, [this] { removePhoto(); });
    setHandler(CommandId::LibraryAddToCanvas, [this] { addAnchorPhotoToCanvas(); });
}

bool MainFrame::isMenuItemEnabled(const MenuItem& item) const
{
    if (!m_commands.isEnabled(item.command))
        return false;
    return !item.enabledBy || m_toolbarState.isEnabled(*item.enabledBy);
}

void MainFrame::openMenu(MenuKind kind, QWidget* anchor, const QPoint& globalPosition)
{
    if (m_openMenu)
        m_openMenu->close();
    const LibraryPanelSlot visible = m_currentPanel;
    auto* menu = new ShellMenu(
        kind, [this](const MenuItem& item) { return isMenuItemEnabled(item); },
        [visible](const MenuItem& item) { return MenuModel::isChecked(item, visible); }, this,
        kind == MenuKind::File && m_recentProjects ? m_recentProjects() : QStringList());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu, &ShellMenu::commandChosen, this, &MainFrame::runCommand);
    if (auto* button = qobject_cast<MenuBarButton*>(anchor)) {
        button->setOpen(true);
        connect(menu, &QMenu::aboutToHide, button, [button] { button->setOpen(false); });
    }
    m_openMenu = menu;
    menu->popup(globalPosition);
}

// Under its button's left and bottom edges, and only while the button can be seen.
void MainFrame::openMenuBarMenu(int index)
{
    MenuBarButton* button = m_menuButtons[size_t(index)];
    if (!button->isVisible())
        return;
    openMenu(kMenuOpeners[index].kind, button, button->mapToGlobal(QPoint(0, button->height())));
}

void MainFrame::showCanvasContextMenu(const QPoint& globalPosition)
{
    openMenu(MenuKind::CanvasContext, m_canvas, globalPosition);
}

void MainFrame::showPhotoLibraryContextMenu(const QPoint& globalPosition)
{
    openMenu(MenuKind::PhotoLibraryContext, m_photoPanel, globalPosition);
}

void MainFrame::showPanel(LibraryPanelSlot slot)
{
    m_currentPanel = slot;
    for (int i = 0; i < kPanelSlots; ++i)
        m_libraryPanels[size_t(i)]->setVisible(!m_previewing && i == int(slot));
    for (int i = 0; i < MainFrameLayout::kLibraryTabs; ++i)
        m_tabs[size_t(i)]->setCurrent(i == int(slot));
    m_canvas->update();
}

void MainFrame::applyZoom(int index)
{
    if (index == ZoomList::kFitIndex)
        m_zoom.selectFit(CanvasViewport::fitZoom(m_canvas->project().size(), m_canvas->size()));
    else
        m_zoom.select(index);
    m_zoomBox->setCurrentIndex(m_zoom.index());
    m_canvas->setZoom(m_zoom.factor());
}

void MainFrame::zoomByWheel(int steps, QPoint canvasPoint)
{
    bool moved = false;
    for (; steps > 0; --steps)
        moved = m_zoom.zoomIn() || moved;
    for (; steps < 0; ++steps)
        moved = m_zoom.zoomOut() || moved;
    if (!moved)
        return;
    m_zoomBox->setCurrentIndex(m_zoom.index());
    m_canvas->zoomAbout(m_zoom.factor(), canvasPoint);
}

void MainFrame::toggleMaximised()
{
    // Showing maximised reports the new state at once; the flag is set after it.
    const bool maximise = !m_maximised;
    if (maximise)
        showMaximized();
    else
        showNormal();
    m_maximised = maximise;
}

void MainFrame::enterPreview()
{
    if (m_previewing)
        return;
    m_previewing = true;
    m_hiddenForPreview.clear();
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != m_canvas && !child->isWindow() && child->isVisible()) {
            m_hiddenForPreview << child;
            child->hide();
        }
    }
    // The whole collage fits the client area.
    const QSize collage = m_canvas->project().size();
    const double byHeight = double(height()) / collage.height();
    const double byWidth = double(width()) / collage.width();
    const bool wider = double(width()) / height() >= double(collage.width()) / collage.height();
    m_canvas->setPreviewMode(true);
    m_canvas->setZoom(float(wider ? byHeight : byWidth));
    m_canvas->raise();
    m_canvas->setGeometry(rect());
    m_canvas->setFocus();
}

void MainFrame::leavePreview()
{
    if (!m_previewing)
        return;
    m_previewing = false;
    m_canvas->setPreviewMode(false);
    m_canvas->setZoom(m_zoom.factor());
    for (const QPointer<QWidget>& child : std::as_const(m_hiddenForPreview))
        if (child)
            child->show();
    m_hiddenForPreview.clear();
    showPanel(m_currentPanel);
    applyLayout();
}

void MainFrame::importPhotos()
{
    // A window that cannot be seen asks for no files.
    if (m_photoImport && isVisible())
        m_photoImport->importPhotos(m_prompter);
}

void MainFrame::removePhoto()
{
    m_photoPanel->removeSelected();
}

void MainFrame::addAnchorPhotoToCanvas()
{
    if (m_photoPanel->anchor() < 0) {
        m_prompter.message(selectPhotoToAddMessage(), Prompter::Icon::Information);
        return;
    }
    addAnchorPhotoAt(QPoint(m_canvas->width() / 5, m_canvas->height() / 5));
}

bool MainFrame::addAnchorPhotoAt(const QPoint& canvasPoint)
{
    std::vector<PhotoListEntry>* entries = m_libraryFiles->photoEntries();
    const int anchor = m_photoPanel->anchor();
    if (!entries || anchor < 0 || anchor >= int(entries->size()))
        return false;
    const PhotoListRecord& record = (*entries)[size_t(anchor)].record;
    const QString path = record.path();
    if (!QFileInfo::exists(path))
        return false;
    CollageProject& project = m_canvas->project();
    if (!project.addPhoto(path, QSize(record.width, record.height), project.viewPoint(canvasPoint)))
        return false;
    m_canvas->recompose();
    return true;
}

void MainFrame::followPhotoDrag(const QPoint& globalPosition)
{
    const bool overCanvas = m_canvas->rect().contains(m_canvas->mapFromGlobal(globalPosition));
    if (overCanvas == m_dropCursorShown)
        return;
    m_dropCursorShown = overCanvas;
    if (overCanvas)
        QGuiApplication::setOverrideCursor(dropCursor());
    else
        QGuiApplication::restoreOverrideCursor();
}

void MainFrame::endPhotoDrag(const QPoint& globalPosition)
{
    if (m_dropCursorShown) {
        m_dropCursorShown = false;
        QGuiApplication::restoreOverrideCursor();
    }
    const QPoint point = m_canvas->mapFromGlobal(globalPosition);
    if (m_canvas->rect().contains(point))
        addAnchorPhotoAt(point);
}

void MainFrame::showAbout()
{
    auto* about = new AboutDialog(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

} // namespace montora
