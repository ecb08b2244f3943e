#pragma once

#include "app/recovery_file.h"

#include <QMutex>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

namespace montora {

class CollageProject;

// Keeps a copy of a collage with unsaved changes in the recovery file: every
// interval and after every kEditsPerWrite edits. The collage is encoded on the
// caller's thread (a snapshot of that moment) and written on a worker of its own,
// one write after the other, so the window never waits for the disk and a later
// snapshot never lands before an earlier one.
class CollageAutosave : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultIntervalMs = 60000;
    static constexpr int kEditsPerWrite = 20;
    // MONTORA_AUTOSAVE_SECONDS, when set to a positive number, else the default.
    static int intervalFromEnvironment();

    CollageAutosave(CollageProject& project, RecoveryFile file, int intervalMs, QObject* parent = nullptr);
    // Waits for the write under way; the file stays, as after a crash.
    ~CollageAutosave() override;

    const RecoveryFile& file() const { return m_file; }
    // One edit of the collage; the kEditsPerWrite-th since the last write writes.
    void noteEdit();
    // Writes a snapshot now when the collage has unsaved changes.
    void writeNow();
    // The collage was saved or its changes given up: waits for the writes under
    // way, then removes the recovery file.
    void discard();
    void waitForWrites();
    // The message of the last write that failed, empty when none did.
    QString lastFailure() const;

private:
    CollageProject& m_project;
    RecoveryFile m_file;
    QTimer m_timer;
    QThreadPool m_writer;
    int m_edits = 0;
    mutable QMutex m_failureMutex;
    QString m_lastFailure;
};

} // namespace montora
