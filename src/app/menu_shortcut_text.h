#pragma once

#include <QString>

#include <cstdint>

namespace montora {

// A menu item's accelerator record: flag bits and a key, a virtual-key code when
// the virtual-key flag is set, a character otherwise.
struct MenuAccelerator {
    static constexpr std::uint8_t kVirtualKey = 0x01;
    static constexpr std::uint8_t kShift = 0x04;
    static constexpr std::uint8_t kControl = 0x08;
    static constexpr std::uint8_t kAlt = 0x10;

    std::uint8_t flags = 0;
    std::uint16_t key = 0;
};

// How a menu item shows its shortcut: "caption<TAB>Ctrl+Shift+Alt+Key".
class MenuShortcutText {
public:
    static QString text(const QString& caption, const MenuAccelerator& accelerator);
    // The shortcut part alone, empty when the record shows nothing.
    static QString shortcut(const MenuAccelerator& accelerator);
    // The name of a virtual-key code as the keyboard labels it ("F2", "Del", "A");
    // empty for a code with no key behind it.
    static QString virtualKeyName(std::uint16_t virtualKey);
};

} // namespace montora
