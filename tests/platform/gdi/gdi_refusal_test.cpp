// Handles that GDI once gave out and took back, and handles it never gave
// out, passed to every call that takes them: each call refuses with its
// failure value, and nothing it could have touched has changed.
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <lumenbox/win/gl.h>
#include <lumenbox/win/kernel.h>
#include <lumenbox/win/probes.h>

#include "gdi_test_support.h"

namespace lumenbox::win {
namespace {

using testing::DibCanvas;
using testing::ForeignHandle;

struct Named {
    std::string what;
    HGDIOBJ handle;
};

HBITMAP MakeDib(int bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = 4;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
}

// One live object of every kind GDI makes, each with its OBJ_* type.
std::vector<std::pair<Named, DWORD>> OneOfEachKind() {
    const LOGPEN pen{PS_DASH, {1, 0}, RGB(1, 2, 3)};
    const LOGBRUSH hatched{BS_HATCHED, RGB(4, 5, 6), HS_CROSS};
    HBITMAP pattern = MakeDib(8);
    const LOGBRUSH patterned{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(pattern)};
    LOGFONTA font{};
    std::strcpy(font.lfFaceName, "Arial");
    std::vector<std::pair<Named, DWORD>> made = {
        {{"pen", CreatePenIndirect(&pen)}, OBJ_PEN},
        {{"solid brush", testing::SolidBrush(RGB(7, 8, 9))}, OBJ_BRUSH},
        {{"hatched brush", CreateBrushIndirect(&hatched)}, OBJ_BRUSH},
        {{"pattern brush", CreateBrushIndirect(&patterned)}, OBJ_BRUSH},
        {{"font", CreateFontIndirectA(&font)}, OBJ_FONT},
        {{"palette", testing::MakePalette({RGB(1, 1, 1), RGB(2, 2, 2)})}, OBJ_PAL},
        {{"region", CreateRectRgn(1, 1, 3, 3)}, OBJ_REGION},
        {{"1-bit DIB section", MakeDib(1)}, OBJ_BITMAP},
        {{"4-bit DIB section", MakeDib(4)}, OBJ_BITMAP},
        {{"24-bit DIB section", MakeDib(24)}, OBJ_BITMAP},
        {{"32-bit DIB section", MakeDib(32)}, OBJ_BITMAP},
        {{"8-bit DIB section", pattern}, OBJ_BITMAP},
    };
    DibCanvas source(4, 4, 8);
    made.push_back({{"compatible bitmap", CreateCompatibleBitmap(source.dc(), 4, 4)}, OBJ_BITMAP});
    return made;
}

// What a DC holds and shows, to see that a refused call left it alone.
struct DcState {
    std::array<HGDIOBJ, 5> selected{};
    std::vector<COLORREF> pixels;
    int clip = 0;
    std::array<LONG, 4> clipBox{};
    bool operator==(const DcState&) const = default;
};

DcState StateOf(HDC dc) {
    DcState state;
    const UINT types[] = {OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_PAL, OBJ_BITMAP};
    for (std::size_t i = 0; i < state.selected.size(); ++i) state.selected[i] = GetCurrentObject(dc, types[i]);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) state.pixels.push_back(GetPixel(dc, x, y));
    RECT box{};
    state.clip = GetClipBox(dc, &box);
    state.clipBox = {box.left, box.top, box.right, box.bottom};
    return state;
}

// A DC holding something worth spoiling: two colours, a brush and a clip.
class Target {
public:
    Target() : canvas_(8, 8, 8, {RGB(0, 0, 0), RGB(200, 0, 0), RGB(0, 200, 0)}) {
        testing::Fill(canvas_.dc(), 0, 0, 4, 8, PALETTEINDEX(1));
        testing::Fill(canvas_.dc(), 4, 0, 8, 8, PALETTEINDEX(2));
        brush_ = testing::SolidBrush(PALETTEINDEX(2));
        SelectObject(canvas_.dc(), brush_);
        HRGN clip = CreateRectRgn(0, 0, 6, 6);
        SelectClipRgn(canvas_.dc(), clip);
        DeleteObject(clip);
    }
    ~Target() {
        SelectObject(canvas_.dc(), GetStockObject(WHITE_BRUSH));
        DeleteObject(brush_);
    }
    HDC dc() const { return canvas_.dc(); }

private:
    DibCanvas canvas_;
    HBRUSH brush_ = nullptr;
};

// Every call that takes a GDI object, given one it must refuse.
void ExpectObjectRefused(HDC dc, HGDIOBJ bad) {
    RECT rect{0, 0, 8, 8};
    std::array<unsigned char, sizeof(LOGFONTA)> out;
    out.fill(0x5A);
    PALETTEENTRY entry{9, 9, 9, 9};
    const LOGBRUSH pattern{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(bad)};
    EXPECT_EQ(DeleteObject(bad), FALSE);
    EXPECT_EQ(GetObjectType(bad), 0u);
    EXPECT_EQ(GetObjectA(bad, static_cast<int>(out.size()), out.data()), 0);
    EXPECT_EQ(out[0], 0x5A) << "GetObjectA wrote into the buffer";
    EXPECT_EQ(SelectObject(dc, bad), nullptr);
    EXPECT_EQ(FillRect(dc, &rect, static_cast<HBRUSH>(bad)), 0);
    EXPECT_EQ(CreateBrushIndirect(&pattern), nullptr);
    const HPALETTE palette = static_cast<HPALETTE>(bad);
    EXPECT_EQ(SelectPalette(dc, palette, TRUE), nullptr);
    EXPECT_EQ(SetPaletteEntries(palette, 0, 1, &entry), 0u);
    EXPECT_EQ(GetPaletteEntries(palette, 0, 1, &entry), 0u);
    EXPECT_EQ(entry.peRed, 9) << "GetPaletteEntries wrote into the entry";
    EXPECT_EQ(ResizePalette(palette, 4), FALSE);
    EXPECT_EQ(GetNearestPaletteIndex(palette, RGB(1, 1, 1)), CLR_INVALID);
    const HRGN region = static_cast<HRGN>(bad);
    EXPECT_EQ(SelectClipRgn(dc, region), REGION_ERROR);
    EXPECT_EQ(GetClipRgn(dc, region), -1);
}

TEST(GdiObjectRefusal, DeletedObjectsOfEveryKindAreRefusedEverywhere) {
    Target target;
    std::vector<std::pair<Named, DWORD>> deleted = OneOfEachKind();
    for (const auto& [object, type] : deleted) {
        ASSERT_EQ(GetObjectType(object.handle), type) << object.what;
        ASSERT_EQ(DeleteObject(object.handle), TRUE) << object.what;
    }
    // Made now, these most likely sit in the slots just freed.
    const std::vector<std::pair<Named, DWORD>> successors = OneOfEachKind();
    const DcState before = StateOf(target.dc());
    const std::size_t brushes = probe::LiveGdiObjects(OBJ_BRUSH);

    for (const auto& [object, type] : deleted) {
        SCOPED_TRACE("deleted " + object.what);
        ExpectObjectRefused(target.dc(), object.handle);
    }

    EXPECT_EQ(StateOf(target.dc()), before);
    EXPECT_EQ(probe::LiveGdiObjects(OBJ_BRUSH), brushes);
    for (const auto& [object, type] : successors) {
        EXPECT_EQ(GetObjectType(object.handle), type) << "the " << object.what << " made after the deletions";
        EXPECT_EQ(DeleteObject(object.handle), TRUE) << object.what;
    }
}

TEST(GdiObjectRefusal, MadeUpObjectHandlesAreRefusedEverywhere) {
    Target target;
    DWORD threadId = 0;
    HANDLE thread = CreateThread(nullptr, 0, [](void*) -> DWORD { return 0; }, nullptr, 0, &threadId);
    const std::vector<Named> madeUp = {
        // Up to 31 a number stands for a system colour where a brush is wanted.
        {"a small number", reinterpret_cast<HGDIOBJ>(std::uintptr_t{0x40})},
        {"a number with a GDI tag", detail::MakeHandle<HGDIOBJ>(0x00200001u)},
        {"all bits set but one", reinterpret_cast<HGDIOBJ>(~std::uintptr_t{1})},
        {"a GL table's handle", ForeignHandle<HGDIOBJ>(detail::HandleTag::Gl)},
        {"a thread handle", thread},
        {"the module handle", GetModuleHandleA(nullptr)},
    };
    const DcState before = StateOf(target.dc());
    for (const Named& object : madeUp) {
        SCOPED_TRACE(object.what);
        ExpectObjectRefused(target.dc(), object.handle);
    }
    EXPECT_EQ(StateOf(target.dc()), before);
    DWORD code = STILL_ACTIVE;
    while (GetExitCodeThread(thread, &code) && code == STILL_ACTIVE) Sleep(1);
    CloseHandle(thread);
}

// Live objects of one kind where another is wanted: refused like garbage.
TEST(GdiObjectRefusal, LiveObjectsOfTheWrongKindAreRefused) {
    Target target;
    const std::vector<std::pair<Named, DWORD>> live = OneOfEachKind();
    const DcState before = StateOf(target.dc());
    for (const auto& [object, type] : live) {
        SCOPED_TRACE(object.what);
        RECT rect{0, 0, 8, 8};
        PALETTEENTRY entry{};
        const LOGBRUSH pattern{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(object.handle)};
        if (type != OBJ_BRUSH) {
            EXPECT_EQ(FillRect(target.dc(), &rect, static_cast<HBRUSH>(object.handle)), 0);
        }
        if (type != OBJ_PAL) {
            const HPALETTE palette = static_cast<HPALETTE>(object.handle);
            EXPECT_EQ(SelectPalette(target.dc(), palette, TRUE), nullptr);
            EXPECT_EQ(SetPaletteEntries(palette, 0, 1, &entry), 0u);
            EXPECT_EQ(GetPaletteEntries(palette, 0, 1, &entry), 0u);
            EXPECT_EQ(ResizePalette(palette, 4), FALSE);
            EXPECT_EQ(GetNearestPaletteIndex(palette, 0), CLR_INVALID);
        }
        if (type != OBJ_REGION) {
            EXPECT_EQ(SelectClipRgn(target.dc(), static_cast<HRGN>(object.handle)), REGION_ERROR);
            EXPECT_EQ(GetClipRgn(target.dc(), static_cast<HRGN>(object.handle)), -1);
        }
        if (type != OBJ_BITMAP) {
            EXPECT_EQ(CreateBrushIndirect(&pattern), nullptr);
        }
        if (type == OBJ_PAL) {
            EXPECT_EQ(SelectObject(target.dc(), object.handle), nullptr) << "palettes go through SelectPalette";
        }
    }
    // A DC is no object to select, pattern or fill with.
    RECT rect{0, 0, 8, 8};
    const LOGBRUSH dcPattern{BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(target.dc())};
    EXPECT_EQ(CreateBrushIndirect(&dcPattern), nullptr);
    EXPECT_EQ(FillRect(target.dc(), &rect, reinterpret_cast<HBRUSH>(target.dc())), 0);
    EXPECT_EQ(StateOf(target.dc()), before);
    for (const auto& [object, type] : live) EXPECT_EQ(DeleteObject(object.handle), TRUE) << object.what;
}

// Every call that takes a DC, given one it must refuse, next to a good one
// that must come out unchanged. The object calls are left out for a live
// object of another kind, which they would rightly take.
void ExpectDcRefused(HDC bad, HDC good, bool liveObject) {
    RECT rect{0, 0, 2, 2};
    RECT box{};
    POINT point{};
    RGBQUAD quad{};
    HBRUSH brush = testing::SolidBrush(RGB(1, 2, 3));
    HRGN region = CreateRectRgn(0, 0, 4, 4);
    HPALETTE palette = testing::MakePalette({RGB(1, 1, 1)});
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 4, 4, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    const std::size_t objects = probe::LiveGdiObjects(OBJ_BITMAP) + probe::LiveGdiObjects(OBJ_MEMDC);

    EXPECT_EQ(DeleteDC(bad), FALSE);
    if (!liveObject) {
        EXPECT_EQ(DeleteObject(bad), FALSE);
        EXPECT_EQ(GetObjectType(bad), 0u);
    }
    EXPECT_EQ(detail::DestroySurfaceDC(bad), FALSE);
    EXPECT_EQ(CreateCompatibleDC(bad), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(bad, 4, 4), nullptr);
    EXPECT_EQ(CreateDIBSection(bad, &info, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
    for (UINT type : {OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_PAL, OBJ_BITMAP}) {
        EXPECT_EQ(GetCurrentObject(bad, type), nullptr);
    }
    EXPECT_EQ(SelectObject(bad, brush), nullptr);
    EXPECT_EQ(SelectObject(bad, region), nullptr);
    for (int index : {HORZRES, VERTRES, BITSPIXEL, PLANES}) EXPECT_EQ(GetDeviceCaps(bad, index), 0);
    EXPECT_EQ(SelectPalette(bad, palette, TRUE), nullptr);
    EXPECT_EQ(RealizePalette(bad), GDI_ERROR);
    EXPECT_EQ(SetDIBColorTable(bad, 0, 1, &quad), 0u);
    EXPECT_EQ(GetDIBColorTable(bad, 0, 1, &quad), 0u);
    EXPECT_EQ(SelectClipRgn(bad, region), REGION_ERROR);
    EXPECT_EQ(SelectClipRgn(bad, nullptr), REGION_ERROR);
    EXPECT_EQ(GetClipRgn(bad, region), -1);
    EXPECT_EQ(GetClipBox(bad, &box), REGION_ERROR);
    EXPECT_EQ(GetPixel(bad, 0, 0), CLR_INVALID);
    EXPECT_EQ(SetPixelV(bad, 0, 0, 0), FALSE);
    EXPECT_EQ(FillRect(bad, &rect, brush), 0);
    EXPECT_EQ(BitBlt(bad, 0, 0, 4, 4, good, 0, 0, SRCCOPY), FALSE);
    EXPECT_EQ(BitBlt(good, 0, 0, 4, 4, bad, 0, 0, SRCCOPY), FALSE);
    EXPECT_EQ(SetROP2(bad, R2_XORPEN), 0);
    EXPECT_EQ(GetROP2(bad), 0);
    EXPECT_EQ(SetBkMode(bad, OPAQUE), 0);
    EXPECT_EQ(GetBkMode(bad), 0);
    EXPECT_EQ(SetBkColor(bad, 0), CLR_INVALID);
    EXPECT_EQ(GetBkColor(bad), CLR_INVALID);
    EXPECT_EQ(SetTextColor(bad, 0), CLR_INVALID);
    EXPECT_EQ(GetTextColor(bad), CLR_INVALID);
    EXPECT_EQ(SetTextAlign(bad, TA_UPDATECP), GDI_ERROR);
    EXPECT_EQ(GetTextAlign(bad), GDI_ERROR);
    EXPECT_EQ(SetTextCharacterExtra(bad, 1), static_cast<int>(0x80000000u));
    EXPECT_EQ(GetTextCharacterExtra(bad), static_cast<int>(0x80000000u));
    EXPECT_EQ(SetTextJustification(bad, 1, 1), FALSE);
    EXPECT_EQ(MoveToEx(bad, 1, 1, &point), FALSE);
    EXPECT_EQ(GetCurrentPositionEx(bad, &point), FALSE);
    EXPECT_EQ(EnumFontFamiliesA(bad, nullptr, [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM) { return 1; }, 0),
              0);
    EXPECT_EQ(probe::LiveGdiObjects(OBJ_BITMAP) + probe::LiveGdiObjects(OBJ_MEMDC), objects)
        << "a refused creation made something all the same";

    DeleteObject(brush);
    DeleteObject(region);
    DeleteObject(palette);
}

// A DC of each kind, made and released: its handle is stale.
std::vector<Named> ReleasedDcs() {
    HDC memory = CreateCompatibleDC(nullptr);
    HDC holding = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = MakeDib(32);
    SelectObject(holding, bitmap);
    HDC window = detail::CreateWindowSurfaceDC(std::make_shared<display::Surface>(4, 4));
    HDC screen = detail::CreateScreenDC(display::ScreenInfo{640, 480, 32});
    DeleteDC(memory);
    DeleteDC(holding);  // takes its bitmap out of it
    DeleteObject(bitmap);
    detail::DestroySurfaceDC(window);
    detail::DestroySurfaceDC(screen);
    return {{"deleted memory DC", memory},
            {"deleted memory DC that held a bitmap", holding},
            {"released window DC", window},
            {"released screen DC", screen}};
}

TEST(GdiDcRefusal, ReleasedAndMadeUpDcsAreRefusedEverywhere) {
    Target good;
    std::vector<Named> bad = ReleasedDcs();
    // Likely in the freed slots: they must not answer to the old handles.
    HDC successor = CreateCompatibleDC(nullptr);
    testing::SurfaceCanvas windowSuccessor(4, 4);
    HBRUSH brush = testing::SolidBrush(0);
    bad.push_back({"a live brush", brush});
    bad.push_back({"a small number", reinterpret_cast<HGDIOBJ>(std::uintptr_t{3})});
    bad.push_back({"a user table's handle", ForeignHandle<HGDIOBJ>(detail::HandleTag::User)});
    bad.push_back({"a GL table's handle", ForeignHandle<HGDIOBJ>(detail::HandleTag::Gl)});
    const DcState before = StateOf(good.dc());

    for (const Named& dc : bad) {
        SCOPED_TRACE(dc.what);
        ExpectDcRefused(static_cast<HDC>(dc.handle), good.dc(), dc.handle == brush);
    }

    EXPECT_EQ(StateOf(good.dc()), before);
    EXPECT_EQ(GetObjectType(successor), OBJ_MEMDC);
    EXPECT_EQ(GetObjectType(windowSuccessor.dc()), OBJ_DC);
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
    EXPECT_EQ(DeleteDC(successor), TRUE);
    EXPECT_EQ(DeleteObject(brush), TRUE);
}

}  // namespace
}  // namespace lumenbox::win
