// Keys from the display: which messages they become, the characters
// TranslateMessage makes of them, and GetKeyState's view of them.
#include <future>
#include <thread>

#include "user_test_support.h"

namespace lumenbox::win::testing {
namespace {

class KeyTest : public UserTest {
protected:
    void SetUp() override {
        UserTest::SetUp();
        window_ = CreateShown();
    }

    // The key and character messages that reached the procedure.
    std::vector<Recorded> KeyMessages() {
        PumpQueue();
        std::vector<Recorded> keys;
        for (const Recorded& r : Log().Entries())
            if (r.message >= WM_KEYDOWN && r.message <= WM_SYSCHAR) keys.push_back(r);
        Log().Clear();
        return keys;
    }

    // The characters (WM_CHAR or WM_SYSCHAR) that typing the key made.
    std::vector<int> CharactersOf(int key, std::initializer_list<int> modifiers = {}, UINT type = WM_CHAR) {
        headless::TypeKey(key, modifiers);
        std::vector<int> characters;
        for (const Recorded& r : KeyMessages())
            if (r.message == WM_CHAR || r.message == WM_SYSCHAR) {
                EXPECT_EQ(r.message, type);
                characters.push_back(static_cast<int>(r.wParam));
            }
        return characters;
    }

    HWND window_ = nullptr;
};

using Chars = std::vector<int>;

TEST_F(KeyTest, LettersFollowShiftAndCapsLock) {
    EXPECT_EQ(CharactersOf('A'), Chars{'a'});
    EXPECT_EQ(CharactersOf('Z', {VK_SHIFT}), Chars{'Z'});
    headless::SetToggle(VK_CAPITAL, true);
    EXPECT_EQ(CharactersOf('Q'), Chars{'Q'});
    EXPECT_EQ(CharactersOf('Q', {VK_SHIFT}), Chars{'q'});
    EXPECT_EQ(CharactersOf('5'), Chars{'5'}) << "Caps Lock leaves digits alone";
}

TEST_F(KeyTest, DigitsAndPunctuationFollowTheUsLayout) {
    struct Case {
        int key;
        int plain;
        int shifted;
    };
    const Case cases[] = {
        {'1', '1', '!'},          {'2', '2', '@'},          {'6', '6', '^'},         {'0', '0', ')'},
        {VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},  {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'},
        {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},    {VK_OEM_3, '`', '~'},    {VK_OEM_4, '[', '{'},
        {VK_OEM_5, '\\', '|'},    {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CharactersOf(c.key), Chars{c.plain}) << "key " << c.key;
        EXPECT_EQ(CharactersOf(c.key, {VK_SHIFT}), Chars{c.shifted}) << "Shift+key " << c.key;
    }
}

TEST_F(KeyTest, ControlKeysTypeTheirAsciiCodes) {
    EXPECT_EQ(CharactersOf(VK_RETURN), Chars{13});
    EXPECT_EQ(CharactersOf(VK_ESCAPE), Chars{27});
    EXPECT_EQ(CharactersOf(VK_BACK), Chars{8});
    EXPECT_EQ(CharactersOf(VK_TAB), Chars{9});
    EXPECT_EQ(CharactersOf(VK_SPACE), Chars{32});
    EXPECT_EQ(CharactersOf(VK_F1), Chars{});
    EXPECT_EQ(CharactersOf(VK_UP), Chars{});
    EXPECT_EQ(CharactersOf(VK_SHIFT), Chars{});
}

TEST_F(KeyTest, CtrlMakesControlCharacters) {
    EXPECT_EQ(CharactersOf('A', {VK_CONTROL}), Chars{1});
    EXPECT_EQ(CharactersOf('Z', {VK_CONTROL}), Chars{26});
    EXPECT_EQ(CharactersOf('C', {VK_LCONTROL}), Chars{3}) << "either Ctrl key";
    EXPECT_EQ(CharactersOf(VK_OEM_4, {VK_CONTROL}), Chars{27});
    EXPECT_EQ(CharactersOf(VK_OEM_5, {VK_CONTROL}), Chars{28});
    EXPECT_EQ(CharactersOf(VK_OEM_6, {VK_CONTROL}), Chars{29});
    EXPECT_EQ(CharactersOf(VK_RETURN, {VK_CONTROL}), Chars{10});
    EXPECT_EQ(CharactersOf(VK_BACK, {VK_CONTROL}), Chars{127});
    EXPECT_EQ(CharactersOf(VK_TAB, {VK_CONTROL}), Chars{});
    EXPECT_EQ(CharactersOf('1', {VK_CONTROL}), Chars{});
    EXPECT_EQ(CharactersOf('A', {VK_CONTROL, VK_MENU}), Chars{}) << "Ctrl+Alt types nothing";
    EXPECT_EQ(CharactersOf('1', {VK_CONTROL, VK_MENU}), Chars{});
}

TEST_F(KeyTest, KeypadDigitsNeedNumLockOperatorsDoNot) {
    EXPECT_EQ(CharactersOf(VK_NUMPAD0 + 5), Chars{});
    EXPECT_EQ(CharactersOf(VK_DECIMAL), Chars{});
    EXPECT_EQ(CharactersOf(VK_MULTIPLY), Chars{'*'});
    EXPECT_EQ(CharactersOf(VK_ADD), Chars{'+'});
    EXPECT_EQ(CharactersOf(VK_SUBTRACT), Chars{'-'});
    EXPECT_EQ(CharactersOf(VK_DIVIDE), Chars{'/'});
    headless::TypeKey(VK_NUMLOCK);
    EXPECT_EQ(CharactersOf(VK_NUMPAD0 + 5), Chars{'5'});
    EXPECT_EQ(CharactersOf(VK_NUMPAD9), Chars{'9'});
    EXPECT_EQ(CharactersOf(VK_DECIMAL), Chars{'.'});
    headless::TypeKey(VK_NUMLOCK);
    EXPECT_EQ(CharactersOf(VK_NUMPAD0), Chars{}) << "Num Lock toggled off again";
}

TEST_F(KeyTest, AltKeysAreSystemKeys) {
    EXPECT_EQ(CharactersOf('A', {VK_MENU}, WM_SYSCHAR), Chars{'a'});
    headless::TypeKey('A', {VK_MENU});
    const auto keys = KeyMessages();
    ASSERT_EQ(keys.size(), 5u);
    EXPECT_EQ(keys[0].message, WM_SYSKEYDOWN);
    EXPECT_EQ(keys[0].wParam, static_cast<WPARAM>(VK_MENU));
    EXPECT_EQ(keys[1].message, WM_SYSKEYDOWN);
    EXPECT_EQ(keys[1].wParam, WPARAM{'A'});
    EXPECT_EQ(keys[2].message, WM_SYSCHAR);
    EXPECT_EQ(keys[3].message, WM_SYSKEYUP);
    EXPECT_EQ(keys[3].wParam, WPARAM{'A'});
    EXPECT_EQ(keys[4].message, WM_SYSKEYUP);
    EXPECT_EQ(keys[4].wParam, static_cast<WPARAM>(VK_MENU));
    // Bit 29: Alt down; 30: was down; 31: released.
    EXPECT_EQ(keys[1].lParam, LPARAM{1} | (LPARAM{1} << 29));
    EXPECT_EQ(keys[3].lParam, LPARAM{1} | (LPARAM{1} << 29) | (LPARAM{1} << 30) | (LPARAM{1} << 31));
}

TEST_F(KeyTest, F10IsASystemKeyCtrlAltIsNot) {
    headless::TypeKey(VK_F10);
    auto keys = KeyMessages();
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].message, WM_SYSKEYDOWN);
    EXPECT_EQ(keys[1].message, WM_SYSKEYUP);

