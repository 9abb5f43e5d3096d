// How fast lines, circles and text draw through the library, against the
// same pixels written into plain memory in the same run. A frame is 10,000
// short lines, 1,000 circles of radius 10 and 1,000 five-letter texts on a
// 640 x 480 256-colour window, drawn on the canvas and the window alike.
// Runs on the headless display only: LUMENBOX_DISPLAY=headless bench_drawing.
#include <cstdio>
#include <map>
#include <string>

#include <benchmark/benchmark.h>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>

#include "drawing_baseline.h"

namespace {

namespace headless = lumenbox::display::headless;
using namespace lumenbox;
using namespace lumenbox::bench;

const FrameLayout& Layout() {
    static const FrameLayout layout = MakeFrameLayout();
    return layout;
}

constexpr const char* FrameText = "Hello";

void DrawLines() {
    for (const auto& l : Layout().lines) {
        SetDrawColor(l.colour);
        DrawLine(l.x1, l.y1, l.x2, l.y2);
    }
}

void DrawCircles() {
    for (const auto& c : Layout().circles) {
        SetDrawColor(c.colour);
        DrawCircle(c.x, c.y, CircleRadius);
    }
}

void DrawTexts() {
    for (const auto& t : Layout().texts) {
        SetDrawColor(t.colour);
        WriteTextAt(t.x, t.y, FrameText);
    }
}

template <void (*Draw)()>
void LibraryPart(benchmark::State& state) {
    for (auto _ : state) Draw();
}

void LibraryDrawingFrame(benchmark::State& state) {
    for (auto _ : state) {
        DrawLines();
        DrawCircles();
        DrawTexts();
    }
}

// The library's own rendering of the text, read back once, as the baseline's mask.
TextMask CaptureTextMask() {
    ClearGraphics();
    SetDrawColor(1);
    WriteTextAt(0, 0, FrameText);
    TextMask mask;
    mask.width = MeasureTextWidth(FrameText);
    mask.height = MeasureTextHeight(FrameText);
    const PixelBlock block = CopyBlock(0, 0, static_cast<std::int16_t>(mask.width - 1), static_cast<std::int16_t>(mask.height - 1));
    for (const std::uint32_t value : block.Pixels) mask.ink.push_back(value == 1 ? 1 : 0);
    ClearGraphics();
    return mask;
}

void BaselineDrawingFrame(benchmark::State& state) {
    BaselineDrawing drawing;
    for (std::uint32_t i = 0; i < 256; ++i) drawing.colours[i] = i * 0x010101u;
    drawing.text = CaptureTextMask();
    for (auto _ : state) {
        lumenbox::bench::BaselineDrawingFrame(drawing, Layout());
        benchmark::DoNotOptimize(drawing.canvas.data());
        benchmark::DoNotOptimize(drawing.window.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(LibraryDrawingFrame)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineDrawingFrame)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(LibraryPart<DrawLines>)->Name("Lines")->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(LibraryPart<DrawCircles>)->Name("Circles")->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(LibraryPart<DrawTexts>)->Name("Texts")->UseRealTime()->Unit(benchmark::kMillisecond);

class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0)
            {
                seconds_[run.run_name.function_name] = run.real_accumulated_time / static_cast<double>(run.iterations);
                cpuSeconds_[run.run_name.function_name] =
                    run.cpu_accumulated_time / static_cast<double>(run.iterations);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double Seconds(const std::string& name) const {
        const auto found = seconds_.find(name);
        return found == seconds_.end() ? 0 : found->second;
    }
    // Processor time, steadier than wall time on a busy machine.
    double CpuSeconds(const std::string& name) const {
        const auto found = cpuSeconds_.find(name);
        return found == cpuSeconds_.end() ? 0 : found->second;
    }

private:
    std::map<std::string, double> seconds_;
    std::map<std::string, double> cpuSeconds_;
};

bool OpenDrawingWindow() {
    std::int16_t kind = 3;
    std::int16_t size = 4;
    OpenGraphics(kind, size, "Drawing");
    if (!IsGraphOpen()) {
        std::fprintf(stderr, "bench_drawing: the window did not open: status %d\n", GraphState.GraphStatus.load());
        return false;
    }
    PaletteRecord greys{};
    greys.Count = 256;
    for (std::uint32_t i = 0; i < 256; ++i) greys.Colors[i] = win::RGB(i, i, i);
    ReplacePalette(greys);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (!headless::IsActive()) {
        std::fprintf(stderr, "bench_drawing: run it as LUMENBOX_DISPLAY=headless bench_drawing\n");
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv) || !OpenDrawingWindow()) return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double library = reporter.Seconds("LibraryDrawingFrame");
    const double baseline = reporter.Seconds("BaselineDrawingFrame");
    if (library > 0 && baseline > 0) {
        std::printf("\ndrawing frame: library %.3f ms, plain memory %.3f ms, ratio %.1f\n", library * 1e3,
                    baseline * 1e3, library / baseline);
        const double libraryCpu = reporter.CpuSeconds("LibraryDrawingFrame");
        const double baselineCpu = reporter.CpuSeconds("BaselineDrawingFrame");
        if (libraryCpu > 0 && baselineCpu > 0)
            std::printf("drawing frame, processor time: library %.3f ms, plain memory %.3f ms, ratio %.1f\n",
                        libraryCpu * 1e3, baselineCpu * 1e3, libraryCpu / baselineCpu);
    }
    CloseGraphics();
    benchmark::Shutdown();
    return 0;
}
