#pragma once

#include "base/status.h"
#include "imaging/bmp_reader.h"
#include "imaging/effect_filter.h"

#include <QImage>
#include <QString>

#include <optional>

namespace montora {

// A picture file to filter into another, saved by the new file's extension. A plain
// 24-bit BMP is filtered straight from the file's bytes, and a BMP result is made
// straight in the new file's bytes, so BMP to BMP costs little more than a copy.
class FileFilter {
public:
    static Result<FileFilter> open(const QString& path);

    Status saveFiltered(EffectFilter::Kind kind, const QString& path, const EffectFilter::Options& options) const;

private:
    std::optional<BmpReader::Loaded> m_loaded; // or else
    QImage m_decoded;
};

} // namespace montora
