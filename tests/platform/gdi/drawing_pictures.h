// Helpers for the line, shape and flood-fill tests: pictures of small 8-bit
// canvases, one character per pixel, so that a failing comparison shows
// which pixels differ; and pens and brushes selected for one scope.
#pragma once

#include <cstddef>
#include <string>

#include "gdi_test_support.h"

namespace lumenbox::win::testing {

// One character per colour-table index: '.' for 0, '1' to '9' and 'A' to 'F'
// for 1 to 15, '*' above.
inline char IndexChar(unsigned index) {
    if (index == 0) return '.';
    if (index < 16) return "0123456789ABCDEF"[index];
    return '*';
}

// The top-down 8-bit canvas's pixels, a row per line.
inline std::string Picture(const DibCanvas& canvas, int width, int height) {
    const std::size_t stride = static_cast<std::size_t>((width + 3) / 4 * 4);
    std::string out;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            out += IndexChar(canvas.bits()[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)]);
        out += '\n';
    }
    return out;
}

// Rows given as separate strings, joined as Picture prints them.
inline std::string Rows(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* row : rows) {
        out += row;
        out += '\n';
    }
    return out;
}

// The stored index of an 8-bit canvas pixel.
inline unsigned IndexAt(const DibCanvas& canvas, int width, int x, int y) {
    const std::size_t stride = static_cast<std::size_t>((width + 3) / 4 * 4);
    return canvas.bits()[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)];
}

// Selects a new pen into the DC for the scope, then puts the old one back
// and deletes it.
class ScopedPen {
public:
    ScopedPen(HDC dc, UINT style, int width, COLORREF colour) : dc_(dc) {
        LOGPEN record{style, POINT{width, 0}, colour};
        pen_ = CreatePenIndirect(&record);
        previous_ = SelectObject(dc_, pen_);
    }
    ~ScopedPen() {
        SelectObject(dc_, previous_);
        DeleteObject(pen_);
    }
    ScopedPen(const ScopedPen&) = delete;
    ScopedPen& operator=(const ScopedPen&) = delete;

private:
    HDC dc_;
    HPEN pen_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// The same for a brush.
class ScopedBrush {
public:
    ScopedBrush(HDC dc, HBRUSH brush) : dc_(dc), brush_(brush), previous_(SelectObject(dc, brush)) {}
    ~ScopedBrush() {
        SelectObject(dc_, previous_);
        DeleteObject(brush_);
    }
    ScopedBrush(const ScopedBrush&) = delete;
    ScopedBrush& operator=(const ScopedBrush&) = delete;

private:
    HDC dc_;
    HBRUSH brush_;
    HGDIOBJ previous_;
};

}  // namespace lumenbox::win::testing
