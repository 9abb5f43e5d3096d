// Toolkit mouse events to the event sink, their window points mapped back
// through the magnification to client pixels.
//
// The toolkit keeps reporting to a window while a button pressed in it is
// held (it captures the mouse itself), with points beyond its edges; those
// go on to the user layer as they are, which hands them to the window
// holding the capture.
#include <SDL2/SDL.h>

#include "platform/display/sdl/sdl_display_backend.h"
#include "platform/display/sdl/sdl_window_geometry.h"

namespace lumenbox::display {

namespace {

// The toolkit numbers the middle button 2 and the right 3; Windows' order,
// and ours, is left, right, middle.
int ButtonOf(std::uint8_t toolkitButton) {
    switch (toolkitButton) {
        case SDL_BUTTON_LEFT: return 1;
        case SDL_BUTTON_RIGHT: return 2;
        case SDL_BUTTON_MIDDLE: return 3;
        default: return 0;  // side buttons: not used
    }
}

}  // namespace

void SdlDisplay::DispatchMotion(const SDL_MouseMotionEvent& motion) {
    SendPointer(WindowOfToolkitId(motion.windowID), PointerEvent::Kind::Move, motion.x, motion.y, 0, 0);
}

void SdlDisplay::DispatchButton(const SDL_MouseButtonEvent& button) {
    const int ours = ButtonOf(button.button);
    if (ours == 0) return;
    const bool down = button.state == SDL_PRESSED;
    const int bit = 1 << (ours - 1);
    mouseButtons_ = down ? (mouseButtons_ | bit) : (mouseButtons_ & ~bit);
    SendPointer(WindowOfToolkitId(button.windowID), down ? PointerEvent::Kind::ButtonDown : PointerEvent::Kind::ButtonUp,
                button.x, button.y, ours, 0);
}

// Natural scrolling flips the sign the toolkit reports; it says so, and
// flipping back gives "away from the user" as positive again.
void SdlDisplay::DispatchWheel(const SDL_MouseWheelEvent& wheel) {
    const int notches = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
    if (notches == 0) return;
    SendPointer(WindowOfToolkitId(wheel.windowID), PointerEvent::Kind::Wheel, wheel.mouseX, wheel.mouseY, 0, notches);
}

// Reported as a move to just outside the window's top-left corner, which
// every window treats as the pointer having left.
void SdlDisplay::DispatchPointerLeft(WindowId window) {
    if (mouseButtons_ != 0) return;  // still captured: the motion says where it is
    EventSink* sink = sink_.load(std::memory_order_acquire);
    if (sink != nullptr)
        sink->Pointer(window, PointerEvent{PointerEvent::Kind::Move, -1, -1, 0, 0, mouseButtons_, keys_.Current()});
}

void SdlDisplay::SendPointer(WindowId window, PointerEvent::Kind kind, int x, int y, int button, int notches) {
    if (window == 0) return;
    const WindowRecord& record = windows_.at(window);
    int drawnWidth = 0;
    int drawnHeight = 0;
    record.shown->DrawnSize(drawnWidth, drawnHeight);
    const SdlClientPoint point =
        ClientPointOf(x, y, drawnWidth, drawnHeight, record.placement.clientWidth, record.placement.clientHeight);
    EventSink* sink = sink_.load(std::memory_order_acquire);
    if (sink != nullptr)
        sink->Pointer(window, PointerEvent{kind, point.x, point.y, button, notches, mouseButtons_, keys_.Current()});
}

}  // namespace lumenbox::display
