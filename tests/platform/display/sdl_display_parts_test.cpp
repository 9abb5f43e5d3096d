// The SDL display's parts that need no display server: which key code a key
// event becomes, the key state, where a window goes, and the command queue
// that carries requests to the display thread.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <thread>

#include "platform/display/sdl/sdl_command_queue.h"
#include "platform/display/sdl/sdl_held_keys.h"
#include "platform/display/sdl/sdl_key_map.h"
#include "platform/display/sdl/sdl_key_state.h"
#include "platform/display/sdl/sdl_window_geometry.h"

namespace lumenbox::display {
namespace {

// ---- Key codes ---------------------------------------------------------------

struct KeyCase {
    SDL_Scancode scancode;
    SDL_Keycode keycode;
    int virtualKey;
};

TEST(SdlKeyMap, NamesKeysWithWindowsCodes) {
    const KeyCase cases[] = {
        {SDL_SCANCODE_A, SDLK_a, 'A'},           {SDL_SCANCODE_Z, SDLK_z, 'Z'},
        {SDL_SCANCODE_0, SDLK_0, '0'},           {SDL_SCANCODE_9, SDLK_9, '9'},
        {SDL_SCANCODE_F1, SDLK_F1, 112},         {SDL_SCANCODE_F10, SDLK_F10, 121},
        {SDL_SCANCODE_F12, SDLK_F12, 123},       {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 27},
        {SDL_SCANCODE_RETURN, SDLK_RETURN, 13},  {SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, 13},
        {SDL_SCANCODE_TAB, SDLK_TAB, 9},         {SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, 8},
        {SDL_SCANCODE_SPACE, SDLK_SPACE, 32},    {SDL_SCANCODE_PAUSE, SDLK_PAUSE, 19},
        {SDL_SCANCODE_CLEAR, SDLK_CLEAR, 12},    {SDL_SCANCODE_APPLICATION, SDLK_APPLICATION, 93},
        {SDL_SCANCODE_PAGEUP, SDLK_PAGEUP, 33},  {SDL_SCANCODE_PAGEDOWN, SDLK_PAGEDOWN, 34},
        {SDL_SCANCODE_END, SDLK_END, 35},        {SDL_SCANCODE_HOME, SDLK_HOME, 36},
        {SDL_SCANCODE_LEFT, SDLK_LEFT, 37},      {SDL_SCANCODE_UP, SDLK_UP, 38},
        {SDL_SCANCODE_RIGHT, SDLK_RIGHT, 39},    {SDL_SCANCODE_DOWN, SDLK_DOWN, 40},
        {SDL_SCANCODE_INSERT, SDLK_INSERT, 45},  {SDL_SCANCODE_DELETE, SDLK_DELETE, 46},
        {SDL_SCANCODE_KP_MULTIPLY, SDLK_KP_MULTIPLY, 106}, {SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, 107},
        {SDL_SCANCODE_KP_MINUS, SDLK_KP_MINUS, 109},       {SDL_SCANCODE_KP_DIVIDE, SDLK_KP_DIVIDE, 111},
        {SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, 20},        {SDL_SCANCODE_NUMLOCKCLEAR, SDLK_NUMLOCKCLEAR, 144},
        {SDL_SCANCODE_SCROLLLOCK, SDLK_SCROLLLOCK, 145},
        {SDL_SCANCODE_SEMICOLON, SDLK_SEMICOLON, 0xBA},    {SDL_SCANCODE_EQUALS, SDLK_EQUALS, 0xBB},
        {SDL_SCANCODE_COMMA, SDLK_COMMA, 0xBC},            {SDL_SCANCODE_MINUS, SDLK_MINUS, 0xBD},
        {SDL_SCANCODE_PERIOD, SDLK_PERIOD, 0xBE},          {SDL_SCANCODE_SLASH, SDLK_SLASH, 0xBF},
        {SDL_SCANCODE_GRAVE, SDLK_BACKQUOTE, 0xC0},        {SDL_SCANCODE_LEFTBRACKET, SDLK_LEFTBRACKET, 0xDB},
        {SDL_SCANCODE_BACKSLASH, SDLK_BACKSLASH, 0xDC},    {SDL_SCANCODE_RIGHTBRACKET, SDLK_RIGHTBRACKET, 0xDD},
        {SDL_SCANCODE_APOSTROPHE, SDLK_QUOTE, 0xDE},
    };
    for (const KeyCase& key : cases) {
        const MappedKey mapped = MapSdlKey(key.scancode, key.keycode, false);
        EXPECT_EQ(mapped.virtualKey, key.virtualKey) << "scancode " << key.scancode;
        EXPECT_EQ(mapped.sidedKey, 0) << "scancode " << key.scancode;
    }
}

TEST(SdlKeyMap, LettersFollowTheLayoutAndOtherwiseThePosition) {
    // A French keyboard prints A where a US one prints Q, and & on the 1 key.
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_Q, SDLK_a, false).virtualKey, 'A');
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_1, SDLK_AMPERSAND, false).virtualKey, '1');
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_0, SDLK_AT, false).virtualKey, '0');
}

