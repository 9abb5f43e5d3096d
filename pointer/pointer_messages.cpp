// The pointer unit's side of the window procedure: the window's creation and
// destruction and its mouse messages, handled on the window thread.
#include <algorithm>
#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/pointer.h>
#include <lumenbox/win/user.h>

namespace lumenbox {

namespace {

constexpr std::int16_t Outside = -1;

// Wheel movement below a whole notch (fine-grained wheels report such
// deltas) is kept until it adds up to one. Window thread only.
int WheelRemainder = 0;

struct ViewPoint {
    std::int16_t x;
    std::int16_t y;
};

std::int16_t ToInt16(std::int64_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(value, INT16_MIN, INT16_MAX));
}

// Client pixels to view-area coordinates, with the origin the program set
// last (published by SetViewArea for this thread).
ViewPoint ToView(std::int32_t x, std::int32_t y) {
    const std::uint64_t origin = GraphState.InputViewOrigin.load(std::memory_order_acquire);
    const auto originX = static_cast<std::int32_t>(static_cast<std::uint32_t>(origin));
    const auto originY = static_cast<std::int32_t>(static_cast<std::uint32_t>(origin >> 32));
    return {ToInt16(std::int64_t{x} - originX), ToInt16(std::int64_t{y} - originY)};
}

bool InsideClientArea(win::HWND window, std::int32_t x, std::int32_t y) {
    win::RECT client{};
    if (!win::GetClientRect(window, &client)) return false;
    return x >= client.left && y >= client.top && x < client.right && y < client.bottom;
}

std::uint8_t ButtonsOf(win::WPARAM flags) {
    std::uint8_t buttons = 0;
    if (flags & win::MK_LBUTTON) buttons |= 1;
    if (flags & win::MK_RBUTTON) buttons |= 2;
    if (flags & win::MK_MBUTTON) buttons |= 4;
    return buttons;
}

// Shift and Ctrl come with the message; Alt is read from the key state of
// the message's moment, which GetKeyState reports while it is handled.
std::uint8_t ModifiersOf(win::WPARAM flags) {
    std::uint8_t modifiers = 0;
    if (flags & win::MK_SHIFT) modifiers |= PointerShift;
    if (flags & win::MK_CONTROL) modifiers |= PointerCtrl;
    if (win::GetKeyState(win::VK_MENU) < 0) modifiers |= PointerAlt;
    return modifiers;
}

// The position follows every message; outside the client area (a captured
// pointer) it reads as outside. Leave tracking is asked for again each time
// the pointer is seen inside, since each WM_MOUSELEAVE ends it.
void KeepPosition(win::HWND window, std::int32_t x, std::int32_t y, win::WPARAM flags) {
    KeepPointerButtons(ButtonsOf(flags));
    if (!InsideClientArea(window, x, y)) {
        KeepPointerPosition(Outside, Outside);
        return;
    }
    const ViewPoint point = ToView(x, y);
    KeepPointerPosition(point.x, point.y);
    win::TRACKMOUSEEVENT track{sizeof(win::TRACKMOUSEEVENT), win::TME_LEAVE, window, 0};
    win::TrackMouseEvent(&track);
}

struct ButtonMessage {
    std::uint8_t kind;
    std::uint8_t button;
};

ButtonMessage Classify(std::uint32_t message) {
    switch (message) {
        case win::WM_LBUTTONDOWN: return {PointerButtonDown, PointerLeft};
        case win::WM_LBUTTONUP: return {PointerButtonUp, PointerLeft};
        case win::WM_LBUTTONDBLCLK: return {PointerDoubleClick, PointerLeft};
        case win::WM_RBUTTONDOWN: return {PointerButtonDown, PointerRight};
        case win::WM_RBUTTONUP: return {PointerButtonUp, PointerRight};
        case win::WM_RBUTTONDBLCLK: return {PointerDoubleClick, PointerRight};
        case win::WM_MBUTTONDOWN: return {PointerButtonDown, PointerMiddle};
        case win::WM_MBUTTONUP: return {PointerButtonUp, PointerMiddle};
        case win::WM_MBUTTONDBLCLK: return {PointerDoubleClick, PointerMiddle};
        default: return {0, 0};
    }
}

// A drag that leaves the window still ends in it: the capture is taken at
// every press and given back when the last button is up.
void OnButton(win::HWND window, std::uint32_t message, win::WPARAM wParam, win::LPARAM lParam) {
    const ButtonMessage button = Classify(message);
    const std::int32_t x = win::GET_X_LPARAM(lParam);
    const std::int32_t y = win::GET_Y_LPARAM(lParam);
    KeepPosition(window, x, y, wParam);
    const ViewPoint point = ToView(x, y);
    PutPointerEvent(PointerEvent{button.kind, button.button, point.x, point.y, 0, ModifiersOf(wParam)});
    if (button.kind != PointerButtonUp) {
        win::SetCapture(window);
    } else if (ButtonsOf(wParam) == 0) {
        win::ReleaseCapture();
    }
}

// The wheel message carries screen coordinates.
void OnWheel(win::HWND window, win::WPARAM wParam, win::LPARAM lParam) {
    win::POINT at{win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam)};
    win::ScreenToClient(window, &at);
    WheelRemainder += win::GET_WHEEL_DELTA_WPARAM(wParam);
    const int notches = WheelRemainder / win::WHEEL_DELTA;
    WheelRemainder -= notches * win::WHEEL_DELTA;
    if (notches == 0) return;
    const ViewPoint point = ToView(at.x, at.y);
    PutPointerEvent(PointerEvent{PointerWheel, 0, point.x, point.y, static_cast<std::int16_t>(notches),
                                 ModifiersOf(win::GET_KEYSTATE_WPARAM(wParam))});
}

}  // namespace

void InstallPointer() { GraphState.PointerHook = PointerMessageHandler; }

win::LRESULT PointerMessageHandler(win::HWND window, std::uint32_t message, win::WPARAM wParam, win::LPARAM lParam) {
    switch (message) {
        case win::WM_CREATE:
            // Each window starts with an empty queue and no drops.
            WheelRemainder = 0;
            ResetPointerQueue();
            break;
        case win::WM_DESTROY:
            EndPointerQueueWindow();
            break;
        case win::WM_MOUSEMOVE:
            KeepPosition(window, win::GET_X_LPARAM(lParam), win::GET_Y_LPARAM(lParam), wParam);
            break;
        case win::WM_MOUSELEAVE:
            KeepPointerPosition(Outside, Outside);
            break;
        case win::WM_MOUSEWHEEL:
            OnWheel(window, wParam, lParam);
            break;
        default:
            if (Classify(message).kind != 0) OnButton(window, message, wParam, lParam);
            break;
    }
    return 0;
}

}  // namespace lumenbox
