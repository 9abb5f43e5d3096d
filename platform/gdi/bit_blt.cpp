// Block copies and their raster operations. The window repaint copies the
// 8-bit canvas onto the 32-bit window surface with SRCCOPY, so rows go
// through the pixel formats' span operations in chunks, with one conversion
// per chunk and no allocation; the other operations add one read of the
// target and one combining pass per chunk, and leave the copy alone.
#include <algorithm>
#include <array>
#include <cstdint>
#include <mutex>

#include "platform/gdi/blit_operations.h"
#include "platform/gdi/brush_fills.h"
#include "platform/gdi/draw_target.h"
#include "platform/gdi/pixel_conversion.h"

namespace lumenbox::win {

using namespace detail;

namespace {

constexpr int kChunk = 256;
using Chunk = std::array<std::uint32_t, kChunk>;

// Whether the two views share storage, so the copy must not overwrite
// source pixels it has yet to read.
bool SameStorage(const DrawTarget& a, const DrawTarget& b) {
    return a.view.top == b.view.top && a.view.pitch == b.view.pitch;
}

struct Block {
    int x, y, sourceX, sourceY, width, height;
};

// Clips the block to the target's visible part and to the source bounds,
// in 64 bits so that no size or position can overflow.
bool ClipBlock(const DrawTarget& target, const DrawTarget& source, long long x, long long y, long long width,
               long long height, long long sourceX, long long sourceY, Block& block) {
    if (width <= 0 || height <= 0) return false;
    long long left = std::max<long long>(x, target.visible.left);
    long long top = std::max<long long>(y, target.visible.top);
    long long right = std::min<long long>(x + width, target.visible.right);
    long long bottom = std::min<long long>(y + height, target.visible.bottom);
    // The same limits seen from the source side.
    left = std::max(left, x - sourceX);
    top = std::max(top, y - sourceY);
    right = std::min(right, x - sourceX + source.view.width);
    bottom = std::min(bottom, y - sourceY + source.view.height);
    if (right <= left || bottom <= top) return false;
    block = Block{static_cast<int>(left), static_cast<int>(top), static_cast<int>(left - x + sourceX),
                  static_cast<int>(top - y + sourceY), static_cast<int>(right - left), static_cast<int>(bottom - top)};
    return true;
}

// The same for an operation without a source: the target's visible part
// only.
bool ClipArea(const DrawTarget& target, long long x, long long y, long long width, long long height, RECT& area) {
    if (width <= 0 || height <= 0) return false;
    const long long left = std::max<long long>(x, target.visible.left);
    const long long top = std::max<long long>(y, target.visible.top);
    const long long right = std::min<long long>(x + width, target.visible.right);
    const long long bottom = std::min<long long>(y + height, target.visible.bottom);
    if (right <= left || bottom <= top) return false;
    area = RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(right), static_cast<LONG>(bottom)};
    return true;
}

// What happens to each source value on its way to the target.
struct Transfer {
    PixelConversion conversion;
    BlitOperation operation;
    std::uint32_t mask;  // the target's value bits
};

// Calls step(offset, count) for each chunk of a row `width` pixels wide,
// from the right when `rightToLeft`.
template <class Step>
void ForEachChunk(int width, bool rightToLeft, Step step) {
    const int chunks = (width + kChunk - 1) / kChunk;
    for (int c = 0; c < chunks; ++c) {
        const int offset = (rightToLeft ? chunks - 1 - c : c) * kChunk;
        step(offset, std::min(kChunk, width - offset));
    }
}

void CopyRow(const DrawTarget& target, const DrawTarget& source, const Transfer& transfer, const Block& b, int row,
             bool rightToLeft) {
    Chunk values;
    const std::uint8_t* from = source.view.Row(b.sourceY + row);
    std::uint8_t* to = target.view.Row(b.y + row);
    ForEachChunk(b.width, rightToLeft, [&](int offset, int count) {
        source.view.format->read(from, b.sourceX + offset, count, values.data());
        transfer.conversion.Apply(values.data(), count);
        target.view.format->write(to, b.x + offset, count, values.data());
    });
}

// As CopyRow, with the target's own values read and combined before the
// write. Each chunk reads its source and target pixels before it writes, and
// the chunks go away from the direction of the move, so what any chunk
// reads is still as it was before the call.
void CombineRow(const DrawTarget& target, const DrawTarget& source, const Transfer& transfer, const Block& b, int row,
                bool rightToLeft) {
    Chunk values;
    Chunk existing;
    const std::uint8_t* from = source.view.Row(b.sourceY + row);
    std::uint8_t* to = target.view.Row(b.y + row);
    ForEachChunk(b.width, rightToLeft, [&](int offset, int count) {
        source.view.format->read(from, b.sourceX + offset, count, values.data());
        transfer.conversion.Apply(values.data(), count);
        target.view.format->read(to, b.x + offset, count, existing.data());
        Combine(transfer.operation, values.data(), existing.data(), count, transfer.mask);
        target.view.format->write(to, b.x + offset, count, existing.data());
    });
}

void TransferBlock(const DrawTarget& target, const DrawTarget& source, const Block& b, BlitOperation operation) {
    const Transfer transfer{PixelConversion(*source.view.format, source.table, *target.view.format, target.table),
                            operation, ValueMask(*target.view.format)};
    const auto row = operation == BlitOperation::Copy ? CopyRow : CombineRow;
    const bool overlapping = SameStorage(target, source);
    // Within one surface, copy away from the direction of the move.
    const bool bottomUp = overlapping && b.y > b.sourceY;
    const bool rightToLeft = overlapping && b.x > b.sourceX;
    for (int i = 0; i < b.height; ++i) row(target, source, transfer, b, bottomUp ? b.height - 1 - i : i, rightToLeft);
}

// The operations without a source: black and white are plain fills.
void PaintBlock(const DrawTarget& target, const RECT& area, BlitOperation operation) {
    const std::uint32_t mask = ValueMask(*target.view.format);
    if (operation != BlitOperation::InvertTarget) {
        PaintSolid(target, operation == BlitOperation::Black ? 0u : mask, area);
        return;
    }
    Chunk values;
    const PixelFormat& format = *target.view.format;
    for (int y = area.top; y < area.bottom; ++y) {
        std::uint8_t* row = target.view.Row(y);
        ForEachChunk(area.right - area.left, false, [&](int offset, int count) {
            format.read(row, area.left + offset, count, values.data());
            Combine(operation, nullptr, values.data(), count, mask);
            format.write(row, area.left + offset, count, values.data());
        });
    }
}

// Holds the surface mutexes of both ends of a copy (after the GDI mutex):
// none, one (also when both DCs draw on the same surface), or two taken
// together so that no order can deadlock. Marks the target changed.
class BlockPixelsLock {
public:
    BlockPixelsLock(display::Surface* source, display::Surface* target)
        : source_(source == target ? nullptr : source), target_(target) {
        if (source_ && target_)
            std::lock(source_->Mutex(), target_->Mutex());
        else if (source_)
            source_->Mutex().lock();
        else if (target_)
            target_->Mutex().lock();
    }
    ~BlockPixelsLock() {
        if (target_) {
            target_->MarkChanged();
            target_->Mutex().unlock();
        }
        if (source_) source_->Mutex().unlock();
    }
    BlockPixelsLock(const BlockPixelsLock&) = delete;
    BlockPixelsLock& operator=(const BlockPixelsLock&) = delete;

private:
    display::Surface* source_;
    display::Surface* target_;
};

}  // namespace

