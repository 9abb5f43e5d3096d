// Placement and client size of new windows.
#include "platform/user/window_geometry.h"

#include <algorithm>

namespace lumenbox::win::detail {

namespace {

// Windows keeps coordinates within 16 bits' reach; so do we, which also
// keeps x + width far from overflowing.
constexpr int kCoordinateLimit = 32767;

int ClampCoordinate(int value) { return std::clamp(value, -kCoordinateLimit, kCoordinateLimit); }

}  // namespace

bool IsFramed(DWORD style) { return !(style & WS_POPUP) || (style & WS_CAPTION) == WS_CAPTION; }

WindowGeometry ResolveGeometry(DWORD style, int x, int y, int width, int height, const display::ScreenInfo& screen) {
    const bool framed = IsFramed(style);
    const int frameWidth = framed ? 2 * kFixedFrameWidth : 0;
    const int frameHeight = framed ? 2 * kFixedFrameHeight + kCaptionHeight : 0;
    const int screenWidth = std::max(screen.width, 0);
    const int screenHeight = std::max(screen.height, 0);

    if (x == CW_USEDEFAULT) {
        x = screenWidth / 8;
        y = screenHeight / 8;
    }
    if (width == CW_USEDEFAULT) {
        width = screenWidth / 4 * 3;
        height = screenHeight / 4 * 3;
    }
    width = std::clamp(width, 0, std::min(screenWidth, kCoordinateLimit) + 2 * kFixedFrameWidth);
    height = std::clamp(height, 0, std::min(screenHeight, kCoordinateLimit) + 2 * kFixedFrameHeight + kCaptionHeight);
    x = ClampCoordinate(x);
    y = ClampCoordinate(y);

    WindowGeometry geometry{};
    geometry.outer = RECT{x, y, x + width, y + height};
    geometry.clientWidth = std::max(width - frameWidth, 0);
    geometry.clientHeight = std::max(height - frameHeight, 0);
    geometry.framed = framed;
    return geometry;
}

}  // namespace lumenbox::win::detail
