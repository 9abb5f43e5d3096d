// Display kinds and window sizes.
#include "graph/display_mode.h"

#include <lumenbox/graph.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/user.h>

namespace lumenbox {

namespace {

struct ClientSize {
    std::int64_t width;
    std::int64_t height;
};

// No screen holds this, so an unknown size code ends with -3.
constexpr std::int64_t UnknownSizeExtent = 65535;

// The frame around a captioned window's client area, read from the system
// each time so that the window's real frame is matched.
ClientSize FrameAllowance() {
    return {2 * std::int64_t{win::GetSystemMetrics(win::SM_CXFIXEDFRAME)},
            2 * std::int64_t{win::GetSystemMetrics(win::SM_CYFIXEDFRAME)} +
                win::GetSystemMetrics(win::SM_CYCAPTION)};
}

ClientSize ClientSizeOf(std::int16_t size, ClientSize frame) {
    const std::int64_t screenWidth = GraphState.ScreenWidth;
    const std::int64_t screenHeight = GraphState.ScreenHeight;
    switch (size) {
    case 1: return {320, 200};
    case 2: return {640, 200};
    case 3: return {640, 350};
    case 4: return {640, 480};
    case 5: return {720, 350};
    case 6: return {800, 600};
    case 7: return {1024, 768};
    case 8: return {1280, 1024};
    // Less the frame, so that the outer size comes out as 0 x 0: the window
    // thread then lets the system place and size the window.
    case 10: return {-frame.width, -frame.height};
    case 11: return {screenWidth - frame.width, screenHeight - frame.height};
    case 12: return {screenWidth, screenHeight};
    // A client area needs at least one pixel each way; anything less asks
    // for no canvas at all.
    case 13:
        if (GraphState.CustomWidth < 1 || GraphState.CustomHeight < 1) return {UnknownSizeExtent, UnknownSizeExtent};
        return {GraphState.CustomWidth, GraphState.CustomHeight};
    default: return {UnknownSizeExtent, UnknownSizeExtent};
    }
}

// The window's outer size and style, or false when it fits the screen
// neither with its frame nor without.
bool ChooseWindowGeometry(ClientSize client, ClientSize frame) {
    const std::int64_t outerWidth = client.width + frame.width;
    const std::int64_t outerHeight = client.height + frame.height;
    GraphState.WindowWidth = static_cast<std::int32_t>(outerWidth);
    GraphState.WindowHeight = static_cast<std::int32_t>(outerHeight);
    if (outerWidth <= GraphState.ScreenWidth && outerHeight <= GraphState.ScreenHeight) {
        GraphState.WindowStyle = CaptionedWindowStyle;
        return true;
    }
    if (client.width <= GraphState.ScreenWidth && client.height <= GraphState.ScreenHeight) {
        GraphState.WindowWidth = static_cast<std::int32_t>(client.width);
        GraphState.WindowHeight = static_cast<std::int32_t>(client.height);
        GraphState.WindowStyle = PopupWindowStyle;
        return true;
    }
    return false;
}

// Direct colour takes the desktop's own format where a DIB section has one: a
// 15-bit desktop's pixels are 16-bit 5-5-5 ones. A palette desktop (8 bits or
// fewer) gets a 32-bit canvas, so that the program's colours stay true.
std::uint8_t DirectCanvasBits() {
    const std::uint8_t desktop = DesktopBitsPerPixel();
    if (desktop <= 8) return 32;
    if (desktop <= 16) return 16;
    return desktop == 24 ? 24 : 32;
}

// Bits per pixel of the kind's canvas, or 0 for an unknown kind.
std::uint8_t CanvasBitsOfKind(std::int16_t kind) {
    switch (kind) {
    case 1: return 1;
    case 2: return 4;
    case 3: return 8;
    case 9: return DirectCanvasBits();
    default: return 0;
    }
}

}  // namespace

std::uint8_t DesktopBitsPerPixel() {
    const win::HWND desktop = win::GetDesktopWindow();
    const win::HDC dc = win::GetDC(desktop);
    const int bits = win::GetDeviceCaps(dc, win::BITSPIXEL);
    win::ReleaseDC(desktop, dc);
    return static_cast<std::uint8_t>(bits);
}

void ResolveDisplayMode() {
    // Without a display the screen measures 0 x 0: no size would fit, but
    // the fault is that no window can be made at all.
    if (GraphState.ScreenWidth <= 0 || GraphState.ScreenHeight <= 0) {
        GraphState.GraphStatus = StatusWindowFailed;
        return;
    }
    // 1.
    const ClientSize frame = FrameAllowance();
    // 2.
    const ClientSize client = ClientSizeOf(GraphState.GraphSize, frame);
    // 3. and 4. The size is examined before the kind.
    if (!ChooseWindowGeometry(client, frame)) {
        GraphState.GraphStatus = StatusBadSize;
        return;
    }
    // 5.
    const bool knownKind = GraphState.GraphKind == 1 || GraphState.GraphKind == 2 ||
                           GraphState.GraphKind == 3 || GraphState.GraphKind == 9;
    if (!knownKind) {
        GraphState.GraphStatus = StatusBadKind;
        return;
    }
    GraphState.CanvasBitsPerPixel = CanvasBitsOfKind(GraphState.GraphKind);
    // 6. Direct colour leaves PaletteCapacity as it was; nothing reads it then.
    if (GraphState.GraphKind == 9) {
        GraphState.PaletteMode = false;
    } else {
        GraphState.PaletteMode = true;
        GraphState.PaletteCapacity = static_cast<std::uint16_t>(1u << GraphState.CanvasBitsPerPixel);
    }
}

void AutoSelectMode(std::int16_t& kind, std::int16_t& size) {
    kind = 9;
    size = 10;
}

}  // namespace lumenbox
