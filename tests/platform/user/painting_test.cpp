// Update regions, the paint protocol, window and screen DCs, and what ends
// up in the client surface.
#include <lumenbox/win/gdi.h>

#include "user_test_support.h"

namespace lumenbox::win::testing {
namespace {

using PaintingTest = UserTest;

RECT UpdateRectOf(HWND w) {
    RECT r{-1, -1, -1, -1};
    GetUpdateRect(w, &r, FALSE);
    return r;
}

void ExpectRect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST_F(PaintingTest, UpdateRegionIsTheBoundingRectangleClippedToTheClientArea) {
    HWND w = CreateShown();  // client 640 x 480
    EXPECT_FALSE(GetUpdateRect(w, nullptr, FALSE));
    ExpectRect(UpdateRectOf(w), 0, 0, 0, 0);

    const RECT a{10, 10, 20, 20}, b{50, 40, 60, 45};
    InvalidateRect(w, &a, FALSE);
    InvalidateRect(w, &b, FALSE);
    EXPECT_TRUE(GetUpdateRect(w, nullptr, FALSE));
    ExpectRect(UpdateRectOf(w), 10, 10, 60, 45);

    const RECT reversed{100, 100, 90, 90}, outside{700, 500, 800, 600};
    InvalidateRect(w, &reversed, FALSE);
    InvalidateRect(w, &outside, FALSE);
    ExpectRect(UpdateRectOf(w), 10, 10, 60, 45);

    const RECT overhanging{-5, 400, 3000, 3000};
    InvalidateRect(w, &overhanging, FALSE);
    ExpectRect(UpdateRectOf(w), 0, 10, 640, 480);

    ValidateRect(w, nullptr);
    InvalidateRect(w, nullptr, FALSE);
    ExpectRect(UpdateRectOf(w), 0, 0, 640, 480);
}

TEST_F(PaintingTest, ValidatingAStripShrinksTheRegionAHoleDoesNot) {
    HWND w = CreateShown();
    const RECT region{10, 10, 100, 100};
    InvalidateRect(w, &region, FALSE);
    const RECT hole{20, 20, 30, 30};
    ValidateRect(w, &hole);
    ExpectRect(UpdateRectOf(w), 10, 10, 100, 100);
    const RECT topStrip{0, 0, 640, 50};
    ValidateRect(w, &topStrip);
    ExpectRect(UpdateRectOf(w), 10, 50, 100, 100);
    const RECT rightStrip{60, 0, 640, 480};
    ValidateRect(w, &rightStrip);
    ExpectRect(UpdateRectOf(w), 10, 50, 60, 100);
    const RECT everything{0, 0, 640, 480};
    ValidateRect(w, &everything);
    EXPECT_FALSE(GetUpdateRect(w, nullptr, FALSE));
}

TEST_F(PaintingTest, BeginPaintErasesFirstAndValidates) {
    HWND w = CreateShown();
    LRESULT eraseAnswer = 0;
    Log().SetHandler([&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_ERASEBKGND) return eraseAnswer;
        return std::nullopt;
    });
    const RECT part{3, 4, 30, 40};
    InvalidateRect(w, &part, TRUE);

    PAINTSTRUCT paint;
    HDC dc = BeginPaint(w, &paint);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(dc, GetDC(w)) << "the window's own DC";
    EXPECT_EQ(paint.hdc, dc);
    ExpectRect(paint.rcPaint, 3, 4, 30, 40);
    ASSERT_EQ(Log().Count(WM_ERASEBKGND), 1u);
    EXPECT_EQ(Log().Entries().back().wParam, reinterpret_cast<WPARAM>(dc));
    EXPECT_TRUE(paint.fErase) << "the procedure left the background undrawn";
    EXPECT_FALSE(GetUpdateRect(w, nullptr, FALSE));
    EXPECT_TRUE(EndPaint(w, &paint));

    eraseAnswer = 1;
    InvalidateRect(w, &part, TRUE);
    BeginPaint(w, &paint);
    EXPECT_EQ(Log().Count(WM_ERASEBKGND), 2u);
    EXPECT_FALSE(paint.fErase);
    EndPaint(w, &paint);

