#include "library/ui/library_panel.h"

#include "controls/skin_button.h"
#include "controls/skin_scroll_bar.h"
#include "library/library_files.h"
#include "library/library_panel_rules.h"
#include "library/mask_library.h"
#include "platform/data_folder.h"
#include "platform/ui/qt_prompter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace montora {

namespace {

const QColor kBackground(245, 245, 245);
const QColor kCellFrame(222, 222, 222);
const QColor kSelectedFill(204, 224, 248);
const QColor kSelectedFrame(52, 112, 196);

void frameRect(QPainter& painter, const QRect& rect, const QColor& colour, int thickness)
{
    for (int i = 0; i < thickness; ++i) {
        const QRect r = rect.adjusted(i, i, -i, -i);
        if (r.width() <= 0 || r.height() <= 0)
            return;
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
    }
}

} // namespace

LibraryPanel::LibraryPanel(int panel, int mode, QWidget* parent)
    : QWidget(parent),
      m_panel(panel),
      m_mode(mode),
      m_verticalBar(new SkinScrollBar(Qt::Vertical, this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    m_verticalBar->hide();
    connect(m_verticalBar, &SkinScrollBar::canvasVScroll, this, &LibraryPanel::onVerticalScroll);
    m_layout.setButtonStrip(LibraryPanelRules::hasApplyButton(mode));
    if (LibraryPanelRules::hasApplyButton(mode)) {
        m_applyButton = addButton(LibraryPanelRules::kApplyId, LibraryPanelRules::applyCaption(mode), 0);
        connect(m_applyButton, &SkinButton::clicked, this, &LibraryPanel::apply);
    }
    if (LibraryPanelRules::hasMaskButtons(mode)) {
        m_importButton = addButton(LibraryPanelRules::kImportId, LibraryPanelRules::importCaption(), 1);
        m_resetButton = addButton(LibraryPanelRules::kResetId, LibraryPanelRules::resetCaption(), 2);
        connect(m_importButton, &SkinButton::clicked, this, &LibraryPanel::importCustomMask);
        connect(m_resetButton, &SkinButton::clicked, this, &LibraryPanel::resetMasks);
    }
    relayout();
}

LibraryPanel::~LibraryPanel() = default;

SkinButton* LibraryPanel::addButton(int id, const QString& caption, int slot)
{
    auto* button = new SkinButton(id, this);
    button->setCaption(caption);
    button->setProperty("slot", slot);
    return button;
}

void LibraryPanel::setFolder(const QString& folder)
{
    m_folder = LibraryFiles::folderPath(folder);
    m_folderSet = true;
}

QString LibraryPanel::folder() const { return m_folderSet ? m_folder : DataFolder::path(); }

Prompter& LibraryPanel::prompter()
{
    if (m_prompter)
        return *m_prompter;
    if (!m_ownPrompter)
        m_ownPrompter = std::make_unique<QtPrompter>(this);
    return *m_ownPrompter;
}

// -- loading ------------------------------------------------------------------

bool LibraryPanel::load(const QString& fileName, bool keepSelection)
{
    return loadFile(fileName, keepSelection, LibraryThumbnails::Records::Drop);
}

bool LibraryPanel::loadBrushes() { return loadFile(LibraryFiles::kBrushes, true, LibraryThumbnails::Records::Keep); }

QImage LibraryPanel::recordPicture(int k) const { return k >= 0 && k < count() ? m_thumbnails.at(k).record : QImage(); }

bool LibraryPanel::loadFile(const QString& fileName, bool keepSelection, LibraryThumbnails::Records records)
{
    m_fileName = fileName;
    const QString folder = this->folder();
    const QString path = folder.isEmpty() ? QString() : folder + fileName;
    const int box = LibraryGridLayout::kCell - 2 * LibraryGridLayout::kPictureInset;
    const bool complete = m_thumbnails.load(path, QSize(box, box), records).isOk();
    if (!keepSelection) {
        m_layout.setScroll(0);
        select(-1);
    } else if (m_selected >= count()) {
        select(-1);
    }
    relayout();
    return complete;
}

void LibraryPanel::selectStyle(int style, bool keepSelection)
{
    const auto file = LibraryFiles::styleFile(style);
    if (!file)
        return; // an unknown style would address no file: the panel stays as it is
    const int scroll = m_layout.scroll();
    const int selected = m_selected;
    m_style = style;
    load(*file, keepSelection);
    if (keepSelection) {
        scrollTo(scroll);
        setSelectedIndex(selected);
    }
}

// -- layout and scrolling -----------------------------------------------------

void LibraryPanel::relayout()
{
    m_layout.setClientSize(size());
    m_layout.setCount(count());
    for (SkinButton* button : {m_applyButton, m_importButton, m_resetButton}) {
        if (button)
            button->setGeometry(m_layout.buttonRect(button->property("slot").toInt()));
    }
    const int range = m_layout.verticalRange();
    m_verticalBar->setGeometry(m_layout.scrollBarRect());
    m_verticalBar->setVisible(range > 0);
    m_verticalBar->setRange(range);
    m_verticalBar->setPosition(m_layout.scroll());
    update();
}

void LibraryPanel::resizeEvent(QResizeEvent*) { relayout(); }

void LibraryPanel::scrollTo(int position)
{
    m_layout.setScroll(position);
    m_verticalBar->setPosition(m_layout.scroll());
    update();
}

void LibraryPanel::onVerticalScroll(ScrollAction action, int position)
{
    scrollTo(ScrollBarModel::answer(action, m_layout.scroll(), m_layout.verticalRange(), LibraryGridLayout::kCell,
                                    position));
}

void LibraryPanel::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y() * LibraryGridLayout::kCell / LibraryGridLayout::kWheelUnitsPerCell;
    scrollTo(m_layout.scroll() - delta);
    event->accept();
}

