// The calls a drawing program makes thousands of times a frame (GetPixel,
// FillRect, SelectObject, CreateBrushIndirect, DeleteObject) answer their
// common case without the full path: the answers must be the full path's,
// follow whatever the DC holds now, and wait for the GDI mutex like any
// other call.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

#include <lumenbox/win/probes.h>

#include "gdi_test_support.h"
#include "platform/gdi/gdi_objects.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::Fill;
using testing::MakePalette;
using testing::SolidBrush;

// A top-down 8-bit DIB section whose table entry 1 is `colour`, with every
// pixel 1.
HBITMAP IndexedBitmapOf(COLORREF colour) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = -4;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 8;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiColors[1] = RGBQUAD{GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bits) std::fill_n(static_cast<std::uint8_t*>(bits), 16, std::uint8_t{1});
    return bitmap;
}

TEST(GdiCommonCase, ReadsAndFillsFollowTheBitmapTheDcHoldsNow) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP red = IndexedBitmapOf(RGB(255, 0, 0));
    HBITMAP green = IndexedBitmapOf(RGB(0, 255, 0));
    HGDIOBJ original = SelectObject(dc, red);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 0, 0));
    SelectObject(dc, green);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0, 255, 0));

    // A bitmap made after another was deleted may take its slot: the DC
    // must read the new one, not what it remembered of the old.
    SelectObject(dc, original);
    DeleteObject(red);
    HBITMAP blue = IndexedBitmapOf(RGB(0, 0, 255));
    SelectObject(dc, blue);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0, 0, 255));
    Fill(dc, 0, 0, 2, 2, PALETTEINDEX(0));
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0, 0, 0));

    // The fill went to the bitmap held, and the one held before kept its pixels.
    SelectObject(dc, green);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0, 255, 0));
    SelectObject(dc, original);
    DeleteObject(green);
    DeleteObject(blue);
    DeleteDC(dc);
}

TEST(GdiCommonCase, PixelsOutsideTheClipRegionReadAsInvalid) {
    DibCanvas canvas(8, 8, 32);
    Fill(canvas.dc(), 0, 0, 8, 8, RGB(10, 20, 30));
    HRGN region = CreateRectRgn(2, 2, 4, 4);
    SelectClipRgn(canvas.dc(), region);
    EXPECT_EQ(GetPixel(canvas.dc(), 3, 3), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 3), CLR_INVALID);
    EXPECT_EQ(GetPixel(canvas.dc(), 3, 4), CLR_INVALID);
    EXPECT_EQ(GetPixel(canvas.dc(), 8, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(canvas.dc(), -1, 0), CLR_INVALID);
    SelectClipRgn(canvas.dc(), nullptr);
    DeleteObject(region);
}

TEST(GdiCommonCase, APaletteIndexWrapsRoundAPaletteOfAnySize) {
    DibCanvas canvas(4, 1, 32);
    HPALETTE palette = MakePalette({RGB(0, 0, 0), RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4),
                                    RGB(5, 5, 5), RGB(6, 6, 6), RGB(7, 7, 7), RGB(8, 8, 8), RGB(9, 9, 9)});
    HPALETTE previous = SelectPalette(canvas.dc(), palette, FALSE);
    Fill(canvas.dc(), 0, 0, 1, 1, PALETTEINDEX(13));
    Fill(canvas.dc(), 1, 0, 2, 1, PALETTEINDEX(9));
    Fill(canvas.dc(), 2, 0, 3, 1, RGB(40, 50, 60));
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), RGB(3, 3, 3));
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 0), RGB(9, 9, 9));
    EXPECT_EQ(GetPixel(canvas.dc(), 2, 0), RGB(40, 50, 60));
    SelectPalette(canvas.dc(), previous, FALSE);
    DeleteObject(palette);
}

