// Handle checking, selection and object lifetime.
#include <lumenbox/win/probes.h>

#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::ForeignHandle;
using testing::SolidBrush;

// Handles that must be refused wherever a DC is expected.
std::vector<HDC> BadDcs() {
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    return {nullptr,
            stale,
            detail::MakeHandle<HDC>(0x12345678u),
            detail::MakeHandle<HDC>(~std::uintptr_t{0}),
            ForeignHandle<HDC>(detail::HandleTag::User),
            ForeignHandle<HDC>(detail::HandleTag::Kernel),
            reinterpret_cast<HDC>(GetStockObject(WHITE_BRUSH))};
}

// Handles that must be refused wherever a brush, pen or bitmap is expected.
std::vector<HGDIOBJ> BadObjects() {
    HBRUSH stale = SolidBrush(RGB(1, 2, 3));
    DeleteObject(stale);
    return {nullptr,
            stale,
            detail::MakeHandle<HGDIOBJ>(0x12345678u),
            detail::MakeHandle<HGDIOBJ>(~std::uintptr_t{0}),
            ForeignHandle<HGDIOBJ>(detail::HandleTag::User),
            ForeignHandle<HGDIOBJ>(detail::HandleTag::Kernel)};
}

TEST(GdiHandles, EveryDcCallRefusesBadDcs) {
    HBRUSH brush = SolidBrush(RGB(1, 2, 3));
    HRGN region = CreateRectRgn(0, 0, 4, 4);
    HPALETTE palette = testing::MakePalette({RGB(1, 1, 1)});
    for (HDC dc : BadDcs()) {
        SCOPED_TRACE(reinterpret_cast<std::uintptr_t>(dc));
        RECT rect{0, 0, 2, 2};
        RECT box{};
        POINT point{};
        RGBQUAD quad{};
        EXPECT_EQ(DeleteDC(dc), FALSE);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), nullptr);
        EXPECT_EQ(SelectObject(dc, brush), nullptr);
        EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 0);
        EXPECT_EQ(SelectPalette(dc, palette, TRUE), nullptr);
        EXPECT_EQ(RealizePalette(dc), GDI_ERROR);
        EXPECT_EQ(CreateCompatibleBitmap(dc, 8, 8), nullptr);
        EXPECT_EQ(SetDIBColorTable(dc, 0, 1, &quad), 0u);
        EXPECT_EQ(GetDIBColorTable(dc, 0, 1, &quad), 0u);
        EXPECT_EQ(SelectClipRgn(dc, region), REGION_ERROR);
        EXPECT_EQ(GetClipRgn(dc, region), -1);
        EXPECT_EQ(GetClipBox(dc, &box), REGION_ERROR);
        EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
        EXPECT_EQ(SetPixelV(dc, 0, 0, 0), FALSE);
        EXPECT_EQ(FillRect(dc, &rect, brush), 0);
        EXPECT_EQ(BitBlt(dc, 0, 0, 1, 1, dc, 0, 0, SRCCOPY), FALSE);
        EXPECT_EQ(SetROP2(dc, R2_XORPEN), 0);
        EXPECT_EQ(GetROP2(dc), 0);
        EXPECT_EQ(SetBkMode(dc, OPAQUE), 0);
        EXPECT_EQ(GetBkMode(dc), 0);
        EXPECT_EQ(SetBkColor(dc, 0), CLR_INVALID);
        EXPECT_EQ(GetBkColor(dc), CLR_INVALID);
        EXPECT_EQ(SetTextColor(dc, 0), CLR_INVALID);
        EXPECT_EQ(GetTextColor(dc), CLR_INVALID);
        EXPECT_EQ(SetTextAlign(dc, TA_UPDATECP), GDI_ERROR);
        EXPECT_EQ(GetTextAlign(dc), GDI_ERROR);
        EXPECT_EQ(SetTextCharacterExtra(dc, 1), static_cast<int>(0x80000000u));
        EXPECT_EQ(GetTextCharacterExtra(dc), static_cast<int>(0x80000000u));
        EXPECT_EQ(SetTextJustification(dc, 1, 1), FALSE);
        EXPECT_EQ(MoveToEx(dc, 1, 1, &point), FALSE);
        EXPECT_EQ(GetCurrentPositionEx(dc, &point), FALSE);
        EXPECT_EQ(EnumFontFamiliesA(dc, nullptr, [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM) { return 1; }, 0), 0);
        EXPECT_EQ(detail::DestroySurfaceDC(dc), FALSE);
    }
    DeleteObject(brush);
    DeleteObject(region);
    DeleteObject(palette);
}

