#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace montora {

// Replaces a whole file safely: the content goes to a temporary file in the same
// folder, which is renamed over the old file only when every byte was written and
// synced to the disk. On any failure the temporary file is removed, the old file
// stays as it was, and the message names the system's reason ("No space left on
// device", "Read-only file system", "Permission denied").
class AtomicFile {
public:
    // The writer fills a device in memory; nothing touches the disk unless it succeeds.
    using Writer = std::function<Status(QIODevice&)>;

    static Status write(const QString& path, const Writer& writer);
    static Status write(const QString& path, const QByteArray& content);

    // The name of the temporary files beside `path`: "path" + kTemporarySuffix + a random tail.
    static constexpr const char* kTemporarySuffix = ".montora-tmp-";
};

} // namespace montora
