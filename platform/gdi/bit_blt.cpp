// Block copies (SRCCOPY). The window repaint copies the 8-bit canvas onto
// the 32-bit window surface this way, so rows go through the pixel formats'
// span operations in chunks, with one conversion per chunk and no
// allocation.
#include <algorithm>
#include <array>
#include <cstdint>
#include <mutex>

#include "platform/gdi/draw_target.h"

namespace lumenbox::win {

using namespace detail;

namespace {

constexpr int kChunk = 256;

// How source pixel values become target pixel values.
class Conversion {
public:
    Conversion(const DrawTarget& source, const DrawTarget& target) : target_(target) {
        if (source.table && target.table && source.view.format == target.view.format) {
            kind_ = Kind::Same;  // indices stay indices
        } else if (source.table) {
            kind_ = Kind::Lookup;
            for (std::size_t i = 0; i < source.table->Size(); ++i) {
                const Rgb colour = source.table->At(i);
                lookup_[i] = target.table ? target.table->Nearest(colour) : colour;
            }
        } else {
            kind_ = target.table ? Kind::Nearest : Kind::Same;
        }
    }

    void Apply(std::uint32_t* values, int count) const {
        switch (kind_) {
            case Kind::Same: break;
            case Kind::Lookup:
                for (int i = 0; i < count; ++i) values[i] = lookup_[values[i]];
                break;
            case Kind::Nearest:
                for (int i = 0; i < count; ++i) values[i] = target_.table->Nearest(values[i]);
                break;
        }
    }

private:
    enum class Kind { Same, Lookup, Nearest };
    const DrawTarget& target_;
    Kind kind_;
    std::array<std::uint32_t, 256> lookup_{};
};

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

void CopyRow(const DrawTarget& target, const DrawTarget& source, const Conversion& conversion, const Block& b, int row,
             bool rightToLeft) {
    std::array<std::uint32_t, kChunk> values;
    const std::uint8_t* from = source.view.Row(b.sourceY + row);
    std::uint8_t* to = target.view.Row(b.y + row);
    const int chunks = (b.width + kChunk - 1) / kChunk;
    for (int c = 0; c < chunks; ++c) {
        const int index = rightToLeft ? chunks - 1 - c : c;
        const int offset = index * kChunk;
        const int count = std::min(kChunk, b.width - offset);
        source.view.format->read(from, b.sourceX + offset, count, values.data());
        conversion.Apply(values.data(), count);
        target.view.format->write(to, b.x + offset, count, values.data());
    }
}

void CopyBlock(const DrawTarget& target, const DrawTarget& source, const Block& b) {
    const Conversion conversion(source, target);
    const bool overlapping = SameStorage(target, source);
    // Within one surface, copy away from the direction of the move.
    const bool bottomUp = overlapping && b.y > b.sourceY;
    const bool rightToLeft = overlapping && b.x > b.sourceX;
    for (int i = 0; i < b.height; ++i) CopyRow(target, source, conversion, b, bottomUp ? b.height - 1 - i : i, rightToLeft);
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

BOOL BitBlt(HDC targetHandle, int x, int y, int width, int height, HDC sourceHandle, int sourceX, int sourceY, DWORD rop) {
    if (rop != SRCCOPY) return FALSE;
    GdiLock lock;
    DeviceContext* targetDc = Find<DeviceContext>(targetHandle);
    DeviceContext* sourceDc = Find<DeviceContext>(sourceHandle);
    if (!targetDc || !sourceDc) return FALSE;
    DrawTarget target;
    DrawTarget source;
    // The screen DC has no pixels to give or keep.
    if (!TargetOf(*targetDc, target) || !TargetOf(*sourceDc, source)) return TRUE;
    Block block;
    if (!ClipBlock(target, source, x, y, width, height, sourceX, sourceY, block)) return TRUE;
    BlockPixelsLock pixels(source.surface, target.surface);
    CopyBlock(target, source, block);
    return TRUE;
}

}  // namespace lumenbox::win

