// ExtFloodFill: border and surface fills, 4-connectivity, the colours
// compared as stored values, refusals, and fills that must end.
#include <climits>
#include <utility>
#include <string>

#include "drawing_pictures.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::Fill;
using testing::IndexAt;
using testing::Picture;
using testing::Rows;
using testing::ScopedBrush;
using testing::ScopedPen;
using testing::SolidBrush;

// Paints a picture given as rows of hex digits ('.' for 0) into the top-left
// of an 8-bit canvas.
void Paint(const DibCanvas& canvas, std::initializer_list<const char*> rows) {
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; row[x]; ++x) {
            const char c = row[x];
            const unsigned index = c == '.' ? 0u : static_cast<unsigned>(std::stoi(std::string(1, c), nullptr, 16));
            SetPixelV(canvas.dc(), x, y, PALETTEINDEX(static_cast<WORD>(index)));
        }
        ++y;
    }
}

TEST(FloodFill, BorderFillStopsAtTheBorderColour) {
    DibCanvas canvas(10, 7, 8);
    Paint(canvas, {"..........", ".1111111..", ".1.3...1..", ".1...4.1..", ".1111111..", "..........", ".........."});
    ScopedBrush brush(canvas.dc(), SolidBrush(PALETTEINDEX(2)));
    ASSERT_EQ(ExtFloodFill(canvas.dc(), 4, 3, PALETTEINDEX(1), FLOODFILLBORDER), TRUE);
    // Pixels of other colours inside are filled over too: only the border stops it.
    EXPECT_EQ(Picture(canvas, 10, 7),
              Rows({"..........", ".1111111..", ".1222221..", ".1222221..", ".1111111..", "..........", ".........."}));
}

TEST(FloodFill, DoesNotLeakThroughADiagonalGap) {
    DibCanvas canvas(6, 6, 8);
    Paint(canvas, {".....1", "....1.", "...1..", "..1...", ".1....", "1....."});
    ScopedBrush brush(canvas.dc(), SolidBrush(PALETTEINDEX(2)));
    ASSERT_EQ(ExtFloodFill(canvas.dc(), 0, 0, PALETTEINDEX(1), FLOODFILLBORDER), TRUE);
    EXPECT_EQ(Picture(canvas, 6, 6), Rows({"222221", "22221.", "2221..", "221...", "21....", "1....."}));
    DibCanvas surface(6, 6, 8);
    Paint(surface, {".....1", "....1.", "...1..", "..1...", ".1....", "1....."});
    ScopedBrush surfaceBrush(surface.dc(), SolidBrush(PALETTEINDEX(3)));
    ASSERT_EQ(ExtFloodFill(surface.dc(), 5, 5, PALETTEINDEX(0), FLOODFILLSURFACE), TRUE);
    EXPECT_EQ(Picture(surface, 6, 6), Rows({".....1", "....13", "...133", "..1333", ".13333", "133333"}));
}

TEST(FloodFill, SurfaceFillTakesOnlyTheConnectedPixelsOfTheColour) {
    DibCanvas canvas(8, 5, 8);
    Paint(canvas, {"33344333", "33.44.33", "...44...", "33344333", "33344333"});
    ScopedBrush brush(canvas.dc(), SolidBrush(PALETTEINDEX(6)));
    ASSERT_EQ(ExtFloodFill(canvas.dc(), 0, 0, PALETTEINDEX(3), FLOODFILLSURFACE), TRUE);
    EXPECT_EQ(Picture(canvas, 8, 5), Rows({"66644333", "66.44.33", "...44...", "33344333", "33344333"}));
}

