#include "canvas/library_resources.h"

namespace montora {

QImage LibraryResources::libraryPicture(int, ColorRef, bool) { return QImage(); }
QImage LibraryResources::brushPicture(int) { return QImage(); }
QImage LibraryResources::framePicture(int) { return QImage(); }
std::optional<FrameWindow> LibraryResources::frameWindow(int) { return std::nullopt; }
QImage LibraryResources::maskPicture(int) { return QImage(); }
std::optional<MaskKeyBytes> LibraryResources::maskKey(int) { return std::nullopt; }
QImage LibraryResources::customMaskPicture(const MaskKeyBytes&) { return QImage(); }
std::optional<CustomMaskBlock> LibraryResources::customMaskBlock(const MaskKeyBytes&) { return std::nullopt; }

Status LibraryResources::addCustomMask(const MaskKeyBytes&, const CustomMaskBlock&)
{
    return Status::error(QStringLiteral("This build cannot add custom masks to the mask library yet."));
}

} // namespace montora
