// The terminal display's mouse: SGR reports become mouse events of the shown
// window, their cells mapped back to its client pixels.
#include "platform/display/terminal/terminal_display.h"
#include "platform/display/terminal/terminal_pointer_map.h"

namespace lumenbox::display {

namespace {

constexpr std::size_t kShift = 0x10, kControl = 0x11, kMenu = 0x12;
constexpr std::uint8_t kDown = 0x80;

int BitOf(int button) { return 1 << (button - 1); }

// The report carries the modifiers held with it; a terminal tells nothing of
// modifier keys otherwise.
KeyStates WithModifiers(KeyStates states, const TerminalMouse& mouse) {
    if (mouse.shift) states[kShift] |= kDown;
    if (mouse.control) states[kControl] |= kDown;
    if (mouse.alt) states[kMenu] |= kDown;
    return states;
}

PointerEvent::Kind KindOf(TerminalMouse::Kind kind) {
    switch (kind) {
        case TerminalMouse::Kind::Press: return PointerEvent::Kind::ButtonDown;
        case TerminalMouse::Kind::Release: return PointerEvent::Kind::ButtonUp;
        case TerminalMouse::Kind::Wheel: return PointerEvent::Kind::Wheel;
        case TerminalMouse::Kind::Drag: break;
    }
    return PointerEvent::Kind::Move;
}

}  // namespace

void TerminalDisplay::DeliverMouse(const TerminalMouse& mouse) {
    WindowId target = 0;
    int width = 0;
    int height = 0;
    {
        std::lock_guard lock(mutex_);
        const WindowStack::Entry* shown = windows_.Shown();
        if (!shown) return;
        target = shown->id;
        width = shown->placement.clientWidth;
        height = shown->placement.clientHeight;
    }
    const TerminalSize size = size_.value_or(session_->Size());
    const PictureFit fit = FitPicture(width, height, size.columns, size.rows);
    const WindowPoint point = CellToWindowPixel(fit, width, height, mouse.column, mouse.row);
    // A press is reported once, a release may come for a button the display
    // never saw go down (pressed before it started): both keep the set exact.
    if (mouse.kind == TerminalMouse::Kind::Press) mouseButtons_ |= BitOf(mouse.button);
    if (mouse.kind == TerminalMouse::Kind::Release) mouseButtons_ &= ~BitOf(mouse.button);
    const PointerEvent event{KindOf(mouse.kind), point.x, point.y, mouse.button, mouse.notches, mouseButtons_,
                             WithModifiers(strokes_.Current(), mouse)};
    EventSink* sink = sink_.load(std::memory_order_acquire);
    if (sink != nullptr) sink->Pointer(target, event);
}

}  // namespace lumenbox::display