TEST(FloodFill, ComparesStoredIndicesNotColours) {
    // Entries 1 and 2 show the same colour; only index 2 is the border.
    DibCanvas canvas(7, 3, 8, {RGB(0, 0, 0), RGB(9, 9, 9), RGB(9, 9, 9)});
    Paint(canvas, {"..1.2..", "..1.2..", "..1.2.."});
    ScopedBrush brush(canvas.dc(), SolidBrush(PALETTEINDEX(5)));
    ASSERT_EQ(ExtFloodFill(canvas.dc(), 0, 1, PALETTEINDEX(2), FLOODFILLBORDER), TRUE);
    EXPECT_EQ(Picture(canvas, 7, 3), Rows({"55552..", "55552..", "55552.."}));
}

TEST(FloodFill, WorksInRgbOnA32BitBitmap) {
    DibCanvas canvas(6, 4, 32);
    Fill(canvas.dc(), 0, 0, 6, 4, RGB(10, 20, 30));
    Fill(canvas.dc(), 3, 0, 4, 4, RGB(200, 0, 0));
    ScopedBrush brush(canvas.dc(), SolidBrush(RGB(0, 0, 255)));
    ASSERT_EQ(ExtFloodFill(canvas.dc(), 5, 2, RGB(200, 0, 0), FLOODFILLBORDER), TRUE);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const COLORREF expected = x < 3 ? RGB(10, 20, 30) : x == 3 ? RGB(200, 0, 0) : RGB(0, 0, 255);
            EXPECT_EQ(GetPixel(canvas.dc(), x, y), expected) << x << "," << y;
        }
}

TEST(FloodFill, RefusesSeedsOutsideOnTheBorderOrNotOfTheColour) {
    DibCanvas canvas(4, 4, 8);
    Paint(canvas, {".1..", ".1..", ".1..", ".1.."});
    ScopedBrush brush(canvas.dc(), SolidBrush(PALETTEINDEX(2)));
    EXPECT_EQ(ExtFloodFill(canvas.dc(), 1, 1, PALETTEINDEX(1), FLOODFILLBORDER), FALSE) << "on the border";
    EXPECT_EQ(ExtFloodFill(canvas.dc(), 0, 1, PALETTEINDEX(1), FLOODFILLSURFACE), FALSE) << "not of the colour";
    for (const auto& [x, y] : {std::pair{-1, 0}, {4, 0}, {0, 4}, {0, -1}, {INT_MIN, INT_MIN}, {INT_MAX, 2}}) {
        EXPECT_EQ(ExtFloodFill(canvas.dc(), x, y, PALETTEINDEX(1), FLOODFILLBORDER), FALSE) << x << "," << y;
    }
    EXPECT_EQ(ExtFloodFill(canvas.dc(), 0, 0, PALETTEINDEX(1), 2), FALSE) << "unknown fill type";
    HRGN region = CreateRectRgn(2, 0, 4, 4);
    SelectClipRgn(canvas.dc(), region);
    DeleteObject(region);
    EXPECT_EQ(ExtFloodFill(canvas.dc(), 0, 0, PALETTEINDEX(1), FLOODFILLBORDER), FALSE) << "outside the clip region";
    EXPECT_EQ(Picture(canvas, 4, 4), Rows({".1..", ".1..", ".1..", ".1.."})) << "refusals change nothing";
    // Inside the clip region the fill stays inside it.
    EXPECT_EQ(ExtFloodFill(canvas.dc(), 3, 3, PALETTEINDEX(1), FLOODFILLBORDER), TRUE);
    EXPECT_EQ(Picture(canvas, 4, 4), Rows({".122", ".122", ".122", ".122"}));

    EXPECT_EQ(ExtFloodFill(nullptr, 0, 0, 0, FLOODFILLBORDER), FALSE);
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    EXPECT_EQ(ExtFloodFill(stale, 0, 0, 0, FLOODFILLBORDER), FALSE);
    HDC screen = detail::CreateScreenDC(display::ScreenInfo{640, 480, 32});
    EXPECT_EQ(ExtFloodFill(screen, 0, 0, 0, FLOODFILLBORDER), FALSE) << "the screen DC has no pixels to compare";
    detail::DestroySurfaceDC(screen);
}

