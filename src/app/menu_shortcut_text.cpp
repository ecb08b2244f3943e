#include "app/menu_shortcut_text.h"

#include <QKeySequence>

namespace montora {

namespace {

constexpr std::uint16_t kEscape = 27;

struct NamedKey {
    std::uint16_t virtualKey;
    int qtKey;
};

// Virtual-key codes of keys that are neither letters, digits nor function keys.
constexpr NamedKey kNamedKeys[] = {
    {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},      {0x0C, Qt::Key_Clear},     {0x0D, Qt::Key_Return},
    {0x13, Qt::Key_Pause},     {0x14, Qt::Key_CapsLock}, {0x1B, Qt::Key_Escape},    {0x20, Qt::Key_Space},
    {0x21, Qt::Key_PageUp},    {0x22, Qt::Key_PageDown}, {0x23, Qt::Key_End},       {0x24, Qt::Key_Home},
    {0x25, Qt::Key_Left},      {0x26, Qt::Key_Up},       {0x27, Qt::Key_Right},     {0x28, Qt::Key_Down},
    {0x2C, Qt::Key_Print},     {0x2D, Qt::Key_Insert},   {0x2E, Qt::Key_Delete},    {0x2F, Qt::Key_Help},
    {0x6A, Qt::Key_Asterisk},  {0x6B, Qt::Key_Plus},     {0x6D, Qt::Key_Minus},     {0x6E, Qt::Key_Period},
    {0x6F, Qt::Key_Slash},     {0x90, Qt::Key_NumLock},  {0x91, Qt::Key_ScrollLock}, {0xBA, Qt::Key_Semicolon},
    {0xBB, Qt::Key_Equal},     {0xBC, Qt::Key_Comma},    {0xBD, Qt::Key_Minus},     {0xBE, Qt::Key_Period},
    {0xBF, Qt::Key_Slash},     {0xC0, Qt::Key_QuoteLeft}, {0xDB, Qt::Key_BracketLeft}, {0xDC, Qt::Key_Backslash},
    {0xDD, Qt::Key_BracketRight}, {0xDE, Qt::Key_Apostrophe},
};

int qtKeyOf(std::uint16_t vk)
{
    if (vk >= 'A' && vk <= 'Z')
        return Qt::Key_A + (vk - 'A');
    if (vk >= '0' && vk <= '9')
        return Qt::Key_0 + (vk - '0');
    if (vk >= 0x60 && vk <= 0x69) // the number pad's digits
        return Qt::Key_0 + (vk - 0x60);
    if (vk >= 0x70 && vk <= 0x87)
        return Qt::Key_F1 + (vk - 0x70);
    for (const NamedKey& named : kNamedKeys)
        if (named.virtualKey == vk)
            return named.qtKey;
    return 0;
}

} // namespace

QString MenuShortcutText::virtualKeyName(std::uint16_t virtualKey)
{
    const int key = qtKeyOf(virtualKey);
    if (key == 0)
        return QString();
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

QString MenuShortcutText::shortcut(const MenuAccelerator& accelerator)
{
    QString text;
    if (accelerator.flags & MenuAccelerator::kControl)
        text += QStringLiteral("Ctrl+");
    if (accelerator.flags & MenuAccelerator::kShift)
        text += QStringLiteral("Shift+");
    if (accelerator.flags & MenuAccelerator::kAlt)
        text += QStringLiteral("Alt+");
    if (accelerator.flags & MenuAccelerator::kVirtualKey)
        text += virtualKeyName(accelerator.key);
    else if (accelerator.key != kEscape && accelerator.key >= 0x20)
        // A control character would show as nothing readable (a NUL even ends the text).
        text += QChar(accelerator.key);
    return text;
}

QString MenuShortcutText::text(const QString& caption, const MenuAccelerator& accelerator)
{
    const QString keys = shortcut(accelerator);
    return keys.isEmpty() ? caption : caption + QLatin1Char('\t') + keys;
}

} // namespace montora
