// What the display reports, turned into messages for the windows: keys are
// posted, close requests become WM_CLOSE, exposures invalidate, mouse events
// become mouse messages.
#include <mutex>

#include <lumenbox/win/kernel.h>

#include "platform/user/pointer_delivery.h"
#include "platform/user/user_state.h"

namespace lumenbox::win::detail {

namespace {

constexpr LPARAM kRepeatCountOne = 1;
constexpr LPARAM kAltContext = LPARAM{1} << 29;
constexpr LPARAM kPreviouslyDown = LPARAM{1} << 30;
constexpr LPARAM kReleased = LPARAM{1} << 31;

bool Down(const display::KeyStates& keys, int virtualKey) { return keys[static_cast<std::size_t>(virtualKey)] & 0x80; }

// Windows' rule: with Alt held (and Ctrl not), F10, and Alt itself, keys
// belong to the system menu.
bool IsSystemKey(const display::KeyEvent& event) {
    const bool alt = Down(event.states, VK_MENU);
    const bool control = Down(event.states, VK_CONTROL);
    return (alt && !control) || event.virtualKey == VK_F10 || event.virtualKey == VK_MENU;
}

UINT KeyMessageOf(const display::KeyEvent& event) {
    if (IsSystemKey(event)) return event.down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    return event.down ? WM_KEYDOWN : WM_KEYUP;
}

// Repeat count 1; bit 29 while Alt is down; bit 30 when the key was already
// down (an auto-repeat, or any release); bit 31 for a release.
LPARAM KeyFlagsOf(const display::KeyEvent& event) {
    LPARAM flags = kRepeatCountOne;
    if (Down(event.states, VK_MENU)) flags |= kAltContext;
    if (event.repeat || !event.down) flags |= kPreviouslyDown;
    if (!event.down) flags |= kReleased;
    return flags;
}

class UserEventSink final : public display::EventSink {
public:
    void Key(display::WindowId window, const display::KeyEvent& event) override {
        if (event.virtualKey <= 0 || event.virtualKey > 255) return;
        const HWND target = MakeHandle<HWND>(window);
        const MSG message{target, KeyMessageOf(event), static_cast<WPARAM>(event.virtualKey), KeyFlagsOf(event),
                          GetTickCount(), {}};
        PostToWindow(target, QueuedMessage{message, event.states}, false);
    }

    void CloseRequested(display::WindowId window) override {
        PostMessageA(MakeHandle<HWND>(window), WM_CLOSE, 0, 0);
    }

    void Exposed(display::WindowId window, int left, int top, int right, int bottom) override {
        const RECT exposed{left, top, right, bottom};
        InvalidateRect(MakeHandle<HWND>(window), &exposed, TRUE);
    }

    void Pointer(display::WindowId window, const display::PointerEvent& event) override {
        DeliverPointerEvent(window, event);
    }
};

}  // namespace

display::Display* ConnectedDisplay() {
    static UserEventSink* const sink = new UserEventSink();  // the display may call it until the very end
    static std::once_flag connected;
    display::Display* display = display::Current();
    if (display) std::call_once(connected, [display] { display->SetEventSink(sink); });
    return display;
}

}  // namespace lumenbox::win::detail
