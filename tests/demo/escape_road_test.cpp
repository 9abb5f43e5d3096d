// The whole road of a key from the user's finger to the end of the fire:
// display, window thread, key hook, key queue, the frame loop and the close.
// And what vyr does when its window cannot be shown.
#include <chrono>
#include <cstdlib>
#include <thread>

#include <gtest/gtest.h>

#include <lumenbox/keyboard.h>
#include <lumenbox/win/probes.h>
#include <lumenbox/win/user.h>

#include "fire_canvas.h"

namespace lumenbox {
namespace {

namespace headless = lumenbox::display::headless;

// Long enough for any machine and sanitizer; only a lost window runs into it.
constexpr std::chrono::seconds ShowLimit{30};

// Waits, on the user's side, until vyr's window is on the screen and has the
// keyboard focus, so that the keys typed next reach it.
std::optional<headless::WindowId> AwaitShownWindow() {
    const auto deadline = std::chrono::steady_clock::now() + ShowLimit;
    while (std::chrono::steady_clock::now() < deadline) {
        for (const headless::WindowId window : headless::Windows()) {
            const auto view = headless::Window(window);
            if (view && view->visible && view->focused && view->caption == "Vyr") {
                return window;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return std::nullopt;
}

TEST(EscapeRoad, EscapeTypedIntoTheWindowEndsTheFireAndClosesTheWindow) {
    headless::Reset();
    std::thread user([] {
        if (AwaitShownWindow()) {
            headless::TypeKey(win::VK_ESCAPE);
        }
    });
    FireDemo();
    user.join();

    EXPECT_EQ(LastKey, 27);
    EXPECT_FALSE(IsGraphOpen());
    EXPECT_EQ(GraphState.GraphStatus.load(), StatusOk);
    EXPECT_TRUE(headless::Windows().empty()) << "the window is gone from the screen";
    EXPECT_EQ(win::probe::LiveWindows(), 0u);
    EXPECT_FALSE(KeyWaiting());
}

TEST(EscapeRoad, OtherKeysAndTheCloseButtonAreReadOnePerFrameAndIgnored) {
    headless::Reset();
    std::thread user([] {
        const auto window = AwaitShownWindow();
        if (!window) {
            return;
        }
        headless::TypeKey('A');
        headless::ClickClose(*window);
        headless::TypeKey(win::VK_F1);
        headless::TypeKey(win::VK_ESCAPE);
    });
    FireDemo();
    user.join();

    // Escape came last: everything before it was read, frame by frame, and
    // none of it ended the fire.
    EXPECT_EQ(LastKey, 27);
    EXPECT_FALSE(KeyWaiting());
    EXPECT_FALSE(IsGraphOpen());
}

TEST(EscapeRoad, AWindowThatCannotBeShownEndsVyrWithStatusOneAndTheReason) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Without a standard font face the window opens hidden: no key could ever
    // reach it.
    EXPECT_EXIT(
        {
            headless::Reset();
            headless::RemoveFontFamily("Arial");
            FireDemo();
            std::exit(0);
        },
        testing::ExitedWithCode(1), "vyr: cannot show the graphics window: status -5 \\(.+\\)");
}

TEST(EscapeRoad, AWindowTooLargeForTheScreenEndsVyrWithStatusOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // The library reads the screen size once, before main.
            GraphState.ScreenWidth = 320;
            GraphState.ScreenHeight = 240;
            FireDemo();
            std::exit(0);
        },
        testing::ExitedWithCode(1), "status -3 \\(.+\\)");
}

}  // namespace
}  // namespace lumenbox
