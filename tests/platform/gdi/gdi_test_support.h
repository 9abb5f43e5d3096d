// Helpers for the GDI tests: memory DCs holding DIB sections, window-surface
// DCs, and handle values that belong to other tables.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/win/gdi.h>

#include "platform/display/display.h"
#include "platform/gdi/surface_dc.h"
#include "platform/kernel/handle_table.h"

namespace lumenbox::win::testing {

// A memory DC with a DIB section selected; both go at the end of the scope.
class DibCanvas {
public:
    // Indexed depths get `colours` as their table (the rest black).
    DibCanvas(int width, int height, int bits, std::initializer_list<COLORREF> colours = {}, bool bottomUp = false) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = bottomUp ? height : -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = static_cast<WORD>(bits);
        info.bmiHeader.biCompression = BI_RGB;
        std::size_t i = 0;
        for (COLORREF c : colours)
            info.bmiColors[i++] = RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0};
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~DibCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    std::uint8_t* bits() const { return static_cast<std::uint8_t*>(bits_); }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

// A window's client surface with its DC, as the user layer makes them.
class SurfaceCanvas {
public:
    SurfaceCanvas(int width, int height)
        : surface_(std::make_shared<display::Surface>(width, height)), dc_(detail::CreateWindowSurfaceDC(surface_)) {}
    ~SurfaceCanvas() { detail::DestroySurfaceDC(dc_); }
    SurfaceCanvas(const SurfaceCanvas&) = delete;
    SurfaceCanvas& operator=(const SurfaceCanvas&) = delete;

    HDC dc() const { return dc_; }
    display::Surface& surface() const { return *surface_; }
    // 0x00RRGGBB, as the display shows it.
    std::uint32_t Pixel(int x, int y) const {
        std::lock_guard<std::mutex> lock(surface_->Mutex());
        return surface_->Pixels()[static_cast<std::size_t>(y) * static_cast<std::size_t>(surface_->Width()) + static_cast<std::size_t>(x)];
    }

private:
    std::shared_ptr<display::Surface> surface_;
    HDC dc_;
};

// A well-formed handle value of another table (a window's or a thread's),
// which GDI must refuse like any garbage.
template <class Handle>
Handle ForeignHandle(detail::HandleTag tag) {
    static detail::HandleTable<int> table(tag);
    return detail::MakeHandle<Handle>(table.Insert(std::make_unique<int>(0)));
}

inline HBRUSH SolidBrush(COLORREF colour) {
    LOGBRUSH record{BS_SOLID, colour, 0};
    return CreateBrushIndirect(&record);
}

inline HBRUSH HatchBrush(int style, COLORREF colour) {
    LOGBRUSH record{BS_HATCHED, colour, static_cast<ULONG_PTR>(style)};
    return CreateBrushIndirect(&record);
}

inline void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    HBRUSH brush = SolidBrush(colour);
    RECT rect{left, top, right, bottom};
    ASSERT_EQ(FillRect(dc, &rect, brush), 1);
    DeleteObject(brush);
}

// An 8-bit palette from a list of COLORREFs.
inline HPALETTE MakePalette(std::initializer_list<COLORREF> colours) {
    LOGPALETTE record{};
    record.palVersion = 0x300;
    record.palNumEntries = static_cast<WORD>(colours.size());
    std::size_t i = 0;
    for (COLORREF c : colours) record.palPalEntry[i++] = PALETTEENTRY{GetRValue(c), GetGValue(c), GetBValue(c), 0};
    return CreatePalette(&record);
}

}  // namespace lumenbox::win::testing
