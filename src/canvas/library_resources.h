#pragma once

#include "canvas/canvas_resources.h"
#include "canvas/custom_mask_store.h"
#include "library/library_reader.h"
#include "library/library_record.h"
#include "library/mask_library.h"

#include <QString>

namespace montora {

// The canvas's resources read from the library files of a folder (by default the
// data folder, looked up at each call): cliparts and decorations (tinted), brushes,
// frames, masks and the custom-mask copy. Every call opens, reads and closes its
// file, so pictures may be built on several threads at once.
class LibraryResources : public CanvasResources {
public:
    LibraryResources() = default;
    explicit LibraryResources(QString folder) : m_folder(std::move(folder)) {}

    QImage libraryPicture(int id, ColorRef tint, bool tinted) override;
    QImage brushPicture(int index) override;
    QImage framePicture(int index) override;
    std::optional<FrameWindow> frameWindow(int index) override;
    QImage maskPicture(int index) override;
    std::optional<MaskKeyBytes> maskKey(int index) override;
    QImage customMaskPicture(const MaskKeyBytes& key) override;
    std::optional<CustomMaskBlock> customMaskBlock(const MaskKeyBytes& key) override;
    // Appends to "cusmask.cfg", which is created when missing. When that fails the
    // mask is kept in memory, so that the collage that brought it still draws and
    // saves it, and the failure is returned.
    Status addCustomMask(const MaskKeyBytes& key, const CustomMaskBlock& block) override;

private:
    LibraryReader reader() const;
    MaskLibrary masks() const;
    Result<LibraryRecord> maskLibraryRecord(const MaskKeyBytes& key) const;

    QString m_folder; // empty: the data folder
    CustomMaskStore m_unkept;
};

} // namespace montora
