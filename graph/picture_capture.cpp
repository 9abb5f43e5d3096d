// Reading the shown page out as a picture. The rows travel through the
// platform's DIB bits, top row first: at the canvas's own depth in palette
// kinds (so indices stay indices and the page's colour table comes with
// them), at 32 bits otherwise (whatever depth the canvas has).
#include "graph/picture_capture.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/kernel.h>

namespace lumenbox {
namespace {

std::size_t RowBytes(std::int32_t width, int bits) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
}

// The shown page's rows at `bits` per pixel, top row first, and the page's
// colour table in `info`; empty when the page could not be read. DrawLock held.
std::vector<std::uint8_t> ShownPageRows(std::int32_t width, std::int32_t height, int bits, win::BITMAPINFO& info) {
    info.bmiHeader.biSize = sizeof(win::BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: the buffer reads as a picture
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<win::WORD>(bits);
    info.bmiHeader.biCompression = win::BI_RGB;
    std::vector<std::uint8_t> rows(RowBytes(width, bits) * static_cast<std::size_t>(height));
    const win::HBITMAP page = GraphState.CanvasPages[GraphState.ShownPage % GraphState.CanvasPages.size()];
    const int copied = win::GetDIBits(GraphState.CanvasDC, page, 0, static_cast<win::UINT>(height), rows.data(),
                                      &info, win::DIB_RGB_COLORS);
    if (copied != height) rows.clear();
    return rows;
}

std::uint8_t IndexAt(const std::uint8_t* row, std::int32_t x, int bits) {
    switch (bits) {
    case 1: return static_cast<std::uint8_t>((row[x >> 3] >> (7 - (x & 7))) & 1u);
    case 4: return static_cast<std::uint8_t>((x & 1) ? (row[x >> 1] & 0x0Fu) : (row[x >> 1] >> 4));
    default: return row[x];
    }
}

// The logical palette's entries, which ReplacePalette resizes under
// DrawLock: the colours a program can name. The page's colour table holds
// the capacity, its entries past them showing entry 0's colour.
std::size_t ShownEntries(int bits) {
    const win::UINT entries = win::GetPaletteEntries(GraphState.GraphPalette, 0, 0, nullptr);
    return std::clamp<std::size_t>(entries, 1, std::size_t{1} << bits);
}

bool ReadIndices(CapturedPicture& picture) {
    const int bits = GraphState.CanvasBitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8) return false;
    auto info = std::make_unique<win::BITMAPINFO>();
    const std::vector<std::uint8_t> rows = ShownPageRows(picture.Width, picture.Height, bits, *info);
    if (rows.empty()) return false;

    const std::size_t entries = ShownEntries(bits);
    picture.Palette.resize(entries);
    for (std::size_t i = 0; i < entries; ++i)
        picture.Palette[i] = {info->bmiColors[i].rgbRed, info->bmiColors[i].rgbGreen, info->bmiColors[i].rgbBlue};

    const std::size_t stride = RowBytes(picture.Width, bits);
    picture.Pixels.resize(static_cast<std::size_t>(picture.Width) * static_cast<std::size_t>(picture.Height));
    std::uint8_t* out = picture.Pixels.data();
    for (std::int32_t y = 0; y < picture.Height; ++y) {
        const std::uint8_t* row = rows.data() + stride * static_cast<std::size_t>(y);
        for (std::int32_t x = 0; x < picture.Width; ++x) {
            const std::uint8_t index = IndexAt(row, x, bits);
            *out++ = index < entries ? index : 0;
        }
    }
    return true;
}

bool ReadColours(CapturedPicture& picture) {
    auto info = std::make_unique<win::BITMAPINFO>();
    const std::vector<std::uint8_t> rows = ShownPageRows(picture.Width, picture.Height, 32, *info);
    if (rows.empty()) return false;
    // A 32-bit DIB pixel is blue, green, red and an unused byte.
    const std::size_t pixels = static_cast<std::size_t>(picture.Width) * static_cast<std::size_t>(picture.Height);
    picture.Pixels.resize(pixels * 3);
    for (std::size_t i = 0; i < pixels; ++i) {
        picture.Pixels[3 * i] = rows[4 * i + 2];
        picture.Pixels[3 * i + 1] = rows[4 * i + 1];
        picture.Pixels[3 * i + 2] = rows[4 * i];
    }
    return true;
}

}  // namespace

bool CaptureShownPage(CapturedPicture& picture) {
    picture = CapturedPicture{};
    if (!GraphState.GraphIsOpen.load(std::memory_order_acquire)) return false;
    // A window the system made without a client area has nothing to show.
    if (GraphState.MaxX < 0 || GraphState.MaxY < 0) return false;
    picture.Width = GraphState.MaxX + 1;
    picture.Height = GraphState.MaxY + 1;

    win::EnterCriticalSection(&GraphState.DrawLock);
    const bool read = GraphState.PaletteMode ? ReadIndices(picture) : ReadColours(picture);
    win::LeaveCriticalSection(&GraphState.DrawLock);
    if (!read) picture = CapturedPicture{};
    return read;
}

}  // namespace lumenbox
