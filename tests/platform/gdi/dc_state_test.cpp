// What a new DC holds, and the attributes kept per DC.
#include <cstring>

#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::SurfaceCanvas;

void ExpectWindowsDefaults(HDC dc) {
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    EXPECT_EQ(GetTextAlign(dc), TA_LEFT | TA_TOP | TA_NOUPDATECP);
    EXPECT_EQ(GetTextCharacterExtra(dc), 0);
    POINT position{7, 7};
    EXPECT_EQ(GetCurrentPositionEx(dc, &position), TRUE);
    EXPECT_EQ(position.x, 0);
    EXPECT_EQ(position.y, 0);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PAL), GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_REGION), nullptr);
    HRGN region = CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(GetClipRgn(dc, region), 0) << "no clip region";
    DeleteObject(region);
}

TEST(DcDefaults, NewMemoryDcStartsAsWindowsDoes) {
    HDC dc = CreateCompatibleDC(nullptr);
    ExpectWindowsDefaults(dc);
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    BITMAP record{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof record, &record), static_cast<int>(sizeof record));
    EXPECT_EQ(record.bmWidth, 1);
    EXPECT_EQ(record.bmHeight, 1);
    EXPECT_EQ(record.bmBitsPixel, 1);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 1);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0)) << "its one pixel is black";
    EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
    DeleteDC(dc);
}

TEST(DcDefaults, NewWindowAndScreenDcsStartAsWindowsDoes) {
    SurfaceCanvas window(10, 6);
    ExpectWindowsDefaults(window.dc());
    EXPECT_EQ(GetObjectType(window.dc()), OBJ_DC);
    HDC screen = detail::CreateScreenDC(display::ScreenInfo{1920, 1080, 32});
    ExpectWindowsDefaults(screen);
    EXPECT_EQ(detail::DestroySurfaceDC(screen), TRUE);
}

TEST(DcAttributes, SettersReturnThePreviousValueAndRefuseBadValues) {
    DibCanvas canvas(2, 2, 32);
    HDC dc = canvas.dc();
    EXPECT_EQ(SetROP2(dc, R2_XORPEN), R2_COPYPEN);
    EXPECT_EQ(SetROP2(dc, 0), 0);
    EXPECT_EQ(SetROP2(dc, 17), 0);
    EXPECT_EQ(GetROP2(dc), R2_XORPEN);

    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, 3), 0);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);

    EXPECT_EQ(SetBkColor(dc, PALETTEINDEX(4)), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(dc), PALETTEINDEX(4));
    EXPECT_EQ(SetTextColor(dc, RGB(1, 2, 3)), RGB(0, 0, 0));
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));

    EXPECT_EQ(SetTextAlign(dc, TA_CENTER | TA_BASELINE | TA_UPDATECP), TA_LEFT | TA_TOP);
    EXPECT_EQ(SetTextAlign(dc, 4), GDI_ERROR) << "half of TA_CENTER";
    EXPECT_EQ(SetTextAlign(dc, 16), GDI_ERROR) << "half of TA_BASELINE";
    EXPECT_EQ(SetTextAlign(dc, 0x100), GDI_ERROR);
    EXPECT_EQ(GetTextAlign(dc), TA_CENTER | TA_BASELINE | TA_UPDATECP);

    EXPECT_EQ(SetTextCharacterExtra(dc, 3), 0);
    EXPECT_EQ(SetTextCharacterExtra(dc, -2), 3);
    EXPECT_EQ(GetTextCharacterExtra(dc), -2);

    EXPECT_EQ(SetTextJustification(dc, 5, 1), TRUE);
    EXPECT_EQ(SetTextJustification(dc, 5, -1), FALSE);

    POINT previous{};
    EXPECT_EQ(MoveToEx(dc, 12, -4, nullptr), TRUE);
    EXPECT_EQ(MoveToEx(dc, 1, 2, &previous), TRUE);
    EXPECT_EQ(previous.x, 12);
    EXPECT_EQ(previous.y, -4);
    EXPECT_EQ(GetCurrentPositionEx(dc, nullptr), FALSE);
}

TEST(DcAttributes, AttributesBelongToOneDc) {
    DibCanvas first(2, 2, 32);
    DibCanvas second(2, 2, 32);
    SetBkMode(first.dc(), TRANSPARENT);
    SetBkColor(first.dc(), RGB(9, 9, 9));
    EXPECT_EQ(GetBkMode(second.dc()), OPAQUE);
    EXPECT_EQ(GetBkColor(second.dc()), RGB(255, 255, 255));
}

TEST(DcCaps, DeviceCapsDescribeTheSurface) {
    DibCanvas canvas(33, 17, 8);
    EXPECT_EQ(GetDeviceCaps(canvas.dc(), BITSPIXEL), 8);
    EXPECT_EQ(GetDeviceCaps(canvas.dc(), HORZRES), 33);
    EXPECT_EQ(GetDeviceCaps(canvas.dc(), VERTRES), 17);
    EXPECT_EQ(GetDeviceCaps(canvas.dc(), PLANES), 1);
    EXPECT_EQ(GetDeviceCaps(canvas.dc(), RASTERCAPS) & RC_PALETTE, RC_PALETTE);
    EXPECT_EQ(GetDeviceCaps(canvas.dc(), 9999), 0);

    SurfaceCanvas window(64, 48);
    EXPECT_EQ(GetDeviceCaps(window.dc(), BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(window.dc(), HORZRES), 64);
    EXPECT_EQ(GetDeviceCaps(window.dc(), VERTRES), 48);
    EXPECT_EQ(GetDeviceCaps(window.dc(), RASTERCAPS) & RC_PALETTE, 0);

    HDC screen = detail::CreateScreenDC(display::ScreenInfo{800, 600, 24});
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 24);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 800);
    EXPECT_EQ(GetDeviceCaps(screen, VERTRES), 600);
    detail::DestroySurfaceDC(screen);
}

