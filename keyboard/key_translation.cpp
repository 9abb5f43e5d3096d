// Key-down translation: which bytes a key without a character of its own (or
// with a modifier that gives it a meaning) puts into the key queue. Characters
// come separately, through WM_CHAR.
//
// Most extended codes are those of the PC BIOS keyboard interface (F1 is 59,
// Alt with a letter gives the letter key's scan code); the tables below are
// the reference where the two differ.
#include <algorithm>
#include <array>

#include <lumenbox/keyboard.h>
#include <lumenbox/win/user.h>

namespace lumenbox {

namespace {

enum class Modifier : std::uint8_t { Unused, Shift, Ctrl, Alt };
enum class Emit : std::uint8_t { Nothing, Byte, Extended };

struct KeyOutput {
    Emit emit = Emit::Nothing;
    std::uint8_t code = 0;
};

constexpr KeyOutput Nothing{};
constexpr KeyOutput Ext(int code) { return {Emit::Extended, static_cast<std::uint8_t>(code)}; }
constexpr KeyOutput Byte(int code) { return {Emit::Byte, static_cast<std::uint8_t>(code)}; }

struct ModifierCase {
    Modifier modifier = Modifier::Unused;
    KeyOutput output{};
};

// One key: its modifier cases in the order they are tested (the first whose
// modifier is down decides), then what the key gives with none of them.
// A modifier not named in a rule is ignored for that key.
struct KeyRule {
    std::int32_t key;
    std::array<ModifierCase, 3> cases;
    KeyOutput plain;
};

constexpr ModifierCase WithShift(KeyOutput output) { return {Modifier::Shift, output}; }
constexpr ModifierCase WithCtrl(KeyOutput output) { return {Modifier::Ctrl, output}; }
constexpr ModifierCase WithAlt(KeyOutput output) { return {Modifier::Alt, output}; }

// Cursor, editing and keypad operator keys test Ctrl before Alt.
constexpr KeyRule CtrlThenAlt(int key, KeyOutput plain, int ctrl, int alt) {
    return {key, {WithCtrl(Ext(ctrl)), WithAlt(Ext(alt))}, plain};
}

// Function keys test Shift, then Ctrl, then Alt; each code is an offset from
// the virtual-key code.
constexpr KeyRule FunctionKey(int key) {
    const bool low = key <= win::VK_F10;
    const int plain = low ? key - 53 : key + 11;
    const int shift = low ? key - 28 : key + 13;
    const int ctrl = low ? key - 18 : key + 15;
    const int alt = low ? key - 8 : key + 17;
    return {key, {WithShift(Ext(shift)), WithCtrl(Ext(ctrl)), WithAlt(Ext(alt))}, Ext(plain)};
}

constexpr std::array<KeyRule, 34> KeyRules = {{
    // Keys with a modifier rule of their own.
    {win::VK_BACK, {WithAlt(Ext(14))}, Nothing},
    {win::VK_TAB, {WithCtrl(Byte(30))}, Nothing},  // a single byte, not an extended key
    {win::VK_CLEAR, {WithCtrl(Ext(143))}, Ext(76)},
    {win::VK_RETURN, {WithAlt(Ext(166))}, Nothing},
    {win::VK_PAUSE, {WithAlt(Ext(169)), WithCtrl(Nothing)}, Ext(12)},
    {win::VK_SPACE, {WithAlt(Ext(11))}, Nothing},
    {win::VK_APPS, {}, Ext(151)},
    // Cursor and editing keys; Shift is ignored.
    CtrlThenAlt(win::VK_PRIOR, Ext(73), 132, 153),
    CtrlThenAlt(win::VK_NEXT, Ext(81), 118, 161),
    CtrlThenAlt(win::VK_END, Ext(79), 117, 165),
    CtrlThenAlt(win::VK_HOME, Ext(71), 119, 164),
    CtrlThenAlt(win::VK_LEFT, Ext(75), 115, 155),
    CtrlThenAlt(win::VK_UP, Ext(72), 141, 152),
    CtrlThenAlt(win::VK_RIGHT, Ext(77), 116, 157),
    CtrlThenAlt(win::VK_DOWN, Ext(80), 145, 160),
    CtrlThenAlt(win::VK_INSERT, Ext(82), 146, 162),
    CtrlThenAlt(win::VK_DELETE, Ext(83), 147, 163),
    // Keypad operators: alone they give only their character.
    CtrlThenAlt(win::VK_MULTIPLY, Nothing, 149, 70),
    CtrlThenAlt(win::VK_ADD, Nothing, 144, 78),
    CtrlThenAlt(win::VK_SUBTRACT, Nothing, 142, 74),
    CtrlThenAlt(win::VK_DECIMAL, Nothing, 150, 114),
    CtrlThenAlt(win::VK_DIVIDE, Nothing, 148, 69),
    // Function keys F1 to F12.
    FunctionKey(win::VK_F1), FunctionKey(win::VK_F1 + 1), FunctionKey(win::VK_F1 + 2),
    FunctionKey(win::VK_F1 + 3), FunctionKey(win::VK_F1 + 4), FunctionKey(win::VK_F1 + 5),
    FunctionKey(win::VK_F1 + 6), FunctionKey(win::VK_F1 + 7), FunctionKey(win::VK_F1 + 8),
    FunctionKey(win::VK_F1 + 9), FunctionKey(win::VK_F11), FunctionKey(win::VK_F12),
}};

// Alt with a letter key gives the letter key's make code in scan code set 1,
// found by the virtual-key code (A to Z), whatever the layout would type.
constexpr std::array<std::uint8_t, 26> AltLetterCodes = {
    30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,  // A to M
    49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44,  // N to Z
};

constexpr std::int32_t DigitZero = '0';
constexpr std::int32_t DigitNine = '9';
constexpr std::int32_t LetterA = 'A';
constexpr std::int32_t LetterZ = 'Z';

struct Modifiers {
    bool shift;
    bool ctrl;
    bool alt;
};

// Read per message, never cached: the state that held when this key went down.
Modifiers ReadModifiers() {
    Modifiers down{};
    down.shift = win::GetKeyState(win::VK_SHIFT) < 0;
    down.ctrl = win::GetKeyState(win::VK_CONTROL) < 0;
    down.alt = win::GetKeyState(win::VK_MENU) < 0;
    return down;
}

bool IsDown(Modifier modifier, const Modifiers& down) {
    switch (modifier) {
        case Modifier::Shift:
            return down.shift;
        case Modifier::Ctrl:
            return down.ctrl;
        case Modifier::Alt:
            return down.alt;
        case Modifier::Unused:
            break;
    }
    return false;
}

void Append(KeyOutput output) {
    switch (output.emit) {
        case Emit::Byte:
            PutKey(output.code);
            break;
        case Emit::Extended:
            PutExtendedKey(output.code);
            break;
        case Emit::Nothing:
            break;
    }
}

const KeyRule* FindKeyRule(std::int32_t key) {
    const auto* rule = std::find_if(KeyRules.begin(), KeyRules.end(),
                                    [key](const KeyRule& candidate) { return candidate.key == key; });
    return rule == KeyRules.end() ? nullptr : rule;
}

KeyOutput ApplyKeyRule(const KeyRule& rule, const Modifiers& down) {
    for (const ModifierCase& entry : rule.cases) {
        if (entry.modifier != Modifier::Unused && IsDown(entry.modifier, down)) {
            return entry.output;
        }
    }
    return rule.plain;
}

KeyOutput CtrlWithKey(std::int32_t key) {
    if (key == DigitZero) {
        return Ext(10);
    }
    if (key > DigitZero && key <= DigitNine) {
        return Ext(key - DigitZero);
    }
    return Nothing;
}

KeyOutput AltWithKey(std::int32_t key) {
    if (key == DigitZero) {
        return Ext(129);
    }
    if (key > DigitZero && key <= DigitNine) {
        return Ext(key + 71);
    }
    if (key >= LetterA && key <= LetterZ) {
        return Ext(AltLetterCodes[static_cast<std::size_t>(key - LetterA)]);
    }
    return Nothing;
}

// Keys without a rule of their own: Ctrl and Alt are two independent steps,
// so Ctrl+Alt with a digit appends two extended keys, the Ctrl one first.
void TranslateOtherKey(std::int32_t key, const Modifiers& down) {
    if (down.ctrl) {
        Append(CtrlWithKey(key));
    }
    if (down.alt) {
        Append(AltWithKey(key));
    }
}

}  // namespace

void TranslateKeyDown(std::int32_t key) {
    const Modifiers down = ReadModifiers();
    if (const KeyRule* rule = FindKeyRule(key)) {
        Append(ApplyKeyRule(*rule, down));
    } else {
        TranslateOtherKey(key, down);
    }
}

}  // namespace lumenbox
