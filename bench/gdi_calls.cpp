// The cost of single GDI calls as a drawing program makes them, on a memory
// DC holding an 8-bit 640 x 480 DIB section: no window, no display. A second
// thread exists so that the locks pay what they pay in a real program.
#include <array>
#include <thread>

#include <benchmark/benchmark.h>

#include <lumenbox/win/gdi.h>

namespace {

namespace win = lumenbox::win;

struct Canvas {
    win::HDC dc = nullptr;
    win::HBITMAP bitmap = nullptr;
    win::HPALETTE palette = nullptr;
};

Canvas MakeCanvas() {
    struct Info {
        win::BITMAPINFOHEADER header;
        std::array<win::RGBQUAD, 256> colours;
    } info{};
    info.header.biSize = sizeof(win::BITMAPINFOHEADER);
    info.header.biWidth = 640;
    info.header.biHeight = -480;
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = win::BI_RGB;
    for (std::size_t i = 0; i < info.colours.size(); ++i)
        info.colours[i] = win::RGBQUAD{static_cast<win::BYTE>(i), static_cast<win::BYTE>(255 - i), 0, 0};
    Canvas canvas;
    canvas.dc = win::CreateCompatibleDC(nullptr);
    canvas.bitmap = win::CreateDIBSection(nullptr, reinterpret_cast<const win::BITMAPINFO*>(&info),
                                          win::DIB_RGB_COLORS, nullptr, nullptr, 0);
    win::SelectObject(canvas.dc, canvas.bitmap);
    canvas.palette = static_cast<win::HPALETTE>(win::GetStockObject(win::DEFAULT_PALETTE));
    return canvas;
}

void GetPixelCall(benchmark::State& state) {
    const Canvas canvas = MakeCanvas();
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(win::GetPixel(canvas.dc, x, 240));
        x = x == 639 ? 0 : x + 1;
    }
}

void NearestPaletteIndexCall(benchmark::State& state) {
    const Canvas canvas = MakeCanvas();
    win::COLORREF colour = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(win::GetNearestPaletteIndex(canvas.palette, colour));
        colour = (colour + 0x010203) & 0x3F3F3F;
    }
}

void BrushMakeSelectDelete(benchmark::State& state) {
    const Canvas canvas = MakeCanvas();
    win::UINT index = 0;
    for (auto _ : state) {
        const win::LOGBRUSH record{win::BS_SOLID, win::PALETTEINDEX(static_cast<win::WORD>(index)), 0};
        const win::HBRUSH brush = win::CreateBrushIndirect(&record);
        win::DeleteObject(win::SelectObject(canvas.dc, brush));
        index = (index + 1) & 0xFF;
    }
}

void FillRectSmall(benchmark::State& state) {
    const Canvas canvas = MakeCanvas();
    const win::LOGBRUSH record{win::BS_SOLID, win::PALETTEINDEX(7), 0};
    const win::HBRUSH brush = win::CreateBrushIndirect(&record);
    const win::RECT block{318, 398, 323, 403};
    for (auto _ : state) benchmark::DoNotOptimize(win::FillRect(canvas.dc, &block, brush));
    win::DeleteObject(brush);
}

BENCHMARK(GetPixelCall);
BENCHMARK(NearestPaletteIndexCall);
BENCHMARK(BrushMakeSelectDelete);
BENCHMARK(FillRectSmall);

}  // namespace

int main(int argc, char** argv) {
    // Idle, but alive: a single-threaded process gets cheaper locks from the
    // C library than any drawing program sees.
    std::thread idle([] {});
    idle.join();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
