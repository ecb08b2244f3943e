#include "app/ui/external_drops.h"

#include "app/photo_import.h"
#include "app/ui/main_frame.h"
#include "canvas/collage_project.h"
#include "canvas/ui/collage_canvas.h"
#include "platform/prompter.h"
#include "tools/ui/photo_library_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QShortcut>

namespace montora {

namespace {

// Several photos dropped at once fan out so that each stays visible.
constexpr int kCascadeStep = 24;

} // namespace

ExternalDrops::ExternalDrops(MainFrame& frame, Prompter& prompter, QString dataFolder, ProjectOpener openProject)
    : QObject(&frame), m_frame(frame), m_prompter(prompter), m_dataFolder(std::move(dataFolder)),
      m_openProject(std::move(openProject))
{
    for (QWidget* target : {static_cast<QWidget*>(frame.canvas()), static_cast<QWidget*>(frame.photoLibraryPanel())}) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }
    // Text boxes take Ctrl+V for themselves first (they accept the shortcut override).
    auto* pasteShortcut = new QShortcut(QKeySequence::Paste, &frame);
    pasteShortcut->setContext(Qt::WindowShortcut);
    connect(pasteShortcut, &QShortcut::activated, this, &ExternalDrops::paste);
}

bool ExternalDrops::carriesFiles(const QMimeData& data) { return data.hasUrls() || data.hasImage(); }

bool ExternalDrops::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        // The library strips and the photo library drag by the mouse, without data.
        if (!drag->mimeData() || !carriesFiles(*drag->mimeData()))
            return false;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData())
            return false;
        const bool used = watched == m_frame.canvas()
                              ? dropOnCanvas(*drop->mimeData(), drop->position().toPoint())
                              : dropOnPhotoLibrary(*drop->mimeData());
        drop->setDropAction(Qt::CopyAction);
        drop->setAccepted(used);
        return true;
    }
    default: return false;
    }
}

bool ExternalDrops::dropOnCanvas(const QMimeData& data, QPoint canvasPoint)
{
    const ExternalFiles::Sorted files = ExternalFiles::sort(data.urls());
    if (!files.projects.isEmpty()) {
        openFirstProject(files.projects);
        return true;
    }
    if (files.pictures.isEmpty() && data.hasImage()) {
        const Result<QString> stored = ExternalFiles::storePastedPicture(
            qvariant_cast<QImage>(data.imageData()), ExternalFiles::pastedPicturesFolder(m_dataFolder));
        if (!stored) {
            m_prompter.message(stored.message(), Prompter::Icon::Warning);
            return false;
        }
        return addPhotos({stored.value()}, canvasPoint);
    }
    if (!addPhotos(files.pictures, canvasPoint))
        return false;
    importIntoLibrary(files.pictures);
    return true;
}

bool ExternalDrops::dropOnPhotoLibrary(const QMimeData& data)
{
    const ExternalFiles::Sorted files = ExternalFiles::sort(data.urls());
    if (!files.projects.isEmpty() && files.pictures.isEmpty()) {
        openFirstProject(files.projects);
        return true;
    }
    if (files.pictures.isEmpty())
        return false;
    importIntoLibrary(files.pictures);
    return true;
}

void ExternalDrops::paste()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const QPoint point(m_frame.canvas()->width() / 5, m_frame.canvas()->height() / 5);
    if (!data || !dropOnCanvas(*data, point))
        m_prompter.message(nothingToPasteMessage(), Prompter::Icon::Information);
}

bool ExternalDrops::addPhotos(const QStringList& pictures, QPoint canvasPoint)
{
    CollageCanvas& canvas = *m_frame.canvas();
    CollageProject& project = canvas.project();
    int added = 0;
    QStringList refused;
    for (const QString& path : pictures) {
        const QPoint at = canvasPoint + QPoint(added, added) * kCascadeStep;
        if (const Status status = project.addPhoto(path, project.viewPoint(at)); status.isOk())
            ++added;
        else
            refused << status.message();
    }
    if (added > 0) {
        canvas.recompose();
        emit canvas.canvasChanged();
    }
    if (!refused.isEmpty())
        m_prompter.message(refused.join('\n'), Prompter::Icon::Warning);
    return added > 0;
}

void ExternalDrops::importIntoLibrary(const QStringList& pictures)
{
    // A running import keeps its files; the photos are on the canvas all the same.
    if (PhotoImport* import = m_frame.photoImport(); import && !import->isBusy())
        import->start(pictures);
}

void ExternalDrops::openFirstProject(const QStringList& projects)
{
    if (m_openProject)
        m_openProject(projects.first());
}

} // namespace montora
