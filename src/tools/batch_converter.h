#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace montora {

// Converts a list of picture files to one format, into one folder. Two files are
// in hand at a time, so the next one decodes while the current one encodes, yet
// the outputs are written and reported in the list's order: progress never runs
// backwards, and of two sources with the same output name the later one wins.
// Every output replaces an existing file only once it is complete.
//
// A stop request lets the file at the head of the list finish and be written;
// the one behind it is dropped unwritten and nothing new starts.
class BatchConverter {
public:
    struct FileResult {
        int index = 0;
        QString source;
        QString output;
        Status status; // a failure: nothing was written for this source
        int done = 0;  // files written so far in this run, this one included
        int total = 0;
    };

    struct Failure {
        QString source;
        QString message;
    };

    struct Summary {
        int total = 0;
        int written = 0;
        bool stopped = false;
        QList<Failure> failures;
    };

    // Both are called on a worker thread; never call run() or wait on the
    // converter from inside them.
    struct Callbacks {
        std::function<void(int index)> started;                 // before the file is read
        std::function<void(const FileResult& result)> finished; // in list order, written or failed
    };

    static constexpr int kFilesInHand = 2;

    // "JPG", "BMP", "GIF", "PNG", "PNM", "TGA", "TIF", "PCX".
    static const QStringList& formats();
    static bool isFormat(const QString& name);
    // The source's file name in `folder`, its extension (the text after the last
    // dot of the name, if any) replaced by the lower-case format name.
    static QString outputPath(const QString& source, const QString& folder, const QString& format);
    // One source read and encoded for `output`'s format as a 24-bit picture
    // (transparent parts on white), without touching any file.
    static Result<QByteArray> encodeFile(const QString& source, const QString& output);

    BatchConverter(QStringList sources, QString format, QString folder);

    BatchConverter(const BatchConverter&) = delete;
    BatchConverter& operator=(const BatchConverter&) = delete;

    void setCallbacks(Callbacks callbacks) { m_callbacks = std::move(callbacks); }
    // 1 converts one file after the other.
    void setFilesInHand(int count) { m_filesInHand = count < 2 ? 1 : kFilesInHand; }

    // Converts the whole list on the calling thread and one helper; returns when
    // every file is written, has failed or was dropped after a stop.
    Summary run();
    // From any thread, also from a signal handler.
    void requestStop() { m_stop.store(true); }
    bool stopRequested() const { return m_stop.load(); }

private:
    void work(Summary& summary);
    bool takeNext(int* index);
    void waitForTurn(int index);
    void endTurn();
    bool droppedByStop(int index);
    void commit(int index, const QString& output, const Result<QByteArray>& bytes, Summary& summary);

    const QStringList m_sources;
    const QString m_format;
    const QString m_folder;
    Callbacks m_callbacks;
    int m_filesInHand = kFilesInHand;

    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_turnChanged;
    int m_next = 0;    // the next index to take
    int m_head = 0;    // the index whose turn it is to be written
    int m_stopAt = -1; // the last index written after a stop
};

} // namespace montora