TEST(SurfaceDcs, BelongToTheirOwnerNotToDeleteDc) {
    SurfaceCanvas window(4, 4);
    EXPECT_EQ(DeleteDC(window.dc()), FALSE);
    EXPECT_EQ(GetObjectType(window.dc()), OBJ_DC);

    HDC memory = CreateCompatibleDC(window.dc());
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(detail::DestroySurfaceDC(memory), FALSE);
    EXPECT_EQ(DeleteDC(memory), TRUE);

    EXPECT_EQ(detail::CreateWindowSurfaceDC(nullptr), nullptr);
}

TEST(SurfaceDcs, DestroyingReleasesSelectedObjects) {
    auto surface = std::make_shared<display::Surface>(4, 4);
    HDC dc = detail::CreateWindowSurfaceDC(surface);
    HBRUSH brush = testing::SolidBrush(0);
    HPALETTE palette = testing::MakePalette({RGB(1, 1, 1)});
    SelectObject(dc, brush);
    SelectPalette(dc, palette, FALSE);
    EXPECT_EQ(DeleteObject(brush), FALSE);
    EXPECT_EQ(detail::DestroySurfaceDC(dc), TRUE);
    EXPECT_EQ(detail::DestroySurfaceDC(dc), FALSE) << "only once";
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH) << "selected objects stay alive";
    EXPECT_EQ(DeleteObject(brush), TRUE);
    EXPECT_EQ(DeleteObject(palette), TRUE);
    EXPECT_EQ(surface.use_count(), 1) << "the DC let go of the surface";
}

TEST(ScreenDc, DrawsNothingAndReadsNothing) {
    HDC screen = detail::CreateScreenDC(display::ScreenInfo{640, 480, 32});
    RECT rect{0, 0, 10, 10};
    HBRUSH brush = testing::SolidBrush(RGB(255, 0, 0));
    EXPECT_EQ(FillRect(screen, &rect, brush), 1);
    EXPECT_EQ(GetPixel(screen, 1, 1), CLR_INVALID);
    RECT box{};
    EXPECT_EQ(GetClipBox(screen, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 640);
    EXPECT_EQ(box.bottom, 480);
    DeleteObject(brush);
    detail::DestroySurfaceDC(screen);
}

TEST(ObjectRecords, GetObjectCopiesTheDescription) {
    LOGPEN pen{PS_DOT, {3, 0}, RGB(4, 5, 6)};
    HPEN penHandle = CreatePenIndirect(&pen);
    LOGPEN penOut{};
    EXPECT_EQ(GetObjectA(penHandle, sizeof penOut, &penOut), static_cast<int>(sizeof penOut));
    EXPECT_EQ(penOut.lopnStyle, PS_DOT);
    EXPECT_EQ(penOut.lopnWidth.x, 3);
    EXPECT_EQ(penOut.lopnColor, RGB(4, 5, 6));
    EXPECT_EQ(GetObjectType(penHandle), OBJ_PEN);

    HBRUSH hatch = testing::HatchBrush(HS_CROSS, RGB(7, 8, 9));
    LOGBRUSH brushOut{};
    EXPECT_EQ(GetObjectA(hatch, sizeof brushOut, &brushOut), static_cast<int>(sizeof brushOut));
    EXPECT_EQ(brushOut.lbStyle, BS_HATCHED);
    EXPECT_EQ(brushOut.lbColor, RGB(7, 8, 9));
    EXPECT_EQ(brushOut.lbHatch, static_cast<ULONG_PTR>(HS_CROSS));
    EXPECT_EQ(GetObjectA(hatch, 0, &brushOut), 0);
    EXPECT_EQ(GetObjectA(hatch, 0, nullptr), static_cast<int>(sizeof(LOGBRUSH))) << "the size it needs";

    LOGFONTA font{};
    font.lfHeight = -20;
    font.lfWeight = 700;
    font.lfItalic = 1;
    std::strcpy(font.lfFaceName, "No Such Face");
    HFONT fontHandle = CreateFontIndirectA(&font);
    LOGFONTA fontOut{};
    EXPECT_EQ(GetObjectA(fontHandle, sizeof fontOut, &fontOut), static_cast<int>(sizeof fontOut));
    EXPECT_EQ(fontOut.lfHeight, -20);
    EXPECT_EQ(fontOut.lfWeight, 700);
    EXPECT_EQ(fontOut.lfItalic, 1);
    EXPECT_STREQ(fontOut.lfFaceName, "No Such Face");
    EXPECT_EQ(GetObjectType(fontHandle), OBJ_FONT);

    HRGN region = CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(GetObjectType(region), OBJ_REGION);

    DeleteObject(penHandle);
    DeleteObject(hatch);
    DeleteObject(fontHandle);
    DeleteObject(region);
}

}  // namespace
}  // namespace lumenbox::win
