#pragma once

#include "base/status.h"

#include <QString>

namespace montora {

// Mask numbers 1 to BUILTIN_MASK_COUNT are the built-in masks; higher numbers
// are custom or imported masks.
inline constexpr int BUILTIN_MASK_COUNT = 28;

// The built-in mask pack: "mask.cfg" and "tbmask.cfg" as compiled into the
// program, drawn at build time by our own generator.
class MaskPack {
public:
    static inline const QString kMaskResource = QStringLiteral(":/masks/mask.cfg");
    static inline const QString kThumbnailResource = QStringLiteral(":/masks/tbmask.cfg");

    // Writes both files into `folder`, replacing them (the mask-library reset).
    // The thumbnails are written first, so that a failure never leaves a
    // "mask.cfg" that start-up would take as installed without its thumbnails,
    // and a failure leaves both files as they were.
    static Status installBuiltIn(const QString& folder);
    // Whether "mask.cfg" exists in `folder`: what start-up checks.
    static bool isInstalled(const QString& folder);
    // First start: installs the pack when "mask.cfg" is missing; an existing
    // "mask.cfg" is never overwritten. True when it installed.
    static Result<bool> installIfMissing(const QString& folder);
};

} // namespace montora
