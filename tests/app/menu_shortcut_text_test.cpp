#include "app/menu_shortcut_text.h"

#include <gtest/gtest.h>

using namespace montora;

namespace {
constexpr std::uint16_t kF2 = 0x71;
}

TEST(MenuShortcutText, ModifiersInTheirOrderThenTheKeyName)
{
    const MenuAccelerator ctrlShiftF2{MenuAccelerator::kControl | MenuAccelerator::kShift |
                                          MenuAccelerator::kVirtualKey,
                                      kF2};
    EXPECT_EQ(MenuShortcutText::text("Rename", ctrlShiftF2), "Rename\tCtrl+Shift+F2");
    const MenuAccelerator ctrlAltF2{MenuAccelerator::kControl | MenuAccelerator::kAlt | MenuAccelerator::kVirtualKey,
                                    kF2};
    EXPECT_EQ(MenuShortcutText::text("Rename", ctrlAltF2), "Rename\tCtrl+Alt+F2");
    const MenuAccelerator all{0x1D, 0x2E};
    EXPECT_EQ(MenuShortcutText::shortcut(all), "Ctrl+Shift+Alt+Del");
}

TEST(MenuShortcutText, KeyNamesOfVirtualKeys)
{
    EXPECT_EQ(MenuShortcutText::virtualKeyName(0x70), "F1");
    EXPECT_EQ(MenuShortcutText::virtualKeyName(0x87), "F24");
    EXPECT_EQ(MenuShortcutText::virtualKeyName('Z'), "Z");
    EXPECT_EQ(MenuShortcutText::virtualKeyName('7'), "7");
    EXPECT_EQ(MenuShortcutText::virtualKeyName(0x0D), "Return");
    EXPECT_EQ(MenuShortcutText::virtualKeyName(0x24), "Home");
    EXPECT_EQ(MenuShortcutText::virtualKeyName(0xFF), "") << "no key behind the code";
}

TEST(MenuShortcutText, CharacterKeysEscapeAndEmptyResults)
{
    EXPECT_EQ(MenuShortcutText::text("Copy", {MenuAccelerator::kControl, 'c'}), "Copy\tCtrl+c");
    EXPECT_EQ(MenuShortcutText::text("Close", {0, 27}), "Close") << "Escape adds nothing, nor a tab";
    EXPECT_EQ(MenuShortcutText::text("Close", {MenuAccelerator::kControl, 27}), "Close\tCtrl+");
    EXPECT_EQ(MenuShortcutText::text("Odd", {MenuAccelerator::kVirtualKey, 0xFF}), "Odd");
    EXPECT_EQ(MenuShortcutText::text("Nul", {0, 0}), "Nul");
}