TEST(SdlKeyMap, ModifiersReportTheGenericCodeAndKeepTheSide) {
    const struct {
        SDL_Scancode scancode;
        int generic;
        int side;
    } cases[] = {{SDL_SCANCODE_LSHIFT, 16, 0xA0}, {SDL_SCANCODE_RSHIFT, 16, 0xA1},
                 {SDL_SCANCODE_LCTRL, 17, 0xA2},  {SDL_SCANCODE_RCTRL, 17, 0xA3},
                 {SDL_SCANCODE_LALT, 18, 0xA4},   {SDL_SCANCODE_RALT, 18, 0xA5}};
    for (const auto& key : cases) {
        const MappedKey mapped = MapSdlKey(key.scancode, SDLK_UNKNOWN, false);
        EXPECT_EQ(mapped.virtualKey, key.generic) << "scancode " << key.scancode;
        EXPECT_EQ(mapped.sidedKey, key.side) << "scancode " << key.scancode;
    }
}

TEST(SdlKeyMap, KeypadDigitsDependOnNumLock) {
    const SDL_Scancode digits[] = {SDL_SCANCODE_KP_0, SDL_SCANCODE_KP_1, SDL_SCANCODE_KP_2, SDL_SCANCODE_KP_3,
                                   SDL_SCANCODE_KP_4, SDL_SCANCODE_KP_5, SDL_SCANCODE_KP_6, SDL_SCANCODE_KP_7,
                                   SDL_SCANCODE_KP_8, SDL_SCANCODE_KP_9};
    // Insert, End, Down, Page Down, Left, Clear, Right, Home, Up, Page Up.
    const int navigation[] = {45, 35, 40, 34, 37, 12, 39, 36, 38, 33};
    for (int digit = 0; digit < 10; ++digit) {
        EXPECT_EQ(MapSdlKey(digits[digit], SDLK_UNKNOWN, true).virtualKey, 96 + digit) << "digit " << digit;
        EXPECT_EQ(MapSdlKey(digits[digit], SDLK_UNKNOWN, false).virtualKey, navigation[digit]) << "digit " << digit;
    }
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, true).virtualKey, 110);
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, false).virtualKey, 46);
}

TEST(SdlKeyMap, KeysWithoutAWindowsCodeGiveZero) {
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_MUTE, SDLK_MUTE, false).virtualKey, 0);
    EXPECT_EQ(MapSdlKey(SDL_SCANCODE_UNKNOWN, SDLK_UNKNOWN, false).virtualKey, 0);
}

