// A program's global object that opens the window in its constructor, before
// main and possibly before the library's own initialisation has run: the
// library starts on that first use, so the window opens as it would in main.
// This file is linked ahead of the library, so its initialiser runs first.
#include <cstdint>
#include <cstdlib>

#include <gtest/gtest.h>

#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>

namespace lumenbox {
namespace {

struct EarlyWindow {
    std::int16_t status = 99;
    std::int32_t screenWidth = 0;
    bool open = false;
    bool keyHookInstalled = false;

    EarlyWindow() {
        std::int16_t kind = 3;
        std::int16_t size = 4;
        OpenGraphics(kind, size, "before main");
        status = GraphState.GraphStatus.load();
        screenWidth = GraphState.ScreenWidth;
        open = IsGraphOpen();
        keyHookInstalled = GraphState.KeyHook == &KeyMessageHandler;
    }
};

EarlyWindow early;

TEST(OpenBeforeMain, AGlobalObjectOpensTheWindowAsMainWould) {
    EXPECT_EQ(early.status, StatusOk);
    EXPECT_EQ(early.screenWidth, 1920);
    EXPECT_TRUE(early.open);
    EXPECT_TRUE(early.keyHookInstalled);
    // The library's own initialisation, which ran later, left it open.
    ASSERT_TRUE(IsGraphOpen());
    SetFillMode(1, 5);
    FillBar(0, 0, 9, 9);
    EXPECT_EQ(ReadPixel(5, 5), 5u);
    CloseGraphics();
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
}

// The library's shut-down closes the early window at exit, once, before the
// state record it works on is destroyed.
TEST(OpenBeforeMain, AWindowLeftOpenIsClosedAtExit) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const bool open = IsGraphOpen();
            std::exit(open ? 0 : 3);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace lumenbox
