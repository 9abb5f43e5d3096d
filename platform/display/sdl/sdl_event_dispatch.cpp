// Toolkit events to the event sink: keys, close requests, exposures and the
// pointer leaving a window.
//
// Runs on the display thread, which holds no lock of its own while it calls
// the sink.
#include <SDL2/SDL.h>

#include "platform/display/sdl/sdl_display_backend.h"
#include "platform/display/sdl/sdl_key_map.h"

namespace lumenbox::display {

namespace {

LockToggles TogglesOf(unsigned modifiers) {
    return LockToggles{(modifiers & KMOD_CAPS) != 0, (modifiers & KMOD_NUM) != 0, (modifiers & KMOD_SCROLL) != 0};
}

}  // namespace

void SdlDisplay::Dispatch(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            DispatchKey(event.key);
            break;
        case SDL_WINDOWEVENT:
            DispatchWindowEvent(event.window);
            break;
        case SDL_QUIT:
            DispatchQuit();
            break;
        case SDL_MOUSEMOTION:
            DispatchMotion(event.motion);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            DispatchButton(event.button);
            break;
        case SDL_MOUSEWHEEL:
            DispatchWheel(event.wheel);
            break;
        default:
            break;  // everything the system does not use
    }
}

void SdlDisplay::DispatchKey(const SDL_KeyboardEvent& key) {
    // The toggles as they were when the key event happened; the toolkit's
    // current state may already include later events of the same batch.
    const LockToggles toggles = TogglesOf(key.keysym.mod);
    const bool down = key.state == SDL_PRESSED;
    const MappedKey mapped = heldKeys_.Resolve(
        key.keysym.scancode, MapSdlKey(key.keysym.scancode, key.keysym.sym, toggles.numLock), down);
    const KeyStates states = keys_.Apply(mapped, down, toggles);
    // Keys go where the toolkit says the focus is; between focus changes it
    // may name no window, and then the last window given the focus has it.
    // When the focus leaves, the toolkit releases the keys it saw go down
    // through here, so the state never keeps a key stuck.
    WindowId target = WindowOfToolkitId(key.windowID);
    if (target == 0) target = focused_;
    EventSink* sink = sink_.load(std::memory_order_acquire);
    if (sink == nullptr || target == 0 || mapped.virtualKey == 0) return;
    sink->Key(target, KeyEvent{mapped.virtualKey, down, down && key.repeat != 0, states});
}

void SdlDisplay::DispatchWindowEvent(const SDL_WindowEvent& windowEvent) {
    const WindowId window = WindowOfToolkitId(windowEvent.windowID);
    if (window == 0) return;
    WindowRecord& record = windows_.at(window);
    EventSink* sink = sink_.load(std::memory_order_acquire);
    switch (windowEvent.event) {
        case SDL_WINDOWEVENT_CLOSE:
            if (sink != nullptr) sink->CloseRequested(window);
            break;
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            record.shown->MarkDamaged();
            if (sink != nullptr)
                sink->Exposed(window, 0, 0, record.placement.clientWidth, record.placement.clientHeight);
            break;
        case SDL_WINDOWEVENT_LEAVE:
            DispatchPointerLeft(window);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            focused_ = window;
            // Lock keys may have been switched in another program meanwhile.
            keys_.Apply(MappedKey{0, 0}, false, TogglesOf(SDL_GetModState()));
            break;
        default:
            break;
    }
}

// The session asks the program to end (log-out, a quit request from the
// system): for this program that is a close request of its window.
void SdlDisplay::DispatchQuit() {
    EventSink* sink = sink_.load(std::memory_order_acquire);
    if (sink == nullptr) return;
    WindowId target = focused_;
    for (const auto& [id, record] : windows_) {
        if (target == 0 && record.shown) target = id;
    }
    if (target != 0) sink->CloseRequested(target);
}

WindowId SdlDisplay::WindowOfToolkitId(std::uint32_t toolkitId) const {
    if (toolkitId == 0) return 0;
    for (const auto& [id, record] : windows_) {
        if (record.shown && record.shown->ToolkitId() == toolkitId) return id;
    }
    return 0;
}

}  // namespace lumenbox::display
