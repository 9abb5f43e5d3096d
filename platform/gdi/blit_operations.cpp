// Raster operation codes and the span loops that apply them. One loop per
// operation, so that the choice is made once per span, not per pixel.
#include "platform/gdi/blit_operations.h"

#include <lumenbox/win/gdi.h>

namespace lumenbox::win::detail {

bool BlitOperationOf(DWORD rop, BlitOperation& operation) {
    switch (rop) {
        case SRCCOPY: operation = BlitOperation::Copy; return true;
        case SRCINVERT: operation = BlitOperation::Xor; return true;
        case SRCPAINT: operation = BlitOperation::Or; return true;
        case SRCAND: operation = BlitOperation::And; return true;
        case NOTSRCCOPY: operation = BlitOperation::NotSource; return true;
        case BLACKNESS: operation = BlitOperation::Black; return true;
        case WHITENESS: operation = BlitOperation::White; return true;
        case DSTINVERT: operation = BlitOperation::InvertTarget; return true;
        default: return false;
    }
}

bool UsesSource(BlitOperation operation) {
    return operation != BlitOperation::Black && operation != BlitOperation::White &&
           operation != BlitOperation::InvertTarget;
}

std::uint32_t ValueMask(const PixelFormat& format) {
    return format.Direct() ? 0x00FFFFFFu : (1u << format.bitsPerPixel) - 1u;
}

namespace {

template <class Op>
void Each(const std::uint32_t* source, std::uint32_t* target, int count, std::uint32_t mask, Op op) {
    for (int i = 0; i < count; ++i) target[i] = op(target[i], source[i]) & mask;
}

template <class Op>
void EachTarget(std::uint32_t* target, int count, std::uint32_t mask, Op op) {
    for (int i = 0; i < count; ++i) target[i] = op(target[i]) & mask;
}

}  // namespace

void Combine(BlitOperation operation, const std::uint32_t* source, std::uint32_t* target, int count,
             std::uint32_t mask) {
    using V = std::uint32_t;
    switch (operation) {
        case BlitOperation::Copy: Each(source, target, count, mask, [](V, V s) { return s; }); break;
        case BlitOperation::Xor: Each(source, target, count, mask, [](V d, V s) { return d ^ s; }); break;
        case BlitOperation::Or: Each(source, target, count, mask, [](V d, V s) { return d | s; }); break;
        case BlitOperation::And: Each(source, target, count, mask, [](V d, V s) { return d & s; }); break;
        case BlitOperation::NotSource: Each(source, target, count, mask, [](V, V s) { return ~s; }); break;
        case BlitOperation::Black: EachTarget(target, count, mask, [](V) { return 0u; }); break;
        case BlitOperation::White: EachTarget(target, count, mask, [](V) { return ~0u; }); break;
        case BlitOperation::InvertTarget: EachTarget(target, count, mask, [](V d) { return ~d; }); break;
    }
}

}  // namespace lumenbox::win::detail