TEST(SdlHeldKeys, ReleaseAndRepeatCarryThePressCode) {
    SdlHeldKeys held;
    const MappedKey end = MapSdlKey(SDL_SCANCODE_KP_1, SDLK_KP_1, false);
    const MappedKey numpad1 = MapSdlKey(SDL_SCANCODE_KP_1, SDLK_KP_1, true);
    EXPECT_EQ(held.Resolve(SDL_SCANCODE_KP_1, end, true).virtualKey, 35);
    // Num Lock went on while the key was held.
    EXPECT_EQ(held.Resolve(SDL_SCANCODE_KP_1, numpad1, true).virtualKey, 35);
    EXPECT_EQ(held.Resolve(SDL_SCANCODE_KP_1, numpad1, false).virtualKey, 35);
    // The next press is a new key.
    EXPECT_EQ(held.Resolve(SDL_SCANCODE_KP_1, numpad1, true).virtualKey, 97);
}

// ---- Key state ---------------------------------------------------------------

constexpr LockToggles kNoToggles{false, false, false};

TEST(SdlKeyState, GenericModifierIsDownWhileEitherSideIs) {
    SdlKeyState keys;
    const MappedKey left = MapSdlKey(SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, false);
    const MappedKey right = MapSdlKey(SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, false);
    KeyStates states = keys.Apply(left, true, kNoToggles);
    EXPECT_EQ(states[0x10], 0x80);
    EXPECT_EQ(states[0xA0], 0x80);
    EXPECT_EQ(states[0xA1], 0x00);
    keys.Apply(right, true, kNoToggles);
    states = keys.Apply(left, false, kNoToggles);
    EXPECT_EQ(states[0x10], 0x80) << "right Shift still held";
    EXPECT_EQ(states[0xA0], 0x00);
    states = keys.Apply(right, false, kNoToggles);
    EXPECT_EQ(states[0x10], 0x00);
    EXPECT_EQ(keys.Current(), states);
}

TEST(SdlKeyState, TogglesFollowTheToolkitBesideTheDownBit) {
    SdlKeyState keys;
    const MappedKey caps = MapSdlKey(SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, false);
    KeyStates states = keys.Apply(caps, true, LockToggles{true, false, false});
    EXPECT_EQ(states[0x14], 0x81);
    states = keys.Apply(caps, false, LockToggles{true, false, false});
    EXPECT_EQ(states[0x14], 0x01);
    const MappedKey a = MapSdlKey(SDL_SCANCODE_A, SDLK_a, false);
    states = keys.Apply(a, true, LockToggles{false, true, true});
    EXPECT_EQ(states['A'], 0x80);
    EXPECT_EQ(states[0x14], 0x00);
    EXPECT_EQ(states[0x90], 0x01);
    EXPECT_EQ(states[0x91], 0x01);
}

TEST(SdlKeyState, UnmappedKeysChangeNothingButToggles) {
    SdlKeyState keys;
    const KeyStates states = keys.Apply(MappedKey{0, 0}, true, kNoToggles);
    EXPECT_EQ(states, KeyStates{});
}

// ---- Window placement ----------------------------------------------------------

WindowPlacement Framed(int x, int y, int clientWidth, int clientHeight) {
    return WindowPlacement{x, y, clientWidth + 6, clientHeight + 25, clientWidth, clientHeight, true, "Vyr"};
}

TEST(SdlWindowGeometry, FramedWindowKeepsItsClientAreaInsideTheFrame) {
    const SdlWindowGeometry geometry = PlaceSdlWindow(Framed(189, 131, 640, 480), 1024, 768);
    EXPECT_EQ(geometry.x, 192);
    EXPECT_EQ(geometry.y, 153);
    EXPECT_EQ(geometry.width, 640);
    EXPECT_EQ(geometry.height, 480);
    EXPECT_EQ(geometry.scale, 1);
    EXPECT_FALSE(geometry.borderless);
}

TEST(SdlWindowGeometry, LargeDesktopMagnifiesByTheLargestWholeFactorAndCentres) {
    SdlWindowGeometry geometry = PlaceSdlWindow(Framed(477, 347, 640, 480), 1600, 1200);
    EXPECT_EQ(geometry.scale, 2);
    EXPECT_EQ(geometry.width, 1280);
    EXPECT_EQ(geometry.height, 960);
    EXPECT_EQ(geometry.x, 160);
    EXPECT_EQ(geometry.y, (1200 - 960 - 25) / 2 + 22);
    geometry = PlaceSdlWindow(Framed(0, 0, 320, 200), 1920, 1080);
    EXPECT_EQ(geometry.scale, 4) << "1080 / 225 = 4, 1920 / 326 = 5";
}

