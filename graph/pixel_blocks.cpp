// Copying rectangles of raw canvas values out and putting them back.
//
// A block holds what the canvas stores: entry numbers in palette kinds (so
// that a block pasted back keeps following palette changes), 0x00RRGGBB in
// direct colour. Rows travel through the platform's DIB bits at the canvas's
// own depth (entry numbers) or at 32 bits (direct colour, whatever the
// canvas's depth), bottom row first as DIB rows are.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/kernel.h>

#include "graph/drawing_call.h"

namespace lumenbox {
namespace {

constexpr std::array<win::DWORD, 5> PasteOperations = {win::SRCCOPY, win::SRCINVERT, win::SRCPAINT, win::SRCAND,
                                                       win::NOTSRCCOPY};

// A rectangle in device coordinates, right and bottom exclusive.
struct Area {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
};

Area CanvasPart(Area area) {
    return {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, GraphState.MaxX + 1),
            std::min(area.bottom, GraphState.MaxY + 1)};
}

// Bits per pixel that block values travel at.
int TransferBits() { return GraphState.PaletteMode ? GraphState.CanvasBitsPerPixel : 32; }

std::size_t RowBytes(std::int32_t width, int bits) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
}

// A bottom-up header for rows `width` wide at the transfer depth, with the
// canvas's colour table, so that entry numbers stay entry numbers.
std::unique_ptr<win::BITMAPINFO> TransferHeader(std::int32_t width, std::int32_t height) {
    auto info = std::make_unique<win::BITMAPINFO>();
    info->bmiHeader.biSize = sizeof(win::BITMAPINFOHEADER);
    info->bmiHeader.biWidth = width;
    info->bmiHeader.biHeight = height;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = static_cast<win::WORD>(TransferBits());
    info->bmiHeader.biCompression = win::BI_RGB;
    const std::size_t entries = std::min<std::size_t>(GraphState.ColorTable.size(), 256);
    std::copy_n(GraphState.ColorTable.begin(), entries, info->bmiColors);
    return info;
}

std::uint32_t ValueAt(const std::uint8_t* row, std::int32_t x, int bits) {
    switch (bits) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1u;
    case 4: return (x & 1) ? (row[x >> 1] & 0x0Fu) : (row[x >> 1] >> 4);
    case 8: return row[x];
    default: {
        std::uint32_t value;
        std::memcpy(&value, row + 4 * static_cast<std::size_t>(x), 4);
        return value & 0x00FFFFFFu;
    }
    }
}

void PutValue(std::uint8_t* row, std::int32_t x, int bits, std::uint32_t value) {
    switch (bits) {
    case 1: row[x >> 3] = static_cast<std::uint8_t>(row[x >> 3] | ((value & 1u) << (7 - (x & 7)))); return;
    case 4: row[x >> 1] = static_cast<std::uint8_t>(row[x >> 1] | ((value & 0x0Fu) << ((x & 1) ? 0 : 4))); return;
    case 8: row[x] = static_cast<std::uint8_t>(value); return;
    default: {
        const std::uint32_t colour = value & 0x00FFFFFFu;
        std::memcpy(row + 4 * static_cast<std::size_t>(x), &colour, 4);
        return;
    }
    }
}

// Reads the canvas rows of `part` into the block, whose top left corner is
// at device (originX, originY). DrawLock held.
void ReadCanvasPart(const Area& part, std::int32_t originX, std::int32_t originY, PixelBlock& block) {
    const std::int32_t canvasWidth = GraphState.MaxX + 1;
    const std::int32_t canvasHeight = GraphState.MaxY + 1;
    const int bits = TransferBits();
    const std::size_t stride = RowBytes(canvasWidth, bits);
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(part.Height()));
    auto info = TransferHeader(canvasWidth, canvasHeight);
    // Scan line 0 is the bottom row: the part's lowest row comes first.
    const auto first = static_cast<win::UINT>(canvasHeight - part.bottom);
    const win::HBITMAP page = GraphState.CanvasPages[GraphState.DrawPage];
    if (win::GetDIBits(GraphState.CanvasDC, page, first, static_cast<win::UINT>(part.Height()), rows.data(),
                       info.get(), win::DIB_RGB_COLORS) == 0) {
        return;
    }
    for (std::int32_t y = part.top; y < part.bottom; ++y) {
        const std::uint8_t* row = rows.data() + stride * static_cast<std::size_t>(part.bottom - 1 - y);
        std::uint32_t* out = block.Pixels.data() + static_cast<std::size_t>(y - originY) * block.Width;
        for (std::int32_t x = part.left; x < part.right; ++x) out[x - originX] = ValueAt(row, x, bits);
    }
}

