// The US keyboard layout's characters.
#include "platform/user/key_characters.h"

#include <lumenbox/win/user.h>

namespace lumenbox::win::detail {

namespace {

struct ShiftedKey {
    int virtualKey;
    unsigned char plain;
    unsigned char shifted;
};

// Keys whose character depends on Shift only (Caps Lock affects letters alone).
constexpr ShiftedKey kShiftedKeys[] = {
    {'0', '0', ')'},           {'1', '1', '!'},           {'2', '2', '@'},           {'3', '3', '#'},
    {'4', '4', '$'},           {'5', '5', '%'},           {'6', '6', '^'},           {'7', '7', '&'},
    {'8', '8', '*'},           {'9', '9', '('},           {VK_OEM_1, ';', ':'},      {VK_OEM_PLUS, '=', '+'},
    {VK_OEM_COMMA, ',', '<'},  {VK_OEM_MINUS, '-', '_'},  {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
    {VK_OEM_3, '`', '~'},      {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},     {VK_OEM_6, ']', '}'},
    {VK_OEM_7, '\'', '"'},     {VK_SPACE, ' ', ' '},      {VK_RETURN, 13, 13},       {VK_ESCAPE, 27, 27},
    {VK_BACK, 8, 8},           {VK_TAB, 9, 9},            {VK_MULTIPLY, '*', '*'},   {VK_ADD, '+', '+'},
    {VK_SUBTRACT, '-', '-'},   {VK_DIVIDE, '/', '/'},
};

struct ControlKey {
    int virtualKey;
    unsigned char character;
};

// With Ctrl, besides the letters (1 to 26), only these keys type anything:
// the control characters of the ASCII table they stand next to.
constexpr ControlKey kControlKeys[] = {
    {VK_OEM_4, 27}, {VK_OEM_5, 28}, {VK_OEM_6, 29}, {VK_RETURN, 10},
    {VK_BACK, 127}, {VK_ESCAPE, 27}, {VK_SPACE, ' '},
};

bool Down(const display::KeyStates& keys, int virtualKey) { return keys[static_cast<std::size_t>(virtualKey)] & 0x80; }
bool Toggled(const display::KeyStates& keys, int virtualKey) {
    return keys[static_cast<std::size_t>(virtualKey)] & 0x01;
}
bool IsLetter(int virtualKey) { return virtualKey >= 'A' && virtualKey <= 'Z'; }

std::optional<unsigned char> ControlCharacter(int virtualKey) {
    if (IsLetter(virtualKey)) return static_cast<unsigned char>(virtualKey - 'A' + 1);
    for (const ControlKey& key : kControlKeys)
        if (key.virtualKey == virtualKey) return key.character;
    return std::nullopt;
}

// Keypad digits and the decimal point reach us as such only with Num Lock
// on; without it the same keys move the cursor and type nothing.
std::optional<unsigned char> KeypadCharacter(int virtualKey, bool numLock) {
    if (!numLock) return std::nullopt;
    if (virtualKey == VK_DECIMAL) return '.';
    return static_cast<unsigned char>('0' + (virtualKey - VK_NUMPAD0));
}

}  // namespace

std::optional<unsigned char> CharacterOfKey(int virtualKey, const display::KeyStates& keys) {
    if (virtualKey < 0 || virtualKey > 255) return std::nullopt;
    const bool shift = Down(keys, VK_SHIFT);
    const bool control = Down(keys, VK_CONTROL);
    const bool alt = Down(keys, VK_MENU);
    if (control && alt) return std::nullopt;
    if (control) return ControlCharacter(virtualKey);
    if (IsLetter(virtualKey)) {
        const bool upper = shift != Toggled(keys, VK_CAPITAL);
        return static_cast<unsigned char>(upper ? virtualKey : virtualKey - 'A' + 'a');
    }
    if ((virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD9) || virtualKey == VK_DECIMAL)
        return KeypadCharacter(virtualKey, Toggled(keys, VK_NUMLOCK));
    for (const ShiftedKey& key : kShiftedKeys)
        if (key.virtualKey == virtualKey) return shift ? key.shifted : key.plain;
    return std::nullopt;
}

}  // namespace lumenbox::win::detail