    headless::TypeKey('X', {VK_CONTROL, VK_MENU});
    keys = KeyMessages();
    ASSERT_EQ(keys.size(), 6u);
    EXPECT_EQ(keys[0].message, WM_KEYDOWN);     // Ctrl
    EXPECT_EQ(keys[1].message, WM_SYSKEYDOWN);  // Alt itself
    EXPECT_EQ(keys[2].message, WM_KEYDOWN) << "with Ctrl held, X is an ordinary key";
    EXPECT_EQ(keys[2].wParam, WPARAM{'X'});
    EXPECT_EQ(keys[3].message, WM_KEYUP);
}

TEST_F(KeyTest, PlainKeyMessagesAndTheirFlags) {
    headless::PressKey('K');
    headless::RepeatKey('K');
    headless::ReleaseKey('K');
    const auto keys = KeyMessages();
    ASSERT_EQ(keys.size(), 5u);  // down, char, repeated down, char, up
    EXPECT_EQ(keys[0].message, WM_KEYDOWN);
    EXPECT_EQ(keys[0].lParam, 1);
    EXPECT_EQ(keys[2].message, WM_KEYDOWN);
    EXPECT_EQ(keys[2].lParam, 1 | (LPARAM{1} << 30)) << "an auto-repeat: the key was down";
    EXPECT_EQ(keys[4].message, WM_KEYUP);
    EXPECT_EQ(keys[4].lParam, 1 | (LPARAM{1} << 30) | (LPARAM{1} << 31));
}

TEST_F(KeyTest, TheCharacterIsTheVeryNextMessage) {
    headless::PressKey('A');
    headless::PressKey('B');
    MSG m;
    ASSERT_EQ(GetMessageA(&m, nullptr, 0, 0), 1);
    EXPECT_EQ(m.message, WM_KEYDOWN);
    EXPECT_EQ(m.wParam, WPARAM{'A'});
    EXPECT_TRUE(TranslateMessage(&m));
    ASSERT_EQ(GetMessageA(&m, nullptr, 0, 0), 1);
    EXPECT_EQ(m.message, WM_CHAR) << "ahead of B's key-down, already queued";
    EXPECT_EQ(m.wParam, WPARAM{'a'});
    EXPECT_FALSE(TranslateMessage(&m)) << "a character is not translated again";
    ASSERT_EQ(GetMessageA(&m, nullptr, 0, 0), 1);
    EXPECT_EQ(m.wParam, WPARAM{'B'});
    headless::ReleaseKey('A');
    headless::ReleaseKey('B');
    DrainQueue();
}

TEST_F(KeyTest, GetKeyStateMovesWithTheRetrievedMessages) {
    // All of it happens before the thread looks at its queue.
    headless::PressKey(VK_SHIFT);
    headless::PressKey('A');
    headless::ReleaseKey('A');
    headless::ReleaseKey(VK_SHIFT);
    ASSERT_GE(GetKeyState(VK_SHIFT), 0) << "the display has Shift up again, and so does the last retrieved key";

    MSG m;
    std::vector<std::pair<UINT, bool>> seen;  // message, Shift down as GetKeyState said then
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        seen.emplace_back(m.message, GetKeyState(VK_SHIFT) < 0);
    }
    const std::vector<std::pair<UINT, bool>> expected = {
        {WM_KEYDOWN, true}, {WM_KEYDOWN, true}, {WM_CHAR, true}, {WM_KEYUP, true}, {WM_KEYUP, false}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(Log().Count(WM_CHAR), 0u);  // not dispatched; only looked at
}

TEST_F(KeyTest, PeekingWithoutRemovingLeavesTheKeyStateAlone) {
    headless::TypeKey('A');  // settle the thread's state: Shift up
    DrainQueue();
    headless::PressKey(VK_SHIFT);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    headless::ReleaseKey(VK_SHIFT);
    DrainQueue();
}

TEST_F(KeyTest, AThreadWithoutKeyMessagesReadsTheDisplay) {
    headless::PressKey(VK_CONTROL);
    headless::SetToggle(VK_CAPITAL, true);
    std::int16_t control = 0, capital = 0, letter = -1, outOfRange = -1;
    std::thread fresh([&] {
        control = GetKeyState(VK_CONTROL);
        capital = GetKeyState(VK_CAPITAL);
        letter = GetKeyState('A');
        outOfRange = GetKeyState(300);
    });
    fresh.join();
    EXPECT_LT(control, 0);
    EXPECT_EQ(capital & 1, 1);
    EXPECT_GE(capital, 0);
    EXPECT_EQ(letter, 0);
    EXPECT_EQ(outOfRange, 0);
    headless::ReleaseKey(VK_CONTROL);
    DrainQueue();
}

TEST_F(KeyTest, KeysGoToTheFocusedWindowOnly) {
    HWND other = CreateShown(300, 300);
    headless::TypeKey('A');
    auto keys = KeyMessages();
    ASSERT_FALSE(keys.empty());
    for (const Recorded& r : keys) EXPECT_EQ(r.window, window_);
    SetForegroundWindow(other);
    headless::TypeKey('B');
    keys = KeyMessages();
    ASSERT_FALSE(keys.empty());
    for (const Recorded& r : keys) EXPECT_EQ(r.window, other);
    ShowWindow(window_, SW_HIDE);
    ShowWindow(other, SW_HIDE);
    PumpQueue();
    headless::TypeKey('C');
    EXPECT_TRUE(KeyMessages().empty()) << "no window has the focus";
}

}  // namespace
}  // namespace lumenbox::win::testing
