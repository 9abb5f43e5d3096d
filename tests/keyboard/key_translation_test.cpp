// Key presses through the headless display, as a user makes them, and the
// bytes the program then reads: every row of the translation tables, with
// the modifiers that decide it, and the characters that come with them.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/win/user.h>

#include "key_test_window.h"

namespace lumenbox {
namespace {

namespace headless = lumenbox::display::headless;
using Bytes = std::vector<std::uint8_t>;

constexpr int Shift = win::VK_SHIFT;
constexpr int Ctrl = win::VK_CONTROL;
constexpr int Alt = win::VK_MENU;

struct TypedKey {
    std::string name;
    int key;
    std::vector<int> modifiers;
    Bytes expected;
};

std::ostream& operator<<(std::ostream& out, const TypedKey& row) { return out << row.name; }

Bytes Ext(int code) { return {0, static_cast<std::uint8_t>(code)}; }
Bytes Ext(int first, int second) { return {0, static_cast<std::uint8_t>(first), 0, static_cast<std::uint8_t>(second)}; }
Bytes Char(int code) { return {static_cast<std::uint8_t>(code)}; }
const Bytes None{};

// Characters reach the queue through WM_CHAR only; Alt combinations bring
// none, and neither does Ctrl+Alt with a key.
std::vector<TypedKey> CharacterRows() {
    return {
        {"Escape", win::VK_ESCAPE, {}, Char(27)},
        {"LetterA", 'A', {}, Char('a')},
        {"ShiftA", 'A', {Shift}, Char('A')},
        {"CtrlA", 'A', {Ctrl}, Char(1)},
        {"Enter", win::VK_RETURN, {}, Char(13)},
        {"Backspace", win::VK_BACK, {}, Char(8)},
        {"Tab", win::VK_TAB, {}, Char(9)},
        {"ShiftTab", win::VK_TAB, {Shift}, Char(9)},
        {"Space", win::VK_SPACE, {}, Char(32)},
        {"Digit7", '7', {}, Char('7')},
        {"ShiftAlone", Shift, {}, None},
        {"CtrlAlone", Ctrl, {}, None},
        {"AltAlone", Alt, {}, None},
    };
}

std::vector<TypedKey> OwnRuleRows() {
    return {
        {"AltBackspace", win::VK_BACK, {Alt}, Ext(14)},
        {"CtrlBackspace", win::VK_BACK, {Ctrl}, Char(127)},
        {"CtrlTab", win::VK_TAB, {Ctrl}, Char(30)},
        {"Clear", win::VK_CLEAR, {}, Ext(76)},
        {"ShiftClear", win::VK_CLEAR, {Shift}, Ext(76)},
        {"AltClear", win::VK_CLEAR, {Alt}, Ext(76)},
        {"CtrlClear", win::VK_CLEAR, {Ctrl}, Ext(143)},
        {"AltEnter", win::VK_RETURN, {Alt}, Ext(166)},
        {"CtrlEnter", win::VK_RETURN, {Ctrl}, Char(10)},
        {"Pause", win::VK_PAUSE, {}, Ext(12)},
        {"CtrlPause", win::VK_PAUSE, {Ctrl}, None},
        {"AltPause", win::VK_PAUSE, {Alt}, Ext(169)},
        {"CtrlAltPauseTestsAltFirst", win::VK_PAUSE, {Ctrl, Alt}, Ext(169)},
        {"AltSpace", win::VK_SPACE, {Alt}, Ext(11)},
        {"Apps", win::VK_APPS, {}, Ext(151)},
        {"ShiftApps", win::VK_APPS, {Shift}, Ext(151)},
        {"CtrlAltApps", win::VK_APPS, {Ctrl, Alt}, Ext(151)},
    };
}

// Cursor and editing keys: plain, Shift ignored, Ctrl, Alt, and Ctrl before Alt.
std::vector<TypedKey> CursorRows() {
    struct Row {
        const char* name;
        int key;
        int plain;
        int ctrl;
        int alt;
    };
    const Row table[] = {
        {"PageUp", win::VK_PRIOR, 73, 132, 153}, {"PageDown", win::VK_NEXT, 81, 118, 161},
        {"End", win::VK_END, 79, 117, 165},      {"Home", win::VK_HOME, 71, 119, 164},
        {"Left", win::VK_LEFT, 75, 115, 155},    {"Up", win::VK_UP, 72, 141, 152},
        {"Right", win::VK_RIGHT, 77, 116, 157},  {"Down", win::VK_DOWN, 80, 145, 160},
        {"Insert", win::VK_INSERT, 82, 146, 162}, {"Delete", win::VK_DELETE, 83, 147, 163},
    };
    std::vector<TypedKey> rows;
    for (const Row& row : table) {
        const std::string name = row.name;
        rows.push_back({name, row.key, {}, Ext(row.plain)});
        rows.push_back({"Shift" + name, row.key, {Shift}, Ext(row.plain)});
        rows.push_back({"Ctrl" + name, row.key, {Ctrl}, Ext(row.ctrl)});
        rows.push_back({"Alt" + name, row.key, {Alt}, Ext(row.alt)});
        rows.push_back({"CtrlAlt" + name, row.key, {Ctrl, Alt}, Ext(row.ctrl)});
    }
    return rows;
}

// Keypad operators: alone only their character; with Ctrl (tested before
// Alt) or Alt an extended key.
std::vector<TypedKey> KeypadOperatorRows() {
    struct Row {
        const char* name;
        int key;
        int character;  // 0: not checked alone
        int ctrl;
        int alt;
    };
    const Row table[] = {
        {"KeypadMultiply", win::VK_MULTIPLY, '*', 149, 70}, {"KeypadAdd", win::VK_ADD, '+', 144, 78},
        {"KeypadSubtract", win::VK_SUBTRACT, '-', 142, 74}, {"KeypadDecimal", win::VK_DECIMAL, 0, 150, 114},
        {"KeypadDivide", win::VK_DIVIDE, '/', 148, 69},
    };
    std::vector<TypedKey> rows;
    for (const Row& row : table) {
        const std::string name = row.name;
        if (row.character != 0) {
            rows.push_back({name, row.key, {}, Char(row.character)});
        }
        rows.push_back({"CtrlAlt" + name, row.key, {Ctrl, Alt}, Ext(row.ctrl)});
        rows.push_back({"Alt" + name, row.key, {Alt}, Ext(row.alt)});
    }
    return rows;
}

// F1 to F12: Shift, then Ctrl, then Alt.
std::vector<TypedKey> FunctionKeyRows() {
    const int plain[12] = {59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 133, 134};
    const int shift[12] = {84, 85, 86, 87, 88, 89, 90, 91, 92, 93, 135, 136};
    const int ctrl[12] = {94, 95, 96, 97, 98, 99, 100, 101, 102, 103, 137, 138};
    const int alt[12] = {104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 139, 140};
    std::vector<TypedKey> rows;
    for (int i = 0; i < 12; ++i) {
        const int key = win::VK_F1 + i;
        const std::string name = "F" + std::to_string(i + 1);
        rows.push_back({name, key, {}, Ext(plain[i])});
        rows.push_back({"Shift" + name, key, {Shift}, Ext(shift[i])});
        rows.push_back({"Ctrl" + name, key, {Ctrl}, Ext(ctrl[i])});
        rows.push_back({"Alt" + name, key, {Alt}, Ext(alt[i])});
        rows.push_back({"ShiftCtrlAlt" + name, key, {Shift, Ctrl, Alt}, Ext(shift[i])});
        rows.push_back({"CtrlAlt" + name, key, {Ctrl, Alt}, Ext(ctrl[i])});
    }
    return rows;
}

// Every other key: Ctrl with a digit, then Alt with a digit or a letter.
std::vector<TypedKey> DigitAndLetterRows() {
    std::vector<TypedKey> rows = {
        {"AltDigit0", '0', {Alt}, Ext(129)},
        {"CtrlAltDigit0", '0', {Ctrl, Alt}, Ext(10, 129)},
        {"AltEscape", win::VK_ESCAPE, {Alt}, None},
        {"CtrlAltA", 'A', {Ctrl, Alt}, Ext(30)},
        {"AltShiftA", 'A', {Alt, Shift}, Ext(30)},
    };
    for (int digit = 1; digit <= 9; ++digit) {
        const int key = '0' + digit;
        const std::string name = "Digit" + std::to_string(digit);
        rows.push_back({"Alt" + name, key, {Alt}, Ext(key + 71)});
        rows.push_back({"CtrlAlt" + name, key, {Ctrl, Alt}, Ext(digit, key + 71)});
    }
    const int scanCodes[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                               49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};
    for (int letter = 0; letter < 26; ++letter) {
        const char name[] = {'A', 'l', 't', static_cast<char>('A' + letter), '\0'};
        rows.push_back({name, 'A' + letter, {Alt}, Ext(scanCodes[letter])});
    }
    return rows;
}

class KeyTranslationTest : public testing::TestWithParam<TypedKey> {
protected:
    static void SetUpTestSuite() { keytest::OpenKeyWindow(); }
    static void TearDownTestSuite() { keytest::CloseKeyWindow(); }
};

TEST_P(KeyTranslationTest, PutsTheBytesOfItsRow) {
    ASSERT_TRUE(IsGraphOpen());
    const TypedKey& row = GetParam();
    EXPECT_EQ(keytest::KeysTyped(row.key, row.modifiers), row.expected);
}

std::string RowName(const testing::TestParamInfo<TypedKey>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Characters, KeyTranslationTest, testing::ValuesIn(CharacterRows()), RowName);
INSTANTIATE_TEST_SUITE_P(OwnRules, KeyTranslationTest, testing::ValuesIn(OwnRuleRows()), RowName);
INSTANTIATE_TEST_SUITE_P(CursorKeys, KeyTranslationTest, testing::ValuesIn(CursorRows()), RowName);
INSTANTIATE_TEST_SUITE_P(KeypadOperators, KeyTranslationTest, testing::ValuesIn(KeypadOperatorRows()), RowName);
INSTANTIATE_TEST_SUITE_P(FunctionKeys, KeyTranslationTest, testing::ValuesIn(FunctionKeyRows()), RowName);
INSTANTIATE_TEST_SUITE_P(DigitsAndLetters, KeyTranslationTest, testing::ValuesIn(DigitAndLetterRows()), RowName);

}  // namespace
}  // namespace lumenbox