namespace {

BOOL PaintTarget(DeviceContext& targetDc, int x, int y, int width, int height, BlitOperation operation) {
    DrawTarget target;
    if (!TargetOf(targetDc, target)) return TRUE;  // the screen DC keeps nothing
    RECT area;
    if (!ClipArea(target, x, y, width, height, area)) return TRUE;
    BlockPixelsLock pixels(nullptr, target.surface);
    PaintBlock(target, area, operation);
    return TRUE;
}

}  // namespace

BOOL BitBlt(HDC targetHandle, int x, int y, int width, int height, HDC sourceHandle, int sourceX, int sourceY, DWORD rop) {
    BlitOperation operation;
    if (!BlitOperationOf(rop, operation)) return FALSE;
    GdiLock lock;
    DeviceContext* targetDc = Find<DeviceContext>(targetHandle);
    if (!targetDc) return FALSE;
    if (!UsesSource(operation)) return PaintTarget(*targetDc, x, y, width, height, operation);
    DeviceContext* sourceDc = Find<DeviceContext>(sourceHandle);
    if (!sourceDc) return FALSE;
    DrawTarget target;
    DrawTarget source;
    // The screen DC has no pixels to give or keep.
    if (!TargetOf(*targetDc, target) || !TargetOf(*sourceDc, source)) return TRUE;
    Block block;
    if (!ClipBlock(target, source, x, y, width, height, sourceX, sourceY, block)) return TRUE;
    BlockPixelsLock pixels(source.surface, target.surface);
    TransferBlock(target, source, block, operation);
    return TRUE;
}

}  // namespace lumenbox::win

