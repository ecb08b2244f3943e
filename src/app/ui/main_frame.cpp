#include "app/ui/main_frame.h"

#include "language/language_table.h"
#include "app/photo_import.h"
#include "app/startup_library_files.h"
#include "app/stoppable_worker.h"
#include "app/ui/alt_shortcuts.h"
#include "app/ui/import_progress_window.h"
#include "app/ui/library_tab.h"
#include "app/ui/menu_bar_button.h"
#include "app/ui/shell_art.h"
#include "app/ui/shell_input_filter.h"
#include "app/ui/shell_menu.h"
#include "app/ui/toolbar_button.h"
#include "canvas/ui/collage_canvas.h"
#include "controls/skin_button.h"
#include "platform/prompter.h"
#include "tools/ui/photo_library_panel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

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

namespace {

// Menu-bar buttons in menu order: their command and the slot of their caption.
struct MenuBarEntry {
    CommandId command;
    int captionSlot;
};
constexpr MenuBarEntry kMenuBar[MainFrameLayout::kMenuBarButtons] = {
    {CommandId::FileMenuButton, 24},
    {CommandId::PanelMenuButton, 15},
    {CommandId::EditMenuButton, 25},
    {CommandId::HelpMenuButton, 17},
};

struct TabEntry {
    CommandId command;
    int captionSlot;     // -1: the caption is not in the language table
    const char* caption; // then this one
};
constexpr TabEntry kTabs[MainFrameLayout::kLibraryTabs] = {
    {CommandId::TabFrame, 8, nullptr},      {CommandId::TabMask, 22, nullptr}, {CommandId::TabClipart, 10, nullptr},
    {CommandId::TabTuning, -1, "Tuning"},   {CommandId::TabText, 14, nullptr}, {CommandId::TabBrush, -1, "Brush"},
};

QString tabCaption(const TabEntry& tab)
{
    return tab.captionSlot < 0 ? QString::fromLatin1(tab.caption) : LangString(tab.captionSlot);
}

SkinButton::Skin captionSkin(const QString& kind)
{
    const auto art = [&](const char* state) { return ShellArt::path(QStringLiteral("caption_%1_%2").arg(kind, state)); };
    return {art("normal"), art("hot"), art("pressed"), art("disabled")};
}

Qt::Edges edgesOf(MainFrameLayout::Border border)
{
    using B = MainFrameLayout::Border;
    switch (border) {
    case B::Left: return Qt::LeftEdge;
    case B::Right: return Qt::RightEdge;
    case B::Top: return Qt::TopEdge;
    case B::Bottom: return Qt::BottomEdge;
    case B::TopLeft: return Qt::TopEdge | Qt::LeftEdge;
    case B::TopRight: return Qt::TopEdge | Qt::RightEdge;
    case B::BottomLeft: return Qt::BottomEdge | Qt::LeftEdge;
    case B::BottomRight: return Qt::BottomEdge | Qt::RightEdge;
    case B::None: break;
    }
    return {};
}

Qt::CursorShape sizingCursor(MainFrameLayout::Border border)
{
    using B = MainFrameLayout::Border;
    switch (border) {
    case B::Left:
    case B::Right: return Qt::SizeHorCursor;
    case B::Top:
    case B::Bottom: return Qt::SizeVerCursor;
    case B::TopLeft:
    case B::BottomRight: return Qt::SizeFDiagCursor;
    case B::TopRight:
    case B::BottomLeft: return Qt::SizeBDiagCursor;
    case B::None: break;
    }
    return Qt::ArrowCursor;
}

} // namespace

