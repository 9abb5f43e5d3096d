// Opening, drawing in and closing the window hundreds of times: every close
// must give back everything the open and the drawing took, each time, so a
// program that reopens its window for hours does not grow.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <string>
#include <thread>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define LUMENBOX_SANITIZED_HEAP 1
#if __has_include(<sanitizer/allocator_interface.h>)
#include <sanitizer/allocator_interface.h>
#else
// The sanitizer runtimes export it whether or not the compiler ships the header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif
#else
#include <malloc.h>
#endif

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/gl.h>
#include <lumenbox/win/probes.h>

#include "graph/window/window_fixture.h"
#include "graph/window/window_leftovers.h"

namespace lumenbox::window_test {
namespace {

namespace probe = win::probe;

constexpr int Cycles = 500;
// The first cycles load what stays loaded for good (the font catalogue, the
// colour table's room for 256 entries, the handle tables' slots); the
// baseline is taken after them.
constexpr int WarmUpCycles = 2;

// The four kinds that open a window, the palette kind first so that the
// warm-up sees the largest colour table. Sizes 10 to 13 are system-chosen,
// screen less frame, full screen and custom (0 x 0: a window without canvas).
constexpr std::array<std::int16_t, 4> Kinds{3, 9, 1, 2};
constexpr std::array<std::int16_t, 12> Sizes{4, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13};

// Threads of the whole process, as the kernel counts them.
int OsThreadCount() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Threads:", 0) == 0) {
            return std::stoi(line.substr(8));
        }
    }
    return -1;
}

#ifdef LUMENBOX_SANITIZED_HEAP
// The sanitizers count the bytes a program asked for and has not freed,
// whichever thread freed them: the reading is exact.
std::size_t HeapBytesInUse() { return __sanitizer_get_current_allocated_bytes(); }

void ExpectHeapAsBefore(std::size_t heap, std::size_t baseline, int cycle) {
    ASSERT_EQ(heap, baseline) << "heap bytes in use after cycle " << cycle;
}
#else
// Small blocks a thread frees wait in its malloc cache, and malloc counts
// them as in use. Filling every bin of this thread's cache to its limit (7
// blocks, bins up to 1032 bytes) before each reading makes this thread's
// share the same every time. Large blocks are mapped and counted apart.
void FillMallocCache() {
    constexpr std::size_t BinLimit = 7;
    constexpr std::size_t LargestCachedBlock = 1032;
    constexpr std::size_t BinStep = 16;
    for (std::size_t size = 24; size <= LargestCachedBlock; size += BinStep) {
        std::array<void*, BinLimit> blocks{};
        for (void*& block : blocks) block = std::malloc(size);
        for (void* block : blocks) std::free(block);
    }
}