TEST(SdlWindowGeometry, MagnifiesOnlyWhereTheDesktopHoldsTheWindowTwice) {
    // The outer window is 646 x 505.
    EXPECT_EQ(PlaceSdlWindow(Framed(0, 0, 640, 480), 1292, 1010).scale, 2);
    EXPECT_EQ(PlaceSdlWindow(Framed(0, 0, 640, 480), 1291, 1010).scale, 1);
    EXPECT_EQ(PlaceSdlWindow(Framed(0, 0, 640, 480), 1292, 1009).scale, 1);
}

TEST(SdlWindowGeometry, ScreenCoveringPopupIsBorderlessAndUnmagnified) {
    const WindowPlacement popup{0, 0, 1024, 768, 1024, 768, false, ""};
    const SdlWindowGeometry geometry = PlaceSdlWindow(popup, 1024, 768);
    EXPECT_TRUE(geometry.borderless);
    EXPECT_EQ(geometry.scale, 1);
    EXPECT_EQ(geometry.x, 0);
    EXPECT_EQ(geometry.y, 0);
    EXPECT_EQ(geometry.width, 1024);
    EXPECT_EQ(geometry.height, 768);
}

TEST(SdlWindowGeometry, WildPlacementsStayInRange) {
    const WindowPlacement wild{INT_MIN, INT_MAX, -5, INT_MAX, INT_MIN, INT_MAX, true, ""};
    const SdlWindowGeometry geometry = PlaceSdlWindow(wild, 1024, 768);
    EXPECT_GE(geometry.width, 1);
    EXPECT_GE(geometry.height, 1);
    EXPECT_EQ(geometry.scale, 1);
    EXPECT_LT(geometry.x, 0);
    EXPECT_GT(geometry.y, 0);
    const SdlWindowGeometry noDesktop = PlaceSdlWindow(Framed(0, 0, 640, 480), 0, 0);
    EXPECT_EQ(noDesktop.scale, 1);
}

// ---- Command queue -----------------------------------------------------------------

SdlCommand Command(SdlCommand::Kind kind, WindowId window) {
    SdlCommand command;
    command.kind = kind;
    command.window = window;
    return command;
}

TEST(SdlCommandQueue, RefusesCommandsUntilOpenAndAfterClose) {
    SdlCommandQueue queue;
    EXPECT_EQ(queue.Submit(Command(SdlCommand::Kind::kShow, 1)), 0u);
    queue.WaitFor(0);  // returns at once
    queue.Open();
    EXPECT_NE(queue.Submit(Command(SdlCommand::Kind::kShow, 1)), 0u);
    queue.Close();
    EXPECT_EQ(queue.Submit(Command(SdlCommand::Kind::kShow, 1)), 0u);
    EXPECT_TRUE(queue.TakeAll().empty()) << "closing drops what was pending";
}

TEST(SdlCommandQueue, KeepsOrder) {
    SdlCommandQueue queue;
    queue.Open();
    const auto first = queue.Submit(Command(SdlCommand::Kind::kAdd, 7));
    const auto second = queue.Submit(Command(SdlCommand::Kind::kShow, 7));
    const auto third = queue.Submit(Command(SdlCommand::Kind::kRemove, 7));
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
    const auto batch = queue.TakeAll();
    ASSERT_EQ(batch.size(), 3u);
    EXPECT_EQ(batch[0].kind, SdlCommand::Kind::kAdd);
    EXPECT_EQ(batch[1].kind, SdlCommand::Kind::kShow);
    EXPECT_EQ(batch[2].kind, SdlCommand::Kind::kRemove);
    EXPECT_EQ(batch[2].ticket, third);
    EXPECT_TRUE(queue.TakeAll().empty()) << "a batch is taken once";
}

