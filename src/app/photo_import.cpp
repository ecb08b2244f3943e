#include "app/photo_import.h"

#include "app/imported_photo.h"
#include "imaging/picture_format.h"
#include "platform/prompter.h"

namespace montora {

PhotoImport::PhotoImport(std::vector<PhotoListEntry>& entries, QObject* parent) : QObject(parent), m_entries(entries)
{
}

PhotoImport::~PhotoImport()
{
    requestStop();
    join();
}

bool PhotoImport::importPhotos(Prompter& prompter)
{
    if (m_busy)
        return false;
    const QStringList picked = prompter.openFiles(PictureFormat::addPhotosFilter(), Prompter::Selection::Multiple);
    return start(picked);
}

bool PhotoImport::start(const QStringList& paths)
{
    if (m_busy || paths.isEmpty())
        return false;
    m_pickedPaths = paths;
    // The last worker has ended (the busy flag is clear): its thread is joined here.
    m_worker.reset();
    ImportWorker::Hooks hooks;
    const int count = int(paths.size());
    hooks.fileStarted = [this, count](int index, const QString& path) { emit fileStarted(index, count, path); };
    hooks.isKnown = [this](const QString& path) { return ImportedPhoto::isAlreadyIn(m_entries, path); };
    hooks.accept = [this](PhotoListEntry entry) { accept(std::move(entry)); };
    hooks.finished = [this](ImportWorker::End end, const QString& missing) { finish(end, missing); };
    ImportWorker::Options options;
    options.minimum = ImportedPhoto::minimumSize();
    options.pause = m_pause;
    m_worker = std::make_unique<ImportWorker>(m_pickedPaths, this, std::move(hooks), options);
    m_busy = true;
    emit importStarted(count);
    m_worker->start();
    return true;
}

void PhotoImport::requestStop()
{
    if (m_worker)
        m_worker->requestStop();
}

void PhotoImport::join()
{
    if (m_worker)
        m_worker->join();
}

void PhotoImport::accept(PhotoListEntry entry)
{
    entry.record.removed = 0;
    // Checked again here: the library may have changed since the worker asked.
    if (ImportedPhoto::isAlreadyIn(m_entries, entry.record.path()))
        return;
    entry.record.position = int(m_entries.size());
    entry.record.state = 0;
    m_entries.push_back(std::move(entry));
    emit photoImported(int(m_entries.size()) - 1);
}

void PhotoImport::finish(ImportWorker::End end, const QString& missingPath)
{
    m_busy = false;
    emit importFinished(end, missingPath);
}

} // namespace montora
