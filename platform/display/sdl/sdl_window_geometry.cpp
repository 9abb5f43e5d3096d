// Placement of a shown window: magnification, then position.
#include "platform/display/sdl/sdl_window_geometry.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace lumenbox::display {

namespace {

// Placement values come from callers of the window calls, so they may be
// anything; this keeps the arithmetic below far from overflow while leaving
// every real screen coordinate alone.
constexpr int kCoordinateLimit = 1 << 20;

int Bounded(int value, int low, int high) { return std::clamp(value, low, high); }

int ScaleFor(int outerWidth, int outerHeight, int desktopWidth, int desktopHeight) {
    if (outerWidth <= 0 || outerHeight <= 0 || desktopWidth <= 0 || desktopHeight <= 0) return 1;
    return std::max(1, std::min(desktopWidth / outerWidth, desktopHeight / outerHeight));
}

}  // namespace

SdlWindowGeometry PlaceSdlWindow(const WindowPlacement& placement, int desktopWidth, int desktopHeight) {
    const int clientWidth = Bounded(placement.clientWidth, 1, kCoordinateLimit);
    const int clientHeight = Bounded(placement.clientHeight, 1, kCoordinateLimit);
    const int outerWidth = Bounded(placement.width, clientWidth, kCoordinateLimit);
    const int outerHeight = Bounded(placement.height, clientHeight, kCoordinateLimit);
    // A frame is as wide on every side; what is left above is the caption.
    const int frame = placement.framed ? (outerWidth - clientWidth) / 2 : 0;
    const int top = placement.framed ? outerHeight - clientHeight - frame : 0;

    SdlWindowGeometry geometry{};
    geometry.borderless = !placement.framed;
    geometry.scale = ScaleFor(outerWidth, outerHeight, desktopWidth, desktopHeight);
    geometry.width = clientWidth * geometry.scale;
    geometry.height = clientHeight * geometry.scale;
    if (geometry.scale > 1) {
        geometry.x = (desktopWidth - geometry.width) / 2;
        geometry.y = (desktopHeight - geometry.height - top - frame) / 2 + top;
    } else {
        geometry.x = Bounded(placement.x, -kCoordinateLimit, kCoordinateLimit) + frame;
        geometry.y = Bounded(placement.y, -kCoordinateLimit, kCoordinateLimit) + top;
    }
    return geometry;
}

namespace {

// Rounds towards minus infinity, so the pixel column left of the window is
// -1, not 0.
std::int64_t FloorDivide(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t quotient = numerator / denominator;
    return (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) ? quotient - 1 : quotient;
}

int ScaleBack(int point, int drawn, int client) {
    const std::int64_t value = FloorDivide(std::int64_t{point} * client, drawn);
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace

SdlClientPoint ClientPointOf(int x, int y, int drawnWidth, int drawnHeight, int clientWidth, int clientHeight) {
    if (drawnWidth <= 0 || drawnHeight <= 0 || clientWidth <= 0 || clientHeight <= 0) return SdlClientPoint{-1, -1};
    return SdlClientPoint{ScaleBack(x, drawnWidth, clientWidth), ScaleBack(y, drawnHeight, clientHeight)};
}

}  // namespace lumenbox::display
