#include "base/label_contrast.h"
#include "controls_model/colour_table.h"
#include "library/effect_kinds.h"
#include "library/library_panel_rules.h"

#include <gtest/gtest.h>

namespace montora {
namespace {

TEST(LibraryPanelRulesTest, ApplyRequestAndDropKindPerPanelNumber)
{
    const std::optional<int> codes[] = {0, 2, 9, 3, 0, 1, std::nullopt};
    for (int panel = 0; panel < 7; ++panel)
        EXPECT_EQ(LibraryPanelRules::applyRequestCode(panel), codes[panel]) << "panel " << panel;
    EXPECT_EQ(LibraryPanelRules::applyRequestCode(-1), std::nullopt);

    EXPECT_EQ(LibraryPanelRules::dropKind(LibraryPanelRules::kFramePanel), 0);
    EXPECT_EQ(LibraryPanelRules::dropKind(LibraryPanelRules::kMaskPanel), 1);
    EXPECT_EQ(LibraryPanelRules::dropKind(LibraryPanelRules::kClipartPanel), 2);
    EXPECT_EQ(LibraryPanelRules::dropKind(LibraryPanelRules::kDecorationPanel), 4);
    EXPECT_EQ(LibraryPanelRules::dropKind(2), std::nullopt);
    EXPECT_EQ(LibraryPanelRules::dropKind(4), std::nullopt);
}

TEST(LibraryPanelRulesTest, ButtonsPerMode)
{
    EXPECT_EQ(LibraryPanelRules::applyCaption(0), QStringLiteral("Apply"));
    EXPECT_EQ(LibraryPanelRules::applyCaption(1), QStringLiteral("Apply"));
    EXPECT_EQ(LibraryPanelRules::applyCaption(2), QStringLiteral("Add"));
    EXPECT_TRUE(LibraryPanelRules::hasApplyButton(2));
    EXPECT_FALSE(LibraryPanelRules::hasApplyButton(4));
    EXPECT_TRUE(LibraryPanelRules::hasMaskButtons(1));
    EXPECT_FALSE(LibraryPanelRules::hasMaskButtons(0));
}

TEST(EffectKindsTest, KindsShowTheNextStyleInTheirOwnColour)
{
    // COLORREF values: 0x00BBGGRR.
    const ColorRef colours[] = {0x7F7F7F, 0x3C78C8, 0x00B4E0, 0x7F7F7F, 0x0096FF, 0xC8C800};
    for (int kind = 0; kind < EffectKinds::kCount; ++kind) {
        EXPECT_EQ(EffectKinds::style(kind), kind + 1);
        EXPECT_EQ(EffectKinds::colour(kind), colours[kind]);
    }
    EXPECT_EQ(ColourTable::toQColor(EffectKinds::colour(4)), QColor(0xFF, 0x96, 0x00)) << "orange, red first";
    EXPECT_EQ(EffectKinds::style(6), -1);
    EXPECT_EQ(EffectKinds::style(-1), -1);
    EXPECT_EQ(EffectKinds::libraryId(3, 7), 3007);
}

TEST(EffectKindsTest, LabelsReadOnEveryPartOfTheirTile)
{
    // White on the yellow, orange and cyan tiles was 1.5 to 2.4 : 1.
    EXPECT_NEAR(LabelContrast::ratio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_LT(LabelContrast::ratio(Qt::white, ColourTable::toQColor(EffectKinds::colour(2))), 2.0);
    for (int kind = 0; kind < EffectKinds::kCount; ++kind) {
        const QColor label = EffectKinds::labelColour(kind);
        EXPECT_GE(LabelContrast::ratio(label, EffectKinds::tileTop(kind)), LabelContrast::kLeastReadable) << kind;
        EXPECT_GE(LabelContrast::ratio(label, EffectKinds::tileBottom(kind)), LabelContrast::kLeastReadable) << kind;
        EXPECT_TRUE(EffectKinds::toolTip(kind).startsWith(EffectKinds::name(kind))) << kind;
    }
}

} // namespace
} // namespace montora
