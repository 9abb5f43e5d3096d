// OpenGL drawing on both targets: the canvas context composes with the draw
// page and its picture lands there on FinishGLDrawing; the window context's
// picture lands on the client surface.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <string>
#include <thread>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/gl.h>
#include <lumenbox/win/user.h>

#include "graph/window/window_fixture.h"

namespace lumenbox::window_test {
namespace {

// The clear colour and the triangle's, as OpenGL bytes.
constexpr std::array<GLubyte, 3> Backdrop{16, 32, 48};
constexpr std::array<GLubyte, 3> Ink{200, 40, 120};

// The top-left 18 x 18 pixels after DrawCornerTriangle on a Backdrop clear:
// '#' Ink, '.' Backdrop. The triangle's corners (0, 0), (15.75, 0) and
// (0, 15.75) put no pixel centre on an edge, so the rule is x + y <= 14.
const std::array<std::string, 18> CornerPicture{
    "###############...", "##############....", "#############.....", "############......",
    "###########.......", "##########........", "#########.........", "########..........",
    "#######...........", "######............", "#####.............", "####..............",
    "###...............", "##................", "#.................", "..................",
    "..................", ".................."};

// Pixel coordinates, y down, as the canvas counts them.
void UsePixelCoordinates() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, GraphState.MaxX + 1, GraphState.MaxY + 1, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void ClearToBackdrop() {
    glClearColor(Backdrop[0] / 255.0F, Backdrop[1] / 255.0F, Backdrop[2] / 255.0F, 1.0F);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void DrawCornerTriangle(std::array<GLubyte, 3> colour) {
    UsePixelCoordinates();
    glColor3ub(colour[0], colour[1], colour[2]);
    glBegin(GL_TRIANGLES);
    glVertex2f(0.0F, 0.0F);
    glVertex2f(15.75F, 0.0F);
    glVertex2f(0.0F, 15.75F);
    glEnd();
}

// Where the corner picture differs from what `pixel` reads, as text.
template <class Read>
std::string CornerDifferences(Read pixel, std::uint32_t ink, std::uint32_t backdrop) {
    std::string differences;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            const bool inked = CornerPicture[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#';
            const std::uint32_t seen = pixel(x, y);
            if (seen != (inked ? ink : backdrop))
                differences += "(" + std::to_string(x) + "," + std::to_string(y) + ")=" + std::to_string(seen) + " ";
        }
    return differences;
}

std::uint32_t CanvasPixel(int x, int y) { return ReadPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)); }

class OpenGLDrawingTest : public GraphWindowTest {
protected:
    static void Open(std::int16_t kind) {
        std::int16_t size = 1;
        OpenGraphics(kind, size, "OpenGL drawing");
        ASSERT_EQ(GraphState.GraphStatus, StatusOk);
        ASSERT_TRUE(GraphState.GLReady);
    }

