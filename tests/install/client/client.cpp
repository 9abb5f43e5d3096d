// A program built against the installed library: it opens a 640 x 480
// 256-colour window, draws (with OpenGL too, linked as the package says),
// reads back and closes. Exit status 0 on success.
#include <lumenbox/graph.h>

#include <GL/gl.h>

#include <cstdio>

using namespace lumenbox;

static int Fail(const char* what) {
    std::fprintf(stderr, "client: %s (status %d)\n", what, GraphState.GraphStatus.load());
    return 1;
}

int main() {
    if (GraphState.KeyHook == nullptr) return Fail("the units did not start before main");
    std::int16_t kind = 3;
    std::int16_t size = 4;
    OpenGraphics(kind, size, "Client");
    const std::int16_t opened = GraphState.GraphStatus;
    if (opened != StatusOk && opened != StatusNoOpenGL) return Fail("open failed");
    if (GraphState.MaxX != 639 || GraphState.MaxY != 479) return Fail("wrong canvas size");

    SetFillMode(1, 5);
    FillBar(10, 10, 20, 20);
    if (ReadPixel(15, 15) != 5) return Fail("read back a different colour");
    if (ReadPixel(30, 30) != 0) return Fail("fill spilled");

    if (opened == StatusOk) {
        SetPaletteColor(7, 3, 250, 7);
        glClearColor(3.0F / 255, 250.0F / 255, 7.0F / 255, 1.0F);
        glClear(GL_COLOR_BUFFER_BIT);
        FinishGLDrawing();
        if (ReadPixel(30, 30) != 7) return Fail("OpenGL's clear did not reach the canvas");
    }

    CloseGraphics();
    if (GraphState.GraphStatus != StatusOk || IsGraphOpen()) return Fail("close failed");
    return 0;
}
