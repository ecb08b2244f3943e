#include "tools/ui/photo_library_panel.h"

#include "controls/skin_art.h"
#include "controls/skin_button.h"
#include "controls/skin_scroll_bar.h"
#include "imaging/jpeg_thumbnail.h"
#include "tools/photo_name_text.h"
#include "tools/ui/photo_library_art.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace montora {

namespace {

const QColor kBackground(240, 240, 240);
const QColor kSelectionFrame(100, 100, 100);
const QColor kBandFill(100, 100, 100, 120);
constexpr int kIconSide = 32;
const QColor kPartialMark(255, 176, 32);
constexpr int kPartialMarkSide = 18;

// A 1-pixel frame drawn inside `rect`.
void frameRect(QPainter& painter, const QRect& rect, const QColor& colour)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), colour);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), colour);
}

} // namespace

PhotoLibraryPanel::PhotoLibraryPanel(QWidget* parent)
    : QWidget(parent),
      m_verticalBar(new SkinScrollBar(Qt::Vertical, this)),
      m_addButton(new SkinButton(kAddToCanvasId, this))
{
    PhotoLibraryArt::ensureLoaded();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::ClickFocus);
    m_verticalBar->hide();
    m_addButton->setSkin(PhotoLibraryArt::addToCanvasSkin());
    // Drawn in three slices, so its rounded ends stay crisp at any panel width.
    m_addButton->setThreeSlice(true);
    m_addButton->setCaption(addToCanvasCaption());
    connect(m_addButton, &SkinButton::clicked, this, [this] { emit photoAddToCanvas(); });
    connect(m_verticalBar, &SkinScrollBar::canvasVScroll, this, &PhotoLibraryPanel::onVerticalScroll);
    m_selection.setEntries(nullptr);
}

void PhotoLibraryPanel::setEntries(std::vector<PhotoListEntry>* entries)
{
    m_entries = entries;
    m_thumbnails.clear();
    m_selection.setEntries(entries);
    relayout();
}

void PhotoLibraryPanel::entriesChanged()
{
    m_selection.rebuild();
    relayout();
}

bool PhotoLibraryPanel::removeSelected()
{
    if (!m_selection.removeSelected())
        return false;
    relayout();
    sendSelection(false);
    return true;
}

void PhotoLibraryPanel::relayout()
{
    m_layout.setClientSize(size());
    m_layout.setCount(m_selection.visibleCount());
    updateScrollBar();
    update();
}

void PhotoLibraryPanel::updateScrollBar()
{
    m_verticalBar->setGeometry(m_layout.scrollBarRect());
    m_addButton->setGeometry(m_layout.buttonRect());
    const int range = m_layout.verticalRange();
    m_verticalBar->setVisible(range > 0);
    m_verticalBar->setRange(range);
    m_verticalBar->setPosition(m_layout.scroll());
}

void PhotoLibraryPanel::scrollTo(int position)
{
    m_layout.setScroll(position);
    m_verticalBar->setPosition(m_layout.scroll());
    update();
}

void PhotoLibraryPanel::onVerticalScroll(ScrollAction action, int position)
{
    scrollTo(ScrollBarModel::answer(action, m_layout.scroll(), m_layout.verticalRange(), PhotoGridLayout::kCell,
                                    position));
}

void PhotoLibraryPanel::resizeEvent(QResizeEvent*) { relayout(); }

QRect PhotoLibraryPanel::fittedRect(int k) const
{
    const PhotoListRecord& record = m_selection.visibleEntry(k).record;
    return PhotoGridLayout::fittedRect(QSize(record.width, record.height), m_layout.pictureBox(k));
}