    InvalidateRect(w, &part, FALSE);
    BeginPaint(w, &paint);
    EXPECT_EQ(Log().Count(WM_ERASEBKGND), 2u) << "no erase was asked for";
    EndPaint(w, &paint);
    EXPECT_EQ(BeginPaint(w, nullptr), nullptr);
}

TEST_F(PaintingTest, GetUpdateRectErasesOnRequestOnce) {
    HWND w = CreateShown();
    InvalidateRect(w, nullptr, TRUE);
    EXPECT_TRUE(GetUpdateRect(w, nullptr, FALSE));
    EXPECT_EQ(Log().Count(WM_ERASEBKGND), 0u);
    EXPECT_TRUE(GetUpdateRect(w, nullptr, TRUE));
    EXPECT_EQ(Log().Count(WM_ERASEBKGND), 1u);
    PAINTSTRUCT paint;
    BeginPaint(w, &paint);
    EndPaint(w, &paint);
    EXPECT_EQ(Log().Count(WM_ERASEBKGND), 1u) << "the erase was done already";
}

constexpr std::uint32_t kMenuGrey = 0xF0F0F0;  // COLOR_MENU as 0x00RRGGBB

TEST_F(PaintingTest, DefaultEraseFillsOnlyTheUpdateAreaWithTheClassBackground) {
    HWND w = CreateShown(16 + 6, 8 + 25);  // client 16 x 8, first paint done
    const auto id = headless::IdOf(w);
    EXPECT_EQ(headless::ClientPixel(id, 0, 0), kMenuGrey);
    EXPECT_EQ(headless::ClientPixel(id, 15, 7), kMenuGrey);

    HDC dc = GetDC(w);
    const RECT all{0, 0, 16, 8};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const RECT part{2, 1, 6, 3};
    InvalidateRect(w, &part, TRUE);
    PumpQueue();

    // G: the class background, .: the black fill left alone.
    const char* expected[] = {
        "................",
        "..GGGG..........",
        "..GGGG..........",
        "................",
        "................",
        "................",
        "................",
        "................",
    };
    const auto pixels = headless::ClientPixels(id);
    ASSERT_EQ(pixels.size(), 16u * 8u);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(pixels[static_cast<std::size_t>(y * 16 + x)], expected[y][x] == 'G' ? kMenuGrey : 0u)
                << "pixel " << x << "," << y;
}

TEST_F(PaintingTest, GdiDrawingOnTheWindowDcShowsInTheClientSurface) {
    HWND w = CreateShown(8 + 6, 4 + 25);
    const auto id = headless::IdOf(w);
    HDC dc = GetDC(w);
    LOGBRUSH red{BS_SOLID, RGB(255, 0, 0), 0};
    HBRUSH brush = CreateBrushIndirect(&red);
    const RECT block{1, 1, 4, 3};
    FillRect(dc, &block, brush);
    DeleteObject(brush);
    SetPixelV(dc, 7, 0, RGB(0, 0, 255));

    // R red, B blue, . the background grey of the first paint.
    const char* expected[] = {
        ".......B",
        ".RRR....",
        ".RRR....",
        "........",
    };
    const auto pixels = headless::ClientPixels(id);
    ASSERT_EQ(pixels.size(), 8u * 4u);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            const char c = expected[y][x];
            const std::uint32_t want = c == 'R' ? 0xFF0000u : c == 'B' ? 0x0000FFu : kMenuGrey;
            EXPECT_EQ(pixels[static_cast<std::size_t>(y * 8 + x)], want) << "pixel " << x << "," << y;
        }
    EXPECT_EQ(headless::ClientPixel(id, 8, 0), std::nullopt);
    EXPECT_EQ(headless::ClientPixel(id, -1, 0), std::nullopt);
}

TEST_F(PaintingTest, BackgroundMayBeABrushOrNothing) {
    LOGBRUSH blue{BS_SOLID, RGB(0, 0, 255), 0};
    HBRUSH brush = CreateBrushIndirect(&blue);
    WNDCLASSA c = TestClass(brush);
    c.lpszClassName = "BrushClass";
    ASSERT_NE(RegisterClassA(&c), 0);
    c.lpszClassName = "BareClass";
    c.hbrBackground = nullptr;
    ASSERT_NE(RegisterClassA(&c), 0);

    HWND brushed = CreateWindowExA(0, "BrushClass", "", WS_POPUP, 0, 0, 4, 4, nullptr, nullptr, nullptr, nullptr);
    HWND bare = CreateWindowExA(0, "BareClass", "", WS_POPUP, 0, 0, 4, 4, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(brushed, SW_SHOW);
    ShowWindow(bare, SW_SHOW);
    PumpQueue();
    EXPECT_EQ(headless::ClientPixel(headless::IdOf(brushed), 3, 3), 0x0000FFu);
    EXPECT_EQ(headless::ClientPixel(headless::IdOf(bare), 3, 3), 0u) << "no background: left as it was";
    EXPECT_EQ(SendMessageA(bare, WM_ERASEBKGND, reinterpret_cast<WPARAM>(GetDC(bare)), 0), 0);
    EXPECT_EQ(SendMessageA(brushed, WM_ERASEBKGND, reinterpret_cast<WPARAM>(GetDC(brushed)), 0), 1);

    DestroyWindow(brushed);
    DestroyWindow(bare);
    UnregisterClassA("BrushClass", nullptr);
    UnregisterClassA("BareClass", nullptr);
    DeleteObject(brush);
}

TEST_F(PaintingTest, ScreenDcIsMadeOnRequestAndReleased) {
    headless::SetScreen(1280, 1024, 32);
    const std::size_t dcsBefore = probe::LiveGdiObjects(OBJ_DC);
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 1280);
    EXPECT_EQ(GetDeviceCaps(screen, VERTRES), 1024);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
    HDC desktop = GetDC(GetDesktopWindow());
    EXPECT_NE(desktop, nullptr);
    EXPECT_NE(desktop, screen);
    EXPECT_EQ(probe::LiveGdiObjects(OBJ_DC), dcsBefore + 2);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    EXPECT_EQ(ReleaseDC(GetDesktopWindow(), desktop), 1);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 0) << "already released";
    EXPECT_EQ(probe::LiveGdiObjects(OBJ_DC), dcsBefore);

    HWND w = CreateShown();
    HDC own = GetDC(w);
    EXPECT_EQ(ReleaseDC(w, own), 1);
    EXPECT_EQ(GetObjectType(own), OBJ_DC) << "a window keeps its own DC";
    HDC memory = CreateCompatibleDC(nullptr);
    EXPECT_EQ(ReleaseDC(nullptr, memory), 0) << "not one of ours to release";
    EXPECT_EQ(GetObjectType(memory), OBJ_MEMDC);
    DeleteDC(memory);
}

}  // namespace
}  // namespace lumenbox::win::testing
