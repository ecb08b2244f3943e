#pragma once

#include "base/status.h"
#include "library/frame_insets.h"
#include "library/resource_pack.h"

#include <QImage>
#include <QStringList>

#include <optional>

namespace montora {

// Makes resource packs from picture files. Every picture is stored as PNG; its
// thumbnail is the picture itself for cliparts and brushes (that is what those
// libraries keep) and a copy fitted into 120 x 120 for the others. Frames carry
// the given insets, or else the bounding box of their transparent opening.
class ResourcePackBuilder {
public:
    static constexpr int kThumbnailSide = 120;

    // The thumbnail a pack of `kind` carries for `picture`.
    static QImage thumbnailFor(ResourceKind kind, const QImage& picture);

    static Result<ResourcePackRecord> recordFor(ResourceKind kind, const QImage& picture,
                                                std::optional<FrameInsets> insets = std::nullopt);
    static Result<QByteArray> encode(ResourceKind kind, const QStringList& picturePaths,
                                     std::optional<FrameInsets> insets = std::nullopt);
    // Writes the pack whole; an existing file is replaced only when every picture was read.
    static Status build(ResourceKind kind, const QStringList& picturePaths, std::optional<FrameInsets> insets,
                        const QString& outPath);
};

} // namespace montora