MainFrame::MainFrame(std::unique_ptr<StartupLibraryFiles> libraryFiles, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_libraryFiles(std::move(libraryFiles)), m_prompter(prompter)
{
    registerWindowResources();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(MainFrameLayout::kMinimumSize);

    createCaption();
    createLibraryArea();
    createCanvas();
    createToolbar();
    if (std::vector<PhotoListEntry>* entries = m_libraryFiles->photoEntries()) {
        auto import = std::make_unique<PhotoImport>(*entries);
        m_photoImport = import.get();
        m_importWorker = std::move(import);
        m_importProgress = new ImportProgressWindow(this);
        m_importProgress->follow(m_photoImport);
        m_photoPanel->setEntries(entries);
        connect(m_photoImport, &PhotoImport::photoImported, m_photoPanel, &PhotoLibraryPanel::entriesChanged);
        // One word at the end of a run about every file left out, never a box per file.
        connect(m_photoImport, &PhotoImport::importFinished, this, [this] {
            if (const QString summary = m_photoImport->summary(); !summary.isEmpty())
                m_prompter.message(summary, Prompter::Icon::Warning);
        });
    }
    registerCommands();

    m_shortcuts = new AltShortcuts(this);
    connect(m_shortcuts, &AltShortcuts::commandTriggered, this, &MainFrame::runCommand);
    m_inputFilter = new ShellInputFilter(this, {
                                                   [this] { runCommand(CommandId::Undo); },
                                                   [this] { runCommand(CommandId::Redo); },
                                                   [this] { return m_previewing; },
                                                   [this] { leavePreview(); },
                                               });
    m_inputFilter->setEscapeReceiver(m_canvas);

    showPanel(LibraryPanelSlot::Frame);
    updateToolbar();
    resize(1024, 700);
    applyLayout();
}

MainFrame::~MainFrame()
{
    if (m_dropCursorShown)
        QGuiApplication::restoreOverrideCursor();
    stopImportWorker();
}

void MainFrame::createCaption()
{
    m_captionClose = new SkinButton(int(CommandId::CaptionClose), this);
    m_captionClose->setSkin(captionSkin(QStringLiteral("close")));
    m_captionMaximise = new SkinButton(int(CommandId::CaptionMaximise), this);
    m_captionMaximise->setSkin(captionSkin(QStringLiteral("maximise")));
    m_captionMinimise = new SkinButton(int(CommandId::CaptionMinimise), this);
    m_captionMinimise->setSkin(captionSkin(QStringLiteral("minimise")));
    for (SkinButton* button : {m_captionClose, m_captionMaximise, m_captionMinimise}) {
        button->setThreeSlice(false);
        button->setBackground(QColor());
        connect(button, &SkinButton::clicked, this, [this](int id) { runCommand(CommandId(id)); });
    }
    for (int i = 0; i < MainFrameLayout::kMenuBarButtons; ++i) {
        const MenuBarEntry& entry = kMenuBar[i];
        m_menuButtons[size_t(i)] = new MenuBarButton(entry.command, QString(), this);
        connect(m_menuButtons[size_t(i)], &MenuBarButton::clicked, this, &MainFrame::runCommand);
    }
    for (int i = 0; i < MainFrameLayout::kLibraryTabs; ++i) {
        m_tabs[size_t(i)] = new LibraryTab(kTabs[i].command, QString(), this);
        connect(m_tabs[size_t(i)], &LibraryTab::clicked, this, &MainFrame::runCommand);
    }
    retranslate();
}

void MainFrame::retranslate()
{
    for (int i = 0; i < MainFrameLayout::kMenuBarButtons; ++i)
        m_menuButtons[size_t(i)]->setCaption(QLatin1Char('&') + LangString(kMenuBar[i].captionSlot));
    for (int i = 0; i < MainFrameLayout::kLibraryTabs; ++i)
        m_tabs[size_t(i)]->setCaption(tabCaption(kTabs[i]));
    update();
}

void MainFrame::createLibraryArea()
{
    m_photoPanel = new PhotoLibraryPanel(this);
    m_importButton = new SkinButton(int(CommandId::ImportButton), this);
    m_importButton->setCaption(QStringLiteral("Import"));
    m_removeButton = new SkinButton(int(CommandId::RemoveButton), this);
    m_removeButton->setCaption(QStringLiteral("Remove"));
    m_addDecorationButton = new SkinButton(int(CommandId::AddDecorationToCanvas), this);
    m_addDecorationButton->setCaption(QStringLiteral("Add to Canvas"));
    m_addDecorationButton->setCursor(Qt::PointingHandCursor);
    for (SkinButton* button : {m_importButton, m_removeButton, m_addDecorationButton})
        connect(button, &SkinButton::clicked, this, [this](int id) { runCommand(CommandId(id)); });

    for (QWidget*& panel : m_libraryPanels)
        panel = createPlaceholder();
    m_decorationStrip = createPlaceholder();
    m_effectKindSelector = createPlaceholder();
    m_colourControl = createPlaceholder();

    connect(m_photoPanel, &PhotoLibraryPanel::photoAddToCanvas, this, &MainFrame::addAnchorPhotoToCanvas);
    connect(m_photoPanel, &PhotoLibraryPanel::canvasContextMenu, this,
            [this](int, const QPoint& at) { showPhotoLibraryContextMenu(at); });
    connect(m_photoPanel, &PhotoLibraryPanel::photoDragMoved, this, &MainFrame::followPhotoDrag);
    connect(m_photoPanel, &PhotoLibraryPanel::photoDragEnded, this, &MainFrame::endPhotoDrag);
}

QWidget* MainFrame::createPlaceholder()
{
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, QColor(0xDD, 0xDD, 0xDD));
    palette.setColor(QPalette::WindowText, QColor(0x70, 0x70, 0x70));
    frame->setPalette(palette);
    return frame;
}