TEST(GdiHandles, ObjectCallsRefuseBadObjects) {
    DibCanvas canvas(4, 4, 32);
    for (HGDIOBJ object : BadObjects()) {
        SCOPED_TRACE(reinterpret_cast<std::uintptr_t>(object));
        LOGBRUSH out{};
        RECT rect{0, 0, 2, 2};
        PALETTEENTRY entry{};
        EXPECT_EQ(DeleteObject(object), FALSE);
        EXPECT_EQ(GetObjectType(object), 0u);
        EXPECT_EQ(GetObjectA(object, sizeof out, &out), 0);
        EXPECT_EQ(SelectObject(canvas.dc(), object), nullptr);
        EXPECT_EQ(FillRect(canvas.dc(), &rect, static_cast<HBRUSH>(object)), 0) << "brush";
        HPALETTE palette = static_cast<HPALETTE>(object);
        EXPECT_EQ(SetPaletteEntries(palette, 0, 1, &entry), 0u);
        EXPECT_EQ(GetPaletteEntries(palette, 0, 1, &entry), 0u);
        EXPECT_EQ(ResizePalette(palette, 4), FALSE);
        EXPECT_EQ(GetNearestPaletteIndex(palette, 0), CLR_INVALID);
        EXPECT_EQ(SelectPalette(canvas.dc(), palette, TRUE), nullptr);
        LOGBRUSH pattern{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(object)};
        EXPECT_EQ(CreateBrushIndirect(&pattern), nullptr);
        EXPECT_EQ(GetClipRgn(canvas.dc(), static_cast<HRGN>(object)), -1);
    }
    // A handle of the wrong GDI type is refused as well.
    HBRUSH brush = SolidBrush(0);
    EXPECT_EQ(GetNearestPaletteIndex(reinterpret_cast<HPALETTE>(brush), 0), CLR_INVALID);
    EXPECT_EQ(DeleteObject(canvas.dc()), FALSE) << "DeleteObject never deletes a DC";
    EXPECT_EQ(GetObjectType(canvas.dc()), OBJ_MEMDC);
    DeleteObject(brush);
}

TEST(GdiHandles, CreationRefusesBadRecords) {
    EXPECT_EQ(CreateBrushIndirect(nullptr), nullptr);
    LOGBRUSH badStyle{7, 0, 0};
    EXPECT_EQ(CreateBrushIndirect(&badStyle), nullptr);
    LOGBRUSH badHatch{BS_HATCHED, 0, 6};
    EXPECT_EQ(CreateBrushIndirect(&badHatch), nullptr);
    EXPECT_EQ(CreatePenIndirect(nullptr), nullptr);
    LOGPEN badPen{PS_INSIDEFRAME + 1, {1, 0}, 0};
    EXPECT_EQ(CreatePenIndirect(&badPen), nullptr);
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
    EXPECT_EQ(CreatePalette(nullptr), nullptr);
    EXPECT_EQ(CreateCompatibleDC(detail::MakeHandle<HDC>(0x12345678u)), nullptr);
}

TEST(GdiSelection, SelectObjectReturnsWhatItDisplaced) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH first = SolidBrush(RGB(1, 0, 0));
    HBRUSH second = SolidBrush(RGB(2, 0, 0));
    LOGPEN penRecord{PS_DASH, {1, 0}, RGB(3, 0, 0)};
    HPEN pen = CreatePenIndirect(&penRecord);

    EXPECT_EQ(SelectObject(dc, first), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, second), first);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), second);
    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);

    HRGN region = CreateRectRgn(0, 0, 5, 5);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(SelectObject(dc, region)), static_cast<std::uintptr_t>(SIMPLEREGION));
    HRGN empty = CreateRectRgn(3, 3, 3, 9);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(SelectObject(dc, empty)), static_cast<std::uintptr_t>(NULLREGION));

    HPALETTE palette = testing::MakePalette({RGB(0, 0, 0)});
    EXPECT_EQ(SelectObject(dc, palette), nullptr) << "palettes go through SelectPalette";
    EXPECT_EQ(SelectObject(dc, dc), nullptr);

    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    EXPECT_EQ(DeleteDC(dc), TRUE);
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(first), static_cast<HGDIOBJ>(second), static_cast<HGDIOBJ>(pen),
                           static_cast<HGDIOBJ>(region), static_cast<HGDIOBJ>(empty), static_cast<HGDIOBJ>(palette)})
        EXPECT_EQ(DeleteObject(object), TRUE);
}

TEST(GdiSelection, BitmapGoesIntoOneMemoryDcAtATime) {
    DibCanvas canvas(4, 4, 8);
    HDC other = CreateCompatibleDC(nullptr);
    HGDIOBJ stockBitmap = GetCurrentObject(other, OBJ_BITMAP);
    ASSERT_NE(stockBitmap, nullptr);
    EXPECT_EQ(GetObjectType(stockBitmap), OBJ_BITMAP);

    EXPECT_EQ(SelectObject(other, canvas.bitmap()), nullptr);
    EXPECT_EQ(GetCurrentObject(other, OBJ_BITMAP), stockBitmap);
    EXPECT_EQ(SelectObject(canvas.dc(), canvas.bitmap()), canvas.bitmap()) << "reselecting is fine";

    // The shared stock bitmap may sit in any number of DCs.
    HDC third = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetCurrentObject(third, OBJ_BITMAP), stockBitmap);

    testing::SurfaceCanvas window(4, 4);
    EXPECT_EQ(SelectObject(window.dc(), stockBitmap), nullptr);
    EXPECT_EQ(GetCurrentObject(window.dc(), OBJ_BITMAP), nullptr);

    DeleteDC(third);
    DeleteDC(other);
}

