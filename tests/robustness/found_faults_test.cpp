// Faults the call sequences found, each kept as the shortest program that
// showed it.
#include <gtest/gtest.h>

#include <cstdint>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/probes.h>
#include <lumenbox/win/user.h>

namespace lumenbox::robustness {
namespace {

namespace headless = display::headless;

class FoundFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(headless::IsActive()) << "the tests run on the headless display";
        headless::Reset();
    }
    void TearDown() override {
        if (IsGraphOpen()) CloseGraphics();
        headless::Reset();
        GraphState.ScreenWidth = win::GetSystemMetrics(win::SM_CXSCREEN);
        GraphState.ScreenHeight = win::GetSystemMetrics(win::SM_CYSCREEN);
    }
    static void Open(std::int16_t kind, std::int16_t size) { OpenGraphics(kind, size, "found fault"); }
};

// A system-sized window on a one-pixel screen has an empty client area. Its
// close recorded a view area ending at column -1, which the next open's
// OpenGL switch then restored, and that open reported -7.
TEST_F(FoundFaultTest, AnEmptyWindowOpensAgainWithoutARefusal) {
    headless::SetScreen(1, 1, 32);
    GraphState.ScreenWidth = win::GetSystemMetrics(win::SM_CXSCREEN);
    GraphState.ScreenHeight = win::GetSystemMetrics(win::SM_CYSCREEN);
    for (int round = 0; round < 3; ++round) {
        Open(1, 10);
        ASSERT_TRUE(IsGraphOpen());
        EXPECT_EQ(GraphState.GraphStatus, StatusOk) << "open " << round;
        SelectGLTarget(true);
        EXPECT_EQ(GraphState.GraphStatus, StatusOk) << "open " << round;
        CloseGraphics();
    }
}

// A window stopped by a missing font has no user pattern yet: a pattern fill
// then makes no brush. Fills draw nothing until the next fill mode, and the
// brush it replaced, which stayed selected, no longer outlives the window.
TEST_F(FoundFaultTest, APatternFillWithoutPatternFillsNothingAndLeaksNothing) {
    const std::size_t brushes = win::probe::LiveGdiObjects(win::OBJ_BRUSH);
    headless::RemoveFontFamily("MS Sans Serif");
    Open(9, 2);
    ASSERT_EQ(GraphState.GraphStatus, StatusFontMissing);

    const std::uint32_t red = 0x0000FF;
    SetFillMode(1, red);
    FillBar(0, 0, 0, 0);
    ASSERT_EQ(ReadPixel(0, 0), red);
    SetFillMode(8, 0);
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    FillBar(0, 0, 1, 0);
    EXPECT_EQ(ReadPixel(0, 0), red) << "a fill without a brush leaves the pixels alone";
    EXPECT_EQ(ReadPixel(1, 0), ReadPixel(2, 0)) << "a fill without a brush leaves the pixels alone";
    CloseGraphics();
    EXPECT_EQ(win::probe::LiveGdiObjects(win::OBJ_BRUSH), brushes);
}

}  // namespace
}  // namespace lumenbox::robustness
