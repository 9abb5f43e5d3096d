// Basic types of the Windows stand-in: integer widths, handles, records.
//
// Handles are opaque values handed out by the stand-in's handle tables; they
// are never dereferenced. Each handle kind is its own pointer type, so that
// the compiler keeps a brush from being passed where a window is meant, while
// every GDI handle still converts to HGDIOBJ as it does on Windows.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumenbox::win {

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using ULONG_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = DWORD;
using ATOM = WORD;

inline constexpr BOOL FALSE = 0;
inline constexpr BOOL TRUE = 1;

// Distinct opaque handle kinds.
struct HWND__;
struct HDC__;
struct HBRUSH__;
struct HPEN__;
struct HFONT__;
struct HPALETTE__;
struct HBITMAP__;
struct HRGN__;
struct HGLRC__;
struct HICON__;
struct HCURSOR__;
struct HINSTANCE__;
struct HMENU__;

using HANDLE = void*;
using HGDIOBJ = void*;
using HWND = HWND__*;
using HDC = HDC__*;
using HBRUSH = HBRUSH__*;
using HPEN = HPEN__*;
using HFONT = HFONT__*;
using HPALETTE = HPALETTE__*;
using HBITMAP = HBITMAP__*;
using HRGN = HRGN__*;
using HGLRC = HGLRC__*;
using HICON = HICON__*;
using HCURSOR = HCURSOR__*;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
using HMENU = HMENU__*;

struct POINT {
    LONG x;
    LONG y;
};

// Right and bottom are exclusive.
struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>(c >> 8); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>(c >> 16); }
constexpr COLORREF PALETTEINDEX(WORD i) { return 0x01000000u | i; }
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }

}  // namespace lumenbox::win
