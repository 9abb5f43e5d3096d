// How fast the fire burns through the library, against the same pixel work
// in plain memory. Runs on the headless display only (it copies no pixels
// unless a recording wants them, so the figures are the library's own cost);
// the display is chosen before main, so start it with
// LUMENBOX_DISPLAY=headless, as the run_bench_fire target does.
//
// Prints Google Benchmark's table, then frames per second of each frame,
// their ratio, and the cost per call of ReadPixel and of a SetFillMode and
// FillBar pair.
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

#include <benchmark/benchmark.h>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>

#include "demo/fire.h"
#include "fire_baseline.h"

namespace {

namespace headless = lumenbox::display::headless;
using lumenbox::bench::BaselineFire;

// The library is allowed this many times the plain-memory frame time.
constexpr double TargetRatio = 8.0;

void LibraryFireFrame(benchmark::State& state) {
    for (auto _ : state) {
        lumenbox::FireFrame();
    }
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// The colours of the entries the fire palette leaves alone, as 0x00RRGGBB.
std::array<std::uint32_t, 256> DefaultColours() {
    lumenbox::PaletteRecord record{};
    lumenbox::FillDefaultPalette(record);
    std::array<std::uint32_t, 256> colours{};
    for (std::size_t entry = 0; entry < colours.size(); ++entry) {
        const std::uint32_t ref = record.Colors[entry];
        colours[entry] = ((ref & 0xFF) << 16) | (ref & 0xFF00) | ((ref >> 16) & 0xFF);
    }
    return colours;
}

void BaselineFireFrame(benchmark::State& state) {
    BaselineFire fire = lumenbox::bench::MakeBaselineFire(DefaultColours());
    for (int warm = 0; warm < 20; ++warm) {
        lumenbox::bench::BaselineFrame(fire);
    }
    for (auto _ : state) {
        lumenbox::bench::BaselineFrame(fire);
        benchmark::DoNotOptimize(fire.canvas.data());
        benchmark::DoNotOptimize(fire.window.data());
        benchmark::ClobberMemory();
    }
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Reads along the fire's rows, inside and one cell beyond the side edges.
void ReadPixelCall(benchmark::State& state) {
    std::int16_t x = -4;
    std::int16_t y = 240;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumenbox::ReadPixel(x, y));
        x = static_cast<std::int16_t>(x == 640 ? -4 : x + 4);
        y = static_cast<std::int16_t>(x == -4 ? (y == 476 ? 240 : y + 4) : y);
    }
}

// One cell of the fire: a new solid brush, then a 5 x 5 block on both targets.
void FillModeAndBarPair(benchmark::State& state) {
    std::uint32_t heat = 0;
    for (auto _ : state) {
        lumenbox::SetFillMode(1, heat * 257);
        lumenbox::FillBar(318, 398, 322, 402);
        heat = heat == 159 ? 0 : heat + 1;
    }
}

BENCHMARK(LibraryFireFrame)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineFireFrame)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ReadPixelCall)->UseRealTime();
BENCHMARK(FillModeAndBarPair)->UseRealTime();

struct IterationTime {
    double real = 0;  // seconds of wall time per iteration
    double cpu = 0;   // seconds of the benchmark thread's processor time
};

// Keeps each benchmark's time per iteration for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    // Colour only on a terminal, so that a saved report stays plain text.
    SummaryReporter() : ConsoleReporter(isatty(STDOUT_FILENO) == 1 ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0) {
                const auto iterations = static_cast<double>(run.iterations);
                times_[run.run_name.function_name] = {run.real_accumulated_time / iterations,
                                                      run.cpu_accumulated_time / iterations};
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Zero when the benchmark did not run (filtered out).
    IterationTime Time(const std::string& name) const {
        const auto found = times_.find(name);
        return found == times_.end() ? IterationTime{} : found->second;
    }

private:
    std::map<std::string, IterationTime> times_;
};

void PrintRatio(const char* clock, double library, double baseline) {
    const double ratio = library / baseline;
    std::printf("%s: library %.1f frames/s (%.3f ms), plain memory %.1f frames/s (%.3f ms),\n"
                "  ratio %.1f (target: within %.0fx) -> %s\n",
                clock, 1 / library, library * 1e3, 1 / baseline, baseline * 1e3, ratio, TargetRatio,
                ratio <= TargetRatio ? "met" : "NOT met");
}

// Wall time is what a user sees; processor time is steadier on a busy machine.
void PrintSummary(const SummaryReporter& reporter) {
    const IterationTime library = reporter.Time("LibraryFireFrame");
    const IterationTime baseline = reporter.Time("BaselineFireFrame");
    std::printf("\nfire frame\n");
    if (library.real > 0 && baseline.real > 0) {
        PrintRatio("wall time", library.real, baseline.real);
        PrintRatio("processor time", library.cpu, baseline.cpu);
    }
    if (const IterationTime read = reporter.Time("ReadPixelCall"); read.real > 0) {
        std::printf("ReadPixel: %.1f ns per call (processor %.1f ns)\n", read.real * 1e9, read.cpu * 1e9);
    }
    if (const IterationTime fill = reporter.Time("FillModeAndBarPair"); fill.real > 0) {
        std::printf("SetFillMode + FillBar: %.1f ns per pair (processor %.1f ns)\n", fill.real * 1e9,
                    fill.cpu * 1e9);
    }
}

// The window vyr uses, open and shown, with the fire palette and a fire that
// has burned for a while, so that the measured frames are typical ones.
bool OpenFireWindow() {
    std::int16_t kind = 3;
    std::int16_t size = 4;
    lumenbox::OpenGraphics(kind, size, "Vyr");
    const std::int16_t status = lumenbox::GraphState.GraphStatus.load();
    const auto view = headless::Window(headless::IdOf(lumenbox::GraphState.GraphWindow.load()));
    if (!lumenbox::IsGraphOpen() || !view || !view->visible) {
        std::fprintf(stderr, "bench_fire: the window did not open and show: status %d (%s)\n", status,
                     lumenbox::StatusMeaning(status));
        return false;
    }
    lumenbox::LoadFirePalette();
    for (int warm = 0; warm < 20; ++warm) {
        lumenbox::FireFrame();
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (!headless::IsActive()) {
        std::fprintf(stderr,
                     "bench_fire: the library's display is not the headless one. The display is chosen\n"
                     "before main: run it as LUMENBOX_DISPLAY=headless bench_fire (or build the\n"
                     "run_bench_fire target).\n");
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    if (!OpenFireWindow()) {
        return 1;
    }
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintSummary(reporter);
    lumenbox::CloseGraphics();
    benchmark::Shutdown();
    return 0;
}
