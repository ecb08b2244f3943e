#pragma once

#include "app/import_worker.h"
#include "app/stoppable_worker.h"
#include "library/photo_list.h"

#include <QObject>
#include <QStringList>

#include <chrono>
#include <memory>
#include <vector>

namespace montora {

class Prompter;

// Photo import on the user-interface thread: asks for the picture files, runs one
// ImportWorker at a time over them, and accepts each entry it hands back into the
// photo library entries (owned by the caller, who must outlive this object). The
// destructor stops and joins a running worker, so the entries are never touched
// once they are freed.
class PhotoImport : public QObject, public StoppableWorker {
    Q_OBJECT

public:
    struct SkippedFile {
        QString path;
        QString reason;
    };

    explicit PhotoImport(std::vector<PhotoListEntry>& entries, QObject* parent = nullptr);
    ~PhotoImport() override;

    // The import command (10900, 10483, 10601): the multi-select file dialog with
    // the picture filter, then start(). Does nothing while an import runs; returns
    // whether one started. The main window runs it only while it is visible.
    bool importPhotos(Prompter& prompter);
    // Starts a worker over `paths`; refused while one runs or when `paths` is empty.
    bool start(const QStringList& paths);

    // From start() until the receiving side has seen the worker end.
    bool isBusy() const { return m_busy; }
    const QStringList& pickedPaths() const { return m_pickedPaths; }
    const std::vector<PhotoListEntry>& entries() const { return m_entries; }
    // Of the last run, in the order of the picked files.
    const QList<SkippedFile>& skippedFiles() const { return m_skipped; }
    const QStringList& partialFiles() const { return m_partial; }
    int importedCount() const { return m_imported; }
    // What the user is told once a run has ended: the files left out and why, and
    // those that came in only in part. Empty when every file came in whole.
    QString summary() const;

    // IMPORT_STOP and shutdown: ask the worker to stop, and wait for it.
    bool isRunning() const override { return m_worker && m_worker->isRunning(); }
    void requestStop() override;
    void join() override;
    // See ImportWorker::waitUntilHandingOver(); true when no worker runs.
    bool waitUntilHandingOver(std::chrono::milliseconds timeout) const
    {
        return !m_worker || m_worker->waitUntilHandingOver(timeout);
    }

    // The pause between files (10 ms); benchmarks and tests may shorten it.
    void setPause(std::chrono::milliseconds pause) { m_pause = pause; }

signals:
    void importStarted(int fileCount);
    // The worker began reading picked file `index`.
    void fileStarted(int index, int fileCount, const QString& path);
    // PHOTO_IMPORTED: an entry was accepted and appended at `entryIndex`.
    void photoImported(int entryIndex);
    // The run ended (all files done, a stop, or a file that no longer exists).
    void importFinished(montora::ImportWorker::End end, const QString& missingPath);

private:
    void accept(PhotoListEntry entry);
    void finish(ImportWorker::End end, const QString& missingPath);

    std::vector<PhotoListEntry>& m_entries;
    QStringList m_pickedPaths;
    std::unique_ptr<ImportWorker> m_worker;
    QList<SkippedFile> m_skipped;
    QStringList m_partial;
    QString m_missing;
    int m_imported = 0;
    bool m_busy = false;
    std::chrono::milliseconds m_pause{10};
};

} // namespace montora