QString PhotoLibraryPanel::shownName(int k) const
{
    const QFontMetrics metrics(font());
    return PhotoNameText::elide(m_selection.visibleEntry(k).record.name(), m_layout.nameStrip(k).width(),
                                [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
}

bool PhotoLibraryPanel::showsPartialMark(int k) const
{
    return m_selection.visibleEntry(k).partial;
}

QString PhotoLibraryPanel::toolTipText(int k) const
{
    const PhotoListEntry& entry = m_selection.visibleEntry(k);
    if (!entry.partial)
        return entry.record.path();
    return entry.record.path() + QStringLiteral("\nOnly part of this picture could be read: the file is cut short.");
}

bool PhotoLibraryPanel::showsMissingIcon(int k) const
{
    return !QFileInfo::exists(m_selection.visibleEntry(k).record.path());
}

const QImage& PhotoLibraryPanel::thumbnail(int k)
{
    const int index = m_selection.entryIndex(k);
    if (m_thumbnails.size() < m_entries->size())
        m_thumbnails.resize(m_entries->size());
    const PhotoListEntry& entry = (*m_entries)[size_t(index)];
    CachedThumbnail& cached = m_thumbnails[size_t(index)];
    const bool fresh = cached.source.isSharedWith(entry.thumbnail) && cached.quarterTurns == entry.record.quarterTurns;
    if (!fresh) {
        cached.source = entry.thumbnail;
        cached.quarterTurns = entry.record.quarterTurns;
        auto oriented = JpegThumbnail::orient(entry.thumbnail, entry.record.quarterTurns, false);
        cached.image = oriented ? std::move(oriented).value() : QImage();
    }
    return cached.image;
}

// -- painting -----------------------------------------------------------------

void PhotoLibraryPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (m_entries && m_layout.columns() > 0) {
        for (int k = m_layout.firstPaintedCell(); k < m_layout.count() && !m_layout.isBelowPaintedArea(k); ++k)
            paintCell(painter, k);
    }
    if (m_banding)
        painter.fillRect(PhotoGridLayout::bandRect(m_bandPress, m_bandPointer), kBandFill);
}

void PhotoLibraryPanel::paintCell(QPainter& painter, int k)
{
    const PhotoListEntry& entry = m_selection.visibleEntry(k);
    const QRect fitted = fittedRect(k);
    const qreal ratio = devicePixelRatioF();
    PhotoLibraryArt::drawFrame(painter, fitted.adjusted(-1, -1, 2, 2));
    if (!entry.thumbnail.isEmpty() && !fitted.isEmpty()) {
        const QImage& picture = thumbnail(k);
        if (!picture.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(fitted, picture);
        }
    }
    painter.setPen(Qt::black);
    painter.drawText(m_layout.nameStrip(k), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     shownName(k));
    if (!QFileInfo::exists(entry.record.path())) {
        const QRect icon(fitted.x() + (fitted.width() - kIconSide) / 2, fitted.y() + (fitted.height() - kIconSide) / 2,
                         kIconSide, kIconSide);
        painter.drawPixmap(icon.topLeft(), PhotoLibraryArt::missingFileIcon(icon.size(), ratio));
    }
    if (entry.partial)
        paintPartialMark(painter, fitted);
    if (entry.record.state != 0) {
        frameRect(painter, fitted, kSelectionFrame);
        frameRect(painter, fitted.adjusted(1, 1, -1, -1), kSelectionFrame);
        frameRect(painter, fitted.adjusted(2, 2, -2, -2), Qt::white);
    }
}

// A cut file decodes with a grey lower part that looks like the photo itself:
// a warning corner tells the two apart.
void PhotoLibraryPanel::paintPartialMark(QPainter& painter, const QRect& fitted)
{
    const int side = std::min({kPartialMarkSide, fitted.width(), fitted.height()});
    if (side < 6)
        return;
    const QPoint corner = fitted.topRight() + QPoint(1, 0);
    const QPolygon triangle({corner, corner + QPoint(-side, 0), corner + QPoint(0, side)});
    painter.save();
    painter.setPen(QColor(120, 60, 0));
    painter.setBrush(kPartialMark);
    painter.drawPolygon(triangle);
    painter.setPen(Qt::black);
    painter.drawText(QRect(corner.x() - side / 2, corner.y(), side / 2, side / 2), Qt::AlignCenter,
                     QStringLiteral("!"));
    painter.restore();
}

// -- selection ----------------------------------------------------------------

void PhotoLibraryPanel::sendSelection(bool changedByClick)
{
    emit photoSelectionList(m_selection.selectedIds());
    if (changedByClick)
        emit photoSelectionChanged();
}

bool PhotoLibraryPanel::clickAt(QPoint point, Qt::KeyboardModifiers modifiers)
{
    const int k = m_entries ? m_layout.cellAt(point) : -1;
    if (k < 0)
        return false;
    if (m_selection.click(k, modifiers))
        sendSelection(true);
    return true;
}

void PhotoLibraryPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    const QPoint point = event->position().toPoint();
    if (clickAt(point, event->modifiers())) {
        m_pressedOnThumbnail = true;
        m_pressPoint = point;
    } else if (!m_layout.inButtonStrip(point)) {
        m_selection.clear();
        sendSelection(true);
        m_banding = true;
        m_bandPress = point;
        m_bandPointer = point;
    }
    update();
}

