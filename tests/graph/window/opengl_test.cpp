// The OpenGL contexts every window gets, and the switch between them.
#include <gtest/gtest.h>

#include <cfenv>

#include <lumenbox/graph.h>
#include <lumenbox/win/gl.h>
#include <lumenbox/win/probes.h>

#include "graph/window/window_fixture.h"

namespace lumenbox::window_test {
namespace {

namespace probe = win::probe;

class OpenGLTest : public GraphWindowTest {
protected:
    static void Open(std::int16_t kind, std::int16_t size = 4) { OpenGraphics(kind, size, "OpenGL test"); }
};

TEST_F(OpenGLTest, WindowAndCanvasAskForTheirPixelFormats) {
    Open(3);
    ASSERT_EQ(GraphState.GraphStatus, StatusOk);
    ASSERT_TRUE(GraphState.GLReady);

    const auto window = probe::PixelFormatOf(GraphState.WindowDC);
    ASSERT_TRUE(window.has_value());
    EXPECT_EQ(window->nSize, 40);
    EXPECT_EQ(window->nVersion, 1);
    EXPECT_EQ(window->dwFlags, 0x25u);
    EXPECT_EQ(window->iPixelType, win::PFD_TYPE_RGBA);
    EXPECT_EQ(window->cColorBits, 24);
    EXPECT_EQ(window->cDepthBits, 32);
    EXPECT_EQ(window->iLayerType, win::PFD_MAIN_PLANE);

    const auto canvas = probe::PixelFormatOf(GraphState.CanvasDC);
    ASSERT_TRUE(canvas.has_value());
    EXPECT_EQ(canvas->dwFlags, 0x38u);
    EXPECT_EQ(canvas->cColorBits, 8);
    EXPECT_EQ(canvas->cDepthBits, 32);
    EXPECT_EQ(canvas->iPixelType, win::PFD_TYPE_RGBA);

    // The canvas context is current after the open.
    EXPECT_EQ(win::wglGetCurrentContext(), GraphState.CanvasGLContext);
}

TEST_F(OpenGLTest, CanvasFormatHasTheCanvasDepth) {
    Open(1);
    const auto canvas = probe::PixelFormatOf(GraphState.CanvasDC);
    ASSERT_TRUE(canvas.has_value());
    EXPECT_EQ(canvas->cColorBits, 1);
}

TEST_F(OpenGLTest, SwitchingTargetsKeepsAClippingViewArea) {
    Open(9);
    SetViewArea(10, 20, 50, 60, true);
    ASSERT_EQ(GraphState.GraphStatus, StatusOk);

    SelectGLTarget(true);
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_EQ(win::wglGetCurrentContext(), GraphState.WindowGLContext);
    EXPECT_EQ(GraphState.ViewArea.x1, 10);
    EXPECT_EQ(GraphState.ViewArea.y2, 60);
    EXPECT_TRUE(GraphState.ViewArea.clip);
    EXPECT_EQ(GraphState.ViewOriginX, 10);
    // The repaint lifts the window DC's clip while it copies, under DrawLock.
    win::RECT box{};
    WithDrawLock([&] { EXPECT_EQ(win::GetClipBox(GraphState.WindowDC, &box), win::SIMPLEREGION); });
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 20);
    EXPECT_EQ(box.right, 51);
    EXPECT_EQ(box.bottom, 61);

    SelectGLTarget(false);
    EXPECT_EQ(win::wglGetCurrentContext(), GraphState.CanvasGLContext);
    EXPECT_EQ(win::GetClipBox(GraphState.CanvasDC, &box), win::SIMPLEREGION);
    EXPECT_EQ(box.right, 51);
}

TEST_F(OpenGLTest, WithoutOpenGLTheWindowOpensAndOnlyTheTargetCallRefuses) {
    const std::size_t contexts = probe::LiveGLContexts();
    headless::SetOpenGLAvailable(false);
    Open(3);
    EXPECT_EQ(GraphState.GraphStatus, StatusNoOpenGL);
    EXPECT_TRUE(IsGraphOpen());
    ASSERT_TRUE(ShownWindow().has_value());
    EXPECT_TRUE(ShownWindow()->visible);
    EXPECT_FALSE(GraphState.GLReady);

    FillBar(0, 0, 5, 5);
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_EQ(ReadPixel(2, 2), 15u);

    SelectGLTarget(true);
    EXPECT_EQ(GraphState.GraphStatus, StatusNoOpenGL);
    CloseGraphics();
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_EQ(probe::LiveGLContexts(), contexts);
}

TEST_F(OpenGLTest, ClosingDeletesTheContextsAndTheTargetCallRefuses) {
    const std::size_t contexts = probe::LiveGLContexts();
    Open(3);
    EXPECT_EQ(probe::LiveGLContexts(), contexts + 2);
    CloseGraphics();
    EXPECT_EQ(probe::LiveGLContexts(), contexts);
    EXPECT_EQ(win::wglGetCurrentContext(), nullptr);
    GraphState.GraphStatus = StatusOk;
    SelectGLTarget(false);
    EXPECT_EQ(GraphState.GraphStatus, StatusNoOpenGL);
}

TEST_F(OpenGLTest, FloatingPointEnvironmentIsLeftAsItWas) {
    headless::SetOpenGLAltersFloatingPoint(true);
    for (int rounding : {FE_TONEAREST, FE_DOWNWARD}) {
        SCOPED_TRACE(rounding);
        std::fesetround(rounding);
        std::feclearexcept(FE_ALL_EXCEPT);
        Open(3);
        EXPECT_EQ(GraphState.GraphStatus, StatusOk);
        EXPECT_EQ(std::fegetround(), rounding);
        EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
        CloseGraphics();
    }
    std::fesetround(FE_TONEAREST);
}

}  // namespace
}  // namespace lumenbox::window_test
