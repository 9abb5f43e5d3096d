// BitBlt SRCCOPY: conversion through the source's colour table, clipping to
// both surfaces and the target's clip region, overlapping copies.
#include <climits>
#include <string>

#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::Fill;
using testing::SurfaceCanvas;

// The window's pixels as letters: '.' black, 'R' red, 'G' green, 'B' blue,
// '?' anything else.
std::string Picture(const SurfaceCanvas& window, int width, int height) {
    std::string out;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            switch (window.Pixel(x, y)) {
                case 0x000000: out += '.'; break;
                case 0xFF0000: out += 'R'; break;
                case 0x00FF00: out += 'G'; break;
                case 0x0000FF: out += 'B'; break;
                default: out += '?'; break;
            }
        }
        out += '\n';
    }
    return out;
}

TEST(BitBlt, IndexedCanvasToWindowConvertsThroughTheColourTable) {
    // The repaint path: a bottom-up 8-bit canvas onto a 32-bit window.
    DibCanvas canvas(4, 3, 8, {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)}, true);
    Fill(canvas.dc(), 0, 0, 4, 1, PALETTEINDEX(1));
    Fill(canvas.dc(), 0, 1, 2, 3, PALETTEINDEX(2));
    Fill(canvas.dc(), 2, 1, 4, 3, PALETTEINDEX(3));
    SurfaceCanvas window(4, 3);
    const std::uint64_t before = window.surface().Version();
    EXPECT_EQ(BitBlt(window.dc(), 0, 0, 4, 3, canvas.dc(), 0, 0, SRCCOPY), TRUE);
    EXPECT_GT(window.surface().Version(), before);
    EXPECT_EQ(Picture(window, 4, 3),
              "RRRR\n"
              "GGBB\n"
              "GGBB\n");
    // After a table change a new copy shows the new colours.
    RGBQUAD blue{255, 0, 0, 0};
    SetDIBColorTable(canvas.dc(), 1, 1, &blue);
    BitBlt(window.dc(), 0, 0, 4, 1, canvas.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(Picture(window, 4, 1), "BBBB\n");
}

