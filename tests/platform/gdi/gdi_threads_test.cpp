// The program's thread draws while the window thread repaints and the
// display reads the surface, as in the running demo.
#include <atomic>
#include <thread>

#include <lumenbox/win/probes.h>

#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

COLORREF ColorrefFromWindow(std::uint32_t pixel) {
    return RGB(static_cast<BYTE>(pixel >> 16), static_cast<BYTE>(pixel >> 8), static_cast<BYTE>(pixel));
}

TEST(GdiThreads, DrawingRepaintingAndPresentingAtOnce) {
    testing::DibCanvas canvas(64, 48, 8, {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 255, 0)}, true);
    testing::SurfaceCanvas window(64, 48);
    const std::size_t brushes = probe::LiveGdiObjects(OBJ_BRUSH);
    std::atomic<bool> drawing{true};

    // The program: a new brush per block, selected into both DCs, the old
    // one deleted, then the block filled on the window and the canvas.
    std::thread program([&] {
        HGDIOBJ initial = nullptr;
        for (int i = 0; i < 3000; ++i) {
            HBRUSH brush = testing::SolidBrush(PALETTEINDEX(static_cast<WORD>(1 + i % 2)));
            HGDIOBJ old = SelectObject(window.dc(), brush);
            SelectObject(canvas.dc(), brush);
            if (!initial)
                initial = old;
            else
                DeleteObject(old);
            RECT block{(i * 5) % 64, (i * 3) % 48, (i * 5) % 64 + 5, (i * 3) % 48 + 5};
            FillRect(window.dc(), &block, brush);
            FillRect(canvas.dc(), &block, brush);
            GetNearestPaletteIndex(static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), GetPixel(canvas.dc(), i % 64, 0));
        }
        HGDIOBJ last = SelectObject(window.dc(), initial);
        SelectObject(canvas.dc(), initial);
        DeleteObject(last);
        drawing = false;
    });
    // The window thread: repaints from the canvas.
    std::thread repaint([&] {
        while (drawing) BitBlt(window.dc(), 0, 0, 64, 48, canvas.dc(), 0, 0, SRCCOPY);
    });
    // The display: reads the surface under its mutex whenever the version
    // moves, as a presenting backend does.
    std::thread display([&] {
        std::uint64_t shown = 0;
        while (drawing) {
            const std::uint64_t version = window.surface().Version();
            if (version == shown) continue;
            std::lock_guard<std::mutex> lock(window.surface().Mutex());
            volatile std::uint32_t any = 0;
            for (int i = 0; i < 64 * 48; ++i) any = any | window.surface().Pixels()[i];
            shown = version;
        }
    });
    program.join();
    repaint.join();
    display.join();

    EXPECT_EQ(probe::LiveGdiObjects(OBJ_BRUSH), brushes) << "every brush deleted";
    // Once the last repaint is done, the window shows the canvas.
    BitBlt(window.dc(), 0, 0, 64, 48, canvas.dc(), 0, 0, SRCCOPY);
    for (int y = 0; y < 48; y += 7)
        for (int x = 0; x < 64; x += 9) EXPECT_EQ(ColorrefFromWindow(window.Pixel(x, y)), GetPixel(canvas.dc(), x, y));
}

}  // namespace
}  // namespace lumenbox::win
