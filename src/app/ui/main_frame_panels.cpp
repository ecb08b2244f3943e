#include "app/ui/main_frame_panels.h"

#include "app/ui/main_frame.h"
#include "app/ui/main_frame_text.h"
#include "app/ui/project_session.h"
#include "app/ui/shell_art.h"
#include "canvas/ui/collage_canvas.h"
#include "controls/skin_button.h"
#include "library/effect_kinds.h"
#include "library/library_files.h"
#include "library/library_panel_rules.h"
#include "library/ui/brush_panel.h"
#include "library/ui/decoration_column.h"
#include "library/ui/effect_kind_selector.h"
#include "library/ui/library_panel.h"
#include "library/ui/tint_colour_control.h"
#include "platform/prompter.h"
#include "tools/ui/batch_convert_dialog.h"

#include <QGuiApplication>

#include <cmath>
#include <vector>

namespace montora {

namespace {

struct StripPlace {
    LibraryPanelSlot slot;
    int panel;
    int mode;
    QString file;
};

const std::array<StripPlace, 3>& stripPlaces()
{
    static const std::array<StripPlace, 3> places{{
        {LibraryPanelSlot::Frame, LibraryPanelRules::kFramePanel, LibraryPanelRules::kModeApply,
         LibraryFiles::kFrameThumbnails},
        {LibraryPanelSlot::Mask, LibraryPanelRules::kMaskPanel, LibraryPanelRules::kModeMask,
         LibraryFiles::kMaskThumbnails},
        {LibraryPanelSlot::Clipart, LibraryPanelRules::kClipartPanel, LibraryPanelRules::kModeAdd,
         LibraryFiles::kClipart},
    }};
    return places;
}

QCursor dropCursor()
{
    return QCursor(ShellArt::pixmap(QStringLiteral("cursor_drop"), QSize(32, 32)), 6, 6);
}

} // namespace

MainFramePanels::MainFramePanels(MainFrame& frame, Prompter& prompter, const QString& dataFolder)
    : QObject(&frame), m_frame(frame), m_canvas(*frame.canvas()), m_canvasAlive(frame.canvas()), m_prompter(prompter),
      m_dataFolder(dataFolder), m_resources(dataFolder),
      m_asker(prompter, &frame), m_commands(m_canvas.project(), prompter, m_asker, dataFolder)
{
    m_canvas.project().setResources(&m_resources);
    createStrips(dataFolder);
    createDecorations(dataFolder);
    createBrushPanel(dataFolder);
    new MainFrameText(m_frame, prompter);
    registerProjectCommands();
    m_session = new ProjectSession(m_frame, m_canvas, m_commands, prompter, dataFolder,
                                   [this](std::function<ProjectCommands::Outcome()> command) {
                                       runProjectCommand(command);
                                   });
    m_frame.setHandler(CommandId::BatchConverter, [this] { BatchConvertDialog(m_prompter, &m_frame).exec(); });
    m_frame.setHandler(CommandId::ImportResourcePack, [this] { importResourcePack(); });
    m_canvas.recompose();
}

MainFramePanels::~MainFramePanels()
{
    setDropCursor(false);
    // Whichever goes first, the canvas must not keep a pointer to our resources.
    if (m_canvasAlive && m_canvas.project().resources() == &m_resources)
        m_canvas.project().setResources(nullptr);
}

void MainFramePanels::createStrips(const QString& dataFolder)
{
    for (size_t i = 0; i < stripPlaces().size(); ++i) {
        const StripPlace& place = stripPlaces()[i];
        auto* strip = new LibraryPanel(place.panel, place.mode);
        strip->setFolder(dataFolder);
        strip->setPrompter(&m_prompter);
        strip->load(place.file, false);
        connect(strip, &LibraryPanel::applyRequested, this, &MainFramePanels::apply);
        connectDrags(strip);
        m_strips[i] = strip;
        m_frame.setLibraryPanel(int(place.slot), strip);
    }
    // Imported or reset masks renumber the library; redraw what the canvas shows.
    connect(maskPanel(), &LibraryPanel::libraryChanged, this, [this] {
        m_canvas.dropCaches();
        m_canvas.recompose();
    });
}

void MainFramePanels::createDecorations(const QString& dataFolder)
{
    m_decorations = new DecorationColumn(&m_frame);
    m_decorations->hide();
    m_decorations->setPrompter(&m_prompter);
    m_decorations->setFolder(dataFolder);
    // The window lays the column's parts out itself and has its own button.
    m_decorations->addButton()->hide();
    m_frame.setDecorationStrip(m_decorations->strip());
    m_frame.setEffectKindSelector(m_decorations->selector());
    m_frame.setColourControl(m_decorations->colourControl());
    m_frame.setHandler(CommandId::AddDecorationToCanvas, [this] { m_decorations->addToCanvas(); });
    connect(m_decorations, &DecorationColumn::addDecorationRequested, this, [this](int libraryId) {
        afterCanvasEdit(m_canvas.project().addClipart(libraryId, m_canvas.project().viewPoint(clipartPoint())));
    });
    connect(m_decorations, &DecorationColumn::tintChanged, this, [this](ColorRef colour) {
        m_canvas.project().setEffectTintColour(colour);
        // A selected decoration takes the new tint: it has to be drawn again.
        m_canvas.recompose();
        m_frame.updateToolbar();
    });
    connectDrags(m_decorations);
    m_canvas.project().setEffectTintColour(m_decorations->tint());
}

void MainFramePanels::createBrushPanel(const QString& dataFolder)
{
    m_brushes = new BrushPanel;
    m_brushes->setFolder(dataFolder);
    m_brushes->setPrompter(&m_prompter);
    connect(m_brushes, &BrushPanel::brushChanged, this,
            [this] { m_brushes->applyTo(m_canvas.project().brushSettings()); });
    m_brushes->loadBrushes();
    m_frame.setLibraryPanel(int(LibraryPanelSlot::Brush), m_brushes);
    // Adding a photo or clipart, framing, masking and tuning end brush mode.
    connect(&m_frame, &MainFrame::toolbarUpdated, this, [this] {
        if (m_canvasAlive)
            m_brushes->showBrushMode(m_canvas.project().brushSettings().brushMode);
    });
}

void MainFramePanels::connectDrags(QObject* source)
{
    auto started = [this](int dropKind, const QList<int>& ids) {
        m_pendingKind = dropKind;
        m_pendingIds = ids;
        if (dropKind == LibraryPanelRules::kDropDecoration)
            for (int& id : m_pendingIds)
                id = EffectKinds::libraryId(m_decorations->style(), id);
    };
    if (auto* strip = qobject_cast<LibraryPanel*>(source)) {
        connect(strip, &LibraryPanel::dragStarted, this, started);
        connect(strip, &LibraryPanel::dragMoved, this, &MainFramePanels::followDrag);
        connect(strip, &LibraryPanel::dragEnded, this, &MainFramePanels::endDrag);
    } else if (auto* column = qobject_cast<DecorationColumn*>(source)) {
        connect(column, &DecorationColumn::dragStarted, this, started);
        connect(column, &DecorationColumn::dragMoved, this, &MainFramePanels::followDrag);
        connect(column, &DecorationColumn::dragEnded, this, &MainFramePanels::endDrag);
    }
}

void MainFramePanels::apply(int code, int index)
{
    CollageProject& project = m_canvas.project();
    switch (code) {
    case AddClipart: return afterCanvasEdit(project.addClipart(index, project.viewPoint(clipartPoint())));
    case AddDecoration:
        return afterCanvasEdit(project.addClipart(EffectKinds::libraryId(m_decorations->style(), index),
                                                  project.viewPoint(clipartPoint())));
    case SetMask: return afterCanvasEdit(project.setMask(index));
    case SetFrame: return afterCanvasEdit(project.setFrame(index));
    default: return; // the brush panel's request has no handler
    }
}

void MainFramePanels::dropOnCanvas(QPoint canvasPoint)
{
    if (m_pendingKind < 0 || m_pendingIds.isEmpty())
        return;
    const std::vector<int> ids(m_pendingIds.begin(), m_pendingIds.end());
    CollageProject& project = m_canvas.project();
    afterCanvasEdit(project.applyLibrarySelection(LibraryDrop(m_pendingKind), ids, project.viewPoint(canvasPoint)));
}

void MainFramePanels::importResourcePack()
{
    const QStringList chosen = m_prompter.openFiles(ResourcePack::kOpenFilter, Prompter::Selection::Single);
    if (chosen.isEmpty())
        return;
    const PackImportResult result = ResourcePackImporter(m_dataFolder).import(chosen.first());
    switch (result.outcome) {
    case PackImportResult::Outcome::AlreadyInLibrary: m_prompter.message(result.message); return;
    case PackImportResult::Outcome::Failed:
        m_prompter.message(QStringLiteral("The resource pack could not be imported.\n%1").arg(result.message),
                           Prompter::Icon::Warning);
        return;
    case PackImportResult::Outcome::Imported: reloadAfterImport(result.refresh); return;
    }
}

void MainFramePanels::reloadAfterImport(LibraryRefresh refresh)
{
    // New records go after the old ones, so a selected entry keeps its index.
    switch (refresh) {
    case LibraryRefresh::FramePanel: framePanel()->load(LibraryFiles::kFrameThumbnails, true); break;
    case LibraryRefresh::MaskPanel: maskPanel()->load(LibraryFiles::kMaskThumbnails, true); break;
    case LibraryRefresh::ClipartPanel: clipartPanel()->load(LibraryFiles::kClipart, true); break;
    case LibraryRefresh::BrushPanel: brushPanel()->loadBrushes(); break;
    case LibraryRefresh::None: break;
    }
    emit resourcePackImported(refresh);
}

void MainFramePanels::followDrag(const QPoint& globalPosition)
{
    setDropCursor(m_canvas.isVisible() && m_canvas.rect().contains(m_canvas.mapFromGlobal(globalPosition)));
}

void MainFramePanels::endDrag(const QPoint& globalPosition)
{
    setDropCursor(false);
    const QPoint point = m_canvas.mapFromGlobal(globalPosition);
    if (m_canvas.isVisible() && m_canvas.rect().contains(point))
        dropOnCanvas(point);
    m_pendingKind = -1;
    m_pendingIds.clear();
}

void MainFramePanels::setDropCursor(bool shown)
{
    if (shown == m_dropCursorShown)
        return;
    m_dropCursorShown = shown;
    if (shown)
        QGuiApplication::setOverrideCursor(dropCursor());
    else
        QGuiApplication::restoreOverrideCursor();
}

QPoint MainFramePanels::clipartPoint() const
{
    const CollageProject& project = m_canvas.project();
    const double zoom = project.zoom();
    return QPoint(int(std::trunc(project.width() * zoom / 10)), int(std::trunc(project.height() * zoom / 10)));
}

void MainFramePanels::afterCanvasEdit(const Status& status)
{
    m_canvas.recompose();
    m_frame.updateToolbar();
    if (status)
        return;
    // "Please select a photo on the canvas." is the program's own hint; anything
    // else is a failure the user would otherwise take for success.
    const bool hint = status.message() == CollageProject::kSelectPhotoMessage ||
                      status.message() == CollageProject::kSelectPhotoOrClipartMessage;
    m_prompter.message(status.message(), hint ? Prompter::Icon::Information : Prompter::Icon::Warning);
    if (hint)
        m_canvas.setFocus();
}

void MainFramePanels::registerProjectCommands()
{
    const auto handler = [this](ProjectCommands::Outcome (ProjectCommands::*command)()) {
        return [this, command] { runProjectCommand([this, command] { return (m_commands.*command)(); }); };
    };
    m_frame.setHandler(CommandId::NewProject, handler(&ProjectCommands::newProject));
    m_frame.setHandler(CommandId::OpenProject, handler(&ProjectCommands::openProject));
    m_frame.setHandler(CommandId::SaveProject, handler(&ProjectCommands::saveProject));
    m_frame.setHandler(CommandId::SaveProjectAs, handler(&ProjectCommands::saveProjectAs));
    m_frame.setHandler(CommandId::Setting, handler(&ProjectCommands::collageSettings));
}

void MainFramePanels::openProjectFile(const QString& path)
{
    runProjectCommand([this, &path] { return m_commands.openPath(path); });
}

void MainFramePanels::openProjectFileAsked(const QString& path)
{
    m_frame.bringForward();
    runProjectCommand([this, &path] { return m_commands.openRecent(path); });
}

void MainFramePanels::runProjectCommand(const std::function<ProjectCommands::Outcome()>& command)
{
    const ProjectCommands::Outcome outcome = command();
    switch (outcome) {
    case ProjectCommands::Outcome::ContentsReplaced:
        m_canvas.contentsReplaced();
        // Asked over the opened collage, whose missing photos show as named boxes.
        if (m_commands.offerToRelinkMissingPhotos())
            m_canvas.contentsReplaced();
        break;
    case ProjectCommands::Outcome::SettingsChanged: m_canvas.recompose(); break;
    case ProjectCommands::Outcome::Saved:
    case ProjectCommands::Outcome::Unchanged: break;
    }
    m_frame.updateToolbar();
    if (m_session)
        m_session->afterCommand(outcome);
}

} // namespace montora