TEST(BitBlt, ClipsToBothSurfacesAndTheTargetClipRegion) {
    DibCanvas canvas(3, 3, 8, {RGB(0, 0, 0), RGB(255, 0, 0)});
    Fill(canvas.dc(), 0, 0, 3, 3, PALETTEINDEX(1));
    SurfaceCanvas window(6, 4);
    // Source origin at (-1, 1): only source columns 0-2, rows 1-2 exist.
    EXPECT_EQ(BitBlt(window.dc(), 1, 0, 10, 10, canvas.dc(), -1, 1, SRCCOPY), TRUE);
    EXPECT_EQ(Picture(window, 6, 4),
              "..RRR.\n"
              "..RRR.\n"
              "......\n"
              "......\n");
    SurfaceCanvas clipped(6, 4);
    HRGN region = CreateRectRgn(0, 0, 3, 4);
    SelectClipRgn(clipped.dc(), region);
    DeleteObject(region);
    BitBlt(clipped.dc(), 1, 1, 3, 3, canvas.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(Picture(clipped, 6, 4),
              "......\n"
              ".RR...\n"
              ".RR...\n"
              ".RR...\n");
}

TEST(BitBlt, OddSizesAndOperations) {
    DibCanvas canvas(2, 2, 8, {RGB(0, 0, 0), RGB(255, 0, 0)});
    Fill(canvas.dc(), 0, 0, 2, 2, PALETTEINDEX(1));
    SurfaceCanvas window(2, 2);
    EXPECT_EQ(BitBlt(window.dc(), 0, 0, -2, 2, canvas.dc(), 0, 0, SRCCOPY), TRUE);
    EXPECT_EQ(BitBlt(window.dc(), 0, 0, INT_MAX, INT_MAX, canvas.dc(), INT_MIN, INT_MIN, SRCCOPY), TRUE);
    EXPECT_EQ(BitBlt(window.dc(), INT_MAX, INT_MAX, INT_MAX, INT_MAX, canvas.dc(), 0, 0, SRCCOPY), TRUE);
    EXPECT_EQ(Picture(window, 2, 2), "..\n..\n");
    EXPECT_EQ(BitBlt(window.dc(), 0, 0, 2, 2, canvas.dc(), 0, 0, 0x00C000CA /* MERGECOPY */), FALSE);
    EXPECT_EQ(Picture(window, 2, 2), "..\n..\n");
    EXPECT_EQ(BitBlt(window.dc(), 0, 0, INT_MAX, INT_MAX, canvas.dc(), 0, 0, SRCCOPY), TRUE);
    EXPECT_EQ(Picture(window, 2, 2), "RR\nRR\n");
}

TEST(BitBlt, IndexedToIndexedCopiesIndicesOrMatchesColours) {
    DibCanvas source(4, 1, 8, {RGB(0, 0, 0), RGB(10, 10, 10), RGB(10, 10, 10)});
    Fill(source.dc(), 0, 0, 4, 1, PALETTEINDEX(2));
    DibCanvas same(4, 1, 8, {RGB(0, 0, 0), RGB(99, 0, 0), RGB(0, 99, 0)});
    BitBlt(same.dc(), 0, 0, 4, 1, source.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(same.bits()[0], 2) << "same depth: the index itself";
    DibCanvas four(4, 1, 4, {RGB(0, 0, 0), RGB(200, 0, 0), RGB(11, 11, 11)});
    BitBlt(four.dc(), 0, 0, 4, 1, source.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(four.bits()[0], 0x22) << "other depth: the nearest colour";
}

TEST(BitBlt, DirectToIndexedTakesTheNearestEntry) {
    SurfaceCanvas window(2, 1);
    Fill(window.dc(), 0, 0, 1, 1, RGB(250, 5, 5));
    Fill(window.dc(), 1, 0, 2, 1, RGB(5, 5, 250));
    DibCanvas canvas(2, 1, 8, {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 0, 255)});
    BitBlt(canvas.dc(), 0, 0, 2, 1, window.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(canvas.bits()[0], 1);
    EXPECT_EQ(canvas.bits()[1], 2);
}

TEST(BitBlt, OverlappingCopyWithinOneBitmap) {
    DibCanvas canvas(600, 2, 8);
    for (int x = 0; x < 600; ++x) canvas.bits()[x] = static_cast<std::uint8_t>(x % 251);
    // Right by 3 and down by one row, over more than one chunk of a row.
    EXPECT_EQ(BitBlt(canvas.dc(), 3, 1, 597, 1, canvas.dc(), 0, 0, SRCCOPY), TRUE);
    EXPECT_EQ(BitBlt(canvas.dc(), 5, 0, 595, 1, canvas.dc(), 0, 0, SRCCOPY), TRUE);
    std::string wrong;
    for (int x = 5; x < 600; ++x)
        if (canvas.bits()[x] != (x - 5) % 251) wrong += std::to_string(x) + " ";
    for (int x = 3; x < 600; ++x)
        if (canvas.bits()[600 + x] != (x - 3) % 251) wrong += "row1:" + std::to_string(x) + " ";
    EXPECT_EQ(wrong, "");
    // And left by 7.
    BitBlt(canvas.dc(), 0, 0, 593, 1, canvas.dc(), 7, 0, SRCCOPY);
    EXPECT_EQ(canvas.bits()[0], 2);
    EXPECT_EQ(canvas.bits()[592], (599 - 5) % 251);
}

TEST(BitBlt, ScreenDcGivesAndKeepsNothing) {
    HDC screen = detail::CreateScreenDC(display::ScreenInfo{100, 100, 32});
    SurfaceCanvas window(2, 2);
    Fill(window.dc(), 0, 0, 2, 2, RGB(0, 255, 0));
    EXPECT_EQ(BitBlt(window.dc(), 0, 0, 2, 2, screen, 0, 0, SRCCOPY), TRUE);
    EXPECT_EQ(Picture(window, 2, 2), "GG\nGG\n");
    EXPECT_EQ(BitBlt(screen, 0, 0, 2, 2, window.dc(), 0, 0, SRCCOPY), TRUE);
    detail::DestroySurfaceDC(screen);
}

}  // namespace
}  // namespace lumenbox::win