TEST(SdlCommandQueue, WaiterReturnsOnceItsCommandIsDone) {
    SdlCommandQueue queue;
    queue.Open();
    const auto ticket = queue.Submit(Command(SdlCommand::Kind::kRemove, 3));
    std::atomic<bool> carriedOut{false};
    std::thread displayThread([&] {
        for (const SdlCommand& command : queue.TakeAll()) {
            carriedOut.store(true);
            queue.MarkDone(command.ticket);
        }
    });
    queue.WaitFor(ticket);
    EXPECT_TRUE(carriedOut.load()) << "WaitFor returned before the command was carried out";
    displayThread.join();
}

TEST(SdlCommandQueue, IdleDisplayThreadWakesForANewCommand) {
    SdlCommandQueue queue;
    queue.Open();
    std::thread caller([&] { queue.Submit(Command(SdlCommand::Kind::kAdd, 5)); });
    // Returns as soon as the command is there; the long limit only keeps a
    // broken queue from hanging the suite.
    queue.WaitForCommands(std::chrono::minutes(1));
    caller.join();
    const auto batch = queue.TakeAll();
    ASSERT_EQ(batch.size(), 1u);
    EXPECT_EQ(batch[0].window, 5u);
}

TEST(SdlCommandQueue, ClosingReleasesWaiters) {
    SdlCommandQueue queue;
    queue.Open();
    const auto ticket = queue.Submit(Command(SdlCommand::Kind::kRemove, 3));
    std::thread displayThread([&] { queue.Close(); });
    queue.WaitFor(ticket);  // would block for ever if Close did not release it
    displayThread.join();
    EXPECT_EQ(queue.Submit(Command(SdlCommand::Kind::kShow, 3)), 0u);
}

}  // namespace
}  // namespace lumenbox::display

namespace lumenbox::display {
namespace {

TEST(SdlClientPoint, OneToOneWindowsReportClientPixels) {
    EXPECT_EQ(ClientPointOf(0, 0, 640, 480, 640, 480), (SdlClientPoint{0, 0}));
    EXPECT_EQ(ClientPointOf(10, 20, 640, 480, 640, 480), (SdlClientPoint{10, 20}));
    EXPECT_EQ(ClientPointOf(639, 479, 640, 480, 640, 480), (SdlClientPoint{639, 479}));
}

TEST(SdlClientPoint, MagnifiedWindowsMapEveryScreenPixelOfACanvasPixelToIt) {
    // Shown three times over: canvas pixel (10, 20) covers window points
    // 30 to 32 across and 60 to 62 down.
    for (int dx = 0; dx < 3; ++dx) {
        for (int dy = 0; dy < 3; ++dy) {
            EXPECT_EQ(ClientPointOf(30 + dx, 60 + dy, 960, 600, 320, 200), (SdlClientPoint{10, 20})) << dx << "," << dy;
        }
    }
    EXPECT_EQ(ClientPointOf(33, 63, 960, 600, 320, 200), (SdlClientPoint{11, 21}));
}

TEST(SdlClientPoint, PointsBesideTheWindowLieOutsideTheClientArea) {
    EXPECT_EQ(ClientPointOf(-1, -3, 960, 600, 320, 200), (SdlClientPoint{-1, -1}));
    EXPECT_EQ(ClientPointOf(-4, 600, 960, 600, 320, 200), (SdlClientPoint{-2, 200}));
    EXPECT_EQ(ClientPointOf(10, 10, 0, 600, 320, 200), (SdlClientPoint{-1, -1}));
    EXPECT_EQ(ClientPointOf(INT_MAX, INT_MIN, 1, 1, INT_MAX, INT_MAX), (SdlClientPoint{INT_MAX, INT_MIN}));
}

TEST(SdlClientPoint, AWindowTheManagerStretchedMapsInProportion) {
    EXPECT_EQ(ClientPointOf(1000, 500, 2000, 1000, 640, 480), (SdlClientPoint{320, 240}));
}

}  // namespace
}  // namespace lumenbox::display
