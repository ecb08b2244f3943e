#include "library/effect_kinds.h"

#include "library/library_files.h"

#include <array>

namespace montora {

namespace {

constexpr ColorRef kGrey = 0x7F7F7F;
constexpr std::array<ColorRef, EffectKinds::kCount> kColours{kGrey, 0x3C78C8, 0x00B4E0, kGrey, 0x0096FF, 0xC8C800};

} // namespace

ColorRef EffectKinds::colour(int kind) { return isValid(kind) ? kColours[size_t(kind)] : kGrey; }

QString EffectKinds::name(int kind)
{
    static const std::array<QString, kCount> names{QStringLiteral("Chrome"), QStringLiteral("CA"),
                                                   QStringLiteral("Emboss"), QStringLiteral("Cloth"),
                                                   QStringLiteral("Glow"),   QStringLiteral("Neon")};
    return isValid(kind) ? names[size_t(kind)] : QString();
}

int EffectKinds::libraryId(int style, int index) { return style * LibraryFiles::kIdsPerFile + index; }

} // namespace montora
