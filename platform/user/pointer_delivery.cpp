// Mouse messages from the display's mouse events.
//
// The target is decided when the event is reported, under the user lock, and
// the message posted after it is released (the lock rule of user_state.h).
#include "platform/user/pointer_delivery.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include <lumenbox/win/kernel.h>

#include "platform/user/user_state.h"

namespace lumenbox::win::detail {

namespace {

constexpr std::size_t kShiftKey = 0x10;
constexpr std::size_t kControlKey = 0x11;

// Sums of a window's origin and a display's coordinates, kept in the int range.
int Clamped(long long value) { return static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX)); }

bool Inside(const WindowRecord& window, int x, int y) {
    return x >= 0 && y >= 0 && x < window.clientWidth && y < window.clientHeight;
}

// Windows packs each coordinate as its low 16 bits, x low; the receiver
// reads them back as signed halves (GET_X_LPARAM).
LPARAM Pack(long long x, long long y) {
    const auto low = static_cast<std::uint32_t>(static_cast<std::uint16_t>(x));
    const auto high = static_cast<std::uint32_t>(static_cast<std::uint16_t>(y));
    return static_cast<LPARAM>(low | (high << 16));
}

WPARAM KeyFlagsOf(const display::PointerEvent& event) {
    WPARAM flags = 0;
    if (event.buttons & 1) flags |= MK_LBUTTON;
    if (event.buttons & 2) flags |= MK_RBUTTON;
    if (event.buttons & 4) flags |= MK_MBUTTON;
    if (event.states[kShiftKey] & 0x80) flags |= MK_SHIFT;
    if (event.states[kControlKey] & 0x80) flags |= MK_CONTROL;
    return flags;
}

// Left, right, middle: down, up and double click are three apart in each.
UINT ButtonMessage(int button, UINT leftMessage) {
    constexpr UINT kStride = WM_RBUTTONDOWN - WM_LBUTTONDOWN;
    return leftMessage + static_cast<UINT>(button - 1) * kStride;
}

// The wheel's delta is a signed 16-bit word; so many notches at once are
// unreal, but must not wrap round to the other direction.
WPARAM WheelWord(int notches) {
    const long long delta = std::clamp<long long>(static_cast<long long>(notches) * WHEEL_DELTA, INT16_MIN, INT16_MAX);
    return static_cast<WPARAM>(static_cast<std::uint16_t>(delta)) << 16;
}

struct Delivery {
    std::optional<MSG> message;
    HWND leaving = nullptr;  // to get WM_MOUSELEAVE
};

// The hovered window changes: the one left hears of it if it asked to.
HWND UpdateHoverLocked(UserState& user, std::uintptr_t now) {
    if (user.hover == now) return nullptr;
    const HWND left = MakeHandle<HWND>(user.hover);
    user.hover = now;
    WindowRecord* record = FindOrdinaryWindowLocked(user, left);
    if (!record || !record->trackingLeave) return nullptr;
    record->trackingLeave = false;
    return left;
}

std::optional<MSG> MessageFor(UserState& user, HWND target, const WindowRecord& record, POINT screen, POINT client,
                              const display::PointerEvent& event) {
    const WPARAM flags = KeyFlagsOf(event);
    MSG message{target, WM_MOUSEMOVE, flags, Pack(client.x, client.y), GetTickCount(), screen};
    switch (event.kind) {
        case display::PointerEvent::Kind::Move:
            return message;
        case display::PointerEvent::Kind::Wheel:
            message.message = WM_MOUSEWHEEL;
            message.wParam = WheelWord(event.notches) | flags;
            message.lParam = Pack(screen.x, screen.y);
            return message;
        case display::PointerEvent::Kind::ButtonUp:
            if (event.button < 1 || event.button > 3) return std::nullopt;
            message.message = ButtonMessage(event.button, WM_LBUTTONUP);
            return message;
        case display::PointerEvent::Kind::ButtonDown: {
            if (event.button < 1 || event.button > 3) return std::nullopt;
            const UINT press = ButtonMessage(event.button, WM_LBUTTONDOWN);
            const bool twice = user.clicks.Completes(ButtonPress{press, HandleValue(target), message.time, screen});
            const bool wanted = (ClassStyleLocked(user, record) & CS_DBLCLKS) != 0;
            message.message = twice && wanted ? ButtonMessage(event.button, WM_LBUTTONDBLCLK) : press;
            return message;
        }
    }
    return std::nullopt;
}

Delivery Decide(display::WindowId window, const display::PointerEvent& event) {
    UserState& user = User();
    std::lock_guard lock(user.mutex);
    Delivery delivery;
    const WindowRecord* over = FindOrdinaryWindowLocked(user, MakeHandle<HWND>(window));
    if (!over) return delivery;
    const bool inside = Inside(*over, event.x, event.y);
    delivery.leaving = UpdateHoverLocked(user, inside ? window : 0);
    const POINT origin = ClientOriginLocked(*over);
    const POINT screen{Clamped(static_cast<long long>(origin.x) + event.x),
                       Clamped(static_cast<long long>(origin.y) + event.y)};
    HWND target = MakeHandle<HWND>(window);
    const WindowRecord* record = over;
    if (const WindowRecord* captured = FindOrdinaryWindowLocked(user, MakeHandle<HWND>(user.capture))) {
        target = MakeHandle<HWND>(user.capture);
        record = captured;
    } else if (!inside) {
        return delivery;
    }
    const POINT targetOrigin = ClientOriginLocked(*record);
    const POINT client{Clamped(static_cast<long long>(screen.x) - targetOrigin.x),
                       Clamped(static_cast<long long>(screen.y) - targetOrigin.y)};
    delivery.message = MessageFor(user, target, *record, screen, client, event);
    return delivery;
}

}  // namespace

void DeliverPointerEvent(display::WindowId window, const display::PointerEvent& event) {
    const Delivery delivery = Decide(window, event);
    if (delivery.leaving) PostMessageA(delivery.leaving, WM_MOUSELEAVE, 0, 0);
    if (delivery.message) PostToWindow(delivery.message->hwnd, QueuedMessage{*delivery.message, event.states}, false);
}

}  // namespace lumenbox::win::detail
