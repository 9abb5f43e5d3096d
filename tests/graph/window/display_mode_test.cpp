// Kind and size codes to window geometry and canvas format.
#include <gtest/gtest.h>

#include <lumenbox/graph.h>

#include "graph/display_mode.h"
#include "graph/window/window_fixture.h"

namespace lumenbox::window_test {
namespace {

constexpr std::uint32_t Captioned = CaptionedWindowStyle;
constexpr std::uint32_t Popup = PopupWindowStyle;
// Left in WindowStyle before each request: a refusal before the style is
// chosen keeps it.
constexpr std::uint32_t Untouched = 0x00001234;

struct ModeCase {
    std::int16_t kind;
    std::int16_t size;
    int screenWidth;
    int screenHeight;
    // Expected:
    std::int16_t status;
    std::int32_t windowWidth;
    std::int32_t windowHeight;
    std::uint32_t style;
};

// A captioned window's outer size is the client plus 6 across and 25 down
// (fixed frame 3 on each side, caption 19).
const ModeCase ModeCases[] = {
    {3, 1, 1920, 1080, 0, 326, 225, Captioned},
    {3, 2, 1920, 1080, 0, 646, 225, Captioned},
    {3, 3, 1920, 1080, 0, 646, 375, Captioned},
    {3, 4, 1920, 1080, 0, 646, 505, Captioned},
    {3, 5, 1920, 1080, 0, 726, 375, Captioned},
    {3, 6, 1920, 1080, 0, 806, 625, Captioned},
    {3, 7, 1920, 1080, 0, 1030, 793, Captioned},
    {3, 8, 1920, 1080, 0, 1286, 1049, Captioned},
    {3, 4, 1024, 768, 0, 646, 505, Captioned},
    // The framed window does not fit, the client does: a frameless popup.
    {3, 8, 1280, 1024, 0, 1280, 1024, Popup},
    {3, 4, 640, 480, 0, 640, 480, Popup},
    // Size 10: the system places and sizes the window.
    {9, 10, 1920, 1080, 0, 0, 0, Captioned},
    // Size 11: the whole window, frame included, is the screen.
    {9, 11, 1024, 768, 0, 1024, 768, Captioned},
    // Size 12: the client is the screen, so only a popup fits.
    {9, 12, 1024, 768, 0, 1024, 768, Popup},
    // Size 13: CustomWidth x CustomHeight, which nothing sets: 0 x 0, no
    // client area at all.
    {9, 13, 1024, 768, StatusBadSize, 65541, 65560, Untouched},
    // Refusals. The size is examined first; the window fields keep the request.
    {3, 8, 1024, 768, StatusBadSize, 1286, 1049, Untouched},
    {3, 4, 639, 480, StatusBadSize, 646, 505, Untouched},
    {3, 0, 1920, 1080, StatusBadSize, 65541, 65560, Untouched},
    {3, 9, 1920, 1080, StatusBadSize, 65541, 65560, Untouched},
    {3, 14, 1920, 1080, StatusBadSize, 65541, 65560, Untouched},
    {3, -1, 1920, 1080, StatusBadSize, 65541, 65560, Untouched},
    {5, 14, 1920, 1080, StatusBadSize, 65541, 65560, Untouched},
    {4, 4, 1920, 1080, StatusBadKind, 646, 505, Captioned},
    {8, 4, 1920, 1080, StatusBadKind, 646, 505, Captioned},
    {10, 4, 1920, 1080, StatusBadKind, 646, 505, Captioned},
    {-1, 4, 1920, 1080, StatusBadKind, 646, 505, Captioned},
    {0, 4, 1920, 1080, StatusBadKind, 646, 505, Captioned},
};

class DisplayModeTest : public GraphWindowTest {
protected:
    static void Request(const ModeCase& c) {
        GraphState.ScreenWidth = c.screenWidth;
        GraphState.ScreenHeight = c.screenHeight;
        GraphState.GraphKind = c.kind;
        GraphState.GraphSize = c.size;
        GraphState.WindowStyle = Untouched;
        GraphState.GraphStatus = StatusOk;
        ResolveDisplayMode();
    }
};

TEST_F(DisplayModeTest, SizeCodesGiveTheTableOfWindowsAndRefusals) {
    for (const ModeCase& c : ModeCases) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.kind << ", size " << c.size << " on " << c.screenWidth
                                          << " x " << c.screenHeight);
        Request(c);
        EXPECT_EQ(GraphState.GraphStatus, c.status);
        EXPECT_EQ(GraphState.WindowWidth, c.windowWidth);
        EXPECT_EQ(GraphState.WindowHeight, c.windowHeight);
        EXPECT_EQ(GraphState.WindowStyle, c.style);
    }
}

