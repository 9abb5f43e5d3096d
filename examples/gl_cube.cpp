// gl_cube: a spinning, lit cube drawn with OpenGL on the window target, and
// beside it a panel of the library's own text on the canvas, with the frame
// rate. Escape ends it. Runs in an SDL window and in a terminal alike: the
// OpenGL drawing is done in software and needs neither a GPU nor a server.
//
//   gl_cube                  spins until Escape
//   gl_cube --frames N       draws N frames, prints the frame rate, and ends
#define GL_GLEXT_PROTOTYPES 1  // glWindowPos2i, OpenGL 1.4
#include <GL/gl.h>
#include <GL/glext.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>
#include <lumenbox/standard_colors.h>

using namespace lumenbox;

namespace {

constexpr int kCubeSide = 480;  // the square the cube spins in, at the left
using Clock = std::chrono::steady_clock;

struct Face {
    std::array<GLfloat, 3> normal;
    std::array<GLfloat, 3> colour;
    std::array<std::array<GLfloat, 3>, 4> corners;
};

constexpr std::array<Face, 6> kFaces{{
    {{0, 0, 1}, {0.9F, 0.3F, 0.2F}, {{{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}}},
    {{0, 0, -1}, {0.2F, 0.7F, 0.3F}, {{{1, -1, -1}, {-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}}}},
    {{1, 0, 0}, {0.2F, 0.4F, 0.9F}, {{{1, -1, 1}, {1, -1, -1}, {1, 1, -1}, {1, 1, 1}}}},
    {{-1, 0, 0}, {0.9F, 0.8F, 0.2F}, {{{-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}}}},
    {{0, 1, 0}, {0.8F, 0.3F, 0.8F}, {{{-1, 1, 1}, {1, 1, 1}, {1, 1, -1}, {-1, 1, -1}}}},
    {{0, -1, 0}, {0.2F, 0.8F, 0.8F}, {{{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}}}},
}};

// Fixed-function lighting: one light above and to the left of the viewer.
void SetUpScene() {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glShadeModel(GL_SMOOTH);
    const std::array<GLfloat, 4> position{-2.0F, 3.0F, 4.0F, 0.0F};
    const std::array<GLfloat, 4> ambient{0.2F, 0.2F, 0.25F, 1.0F};
    glLightfv(GL_LIGHT0, GL_POSITION, position.data());
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient.data());
}

void DrawCube(double seconds) {
    glViewport(0, 0, kCubeSide, kCubeSide);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, kCubeSide, kCubeSide);
    glClearColor(0.05F, 0.06F, 0.12F, 1.0F);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-1.0, 1.0, -1.0, 1.0, 2.0, 20.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0F, 0.0F, -6.0F);
    glRotatef(static_cast<GLfloat>(seconds * 50.0), 1.0F, 0.0F, 0.0F);
    glRotatef(static_cast<GLfloat>(seconds * 80.0), 0.0F, 1.0F, 0.0F);
    glBegin(GL_QUADS);
    for (const Face& face : kFaces) {
        glNormal3fv(face.normal.data());
        glColor3fv(face.colour.data());
        for (const auto& corner : face.corners) glVertex3fv(corner.data());
    }
    glEnd();
}

// The panel right of the cube, in the library's own text on the canvas,
// written only when its text changes.
void WritePanel(const std::string& rate) {
    const auto left = static_cast<std::int16_t>(kCubeSide + 12);
    SetFillMode(1, Black);
    FillBar(static_cast<std::int16_t>(kCubeSide), 0, static_cast<std::int16_t>(GraphState.MaxX),
            static_cast<std::int16_t>(GraphState.MaxY));
    SetDrawColor(White);
    SetTextFont(3 | (1 << 4), 0, 22);
    WriteTextAt(left, 20, "Lumenbox");
    SetTextFont(3, 0, 16);
    SetDrawColor(SkyBlue);
    WriteTextAt(left, 60, "OpenGL cube");
    WriteTextAt(left, 82, "on the window,");
    WriteTextAt(left, 104, "this text on");
    WriteTextAt(left, 126, "the canvas.");
    SetDrawColor(Gold);
    WriteTextAt(left, 170, rate.c_str());
    SetDrawColor(Gray);
    WriteTextAt(left, 440, "Escape ends");
}

// The window's OpenGL picture covers the whole client area when it is shown,
// so the panel's pixels, taken from the canvas, go into it beside the cube:
// the window never shows a frame without them.
void DrawPanel(const PixelBlock& panel) {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    // Canvas rows run top down, OpenGL's bottom up.
    glWindowPos2i(kCubeSide, panel.Height);
    glPixelZoom(1.0F, -1.0F);
    glDrawPixels(panel.Width, panel.Height, GL_BGRA, GL_UNSIGNED_BYTE, panel.Pixels.data());
    glPixelZoom(1.0F, 1.0F);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}

std::string RateText(int frames, double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f frames/s", seconds > 0 ? frames / seconds : 0.0);
    return text;
}

bool EscapePressed() {
    while (KeyWaiting())
        if (NextKey() == 27) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const int frameLimit = argc == 3 && std::strcmp(argv[1], "--frames") == 0 ? std::atoi(argv[2]) : 0;
    std::int16_t kind = 9;
    std::int16_t size = 4;
    OpenGraphics(kind, size, "OpenGL cube");
    if (!IsGraphOpen() || GraphState.GraphStatus == StatusNoOpenGL) {
        std::fprintf(stderr, "gl_cube: no OpenGL window: status %d (%s)\n", GraphState.GraphStatus.load(),
                     StatusMeaning(GraphState.GraphStatus));
        if (IsGraphOpen()) CloseGraphics();
        return 1;
    }
    SelectGLTarget(true);
    SetUpScene();
    const Clock::time_point start = Clock::now();
    Clock::time_point countedFrom = start;
    int counted = 0;
    int frames = 0;
    WritePanel("measuring...");
    PixelBlock panel = CopyBlock(kCubeSide, 0, static_cast<std::int16_t>(GraphState.MaxX),
                                 static_cast<std::int16_t>(GraphState.MaxY));
    while (!EscapePressed() && (frameLimit == 0 || frames < frameLimit)) {
        const Clock::time_point now = Clock::now();
        DrawCube(std::chrono::duration<double>(now - start).count());
        DrawPanel(panel);
        FinishGLDrawing();
        ++frames;
        ++counted;
        const double span = std::chrono::duration<double>(Clock::now() - countedFrom).count();
        if (span >= 1.0) {
            WritePanel(RateText(counted, span));
            panel = CopyBlock(kCubeSide, 0, static_cast<std::int16_t>(GraphState.MaxX),
                              static_cast<std::int16_t>(GraphState.MaxY));
            countedFrom = Clock::now();
            counted = 0;
        }
    }
    const double total = std::chrono::duration<double>(Clock::now() - start).count();
    CloseGraphics();
    if (frameLimit > 0) std::printf("gl_cube: %d frames in %.2f s: %s\n", frames, total, RateText(frames, total).c_str());
    return 0;
}
