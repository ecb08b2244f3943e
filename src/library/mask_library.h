#pragma once

#include "base/status.h"
#include "library/mask_key.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace montora {

// A mask ready for the compose pass: ARGB32 pixels (B,G,R,A in memory, top row
// first) at the record's width and height, and the record's key.
struct MaskPicture {
    QImage pixels;
    MaskKey key;
};

// A custom mask's record without its key: what a collage file carries.
struct EncodedMask {
    int width = 0;
    int height = 0;
    QByteArray bytes; // the encoded picture (PNG for masks made here)
};

// What a photo stores when a mask is applied to it.
struct MaskReference {
    int number = 0;      // 1 to BUILTIN_MASK_COUNT: built-in; higher: custom or imported
    bool custom = false; // set for numbers above BUILTIN_MASK_COUNT
    MaskKey key;         // meaningful when `custom` is set
};

// The masks of one folder (by default the data folder): "mask.cfg" (all masks,
// the built-in ones first), "tbmask.cfg" (their thumbnails, same order) and
// "cusmask.cfg" (the copy of the custom masks that drawing reads by key).
class MaskLibrary {
public:
    enum class CustomCopy { Rebuilt, NoCustomMasks };

    // What the panel asks before reset() (OK and Cancel, exclamation icon).
    static inline const QString kResetQuestion =
        QStringLiteral("Are you sure to replace current mask library\nwith default mask library?");

    MaskLibrary();
    explicit MaskLibrary(const QString& folder);

    const QString& folder() const { return m_folder; }
    QString filePath(const QString& fileName) const { return m_folder.isEmpty() ? QString() : m_folder + fileName; }

    Result<int> count() const;
    Result<MaskPicture> maskPixels(int index) const;
    Result<MaskKey> maskKey(int index) const;
    Result<QImage> customMaskPixels(const MaskKey& key) const;
    Result<EncodedMask> customMaskBytes(const MaskKey& key) const;

    // Panel entry `index` applied to a photo: number index + 1, and for custom
    // masks the flag and the key of that record of "mask.cfg".
    Result<MaskReference> maskReference(int index) const;

    // Puts the built-in pack back; custom masks leave "mask.cfg" and "tbmask.cfg"
    // ("cusmask.cfg" follows at the next rebuild).
    Status reset() const;

    // Makes a custom mask from any picture: its PNG goes to "mask.cfg" and
    // "cusmask.cfg" under a new key, its full-size pixels to "tbmask.cfg". When
    // "mask.cfg" is missing the built-in pack is installed first, so that custom
    // masks are always numbered after the built-in ones.
    Result<MaskKey> addCustomMask(const QString& picturePath) const;
    Result<MaskKey> addCustomMask(const QImage& picture) const;

    // Rewrites "cusmask.cfg" from the custom records of "mask.cfg" (those after
    // the built-in ones). A missing or damaged "mask.cfg" is an error and leaves
    // "cusmask.cfg" as it was.
    Result<CustomCopy> rebuildCustomCopy() const;
    // The rebuild run before the photo list is saved: also deletes "cusmask.cfg"
    // when "mask.cfg" holds no custom masks.
    Result<CustomCopy> refreshCustomCopy() const;

    // Adds a mask carried by a collage file to "cusmask.cfg" only.
    Status appendToCustomCopy(const MaskKey& key, const EncodedMask& mask) const;

    // Makes sure "mask.cfg" exists before anything is appended to it, and that
    // "tbmask.cfg" holds a thumbnail for each of its masks (an add or an import
    // cut short between the two files leaves masks without one).
    Status ensureBuiltInMasks() const;

private:
    QString m_folder;
};

} // namespace montora