// The block's values inside `part` (the block's top left corner at device
// (originX, originY)) as bottom-up DIB rows at the transfer depth.
std::vector<std::uint8_t> PackedRows(const PixelBlock& block, const Area& part, std::int32_t originX,
                                     std::int32_t originY) {
    const int bits = TransferBits();
    const std::size_t stride = RowBytes(part.Width(), bits);
    const std::uint32_t mask = GraphState.PaletteMode ? GraphState.PaletteCapacity - 1u : 0x00FFFFFFu;
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(part.Height()), 0);
    for (std::int32_t y = part.top; y < part.bottom; ++y) {
        std::uint8_t* row = rows.data() + stride * static_cast<std::size_t>(part.bottom - 1 - y);
        const std::uint32_t* in = block.Pixels.data() + static_cast<std::size_t>(y - originY) * block.Width;
        for (std::int32_t x = part.left; x < part.right; ++x) PutValue(row, x - part.left, bits, in[x - originX] & mask);
    }
    return rows;
}

// Combines the rows with the canvas through a bitmap of the canvas's own
// format, so that entry numbers meet entry numbers. DrawLock held.
void CombineWithCanvas(const std::vector<std::uint8_t>& rows, const Area& part, win::DWORD operation) {
    const win::HBITMAP source = win::CreateCompatibleBitmap(GraphState.CanvasDC, part.Width(), part.Height());
    if (source == nullptr) return;
    auto info = TransferHeader(part.Width(), part.Height());
    win::SetDIBits(GraphState.CanvasDC, source, 0, static_cast<win::UINT>(part.Height()), rows.data(), info.get(),
                   win::DIB_RGB_COLORS);
    const win::HGDIOBJ previous = win::SelectObject(GraphState.PatternDC, source);
    win::BitBlt(GraphState.CanvasDC, part.left, part.top, part.Width(), part.Height(), GraphState.PatternDC, 0, 0,
                operation);
    win::SelectObject(GraphState.PatternDC, previous);
    win::DeleteObject(source);
}

}  // namespace

PixelBlock CopyBlock(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    PixelBlock block;
    if (!DrawingCallAllowed()) return block;
    const std::int32_t width = std::int32_t{x2} - x1 + 1;
    const std::int32_t height = std::int32_t{y2} - y1 + 1;
    if (width < 1 || height < 1 || width > INT16_MAX || height > INT16_MAX) {
        GraphState.GraphStatus = StatusOutOfRange;
        return block;
    }
    block.Width = static_cast<std::int16_t>(width);
    block.Height = static_cast<std::int16_t>(height);
    block.Pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    const std::int32_t left = DeviceX(x1);
    const std::int32_t top = DeviceY(y1);
    const Area part = CanvasPart({left, top, left + width, top + height});
    if (part.Empty()) return block;
    win::EnterCriticalSection(&GraphState.DrawLock);
    ReadCanvasPart(part, left, top, block);
    win::LeaveCriticalSection(&GraphState.DrawLock);
    return block;
}

void PasteBlock(std::int16_t x, std::int16_t y, const PixelBlock& block, std::uint16_t mode) {
    if (!DrawingCallAllowed()) return;
    const bool shaped = block.Width >= 0 && block.Height >= 0 &&
                        block.Pixels.size() == static_cast<std::size_t>(block.Width) * static_cast<std::size_t>(block.Height);
    if (mode >= PasteOperations.size() || !shaped) {
        GraphState.GraphStatus = StatusOutOfRange;
        return;
    }
    const std::int32_t left = DeviceX(x);
    const std::int32_t top = DeviceY(y);
    // Only the part on the canvas is combined: a block larger than the
    // canvas costs no more than the canvas.
    const Area part = CanvasPart({left, top, left + block.Width, top + block.Height});
    if (part.Empty()) return;
    const std::vector<std::uint8_t> rows = PackedRows(block, part, left, top);
    win::EnterCriticalSection(&GraphState.DrawLock);
    CombineWithCanvas(rows, part, PasteOperations[mode]);
    ShowCanvasPart({part.left, part.top, part.right, part.bottom});
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

}  // namespace lumenbox
