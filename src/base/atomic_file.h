#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace montora {

// Replaces a whole file safely: the content goes to a temporary file in the same
// folder, which is renamed over the old file only when everything was written.
// A crash or a full disk therefore never leaves a half-written file behind.
class AtomicFile {
public:
    using Writer = std::function<Status(QIODevice&)>;

    static Status write(const QString& path, const Writer& writer);
    static Status write(const QString& path, const QByteArray& content);
};

} // namespace montora