// A brush of the surface's own colour leaves every pixel fillable; the fill
// must still end, having covered the area once.
TEST(FloodFill, EndsWhenTheBrushKeepsTheSurfaceColour) {
    DibCanvas canvas(64, 48, 8);
    Paint(canvas, {"....1...", "....1...", "11111..."});
    ScopedBrush same(canvas.dc(), SolidBrush(PALETTEINDEX(0)));
    EXPECT_EQ(ExtFloodFill(canvas.dc(), 10, 10, PALETTEINDEX(0), FLOODFILLSURFACE), TRUE);
    EXPECT_EQ(ExtFloodFill(canvas.dc(), 10, 10, PALETTEINDEX(1), FLOODFILLBORDER), TRUE);
    ScopedBrush hatch(canvas.dc(), testing::HatchBrush(HS_DIAGCROSS, PALETTEINDEX(1)));
    SetBkMode(canvas.dc(), TRANSPARENT);
    EXPECT_EQ(ExtFloodFill(canvas.dc(), 10, 10, PALETTEINDEX(0), FLOODFILLSURFACE), TRUE);
    EXPECT_EQ(IndexAt(canvas, 64, 1, 0), 0u) << "the enclosed corner is another area";
    EXPECT_EQ(IndexAt(canvas, 64, 8, 8), 1u) << "the hatch tiles from the device origin";
    EXPECT_EQ(IndexAt(canvas, 64, 9, 8), 0u);
}

TEST(FloodFill, FillsAScreenSizedCanvasAndANullBrushPaintsNothing) {
    DibCanvas canvas(1920, 1080, 32);
    ScopedPen pen(canvas.dc(), PS_SOLID, 1, RGB(255, 255, 255));
    SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
    Ellipse(canvas.dc(), 100, 100, 1800, 1000);
    EXPECT_EQ(ExtFloodFill(canvas.dc(), 960, 540, RGB(255, 255, 255), FLOODFILLBORDER), TRUE);
    EXPECT_EQ(GetPixel(canvas.dc(), 960, 540), RGB(0, 0, 0)) << "BS_NULL fills nothing";
    ScopedBrush brush(canvas.dc(), SolidBrush(RGB(0, 128, 0)));
    EXPECT_EQ(ExtFloodFill(canvas.dc(), 0, 0, RGB(255, 255, 255), FLOODFILLBORDER), TRUE);
    EXPECT_EQ(GetPixel(canvas.dc(), 1919, 1079), RGB(0, 128, 0));
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 540), RGB(0, 128, 0));
    EXPECT_EQ(GetPixel(canvas.dc(), 960, 540), RGB(0, 0, 0)) << "inside the ellipse is another area";
    EXPECT_EQ(GetPixel(canvas.dc(), 100, 550), RGB(255, 255, 255));
}

TEST(FloodFill, FillsAWindowSurface) {
    testing::SurfaceCanvas window(8, 6);
    ScopedPen pen(window.dc(), PS_SOLID, 1, RGB(255, 0, 0));
    SelectObject(window.dc(), GetStockObject(NULL_BRUSH));
    Rectangle(window.dc(), 1, 1, 7, 5);
    ScopedBrush brush(window.dc(), SolidBrush(RGB(0, 255, 0)));
    const std::uint64_t before = window.surface().Version();
    ASSERT_EQ(ExtFloodFill(window.dc(), 3, 2, RGB(255, 0, 0), FLOODFILLBORDER), TRUE);
    EXPECT_GT(window.surface().Version(), before);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool border = (x >= 1 && x <= 6 && (y == 1 || y == 4)) || (y >= 1 && y <= 4 && (x == 1 || x == 6));
            const bool inside = x > 1 && x < 6 && y > 1 && y < 4;
            EXPECT_EQ(window.Pixel(x, y), border ? 0xFF0000u : inside ? 0x00FF00u : 0u) << x << "," << y;
        }
}

}  // namespace
}  // namespace lumenbox::win
