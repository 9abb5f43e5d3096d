// Cells back to window pixels: the inverse of the frame renderer's scaling.
#include "platform/display/terminal/terminal_pointer_map.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace lumenbox::display {

namespace {

// Rounds towards minus infinity, so cells left of or above the picture give
// negative positions rather than 0.
std::int64_t FloorDivide(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t quotient = numerator / denominator;
    return (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) ? quotient - 1 : quotient;
}

// Terminals and windows are far smaller than this; bounding every input by
// it keeps the products below within 64 bits whatever a caller passes.
constexpr std::int64_t kLargest = std::int64_t{1} << 24;
std::int64_t Bounded(int value) { return std::clamp<std::int64_t>(value, -kLargest, kLargest); }

int ToInt(std::int64_t value) { return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX)); }

}  // namespace

// The picture is `fit.width` columns of one pixel and `fit.height` rows of
// half a cell. A cell is taken at the centre of its upper half (half a
// column in, half a half-cell down), so that at one window pixel per
// half-cell it names the pixel it shows on top. Scaling that point back by
// source / picture finds the window pixel; doubled, everything stays whole.
WindowPoint CellToWindowPixel(const PictureFit& fit, int sourceWidth, int sourceHeight, int column, int row) {
    if (fit.width <= 0 || fit.height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return WindowPoint{-1, -1};
    const std::int64_t doubledX = 2 * (Bounded(column) - Bounded(fit.left)) + 1;
    const std::int64_t doubledY = 2 * (2 * Bounded(row) - Bounded(fit.top)) + 1;
    return WindowPoint{ToInt(FloorDivide(doubledX * Bounded(sourceWidth), 2 * Bounded(fit.width))),
                       ToInt(FloorDivide(doubledY * Bounded(sourceHeight), 2 * Bounded(fit.height)))};
}

}  // namespace lumenbox::display