void PhotoLibraryPanel::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (m_pressedOnThumbnail && !m_dragStarted && PhotoGridLayout::startsDrag(m_pressPoint, point)) {
        m_dragStarted = true;
        emit photoDragStarted();
    }
    if (m_dragStarted)
        emit photoDragMoved(event->globalPosition().toPoint());
    if (m_banding)
        moveBand(point);
}

void PhotoLibraryPanel::moveBand(QPoint pointer)
{
    int moved = 0;
    if (pointer.y() >= height())
        moved = m_layout.scrollBy(PhotoGridLayout::kCell);
    else if (pointer.y() < 0)
        moved = m_layout.scrollBy(-PhotoGridLayout::kCell);
    if (moved != 0) {
        m_bandPress.ry() -= moved; // the press point stays on the content under it
        m_verticalBar->setPosition(m_layout.scroll());
    }
    m_bandPointer = pointer;
    // Every visible entry counts, also those scrolled out of view, so a band that
    // auto-scrolled keeps the rows it passed.
    const bool changed = m_selection.selectWhere(
        [this](int k) { return PhotoGridLayout::liesInBand(fittedRect(k), m_bandPress, m_bandPointer); });
    if (changed)
        sendSelection(false);
    update();
}

void PhotoLibraryPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_dragStarted)
        emit photoDragEnded(event->globalPosition().toPoint());
    m_banding = false;
    m_pressedOnThumbnail = false;
    m_dragStarted = false;
    update();
}

void PhotoLibraryPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit photoAddToCanvas();
}

void PhotoLibraryPanel::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint point = event->pos();
    if (!clickAt(point, event->modifiers()) && !m_layout.inButtonStrip(point)) {
        m_selection.clear();
        sendSelection(true);
    }
    update();
    emit canvasContextMenu(kContextMenuSource, event->globalPos());
}

void PhotoLibraryPanel::wheelEvent(QWheelEvent* event)
{
    scrollTo(m_layout.scroll() - event->angleDelta().y());
    event->accept();
}

// -- keys and tooltips --------------------------------------------------------

bool PhotoLibraryPanel::event(QEvent* event)
{
    // The arrows and Ctrl+A are taken before anything else (focus moves, shortcuts).
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int k = m_entries ? m_layout.cellAt(help->pos()) : -1;
        if (k >= 0)
            QToolTip::showText(help->globalPos(), toolTipText(k), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

bool PhotoLibraryPanel::handleKey(QKeyEvent* event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        m_selection.selectAll();
        sendSelection(false);
        update();
        return true;
    }
    PhotoSelection::Step step;
    switch (event->key()) {
    case Qt::Key_Left: step = PhotoSelection::Step::Left; break;
    case Qt::Key_Right: step = PhotoSelection::Step::Right; break;
    case Qt::Key_Up: step = PhotoSelection::Step::Up; break;
    case Qt::Key_Down: step = PhotoSelection::Step::Down; break;
    default: return false;
    }
    const int k = m_selection.step(step, m_layout.columns());
    if (k >= 0)
        scrollTo(m_layout.scrollToShow(k));
    update();
    sendSelection(true);
    return true;
}

} // namespace montora