void MainFrame::createCanvas()
{
    m_canvas = new CollageCanvas(this);
    connect(m_canvas, &CollageCanvas::canvasChanged, this, &MainFrame::updateToolbar);
    connect(m_canvas, &CollageCanvas::canvasContextMenu, this, [this] { showCanvasContextMenu(QCursor::pos()); });
    connect(m_canvas, &CollageCanvas::canvasLeavePreview, this, &MainFrame::leavePreview);
    connect(m_canvas, &CollageCanvas::wheelZoomRequested, this, &MainFrame::zoomByWheel);
    connect(m_canvas, &CollageCanvas::fitRequested, this, [this] { applyZoom(ZoomList::kFitIndex); });
    // Wherever the focus is in the window, not only on the canvas.
    auto* fit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this);
    connect(fit, &QShortcut::activated, this, [this] {
        if (!m_previewing)
            applyZoom(ZoomList::kFitIndex);
    });
}

void MainFrame::createToolbar()
{
    for (const ToolbarEntry& entry : ToolbarTable::buttons()) {
        auto* button = new ToolbarButton(entry.command, QString::fromLatin1(entry.art),
                                         QString::fromLatin1(entry.tooltip), this);
        connect(button, &ToolbarButton::clicked, this, &MainFrame::runCommand);
        m_toolbar[size_t(entry.slot)] = button;
    }
    m_zoomBox = new QComboBox(this);
    m_zoomBox->addItems(ZoomList::boxCaptions());
    m_zoomBox->setCurrentIndex(m_zoom.index());
    m_zoomBox->setFocusPolicy(Qt::NoFocus);
    // "100%" has to fit the box's 55 pixels beside the arrow.
    QFont zoomFont = m_zoomBox->font();
    zoomFont.setPixelSize(10);
    m_zoomBox->setFont(zoomFont);
    connect(m_zoomBox, &QComboBox::activated, this, &MainFrame::applyZoom);
}

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

void MainFrame::setTitle(const QString& title)
{
    m_title = title;
    setWindowTitle(title.isEmpty() ? windowTitleText() : title);
    update(MainFrameLayout(size()).captionBar);
}

