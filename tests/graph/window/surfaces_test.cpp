// The canvas pages, palette and device contexts made and released with the
// window, and the choice of draw page.
#include <gtest/gtest.h>

#include <array>
#include <map>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/probes.h>

#include "graph/window/window_fixture.h"

namespace lumenbox::window_test {
namespace {

namespace probe = win::probe;

constexpr std::array<win::UINT, 7> CountedTypes = {win::OBJ_PEN,  win::OBJ_BRUSH,  win::OBJ_PAL,  win::OBJ_FONT,
                                                    win::OBJ_BITMAP, win::OBJ_REGION, win::OBJ_MEMDC};

std::map<win::UINT, std::size_t> LiveObjects() {
    std::map<win::UINT, std::size_t> counts;
    for (win::UINT type : CountedTypes) {
        counts[type] = probe::LiveGdiObjects(type);
    }
    return counts;
}

win::BITMAP BitmapOf(win::HBITMAP bitmap) {
    win::BITMAP info{};
    win::GetObjectA(bitmap, sizeof(info), &info);
    return info;
}

win::HGDIOBJ CanvasBitmap() {
    win::HGDIOBJ bitmap = nullptr;
    WithDrawLock([&] { bitmap = win::GetCurrentObject(GraphState.CanvasDC, win::OBJ_BITMAP); });
    return bitmap;
}

using SurfacesTest = GraphWindowTest;

TEST_F(SurfacesTest, PaletteKindGetsFourPagesAPaletteAndAColourTable) {
    const auto before = LiveObjects();
    ASSERT_TRUE(StartWindowThread(3, 4));

    EXPECT_EQ(GraphState.MaxX, 639);
    EXPECT_EQ(GraphState.MaxY, 479);
    for (win::HBITMAP page : GraphState.CanvasPages) {
        const win::BITMAP info = BitmapOf(page);
        EXPECT_EQ(info.bmWidth, 640);
        EXPECT_EQ(info.bmHeight, 480);
        EXPECT_EQ(info.bmBitsPixel, 8);
    }
    auto during = LiveObjects();
    EXPECT_EQ(during[win::OBJ_BITMAP], before.at(win::OBJ_BITMAP) + 4);
    EXPECT_EQ(during[win::OBJ_PAL], before.at(win::OBJ_PAL) + 1);
    EXPECT_EQ(during[win::OBJ_MEMDC], before.at(win::OBJ_MEMDC) + 2);

    std::array<win::PALETTEENTRY, 256> entries{};
    entries.fill({1, 1, 1, 1});
    EXPECT_EQ(win::GetPaletteEntries(GraphState.GraphPalette, 0, 256, entries.data()), 256u);
    for (const win::PALETTEENTRY& entry : entries) {
        EXPECT_EQ(entry.peRed | entry.peGreen | entry.peBlue | entry.peFlags, 0);
    }
    ASSERT_EQ(GraphState.ColorTable.size(), 256u);
    // A new canvas reads as index 0 everywhere.
    WithDrawLock([] {
        EXPECT_EQ(win::GetPixel(GraphState.CanvasDC, 0, 0), win::RGB(0, 0, 0));
        EXPECT_EQ(win::GetPixel(GraphState.CanvasDC, 639, 479), win::RGB(0, 0, 0));
    });

    ASSERT_TRUE(StopWindowThread());
    EXPECT_EQ(LiveObjects(), before);
    EXPECT_FALSE(GraphState.PaletteMode);
    EXPECT_TRUE(GraphState.ColorTable.empty());
}

TEST_F(SurfacesTest, DirectColourKindHasNoPaletteAndNoColourTable) {
    const auto before = LiveObjects();
    ASSERT_TRUE(StartWindowThread(9, 6));
    EXPECT_EQ(BitmapOf(GraphState.CanvasPages[3]).bmBitsPixel, 32);
    EXPECT_EQ(BitmapOf(GraphState.CanvasPages[3]).bmWidth, 800);
    EXPECT_TRUE(GraphState.ColorTable.empty());
    EXPECT_EQ(LiveObjects()[win::OBJ_PAL], before.at(win::OBJ_PAL));
    ASSERT_TRUE(StopWindowThread());
    EXPECT_EQ(LiveObjects(), before);
}

TEST_F(SurfacesTest, CanvasTakesTheClientSizeTheSystemGave) {
    ASSERT_TRUE(StartWindowThread(9, 10));
    const auto view = ShownWindow();
    ASSERT_TRUE(view.has_value());
    EXPECT_GT(view->clientWidth, 0);
    EXPECT_EQ(GraphState.MaxX + 1, view->clientWidth);
    EXPECT_EQ(GraphState.MaxY + 1, view->clientHeight);
    EXPECT_EQ(BitmapOf(GraphState.CanvasPages[0]).bmWidth, view->clientWidth);
    EXPECT_EQ(BitmapOf(GraphState.CanvasPages[0]).bmHeight, view->clientHeight);
}

// The drawing calls' objects, made the way they make them: selected into
// both contexts. The release must put the initial ones back first, or the
// deletions fail and the objects outlive the window.
TEST_F(SurfacesTest, ReleaseDeletesTheDrawingObjectsAndTheClipRegion) {
    const auto before = LiveObjects();
    ASSERT_TRUE(StartWindowThread(3, 4));
    WithDrawLock([] {
        const win::LOGPEN pen{win::PS_SOLID, {1, 0}, win::RGB(255, 255, 255)};
        GraphState.CurrentPen = win::CreatePenIndirect(&pen);
        const win::LOGBRUSH brush{win::BS_SOLID, win::RGB(255, 255, 255), 0};
        GraphState.FillBrush = win::CreateBrushIndirect(&brush);
        win::LOGFONTA font{};
        font.lfHeight = 16;
        GraphState.CurrentFont = win::CreateFontIndirectA(&font);
        for (win::HDC dc : {GraphState.WindowDC, GraphState.CanvasDC}) {
            win::SelectObject(dc, GraphState.CurrentPen);
            win::SelectObject(dc, GraphState.FillBrush);
            win::SelectObject(dc, GraphState.CurrentFont);
        }
        GraphState.ClipRegion = win::CreateRectRgn(10, 10, 20, 20);
        win::SelectClipRgn(GraphState.WindowDC, GraphState.ClipRegion);
        win::SelectClipRgn(GraphState.CanvasDC, GraphState.ClipRegion);
        win::BITMAPINFO pattern{};
        pattern.bmiHeader = {sizeof(win::BITMAPINFOHEADER), 8, 8, 1, 8, win::BI_RGB, 0, 0, 0, 0, 0};
        GraphState.PatternBitmap = win::CreateDIBSection(GraphState.WindowDC, &pattern, win::DIB_RGB_COLORS,
                                                          nullptr, nullptr, 0);
        GraphState.ViewArea = ViewAreaRecord{10, 10, 19, 19, true};
    });

    ASSERT_TRUE(StopWindowThread());
    EXPECT_EQ(LiveObjects(), before);
    EXPECT_EQ(GraphState.ClipRegion, nullptr);
    EXPECT_EQ(GraphState.ViewArea.x1, 0);
    EXPECT_EQ(GraphState.ViewArea.y1, 0);
    EXPECT_EQ(GraphState.ViewArea.x2, 639);
    EXPECT_EQ(GraphState.ViewArea.y2, 479);
    EXPECT_FALSE(GraphState.ViewArea.clip);
}

TEST_F(SurfacesTest, DrawPageChoiceAndWhereDrawingGoes) {
    ASSERT_TRUE(StartWindowThread(3, 4));

    GraphState.GraphStatus = StatusOutOfRange;
    SelectDrawPage(7);  // 4 and above mean page 0, without complaint
    EXPECT_EQ(GraphState.GraphStatus, StatusOk);
    EXPECT_EQ(GraphState.DrawPage, 0);
    EXPECT_TRUE(GraphState.DrawToWindow);
    EXPECT_EQ(CanvasBitmap(), GraphState.CanvasPages[0]);

    SelectDrawPage(2);
    EXPECT_EQ(GraphState.DrawPage, 2);
    EXPECT_FALSE(GraphState.DrawToWindow);
    EXPECT_EQ(CanvasBitmap(), GraphState.CanvasPages[2]);

    SelectDrawPage(0);
    EXPECT_TRUE(GraphState.DrawToWindow);

    ASSERT_TRUE(StopWindowThread());
    SelectDrawPage(1);
    EXPECT_EQ(GraphState.GraphStatus, StatusNotOpen);
    EXPECT_EQ(GraphState.DrawPage, 0);
}

TEST_F(SurfacesTest, SelectedPageCarriesTheCurrentColours) {
    ASSERT_TRUE(StartWindowThread(2, 4));
    WithDrawLock([] { GraphState.ColorTable[5] = win::RGBQUAD{0x30, 0x20, 0x10, 0}; });
    SelectDrawPage(3);
    win::RGBQUAD entry{};
    WithDrawLock([&] { EXPECT_EQ(win::GetDIBColorTable(GraphState.CanvasDC, 5, 1, &entry), 1u); });
    EXPECT_EQ(entry.rgbBlue, 0x30);
    EXPECT_EQ(entry.rgbGreen, 0x20);
    EXPECT_EQ(entry.rgbRed, 0x10);
}

}  // namespace
}  // namespace lumenbox::window_test
