// Direct colour on every screen depth the headless display accepts: the
// canvas keeps what is drawn and the window shows it; and a canvas that
// cannot be made fails the open, leaving nothing behind.
#include <gtest/gtest.h>

#include <cstdint>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>

#include "graph/window/window_fixture.h"
#include "graph/window/window_leftovers.h"

namespace lumenbox::window_test {
namespace {

constexpr int ScreenDepths[] = {1, 4, 8, 15, 16, 24, 32};

class ScreenDepthTest : public GraphWindowTest {
protected:
    // Opens kind 9 at 640 x 480 on a screen of `bits` per pixel.
    static void OpenDirectColour(int bits) {
        headless::SetScreen(1920, 1080, bits);
        ReadScreenSize();
        std::int16_t kind = 9;
        std::int16_t size = 4;
        OpenGraphics(kind, size, "depth");
    }
};

TEST_F(ScreenDepthTest, DirectColourCanvasKeepsWhatIsDrawnAndTheWindowShowsIt) {
    for (const int bits : ScreenDepths) {
        SCOPED_TRACE(::testing::Message() << bits << "-bit screen");
        OpenDirectColour(bits);
        ASSERT_EQ(GraphState.GraphStatus, StatusOk);
        ASSERT_TRUE(IsGraphOpen());
        // White, and a colour every 16-bit layout holds exactly (a 5-bit
        // 0x10 reads back as 0x84, the way the screen shows it).
        SetFillMode(1, win::RGB(255, 255, 255));
        FillBar(10, 10, 19, 19);
        SetFillMode(1, win::RGB(0x84, 0x00, 0x00));
        FillBar(30, 10, 39, 19);
        EXPECT_EQ(ReadPixel(15, 15), win::RGB(255, 255, 255));
        EXPECT_EQ(ReadPixel(35, 15), win::RGB(0x84, 0x00, 0x00));
        EXPECT_EQ(ReadPixel(5, 5), win::RGB(0, 0, 0));

        // The window repaints from the canvas when part of it is exposed.
        headless::Expose(ShownWindowId(), 0, 0, 640, 480);
        ASSERT_TRUE(WaitUntil([] { return ClientPixel(15, 15) == 0x00FFFFFFu; }))
            << "client pixel " << ClientPixel(15, 15).value_or(0xDEAD);
        EXPECT_TRUE(WaitUntil([] { return ClientPixel(35, 15) == 0x00840000u; }));
        EXPECT_EQ(ClientPixel(5, 5), 0x00000000u);
        CloseGraphics();
    }
}

// A 10000 x 8000 screen at 32 bits: a full-screen canvas page would take
// 320 MB, more than a DIB section may hold, so no page can be made.
TEST_F(ScreenDepthTest, ACanvasThatCannotBeMadeFailsTheOpenLeavingNothingBehind) {
    headless::SetScreen(10000, 8000, 32);
    ReadScreenSize();
    const Leftovers before;
    std::int16_t kind = 9;
    std::int16_t size = 12;
    OpenGraphics(kind, size, "too large");
    EXPECT_EQ(GraphState.GraphStatus, StatusWindowFailed);
    EXPECT_FALSE(IsGraphOpen());
    EXPECT_EQ(GraphState.GraphThread, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return Leftovers{} == before; }));
    EXPECT_EQ(Leftovers{}, before);

    // The failure leaves the library ready for the next window.
    headless::SetScreen(1920, 1080, 32);
    ReadScreenSize();
    size = 4;
    OpenGraphics(kind, size, "after");
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_TRUE(IsGraphOpen());
}

}  // namespace
}  // namespace lumenbox::window_test