void MainFrame::photoListLoaded()
{
    m_photoPanel->entriesChanged();
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

SkinButton* MainFrame::captionButton(CommandId id) const
{
    switch (id) {
    case CommandId::CaptionClose: return m_captionClose;
    case CommandId::CaptionMaximise: return m_captionMaximise;
    case CommandId::CaptionMinimise: return m_captionMinimise;
    default: return nullptr;
    }
}

void MainFrame::setLibraryPanel(int slot, QWidget* panel)
{
    if (slot < 0 || slot >= kPanelSlots || !panel)
        return;
    QWidget*& place = m_libraryPanels[size_t(slot)];
    if (place != panel) {
        delete place;
        place = panel;
        panel->setParent(this);
    }
    showPanel(m_currentPanel);
    applyLayout();
}

void MainFrame::setDecorationStrip(QWidget* strip)
{
    if (!strip)
        return;
    delete m_decorationStrip;
    m_decorationStrip = strip;
    strip->setParent(this);
    strip->setVisible(!m_previewing);
    applyLayout();
}

void MainFrame::setEffectKindSelector(QWidget* selector)
{
    if (!selector)
        return;
    delete m_effectKindSelector;
    m_effectKindSelector = selector;
    selector->setParent(this);
    selector->setVisible(!m_previewing);
    applyLayout();
}

void MainFrame::setColourControl(QWidget* control)
{
    if (!control)
        return;
    delete m_colourControl;
    m_colourControl = control;
    control->setParent(this);
    control->setVisible(!m_previewing);
    applyLayout();
}

void MainFrame::applyLayout()
{
    const MainFrameLayout layout(size());
    m_captionClose->setGeometry(layout.captionClose);
    m_captionMaximise->setGeometry(layout.captionMaximise);
    m_captionMinimise->setGeometry(layout.captionMinimise);
    for (int i = 0; i < MainFrameLayout::kMenuBarButtons; ++i)
        m_menuButtons[size_t(i)]->setGeometry(layout.menuBarButtons[size_t(i)]);
    for (int i = 0; i < MainFrameLayout::kLibraryTabs; ++i)
        m_tabs[size_t(i)]->setGeometry(layout.libraryTabs[size_t(i)]);
    for (QWidget* panel : m_libraryPanels)
        panel->setGeometry(layout.libraryPanel);
    for (int i = 0; i < ToolbarTable::kCount; ++i)
        m_toolbar[size_t(i)]->setGeometry(layout.toolbarButtons[size_t(i)]);
    m_zoomBox->setGeometry(layout.zoomBox);
    m_photoPanel->setGeometry(layout.photoLibrary);
    m_importButton->setGeometry(layout.importButton);
    m_removeButton->setGeometry(layout.removeButton);
    placeRightColumn(layout);
    // In preview the canvas covers the client area.
    m_canvas->setGeometry(m_previewing ? rect() : layout.canvas);
    if (m_zoom.fitting() && !m_previewing)
        applyZoom(ZoomList::kFitIndex);
    update();
}

void MainFrame::placeRightColumn(const MainFrameLayout& layout)
{
    m_decorationStrip->setGeometry(layout.decorationStrip);
    m_addDecorationButton->setGeometry(layout.addToCanvasButton);
    m_effectKindSelector->setGeometry(layout.effectKindSelector);
    m_colourControl->setGeometry(layout.colourControl);
}

void MainFrame::updateToolbar()
{
    m_toolbarState.update(m_canvas->project());
    refreshToolbarButtons();
    emit toolbarUpdated();
}

// A button shows enabled when the toolbar rule allows it and its command exists.
void MainFrame::refreshToolbarButtons()
{
    for (const ToolbarEntry& entry : ToolbarTable::buttons())
        m_toolbar[size_t(entry.slot)]->setEnabled(m_toolbarState.isEnabled(entry.slot) &&
                                                 m_commands.isEnabled(entry.command));
}

// Every way of closing saves the photo list: the close button and "Exit", but also
// the window manager's close (Alt+F4, the window menu), so photos imported in this
// session are never lost with the window. The import stops first, so that the
// entries it delivered up to its end are in the saved list.
void MainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_closed && m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
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

void MainFrame::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (isMinimized()) {
        windowIcon().paint(&painter, rect());
        return;
    }
    const QString title = m_title.isEmpty() ? LangString(kTitleSlot) : m_title;
    const QPixmap& surface = m_surface.picture(MainFrameLayout(size()), title, devicePixelRatioF());
    const QRect area = event->rect();
    painter.drawPixmap(area, surface, QRectF(area.topLeft() * surface.devicePixelRatio(),
                                             area.size() * surface.devicePixelRatio()).toRect());
}

void MainFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!isMinimized())
        applyLayout();
}

void MainFrame::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        // The window manager may maximise or restore on its own (a double click it
        // handles, a keyboard shortcut): the caption button follows the real state.
        m_maximised = windowState() & Qt::WindowMaximized;
        if (m_captionMaximise)
            m_captionMaximise->setSkin(captionSkin(m_maximised ? QStringLiteral("restore") : QStringLiteral("maximise")));
    }
}

// The window has no system caption: the caption strip moves it, the borders size
// it. The window system does both, so it works on X11 and Wayland alike.
void MainFrame::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !windowHandle())
        return QWidget::mousePressEvent(event);
    const MainFrameLayout layout(size());
    const QPoint point = event->position().toPoint();
    const MainFrameLayout::Border border = layout.borderAt(point);
    if (border != MainFrameLayout::Border::None && !m_maximised) {
        windowHandle()->startSystemResize(edgesOf(border));
        return;
    }
    if (layout.isCaptionDrag(point)) {
        // The move starts once the pointer travels: an X11 window manager takes the
        // pointer for a move, so the second click of a double-click would never come.
        m_captionPress = point;
        return;
    }
    QWidget::mousePressEvent(event);
}

void MainFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_captionPress.reset();
    QWidget::mouseReleaseEvent(event);
}

void MainFrame::mouseMoveEvent(QMouseEvent* event)
{
    if (m_captionPress && (event->buttons() & Qt::LeftButton)) {
        if ((event->position().toPoint() - *m_captionPress).manhattanLength() >= QApplication::startDragDistance()) {
            m_captionPress.reset();
            if (windowHandle())
                windowHandle()->startSystemMove();
        }
        return;
    }
    m_captionPress.reset();
    const MainFrameLayout::Border border =
        m_maximised ? MainFrameLayout::Border::None : MainFrameLayout(size()).borderAt(event->position().toPoint());
    setCursor(sizingCursor(border));
    QWidget::mouseMoveEvent(event);
}

void MainFrame::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && MainFrameLayout::isCaptionDoubleClick(event->position().toPoint())) {
        m_captionPress.reset();
        toggleMaximised();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace montora