TEST_F(DisplayModeTest, PaletteKindsGiveTheirDepthAndPaletteSize) {
    const struct {
        std::int16_t kind;
        std::uint8_t bits;
        std::uint16_t capacity;
    } kinds[] = {{1, 1, 2}, {2, 4, 16}, {3, 8, 256}};
    for (const auto& k : kinds) {
        SCOPED_TRACE(::testing::Message() << "kind " << k.kind);
        Request({k.kind, 4, 1920, 1080, 0, 0, 0, 0});
        EXPECT_EQ(GraphState.GraphStatus, StatusOk);
        EXPECT_EQ(GraphState.CanvasBitsPerPixel, k.bits);
        EXPECT_TRUE(GraphState.PaletteMode);
        EXPECT_EQ(GraphState.PaletteCapacity, k.capacity);
    }
}

TEST_F(DisplayModeTest, DirectColourTakesTheDesktopDepthAndLeavesThePaletteSize) {
    Request({2, 4, 1920, 1080, 0, 0, 0, 0});
    Request({9, 4, 1920, 1080, 0, 0, 0, 0});
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_EQ(GraphState.CanvasBitsPerPixel, 32);
    EXPECT_FALSE(GraphState.PaletteMode);
    EXPECT_EQ(GraphState.PaletteCapacity, 16);

    headless::SetScreen(1920, 1080, 24);
    Request({9, 4, 1920, 1080, 0, 0, 0, 0});
    EXPECT_EQ(GraphState.CanvasBitsPerPixel, 24);
}

TEST_F(DisplayModeTest, RefusalsKeepTheCanvasFormatOfTheLastGoodRequest) {
    Request({3, 4, 1920, 1080, 0, 0, 0, 0});
    Request({1, 14, 1920, 1080, 0, 0, 0, 0});
    EXPECT_EQ(GraphState.GraphStatus, StatusBadSize);
    Request({7, 4, 1920, 1080, 0, 0, 0, 0});
    EXPECT_EQ(GraphState.GraphStatus, StatusBadKind);
    EXPECT_EQ(GraphState.CanvasBitsPerPixel, 8);
    EXPECT_TRUE(GraphState.PaletteMode);
    EXPECT_EQ(GraphState.PaletteCapacity, 256);
}

TEST_F(DisplayModeTest, AutomaticChoiceIsDirectColourOfSystemSize) {
    std::int16_t kind = 0;
    std::int16_t size = 3;
    AutoSelectMode(kind, size);
    EXPECT_EQ(kind, 9);
    EXPECT_EQ(size, 10);
}

TEST_F(DisplayModeTest, CustomSizesNeedAClientAreaOfAtLeastOnePixel) {
    const struct {
        std::int32_t width;
        std::int32_t height;
        std::int16_t status;
    } sizes[] = {{0, 0, StatusBadSize},        {-1, -1, StatusBadSize},
                 {-100, 100, StatusBadSize},    {100, -100, StatusBadSize},
                 {-6, -25, StatusBadSize},      {INT32_MIN, 100, StatusBadSize},
                 {100, INT32_MIN, StatusBadSize}, {INT32_MAX, INT32_MAX, StatusBadSize},
                 {0, 100, StatusBadSize},       {1, 1, StatusOk},
                 {1018, 743, StatusOk},         {1019, 743, StatusOk}};
    for (const auto& size : sizes) {
        SCOPED_TRACE(::testing::Message() << size.width << " x " << size.height);
        GraphState.CustomWidth = size.width;
        GraphState.CustomHeight = size.height;
        Request({9, 13, 1024, 768, 0, 0, 0, 0});
        EXPECT_EQ(GraphState.GraphStatus, size.status);
        if (size.status == StatusOk) {
            EXPECT_GE(GraphState.WindowWidth, size.width);
            EXPECT_LE(GraphState.WindowWidth, 1024);
        }
    }
    GraphState.CustomWidth = 0;
    GraphState.CustomHeight = 0;
}

// Direct colour draws true colours whatever the screen: at 15 and 16 bits the
// canvas is a 16-bit one, and on a palette screen (8 bits or fewer) a 32-bit one.
TEST_F(DisplayModeTest, DirectColourCanvasDepthForEveryScreenDepth) {
    const struct {
        int screenBits;
        std::uint8_t canvasBits;
    } depths[] = {{1, 32}, {4, 32}, {8, 32}, {15, 16}, {16, 16}, {24, 24}, {32, 32}};
    for (const auto& depth : depths) {
        SCOPED_TRACE(::testing::Message() << depth.screenBits << "-bit screen");
        headless::SetScreen(1920, 1080, depth.screenBits);
        Request({9, 4, 1920, 1080, 0, 0, 0, 0});
        EXPECT_EQ(GraphState.GraphStatus, StatusOk);
        EXPECT_EQ(GraphState.CanvasBitsPerPixel, depth.canvasBits);
    }
}

}  // namespace
}  // namespace lumenbox::window_test
