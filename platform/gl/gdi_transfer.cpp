#include "platform/gl/gdi_transfer.h"

#include <cstring>

#include <lumenbox/win/gdi.h>

#include "platform/gdi/colour_table.h"
#include "platform/gdi/pixel_formats.h"

namespace lumenbox::win::detail {
namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFFu;
constexpr std::uint32_t kOpaque = 0xFF000000u;

BITMAPINFO BottomUpHeader(int width, int height, int bitsPerPixel) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP SelectedBitmap(HDC dc) { return static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP)); }

int DepthOfSelectedBitmap(HDC dc) {
    BITMAP description{};
    if (GetObjectA(SelectedBitmap(dc), sizeof description, &description) != sizeof description) return 0;
    return description.bmBitsPixel;
}

ColourTable TableOf(HDC dc, int bitsPerPixel) {
    RGBQUAD quads[256]{};
    const UINT count = GetDIBColorTable(dc, 0, 1u << bitsPerPixel, quads);
    ColourTable table(count);
    for (UINT i = 0; i < count; ++i) table.Set(i, RgbFromQuad(quads[i]));
    return table;
}

// Changed pixels of a direct-colour bitmap take the new colour as it is.
bool WriteDirect(HDC dc, int width, int height, const std::vector<std::uint32_t>& before,
                 const std::vector<std::uint32_t>& after) {
    std::vector<std::uint32_t> page;
    if (!ReadSelectedBitmap(dc, width, height, page)) return false;
    for (std::size_t i = 0; i < page.size(); ++i)
        if (((before[i] ^ after[i]) & kColourBits) != 0) page[i] = after[i] & kColourBits;
    BITMAPINFO info = BottomUpHeader(width, height, 32);
    return SetDIBits(dc, SelectedBitmap(dc), 0, static_cast<UINT>(height), page.data(), &info, DIB_RGB_COLORS) ==
           height;
}

// Indices are read and written at the bitmap's own depth, where GDI keeps
// them as they are, so an unchanged pixel keeps its entry even where several
// entries share its colour.
bool WriteIndexed(HDC dc, int width, int height, int bitsPerPixel, const std::vector<std::uint32_t>& before,
                  const std::vector<std::uint32_t>& after) {
    const PixelFormat* format = PixelFormatFor(bitsPerPixel);
    ColourTable table = TableOf(dc, bitsPerPixel);
    if (!format || table.Size() == 0) return false;
    const std::ptrdiff_t rowBytes = DibRowBytes(width, bitsPerPixel);
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(height));
    BITMAPINFO info = BottomUpHeader(width, height, bitsPerPixel);
    HBITMAP bitmap = SelectedBitmap(dc);
    if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), rows.data(), &info, DIB_RGB_COLORS) != height) return false;
    // OpenGL pictures come in runs of one colour: the last answer is kept.
    Rgb lastColour = table.At(0) ^ 1u;
    unsigned lastIndex = 0;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = rows.data() + rowBytes * y;
        const std::size_t first = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x) {
            const std::size_t i = first + static_cast<std::size_t>(x);
            if (((before[i] ^ after[i]) & kColourBits) == 0) continue;
            const Rgb colour = after[i] & kColourBits;
            if (colour != lastColour) {
                lastColour = colour;
                lastIndex = table.Nearest(colour);
            }
            format->set(row, x, lastIndex);
        }
    }
    info = BottomUpHeader(width, height, bitsPerPixel);
    return SetDIBits(dc, bitmap, 0, static_cast<UINT>(height), rows.data(), &info, DIB_RGB_COLORS) == height;
}

}  // namespace

bool SurfaceSizeOf(HDC dc, int& width, int& height) {
    if (GetObjectType(dc) == OBJ_MEMDC) {
        BITMAP description{};
        if (GetObjectA(SelectedBitmap(dc), sizeof description, &description) != sizeof description) return false;
        if (!description.bmBits) return false;  // the stock bitmap: nothing to draw on
        width = description.bmWidth;
        height = description.bmHeight;
    } else {
        width = GetDeviceCaps(dc, HORZRES);
        height = GetDeviceCaps(dc, VERTRES);
    }
    return width > 0 && height > 0;
}

bool ReadSelectedBitmap(HDC dc, int width, int height, std::vector<std::uint32_t>& picture) {
    picture.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    BITMAPINFO info = BottomUpHeader(width, height, 32);
    if (GetDIBits(dc, SelectedBitmap(dc), 0, static_cast<UINT>(height), picture.data(), &info, DIB_RGB_COLORS) !=
        height)
        return false;
    for (std::uint32_t& pixel : picture) pixel |= kOpaque;
    return true;
}

bool WriteChangedPixels(HDC dc, int width, int height, const std::vector<std::uint32_t>& before,
                        const std::vector<std::uint32_t>& after) {
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (before.size() != count || after.size() != count) return false;
    const int depth = DepthOfSelectedBitmap(dc);
    if (depth > 8) return WriteDirect(dc, width, height, before, after);
    return depth > 0 && WriteIndexed(dc, width, height, depth, before, after);
}

bool ShowOnWindow(HDC dc, int width, int height, const std::vector<std::uint32_t>& picture) {
    HDC memory = CreateCompatibleDC(nullptr);
    if (!memory) return false;
    BITMAPINFO info = BottomUpHeader(width, height, 32);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool shown = false;
    if (bitmap && bits) {
        std::memcpy(bits, picture.data(), picture.size() * sizeof(std::uint32_t));
        HGDIOBJ previous = SelectObject(memory, bitmap);
        // The clip region is the program's GDI drawing's; OpenGL's picture
        // covers the whole client area, so it is set aside and put back.
        HRGN clip = CreateRectRgn(0, 0, 0, 0);
        const bool clipped = clip && GetClipRgn(dc, clip) == 1;
        SelectClipRgn(dc, nullptr);
        shown = BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY) != FALSE;
        if (clipped) SelectClipRgn(dc, clip);
        if (clip) DeleteObject(clip);
        SelectObject(memory, previous);
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    return shown;
}

}  // namespace lumenbox::win::detail
