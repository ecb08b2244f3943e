#include "app/photo_import.h"

#include "app/imported_photo.h"
#include "imaging/picture_format.h"
#include "platform/prompter.h"

#include <QFileInfo>

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
    m_skipped.clear();
    m_partial.clear();
    m_missing.clear();
    m_imported = 0;
    // The last worker has ended (the busy flag is clear): its thread is joined here.
    m_worker.reset();
    ImportWorker::Hooks hooks;
    const int count = int(paths.size());
    hooks.fileStarted = [this, count](int index, const QString& path) { emit fileStarted(index, count, path); };
    hooks.isKnown = [this](const QString& path) { return ImportedPhoto::isAlreadyIn(m_entries, path); };
    hooks.accept = [this](PhotoListEntry entry) { accept(std::move(entry)); };
    hooks.skipped = [this](const QString& path, const QString& reason) { m_skipped.push_back({path, reason}); };
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
    if (ImportedPhoto::isAlreadyIn(m_entries, entry.record.path())) {
        m_skipped.push_back({entry.record.path(), ImportWorker::alreadyInReason()});
        return;
    }
    ++m_imported;
    if (entry.partial)
        m_partial << entry.record.path();
    entry.record.position = int(m_entries.size());
    entry.record.state = 0;
    m_entries.push_back(std::move(entry));
    emit photoImported(int(m_entries.size()) - 1);
}

namespace {

// The summary names each file before its reason, which need not repeat the full path.
QString withoutPath(QString reason, const QString& path)
{
    const QString quoted = QLatin1Char('"') + path + QLatin1Char('"');
    if (reason.startsWith(quoted))
        reason.replace(0, quoted.size(), QStringLiteral("The file"));
    reason.replace(quoted, QStringLiteral("the file"));
    // A library's own message may quote the path its way.
    return reason.replace(path, QFileInfo(path).fileName());
}

// One line each, up to a screenful.
QString listed(const QStringList& lines)
{
    constexpr int kMostLines = 20;
    QString text;
    for (int i = 0; i < lines.size() && i < kMostLines; ++i)
        text += QLatin1Char('\n') + lines[i];
    if (lines.size() > kMostLines)
        text += QStringLiteral("\n... and %1 more").arg(lines.size() - kMostLines);
    return text;
}

} // namespace

QString PhotoImport::summary() const
{
    if (m_skipped.isEmpty() && m_partial.isEmpty() && m_missing.isEmpty())
        return QString();
    const int tried = m_imported + int(m_skipped.size());
    QString text = QStringLiteral("%1 of %2 files were added to the photo library.").arg(m_imported).arg(tried);
    if (!m_skipped.isEmpty()) {
        QStringList lines;
        for (const SkippedFile& file : m_skipped)
            lines << QStringLiteral("%1: %2").arg(QFileInfo(file.path).fileName(), withoutPath(file.reason, file.path));
        text += QStringLiteral("\n\nNot added:") + listed(lines);
    }
    if (!m_partial.isEmpty()) {
        QStringList lines;
        for (const QString& path : m_partial)
            lines << QFileInfo(path).fileName();
        text += QStringLiteral("\n\nOnly part of the picture could be read (the file is cut short); "
                               "the rest shows grey:")
                + listed(lines);
    }
    if (!m_missing.isEmpty())
        text += QStringLiteral("\n\n%1 no longer exists; the files after it were not read.").arg(m_missing);
    return text;
}

void PhotoImport::finish(ImportWorker::End end, const QString& missingPath)
{
    m_busy = false;
    m_missing = missingPath;
    emit importFinished(end, missingPath);
}

} // namespace montora