// -- painting -----------------------------------------------------------------

QRect LibraryPanel::fittedRect(int k) const
{
    if (k < 0 || k >= count())
        return QRect();
    return LibraryGridLayout::fittedRect(m_thumbnails.at(k).picture.size(), m_layout.pictureBox(k));
}

void LibraryPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setClipRect(QRect(0, 0, width() - LibraryGridLayout::kScrollBarWidth, m_layout.viewHeight()));
    if (m_layout.columns() > 0) {
        for (int k = 0; k < count(); ++k) {
            const QRect cell = m_layout.cellRect(k);
            if (cell.bottom() < 0)
                continue;
            if (cell.top() >= m_layout.viewHeight())
                break;
            paintCell(painter, k);
        }
    }
}

void LibraryPanel::paintCell(QPainter& painter, int k)
{
    const QRect box = m_layout.pictureBox(k);
    if (k == m_selected) {
        painter.fillRect(box, kSelectedFill);
        frameRect(painter, box, kSelectedFrame, 2);
    } else {
        frameRect(painter, box, kCellFrame, 1);
    }
    painter.drawImage(fittedRect(k), m_thumbnails.at(k).picture);
}

// -- selection and drags ------------------------------------------------------

void LibraryPanel::setSelectedIndex(int index)
{
    select(index >= 0 && index < count() ? index : -1);
    if (m_selected >= 0)
        scrollTo(m_layout.scrollToShow(m_selected));
}

void LibraryPanel::select(int index)
{
    if (index == m_selected)
        return;
    m_selected = index;
    update();
    emit selectionChanged(index);
}

void LibraryPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const int k = m_layout.cellAt(point);
    if (k >= 0) {
        select(k);
        m_pressedOnEntry = true;
        m_pressPoint = point;
    } else if (m_layout.inCellArea(point)) {
        select(-1); // a click beside the pictures lets go of the selection
    }
}

void LibraryPanel::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (m_pressedOnEntry && !m_dragging && LibraryGridLayout::startsDrag(m_pressPoint, point)) {
        const auto kind = LibraryPanelRules::dropKind(m_panel);
        m_pressedOnEntry = false;
        if (kind && m_selected >= 0) {
            m_dragging = true;
            emit dragStarted(*kind, QList<int>{m_selected});
        }
    }
    if (m_dragging)
        emit dragMoved(event->globalPosition().toPoint());
}

void LibraryPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_dragging)
        emit dragEnded(event->globalPosition().toPoint());
    m_dragging = false;
    m_pressedOnEntry = false;
}

void LibraryPanel::keyPressEvent(QKeyEvent* event)
{
    const int columns = std::max(1, m_layout.columns());
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -columns; break;
    case Qt::Key_Down: step = columns; break;
    default: QWidget::keyPressEvent(event); return;
    }
    if (count() == 0)
        return;
    const int from = m_selected < 0 ? 0 : m_selected + step;
    setSelectedIndex(std::clamp(from, 0, count() - 1));
}

// -- buttons ------------------------------------------------------------------

void LibraryPanel::apply()
{
    if (m_selected < 0) {
        prompter().message(LibraryPanelRules::nothingSelectedMessage(), Prompter::Icon::Information);
        return;
    }
    if (const auto code = LibraryPanelRules::applyRequestCode(m_panel))
        emit applyRequested(*code, m_selected);
}

void LibraryPanel::showError(const QString& text) { prompter().message(text, Prompter::Icon::Warning); }

void LibraryPanel::importCustomMask()
{
    const QStringList picked =
        prompter().openFiles(LibraryPanelRules::customMaskFilter(), Prompter::Selection::Single);
    if (picked.isEmpty())
        return;
    const auto added = MaskLibrary(folder()).addCustomMask(picked.front());
    if (!added) {
        showError(QStringLiteral("The picture could not be added as a mask.\n%1").arg(added.message()));
        return;
    }
    load(LibraryFiles::kMaskThumbnails, false);
    setSelectedIndex(count() - 1); // the new mask, ready for Apply
    emit libraryChanged();
}

void LibraryPanel::resetMasks()
{
    const auto answer =
        prompter().message(MaskLibrary::kResetQuestion, Prompter::Icon::Warning, Prompter::Buttons::OkCancel);
    if (answer != Prompter::Answer::Ok)
        return;
    const Status reset = MaskLibrary(folder()).reset();
    if (!reset)
        showError(QStringLiteral("The mask library could not be reset.\n%1").arg(reset.message()));
    load(LibraryFiles::kMaskThumbnails, false);
    emit libraryChanged();
}

} // namespace montora