// More brushes than are kept for reuse: the kept ones come back as new
// brushes with their new colours, the rest are freed (the sanitizers see a
// leak or a double free), and no old handle finds a new brush.
TEST(GdiCommonCase, DeletedBrushesComeBackAsNewBrushes) {
    constexpr int kBrushes = 40;
    const std::size_t liveBefore = probe::LiveGdiObjects(OBJ_BRUSH);
    std::vector<HBRUSH> old;
    for (int i = 0; i < kBrushes; ++i) old.push_back(SolidBrush(RGB(i, 0, 0)));
    for (HBRUSH brush : old) EXPECT_EQ(DeleteObject(brush), TRUE);
    EXPECT_EQ(probe::LiveGdiObjects(OBJ_BRUSH), liveBefore);

    DibCanvas canvas(kBrushes, 1, 32);
    std::vector<HBRUSH> renewed;
    for (int i = 0; i < kBrushes; ++i) renewed.push_back(SolidBrush(RGB(0, i, 200)));
    for (int i = 0; i < kBrushes; ++i) {
        EXPECT_EQ(GetObjectType(old[static_cast<std::size_t>(i)]), 0u) << "old brush " << i;
        LOGBRUSH record{};
        GetObjectA(renewed[static_cast<std::size_t>(i)], sizeof record, &record);
        EXPECT_EQ(record.lbStyle, static_cast<UINT>(BS_SOLID));
        EXPECT_EQ(record.lbColor, RGB(0, i, 200)) << "new brush " << i;
        RECT pixel{i, 0, i + 1, 1};
        FillRect(canvas.dc(), &pixel, renewed[static_cast<std::size_t>(i)]);
        EXPECT_EQ(GetPixel(canvas.dc(), i, 0), RGB(0, i, 200)) << "fill with new brush " << i;
    }
    for (HBRUSH brush : renewed) DeleteObject(brush);
}

// Calls made while another thread holds the GDI mutex wait for it, and then
// answer as they would have at once.
TEST(GdiCommonCase, CallsWaitForTheGdiMutexAndThenAnswer) {
    DibCanvas canvas(4, 4, 8, {RGB(0, 0, 0), RGB(50, 60, 70)});
    Fill(canvas.dc(), 0, 0, 4, 4, PALETTEINDEX(1));
    HBRUSH brush = SolidBrush(PALETTEINDEX(0));
    detail::WordMutex& mutex = detail::Gdi().mutex;
    mutex.lock();
    std::atomic<int> finished{0};
    COLORREF read = 0;
    HGDIOBJ displaced = nullptr;
    std::vector<std::thread> callers;
    callers.emplace_back([&] {
        read = GetPixel(canvas.dc(), 2, 2);
        ++finished;
    });
    callers.emplace_back([&] {
        displaced = SelectObject(canvas.dc(), brush);
        ++finished;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(finished.load(), 0) << "a call went ahead while another thread held the GDI mutex";
    mutex.unlock();
    for (std::thread& caller : callers) caller.join();
    EXPECT_EQ(read, RGB(50, 60, 70));
    EXPECT_EQ(displaced, GetStockObject(WHITE_BRUSH));
    SelectObject(canvas.dc(), displaced);
    DeleteObject(brush);
}

// Threads filling and reading their own columns of one bitmap at once: every
// read sees its own thread's last fill, and no release strands a thread
// waiting for the mutex (the suite's time limit would end a lost wake-up).
TEST(GdiCommonCase, FillsAndReadsFromManyThreadsStayTheirOwn) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 20000;
    DibCanvas canvas(kThreads, 1, 32);
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kRounds; ++i) {
                const COLORREF colour = RGB(t, i & 0xFF, (i >> 8) & 0xFF);
                HBRUSH brush = SolidBrush(colour);
                RECT column{t, 0, t + 1, 1};
                FillRect(canvas.dc(), &column, brush);
                DeleteObject(brush);
                if (GetPixel(canvas.dc(), t, 0) != colour) ++wrong;
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
}  // namespace lumenbox::win