    // Repaints from the shown page have ended and none is pending.
    static bool LetRepaintsThrough() {
        const win::HWND window = GraphState.GraphWindow.load();
        const bool settled = WaitUntil([window] {
            win::RECT update{};
            return win::GetUpdateRect(window, &update, win::FALSE) == 0;
        });
        WithDrawLock([] {});
        return settled;
    }
};

TEST_F(OpenGLDrawingTest, CanvasTriangleInDirectColour) {
    Open(9);
    ClearToBackdrop();
    DrawCornerTriangle(Ink);
    FinishGLDrawing();
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_EQ(CornerDifferences(CanvasPixel, win::RGB(200, 40, 120), win::RGB(16, 32, 48)), "");
    EXPECT_EQ(CanvasPixel(GraphState.MaxX, GraphState.MaxY), win::RGB(16, 32, 48));
}

TEST_F(OpenGLDrawingTest, CanvasTriangleAsNearestPaletteEntries) {
    Open(3);
    SetPaletteColor(250, 16, 32, 48);
    SetPaletteColor(251, 200, 40, 120);
    SelectGLTarget(false);
    ClearToBackdrop();
    // One step off entry 251 in every component: the nearest entry is 251.
    DrawCornerTriangle({201, 41, 121});
    FinishGLDrawing();
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_EQ(CornerDifferences(CanvasPixel, 251, 250), "");
}

TEST_F(OpenGLDrawingTest, UntouchedPixelsKeepTheirEntryWhereEntriesShareAColour) {
    Open(3);
    SetPaletteColor(252, 9, 9, 9);
    SetPaletteColor(253, 9, 9, 9);
    PlotPixel(50, 50, 253);
    SelectGLTarget(false);
    DrawCornerTriangle(Ink);  // no clear
    FinishGLDrawing();
    // Entry 253 recoloured: a pixel that still holds 253 follows it; one that
    // became the lowest entry of its colour (252) would not.
    SetPaletteColor(253, 250, 250, 250);
    EXPECT_EQ(CanvasPixel(50, 50), 253u);
    EXPECT_EQ(CanvasPixel(51, 50), 0u);
    EXPECT_EQ(CanvasPixel(0, 0), CanvasPixel(1, 0));
    EXPECT_NE(CanvasPixel(0, 0), 0u);
}

TEST_F(OpenGLDrawingTest, DrawingWithoutAClearKeepsTheBars) {
    Open(9);
    SetFillMode(1, win::RGB(90, 100, 110));
    FillBar(30, 30, 40, 40);
    SelectGLTarget(false);
    // A bar drawn after the hand-over, where OpenGL does not draw, stays too.
    FillBar(60, 30, 70, 40);
    DrawCornerTriangle(Ink);
    FinishGLDrawing();
    EXPECT_EQ(CanvasPixel(35, 35), win::RGB(90, 100, 110));
    EXPECT_EQ(CanvasPixel(65, 35), win::RGB(90, 100, 110));
    EXPECT_EQ(CanvasPixel(2, 2), win::RGB(200, 40, 120));
    EXPECT_EQ(CanvasPixel(20, 20), 0u);
}

TEST_F(OpenGLDrawingTest, HandedOverBarShowsThroughOpenGL) {
    Open(9);
    SetFillMode(1, win::RGB(90, 100, 110));
    FillBar(0, 0, 3, 3);
    SelectGLTarget(false);
    std::array<GLubyte, 4> read{};
    glReadPixels(1, GraphState.MaxY - 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, read.data());
    EXPECT_EQ(read[0], 90);
    EXPECT_EQ(read[1], 100);
    EXPECT_EQ(read[2], 110);
}

TEST_F(OpenGLDrawingTest, WindowTargetPictureReachesTheClientSurface) {
    Open(9);
    ASSERT_TRUE(LetRepaintsThrough());
    SelectGLTarget(true);
    ClearToBackdrop();
    DrawCornerTriangle(Ink);
    FinishGLDrawing();
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    const auto client = [](int x, int y) { return ClientPixel(x, y).value_or(0xFFFFFFFFu); };
    EXPECT_EQ(CornerDifferences(client, 0xC82878u, 0x102030u), "");
    EXPECT_EQ(CanvasPixel(2, 2), 0u) << "the canvas keeps its own picture";
}

TEST_F(OpenGLDrawingTest, ContextsAreTheProgramThreadsAndNoOtherThreadTakesThem) {
    Open(9);
    for (const bool toWindow : {true, false}) {
        SCOPED_TRACE(toWindow);
        SelectGLTarget(toWindow);
        const win::HGLRC held = toWindow ? GraphState.WindowGLContext : GraphState.CanvasGLContext;
        const win::HDC dc = toWindow ? GraphState.WindowDC : GraphState.CanvasDC;
        EXPECT_EQ(win::wglGetCurrentContext(), held);
        win::BOOL made = win::TRUE;
        win::BOOL deleted = win::TRUE;
        std::thread([&] {
            made = win::wglMakeCurrent(dc, held);
            deleted = win::wglDeleteContext(held);
        }).join();
        EXPECT_EQ(made, win::FALSE);
        EXPECT_EQ(deleted, win::FALSE);
        EXPECT_EQ(win::wglGetCurrentContext(), held);
    }
    // Still the program's: drawing and finishing work after the attempts.
    ClearToBackdrop();
    FinishGLDrawing();
    EXPECT_EQ(CanvasPixel(5, 5), win::RGB(16, 32, 48));
}

TEST_F(OpenGLDrawingTest, FinishRefusesWithoutWindowAndWithoutOpenGL) {
    FinishGLDrawing();
    EXPECT_EQ(GraphState.GraphStatus, StatusNotOpen);
    headless::SetOpenGLAvailable(false);
    std::int16_t kind = 9;
    std::int16_t size = 1;
    OpenGraphics(kind, size, "No OpenGL");
    EXPECT_EQ(GraphState.GraphStatus, StatusNoOpenGL);
    FinishGLDrawing();
    EXPECT_EQ(GraphState.GraphStatus, StatusNoOpenGL);
    FillBar(0, 0, 1, 1);
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
}

}  // namespace
}  // namespace lumenbox::window_test
