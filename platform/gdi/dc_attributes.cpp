// Drawing attributes kept per DC: the raster operation and background that
// lines and shapes use, the text colour, alignment and spacing that text
// uses, and the current position. Callers also read them back and rely on
// the previous value each setter returns.
#include "platform/gdi/gdi_objects.h"

namespace lumenbox::win {

using namespace detail;

namespace {

constexpr int kBadCharacterExtra = static_cast<int>(0x80000000u);

// Horizontal: TA_LEFT, TA_RIGHT, TA_CENTER; vertical: TA_TOP, TA_BOTTOM,
// TA_BASELINE; optionally TA_UPDATECP. Nothing else.
bool ValidTextAlign(UINT align) {
    const UINT horizontal = align & TA_CENTER;
    const UINT vertical = align & TA_BASELINE;
    if ((align & ~(TA_UPDATECP | TA_CENTER | TA_BASELINE)) != 0) return false;
    return (horizontal == TA_LEFT || horizontal == TA_RIGHT || horizontal == TA_CENTER) &&
           (vertical == TA_TOP || vertical == TA_BOTTOM || vertical == TA_BASELINE);
}

// Runs `change` on the live DC and returns its result, or `failure` for a
// bad handle.
template <class Result, class Change>
Result WithDc(HDC handle, Result failure, Change change) {
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    return dc ? change(*dc) : failure;
}

template <class T>
T Exchange(T& field, T value) {
    const T previous = field;
    field = value;
    return previous;
}

}  // namespace

int SetROP2(HDC dc, int mode) {
    if (mode < R2_BLACK || mode > R2_WHITE) return 0;
    return WithDc(dc, 0, [&](DeviceContext& d) { return Exchange(d.rop2, mode); });
}

int GetROP2(HDC dc) {
    return WithDc(dc, 0, [](DeviceContext& d) { return d.rop2; });
}

int SetBkMode(HDC dc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return WithDc(dc, 0, [&](DeviceContext& d) { return Exchange(d.backgroundMode, mode); });
}

int GetBkMode(HDC dc) {
    return WithDc(dc, 0, [](DeviceContext& d) { return d.backgroundMode; });
}

COLORREF SetBkColor(HDC dc, COLORREF colour) {
    return WithDc(dc, CLR_INVALID, [&](DeviceContext& d) { return Exchange(d.backgroundColour, colour); });
}

COLORREF GetBkColor(HDC dc) {
    return WithDc(dc, CLR_INVALID, [](DeviceContext& d) { return d.backgroundColour; });
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
    return WithDc(dc, CLR_INVALID, [&](DeviceContext& d) { return Exchange(d.textColour, colour); });
}

COLORREF GetTextColor(HDC dc) {
    return WithDc(dc, CLR_INVALID, [](DeviceContext& d) { return d.textColour; });
}

UINT SetTextAlign(HDC dc, UINT align) {
    if (!ValidTextAlign(align)) return GDI_ERROR;
    return WithDc(dc, GDI_ERROR, [&](DeviceContext& d) { return Exchange(d.textAlign, align); });
}

UINT GetTextAlign(HDC dc) {
    return WithDc(dc, GDI_ERROR, [](DeviceContext& d) { return d.textAlign; });
}

int SetTextCharacterExtra(HDC dc, int extra) {
    // The failure value itself is no extra a caller can set.
    if (extra == kBadCharacterExtra) return kBadCharacterExtra;
    return WithDc(dc, kBadCharacterExtra, [&](DeviceContext& d) { return Exchange(d.characterExtra, extra); });
}

int GetTextCharacterExtra(HDC dc) {
    return WithDc(dc, kBadCharacterExtra, [](DeviceContext& d) { return d.characterExtra; });
}

BOOL SetTextJustification(HDC dc, int breakExtra, int breakCount) {
    if (breakCount < 0) return FALSE;
    return WithDc(dc, FALSE, [&](DeviceContext& d) {
        d.breakExtra = breakExtra;
        d.breakCount = breakCount;
        return TRUE;
    });
}

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) {
    return WithDc(dc, FALSE, [&](DeviceContext& d) {
        const POINT old = Exchange(d.position, POINT{x, y});
        if (previous) *previous = old;
        return TRUE;
    });
}

BOOL GetCurrentPositionEx(HDC dc, POINT* position) {
    if (!position) return FALSE;
    return WithDc(dc, FALSE, [&](DeviceContext& d) {
        *position = d.position;
        return TRUE;
    });
}

}  // namespace lumenbox::win
