// What FinishGLDrawing costs on a 640 x 480 window, per target and canvas
// kind, with every pixel changed since the last finish (a clear in a new
// colour) and with none changed; and the read-back alone in the order the
// framebuffer stores (BGRA) against another (RGBA).
// Runs on the headless display only: LUMENBOX_DISPLAY=headless bench_gl_finish.
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdio>
#include <vector>

#include <benchmark/benchmark.h>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>

namespace {

namespace headless = lumenbox::display::headless;
using namespace lumenbox;

// Opens a 640 x 480 window of the kind on the target; false (and the
// benchmark skipped) without OpenGL.
bool OpenOn(benchmark::State& state, std::int16_t kind, bool toWindow) {
    std::int16_t size = 4;
    OpenGraphics(kind, size, "OpenGL finish");
    if (GraphState.GraphStatus != StatusOk) {
        state.SkipWithError("no OpenGL window");
        if (IsGraphOpen()) CloseGraphics();
        return false;
    }
    SelectGLTarget(toWindow);
    return true;
}

// Alternates between two greys, so each finish finds every pixel changed.
void ClearInTurn(int frame) {
    const float grey = (frame % 2 == 0) ? 0.25F : 0.75F;
    glClearColor(grey, grey, grey, 1.0F);
    glClear(GL_COLOR_BUFFER_BIT);
}

void FinishAllChanged(benchmark::State& state) {
    const auto kind = static_cast<std::int16_t>(state.range(0));
    if (!OpenOn(state, kind, state.range(1) != 0)) return;
    int frame = 0;
    ClearInTurn(frame);
    FinishGLDrawing();
    for (auto _ : state) {
        state.PauseTiming();
        ClearInTurn(++frame);
        glFinish();
        state.ResumeTiming();
        FinishGLDrawing();
    }
    CloseGraphics();
}

void FinishNoneChanged(benchmark::State& state) {
    const auto kind = static_cast<std::int16_t>(state.range(0));
    if (!OpenOn(state, kind, false)) return;
    ClearInTurn(0);
    FinishGLDrawing();
    for (auto _ : state) FinishGLDrawing();
    CloseGraphics();
}

template <GLenum Format>
void ReadBack(benchmark::State& state) {
    if (!OpenOn(state, 9, false)) return;
    std::vector<std::uint32_t> pixels(640 * 480);
    for (auto _ : state) {
        glReadPixels(0, 0, 640, 480, Format, GL_UNSIGNED_BYTE, pixels.data());
        benchmark::DoNotOptimize(pixels.data());
    }
    CloseGraphics();
}

// Arguments: canvas kind, target (0 canvas, 1 window).
BENCHMARK(FinishAllChanged)->Args({9, 0})->Args({3, 0})->Args({9, 1})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(FinishNoneChanged)->Arg(9)->Arg(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ReadBack<GL_BGRA>)->Name("ReadBackBGRA")->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ReadBack<GL_RGBA>)->Name("ReadBackRGBA")->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!headless::IsActive()) {
        std::fprintf(stderr, "bench_gl_finish: run it as LUMENBOX_DISPLAY=headless bench_gl_finish\n");
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
