#include "library/library_record.h"

#include <cstring>

namespace montora {

namespace {

FrameInsets insetsFrom(const std::array<std::uint8_t, 16>& extra)
{
    FrameInsets insets;
    std::memcpy(&insets, extra.data(), sizeof insets);
    return insets;
}

} // namespace

QString layoutName(LibraryLayout layout)
{
    switch (layout) {
    case LibraryLayout::Thumbnail:
        return QStringLiteral("thumbnail");
    case LibraryLayout::Picture:
        return QStringLiteral("picture");
    case LibraryLayout::PictureWithKey:
        return QStringLiteral("picture with mask key");
    case LibraryLayout::PictureWithInsets:
        return QStringLiteral("picture with frame insets");
    }
    return QString();
}

bool hasExtraField(LibraryLayout layout)
{
    return layout == LibraryLayout::PictureWithKey || layout == LibraryLayout::PictureWithInsets;
}

FrameInsets LibraryRecord::insets() const { return insetsFrom(extra); }

void LibraryRecord::setInsets(const FrameInsets& insets) { std::memcpy(extra.data(), &insets, sizeof insets); }

FrameInsets LibraryRecordHeader::insets() const { return insetsFrom(extra); }

} // namespace montora