std::size_t HeapBytesInUse() {
    FillMallocCache();
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Even so, with the caches and arenas of the window threads, the count
// wanders a few kilobytes either side of the baseline from cycle to cycle,
// and creeps by a few more over hundreds of cycles as the arenas fragment
// (the sanitizer builds, whose count is exact, see no change at all). Here a
// reading only has to stay near the baseline, which catches a large leak;
// the exact check is the sanitizer builds', which CI runs.
constexpr std::size_t HeapWander = 64 * 1024;

void ExpectHeapAsBefore(std::size_t heap, std::size_t baseline, int cycle) {
    const std::size_t difference = heap > baseline ? heap - baseline : baseline - heap;
    ASSERT_LE(difference, HeapWander) << "heap bytes in use after cycle " << cycle << ": " << heap << ", "
                                      << baseline << " after the warm-up";
}
#endif

// Two stores of the platform keep memory on purpose, a bounded amount whose
// share depends on the order of earlier calls: deleted solid brushes wait
// for reuse (up to a small limit), and the pixel format of a deleted DC is
// forgotten at the next SetPixelFormat. Making and deleting more brushes than
// the store holds fills it, and setting a format on a DC of one's own and
// deleting it leaves exactly that one record, so both are the same at every
// reading.
void SettleCaches() {
    std::array<win::HBRUSH, 64> brushes{};
    const win::LOGBRUSH solid{win::BS_SOLID, 0, 0};
    for (win::HBRUSH& brush : brushes) brush = win::CreateBrushIndirect(&solid);
    for (win::HBRUSH brush : brushes) win::DeleteObject(brush);
    const win::HDC dc = win::CreateCompatibleDC(nullptr);
    win::SetPixelFormat(dc, 2, nullptr);
    win::DeleteDC(dc);
}

class OpenCloseSoakTest : public GraphWindowTest {
protected:
    // A window's worth of drawing that makes and replaces an object of every
    // kind the library keeps: palette entries, brushes, the pattern bitmap,
    // pens, fonts, a clip region, another draw page and the window's OpenGL
    // context. Odd cycles leave the clip region, a hidden draw page and the
    // window's context in place for the close to release. Returns what the
    // program reads back of a solid fill, as a sign that drawing happened.
    static std::uint32_t DrawEverything(int cycle, bool palette) {
        const std::uint32_t marked = palette ? 1u : win::RGB(10, 20, 30);
        SetPaletteColor(1, 10, 20, 30);
        for (std::uint16_t mode = 0; mode <= 9; ++mode) {
            SetFillMode(mode, marked);
            FillBar(static_cast<std::int16_t>(mode * 4), 8, static_cast<std::int16_t>(mode * 4 + 3), 11);
        }
        DefineFillPattern({0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, marked);
        FillBar(0, 12, 15, 27);
        SetLineMode(static_cast<std::uint16_t>(cycle % 5), 0, 3);
        SetDrawColor(marked);
        SetTextFont(static_cast<std::uint16_t>(cycle % 4), 90, 2);
        SetFillMode(1, marked);
        FillBar(0, 0, 3, 3);
        const std::uint32_t readBack = ReadPixel(1, 1);
        SetViewArea(2, 2, 30, 30, true);
        FillBar(-2, -2, 0, 0);
        SelectDrawPage(2);
        FillBar(5, 5, 6, 6);
        SelectGLTarget(true);
        if (cycle % 2 == 0) {
            SelectGLTarget(false);
            SetViewArea(0, 0, static_cast<std::int16_t>(GraphState.MaxX), static_cast<std::int16_t>(GraphState.MaxY),
                        false);
            SelectDrawPage(0);
        }
        return readBack;
    }

    void RunCycle(int cycle);
};

// Opens, draws and closes once. Size 13 makes the smallest window there is,
// with a canvas of one pixel.
void OpenCloseSoakTest::RunCycle(int cycle) {
    std::int16_t kind = Kinds[static_cast<std::size_t>(cycle) % Kinds.size()];
    std::int16_t size = Sizes[static_cast<std::size_t>(cycle / 4) % Sizes.size()];
    SCOPED_TRACE(testing::Message() << "cycle " << cycle << ", kind " << kind << ", size " << size);
    GraphState.CustomWidth = 1;
    GraphState.CustomHeight = 1;

    OpenGraphics(kind, size, "Soak");
    ASSERT_TRUE(IsGraphOpen()) << "status " << GraphState.GraphStatus;
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    const bool palette = GraphState.PaletteMode;
    const bool hasCanvas = GraphState.MaxX >= 3 && GraphState.MaxY >= 3;
    const std::uint32_t readBack = DrawEverything(cycle, palette);
    if (hasCanvas) {
        EXPECT_EQ(readBack, palette ? 1u : win::RGB(10, 20, 30)) << "the drawing reached the canvas";
    }
    CloseGraphics();
    ASSERT_EQ(GraphState.GraphStatus, StatusOk);
    ASSERT_FALSE(IsGraphOpen());
}

// Measured outside RunCycle: the trace's text lives on the heap while it is
// in scope. Objects, windows, handles and threads must be back to what they
// were before the first open; heap memory to what it was after the warm-up.
TEST_F(OpenCloseSoakTest, EveryCloseGivesBackWhatItsOpenAndDrawingTook) {
    // A sanitizer runtime starts a helper thread of its own with the first
    // thread the program makes; the start is counted after that.
    std::thread([] {}).join();
    // The first open starts the OpenGL driver, whose threads serve every
    // later context for the life of the process: they are there before the
    // count starts.
    RunCycle(0);
    ASSERT_FALSE(HasFatalFailure());
    const Leftovers start;
    const int startThreads = OsThreadCount();
    ASSERT_GT(startThreads, 0);
    std::size_t warmHeap = 0;

    for (int cycle = 0; cycle < Cycles; ++cycle) {
        RunCycle(cycle);
        if (HasFatalFailure()) {
            return;
        }
        ASSERT_EQ(Leftovers{}, start) << "after cycle " << cycle;
        // The window thread's handle is closed once its exit code is in, but
        // the thread itself may still be on its way out of the system.
        ASSERT_TRUE(WaitUntil([&] { return OsThreadCount() == startThreads; }))
            << "after cycle " << cycle << ": " << OsThreadCount() << " threads, " << startThreads << " at the start";
        if (cycle + 1 < WarmUpCycles) {
            continue;
        }
        SettleCaches();
        const std::size_t heap = HeapBytesInUse();
        if (cycle + 1 == WarmUpCycles) {
            warmHeap = heap;
            continue;
        }
        ExpectHeapAsBefore(heap, warmHeap, cycle);
        if (HasFatalFailure()) {
            return;
        }
    }
}

}  // namespace
}  // namespace lumenbox::window_test
