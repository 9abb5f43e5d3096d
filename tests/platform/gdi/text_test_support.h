// Helpers for the text tests: fonts selected for a scope, and reading an
// 8-bit canvas back as a picture or as the box its ink covers.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "gdi_test_support.h"

namespace lumenbox::win::testing {

struct FontRequest {
    const char* face = "Arial";
    LONG height = 16;
    LONG weight = FW_NORMAL;
    LONG escapement = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    LONG width = 0;
};

inline LOGFONTA DescriptionOf(const FontRequest& request) {
    LOGFONTA font{};
    font.lfHeight = request.height;
    font.lfWidth = request.width;
    font.lfEscapement = request.escapement;
    font.lfOrientation = request.escapement;
    font.lfWeight = request.weight;
    font.lfItalic = request.italic ? 1 : 0;
    font.lfUnderline = request.underline ? 1 : 0;
    font.lfStrikeOut = request.strikeOut ? 1 : 0;
    font.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(font.lfFaceName, request.face, LF_FACESIZE - 1);
    return font;
}

// A font made and selected for the scope; the DC's previous font comes back
// at the end and the font is deleted.
class SelectedFont {
public:
    SelectedFont(HDC dc, const FontRequest& request) : dc_(dc) {
        const LOGFONTA description = DescriptionOf(request);
        font_ = CreateFontIndirectA(&description);
        previous_ = SelectObject(dc_, font_);
    }
    ~SelectedFont() {
        SelectObject(dc_, previous_);
        DeleteObject(font_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    HFONT font_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// The stored value of a pixel of an 8-bit top-down canvas.
inline std::uint8_t IndexAt(const DibCanvas& canvas, int width, int x, int y) {
    return canvas.bits()[static_cast<std::size_t>(y) * static_cast<std::size_t>((width + 3) / 4 * 4) + static_cast<std::size_t>(x)];
}

// An 8-bit canvas as rows of characters: '.' for index 0, '#' for index
// `ink`, 'o' for index `paper`, '?' for anything else.
inline std::string Picture(const DibCanvas& canvas, int width, int height, int ink = 1, int paper = 2) {
    std::string out;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int value = IndexAt(canvas, width, x, y);
            out += value == 0 ? '.' : value == ink ? '#' : value == paper ? 'o' : '?';
        }
        out += '\n';
    }
    return out;
}

// The bounding box of the pixels of an 8-bit canvas holding `value`, with
// how many there are; an empty box (0, 0, 0, 0) when there are none.
struct Coverage {
    RECT box{0, 0, 0, 0};
    int pixels = 0;
};

inline Coverage CoverageOf(const DibCanvas& canvas, int width, int height, int value) {
    Coverage c;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (IndexAt(canvas, width, x, y) != value) continue;
            if (c.pixels == 0) c.box = RECT{x, y, x + 1, y + 1};
            c.box = RECT{std::min<LONG>(c.box.left, x), std::min<LONG>(c.box.top, y), std::max<LONG>(c.box.right, x + 1),
                         std::max<LONG>(c.box.bottom, y + 1)};
            ++c.pixels;
        }
    return c;
}

inline bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

inline std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + ")";
}

inline SIZE ExtentOf(HDC dc, const char* text) {
    SIZE size{-1, -1};
    EXPECT_TRUE(GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size));
    return size;
}

inline BOOL Draw(HDC dc, int x, int y, const char* text) {
    return TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

}  // namespace lumenbox::win::testing