TEST(GdiLifetime, DeletingASelectedObjectFailsAndLeavesItAlive) {
    DibCanvas canvas(4, 4, 8, {RGB(0, 0, 0), RGB(255, 0, 0)});
    HBRUSH brush = SolidBrush(PALETTEINDEX(1));
    SelectObject(canvas.dc(), brush);
    EXPECT_EQ(DeleteObject(brush), FALSE);
    RECT rect{0, 0, 1, 1};
    EXPECT_EQ(FillRect(canvas.dc(), &rect, brush), 1) << "the brush still works";
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), RGB(255, 0, 0));

    EXPECT_EQ(DeleteObject(canvas.bitmap()), FALSE) << "a selected bitmap stays";
    EXPECT_EQ(GetObjectType(canvas.bitmap()), OBJ_BITMAP);

    HPALETTE palette = testing::MakePalette({RGB(9, 9, 9)});
    SelectPalette(canvas.dc(), palette, TRUE);
    EXPECT_EQ(DeleteObject(palette), FALSE);

    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
    SelectPalette(canvas.dc(), static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), TRUE);
    EXPECT_EQ(DeleteObject(brush), TRUE);
    EXPECT_EQ(DeleteObject(palette), TRUE);
    EXPECT_EQ(GetObjectType(brush), 0u) << "gone once deleted";
}

TEST(GdiLifetime, DeletingADcReleasesWhatItHeld) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = SolidBrush(0);
    SelectObject(dc, brush);
    EXPECT_EQ(DeleteDC(dc), TRUE);
    EXPECT_EQ(DeleteObject(brush), TRUE);
}

TEST(GdiLifetime, StockObjectsSurviveDeletion) {
    for (int which : {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH, WHITE_PEN, BLACK_PEN,
                      NULL_PEN, SYSTEM_FONT, DEFAULT_PALETTE}) {
        SCOPED_TRACE(which);
        HGDIOBJ object = GetStockObject(which);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(DeleteObject(object), TRUE);
        EXPECT_NE(GetObjectType(object), 0u);
        EXPECT_EQ(GetStockObject(which), object);
    }
    EXPECT_EQ(GetStockObject(-1), nullptr);
    EXPECT_EQ(GetStockObject(9), nullptr);
    EXPECT_EQ(GetStockObject(16), nullptr);

    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ stockBitmap = GetCurrentObject(dc, OBJ_BITMAP);
    DeleteDC(dc);
    EXPECT_EQ(DeleteObject(stockBitmap), TRUE);
    EXPECT_EQ(GetObjectType(stockBitmap), OBJ_BITMAP);

    HPALETTE stockPalette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    PALETTEENTRY red{255, 0, 0, 0};
    EXPECT_EQ(SetPaletteEntries(stockPalette, 0, 1, &red), 0u) << "the stock palette never changes";
    EXPECT_EQ(ResizePalette(stockPalette, 5), FALSE);
}

TEST(GdiLifetime, LiveObjectsAreCountedByTypeWithoutStockObjects) {
    const std::size_t brushes = probe::LiveGdiObjects(OBJ_BRUSH);
    const std::size_t memoryDcs = probe::LiveGdiObjects(OBJ_MEMDC);
    const std::size_t windowDcs = probe::LiveGdiObjects(OBJ_DC);
    const std::size_t bitmaps = probe::LiveGdiObjects(OBJ_BITMAP);
    {
        DibCanvas canvas(2, 2, 8);
        HBRUSH brush = SolidBrush(0);
        testing::SurfaceCanvas window(2, 2);
        EXPECT_EQ(probe::LiveGdiObjects(OBJ_BRUSH), brushes + 1);
        EXPECT_EQ(probe::LiveGdiObjects(OBJ_MEMDC), memoryDcs + 1);
        EXPECT_EQ(probe::LiveGdiObjects(OBJ_DC), windowDcs + 1);
        EXPECT_EQ(probe::LiveGdiObjects(OBJ_BITMAP), bitmaps + 1);
        DeleteObject(brush);
    }
    EXPECT_EQ(probe::LiveGdiObjects(OBJ_BRUSH), brushes);
    EXPECT_EQ(probe::LiveGdiObjects(OBJ_MEMDC), memoryDcs);
    EXPECT_EQ(probe::LiveGdiObjects(OBJ_DC), windowDcs);
    EXPECT_EQ(probe::LiveGdiObjects(OBJ_BITMAP), bitmaps);
}

TEST(GdiLifetime, ARecycledSlotKeepsStaleHandlesDead) {
    HBRUSH first = SolidBrush(RGB(1, 1, 1));
    DeleteObject(first);
    HBRUSH second = SolidBrush(RGB(2, 2, 2));  // likely the same slot
    EXPECT_NE(first, second);
    EXPECT_EQ(GetObjectType(first), 0u);
    LOGBRUSH out{};
    EXPECT_EQ(GetObjectA(second, sizeof out, &out), static_cast<int>(sizeof out));
    EXPECT_EQ(out.lbColor, RGB(2, 2, 2));
    DeleteObject(second);
}

}  // namespace
}  // namespace lumenbox::win
