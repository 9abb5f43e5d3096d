// The headless display's mouse: a pointer over one window at a time, three
// buttons and a wheel, reported to the event sink like the keys.
#include "platform/display/headless/headless_display.h"

namespace lumenbox::display {

namespace {

bool IsButton(int button) { return button >= 1 && button <= 3; }
int BitOf(int button) { return 1 << (button - 1); }

}  // namespace

void HeadlessDisplay::MovePointer(WindowId window, int x, int y) {
    {
        std::lock_guard lock(mutex_);
        if (!windows_.Find(window)) return;
        pointerWindow_ = window;
        pointerX_ = x;
        pointerY_ = y;
    }
    SendPointer(PointerEvent::Kind::Move, 0, 0);
}

void HeadlessDisplay::PressButton(int button) {
    if (!IsButton(button)) return;
    {
        std::lock_guard lock(mutex_);
        if (buttons_ & BitOf(button)) return;
        buttons_ |= BitOf(button);
    }
    SendPointer(PointerEvent::Kind::ButtonDown, button, 0);
}

void HeadlessDisplay::ReleaseButton(int button) {
    if (!IsButton(button)) return;
    {
        std::lock_guard lock(mutex_);
        if (!(buttons_ & BitOf(button))) return;
        buttons_ &= ~BitOf(button);
    }
    SendPointer(PointerEvent::Kind::ButtonUp, button, 0);
}

void HeadlessDisplay::TurnWheel(int notches) {
    if (notches != 0) SendPointer(PointerEvent::Kind::Wheel, 0, notches);
}

void HeadlessDisplay::SendPointer(PointerEvent::Kind kind, int button, int notches) {
    EventSink* sink;
    WindowId target;
    PointerEvent event{};
    {
        std::lock_guard lock(mutex_);
        sink = sink_;
        target = pointerWindow_;
        event = PointerEvent{kind, pointerX_, pointerY_, button, notches, buttons_, keys_};
    }
    if (sink && target) sink->Pointer(target, event);
}

}  // namespace lumenbox::display
