#include "studio/photo_library_preview.h"

#include "app/photo_import.h"
#include "app/ui/import_progress_window.h"
#include "controls/skin_button.h"
#include "tools/ui/photo_library_panel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <cstdio>

namespace montora {

namespace {

constexpr int kImportId = 10601;
constexpr int kRemoveId = 10602;

QString endName(ImportWorker::End end)
{
    switch (end) {
    case ImportWorker::End::Done: return QStringLiteral("done");
    case ImportWorker::End::Stopped: return QStringLiteral("stopped");
    case ImportWorker::End::Missing: return QStringLiteral("missing file");
    }
    return QString();
}

} // namespace

PhotoLibraryPreview::PhotoLibraryPreview(const QString& dataFolder, QWidget* parent)
    : QWidget(parent),
      m_folder(dataFolder),
      m_prompter(this),
      m_panel(new PhotoLibraryPanel(this)),
      m_importButton(new SkinButton(kImportId, this)),
      m_removeButton(new SkinButton(kRemoveId, this)),
      m_progress(new ImportProgressWindow(this)),
      m_log(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Photo library - Montora Studio"));
    const PhotoList::LoadResult loaded = m_list.load(m_folder);
    m_import = std::make_unique<PhotoImport>(m_list.entries());
    m_panel->setEntries(&m_list.entries());
    m_importButton->setCaption(QStringLiteral("Import"));
    m_removeButton->setCaption(QStringLiteral("Remove"));
    m_log->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_log->setTextFormat(Qt::PlainText);
    m_progress->follow(m_import.get());
    report(loaded.isOk() ? QStringLiteral("%1 photos in %2").arg(m_list.entries().size()).arg(m_folder)
                         : loaded.message);

    connect(m_importButton, &SkinButton::clicked, this, [this] { m_import->importPhotos(m_prompter); });
    connect(m_removeButton, &SkinButton::clicked, this, [this] {
        report(m_panel->removeSelected() ? QStringLiteral("removed the selected photos")
                                         : QStringLiteral("nothing selected to remove"));
    });
    connect(m_import.get(), &PhotoImport::photoImported, m_panel, &PhotoLibraryPanel::entriesChanged);
    connect(m_import.get(), &PhotoImport::importFinished, this, [this](ImportWorker::End end, const QString& missing) {
        const QString where = missing.isEmpty() ? QString() : QStringLiteral(" at \"%1\"").arg(missing);
        report(QStringLiteral("import ended: %1%2; %3 photos").arg(endName(end), where).arg(m_list.entries().size()));
        if (const QString summary = m_import->summary(); !summary.isEmpty())
            report(summary);
    });
    connect(m_panel, &PhotoLibraryPanel::photoSelectionList, this, [this](const QList<int>& ids) {
        QStringList shown;
        for (int id : ids)
            shown << QString::number(id);
        report(QStringLiteral("selection list [%1], anchor %2").arg(shown.join(QLatin1Char(' '))).arg(m_panel->anchor()));
    });
    connect(m_panel, &PhotoLibraryPanel::photoAddToCanvas, this,
            [this] { report(QStringLiteral("add to canvas: entry %1").arg(m_panel->anchor())); });
    connect(m_panel, &PhotoLibraryPanel::photoDragStarted, this, [this] { report(QStringLiteral("drag started")); });
    connect(m_panel, &PhotoLibraryPanel::photoDragEnded, this,
            [this](const QPoint& at) { report(QStringLiteral("dropped at %1, %2").arg(at.x()).arg(at.y())); });
    connect(m_panel, &PhotoLibraryPanel::canvasContextMenu, this,
            [this](int, const QPoint& at) { showContextMenu(at); });
    resize(560, 640);
}

PhotoLibraryPreview::~PhotoLibraryPreview() = default;

void PhotoLibraryPreview::importFiles(const QStringList& paths)
{
    if (!m_import->start(paths))
        report(QStringLiteral("an import is running; nothing started"));
}

void PhotoLibraryPreview::clickCellsWhenIdle(const QList<int>& cells)
{
    QTimer::singleShot(200, this, [this, cells] {
        if (m_import->isBusy()) {
            clickCellsWhenIdle(cells);
            return;
        }
        for (int i = 0; i < cells.size(); ++i) {
            const QPoint at = m_panel->gridLayout().pictureBox(cells[i]).center();
            const Qt::KeyboardModifiers keys = i == 0 ? Qt::NoModifier : Qt::ControlModifier;
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, at, m_panel->mapToGlobal(at), Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, keys);
                QApplication::sendEvent(m_panel, &event);
            }
        }
    });
}

void PhotoLibraryPreview::report(const QString& line)
{
    m_lines.append(line);
    while (m_lines.size() > 30)
        m_lines.removeFirst();
    m_log->setText(m_lines.join(QLatin1Char('\n')));
    std::fprintf(stdout, "%s\n", qPrintable(line));
    std::fflush(stdout);
}

void PhotoLibraryPreview::showContextMenu(const QPoint& globalPosition)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Add to Canvas"), this,
                   [this] { report(QStringLiteral("add to canvas: entry %1").arg(m_panel->anchor())); });
    menu.addAction(QStringLiteral("Import Photo to Library"), this, [this] { m_import->importPhotos(m_prompter); });
    menu.addAction(QStringLiteral("Remove"), this, [this] { m_panel->removeSelected(); });
    menu.exec(globalPosition);
}

void PhotoLibraryPreview::resizeEvent(QResizeEvent*)
{
    // Where the main window puts them: the buttons at (4, 34) and 77 pixels on,
    // the panel from (4, 61) to (158, bottom - 4).
    m_importButton->setGeometry(4, 34, 75, 23);
    m_removeButton->setGeometry(81, 34, 75, 23);
    m_panel->setGeometry(4, 61, 154, height() - 65);
    m_log->setGeometry(172, 34, width() - 180, height() - 42);
}

void PhotoLibraryPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xDD, 0xDD, 0xDD));
}

void PhotoLibraryPreview::save()
{
    if (m_saved)
        return;
    m_saved = true;
    // The worker goes first, so nothing touches the entries while they are written.
    m_import->requestStop();
    m_import->join();
    const Status saved = m_list.save(m_folder);
    report(saved ? QStringLiteral("saved %1").arg(m_folder) : saved.message());
}

void PhotoLibraryPreview::closeEvent(QCloseEvent* event)
{
    save();
    event->accept();
}

} // namespace montora
