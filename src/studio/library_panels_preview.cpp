#include "studio/library_panels_preview.h"

#include "library/library_files.h"
#include "library/library_panel_rules.h"
#include "library/ui/decoration_column.h"
#include "library/ui/library_panel.h"

#include <QLabel>
#include <QPainter>

namespace montora {

namespace {

constexpr int kStripHeight = 123; // as tall as the main window's library strips
constexpr int kColumnWidth = 132;
constexpr int kTitleHeight = 18;
constexpr int kGap = 4;
constexpr int kMaxLines = 8;

} // namespace

LibraryPanelsPreview::LibraryPanelsPreview(const QString& dataFolder, QWidget* parent)
    : QWidget(parent), m_prompter(this), m_log(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Montora Studio - library panels - ") + dataFolder);
    m_frames = addStrip(LibraryPanelRules::kFramePanel, LibraryPanelRules::kModeApply, LibraryFiles::kFrameThumbnails,
                        QStringLiteral("Frames (panel 3, mode 0)"));
    m_masks = addStrip(LibraryPanelRules::kMaskPanel, LibraryPanelRules::kModeMask, LibraryFiles::kMaskThumbnails,
                       QStringLiteral("Masks (panel 1, mode 1)"));
    m_cliparts = addStrip(LibraryPanelRules::kClipartPanel, LibraryPanelRules::kModeAdd, LibraryFiles::kClipart,
                          QStringLiteral("Cliparts (panel 0, mode 2)"));
    for (int i = 0; i < m_strips.size(); ++i) {
        m_strips[i]->setFolder(dataFolder);
        m_strips[i]->load(m_files[i], false);
    }

    m_column = new DecorationColumn(this);
    m_column->setPrompter(&m_prompter);
    m_column->setFolder(dataFolder);
    connect(m_column, &DecorationColumn::addDecorationRequested, this,
            [this](int id) { report(QStringLiteral("add decoration %1").arg(id)); });
    connect(m_column, &DecorationColumn::effectKindChosen, this, [this](int kind) {
        report(QStringLiteral("effect kind %1: style %2").arg(kind).arg(m_column->style()));
    });
    connect(m_column, &DecorationColumn::tintChanged, this,
            [this](ColorRef colour) { report(QStringLiteral("tint 0x%1").arg(colour, 6, 16, QLatin1Char('0'))); });
    connect(m_column, &DecorationColumn::dragStarted, this, [this](int kind, const QList<int>& ids) {
        report(QStringLiteral("decoration drag: drop kind %1, entry %2").arg(kind).arg(ids.value(0)));
    });
    connect(m_column, &DecorationColumn::dragEnded, this,
            [this](const QPoint& at) { report(QStringLiteral("decoration drop at %1,%2").arg(at.x()).arg(at.y())); });

    m_log->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_log->setText(QStringLiteral("Click, Apply, drag, choose an effect kind or a colour: what the panels "
                                  "report is listed here."));
    resize(1000, 640);
}

LibraryPanel* LibraryPanelsPreview::addStrip(int panel, int mode, const QString& fileName, const QString& title)
{
    auto* strip = new LibraryPanel(panel, mode, this);
    strip->setPrompter(&m_prompter);
    connect(strip, &LibraryPanel::applyRequested, this, [this, title](int code, int index) {
        report(QStringLiteral("%1: apply request %2, index %3").arg(title.section(' ', 0, 0)).arg(code).arg(index));
    });
    connect(strip, &LibraryPanel::dragStarted, this, [this, title](int kind, const QList<int>& ids) {
        report(QStringLiteral("%1: drag, drop kind %2, entry %3").arg(title.section(' ', 0, 0)).arg(kind).arg(ids.value(0)));
    });
    connect(strip, &LibraryPanel::dragEnded, this,
            [this](const QPoint& at) { report(QStringLiteral("drop at %1,%2").arg(at.x()).arg(at.y())); });
    connect(strip, &LibraryPanel::libraryChanged, this, [this, strip] {
        report(QStringLiteral("mask library now holds %1 masks").arg(strip->count()));
    });
    m_strips << strip;
    m_titles << title;
    m_files << fileName;
    return strip;
}

void LibraryPanelsPreview::report(const QString& line)
{
    m_lines << line;
    while (m_lines.size() > kMaxLines)
        m_lines.removeFirst();
    m_log->setText(m_lines.join(QLatin1Char('\n')));
}

void LibraryPanelsPreview::resizeEvent(QResizeEvent*)
{
    const int stripWidth = width() - kColumnWidth - 3 * kGap;
    int y = kGap;
    for (LibraryPanel* strip : m_strips) {
        strip->setGeometry(kGap, y + kTitleHeight, stripWidth, kStripHeight);
        y += kTitleHeight + kStripHeight + kGap;
    }
    m_log->setGeometry(kGap, y + kGap, stripWidth, height() - y - 2 * kGap);
    m_column->setGeometry(width() - kColumnWidth - kGap, kGap, kColumnWidth, height() - 2 * kGap);
}

void LibraryPanelsPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(214, 219, 226));
    painter.setPen(QColor(40, 40, 40));
    for (int i = 0; i < m_strips.size(); ++i) {
        const QRect strip = m_strips[i]->geometry();
        painter.drawText(QRect(strip.left(), strip.top() - kTitleHeight, strip.width(), kTitleHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, m_titles[i]);
    }
}

} // namespace montora
