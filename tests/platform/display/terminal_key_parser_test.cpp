// What the terminal display makes of the bytes a terminal sends for keys.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/display/terminal/terminal_key_parser.h"
#include "platform/display/terminal/terminal_key_strokes.h"

namespace lumenbox::display {

void PrintTo(const TerminalKey& key, std::ostream* out) {
    *out << "{vk " << key.virtualKey << (key.shift ? " Shift" : "") << (key.control ? " Ctrl" : "")
         << (key.alt ? " Alt" : "") << "}";
}

namespace {

constexpr int kBack = 0x08, kTab = 0x09, kReturn = 0x0D, kEscape = 0x1B, kSpace = 0x20;
constexpr int kPrior = 0x21, kNext = 0x22, kEnd = 0x23, kHome = 0x24;
constexpr int kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28, kInsert = 0x2D, kDelete = 0x2E;
constexpr int kF1 = 0x70;
constexpr int kOem1 = 0xBA, kOemPlus = 0xBB, kOemMinus = 0xBD, kOem2 = 0xBF, kOem3 = 0xC0, kOem4 = 0xDB;

TerminalKey Plain(int vk) { return TerminalKey{vk, false, false, false}; }
TerminalKey Shift(int vk) { return TerminalKey{vk, true, false, false}; }
TerminalKey Ctrl(int vk) { return TerminalKey{vk, false, true, false}; }
TerminalKey Alt(int vk) { return TerminalKey{vk, false, false, true}; }

std::vector<TerminalKey> Parse(const std::string& bytes) {
    TerminalKeyParser parser;
    std::vector<TerminalKey> keys = parser.Feed(bytes);
    EXPECT_FALSE(parser.Pending()) << "bytes left waiting";
    return keys;
}

using Keys = std::vector<TerminalKey>;

TEST(TerminalKeyParserTest, CharactersAreTheirUsLayoutKeysWithShiftWhereNeeded) {
    EXPECT_EQ(Parse("azAZ"), (Keys{Plain('A'), Plain('Z'), Shift('A'), Shift('Z')}));
    EXPECT_EQ(Parse("09!)"), (Keys{Plain('0'), Plain('9'), Shift('1'), Shift('0')}));
    EXPECT_EQ(Parse("-_=+;:/?`~[{"),
              (Keys{Plain(kOemMinus), Shift(kOemMinus), Plain(kOemPlus), Shift(kOemPlus), Plain(kOem1),
                    Shift(kOem1), Plain(kOem2), Shift(kOem2), Plain(kOem3), Shift(kOem3), Plain(kOem4),
                    Shift(kOem4)}));
}

TEST(TerminalKeyParserTest, ControlBytesAreEnterTabBackspaceOrCtrlLetters) {
    EXPECT_EQ(Parse("\r\n\t \x7f\x08"),
              (Keys{Plain(kReturn), Plain(kReturn), Plain(kTab), Plain(kSpace), Plain(kBack), Plain(kBack)}));
    EXPECT_EQ(Parse("\x01\x03\x1a"), (Keys{Ctrl('A'), Ctrl('C'), Ctrl('Z')}));
}

TEST(TerminalKeyParserTest, ALoneEscapeIsTheKeyOnlyOnceTheLineIsQuiet) {
    TerminalKeyParser parser;
    EXPECT_TRUE(parser.Feed("\x1b").empty());
    EXPECT_TRUE(parser.Pending());
    EXPECT_EQ(parser.Expire(), Keys{Plain(kEscape)});
    EXPECT_FALSE(parser.Pending());
    // Pressed twice in a row, the first needs no wait.
    EXPECT_EQ(parser.Feed("\x1b\x1b"), Keys{Plain(kEscape)});
    EXPECT_EQ(parser.Expire(), Keys{Plain(kEscape)});
}

TEST(TerminalKeyParserTest, EscapeBeforeACharacterIsAltWithThatKey) {
    EXPECT_EQ(Parse("\x1bx\x1bX\x1b\x01"),
              (Keys{Alt('X'), TerminalKey{'X', true, false, true}, TerminalKey{'A', false, true, true}}));
    // "ESC [" is where a sequence starts; cut off there it was Alt+[.
    TerminalKeyParser parser;
    EXPECT_TRUE(parser.Feed("\x1b[").empty());
    EXPECT_EQ(parser.Expire(), Keys{Alt(kOem4)});
}

TEST(TerminalKeyParserTest, CursorAndEditingSequencesInTheirXtermForms) {
    EXPECT_EQ(Parse("\x1b[A\x1b[B\x1b[C\x1b[D\x1bOA\x1bOD"),
              (Keys{Plain(kUp), Plain(kDown), Plain(kRight), Plain(kLeft), Plain(kUp), Plain(kLeft)}));
    EXPECT_EQ(Parse("\x1b[H\x1b[F\x1bOH\x1bOF\x1b[1~\x1b[4~\x1b[7~\x1b[8~"),
              (Keys{Plain(kHome), Plain(kEnd), Plain(kHome), Plain(kEnd), Plain(kHome), Plain(kEnd), Plain(kHome),
                    Plain(kEnd)}));
    EXPECT_EQ(Parse("\x1b[2~\x1b[3~\x1b[5~\x1b[6~"),
              (Keys{Plain(kInsert), Plain(kDelete), Plain(kPrior), Plain(kNext)}));
}

TEST(TerminalKeyParserTest, FunctionKeysOneToTwelve) {
    Keys expected;
    for (int i = 0; i < 12; ++i) expected.push_back(Plain(kF1 + i));
    EXPECT_EQ(Parse("\x1bOP\x1bOQ\x1bOR\x1bOS\x1b[15~\x1b[17~\x1b[18~\x1b[19~\x1b[20~\x1b[21~\x1b[23~\x1b[24~"),
              expected);
    EXPECT_EQ(Parse("\x1b[[A\x1b[[E"), (Keys{Plain(kF1), Plain(kF1 + 4)})) << "the Linux console's forms";
}

TEST(TerminalKeyParserTest, ModifierParametersAddShiftAltAndCtrl) {
    EXPECT_EQ(Parse("\x1b[1;2A\x1b[1;3D\x1b[1;5C\x1b[3;5~\x1b[1;2P\x1b[15;3~"),
              (Keys{Shift(kUp), Alt(kLeft), Ctrl(kRight), Ctrl(kDelete), Shift(kF1), Alt(kF1 + 4)}));
    EXPECT_EQ(Parse("\x1b[1;8H"), (Keys{TerminalKey{kHome, true, true, true}}));
    EXPECT_EQ(Parse("\x1b[Z"), Keys{Shift(kTab)});
}

TEST(TerminalKeyParserTest, ASequenceSplitAcrossReadsIsJoined) {
    TerminalKeyParser parser;
    EXPECT_TRUE(parser.Feed("a\x1b[1").size() == 1);
    EXPECT_TRUE(parser.Pending());
    EXPECT_EQ(parser.Feed(";5A"), Keys{Ctrl(kUp)});
    EXPECT_FALSE(parser.Pending());
}

TEST(TerminalKeyParserTest, UnknownSequencesAndNonAsciiBytesAreDroppedNotMisread) {
    EXPECT_EQ(Parse("\x1b[99~q"), Keys{Plain('Q')});
    EXPECT_EQ(Parse("\x1b[?1;2cw"), Keys{Plain('W')}) << "a terminal's report is no key";
    EXPECT_EQ(Parse("\xc3\xa9z"), Keys{Plain('Z')});
    // Noise that never ends is given up on instead of held for ever.
    TerminalKeyParser parser;
    parser.Feed("\x1b[" + std::string(40, '1'));
    EXPECT_EQ(parser.Feed("b"), Keys{Plain('B')});
}

TEST(TerminalKeyStrokesTest, ModifiersGoDownFirstAndComeUpLast) {
    TerminalKeyStrokes strokes;
    const std::vector<KeyEvent> events = strokes.Strike(TerminalKey{'A', true, true, false});
    struct Expected {
        int vk;
        bool down;
        std::vector<int> held;  // what the state shows down right after
    };
    const std::vector<Expected> expected = {
        {0x10, true, {0x10, 0xA0}},
        {0x11, true, {0x10, 0xA0, 0x11, 0xA2}},
        {'A', true, {0x10, 0xA0, 0x11, 0xA2, 'A'}},
        {'A', false, {0x10, 0xA0, 0x11, 0xA2}},
        {0x11, false, {0x10, 0xA0}},
        {0x10, false, {}},
    };
    ASSERT_EQ(events.size(), expected.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].virtualKey, expected[i].vk) << "event " << i;
        EXPECT_EQ(events[i].down, expected[i].down) << "event " << i;
        EXPECT_FALSE(events[i].repeat);
        KeyStates held{};
        for (int vk : expected[i].held) held[static_cast<std::size_t>(vk)] = 0x80;
        EXPECT_EQ(events[i].states, held) << "event " << i;
    }
    EXPECT_EQ(strokes.Current(), KeyStates{}) << "a terminal never leaves a key held";
}

TEST(TerminalKeyStrokesTest, AltIsTheMenuKey) {
    TerminalKeyStrokes strokes;
    const std::vector<KeyEvent> events = strokes.Strike(TerminalKey{kF1 + 3, false, false, true});
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].virtualKey, 0x12);
    EXPECT_EQ(events[1].states[0x12] & 0x80, 0x80);
    EXPECT_EQ(events[1].states[0xA4] & 0x80, 0x80);
    EXPECT_EQ(events[1].virtualKey, kF1 + 3);
    EXPECT_EQ(events[3].virtualKey, 0x12);
    EXPECT_FALSE(events[3].down);
}

}  // namespace
}  // namespace lumenbox::display
