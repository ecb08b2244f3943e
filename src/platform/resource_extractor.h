#pragma once

#include "base/status.h"

#include <QString>

namespace montora {

class ResourceExtractor {
public:
    // Writes a compiled-in resource (":/...") to a file, replacing it whole.
    static Status extractToFile(const QString& resource, const QString& path);
};

} // namespace montora
