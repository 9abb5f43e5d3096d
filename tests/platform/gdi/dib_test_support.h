// Helpers for the tests of 16-bit DIBs and of DIB bits: headers with
// BI_BITFIELDS masks, a memory DC holding any DIB, and raw 16-bit words.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/win/gdi.h>

namespace lumenbox::win::testing {

inline constexpr DWORD kMasks565[3] = {0xF800, 0x07E0, 0x001F};
inline constexpr DWORD kMasks555[3] = {0x7C00, 0x03E0, 0x001F};
inline constexpr DWORD kMasks888[3] = {0xFF0000, 0x00FF00, 0x0000FF};

// A plain header; negative height for top-down rows.
inline BITMAPINFO DibHeader(LONG width, LONG height, WORD bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bits;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The same with BI_BITFIELDS and three masks where bmiColors[0..2] are.
inline BITMAPINFO BitfieldsHeader(LONG width, LONG height, WORD bits, const DWORD (&masks)[3]) {
    BITMAPINFO info = DibHeader(width, height, bits);
    info.bmiHeader.biCompression = BI_BITFIELDS;
    std::memcpy(info.bmiColors, masks, sizeof masks);
    return info;
}

inline void ReadMasks(const BITMAPINFO& info, DWORD (&masks)[3]) { std::memcpy(masks, info.bmiColors, sizeof masks); }

// A memory DC with the DIB a header describes selected; both go at the end
// of the scope.
class HeaderCanvas {
public:
    explicit HeaderCanvas(const BITMAPINFO& info) {
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~HeaderCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HeaderCanvas(const HeaderCanvas&) = delete;
    HeaderCanvas& operator=(const HeaderCanvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    std::uint8_t* bits() const { return static_cast<std::uint8_t*>(bits_); }

    // The 16-bit word at (x, y) of a top-down DIB `width` pixels wide.
    std::uint16_t Word(int width, int x, int y) const {
        const std::size_t stride = (static_cast<std::size_t>(width) * 2 + 3) / 4 * 4;
        const std::uint8_t* p = bits() + stride * static_cast<std::size_t>(y) + 2 * static_cast<std::size_t>(x);
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

// Words as "7E01 0000 ..." rows, one line per row, for readable failures.
inline std::string WordRows(const std::vector<std::uint32_t>& words, int width) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(words[i] >> shift) & 0xFu];
        out += (static_cast<int>(i % static_cast<std::size_t>(width)) == width - 1) ? '\n' : ' ';
    }
    return out;
}

}  // namespace lumenbox::win::testing
