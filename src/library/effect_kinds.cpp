#include "library/effect_kinds.h"

#include "base/label_contrast.h"
#include "library/library_files.h"

#include <array>

namespace montora {

namespace {

constexpr ColorRef kGrey = 0x7F7F7F;
constexpr std::array<ColorRef, EffectKinds::kCount> kColours{kGrey, 0x3C78C8, 0x00B4E0, kGrey, 0x0096FF, 0xC8C800};

QColor qColour(ColorRef colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

} // namespace

ColorRef EffectKinds::colour(int kind) { return isValid(kind) ? kColours[size_t(kind)] : kGrey; }

QString EffectKinds::name(int kind)
{
    static const std::array<QString, kCount> names{QStringLiteral("Chrome"), QStringLiteral("CA"),
                                                   QStringLiteral("Emboss"), QStringLiteral("Cloth"),
                                                   QStringLiteral("Glow"),   QStringLiteral("Neon")};
    return isValid(kind) ? names[size_t(kind)] : QString();
}

QString EffectKinds::toolTip(int kind)
{
    static const std::array<QString, kCount> tips{
        QStringLiteral("Chrome decorations (style 1)"), QStringLiteral("CA decorations (style 2)"),
        QStringLiteral("Emboss decorations (style 3)"), QStringLiteral("Cloth decorations (style 4)"),
        QStringLiteral("Glow decorations (style 5)"),   QStringLiteral("Neon decorations (style 6)")};
    return isValid(kind) ? tips[size_t(kind)] : QString();
}

// A gentle shade: a steeper one made some colours too light at the top for
// black and too dark at the bottom for white.
QColor EffectKinds::tileTop(int kind) { return qColour(colour(kind)).lighter(125); }

QColor EffectKinds::tileBottom(int kind) { return qColour(colour(kind)).darker(105); }

QColor EffectKinds::labelColour(int kind) { return LabelContrast::textOn({tileTop(kind), tileBottom(kind)}); }

int EffectKinds::libraryId(int style, int index) { return style * LibraryFiles::kIdsPerFile + index; }

} // namespace montora
